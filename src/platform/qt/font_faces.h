// The Japanese font faces the windows and the figure ask for, and the installed faces that stand
// in for them: the fixed-pitch "ＭＳ ゴシック" of the figure and the settings dialogs, the
// proportional "ＭＳ Ｐゴシック" of the other windows and the message boxes.
#pragma once
#include <QFont>

namespace selvana {

inline constexpr const char* kFixedFace = "UmePlus Gothic";
inline constexpr const char* kProportionalFace = "UmePlus P Gothic";

// Maps every spelling of the two faces the program asks for onto the installed UmePlus faces.
// Call once, before the first window is made.
void InstallFontSubstitutes();

// The font of a window that states none of its own: "ＭＳ Ｐゴシック", 12 pixels.
QFont FormFont();

}  // namespace selvana
