// Which soil constants a label shows, their texts, and the column, one-line and water layouts.
#include "view/figure/soil_label_layout.h"

#include <cmath>

#include "model/project_model.h"
#include "platform/cp932.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

constexpr double kLinePitch = 1.2;  // line spacing of the column layout, in text heights

struct LabelBuilder {
  bool oneLine;
  bool plotForms;
  SoilLabelLines lines;

  // Adds one line: the format of the column layout or of the one-line layout (UTF-8), filled
  // and then converted to CP932.
  template <typename... Args>
  void Add(const char* column, const char* single, Args... args) {
    lines.Text[lines.Count++] = ToCp932(StrFormat(oneLine ? single : column, args...));
  }
};

void AddUnitWeights(LabelBuilder& b, const BlockRecord& block, int d) {
  const bool differ = std::fabs(block.UnitWeight - block.EffectiveUnitWeight) > 1e-5;
  if (!differ || std::fabs(cm.SeismicCoefficient) > 0.0001) {
    b.Add("γt =%6.*f kN/m3", "γt=%4.*fkN/m3", d, block.UnitWeight);
  }
  if (differ) b.Add("γt'=%6.*f kN/m3", "γt'=%4.*fkN/m3", d, block.EffectiveUnitWeight);
}

void AddCohesion(LabelBuilder& b, const BlockRecord& block, int d) {
  const double k = block.CohesionGradient, c0 = block.Cohesion;
  if (k < 1e-5 && c0 < 1e-5 && DrawSettings.DrawZeroCPhi == 0) return;
  if (std::fabs(k) > 0.0001 && c0 > 0.0001) {
    b.Add("ｃ  =%6.*f･z+%4.*f kN/m2", "ｃ=%4.*f･z+%4.*fkN/m2", d, k, d, c0);
  } else if (std::fabs(k) > 0.0001 && c0 < -0.0001) {
    b.Add("ｃ  =%6.*f･z-%4.*f kN/m2", "ｃ=%4.*f･z-%4.*fkN/m2", d, k, d, -c0);
  } else if (std::fabs(k) > 0.0001) {
    b.Add("ｃ  =%6.*f･z kN/m2", "ｃ=%4.*f･zkN/m2", d, k);
  } else {
    b.Add("ｃ  =%6.*f kN/m2", "ｃ=%4.*fkN/m2", d, c0);
  }
}

void AddSandPile(LabelBuilder& b, const BlockRecord& block) {
  const auto d = DrawSettings.ShownDecimals();
  b.Add("（砂杭）", "（砂杭）");
  b.Add("Ａs =%6.3f", "Ａs=%4.3f", block.ReplacementRatio);
  b.Add("ｎ  =%6.3f", "ｎ=%4.3f", block.StressRatio);
  // The plot's one-line forms put the blank before the unit rather than before the degree sign.
  const bool plot = b.plotForms;
  b.Add("Ｗs =%6.*f kN/m3", plot ? "Ｗs=%4.*f kN/m3" : "Ｗs=%4.*fkN/m3", d[1],
        block.PileUnitWeight);
  if (cm.SandPileFormula == 2) {
    b.Add("φm =%3.*f ﾟ", plot ? "φm=%1.*fﾟ" : "φm=%1.*f ﾟ", d[3], block.PileFrictionAngle);
  } else {
    b.Add("φs =%3.*f ﾟ", plot ? "φs=%1.*fﾟ" : "φs=%1.*f ﾟ", d[3], block.PileFrictionAngle);
  }
}

void LayoutWaterSymbol(double x, double y, double h, FigureLayout& out) {
  out.Line(x, y, x - 0.5 * h, y + 0.5 * h);
  out.Line(x - 0.5 * h, y + 0.5 * h, x + 0.5 * h, y + 0.5 * h);
  out.Line(x + 0.5 * h, y + 0.5 * h, x, y);
  for (int k = 1; k <= 5; ++k) {
    const double depth = 0.2 * k;  // in text heights
    const double half = (1.2 - depth) * h;
    out.Line(x - half, y - depth * h, x + half, y - depth * h);
  }
}

// Items side by side from x, each starting (bytes + 1) half cells after the previous one.
void LayoutRow(const SoilLabelLines& lines, int from, int to, double x, double y, double h,
               FigureLayout& out) {
  for (int k = from; k < to; ++k) {
    out.Text(lines.Text[k], x, y, h, kFigureAnchorBottomLeft);
    x += (ByteLength(lines.Text[k]) + 1.0) * 0.5 * h;
  }
}

}  // namespace

SoilLabelLines BuildSoilLabelLines(int i, bool oneLine, bool plotForms) {
  const BlockRecord& block = BlockTable[i];
  const auto d = DrawSettings.ShownDecimals();
  LabelBuilder b{oneLine, plotForms, {}};
  AddUnitWeights(b, block, d[1]);
  AddCohesion(b, block, d[2]);
  if (block.FrictionAngle >= 1e-5 || DrawSettings.DrawZeroCPhi != 0) {
    b.Add("φ  =%3.*f ﾟ", "φ=%1.*fﾟ", d[3], block.FrictionAngle);
  }
  b.lines.MainCount = b.lines.Count;
  if (!BishopMethod(cm.kt) && std::fabs(block.ReplacementRatio) >= 0.0001) AddSandPile(b, block);
  return b.lines;
}

int LayoutSoilLabel(int i, FigureLayout& out, bool plotForms) {
  const double h = DrawSettings.Sizes[1];
  if (!(h >= 0.0001) || i < 0 || i >= kMaxBlocks) return -1;
  const BlockRecord& block = BlockTable[i];
  if (block.Number < 0 || block.SoilLabelMode < 0) return -1;
  const double x = PaperX(block.SoilLabelX), y = PaperY(block.SoilLabelY);
  if (DrawSettings.SoilTableMode() < 0.0) {
    std::string number = StrFormat("(%d)", block.Number);
    const double left = x - ByteLength(number) * 0.25 * h;
    out.Text(std::move(number), left, y - h, h, kFigureAnchorBottomLeft);
    return 0;
  }
  if (block.SoilLabelMode == 1) {
    const SoilLabelLines lines = BuildSoilLabelLines(i, false, plotForms);
    for (int k = 0; k < lines.Count; ++k) {
      out.Text(lines.Text[k], x, y - h - kLinePitch * h * k, h, kFigureAnchorBottomLeft);
    }
  } else if (block.SoilLabelMode == 2) {
    const SoilLabelLines lines = BuildSoilLabelLines(i, true, plotForms);
    LayoutRow(lines, 0, lines.MainCount, x, y - h, h, out);
    LayoutRow(lines, lines.MainCount, lines.Count, x, y - 2.2 * h, h, out);
  } else {
    LayoutWaterSymbol(x, y, h, out);
  }
  return 0;
}

}  // namespace selvana
