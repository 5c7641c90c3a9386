// State that belongs to later subsystems but is put back by a project reset (mouse mode, view,
// sliding senses, snapshot, menus). Each owner fills its hook at start-up (InstallEngineHooks);
// an empty hook does nothing.
#pragma once

namespace selvana {

struct ProjectResetHooks {
  void (*ResetMouseMode)() = nullptr;         // first step of the reset
  void (*ResetViewState)() = nullptr;         // after the grid spacing
  void (*ResetSlidingSenses)() = nullptr;     // with CalcStatus
  void (*SaveModelSnapshot)() = nullptr;      // last: the snapshot equals the fresh model
  void (*UpdateDrawingMenus)(int) = nullptr;  // last: menus of a project without results
};

extern ProjectResetHooks ResetHooks;

}  // namespace selvana
