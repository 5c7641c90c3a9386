// Frame, bands, titles, scale and rulers of the calculation figure.
#include "view/figure/frame_layout.h"

#include <cmath>

#include "model/project_model.h"
#include "platform/cp932.h"
#include "platform/number_format.h"
#include "view/figure_frame.h"

namespace selvana {
namespace {

constexpr double kBandMm = 10.0;
constexpr double kMethodTitleMm = 8.0;
constexpr double kRulerTextMm = 3.0;

struct RulerRow {
  double below, minor, major;
};

constexpr RulerRow kRulerRows[] = {
    {10.1, 0.1, 0.5},     {30.1, 0.2, 1.0},      {50.1, 0.5, 2.5},
    {100.1, 1.0, 5.0},    {300.1, 2.0, 10.0},    {500.1, 5.0, 25.0},
    {1000.1, 10.0, 50.0}, {3000.1, 20.0, 100.0}, {5000.1, 50.0, 250.0},
};

// A value within this fraction of a step from a multiple lies on it: a band edge on a multiple
// gets its tick even when the edge itself was rounded a hair inside (1.8 - 0.1 < 1.7).
constexpr double kOnStep = 1e-9;
// A walk stops after this many steps: an absurd scale would otherwise lay out ticks for ever.
constexpr int kMaxRulerSteps = 100000;

// The first and last multiples of step inside [lo, hi].
void StepRange(double lo, double hi, double step, double& first, double& last) {
  first = std::ceil(lo / step - kOnStep) * step;
  last = std::floor(hi / step + kOnStep) * step;
}

// Calls tick(v) at every minor step upwards and label(v) at every major step downwards between
// lo and hi. The walks stop when a step no longer moves the value (far from the origin).
template <typename Tick, typename Label>
void WalkRuler(double lo, double hi, RulerSteps steps, Tick tick, Label label) {
  double first = 0.0, last = 0.0;
  StepRange(lo, hi, steps.minor, first, last);
  double v = first;
  for (int n = 0; n < kMaxRulerSteps && v < last + 1e-5 && v + steps.minor != v; ++n) {
    tick(v);
    v += steps.minor;
  }
  StepRange(lo, hi, steps.major, first, last);
  v = last;
  for (int n = 0; n < kMaxRulerSteps && v > first - 1e-5 && v - steps.major != v; ++n) {
    label(v);
    v -= steps.major;
  }
}

std::string RulerLabel(double v) {
  return DrawSettings.ScaleDenominator < 10.1 ? StrFormat("%3.1f", v) : StrFormat("%1.0f", v);
}

}  // namespace

FrameSize FigureFrameSize() {
  const double w = 2.0 * FigureFrame.HalfWidthMm, h = 2.0 * FigureFrame.HalfHeightMm;
  return {w, h, h - kBandMm};
}

RulerSteps RulerStepsFor(double scaleDenominator) {
  for (const RulerRow& row : kRulerRows) {
    if (scaleDenominator < row.below) return {row.minor, row.major};
  }
  return {100.0, 500.0};
}

std::string MethodTitle(int methodCode) {
  switch (methodCode) {
    case kMethodFellenius: return ToCp932("円形すべり（修正フェレニウス法）計算対照図");
    case kMethodTschebotarioff: return ToCp932("円形すべり（チェボタリオフ法）計算対照図");
    case kMethodBishop: return ToCp932("円形すべり（ビショップ法）計算対照図");
    case kMethodModifiedBishop: return ToCp932("円形すべり（ビショップ法-修正式）計算対照図");
    default: return ToCp932("直  線  す  べ  り  計  算  対  照  図");
  }
}

void LayoutFrame(FigureLayout& out) {
  const auto [w, h, t] = FigureFrameSize();
  out.Line(0, 0, 0, h);
  out.Line(0, h, w, h);
  out.Line(w, h, w, 0);
  out.Line(w, 0, 0, 0);
  out.Line(0, t, w, t);
  out.Line(kBandMm, kBandMm, w, kBandMm);
  out.Line(kBandMm, kBandMm, kBandMm, t);
  std::string title = MethodTitle(cm.kt);
  const double titleLeft = w / 2 - ByteLength(title) * 2.0;
  out.Text(std::move(title), titleLeft, t + 5.0 - 4.0, kMethodTitleMm, kFigureAnchorBottomLeft);
  const double size = DrawSettings.Sizes[2];
  std::string scale = StrFormat("Scale 1:%1.0f  ", DrawSettings.ScaleDenominator);
  const double scaleLeft = w - (ByteLength(scale) + 2.0) * size * 0.5;
  out.Text(std::move(scale), scaleLeft, t + 1.0, size, kFigureAnchorBottomLeft);
}

void LayoutRulers(FigureLayout& out) {
  const FigureFrameRecord& f = FigureFrame;
  const RulerSteps steps = RulerStepsFor(DrawSettings.ScaleDenominator);
  WalkRuler(
      f.BandLeft, f.BandRight, steps,
      [&](double x) { out.Line(PaperX(x), kBandMm, PaperX(x), kBandMm - 1.0); },
      [&](double x) {
        std::string text = RulerLabel(x);
        const double left = PaperX(x) - ByteLength(text) * 0.75;
        out.Text(std::move(text), left, 5.0, kRulerTextMm, kFigureAnchorBottomLeft);
      });
  WalkRuler(
      f.BandBottom, f.BandTop, steps,
      [&](double y) { out.Line(kBandMm, PaperY(y), kBandMm - 1.0, PaperY(y)); },
      [&](double y) {
        std::string text = RulerLabel(y);
        const double left = 8.0 - ByteLength(text) * 1.5;
        out.Text(std::move(text), left, PaperY(y) - 1.5, kRulerTextMm, kFigureAnchorBottomLeft);
      });
}

int LayoutProjectTitle(FigureLayout& out) {
  const double size = DrawSettings.Sizes[0];
  if (DrawSettings.DrawTitle < 0 || !(size >= 0.0001)) return -1;
  const std::string& title = cm.ProjectTitle;
  const double left = PaperX(DrawSettings.TitlePosX) - ByteLength(title) * 0.25 * size;
  out.Text(title, left, PaperY(DrawSettings.TitlePosY) - 0.5 * size, size, kFigureAnchorBottomLeft);
  return 0;
}

}  // namespace selvana
