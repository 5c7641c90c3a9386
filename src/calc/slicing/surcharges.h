// The trapezoidal surcharges on a stretch of ground: which of them carry a load, and the load
// they put on one slice.
#pragma once
#include <array>

#include "model/project_model.h"

namespace selvana {

// The slots of the trapezoidal loads that carry a load (either end not zero), in slot order. An
// unloaded one adds exactly zero to every stretch, so a search finds these once and skips the
// rest on every slice.
struct LoadedSurcharges {
  int count = 0;
  std::array<int, kSurchargeCount> slot{};
};
LoadedSurcharges FindLoadedSurcharges();

// The surcharge (kN/m) that the three trapezoidal loads put on the stretch from xL to xR: the
// loaded ones in slot order, summed the same way with or without the list.
double SurchargeOnStretch(double xR, double xL, const LoadedSurcharges& loaded);
double SurchargeOnStretch(double xR, double xL);

}  // namespace selvana
