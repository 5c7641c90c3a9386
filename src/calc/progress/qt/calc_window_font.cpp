// The gothic font and text colour of the progress and abort windows.
#include "calc/progress/qt/calc_window_font.h"

#include <QPalette>
#include <QWidget>

namespace selvana {

QFont GothicFont(int pixels, bool bold) {
  QFont font(QString::fromUtf8("ＭＳ ゴシック"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void SetTextColour(QWidget* w, const QColor& colour) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::WindowText, colour);
  w->setPalette(palette);
}

}  // namespace selvana
