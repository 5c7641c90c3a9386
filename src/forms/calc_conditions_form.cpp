// Filling, enabling and storing of the calculation conditions dialog.
#include "forms/calc_conditions_form.h"

#include <algorithm>

#include "calc/value_checks.h"
#include "model/project_model.h"
#include "model/set_if_changed.h"
#include "platform/cp932.h"

namespace selvana {
namespace {

// The edits of the three surcharges and forces, by field, each for loads 1, 2, 3.
constexpr int kXMinEdits[] = {3, 6, 9};
constexpr int kXMaxEdits[] = {4, 7, 10};
constexpr int kLoadAtXMinEdits[] = {5, 8, 11};
constexpr int kLoadAtXMaxEdits[] = {20, 21, 22};
constexpr int kForceYEdits[] = {12, 15, 18};
constexpr int kForceHEdits[] = {13, 16, 19};

// The method buttons and their codes, in the order OK tests them.
struct MethodButton {
  int button;
  int kt;
};
constexpr MethodButton kMethods[] = {{2, 1}, {3, 2}, {4, 3}, {5, 4}, {12, 5}};

int MethodButtonOf(int kt) {
  for (const MethodButton& m : kMethods) {
    if (m.kt == kt) return m.button;
  }
  return 1;
}

bool BishopChecked(const FormControls& form) { return form.Radio[3] || form.Radio[5]; }

// The seismic coefficient is used only where the method and the weights allow it.
bool SeismicApplies(const FormControls& form) {
  return !BishopChecked(form) && form.Radio[10] && !form.Check[1];
}

void FillLoadEdits(FormControls& form) {
  const SurchargeRecord& s = cm.Surcharges;
  const HorizontalForceRecord& h = cm.HorizontalForces;
  for (int i = 0; i < kSurchargeCount; ++i) {
    FillNumber(form, kXMinEdits[i], s.XMin[i]);
    FillNumber(form, kXMaxEdits[i], s.XMax[i]);
    FillNumber(form, kLoadAtXMinEdits[i], s.LoadAtXMin[i]);
    FillNumber(form, kLoadAtXMaxEdits[i], s.LoadAtXMax[i]);
  }
  for (int i = 0; i < kForceCount; ++i) {
    FillNumber(form, kForceYEdits[i], h.Y[i]);
    FillNumber(form, kForceHEdits[i], h.H[i]);
  }
}

void StoreLoadEdits(const FormControls& form, FormChanges& changes) {
  SurchargeRecord& s = cm.Surcharges;
  HorizontalForceRecord& h = cm.HorizontalForces;
  for (int i = 0; i < kSurchargeCount; ++i) changes.StoreNumber(s.XMin[i], form, kXMinEdits[i]);
  for (int i = 0; i < kSurchargeCount; ++i) changes.StoreNumber(s.XMax[i], form, kXMaxEdits[i]);
  for (int i = 0; i < kSurchargeCount; ++i) {
    changes.StoreNumber(s.LoadAtXMin[i], form, kLoadAtXMinEdits[i]);
  }
  for (int i = 0; i < kSurchargeCount; ++i) {
    changes.StoreNumber(s.LoadAtXMax[i], form, kLoadAtXMaxEdits[i]);
  }
  for (int i = 0; i < kForceCount; ++i) changes.StoreNumber(h.Y[i], form, kForceYEdits[i]);
  for (int i = 0; i < kForceCount; ++i) changes.StoreNumber(h.H[i], form, kForceHEdits[i]);
}

// The number edit n holds, or kept when it holds none.
double EditValueOr(const FormControls& form, int n, double kept) {
  return ShownOrTypedNumberOr(form.Edit[n], form.Shown[n], kept);
}

// The first refused value of surcharge i.
std::optional<EditRefusal> RefusedSurcharge(const FormControls& form, int i) {
  const SurchargeRecord& s = cm.Surcharges;
  const int edits[kSurchargeValueCount] = {kXMinEdits[i], kXMaxEdits[i], kLoadAtXMinEdits[i],
                                           kLoadAtXMaxEdits[i]};
  const SurchargeValues values = {
      EditValueOr(form, edits[0], s.XMin[i]), EditValueOr(form, edits[1], s.XMax[i]),
      EditValueOr(form, edits[2], s.LoadAtXMin[i]), EditValueOr(form, edits[3], s.LoadAtXMax[i])};
  for (int v = 0; v < kSurchargeValueCount; ++v) {
    if (const char* fault = SurchargeValueFault(values, v)) {
      return RefuseValueOf(edits[v], SurchargeValueLabel(v), form.Edit[edits[v]], fault);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<EditRefusal> RefusedCalcCondition(const FormControls& form) {
  if (SeismicApplies(form)) {
    const char* fault = SeismicCoefficientFault(EditValueOr(form, 2, cm.SeismicCoefficient));
    if (fault) return RefuseValueOf(2, "水平震度", form.Edit[2], fault);
  }
  if (const char* fault = MaxSafetyFactorFault(EditValueOr(form, 17, cm.MaxSafetyFactor))) {
    return RefuseValueOf(17, "最大安全率", form.Edit[17], fault);
  }
  for (int i = 0; i < kSurchargeCount; ++i) {
    if (std::optional<EditRefusal> refusal = RefusedSurcharge(form, i)) return refusal;
  }
  return std::nullopt;
}

FormControls FillCalcConditions() {
  FormControls form;
  FillText(form, 1, cm.ProjectTitle);
  CheckRadio(form, kMethodButtons, MethodButtonOf(cm.kt));
  FillNumber(form, 2, cm.SeismicCoefficient);
  FillNumber(form, 14, cm.CohesionRefHeight);
  FillNumber(form, 17, cm.MaxSafetyFactor);
  FillNumber(form, 23, cm.AllowableSafetyFactor);
  FillNumber(form, 24, cm.SliceWidth);
  FillLoadEdits(form);
  form.UpDown = std::clamp(3 - cm.SandPileFormula, 0, 3);  // the up-down control's range
  CheckRadio(form, {6, 7}, cm.SafetyTableFormat != 0 ? 7 : 6);
  form.Check[5] = cm.SeismicIncludesSurcharge == 1;
  CheckRadio(form, {8, 9}, cm.CohesionRefMode != 0 ? 9 : 8);
  form.Check[1] = PartialFactors.Enabled != 0;
  CheckRadio(form, {10, 11}, cm.DrivingForceMode != 0 ? 11 : 10);
  form.RadioGroup = cm.RoundingRule != 0 ? 1 : 0;
  ApplyCalcConditionsEnabling(form);
  return form;
}

void ApplyCalcConditionsEnabling(FormControls& form) {
  form.EditEnabled[2] = SeismicApplies(form);
  form.ButtonEnabled[4] = form.Radio[1] || form.Radio[2];
  form.ButtonEnabled[5] = form.Check[1];
  form.EditEnabled[14] = form.Radio[8];
  form.ButtonEnabled[3] = !form.Radio[8];
}

int CheckedMethod(const FormControls& form) {
  for (const MethodButton& m : kMethods) {
    if (form.Radio[m.button]) return m.kt;
  }
  return kMethodFellenius;
}

FormChanges StoreCalcConditions(const FormControls& form) {
  FormChanges changes;
  changes.Mark(
      SetStringIfChanged(cm.ProjectTitle, ShownOrTypedText(form.Edit[1], form.ShownTexts[1])));
  changes.Invalidate(SetIntIfChanged(cm.kt, CheckedMethod(form)));
  if (SeismicApplies(form)) {
    changes.StoreNumber(cm.SeismicCoefficient, form, 2);
  } else {
    changes.Invalidate(SetDoubleIfChanged(cm.SeismicCoefficient, 0.0));
  }
  changes.StoreNumber(cm.CohesionRefHeight, form, 14);
  changes.StoreNumber(cm.MaxSafetyFactor, form, 17);
  StoreLoadEdits(form, changes);
  changes.Invalidate(SetIntIfChanged(cm.SandPileFormula, 3 - form.UpDown));
  changes.Mark(SetIntIfChanged(cm.SafetyTableFormat, form.Radio[6] ? 0 : 1));
  changes.Invalidate(SetIntIfChanged(cm.SeismicIncludesSurcharge, form.Check[5] ? 1 : 0));
  changes.Invalidate(SetIntIfChanged(cm.CohesionRefMode, form.Radio[8] ? 0 : 1));
  changes.Invalidate(SetIntIfChanged(PartialFactors.Enabled, form.Check[1] ? 1 : 0));
  changes.Mark(SetIntIfChanged(cm.DrivingForceMode, form.Radio[10] ? 0 : 1));
  changes.Mark(SetIntIfChanged(cm.RoundingRule, form.RadioGroup != 0 ? 1 : 0));
  changes.StoreNumber(cm.AllowableSafetyFactor, form, 23);
  changes.StoreNumber(cm.SliceWidth, form, 24);
  changes.Commit();
  return changes;
}

std::string CapTitleText(const std::string& utf8) {
  const std::string bytes = ToCp932(utf8);
  if (bytes.size() <= kMaxTextBytes) return utf8;
  // Each typed character became one CP932 character (a "?" where it has none), so the cut keeps
  // as many of the typed characters.
  const std::string cut = CutCp932(bytes, kMaxTextBytes);
  std::size_t keep = 0;
  for (std::size_t i = 0; i < cut.size(); i += Cp932CharacterBytes(cut, i)) ++keep;
  std::size_t end = 0;  // where typed character number `keep` starts
  for (std::size_t seen = 0; end < utf8.size(); ++end) {
    const bool starts = (static_cast<unsigned char>(utf8[end]) & 0xC0) != 0x80;  // no trail byte
    if (starts && seen++ == keep) break;
  }
  return utf8.substr(0, end);
}

int SandPilePictureFormula(int position) {
  return position >= 0 && position <= 2 ? 3 - position : 0;
}

}  // namespace selvana
