// The main view widget: shows the kept image and passes mouse and resize events on. Painting
// only copies the image; the picture itself is drawn by the engine between events.
#include "view/qt/main_view_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include "platform/qt/qt_canvas.h"

namespace selvana {
namespace {

ViewMouseEvent ToViewEvent(const QMouseEvent* event, Qt::MouseButton button) {
  ViewMouseEvent e;
  const QPoint p = event->position().toPoint();
  e.x = p.x();
  e.y = p.y();
  e.button = button;
  e.buttons = event->buttons();
  e.modifiers = event->modifiers();
  return e;
}

}  // namespace

MainViewWidget::MainViewWidget(QWidget* parent)
    : QWidget(parent), canvas_(std::make_unique<QtCanvas>(&image_)) {
  // Whatever the engine draws is shown at the next paint, without the caller asking for it.
  canvas_->SetOnChanged([this] { update(); });
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  image_ = QImage(1, 1, QImage::Format_RGB32);
  image_.fill(Qt::black);
}

MainViewWidget::~MainViewWidget() = default;

Canvas& MainViewWidget::ViewCanvas() { return *canvas_; }

QSize MainViewWidget::sizeHint() const { return QSize(800, 600); }

void MainViewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawImage(0, 0, image_);
  canvas_->Presented();
}

void MainViewWidget::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(ToViewEvent(event, event->button()));
}

void MainViewWidget::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(ToViewEvent(event, Qt::NoButton));
}

void MainViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp) OnMouseUp(ToViewEvent(event, event->button()));
}

void MainViewWidget::resizeEvent(QResizeEvent* event) {
  const QSize size = event->size();
  if (!size.isEmpty() && size != image_.size()) {
    QImage next(size, QImage::Format_RGB32);
    next.fill(Qt::black);
    QPainter painter(&next);
    painter.drawImage(0, 0, image_);
    painter.end();
    image_ = std::move(next);
  }
  if (OnResize) OnResize(size.width(), size.height());
  update();
}

}  // namespace selvana
