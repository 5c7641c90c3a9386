// Centring a window on the primary screen.
#include "platform/qt/screen_centre.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace selvana {

void CentreOnScreen(QWidget& window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect s = screen->geometry();
  window.move((s.width() - window.width()) / 2, (s.height() - window.height()) / 2);
}

}  // namespace selvana
