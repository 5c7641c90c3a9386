// Filling and storing of the drawing settings and display settings dialogs.
#include "forms/view_settings_form.h"

#include "calc/results/consolidation.h"
#include "calc/results/safety_factor.h"
#include "model/project_model.h"
#include "model/set_if_changed.h"
#include "platform/number_format.h"
#include "platform/typed_number.h"

namespace selvana {
namespace {

// DrawSettings.Sizes entry of each size edit, in the order of kDrawSizeEdits.
constexpr int kSizeEntries[] = {5, 6, 8, 0, 1, 2, 3, 4, 7};
constexpr int kPaperButtons[] = {5, 6, 7};  // A4, B4, A3
constexpr int kDisplayBoxes = 18;           // CheckBox1 .. CheckBox18, switches 0 .. 17
constexpr int kSafetyFactorDecimalsEdit = 8;

int PaperButton(int paperSize) { return paperSize == 1 ? 5 : paperSize == 2 ? 6 : 7; }

int CheckedPaperSize(const FormControls& form) { return form.Radio[5] ? 1 : form.Radio[6] ? 2 : 0; }

// Stores the check box of every order switch; true when one changed.
bool StoreDrawOrders(const FormControls& form, FormChanges& changes) {
  bool changed = false;
  for (int order = 0; order < 4; ++order) {
    const int value = form.Check[1 + order] ? 1 : -1;
    changed = SetIntIfChanged(DrawSettings.DrawOrder[order], value) != 0 || changed;
  }
  changes.Mark(changed);
  return changed;
}

}  // namespace

FormControls FillDrawSettings() {
  const DrawSettingsRecord& d = DrawSettings;
  FormControls form;
  CheckRadio(form, {5, 6, 7}, PaperButton(d.PaperSize));
  FillNumber(form, kDrawScaleEdit, d.ScaleDenominator, "%1.0f");
  int entry = 0;
  for (int edit : kDrawSizeEdits) FillNumber(form, edit, d.Sizes[kSizeEntries[entry++]], "%3.2f");
  for (int order = 0; order < 4; ++order) form.Check[1 + order] = d.DrawOrder[order] == 1;
  entry = 0;
  for (int edit : kDrawDecimalsEdits) form.Edit[edit] = StrFormat("%d", d.Decimals[entry++]);
  form.Check[5] = d.DrawZeroCPhi == 1;
  CheckRadio(form, {1, 2}, d.SoilTableMode() <= -0.000001 ? 2 : 1);
  return form;
}

std::optional<EditRefusal> RefusedDrawSettings(const FormControls& form) {
  const std::string& text = form.Edit[kSafetyFactorDecimalsEdit];
  if (TypedIntegerOr(text, DrawSettings.Decimals[0]) >= kMinSafetyFactorDecimals) {
    return std::nullopt;
  }
  // Named by its group, so that the typed count does not read as a safety factor.
  return RefuseValueOf(kSafetyFactorDecimalsEdit, "小数点以下桁数(安全率)", text,
                       "２桁より少ない桁数です");
}

FormChanges StoreDrawSettings(const FormControls& form) {
  DrawSettingsRecord& d = DrawSettings;
  FormChanges changes;
  changes.Mark(SetIntIfChanged(d.PaperSize, CheckedPaperSize(form)));
  changes.Mark(SetEditNumberIfChanged(d.ScaleDenominator, form, kDrawScaleEdit));
  int entry = 0;
  for (int edit : kDrawSizeEdits) {
    changes.Mark(SetEditNumberIfChanged(d.Sizes[kSizeEntries[entry++]], form, edit));
  }
  const bool ordersChanged = StoreDrawOrders(form, changes);
  entry = 0;
  for (int edit : kDrawDecimalsEdits) {
    changes.Mark(SetEditIntegerIfChanged(d.Decimals[entry++], form, edit));
  }
  changes.Mark(SetIntIfChanged(d.DrawZeroCPhi, form.Check[5] ? 1 : 0));
  changes.Mark(SetDoubleIfChanged(d.SoilTableMode(), form.Radio[1] ? 1.0 : -1.0));
  changes.Commit();
  // The label flags follow the order switches; without valid results the list is empty.
  if (ordersChanged) CircleListCount = ConsolidateResults();
  return changes;
}

FormControls FillDisplaySettings() {
  FormControls form;
  for (int box = 1; box <= kDisplayBoxes; ++box) form.Check[box] = DisplaySwitches[box - 1] != 0;
  FillNumber(form, 1, GridSpacing.Coarse, "%3.2f");
  FillNumber(form, 2, GridSpacing.Fine, "%3.2f");
  ApplyDisplayEnabling(form);
  return form;
}

void ApplyDisplayEnabling(FormControls& form) {
  for (int edit : kDispNumberEdits) form.EditEnabled[edit] = form.Check[1];
  for (int box = 1; box <= kDisplayBoxes; ++box) {
    form.CheckEnabled[box] = box == 2 || !form.Check[2];
  }
}

bool StoreDisplaySettings(const FormControls& form) {
  // The helpers only report changes; nothing here touches DataModified or CalcStatus.
  bool changed = false;
  for (int box = 1; box <= kDisplayBoxes; ++box) {
    changed = SetIntIfChanged(DisplaySwitches[box - 1], form.Check[box] ? 1 : 0) != 0 || changed;
  }
  changed = SetEditNumberIfChanged(GridSpacing.Coarse, form, 1) != 0 || changed;
  changed = SetEditNumberIfChanged(GridSpacing.Fine, form, 2) != 0 || changed;
  if (GridSpacing.Coarse < GridSpacing.Fine) GridSpacing.Coarse = GridSpacing.Fine;
  return changed;
}

}  // namespace selvana
