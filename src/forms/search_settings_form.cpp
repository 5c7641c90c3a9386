// Filling and storing of the slip-circle and straight-slip settings dialogs.
#include "forms/search_settings_form.h"

#include "calc/search_settings_rules.h"
#include "model/set_if_changed.h"

namespace selvana {
namespace {

struct CircleFormTitle {
  const char* caption;
  const char* method;
};

CircleFormTitle CircleTitle(int kt) {
  switch (kt) {
    case kMethodFellenius: return {"すべり円の設定－修正フェレニウス法", "修正フェレニウス法"};
    case kMethodTschebotarioff: return {"すべり円の設定－チェボタリオフ法", "チェボタリオフ法"};
    case kMethodBishop: return {"すべり円の設定－簡易ビショップ法", "簡易ビショップ法"};
    default: return {"すべり円の設定－簡易ビショップ法(修正式)", "簡易ビショップ法(修正式)"};
  }
}

// The edits of CentreX[0..2], CentreY[0..2] and Radius[0..2] of a circle record.
constexpr int kGridEdits[3][3] = {{3, 4, 5}, {6, 7, 8}, {9, 10, 11}};
constexpr int kPassPointXEdit = 2, kPassPointYEdit = 12;

// The labels of the circle dialog's numeric edits, by edit number.
constexpr const char* kCircleEditLabels[] = {
    nullptr,          nullptr,          "通過点(X)",      "中心位置(Xmin)", "中心位置(Xmax)",
    "ピッチ　(ΔＸ)",  "中心位置(Ymin)", "中心位置(Ymax)", "ピッチ　(ΔＹ)",  "半径範囲(Rmin)",
    "半径範囲(Rmax)", "ピッチ　(ΔＲ)",  "通過点(Y)"};

std::array<double, 4>* GridArrays(CircleSearchSettings& r, int row) {
  std::array<double, 4>* arrays[] = {&r.CentreX, &r.CentreY, &r.Radius};
  return arrays[row];
}

// Fields of the straight-slip record with their edits and labels, in the order OK stores them.
struct LineField {
  double StraightSlipSettingsRecord::*scalar;
  std::array<double, 4> StraightSlipSettingsRecord::*array;
  int index;
  int edit;
  const char* label;
};

constexpr LineField kLineFromPointFields[] = {
    {&StraightSlipSettingsRecord::ForceX, nullptr, 0, 2, "作用位置 (Ｘ)"},
    {nullptr, &StraightSlipSettingsRecord::PointX, 0, 3, "開始位置(Ｘ)"},
    {nullptr, &StraightSlipSettingsRecord::PointY, 0, 4, "開始位置(Ｙ)"},
    {nullptr, &StraightSlipSettingsRecord::Range, 0, 9, "角度範囲(αmin)"},
    {nullptr, &StraightSlipSettingsRecord::Range, 1, 10, "角度範囲(αmax)"},
    {nullptr, &StraightSlipSettingsRecord::Range, 2, 11, "ピッチ　　(Δα)"},
};

constexpr LineField kLineBetweenSegmentsFields[] = {
    {&StraightSlipSettingsRecord::ForceX, nullptr, 0, 2, "作用位置 (Ｘ)"},
    {nullptr, &StraightSlipSettingsRecord::PointX, 0, 3, "開始点位置１(Ｘ)"},
    {nullptr, &StraightSlipSettingsRecord::PointY, 0, 4, "開始点位置１(Ｙ)"},
    {nullptr, &StraightSlipSettingsRecord::PointX, 1, 5, "開始点位置２(Ｘ)"},
    {nullptr, &StraightSlipSettingsRecord::PointY, 1, 6, "開始点位置２(Ｙ)"},
    {nullptr, &StraightSlipSettingsRecord::Range, 0, 7, "開始点ピッチ(Ｙ)"},
    {nullptr, &StraightSlipSettingsRecord::PointX, 2, 8, "終了点位置１(Ｘ)"},
    {nullptr, &StraightSlipSettingsRecord::PointY, 2, 9, "終了点位置１(Ｙ)"},
    {nullptr, &StraightSlipSettingsRecord::PointX, 3, 10, "終了点位置２(Ｘ)"},
    {nullptr, &StraightSlipSettingsRecord::PointY, 3, 11, "終了点位置２(Ｙ)"},
    {nullptr, &StraightSlipSettingsRecord::Range, 1, 12, "終了点ピッチ(Ｙ)"},
};

double& FieldOf(StraightSlipSettingsRecord& r, const LineField& f) {
  return f.scalar ? r.*(f.scalar) : (r.*(f.array))[f.index];
}

template <std::size_t N>
FormControls FillLineFields(const LineField (&fields)[N]) {
  FormControls form;
  for (const LineField& f : fields) FillNumber(form, f.edit, FieldOf(StraightSlipSettings, f));
  form.Check[1] = StraightSlipSettings.Passes == 2;
  return form;
}

template <std::size_t N>
void StoreLineFields(StraightSlipSettingsRecord& r, const FormControls& form,
                     const LineField (&fields)[N], FormChanges& changes) {
  for (const LineField& f : fields) changes.StoreNumber(FieldOf(r, f), form, f.edit);
}

// The refusal of a fault of the settings rules by the edit that holds the value at fault.
EditRefusal FaultRefusal(const FormControls& form, int edit, const char* label,
                         const SettingsFault& fault) {
  return RefuseValueOf(edit, label, form.Edit[edit], fault.reason);
}

// The fault of the line settings OK would store, by the rules of the dialog's method.
template <std::size_t N>
std::optional<EditRefusal> RefusedLineFields(
    const FormControls& form, const LineField (&fields)[N],
    std::optional<SettingsFault> (*rules)(const StraightSlipSettingsRecord&)) {
  StraightSlipSettingsRecord typed = StraightSlipSettings;
  FormChanges ignored;
  StoreLineFields(typed, form, fields, ignored);
  const std::optional<SettingsFault> fault = rules(typed);
  if (!fault) return std::nullopt;
  for (const LineField& f : fields) {
    if (&FieldOf(typed, f) == fault->field) return FaultRefusal(form, f.edit, f.label, *fault);
  }
  return std::nullopt;
}

// Stores the circle dialog's controls into a record, in the dialog's order.
FormChanges StoreCircleInto(CircleSearchSettings& r, const FormControls& form) {
  FormChanges changes;
  for (int row = 0; row < 3; ++row) {
    std::array<double, 4>& values = *GridArrays(r, row);
    for (int i = 0; i < 3; ++i) changes.StoreNumber(values[i], form, kGridEdits[row][i]);
  }
  changes.Invalidate(SetIntIfChanged(r.ExtendFirstGrid, form.Check[1] ? 1 : 2));
  int order = 4;
  for (int button : {1, 2, 3}) {
    if (form.Radio[button]) {
      order = button;
      break;
    }
  }
  changes.Invalidate(SetIntIfChanged(r.HighestGridOrder, order));
  const int direction = form.Radio[5] ? 1 : form.Radio[6] ? 2 : 3;
  changes.Invalidate(SetIntIfChanged(r.SlipDirection, direction));
  changes.Invalidate(SetIntIfChanged(r.PassPointOn, form.Check[2] ? 1 : 0));
  changes.StoreNumber(r.PassPointX, form, kPassPointXEdit);
  changes.StoreNumber(r.PassPointY, form, kPassPointYEdit);
  return changes;
}

// The edit of a field of a circle record.
int CircleEditOf(CircleSearchSettings& r, const double* field) {
  for (int row = 0; row < 3; ++row) {
    for (int i = 0; i < 3; ++i) {
      if (&(*GridArrays(r, row))[i] == field) return kGridEdits[row][i];
    }
  }
  return field == &r.PassPointX ? kPassPointXEdit : kPassPointYEdit;
}

void StorePasses(const FormControls& form, FormChanges& changes) {
  changes.Invalidate(SetIntIfChanged(StraightSlipSettings.Passes, form.Check[1] ? 2 : 1));
}

}  // namespace

const char* CircleFormCaption(int kt) { return CircleTitle(kt).caption; }
const char* CircleFormMethodName(int kt) { return CircleTitle(kt).method; }

FormControls FillCircleSearch() {
  CircleSearchSettings& r = CircleSettingsFor(cm.kt);
  FormControls form;
  form.Edit[1] = CircleFormMethodName(cm.kt);
  for (int row = 0; row < 3; ++row) {
    const std::array<double, 4>& values = *GridArrays(r, row);
    for (int i = 0; i < 3; ++i) FillNumber(form, kGridEdits[row][i], values[i]);
  }
  form.Check[1] = r.ExtendFirstGrid == 1;
  const int order = r.HighestGridOrder;
  CheckRadio(form, {1, 2, 3, 4}, order >= 1 && order <= 3 ? order : 4);
  const int direction = r.SlipDirection;
  CheckRadio(form, {5, 6, 7}, direction == 1 || direction == 2 ? 4 + direction : 7);
  form.Check[2] = r.PassPointOn == 1;
  FillNumber(form, kPassPointXEdit, r.PassPointX);
  FillNumber(form, kPassPointYEdit, r.PassPointY);
  ApplyCircleSearchEnabling(form);
  return form;
}

void ApplyCircleSearchEnabling(FormControls& form) {
  const bool passPoint = form.Check[2];
  for (int edit : {9, 10, 11}) form.EditEnabled[edit] = !passPoint;
  for (int edit : {kPassPointXEdit, kPassPointYEdit}) form.EditEnabled[edit] = passPoint;
}

std::optional<EditRefusal> RefusedCircleSearch(const FormControls& form) {
  CircleSearchSettings typed = CircleSettingsFor(cm.kt);
  StoreCircleInto(typed, form);
  const std::optional<SettingsFault> fault = CircleSettingsFault(typed);
  if (!fault) return std::nullopt;
  const int edit = CircleEditOf(typed, fault->field);
  return FaultRefusal(form, edit, kCircleEditLabels[edit], *fault);
}

FormChanges StoreCircleSearch(const FormControls& form) {
  const FormChanges changes = StoreCircleInto(CircleSettingsFor(cm.kt), form);
  changes.Commit();
  return changes;
}

FormControls FillLineFromPoint() {
  FormControls form = FillLineFields(kLineFromPointFields);
  form.Edit[1] = "直線すべり法(始点＋方向)";
  const int side = StraightSlipSettings.Side;
  CheckRadio(form, {5, 6, 7}, side == 1 || side == 2 ? 4 + side : 7);
  return form;
}

std::optional<EditRefusal> RefusedLineFromPoint(const FormControls& form) {
  return RefusedLineFields(form, kLineFromPointFields, &LineFromPointFault);
}

FormChanges StoreLineFromPoint(const FormControls& form) {
  FormChanges changes;
  StoreLineFields(StraightSlipSettings, form, kLineFromPointFields, changes);
  const int side = form.Radio[5] ? 1 : form.Radio[6] ? 2 : 0;
  changes.Invalidate(SetIntIfChanged(StraightSlipSettings.Side, side));
  StorePasses(form, changes);
  changes.Commit();
  return changes;
}

FormControls FillLineBetweenSegments() {
  FormControls form = FillLineFields(kLineBetweenSegmentsFields);
  form.Edit[1] = "直線すべり法(始点線分＋終点線分)";
  return form;
}

FormChanges StoreLineBetweenSegments(const FormControls& form) {
  FormChanges changes;
  StoreLineFields(StraightSlipSettings, form, kLineBetweenSegmentsFields, changes);
  StorePasses(form, changes);
  changes.Commit();
  return changes;
}

}  // namespace selvana
