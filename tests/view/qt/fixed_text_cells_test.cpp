// Fixed-cell text rendered on the Qt canvas: the ink of every glyph, drawn alone, lies inside its
// own character cell and clear of the cell's left edge (where a rule of the result box stands),
// in the view's face and in a proportional face whose glyphs are wider than their cells.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <cmath>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "platform/qt/qt_canvas.h"
#include "support/qt/image_checks.h"
#include "view/figure/result_box_layout.h"
#include "view/primitives.h"
#include "view/view_ports.h"

namespace selvana::test {
namespace {

// The columns and rows a drawn image holds ink in; an empty rectangle when none.
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(0, 0, 0)) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// Draws each text call alone on a black image and keeps where its ink fell.
class InkProbeCanvas : public QtCanvas {
 public:
  explicit InkProbeCanvas(QImage* image) : QtCanvas(image), image_(image) {}
  void TextOut(int x, int y, std::string_view cp932) override {
    image_->fill(Qt::black);
    QtCanvas::TextOut(x, y, cp932);
    inks.push_back(InkBox(*image_));
  }
  std::vector<QRect> inks;

 private:
  QImage* image_;
};

// The faces the view's face is mapped to: the one the program installs, and a proportional one.
const char* const kFaces[] = {"UmePlus Gothic", "DejaVu Sans"};

void MapViewFaceTo(const char* face) {
  QFont::removeSubstitutions(QString::fromUtf8(kViewFontFace));
  QFont::insertSubstitution(QString::fromUtf8(kViewFontFace), QString::fromUtf8(face));
}

// Texts that once ran together ("Fmin" read "Ffmin"), wide half-width glyphs, and every row of
// the result box, whose first character stands at the box's left rule.
std::vector<std::string> Texts() {
  std::vector<std::string> texts = {"Fmin", "mWmW", " 1.690 1.538", ToCp932("最小安全率 Fmin")};
  const ResultBoxRows rows = BuildResultBoxRows(false);
  texts.insert(texts.end(), rows.Text.begin(), rows.Text.begin() + rows.Count);
  return texts;
}

// Checks each glyph's ink against its cell: text drawn with its bottom left corner at (x, y),
// h high, cells of h/2 per byte from x.
void ExpectInkInCells(const InkProbeCanvas& canvas, const std::string& text, int x, int y, double h,
                      const std::string& what) {
  double left = x;
  const double top = y - h;
  std::size_t glyph = 0;
  for (std::size_t i = 0; i < text.size(); ++glyph) {
    const std::size_t bytes = Cp932CharacterBytes(text, i);
    const double right = left + static_cast<double>(bytes) * h * 0.5;
    ASSERT_LT(glyph, canvas.inks.size()) << what;
    const QRect ink = canvas.inks[glyph];
    const std::string where = what + ", character " + std::to_string(glyph);
    if (!ink.isEmpty()) {
      EXPECT_GE(ink.left(), std::floor(left) + 1) << where << ": on or before its cell's left edge";
      EXPECT_LE(ink.right() + 1, right) << where << ": beyond its cell's right edge";
      EXPECT_GE(ink.top(), std::floor(top)) << where;
      EXPECT_LE(ink.bottom() + 1, top + h) << where;
    }
    left = right;
    i += bytes;
  }
}

TEST(FixedTextCellsTest, EveryGlyphStaysInsideItsCell) {
  for (const char* face : kFaces) {
    MapViewFaceTo(face);
    for (const double h : {9.0, 12.0, 13.0, 16.0, 24.5}) {
      for (const std::string& text : Texts()) {
        QImage image(static_cast<int>(text.size() * h) + 40, static_cast<int>(h) + 20,
                     QImage::Format_RGB32);
        InkProbeCanvas canvas(&image);
        ViewPorts = MainViewPorts{};
        ViewPorts.Image = &canvas;
        const int x = 10, y = static_cast<int>(h) + 10;
        DrawFixedText(text, x, y, kLime, h, kAnchorBottomLeft);
        const std::string what =
            std::string(face) + " at " + std::to_string(h) + " px, \"" + ToUtf8(text) + "\"";
        ExpectInkInCells(canvas, text, x, y, h, what);
      }
    }
  }
  ViewPorts = MainViewPorts{};
  MapViewFaceTo("UmePlus Gothic");
}

// For a person to look at: the rows of the result box in both faces beside their left rule,
// drawn four times enlarged, in the build tree (tests/pictures/).
TEST(FixedTextCellsTest, ResultBoxRowsAreSavedForALook) {
  const double h = 14.0;
  const double rows = 2.0 * static_cast<double>(Texts().size());
  QImage image(260, static_cast<int>(rows * 1.2 * h) + 20, QImage::Format_RGB32);
  image.fill(Qt::black);
  int y = 10;
  for (const char* face : kFaces) {
    MapViewFaceTo(face);
    QtCanvas faceCanvas(&image);  // a new canvas takes the face afresh
    ViewPorts.Image = &faceCanvas;
    for (const std::string& text : Texts()) {
      y += static_cast<int>(1.2 * h);
      DrawScreenLine(9, y - static_cast<int>(1.2 * h), 9, y, 1, kLime, kPenSolid);
      DrawFixedText(text, 9, y, kLime, h, kAnchorBottomLeft);
    }
  }
  ViewPorts = MainViewPorts{};
  MapViewFaceTo("UmePlus Gothic");
  const QImage large =
      image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  EXPECT_TRUE(SavePicture(large, "fixed_text_cells.png"));
}

}  // namespace
}  // namespace selvana::test
