// Fills the project-reset hooks with the owners' reset functions.
#include "mainwin/engine_hooks.h"

#include "calc/results/slip_result.h"
#include "editing/mouse_state.h"
#include "mainwin/drawing_menus.h"
#include "model/design_copy.h"
#include "model/reset_hooks.h"
#include "view/view_ports.h"
#include "view/view_state.h"

namespace selvana {

void InstallEngineHooks() {
  // Each subsystem that owns state put back by ResetProjectData sets its hook here.
  ResetHooks.ResetMouseMode = ResetMouseMode;
  ResetHooks.ResetViewState = ResetViewState;
  ResetHooks.ResetSlidingSenses = [] { ResetSlidingSenses(); };
  ResetHooks.SaveModelSnapshot = [] { SaveModelSnapshot(); };
  ResetHooks.UpdateDrawingMenus = [](int results) { UpdateDrawingMenus(results); };
  // Not a reset: the view's own port to the menus it updates on every redraw.
  ViewMenus.FollowResults = [](int results) { UpdateDrawingMenus(results); };
}

}  // namespace selvana
