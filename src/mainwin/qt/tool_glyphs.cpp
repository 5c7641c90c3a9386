// Tool-button glyphs: a page, a folder, a disk, a frame, magnifiers and dotted rectangles.
#include "mainwin/qt/tool_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace selvana {
namespace {

constexpr int kGlyph = 20;

void Page(QPainter& p) {
  QPainterPath page;
  page.moveTo(4, 2);
  page.lineTo(12, 2);
  page.lineTo(16, 6);
  page.lineTo(16, 18);
  page.lineTo(4, 18);
  page.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(page);
  p.drawLine(12, 2, 12, 6);
  p.drawLine(12, 6, 16, 6);
}

void Folder(QPainter& p) {
  p.setPen(QPen(QColor(0x80, 0x60, 0x00), 1));
  p.setBrush(QColor(0xF0, 0xC8, 0x40));
  p.drawRect(2, 6, 15, 11);
  p.drawRect(2, 4, 6, 2);
}

void Conditions(QPainter& p) {
  Page(p);
  p.setPen(QPen(Qt::darkBlue, 1));
  for (int y = 8; y <= 15; y += 3) p.drawLine(6, y, 14, y);
}

void Disk(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(0x20, 0x40, 0xA0));
  p.drawRect(3, 3, 14, 14);
  p.setBrush(Qt::white);
  p.drawRect(6, 3, 8, 5);
  p.setBrush(Qt::lightGray);
  p.drawRect(5, 11, 10, 6);
}

void ShowAll(QPainter& p) {
  p.setPen(QPen(Qt::darkGreen, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(4, 4, 12, 12);
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(1, 1, 5, 5);
  p.drawLine(19, 1, 15, 5);
  p.drawLine(1, 19, 5, 15);
  p.drawLine(19, 19, 15, 15);
}

void Sign(QPainter& p, int cx, int cy, bool plus) {
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(cx - 3, cy, cx + 3, cy);
  if (plus) p.drawLine(cx, cy - 3, cx, cy + 3);
}

void Magnifier(QPainter& p, bool plus) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(0xE0, 0xF0, 0xFF));
  p.drawEllipse(QPoint(8, 8), 6, 6);
  p.setPen(QPen(QColor(0x60, 0x40, 0x20), 3));
  p.drawLine(13, 13, 18, 18);
  Sign(p, 8, 8, plus);
}

void Area(QPainter& p, bool plus) {
  p.setPen(QPen(Qt::black, 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(2, 2, 16, 16);
  Sign(p, 10, 10, plus);
}

}  // namespace

QIcon ToolGlyph(const std::string& buttonName) {
  QPixmap pixmap(kGlyph, kGlyph);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing, false);
  if (buttonName == "BitBtnNew")
    Page(p);
  else if (buttonName == "BitBtnOpen")
    Folder(p);
  else if (buttonName == "BitBtnDSet")
    Conditions(p);
  else if (buttonName == "BitBtnSave")
    Disk(p);
  else if (buttonName == "BitBtnADisp")
    ShowAll(p);
  else if (buttonName == "BitBtnZin")
    Magnifier(p, true);
  else if (buttonName == "BitBtnZout")
    Magnifier(p, false);
  else if (buttonName == "BitBtnBig")
    Area(p, true);
  else if (buttonName == "BitBtnSmall")
    Area(p, false);
  else
    return QIcon();
  p.end();
  return QIcon(pixmap);
}

}  // namespace selvana
