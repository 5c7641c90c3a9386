// The mouse-editor fixtures.
#include "editing/editor_test_support.h"

#include <algorithm>

#include "model/project_model.h"
#include "view/view_state.h"

namespace selvana::test {

bool AnsweringDialogs::Answer(const std::function<bool()>& answer, const char* name) {
  ++shown;
  if (!answer) {
    ADD_FAILURE() << "unexpected " << name << " dialog";
    return false;
  }
  return answer();
}

void EditorFixture::SetUp() {
  ViewFixture::SetUp();
  OpenProject();
  editor.Register(commands);
}

void EditorFixture::Click(double x, double y, MouseButton button) {
  ViewMouse mouse;
  ModelToScreen(x, y, mouse.X, mouse.Y);
  mouse.Button = button;
  editor.MouseDown(mouse);
}

void EditorFixture::Move(double x, double y) {
  ViewMouse mouse;
  ModelToScreen(x, y, mouse.X, mouse.Y);
  editor.MouseMove(mouse);
}

void PutPoint(int slot, double x, double y) {
  PointTable[slot] = PointRecord{slot, x, y};
  PointCount = std::max(PointCount, slot + 1);
}

void PutPoints(std::initializer_list<std::pair<double, double>> points) {
  int slot = 0;
  for (const auto& [x, y] : points) PutPoint(slot++, x, y);
}

void PutLine(int slot, int kind, int p1, int p2) {
  LineTable[slot] = LineRecord{kind, p1, p2, 1};
  LineCount = std::max(LineCount, slot + 1);
}

void PutSquare(int first, double x, double y, double size) {
  PutPoint(first, x, y);
  PutPoint(first + 1, x + size, y);
  PutPoint(first + 2, x + size, y + size);
  PutPoint(first + 3, x, y + size);
  for (int k = 0; k < 4; ++k) {
    PutLine(LineCount, kLineBoundary, first + k, first + (k + 1) % 4);
  }
}

void PutBlock(int slot, double x, double y) {
  BlockTable[slot].Number = slot;
  BlockTable[slot].SeedX = x;
  BlockTable[slot].SeedY = y;
  BlockCount = std::max(BlockCount, slot + 1);
}

}  // namespace selvana::test
