// Cohesion reference level: a fixed height or a polyline read at the slice middle.
#include "calc/slicing/cohesion.h"

#include <algorithm>

#include "model/project_model.h"

namespace selvana {

double CohesionReferenceOnLine(double x1, double x2) {
  const CohesionRefLineRecord& line = cm.CohesionRefLine;
  // A count read from a file is not checked against the 64 vertices: hold it to them.
  const int count = std::clamp(line.Count, 0, kMaxCohesionVertices);
  if (count == 0) return cm.CohesionRefHeight;
  const double xm = (x1 + x2) / 2.0;
  if (xm < line.X[0]) return line.Y[0];
  for (int i = 1; i < count; ++i) {
    if (xm < line.X[i]) {
      return (xm - line.X[i - 1]) * (line.Y[i] - line.Y[i - 1]) / (line.X[i] - line.X[i - 1]) +
             line.Y[i - 1];
    }
  }
  return line.Y[count - 1];
}

}  // namespace selvana
