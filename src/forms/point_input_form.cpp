// The model side of the point input dialog.
#include "forms/point_input_form.h"

#include "editing/edit_picking.h"
#include "editing/mouse_state.h"
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

std::string CoordinateText(double v) { return StrFormat(kCoordinateFormat, v); }

// The coordinate typed, or the point's own when its text is still the one shown: the dialog
// shows four decimals, and an OK that did not touch a text must not round the point onto them.
double TypedCoordinate(const std::string& text, double shown) {
  return text == CoordinateText(shown) ? shown : TypedNumberOr(text, shown);
}

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
  return {StrFormat("%4d", point.Id), CoordinateText(point.X), CoordinateText(point.Y)};
}

std::string FormatPointNumber(const std::string& text) { return FormatTypedInteger(text, "%4d"); }

std::string FormatCoordinate(const std::string& text) {
  return FormatTypedNumber(text, kCoordinateFormat);
}

bool StorePointInput(const PointInputTexts& texts) {
  if (!IsPointAddition() && !IsPointMove()) return false;
  const int slot = MouseState.SelectedIndex;
  PointRecord& point = PointTable[slot];
  const bool move = IsPointMove();
  const double x = move ? TypedCoordinate(texts.X, point.X) : TypedNumberOr(texts.X, point.X);
  const double y = move ? TypedCoordinate(texts.Y, point.Y) : TypedNumberOr(texts.Y, point.Y);
  if (PointCoincides(x, y, slot)) return false;
  if (move && MouseState.MovedFlag == 1) {
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
