// The Qt canvas of the main view. Copy-mode shapes go through QPainter after clipping to the
// image; exclusive-or shapes are rasterised here into a set of pixels, each flipped exactly once;
// each character of a text is drawn from an image of its ink that fits its cell.
#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "platform/cp932.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// Shapes reaching farther than this from the image are left to clipping (lines) or skipped
// (ellipses, arcs, text): Qt's rasteriser works in fixed point and cannot take larger values.
constexpr double kQtCoordinateLimit = 1 << 22;

using Pixels = std::vector<std::pair<int, int>>;

QColor ToQColor(Rgb c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

bool AllDrawn(std::initializer_list<int> values) {
  return std::all_of(values.begin(), values.end(), IsDrawnPixel);
}

bool WithinQtRange(std::initializer_list<int> values) {
  return std::all_of(values.begin(), values.end(),
                     [](int v) { return std::abs(static_cast<double>(v)) <= kQtCoordinateLimit; });
}

Qt::PenStyle ToQtStyle(PenStyle style) {
  switch (style) {
    case kPenDash: return Qt::DashLine;
    case kPenDot: return Qt::DotLine;
    case kPenDashDot: return Qt::DashDotLine;
    case kPenDashDotDot: return Qt::DashDotDotLine;
    case kPenSolid: break;
  }
  return Qt::SolidLine;
}

// Liang-Barsky clipping of a segment to [lo, hi] on both axes; false when nothing is left.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double lo, double hi) {
  double t0 = 0.0, t1 = 1.0;
  const double dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - lo, hi - x1, y1 - lo, hi - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  const double ox = x1, oy = y1;
  x1 = ox + t0 * dx;
  y1 = oy + t0 * dy;
  x2 = ox + t1 * dx;
  y2 = oy + t1 * dy;
  return true;
}

// Bresenham from (x1, y1) to (x2, y2), both ends included.
void AppendLinePixels(int x1, int y1, int x2, int y2, Pixels& out) {
  const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    out.emplace_back(x1, y1);
    if (x1 == x2 && y1 == y2) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x1 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y1 += sy;
    }
  }
}

// The pixels of a segment after clipping to a margin around a w x h image.
void AppendClippedLine(int x1, int y1, int x2, int y2, int w, int h, Pixels& out) {
  double a = x1, b = y1, c = x2, d = y2;
  const double margin = 2.0;
  if (!ClipSegment(a, b, c, d, -margin, std::max(w, h) + margin)) return;
  AppendLinePixels(static_cast<int>(std::lround(a)), static_cast<int>(std::lround(b)),
                   static_cast<int>(std::lround(c)), static_cast<int>(std::lround(d)), out);
}

// Angle of the ray from (cx, cy) through (x, y) in degrees, counter-clockwise on the screen.
double ScreenAngle(double cx, double cy, int x, int y) {
  return std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
}

// Start angle and counter-clockwise span of an arc given by two ray points; equal rays give 360.
std::pair<double, double> ArcAngles(double cx, double cy, int x3, int y3, int x4, int y4) {
  const double start = ScreenAngle(cx, cy, x3, y3);
  double span = ScreenAngle(cx, cy, x4, y4) - start;
  while (span <= 0.0) span += 360.0;
  return {start, span};
}

// Pixels along an elliptic arc, sampled finely enough that neighbours touch.
void AppendArcPixels(int left, int top, int right, int bottom, double startDeg, double spanDeg,
                     Pixels& out) {
  const double cx = (left + right) * 0.5, cy = (top + bottom) * 0.5;
  const double rx = std::abs(right - left) * 0.5, ry = std::abs(bottom - top) * 0.5;
  const double steps = std::max(8.0, std::ceil((rx + ry) * 4.0 * spanDeg / 360.0 * 2.0));
  for (int i = 0; i <= static_cast<int>(steps); ++i) {
    const double a = (startDeg + spanDeg * i / steps) * std::numbers::pi / 180.0;
    out.emplace_back(static_cast<int>(std::lround(cx + rx * std::cos(a))),
                     static_cast<int>(std::lround(cy - ry * std::sin(a))));
  }
}

// The text of CP932 bytes; plain ASCII (most labels are numbers) needs no code-page conversion.
QString FromCp932(std::string_view cp932) {
  const bool ascii = std::all_of(cp932.begin(), cp932.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return QString::fromLatin1(cp932.data(), static_cast<qsizetype>(cp932.size()));
  return QString::fromStdString(ToUtf8(cp932));
}

// Glyph images kept at the most; a figure needs a few hundred.
constexpr std::size_t kMaxKeptGlyphs = 20000;

// Width in whole pixels of the cell of a character of the given bytes: half the cell height per
// byte, as the fixed-cell text lays characters out.
int CellWidth(std::size_t bytes, int cellHeight) {
  return static_cast<int>(bytes) * cellHeight / 2;
}

// The columns from the first to the last that hold any ink; a null image when none does.
QImage InkColumns(const QImage& glyph) {
  int first = glyph.width(), last = -1;
  for (int y = 0; y < glyph.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(glyph.constScanLine(y));
    for (int x = 0; x < glyph.width(); ++x) {
      if (qAlpha(row[x]) == 0) continue;
      first = std::min(first, x), last = std::max(last, x);
    }
  }
  if (last < first) return {};
  return glyph.copy(first, 0, last - first + 1, glyph.height());
}

}  // namespace

int QtCanvas::Width() const { return image_->width(); }
int QtCanvas::Height() const { return image_->height(); }

bool QtCanvas::Ready() const { return !image_->isNull(); }

void QtCanvas::FillRect(int left, int top, int right, int bottom, Rgb colour) {
  if (!Ready() || !AllDrawn({left, top, right, bottom})) return;
  const int l = std::clamp(std::min(left, right), 0, Width());
  const int r = std::clamp(std::max(left, right), 0, Width());
  const int t = std::clamp(std::min(top, bottom), 0, Height());
  const int b = std::clamp(std::max(top, bottom), 0, Height());
  if (r <= l || b <= t) return;
  Touched();
  QPainter painter(image_);
  painter.fillRect(QRect(l, t, r - l, b - t), ToQColor(colour));
}

void QtCanvas::SetHollowBrush(Rgb) {
  // Shapes are always drawn as outlines; the brush colour never shows.
}

void QtCanvas::PreparePainter(QPainter& painter) const {
  // Windows pens wider than one pixel are always solid; styles apply to thin pens only.
  const Qt::PenStyle style = penWidth_ > 1 ? Qt::SolidLine : ToQtStyle(penStyle_);
  QPen pen(ToQColor(penColour_), penWidth_, style, Qt::RoundCap, Qt::RoundJoin);
  if (penWidth_ <= 1) pen.setCapStyle(Qt::SquareCap);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.setRenderHint(QPainter::Antialiasing, false);
}

void QtCanvas::Touched() {
  if (notified_ || !onChanged_) return;
  notified_ = true;
  onChanged_();
}

void QtCanvas::XorPixels(const Pixels& pixels) {
  if (pixels.empty()) return;
  Touched();
  Pixels unique = pixels;
  std::sort(unique.begin(), unique.end());
  unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
  const QRgb flip = penColour_ & 0xFFFFFF;
  const bool direct =
      image_->format() == QImage::Format_RGB32 || image_->format() == QImage::Format_ARGB32;
  for (const auto& [x, y] : unique) {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) continue;
    if (direct) {
      reinterpret_cast<QRgb*>(image_->scanLine(y))[x] ^= flip;
    } else {
      image_->setPixel(x, y, image_->pixel(x, y) ^ flip);
    }
  }
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
  if (!Ready() || !AllDrawn({x1, y1, x2, y2})) return;
  if (penMode_ == PenMode::Xor) {
    Pixels pixels;
    AppendClippedLine(x1, y1, x2, y2, Width(), Height(), pixels);
    XorPixels(pixels);
    return;
  }
  double a = x1, b = y1, c = x2, d = y2;
  const double margin = penWidth_ + 2.0;
  if (!ClipSegment(a, b, c, d, -margin, std::max(Width(), Height()) + margin)) return;
  Touched();
  QPainter painter(image_);
  PreparePainter(painter);
  painter.drawLine(QPointF(a, b), QPointF(c, d));
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (!Ready() || !AllDrawn({x1, y1, x2, y2})) return;
  if (penMode_ == PenMode::Xor) {
    Pixels pixels;
    AppendClippedLine(x1, y1, x2, y1, Width(), Height(), pixels);
    AppendClippedLine(x2, y1, x2, y2, Width(), Height(), pixels);
    AppendClippedLine(x2, y2, x1, y2, Width(), Height(), pixels);
    AppendClippedLine(x1, y2, x1, y1, Width(), Height(), pixels);
    XorPixels(pixels);
    return;
  }
  Line(x1, y1, x2, y1);
  Line(x2, y1, x2, y2);
  Line(x2, y2, x1, y2);
  Line(x1, y2, x1, y1);
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom) {
  if (!Ready() || !AllDrawn({left, top, right, bottom})) return;
  if (!WithinQtRange({left, top, right, bottom})) return;
  if (penMode_ == PenMode::Xor) {
    Pixels pixels;
    AppendArcPixels(left, top, right, bottom, 0.0, 360.0, pixels);
    XorPixels(pixels);
    return;
  }
  Touched();
  QPainter painter(image_);
  PreparePainter(painter);
  painter.drawEllipse(
      QRect(QPoint(left, top), QPoint(right, bottom)).normalized().adjusted(0, 0, -1, -1));
}

void QtCanvas::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  if (!Ready() || !AllDrawn({left, top, right, bottom, x3, y3, x4, y4})) return;
  if (!WithinQtRange({left, top, right, bottom})) return;
  const double cx = (left + right) * 0.5, cy = (top + bottom) * 0.5;
  const auto [start, span] = ArcAngles(cx, cy, x3, y3, x4, y4);
  if (penMode_ == PenMode::Xor) {
    Pixels pixels;
    AppendArcPixels(left, top, right, bottom, start, span, pixels);
    XorPixels(pixels);
    return;
  }
  const QRectF box = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
  QPainterPath path;
  path.arcMoveTo(box, start);
  path.arcTo(box, start, span);
  Touched();
  QPainter painter(image_);
  PreparePainter(painter);
  painter.drawPath(path);
}

void QtCanvas::SetFont(const std::string& face, int heightPx, Rgb colour) {
  fontColour_ = ToQColor(colour);
  const int cell = std::max(1, heightPx);
  if (face == fontFace_ && cell == cellHeight_) return;  // labels mostly share one font
  fontFace_ = face;
  cellHeight_ = cell;
  font_ = QFont(QString::fromStdString(face));
  // A pixel size is the em height; the ink of tall, descending and full-width glyphs together
  // comes out taller. The cell is what the caller lays out, so the font shrinks until that ink
  // fits the cell, and text is placed so that the ink starts at the top of the cell.
  const QString sample = QString::fromUtf8("Wgjy|■漢");
  QRect ink;
  for (int size = cell; size >= 1; --size) {
    font_.setPixelSize(size);
    metrics_ = QFontMetrics(font_);
    ink = metrics_.tightBoundingRect(sample);
    if (ink.height() <= cell) break;
  }
  baseline_ = -ink.top();
}

// A glyph as wide as its cell would touch its neighbours and the rules a text starts at, and a
// proportional face draws some glyphs wider than their cells. So each glyph is drawn alone, cut
// to its ink, narrowed to one pixel less than its cell when wider, and placed one pixel in from
// where it is drawn: every glyph keeps a blank column before it, and none leaves its cell.
const QImage& QtCanvas::Glyph(std::string_view character) {
  if (glyphs_.size() > kMaxKeptGlyphs) glyphs_.clear();
  const std::string key = std::string(character) +
                          StrFormat("\n%06X %d ", fontColour_.rgb() & 0xFFFFFF, cellHeight_) +
                          fontFace_;
  const auto [found, added] = glyphs_.try_emplace(key);
  if (!added) return found->second;
  const QString text = FromCp932(character);
  const int margin = cellHeight_;  // room for ink that reaches beyond the advance
  QImage scratch(metrics_.horizontalAdvance(text) + 2 * margin, cellHeight_,
                 QImage::Format_ARGB32_Premultiplied);
  scratch.fill(Qt::transparent);
  QPainter painter(&scratch);
  painter.setFont(font_);
  painter.setPen(fontColour_);
  painter.drawText(QPoint(margin, baseline_), text);
  painter.end();
  QImage ink = InkColumns(scratch);
  const int room = std::max(1, CellWidth(character.size(), cellHeight_) - 1);
  if (ink.width() > room) {
    ink = ink.scaled(room, ink.height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  found->second = ink;
  return found->second;
}

int QtCanvas::TextWidth(std::string_view cp932) {
  int width = 0;
  for (std::size_t i = 0; i < cp932.size();) {
    const std::size_t bytes = Cp932CharacterBytes(cp932, i);
    const int ink = Glyph(cp932.substr(i, bytes)).width();
    i += bytes;
    width += i < cp932.size() ? CellWidth(bytes, cellHeight_) : (ink > 0 ? ink + 1 : 0);
  }
  return width;
}

void QtCanvas::TextOut(int x, int y, std::string_view cp932) {
  if (!Ready() || cp932.empty() || !AllDrawn({x, y}) || !WithinQtRange({x, y})) return;
  Touched();
  QPainter painter(image_);
  for (std::size_t i = 0; i < cp932.size();) {
    const std::size_t bytes = Cp932CharacterBytes(cp932, i);
    const QImage& glyph = Glyph(cp932.substr(i, bytes));
    if (!glyph.isNull()) painter.drawImage(x + 1, y, glyph);
    x += CellWidth(bytes, cellHeight_);
    i += bytes;
  }
}

}  // namespace selvana
