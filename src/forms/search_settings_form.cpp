// Filling and storing of the slip-circle and straight-slip settings dialogs.
#include "forms/search_settings_form.h"

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

std::array<double, 4>* GridArrays(CircleSearchSettings& r, int row) {
  std::array<double, 4>* arrays[] = {&r.CentreX, &r.CentreY, &r.Radius};
  return arrays[row];
}

// Fields of the straight-slip record and their edits, in the order OK stores them.
struct LineField {
  double StraightSlipSettingsRecord::*scalar;
  std::array<double, 4> StraightSlipSettingsRecord::*array;
  int index;
  int edit;
};

constexpr LineField kLineFromPointFields[] = {
    {&StraightSlipSettingsRecord::ForceX, nullptr, 0, 2},
    {nullptr, &StraightSlipSettingsRecord::PointX, 0, 3},
    {nullptr, &StraightSlipSettingsRecord::PointY, 0, 4},
    {nullptr, &StraightSlipSettingsRecord::Range, 0, 9},
    {nullptr, &StraightSlipSettingsRecord::Range, 1, 10},
    {nullptr, &StraightSlipSettingsRecord::Range, 2, 11},
};

constexpr LineField kLineBetweenSegmentsFields[] = {
    {&StraightSlipSettingsRecord::ForceX, nullptr, 0, 2},
    {nullptr, &StraightSlipSettingsRecord::PointX, 0, 3},
    {nullptr, &StraightSlipSettingsRecord::PointY, 0, 4},
    {nullptr, &StraightSlipSettingsRecord::PointX, 1, 5},
    {nullptr, &StraightSlipSettingsRecord::PointY, 1, 6},
    {nullptr, &StraightSlipSettingsRecord::Range, 0, 7},
    {nullptr, &StraightSlipSettingsRecord::PointX, 2, 8},
    {nullptr, &StraightSlipSettingsRecord::PointY, 2, 9},
    {nullptr, &StraightSlipSettingsRecord::PointX, 3, 10},
    {nullptr, &StraightSlipSettingsRecord::PointY, 3, 11},
    {nullptr, &StraightSlipSettingsRecord::Range, 1, 12},
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
void StoreLineFields(const FormControls& form, const LineField (&fields)[N], FormChanges& changes) {
  for (const LineField& f : fields) {
    changes.StoreNumber(FieldOf(StraightSlipSettings, f), form, f.edit);
  }
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
  FillNumber(form, 2, r.PassPointX);
  FillNumber(form, 12, r.PassPointY);
  ApplyCircleSearchEnabling(form);
  return form;
}

void ApplyCircleSearchEnabling(FormControls& form) {
  const bool passPoint = form.Check[2];
  for (int edit : {9, 10, 11}) form.EditEnabled[edit] = !passPoint;
  for (int edit : {2, 12}) form.EditEnabled[edit] = passPoint;
}

FormChanges StoreCircleSearch(const FormControls& form) {
  CircleSearchSettings& r = CircleSettingsFor(cm.kt);
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
  changes.StoreNumber(r.PassPointX, form, 2);
  changes.StoreNumber(r.PassPointY, form, 12);
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

FormChanges StoreLineFromPoint(const FormControls& form) {
  FormChanges changes;
  StoreLineFields(form, kLineFromPointFields, changes);
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
  StoreLineFields(form, kLineBetweenSegmentsFields, changes);
  StorePasses(form, changes);
  changes.Commit();
  return changes;
}

}  // namespace selvana
