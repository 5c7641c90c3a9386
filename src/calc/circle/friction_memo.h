// tan φ of the block under a slice, computed again only when the friction angle differs from
// the last one asked. Neighbouring slices nearly always sit on the same block, so most slices
// are spared a tangent, and the value is the very one the formula gives.
#pragma once
#include <bit>
#include <cstdint>

namespace selvana {

// One memo per formula (and per thread): Of(angle, tanOf) is tanOf(angle), reused while the
// angle keeps its bits (so -0.0 and 0.0, or two NaNs, are never mixed up).
class FrictionTanMemo {
 public:
  template <class TanOf>
  double Of(double angle, TanOf tanOf) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(angle);
    if (!known_ || bits != angleBits_) {
      angleBits_ = bits;
      tan_ = tanOf(angle);
      known_ = true;
    }
    return tan_;
  }

 private:
  std::uint64_t angleBits_ = 0;
  double tan_ = 0.0;
  bool known_ = false;
};

}  // namespace selvana
