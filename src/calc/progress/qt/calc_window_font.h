// The look the progress and abort windows share: their gothic font and coloured label text.
#pragma once
#include <QColor>
#include <QFont>

class QWidget;

namespace selvana {

// The face "ＭＳ ゴシック" (mapped to the program's gothic font at start-up) at the given pixel
// height, bold when asked.
QFont GothicFont(int pixels, bool bold = false);

// Gives w's window text the colour.
void SetTextColour(QWidget* w, const QColor& colour);

}  // namespace selvana
