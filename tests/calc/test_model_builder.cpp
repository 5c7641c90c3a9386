// The model pieces of the calculation tests.
#include "calc/test_model_builder.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/run_data.h"
#include "model/line_records.h"

namespace selvana::test {

int AddTestPoint(double x, double y) {
  const int slot = PointCount++;
  PointTable[slot] = {slot, x, y};
  return slot;
}

int AddTestLine(int kind, int p1, int p2) {
  const int slot = LineCount++;
  LineTable[slot] = {kind, std::min(p1, p2), std::max(p1, p2), 1};
  return slot;
}

void AddBoundaryChain(std::initializer_list<int> points) {
  const int* p = points.begin();
  const int n = static_cast<int>(points.size());
  for (int i = 0; i < n; ++i) AddTestLine(kLineBoundary, p[i], p[(i + 1) % n]);
}

int AddTestBlock(double x, double y, const Soil& soil) {
  const int slot = BlockCount++;
  BlockRecord& b = BlockTable[slot];
  b = BlockRecord{};
  b.Number = slot;
  b.SeedX = x;
  b.SeedY = y;
  b.UnitWeight = soil.gammaT;
  b.EffectiveUnitWeight = soil.gammaE;
  b.Cohesion = soil.c0;
  b.CohesionGradient = soil.k;
  b.FrictionAngle = soil.phi;
  b.Kind = soil.kind;
  b.FactorClass = 1;
  return slot;
}

void SetPoint(int slot, double x, double y) {
  PointTable[slot] = PointRecord{slot, x, y};
  if (slot >= PointCount) PointCount = slot + 1;
}

void AddLine(int kind, int p1, int p2) { EXPECT_EQ(AddLineRecord(kind, p1, p2), 0); }

void SetBlock(int slot, double seedX, double seedY, int kind) {
  BlockRecord& b = BlockTable[slot];
  b.Number = slot;
  b.SeedX = seedX;
  b.SeedY = seedY;
  b.Kind = kind;
  if (slot >= BlockCount) BlockCount = slot + 1;
}

int AddRectangleBlock(double x0, double x1, double y0, double y1, int kind, double gamma) {
  Soil soil;
  soil.gammaT = gamma;
  soil.kind = kind;
  const int b = AddTestBlock((x0 + x1) / 2, (y0 + y1) / 2, soil);
  const int p[4] = {AddTestPoint(x0, y0), AddTestPoint(x0, y1), AddTestPoint(x1, y1),
                    AddTestPoint(x1, y0)};
  BlockPolygonLists.Count[b] = 4;
  for (int i = 0; i < 5; ++i) BlockPolygonLists.Points[b][i] = p[i % 4];
  return b;
}

void SetOneCircleGrid(CircleSearchSettings& settings, double cx, double cy, double R) {
  settings.CentreX = {cx, cx, 1.0, 0.0};
  settings.CentreY = {cy, cy, 1.0, 0.0};
  settings.Radius = {R, R, 1.0, 0.0};
  settings.HighestGridOrder = 1;
  settings.ExtendFirstGrid = 2;
}

void SetTestSheetPile(int mode, double pileX) {
  SheetPileSettingsRecord& p = SheetPileSettings;
  p.Mode = mode;
  p.PileX = pileX;
  p.TopElevation = 5.0;
  p.EmbedmentElevation = -5.0;
  p.AllowableShear = 1000.0;
  p.SectionArea = 100.0;
  p.RowCount = 3;
  p.Elevation[0] = 5.0, p.Intensity[0] = 0.0;
  p.Elevation[1] = 0.0, p.Intensity[1] = 50.0;
  p.Elevation[2] = -5.0, p.Intensity[2] = 100.0;
  p.Lm1 = 4.0;
}

}  // namespace selvana::test
