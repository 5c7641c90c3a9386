// Fixed-cell text rendered on the Qt canvas: the ink of every glyph, drawn alone, lies inside its
// own character cell and clear of the cell's left edge, and the figure's tables drawn whole, in
// the view's face and in a proportional face whose glyphs are wider than cells.
#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <cmath>
#include <string>
#include <vector>

#include "calc/results/consolidation.h"
#include "platform/cp932.h"
#include "platform/qt/qt_canvas.h"
#include "support/qt/image_checks.h"
#include "view/figure/frame_layout.h"
#include "view/figure/result_box_layout.h"
#include "view/figure_frame.h"
#include "view/figure_layers.h"
#include "view/figure_screen.h"
#include "view/primitives.h"
#include "view/view_ports.h"
#include "view/view_state.h"

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

// Draws each text call alone on a black image and keeps where its ink fell, and the fonts' heights.
class InkProbeCanvas : public QtCanvas {
 public:
  explicit InkProbeCanvas(QImage* image) : QtCanvas(image), image_(image) {}
  void SetFont(const std::string& face, int heightPx, Rgb colour) override {
    fonts.push_back(heightPx);
    QtCanvas::SetFont(face, heightPx, colour);
  }
  void TextOut(int x, int y, std::string_view cp932) override {
    image_->fill(Qt::black);
    QtCanvas::TextOut(x, y, cp932);
    inks.push_back(InkBox(*image_));
  }
  std::vector<QRect> inks;
  std::vector<int> fonts;

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

// Draws the frame's and the result tables' row lines in lime, then the tables' texts in white;
// true when a pixel of ink (neither black nor lime) lies on or beside a row line.
bool TablesInkTouchesARule(QImage& image) {
  FigureLayout frame, tables, rules, ink;
  LayoutFrame(frame);
  LayoutResultTables(tables, true, TablesFor::kScreen);
  for (const FigureLayout* layout : {&frame, &tables}) {
    for (const FigureItem& item : layout->Items()) {
      const auto* l = std::get_if<FigureLine>(&item);
      if (l && l->y1 == l->y2) rules.Line(l->x1, l->y1, l->x2, l->y2);
      const auto* t = std::get_if<FigureText>(&item);
      if (t && layout == &tables) ink.Text(t->text, t->x, t->y, t->height, t->anchor);
    }
  }
  image.fill(Qt::black);
  QtCanvas canvas(&image);
  ViewPorts.Image = &canvas;
  EmitOnScreen(rules, kLime);
  EmitOnScreen(ink, kWhite);
  ViewPorts = MainViewPorts{};
  const auto rule = [&](int x, int y) { return image.pixel(x, y) == qRgb(0, 255, 0); };
  for (int y = 1; y + 1 < image.height(); ++y) {
    for (int x = 1; x + 1 < image.width(); ++x) {
      if (image.pixel(x, y) == qRgb(0, 0, 0) || rule(x, y)) continue;
      for (int d = 0; d < 9; ++d) {
        if (rule(x + d % 3 - 1, y + d / 3 - 1)) return true;
      }
    }
  }
  return false;
}

// Draws the result tables as the frame layer does: every font set is h pixels high, and each glyph
// of the soil row `wide`, drawn among the tables' rules, stands in its cell on the rules' pitch.
void ExpectTablesTextsWhole(int h, const std::string& wide) {
  FigureLayout tables, row;
  LayoutResultTables(tables, true, TablesFor::kScreen);
  QImage dot(1, 1, QImage::Format_RGB32), image(640, 640, QImage::Format_RGB32);
  InkProbeCanvas fonts(&dot), inks(&image);
  ViewPorts.Image = &fonts;
  EmitOnScreen(tables, kWhite);
  for (const int font : fonts.fonts) EXPECT_EQ(font, h);
  int x = 0, top = 0;
  for (const FigureItem& item : tables.Items()) {
    const auto* t = std::get_if<FigureText>(&item);
    if (const auto* l = std::get_if<FigureLine>(&item)) row.Line(l->x1, l->y1, l->x2, l->y2);
    if (t && t->text == wide) row.Text(t->text, t->x, t->y, t->height, t->anchor, t->ruled);
    if (t && t->text == wide) PaperToScreen(t->x, t->y, x, top);  // its top left corner
  }
  ViewPorts.Image = &inks;
  EmitOnScreen(row, kWhite);
  ExpectInkInCells(inks, wide, x, top + h, PaperMmToPixels(DrawSettings.Sizes[4]), "wide row");
  ViewPorts = MainViewPorts{};
}

// Each glyph of the texts above, drawn alone, stays inside its cell; in the result box of three
// methods (one with a pile row), the soil table and the load legend, with values as wide as their
// columns and a W1 two bytes wider, every text is drawn in a font as high as h, the wide row on
// the pitch of its rules, and from 16 px up no glyph touches a row's line. The last tables are
// saved for a person to look at.
TEST(FixedTextCellsTest, GlyphsStayInsideTheirCellsAndTablesAreDrawnWhole) {
  CalcStatus = 1, Fmin = 1.276, CriticalResult.md = 13835266.281, SheetPileSettings.Mode = 2;
  PartialFactors.Enabled = 1, DrawSettings.SoilTableMode() = -1.0, BlockCount = 1;
  BlockTable[0] = {.Number = 1, .UnitWeight = 123.5, .Cohesion = 12345.5, .SandPile = 1};
  DrawSettings.Decimals[1] = 5;
  ComputeFigureFrame();
  // 25 pixels a metre, the frame's top right corner at (620, 10): the tables lie on one side of
  // the view's centre (0, 0), so that their pixels are all rounded alike.
  ViewState = {1600, 1600, 0, 0, FigureFrame.Right - 24.8, FigureFrame.Top + 0.4, 25.0};
  QImage tables(640, 640, QImage::Format_RGB32);
  const std::vector<std::string> texts = Texts();
  for (const char* face : kFaces) {
    MapViewFaceTo(face);
    for (const double h : {6.0, 7.0, 9.0, 12.0, 13.0, 16.0, 24.5}) {
      for (const std::string& text : texts) {
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
      for (const int kt : {0, 2, 5}) {
        SCOPED_TRACE(std::string(face) + ", method " + std::to_string(kt));
        cm.kt = kt, DrawSettings.Sizes[4] = (h + 0.25) / 2.5;  // at 1:100, 2.5 px a mm: h + 1/4
        ExpectTablesTextsWhole(static_cast<int>(h + 0.25), SoilTableRow(BlockTable[0]));
        EXPECT_TRUE(h < 16.0 || !TablesInkTouchesARule(tables)) << h;
      }
    }
  }
  ViewPorts = MainViewPorts{};
  MapViewFaceTo("UmePlus Gothic");
  EXPECT_TRUE(SavePicture(tables.scaled(tables.size() * 2), "fixed_text_cells.png"));
}

}  // namespace
}  // namespace selvana::test
