// Connects the subsystems that a project reset reaches into (see model/reset_hooks.h), and the
// view to the menus it updates on every redraw (view/view_ports.h).
// The program and the test mains call this once at start-up.
#pragma once

namespace selvana {

void InstallEngineHooks();

}  // namespace selvana
