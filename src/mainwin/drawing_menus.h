// The menu items that follow the results and the loads of the model: the result command and the
// drawing menu exist only while valid results exist, the display switches take a preset before
// and after a calculation (with automatic switching on), and the label-placement submenus show
// one item per surcharge, horizontal force and sheet-pile pressure row that has a value.
#pragma once
#include <array>
#include <string>

#include "model/project_model.h"

namespace selvana {

struct MenuItemState {
  std::string Caption;  // UTF-8
  bool Visible = false;
};

struct DrawingMenuState {
  // False when the call named no result state (neither 0 nor 1): Kekka and MZmnDraw stay as
  // they are.
  bool SetsResultItems = false;
  bool KekkaEnabled = false;                         // "計算結果の表示(&D)"
  bool MZmnDrawVisible = false;                      // "作図(&Z)"
  std::array<MenuItemState, 2 * kSurchargeCount> K;  // K1..K6: left and right of each load
  bool KajuVisible = false;                          // "上載荷重の配置(&V)"
  std::array<MenuItemState, kForceCount> G;          // G1..G3
  bool GairyokuVisible = false;                      // "水平外力の配置(&H)"
  std::array<MenuItemState, kMaxPileRows> Y;         // Y01..Y64
  bool YTVisible = false;                            // "矢板受動土圧の配置(&Y)"
};

// The main window's side: applies a state to its menu items.
class DrawingMenus {
 public:
  virtual ~DrawingMenus() = default;
  virtual void ApplyDrawingMenus(const DrawingMenuState& state) = 0;
};

// Installs the menus that UpdateDrawingMenus updates (nullptr: none); returns the previous one.
DrawingMenus* InstallDrawingMenus(DrawingMenus* menus);

// Works out the menu state for results (1 valid results, 0 none, other: leave the result items
// and switches alone) and applies its effects on the model: the display-switch preset when
// automatic switching is on, and label state -1 in DrawSettings for every hidden surcharge item.
DrawingMenuState ComputeDrawingMenus(int results);

// ComputeDrawingMenus, then applies the state to the installed menus. Returns 0. Called by every
// redraw of the main view and by the project reset.
int UpdateDrawingMenus(int results);

}  // namespace selvana
