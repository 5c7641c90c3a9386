// Surcharge loads standing on the traced ground surface and horizontal force arrows, in paper
// millimetres. The ground surface under each load is shared with the plot file.
#pragma once
#include <array>
#include <functional>

#include "view/figure/figure_layout.h"

namespace selvana {

inline constexpr int kMaxSurfacePoints = 1024;

// The ground-surface polyline under one load, from XMin to XMax (model metres).
struct LoadSurface {
  int Count = 0;
  std::array<double, kMaxSurfacePoints> X{};
  std::array<double, kMaxSurfacePoints> Y{};
};

// Under loads 0..2, refilled before the loads are drawn or plotted.
extern std::array<LoadSurface, 3> LoadSurfaces;

// Traces the top of the soil and structure blocks under load i (0..2) from XMin to XMax into
// surface; returns the point count, 0 when the load has no intensity or no ground under an end.
int TraceLoadSurface(int i, LoadSurface& surface);

// Intensity of load i at model x (kN/m2), the trapezoid through both ends; the load must have a
// width.
double LoadIntensityAt(int i, double x);

// The top of load i's diagram over its surface, one segment per surface segment.
void LayoutLoadDiagram(int i, const LoadSurface& surface, FigureLayout& out);

// One arrow of a load: paper x, the ground under it and the top of the diagram above it, and
// the spacing of the arrows.
struct LoadArrow {
  double x, ground, top, pitch;
};

// Calls each(arrow) for the arrows of load i over its surface with text height h: from the
// first surface point to the last, the width rounded up to a multiple of half the text height
// and counted in millimetres, so they stand about 1 mm apart.
void WalkLoadArrows(int i, const LoadSurface& surface, double h,
                    const std::function<void(const LoadArrow&)>& each);

// The width dimension of load i over the diagram (the Bishop methods show it), h high; its
// label only when h is 0.0001 or more.
void LayoutLoadWidthDimension(int i, const LoadSurface& surface, double h, FigureLayout& out);

// The diagram, arrows and the end label of load i for side 1 (XMin) or 2 (XMax), and for the
// Bishop methods the width dimension, from LoadSurfaces[i]. -1 when the intensity at that end or
// Sizes[5] is below 0.0001, the load has no width or the surface fewer than 2 points (nothing),
// or the text height Sizes[1] is below 0.0001 (the diagram, and the lines of the width
// dimension without its label); else 0.
int LayoutSurchargeLoad(int i, int side, FigureLayout& out);

// The arrow of horizontal force i at its height, pointing with the sliding sense, and its value.
// -1 (nothing) when its label place is below 0, |H|, Sizes[1] or Sizes[6] below 0.0001; else 0.
int LayoutHorizontalForce(int i, FigureLayout& out);

}  // namespace selvana
