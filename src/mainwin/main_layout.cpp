// The main window's resize rules.
#include "mainwin/main_layout.h"

#include <algorithm>

namespace selvana {
namespace {

int AtLeastOne(int v) { return std::max(v, 1); }

}  // namespace

MainLayout LayoutMainWindow(int width, int height, int readoutWidth) {
  const int w = width;
  const int h = height;
  MainLayout l;
  l.Panel1 = {0, 0, AtLeastOne(w - 10), kToolBarHeight};
  l.Image1 = {0, kToolBarHeight, AtLeastOne(w - 28), AtLeastOne(h - 116)};
  l.ScrollBar1 = {0, h - 84, AtLeastOne(w - 30), kScrollBarThickness};
  l.ScrollBar2 = {w - 28, kToolBarHeight, kScrollBarThickness, AtLeastOne(h - 120)};
  l.Panel2 = {w - 10 - readoutWidth, h - 66, readoutWidth, kPanelHeight};
  l.Panel3 = {0, h - 66, AtLeastOne(w - 18 - readoutWidth), kPanelHeight};
  return l;
}

MainLayout LayoutMainClient(int clientWidth, int clientHeight, int readoutWidth) {
  return LayoutMainWindow(clientWidth + kFrameWidth, clientHeight + kFrameHeight, readoutWidth);
}

}  // namespace selvana
