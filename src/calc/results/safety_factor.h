// The safety factor of a slip surface: resisting over driving sum, cut down (never rounded) to
// the printed decimals. Every method truncates through here so that all agree to the last digit.
#pragma once

namespace selvana {

// The mark of a slip surface without a valid safety factor.
inline constexpr double kNoSafetyFactor = 999999.9;

// ratio cut down to n = DrawSettings.Decimals[0] decimals with a tolerance just below each step:
// floor(ratio * p + 0.1 / p) / p, p = 10^n. Plain IEEE arithmetic in exactly this order; the
// build forbids fused multiply-add, which would move ratios sitting on a step to the other side.
double TruncateSafetyFactor(double ratio);

// The safety factor of the circle methods 0 and 1 and of the critical surface: kNoSafetyFactor
// when |md| <= 1e-5 or when the truncated mr / md is below 1e-7 (a surface the driving moment
// does not drive), else TruncateSafetyFactor(mr / md).
double SafetyFactorWithMarks(double mr, double md);

}  // namespace selvana
