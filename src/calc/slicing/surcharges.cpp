// The loaded surcharges of the model and the load they put on a stretch.
#include "calc/slicing/surcharges.h"

namespace selvana {

LoadedSurcharges FindLoadedSurcharges() {
  const SurchargeRecord& s = cm.Surcharges;
  LoadedSurcharges loaded;
  for (int i = 0; i < kSurchargeCount; ++i) {
    if (s.LoadAtXMin[i] == 0.0 && s.LoadAtXMax[i] == 0.0) continue;
    loaded.slot[loaded.count++] = i;
  }
  return loaded;
}

double SurchargeOnStretch(double xR, double xL, const LoadedSurcharges& loaded) {
  const SurchargeRecord& s = cm.Surcharges;
  double q = 0.0;
  for (int k = 0; k < loaded.count; ++k) {
    const int i = loaded.slot[k];
    const double xa = xR < s.XMax[i] ? xR : s.XMax[i];
    const double xb = xL > s.XMin[i] ? xL : s.XMin[i];
    if (!(xb < xa)) continue;
    const double slope = s.LoadAtXMax[i] - s.LoadAtXMin[i];
    const double span = s.XMax[i] - s.XMin[i];
    const double qa = (xa - s.XMin[i]) * slope / span + s.LoadAtXMin[i];
    const double qb = (xb - s.XMin[i]) * slope / span + s.LoadAtXMin[i];
    q += (qa + qb) * (xa - xb) / 2.0;
  }
  return q;
}

double SurchargeOnStretch(double xR, double xL) {
  return SurchargeOnStretch(xR, xL, FindLoadedSurcharges());
}

}  // namespace selvana
