// The rules of the search settings dialogs without their windows: the slip-circle settings of
// the current method family, the straight slip from a start point over a range of angles
// (method 3) and the straight slip between two segments (method 5). Every field they store
// invalidates the results.
#pragma once
#include <optional>

#include "forms/edit_refusal.h"
#include "forms/form_controls.h"
#include "model/project_model.h"

namespace selvana {

// The dialog caption and the method name it shows in Edit1 (UTF-8).
const char* CircleFormCaption(int kt);
const char* CircleFormMethodName(int kt);

// The numeric edits of each dialog.
inline constexpr std::initializer_list<int> kCircleNumberEdits = {2, 3, 4,  5,  6, 7,
                                                                  8, 9, 10, 11, 12};
inline constexpr std::initializer_list<int> kLineNumberEdits = {2, 3, 4, 9, 10, 11};
inline constexpr std::initializer_list<int> kLine2NumberEdits = kCircleNumberEdits;

// Circle settings of cm.kt: fill (with the pass-point enabling), enabling, OK.
FormControls FillCircleSearch();
// Pass point on: radius edits off and pass-point edits on; off: the reverse.
void ApplyCircleSearchEnabling(FormControls& form);
FormChanges StoreCircleSearch(const FormControls& form);

// The first value OK refuses in each dialog: one with which the search could find no slip
// surface in the section, by the rules the run applies to a project file
// (calc/search_settings_rules.h), named by its edit; nothing when all hold. Method 5's dialog
// has no such rule: its segments may lie anywhere.
std::optional<EditRefusal> RefusedCircleSearch(const FormControls& form);
std::optional<EditRefusal> RefusedLineFromPoint(const FormControls& form);

// Straight slip from a start point (method 3).
FormControls FillLineFromPoint();
FormChanges StoreLineFromPoint(const FormControls& form);

// Straight slip between a start segment and an end segment (method 5).
FormControls FillLineBetweenSegments();
FormChanges StoreLineBetweenSegments(const FormControls& form);

}  // namespace selvana
