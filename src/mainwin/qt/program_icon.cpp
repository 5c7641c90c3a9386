// The program's icon: sky, a slope of ground from a high crest down to a low toe, the sliding
// mass in a lighter shade and the red slip circle under it with its centre, on a 32-unit grid.
#include "mainwin/qt/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <iterator>

namespace selvana {
namespace {

constexpr double kGrid = 32.0;
// The ground surface: crest, top and foot of the slope, toe.
constexpr QPointF kSurface[] = {{1, 12}, {9, 12}, {21, 25}, {31, 25}};
// The slip circle enters the crest at A and leaves at the toe at B, around a centre above the
// slope, as deep under the slope's middle as a real one lies.
constexpr QPointF kCrestPoint(5, 12);
constexpr QPointF kToePoint(26, 25);
constexpr QPointF kCentre(22.2, 7.7);

void Sky(QPainter& p) {
  p.setPen(QPen(QColor(0x20, 0x40, 0x80), 1));
  p.setBrush(QColor(0xD8, 0xEC, 0xFF));
  p.drawRoundedRect(QRectF(0.5, 0.5, kGrid - 1, kGrid - 1), 4, 4);
}

void Ground(QPainter& p) {
  QPolygonF ground(std::begin(kSurface), std::end(kSurface));
  ground << QPointF(31, 31) << QPointF(1, 31);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xA0, 0x78, 0x40));
  p.drawPolygon(ground);
}

// The arc of the slip circle from the crest point down to the toe point.
void AddSlipArc(QPainterPath& path, bool fromToe) {
  const QLineF toCrest(kCentre, kCrestPoint);
  const QLineF toToe(kCentre, kToePoint);
  const double r = toCrest.length();
  const QRectF circle(kCentre.x() - r, kCentre.y() - r, 2 * r, 2 * r);
  const double span = toToe.angle() - toCrest.angle();
  if (fromToe) {
    path.arcTo(circle, toToe.angle(), -span);
  } else {
    path.arcTo(circle, toCrest.angle(), span);
  }
}

void SlidingMass(QPainter& p) {
  QPainterPath mass(kCrestPoint);
  mass.lineTo(kSurface[1]);
  mass.lineTo(kSurface[2]);
  mass.lineTo(kToePoint);
  AddSlipArc(mass, true);
  p.setBrush(QColor(0xD8, 0xB0, 0x70));
  p.drawPath(mass);
  p.setPen(QPen(QColor(0x30, 0x80, 0x20), 2));
  p.drawPolyline(kSurface, static_cast<int>(std::size(kSurface)));
}

void SlipCircle(QPainter& p) {
  QPainterPath arc(kCrestPoint);
  AddSlipArc(arc, false);
  p.setPen(QPen(QColor(0xE0, 0x00, 0x00), 2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xE0, 0x00, 0x00));
  p.drawEllipse(kCentre, 2, 2);
}

QPixmap IconAt(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / kGrid, size / kGrid);
  Sky(p);
  Ground(p);
  SlidingMass(p);
  SlipCircle(p);
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64}) icon.addPixmap(IconAt(size));
  return icon;
}

}  // namespace selvana
