// The main view widget (Image1 of the main window): it owns the image the engine draws on, shows
// that image when Qt asks for a paint, and hands mouse and resize events to the main window.
#pragma once
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/canvas.h"

namespace selvana {

class QtCanvas;

// One mouse event on the view, in image pixels: the button that changed (press and release;
// Qt::NoButton for a move), the buttons held and the keyboard modifiers.
struct ViewMouseEvent {
  int x = 0;
  int y = 0;
  Qt::MouseButton button = Qt::NoButton;
  Qt::MouseButtons buttons;
  Qt::KeyboardModifiers modifiers;
};

class MainViewWidget : public QWidget {
  Q_OBJECT

 public:
  explicit MainViewWidget(QWidget* parent = nullptr);
  ~MainViewWidget() override;

  // The image shown by the widget; it follows the widget's size (an empty size keeps the old
  // image). The engine draws on it through Canvas(), never from inside a paint event.
  const QImage& Image() const { return image_; }
  Canvas& ViewCanvas();

  // Set by the main window. OnResize runs after the image took the new size (black, with the
  // old picture kept in its top left corner until the next redraw).
  std::function<void(const ViewMouseEvent&)> OnMouseDown;
  std::function<void(const ViewMouseEvent&)> OnMouseMove;
  std::function<void(const ViewMouseEvent&)> OnMouseUp;
  std::function<void(int width, int height)> OnResize;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
  std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace selvana
