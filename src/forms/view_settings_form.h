// The rules of the drawing settings and display settings dialogs without their windows. The
// drawing settings are project data that never invalidate the results; the display settings
// belong to the view and leave the project's modified flag as it was.
#pragma once
#include <optional>

#include "forms/edit_refusal.h"
#include "forms/form_controls.h"

namespace selvana {

// The edits of the drawing settings: the scale (whole numbers) and the nine sizes (2 decimals)
// that EditExit reformats, and the eight decimals counts, which it leaves alone.
inline constexpr int kDrawScaleEdit = 3;
inline constexpr std::initializer_list<int> kDrawSizeEdits = {9, 10, 16, 1, 2, 4, 5, 6, 7};
inline constexpr std::initializer_list<int> kDrawDecimalsEdits = {8, 11, 12, 13, 14, 15, 17, 18};

FormControls FillDrawSettings();

// The value OK refuses: fewer decimals for the safety factor than a run judges at
// (kMinSafetyFactorDecimals), since the truncation to them would decide the verdict.
std::optional<EditRefusal> RefusedDrawSettings(const FormControls& form);

// OK: every field in the dialog's order; a change only marks the project. When an order switch
// changed, the results are consolidated again over the orders now drawn.
FormChanges StoreDrawSettings(const FormControls& form);

// The grid pitch edits of the display settings.
inline constexpr std::initializer_list<int> kDispNumberEdits = {1, 2};

FormControls FillDisplaySettings();

// The grid box enables the pitch edits; automatic switching disables every item box but its own.
void ApplyDisplayEnabling(FormControls& form);

// OK: the eighteen switches and the two pitches, the coarse pitch raised to the fine one;
// DataModified and CalcStatus keep their values. Returns whether anything changed.
bool StoreDisplaySettings(const FormControls& form);

}  // namespace selvana
