// What the program sets up before its first window: C numbers, the font names the figure and the
// forms use, the program's icon, Japanese texts on the standard buttons, and the window message
// box.
#pragma once

class QApplication;

namespace selvana {

// Call right after the QApplication is made. Keeps LC_NUMERIC at "C", maps the "ＭＳ ゴシック" and
// "ＭＳ Ｐゴシック" faces to the UmePlus faces, gives every window the program's icon, loads Qt's
// Japanese translations, installs the message box on QMessageBox and the engine's reset hooks.
void PrepareProgram(QApplication& app);

}  // namespace selvana
