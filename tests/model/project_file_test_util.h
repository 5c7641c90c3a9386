// Helpers of the project file tests: a model that uses every part of the file, and reading,
// writing and splitting whole files as bytes.
#pragma once
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "model/project_model.h"
#include "platform/cp932.h"

namespace selvana::test {

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// The lines of a CR LF file without their ends.
inline std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t pos; (pos = bytes.find("\r\n", start)) != std::string::npos; start = pos + 2) {
    lines.push_back(bytes.substr(start, pos - start));
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

inline int CountCrLf(const std::string& bytes) {
  int n = 0;
  for (std::size_t pos = 0; (pos = bytes.find("\r\n", pos)) != std::string::npos; pos += 2) ++n;
  return n;
}

// Distinct values in every part of the file: a Japanese title, cohesion vertices, pile rows,
// partial factors, a free point and a free line below the counts, and several blocks.
inline void BuildRichModel() {
  cm.CalcDateTime.Date = {26, 12, 7, 0};
  cm.CalcDateTime.Time = {8, 30, 15, 0};
  cm.ProjectTitle = ToCp932("県道１２号　法面ﾁｪｯｸ");
  cm.kt = 2;
  cm.SeismicCoefficient = 0.15;
  cm.SeismicIncludesSurcharge = 0;
  cm.Surcharges.XMin = {1.0, 2.0, 3.0, 0.0};
  cm.Surcharges.XMax = {4.0, 5.0, 6.0, 0.0};
  cm.Surcharges.LoadAtXMin = {10.0, 11.0, 12.0, 0.0};
  cm.Surcharges.LoadAtXMax = {13.0, 14.0, 15.0, 0.0};
  cm.HorizontalForces.Y = {7.5, 8.5, 9.5, 0.0};
  cm.HorizontalForces.H = {-1.25, 2.25, 3.25, 0.0};
  cm.CohesionRefMode = 1;
  cm.CohesionRefHeight = 12.5;
  cm.CohesionRefLine.Count = 3;
  cm.CohesionRefLine.X[0] = -10.0, cm.CohesionRefLine.X[1] = 0.0, cm.CohesionRefLine.X[2] = 30.0;
  cm.CohesionRefLine.Y[0] = 5.0, cm.CohesionRefLine.Y[1] = 6.0, cm.CohesionRefLine.Y[2] = 7.0;
  cm.MaxSafetyFactor = 5.5;
  cm.SandPileFormula = 2;
  cm.SafetyTableFormat = 1;
  cm.AllowableSafetyFactor = 1.2;
  cm.SliceWidth = 0.25;
  cm.DrivingForceMode = 1;
  cm.RoundingRule = 1;
  for (CircleSearchSettings* c : {&FelleniusCircleSettings, &BishopCircleSettings}) {
    const double k = c == &BishopCircleSettings ? 100.0 : 0.0;
    c->Entered = 1;
    c->CentreX = {k + 1.0, k + 2.0, 0.5, 0.0};
    c->CentreY = {k + 3.0, k + 4.0, 0.25, 0.0};
    c->Radius = {k + 5.0, k + 6.0, 0.125, 0.0};
    c->ExtendFirstGrid = 1;
    c->HighestGridOrder = 3;
    c->SlipDirection = 2;
    c->PassPointOn = 1;
    c->PassPointX = k + 7.0;
    c->PassPointY = k + 8.0;
  }
  StraightSlipSettings.Entered = 1;
  StraightSlipSettings.LineSpecSwitch = 1;
  StraightSlipSettings.PointX = {1.5, 2.5, 3.5, 4.5};
  StraightSlipSettings.PointY = {5.5, 6.5, 7.5, 8.5};
  StraightSlipSettings.Range = {10.0, 40.0, 2.0, 0.0};
  StraightSlipSettings.ForceX = 3.75;
  StraightSlipSettings.Side = 3;
  StraightSlipSettings.Passes = 2;
  SheetPileSettings.Mode = 2;
  SheetPileSettings.PileX = 20.0;
  SheetPileSettings.TopElevation = 10.0;
  SheetPileSettings.EmbedmentElevation = -5.0;
  SheetPileSettings.RowCount = 2;
  SheetPileSettings.Elevation[0] = 8.0, SheetPileSettings.Elevation[1] = 2.0;
  SheetPileSettings.Intensity[0] = 30.0, SheetPileSettings.Intensity[1] = 45.0;
  auto& label = DrawSettings;
  label.PileLabelX[0] = 21.0, label.PileLabelY[0] = 8.5, label.PileLabelMode[0] = 1;
  label.PileLabelX[1] = 22.0, label.PileLabelY[1] = 2.5, label.PileLabelMode[1] = -1;
  SheetPileSettings.AllowableShear = 9000.0;
  SheetPileSettings.SectionArea = 150.5;
  SheetPileSettings.Dummy = 3;
  SheetPileSettings.Lm1 = 1.75;
  PartialFactors.Enabled = 1;
  for (int i = 0; i < kPartialFactorCount; ++i) PartialFactors.Factor[i] = 1.0 + i / 100.0;
  auto& d = DrawSettings;
  d.PaperSize = 2;
  d.ScaleDenominator = 250.0;
  for (int i = 0; i < 16; ++i) d.Sizes[i] = 2.0 + i;
  d.FrameCentreX = 11.0, d.FrameCentreY = 12.0;
  d.ViewMinX = -1.0, d.ViewMinY = -2.0, d.ViewMaxX = 50.0, d.ViewMaxY = 30.0;
  d.DrawTitle = -1;
  d.TitlePosX = 13.0, d.TitlePosY = 14.0;
  d.SurchargeLabelLeft = {1, -1, 2, 0};
  d.SurchargeLabelRight = {2, 1, -1, 0};
  d.SurchargeLeftX = {1.0, 2.0, 3.0, 0.0}, d.SurchargeLeftY = {4.0, 5.0, 6.0, 0.0};
  d.SurchargeRightX = {7.0, 8.0, 9.0, 0.0}, d.SurchargeRightY = {10.0, 11.0, 12.0, 0.0};
  d.ForceLabelPlace = {3, 2, -1, 0};
  d.ForceLabelX = {1.5, 2.5, 3.5, 0.0}, d.ForceLabelY = {4.5, 5.5, 6.5, 0.0};
  d.DrawOrder = {1, 1, -1, 1};
  d.Decimals = {2, 1, 2, 1, 2, 1, 2, 1};
  d.DrawZeroCPhi = -1;
  // Five point slots, slot 3 free; four line slots, slot 1 free.
  const double xy[5][2] = {{0.0, 0.0}, {40.0, 0.0}, {40.0, 10.0}, {0.0, 0.0}, {0.0, 5.0}};
  for (int i = 0; i < 5; ++i) PointTable[i] = {i, xy[i][0], xy[i][1]};
  PointTable[3] = PointRecord{};
  PointCount = 5;
  LineTable[0] = {kLineBoundary, 0, 1, 1};
  LineTable[2] = {kLineUncut, 1, 2, -1};
  LineTable[3] = {kLineResidualWater, 0, 4, 1};
  LineCount = 4;
  for (int b = 0; b < 3; ++b) {
    BlockRecord& r = BlockTable[b];
    r = BlockRecord{b,
                    10.0 + b,
                    2.0 + b,
                    18.0 + b,
                    9.0 + b,
                    0.5 * b,
                    10.0 + b,
                    30.0 - b,
                    0.1 * b,
                    2.0 + b,
                    19.0 + b,
                    35.0 - b,
                    b == 0 ? -1 : b,
                    12.0 + b,
                    3.0 + b,
                    {40.0, 0.0, 10.0 + b, -b * 1.0},
                    b,
                    b + 1,
                    b % 2};
  }
  BlockTable[1].Number = -1;  // a free slot between used ones
  BlockCount = 3;
}

}  // namespace selvana::test
