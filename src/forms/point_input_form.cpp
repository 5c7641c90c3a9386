// The model side of the point input dialog.
#include "forms/point_input_form.h"

#include "editing/edit_picking.h"
#include "editing/mouse_state.h"
#include "forms/coordinate_range.h"
#include "model/geometry.h"
#include "model/project_model.h"
#include "model/set_if_changed.h"
#include "platform/number_format.h"
#include "platform/typed_number.h"

namespace selvana {
namespace {

bool IsPointMove() {
  const int i = MouseState.SelectedIndex;
  return MouseState.MouseMode == 211 && i >= 0 && i < kMaxPoints;
}

bool IsPointAddition() {
  const int i = MouseState.SelectedIndex;
  return MouseState.MouseMode == 200 && i >= 0 && i < kMaxPoints;
}

constexpr char kCoordinateFormat[] = "%10.4f";

}  // namespace

bool ChoosePointInputSlot() {
  MouseState.SelectedIndex = FindFreePointSlot();
  if (MouseState.SelectedIndex >= 0) return true;
  RefuseFullTable("点", kMaxPoints);
  return false;
}

PointInputTexts PointInputFill() {
  if (IsPointAddition()) return {StrFormat("%4d", MouseState.SelectedIndex), "", ""};
  if (!IsPointMove()) return {};
  const PointRecord& point = PointTable[MouseState.SelectedIndex];
  const ShownNumber x = ShowNumber(point.X, kCoordinateFormat);
  const ShownNumber y = ShowNumber(point.Y, kCoordinateFormat);
  return {StrFormat("%4d", point.Id), x.Text, y.Text, x, y};
}

std::string FormatPointNumber(const std::string& text) { return FormatTypedInteger(text, "%4d"); }

std::string FormatCoordinate(const std::string& text) {
  return FormatTypedNumber(text, kCoordinateFormat);
}

std::optional<EditRefusal> RefusedPointCoordinate(const PointInputTexts& texts) {
  const struct {
    int edit;
    const char* label;
    const std::string& text;
    const ShownNumber& shown;
  } coordinates[] = {{2, "Ｘ(ｍ)", texts.X, texts.ShownX}, {3, "Ｙ(ｍ)", texts.Y, texts.ShownY}};
  for (const auto& c : coordinates) {
    if (!CoordinateInRange(ShownOrTypedNumberOr(c.text, c.shown, 0.0))) {
      return EditRefusal{c.edit, CoordinateRangeMessage(c.label, c.text)};
    }
  }
  return std::nullopt;
}

bool StorePointInput(const PointInputTexts& texts) {
  if (!IsPointAddition() && !IsPointMove()) return false;
  const int slot = MouseState.SelectedIndex;
  PointRecord& point = PointTable[slot];
  const double x = ShownOrTypedNumberOr(texts.X, texts.ShownX, point.X);
  const double y = ShownOrTypedNumberOr(texts.Y, texts.ShownY, point.Y);
  if (PointCoincides(x, y, slot)) return false;
  if (IsPointMove() && MouseState.MovedFlag == 1) {
    point.X = MouseState.SavedX;
    point.Y = MouseState.SavedY;
    MouseState.MovedFlag = 0;
  }
  int changed = SetIntIfChanged(point.Id, TypedIntegerOr(texts.No, point.Id));
  changed |= SetDoubleIfChanged(point.X, x);
  changed |= SetDoubleIfChanged(point.Y, y);
  if (changed) MarkModified(true);
  if (slot >= PointCount) PointCount = slot + 1;
  return true;
}

void FinishPointInput(bool ok) {
  if (!IsPointMove()) return;
  if (!ok && MouseState.MovedFlag == 1) {
    PointTable[MouseState.SelectedIndex].X = MouseState.SavedX;
    PointTable[MouseState.SelectedIndex].Y = MouseState.SavedY;
  }
  MouseState.MovedFlag = 0;
}

}  // namespace selvana
