// The small pictures on the main window's tool buttons, drawn in code.
#pragma once
#include <QIcon>
#include <string>

namespace selvana {

// The glyph of a tool button by its object name ("BitBtnNew", ...); a null icon for a button
// that shows a text instead.
QIcon ToolGlyph(const std::string& buttonName);

}  // namespace selvana
