// The benchmark slopes built point by point into the model, and the circle grid.
#include "bench_slopes.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace selvana::bench {
namespace {

constexpr double kSliceWidth = 0.1;

void AddBoundary(int p1, int p2) {
  LineTable[LineCount++] = {kLineBoundary, std::min(p1, p2), std::max(p1, p2), 1};
}

// Boundary lines around the closed chain of point slots (the last joined to the first).
void AddChain(std::initializer_list<int> points) {
  const int* p = points.begin();
  const int n = static_cast<int>(points.size());
  for (int i = 0; i < n; ++i) AddBoundary(p[i], p[(i + 1) % n]);
}

// Appends a block seeded at (x, y): unit weights, cohesion, friction angle and kind.
void AddBlock(double x, double y, double gammaT, double gammaE, double c0, double phi,
              int kind = kBlockSoil) {
  const int slot = BlockCount++;
  BlockRecord& b = BlockTable[slot];
  b = BlockRecord{};
  b.Number = slot;
  b.SeedX = x, b.SeedY = y;
  b.UnitWeight = gammaT, b.EffectiveUnitWeight = gammaE;
  b.Cohesion = c0, b.FrictionAngle = phi;
  b.Kind = kind;
  b.FactorClass = 1;
}

// Centre X, centre Y and radius ranges (min, max, pitch), grid orders and extension (1 on).
void SetGrid(CircleSearchSettings& s, const std::array<double, 4>& x,
             const std::array<double, 4>& y, const std::array<double, 4>& r, int orders,
             int extend) {
  s.CentreX = x;
  s.CentreY = y;
  s.Radius = r;
  s.HighestGridOrder = orders;
  s.ExtendFirstGrid = extend;
}

}  // namespace

int AddPoint(double x, double y) {
  const int slot = PointCount++;
  PointTable[slot] = {slot, x, y};
  return slot;
}

void BuildHomogeneousSlope() {
  ResetProjectData();
  AddChain({AddPoint(-10, 0), AddPoint(10, 0), AddPoint(30, 10), AddPoint(60, 10),
            AddPoint(60, -20), AddPoint(-10, -20)});
  AddBlock(20, 0, 18.0, 18.0, 10.0, 20.0);
  cm.SliceWidth = kSliceWidth;
}

void BuildLayeredSlope() {
  ResetProjectData();
  const int a = AddPoint(-10, 0), b = AddPoint(10, 0), w = AddPoint(16, 3);
  const int c = AddPoint(30, 10), d = AddPoint(60, 10), e = AddPoint(60, 0);
  const int f = AddPoint(60, -20), g = AddPoint(-10, -20), h = AddPoint(-10, 3);
  AddChain({a, b, w, c, d, e, f, g});
  AddBoundary(b, e);
  AddBoundary(w, h);
  AddBoundary(h, a);
  AddBlock(40, 5, 19.0, 10.0, 15.0, 25.0);
  AddBlock(20, -10, 17.0, 7.0, 20.0, 5.0);
  AddBlock(0, 1, 10.0, 10.0, 0.0, 0.0, kBlockPressureWater);
  cm.Surcharges.XMin[0] = 35.0, cm.Surcharges.XMax[0] = 45.0;
  cm.Surcharges.LoadAtXMin[0] = 10.0, cm.Surcharges.LoadAtXMax[0] = 20.0;
  // The circles take the force at its height, the straight lines in the slice at its X.
  cm.HorizontalForces.Y[0] = 8.0, cm.HorizontalForces.H[0] = 5.0;
  StraightSlipSettings.ForceX = 40.0;
  cm.SeismicCoefficient = 0.1;
  cm.SliceWidth = kSliceWidth;
}

void BuildAcadsSlope() {
  ResetProjectData();
  AddChain({AddPoint(20, 20), AddPoint(70, 20), AddPoint(70, 35), AddPoint(50, 35),
            AddPoint(30, 25), AddPoint(20, 25)});
  AddBlock(60, 30, 20.0, 20.0, 3.0, 19.6);
  // No circle reaches below the foot of the ground.
  const int foot = AddPoint(20, 20);
  LineTable[LineCount++] = {kLineLargeArcLimit, foot, foot, 1};
  cm.SliceWidth = kSliceWidth;
}

void SetAcadsCircleGrid(CircleSearchSettings& settings) {
  SetGrid(settings, {30.0, 50.0, 1.0, 0.0}, {35.0, 55.0, 1.0, 0.0}, {5.0, 35.0, 0.5, 0.0}, 3, 1);
}

void SetCircleGrid(CircleSearchSettings& settings) {
  SetGrid(settings, {10.0, 30.0, 1.0, 0.0}, {20.0, 40.0, 1.0, 0.0}, {20.0, 30.0, 0.5, 0.0}, 1, 2);
}

}  // namespace selvana::bench
