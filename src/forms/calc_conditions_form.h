// The rules of the calculation conditions dialog without its window: what it shows of the
// calculation conditions, which controls the chosen method leaves enabled, and what OK stores
// in which order.
#pragma once
#include <string>

#include "forms/edit_refusal.h"
#include "forms/form_controls.h"

namespace selvana {

// The method radio buttons, top to bottom as the dialog shows them.
inline constexpr std::initializer_list<int> kMethodButtons = {1, 2, 3, 5, 4, 12};
// The numeric edits, Edit2 to Edit24.
inline constexpr int kCalFirstNumberEdit = 2;
inline constexpr int kCalLastNumberEdit = 24;

// The controls as FormShow fills them from cm and PartialFactors, with the enabling applied.
FormControls FillCalcConditions();

// The enabling rules of the click handlers: the seismic edit only for a non-Bishop method on
// total weight without partial factors; the sheet-pile button for methods 0 and 1; the partial
// factor button with its switch; the reference height or the reference line button.
void ApplyCalcConditionsEnabling(FormControls& form);

// The method code of the checked method button (0 when none of 1 to 5 and 12 is checked).
int CheckedMethod(const FormControls& form);

// The first value OK refuses, with its edit and message: the seismic coefficient where it
// applies (SeismicCoefficientFault), then the surcharges 1 to 3 (SurchargeValueFault), as typed.
std::optional<EditRefusal> RefusedCalcCondition(const FormControls& form);

// OK: stores every field in the fixed order through the set-if-changed helpers and sets the
// model's flags; an untouched title keeps its bytes (ShownOrTypedText). Title, table format,
// driving-force mode and rounding rule only mark the project; every other field also invalidates
// the results.
FormChanges StoreCalcConditions(const FormControls& form);

// The refusal on OK of a title with a character CP932 has no code for, named by the edit's label
// (caption "error"; %s is the first such character). A character CP932 holds as a look-alike is
// taken as that.
inline constexpr char kTitleNotCp932Message[] =
    "検討ケースの「%s」は使えない文字です。検討ケースを入力し直してください。";

// The title as the edit may hold it: unchanged while it fits the model's 255 CP932 bytes,
// else cut on a character boundary (UTF-8 in and out). A character CP932 cannot hold stays as
// typed, for OK to refuse.
std::string CapTitleText(const std::string& utf8);

// The formula whose picture UpDown1 shows at a position: 3, 2, 1 for positions 0, 1, 2 and 0
// for any other.
int SandPilePictureFormula(int position);

}  // namespace selvana
