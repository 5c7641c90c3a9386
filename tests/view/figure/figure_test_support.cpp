// Layout dumps and the A4 figure fixture.
#include "figure_test_support.h"

#include <algorithm>
#include <variant>
#include <vector>

#include "model/project_model.h"
#include "platform/cp932.h"
#include "platform/number_format.h"
#include "view/figure_frame.h"

namespace selvana::test {
namespace {

struct Dumper {
  std::string& out;
  void operator()(const FigureLine& l) const {
    out += StrFormat("line %.3f %.3f %.3f %.3f", l.x1, l.y1, l.x2, l.y2);
    if (l.widthPx != 1) out += StrFormat(" w%d", l.widthPx);
    out += "\n";
  }
  void operator()(const FigureText& t) const {
    out += StrFormat("text %.3f %.3f h%.3f a%d \"", t.x, t.y, t.height, t.anchor);
    out += ToUtf8(t.text) + "\"\n";
  }
  void operator()(const FigureArc& a) const {
    out += StrFormat("arc %.3f %.3f r%.3f from %.3f %.3f to %.3f %.3f\n", a.cx, a.cy, a.r, a.fromX,
                     a.fromY, a.toX, a.toY);
  }
  void operator()(const FigureMark& m) const {
    out += StrFormat("mark %.3f %.3f r%d\n", m.x, m.y, m.radiusPx);
  }
};

}  // namespace

std::string DumpLayout(const FigureLayout& layout) {
  std::string out;
  for (const FigureItem& item : layout.Items()) std::visit(Dumper{out}, item);
  return out;
}

void FigureFixture::SetUp() { UseA4(100.0); }

void UseA4Frame(double scaleDenominator) {
  DrawSettings.PaperSize = 1;
  DrawSettings.ScaleDenominator = scaleDenominator;
  DrawSettings.FrameCentreX = 130.0 * 0.001 * scaleDenominator;
  DrawSettings.FrameCentreY = 90.0 * 0.001 * scaleDenominator;
  ComputeFigureFrame();
}

void FigureFixture::UseA4(double scaleDenominator) { UseA4Frame(scaleDenominator); }

void FigureFixture::Point(int slot, double x, double y) {
  PointTable[slot] = {slot, x, y};
  PointCount = std::max(PointCount, slot + 1);
}

void FigureFixture::Boundary(int slot, int p1, int p2) {
  LineTable[slot] = {kLineBoundary, std::min(p1, p2), std::max(p1, p2), 1};
  LineCount = std::max(LineCount, slot + 1);
}

BlockRecord& FigureFixture::Block(int slot, double seedX, double seedY, int kind) {
  BlockRecord& b = BlockTable[slot];
  b.Number = slot;
  b.SeedX = seedX;
  b.SeedY = seedY;
  b.Kind = kind;
  BlockCount = std::max(BlockCount, slot + 1);
  return b;
}

void FigureFixture::Outline(int firstLine, std::initializer_list<int> points) {
  const std::vector<int> p(points);
  for (std::size_t k = 0; k < p.size(); ++k) {
    Boundary(firstLine + static_cast<int>(k), p[k], p[(k + 1) % p.size()]);
  }
}

}  // namespace selvana::test
