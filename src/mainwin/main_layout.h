// Where the main window's controls go for a given window size: tool bar on top, the view under
// it with the vertical scroll bar on its right and the horizontal one below, the read-out and
// prompt panels along the bottom.
#pragma once

namespace selvana {

struct ControlRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

struct MainLayout {
  ControlRect Panel1;      // tool bar
  ControlRect Image1;      // main view
  ControlRect ScrollBar1;  // horizontal
  ControlRect ScrollBar2;  // vertical
  ControlRect Panel2;      // cursor read-out
  ControlRect Panel3;      // prompt line
};

// Fixed heights and widths of the controls whose size the window does not change.
inline constexpr int kToolBarHeight = 32;
inline constexpr int kToolButtonSize = 26;
inline constexpr int kScrollBarThickness = 16;
inline constexpr int kPanelHeight = 16;
// The cursor read-out's width unless its window asks for more to show the widest read-out.
inline constexpr int kReadoutWidth = 142;
// What the window's frame takes from its outer size: borders of 4 pixels each side, the caption
// and the menu bar. The layout rules are written for the outer size, the controls lie in the
// client area.
inline constexpr int kFrameWidth = 8;
inline constexpr int kFrameHeight = 50;

// The layout for the outer window size width x height. Sizes never go below 1 pixel. The
// read-out keeps its right edge; a wider one takes its extra width from the prompt line.
MainLayout LayoutMainWindow(int width, int height, int readoutWidth = kReadoutWidth);

// The same for a client area (the part under the menu bar) of the given size.
MainLayout LayoutMainClient(int clientWidth, int clientHeight, int readoutWidth = kReadoutWidth);

}  // namespace selvana
