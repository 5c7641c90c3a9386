// The level from which cohesion grows with depth (C = K x depth + C0), and that cohesion on a
// slice base.
#pragma once

#include "model/project_model.h"

namespace selvana {

// The reference Y of a mode-1 reference line at the middle of the slice from x1 to x2: its first
// vertex's Y left of the first vertex, its last vertex's Y at or beyond the last, linear in
// between (X taken as ascending); CohesionRefHeight for a line without vertices.
double CohesionReferenceOnLine(double x1, double x2);

// The reference Y for a slice from x1 to x2: CohesionRefHeight, or with CohesionRefMode 1 the
// reference line's Y at the slice middle. Inline: once per slice.
inline double CohesionReferenceLevel(double x1, double x2) {
  if (cm.CohesionRefMode != 1) return cm.CohesionRefHeight;
  return CohesionReferenceOnLine(x1, x2);
}

// The cohesion of block on a slice base from (xR, yR) to (xL, yL): CohesionGradient times the
// depth of the base's mid-height below the reference level of the slice, plus Cohesion.
inline double CohesionAtBase(const BlockRecord& block, double xR, double yR, double xL, double yL) {
  return block.CohesionGradient * (CohesionReferenceLevel(xR, xL) - (yR + yL) / 2.0) +
         block.Cohesion;
}

}  // namespace selvana
