// Adding a line under the line rules, and tracing the ring of boundary lines around a block's
// seed point into the shared BlockOutline.
#include "model/line_records.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "model/geometry.h"

namespace selvana {

BlockOutlineRecord BlockOutline;

namespace {

bool IsPointSlot(int p) { return p >= 0 && p < kMaxPoints; }

// A boundary line whose ends name point slots (hand-edited files may hold anything).
bool IsTraceableBoundary(const LineRecord& l) {
  return l.Kind == kLineBoundary && IsPointSlot(l.P1) && IsPointSlot(l.P2);
}

double SquaredDistance(double ax, double ay, double bx, double by) {
  return (ax - bx) * (ax - bx) + (ay - by) * (ay - by);
}

// Squared distance of the seed from a boundary line: to the foot when it falls on the segment,
// else to the nearer end.
double SquaredDistanceToLine(const LineRecord& l, double sx, double sy) {
  const PointRecord& a = PointTable[l.P1];
  const PointRecord& b = PointTable[l.P2];
  double fx = 0.0, fy = 0.0;
  if (PerpendicularFoot(a.X, a.Y, b.X, b.Y, sx, sy, fx, fy) == 0) {
    return SquaredDistance(fx, fy, sx, sy);
  }
  return std::min(SquaredDistance(a.X, a.Y, sx, sy), SquaredDistance(b.X, b.Y, sx, sy));
}

// The boundary line nearest the seed (the first of equally near ones), or -1.
int NearestBoundaryLine(double sx, double sy) {
  int best = -1;
  double bestDistance = 1.0e12;
  for (int i = 0; i < LineCount; ++i) {
    if (!IsTraceableBoundary(LineTable[i])) continue;
    const double dist = SquaredDistanceToLine(LineTable[i], sx, sy);
    if (dist < bestDistance) {
      bestDistance = dist;
      best = i;
    }
  }
  return best;
}

double AngleFrom(int from, int to) {
  return std::atan2(PointTable[to].Y - PointTable[from].Y, PointTable[to].X - PointTable[from].X);
}

double AngleSeen(double sx, double sy, int p) {
  return std::atan2(PointTable[p].Y - sy, PointTable[p].X - sx);
}

// Brings an angle difference into 0..2π by adding one turn when negative.
double PositiveTurn(double a) { return a < 0.0 ? a + 2.0 * std::numbers::pi : a; }

// At vertex e, reached from s along line current: the boundary line that makes the smallest
// counterclockwise turn from the way back (the later one on equal turns), or -1 at a dead end.
// Its far end goes to next.
int NextBoundaryLine(int s, int e, int current, int& next) {
  const double back = AngleFrom(e, s);
  double bestTurn = 999.9;
  int best = -1;
  for (int i = 0; i < LineCount; ++i) {
    const LineRecord& l = LineTable[i];
    if (i == current || !IsTraceableBoundary(l)) continue;
    if (l.P1 != e && l.P2 != e) continue;
    const int other = (l.P1 == e) ? l.P2 : l.P1;
    const double turn = PositiveTurn(AngleFrom(e, other) - back);
    if (turn <= bestTurn) {
      bestTurn = turn;
      best = i;
      next = other;
    }
  }
  return best;
}

// The entries of an outline without the repeated first corner: its corners in walking order.
std::span<const int> Corners(std::span<const int> closed) {
  return closed.first(closed.size() - 1);
}

// True when b's corners are a's corners from b's first corner on, around the ring forward
// (step 1) or backward (step n - 1).
bool SameRing(std::span<const int> a, std::span<const int> b, std::size_t step) {
  const std::size_t n = a.size();
  for (std::size_t start = 0; start < n; ++start) {
    if (a[start] != b[0]) continue;
    std::size_t i = 1;
    while (i < n && a[(start + i * step) % n] == b[i]) ++i;
    if (i == n) return true;
  }
  return false;
}

// The line slots below LineCount.
std::span<const LineRecord> UsedLines() {
  return std::span(LineTable).first(std::clamp(LineCount, 0, kMaxLines));
}

bool SameEdge(int a1, int a2, int b1, int b2) {
  return (a1 == b1 && a2 == b2) || (a1 == b2 && a2 == b1);
}

}  // namespace

bool HoldsPointBelowCount(int slot) {
  return IsPointSlot(slot) && slot < PointCount && PointTable[slot].Id >= 0;
}

bool NeedsDistinctEnds(int kind) {
  return kind == kLineBoundary || kind == kLineUncut || kind == kLineResidualWater;
}

int RepeatedLine(int kind, int p1, int p2, std::span<const LineRecord> lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const LineRecord& l = lines[i];
    if (l.Kind == kind && SameEdge(l.P1, l.P2, p1, p2)) return static_cast<int>(i);
  }
  return -1;
}

void ResetBlockOutline() { BlockOutline = BlockOutlineRecord{}; }

int AddLineRecord(int kind, int p1, int p2) {
  if (kind < kLineBoundary || kind > kLineResidualWater) return 1;
  if (!IsPointSlot(p1) || !IsPointSlot(p2)) return 1;
  if (p1 == p2 && NeedsDistinctEnds(kind)) return 1;
  if (RepeatedLine(kind, p1, p2, UsedLines()) >= 0) return 1;
  const int slot = FindFreeLineSlot();
  if (slot < 0) return 1;
  LineTable[slot] = LineRecord{kind, std::min(p1, p2), std::max(p1, p2), 1};
  if (slot >= LineCount) LineCount = slot + 1;
  return 0;
}

int TraceBlockRegion(double seedX, double seedY) {
  int current = NearestBoundaryLine(seedX, seedY);
  if (current < 0) return -1;

  // Walk clockwise around the seed: from s to e the seed lies on the right.
  int s = LineTable[current].P1;
  int e = LineTable[current].P2;
  const double delta = PositiveTurn(AngleSeen(seedX, seedY, s) - AngleSeen(seedX, seedY, e));
  if (delta > std::numbers::pi) std::swap(s, e);

  auto& out = BlockOutline;
  out.Points[0] = s;
  out.Points[1] = e;
  int count = 2;
  out.Count = count;
  for (;;) {
    int next = -1;
    const int taken = NextBoundaryLine(s, e, current, next);
    if (taken < 0) return count;  // dead end: the outline stays open
    out.Points[count++] = next;
    out.Count = count;
    if (next == out.Points[0]) return count;
    // A walk with more steps than there are lines circles without coming back to its start.
    // Stopping here keeps the outline within LineCount + 1 <= 1025 entries.
    if (count > LineCount) return count;
    s = e;
    e = next;
    current = taken;
  }
}

bool OutlineClosed(std::span<const int> outline) {
  return outline.size() >= 2 && outline.front() == outline.back();
}

bool OutlineWalksAnEdgeTwice(std::span<const int> outline) {
  for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
    for (std::size_t j = i + 1; j + 1 < outline.size(); ++j) {
      if (SameEdge(outline[i], outline[i + 1], outline[j], outline[j + 1])) return true;
    }
  }
  return false;
}

bool SameClosedOutline(std::span<const int> a, std::span<const int> b) {
  if (!OutlineClosed(a) || !OutlineClosed(b) || a.size() != b.size()) return false;
  const std::size_t n = a.size() - 1;
  return SameRing(Corners(a), Corners(b), 1) || SameRing(Corners(a), Corners(b), n - 1);
}

bool OutlineHolds(std::span<const int> outline, double x, double y) {
  if (!OutlineClosed(outline)) return false;
  bool inside = false;
  for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
    const PointRecord& a = PointTable[outline[i]];
    const PointRecord& b = PointTable[outline[i + 1]];
    if (CrossesRayToRight(a.X, a.Y, b.X, b.Y, x, y)) inside = !inside;
  }
  return inside;
}

namespace {

// The first used block slot other than skipped for which found(slot) is true, or -1.
template <class Test>
int FirstOtherBlock(int skipped, Test found) {
  for (int b = 0; b < UsedBlockSlots(); ++b) {
    if (b != skipped && BlockTable[b].Number >= 0 && found(b)) return b;
  }
  return -1;
}

// The same over the outlines the blocks' seeds trace: found(outline). BlockOutline comes back
// as it was.
template <class Test>
int FirstOtherBlockTracing(int skipped, Test found) {
  const BlockOutlineRecord kept = BlockOutline;
  const int block = FirstOtherBlock(skipped, [&found](int b) {
    const int entries = std::max(TraceBlockRegion(BlockTable[b].SeedX, BlockTable[b].SeedY), 0);
    return found(std::span<const int>(BlockOutline.Points).first(entries));
  });
  BlockOutline = kept;
  return block;
}

}  // namespace

int BlockSeedInside(std::span<const int> outline, int skipped) {
  return FirstOtherBlock(skipped, [outline](int b) {
    return OutlineHolds(outline, BlockTable[b].SeedX, BlockTable[b].SeedY);
  });
}

int BlockInSameRegion(double x, double y, int skipped) {
  const int count = TraceBlockRegion(x, y);
  if (count < 0) return -1;
  const BlockOutlineRecord seed = BlockOutline;
  const std::span<const int> region = std::span(seed.Points).first(count);
  return FirstOtherBlockTracing(
      skipped, [region](std::span<const int> other) { return SameClosedOutline(region, other); });
}

int BlockAroundPoint(double x, double y, int skipped) {
  return FirstOtherBlockTracing(
      skipped, [x, y](std::span<const int> other) { return OutlineHolds(other, x, y); });
}

namespace {

constexpr double kEdgeTolerance = 0.0001;  // the tolerance of range ends

void WidenBox(SectionBox& box, const PointRecord& p) {
  if (box.Empty) {
    box = {p.X, p.X, p.Y, p.Y, false};
    return;
  }
  box.MinX = std::min(box.MinX, p.X);
  box.MaxX = std::max(box.MaxX, p.X);
  box.MinY = std::min(box.MinY, p.Y);
  box.MaxY = std::max(box.MaxY, p.Y);
}

}  // namespace

bool SectionBox::HoldsX(double x) const {
  return Empty || (MinX - kEdgeTolerance <= x && x <= MaxX + kEdgeTolerance);
}

bool SectionBox::HoldsY(double y) const {
  return Empty || (MinY - kEdgeTolerance <= y && y <= MaxY + kEdgeTolerance);
}

SectionBox SectionExtent() {
  SectionBox box;
  for (int i = 0; i < std::min(LineCount, kMaxLines); ++i) {
    const LineRecord& line = LineTable[i];
    if (!IsTraceableBoundary(line)) continue;
    WidenBox(box, PointTable[line.P1]);
    WidenBox(box, PointTable[line.P2]);
  }
  return box;
}

}  // namespace selvana
