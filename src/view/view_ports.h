// What the main window lends the view: the canvas of its image, its two scroll bars and the
// grids of the point and line table editors that the table previews draw from. The window
// installs them at start-up; tests install a recording canvas and fakes.
#pragma once
#include <string>

#include "platform/canvas.h"

namespace selvana {

// A scroll bar of the main window. The setters never fire the bar's change handler: the view sets
// its bars while it computes a new view, and a handler would redraw half-way. Like the toolkit's
// bars, a bar keeps Min <= Max and clamps its position into that range.
class ViewScrollBar {
 public:
  virtual ~ViewScrollBar() = default;
  virtual int Min() const = 0;
  virtual int Max() const = 0;
  virtual int Position() const = 0;
  virtual void SetMin(int value) = 0;
  virtual void SetMax(int value) = 0;
  virtual void SetPosition(int value) = 0;
  virtual void SetSmallChange(int value) = 0;
  virtual void SetLargeChange(int value) = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

// The cells of a table editor's grid: UTF-8 text of column col in grid row row (row 0 is the
// heading), empty outside the grid.
class TableCells {
 public:
  virtual ~TableCells() = default;
  virtual std::string Cell(int col, int row) const = 0;
};

struct MainViewPorts {
  Canvas* Image = nullptr;                 // the main view's image; nothing is drawn without
  ViewScrollBar* HorizontalBar = nullptr;  // ScrollBar1, model X
  ViewScrollBar* VerticalBar = nullptr;    // ScrollBar2, model Y running top to bottom
  const TableCells* PointTableGrid =
      nullptr;  // the point table editor's grid (X, Y in columns 1, 2)
  const TableCells* LineTableGrid = nullptr;  // the line table editor's grid (kind, P1, P2 in 1..3)
};

// Installed by the main window (and by tests); not part of the project state.
extern MainViewPorts ViewPorts;

// The installed canvas, or nullptr.
inline Canvas* ViewCanvas() { return ViewPorts.Image; }

// The editor's menus as the view reaches them: every redraw tells them whether valid results
// exist (1) or not (0). The editor installs it once at start-up (InstallEngineHooks); the
// window's ports above come and go with the window, this one stays.
struct ViewMenuPort {
  void (*FollowResults)(int results) = nullptr;
};

extern ViewMenuPort ViewMenus;

// Tells the installed menus whether valid results exist; without menus, nothing happens.
inline void ViewMenusFollowResults(int results) {
  if (ViewMenus.FollowResults) ViewMenus.FollowResults(results);
}

}  // namespace selvana
