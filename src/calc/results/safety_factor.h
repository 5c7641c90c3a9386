// The safety factor of a slip surface: resisting over driving sum, cut down (never rounded) to
// the printed decimals. Every method truncates through here so that all agree to the last digit.
#pragma once

namespace selvana {

// The mark of a slip surface without a valid safety factor.
inline constexpr double kNoSafetyFactor = 999999.9;

// The most decimals the truncation uses, whatever the drawing settings hold.
inline constexpr int kMaxSafetyFactorDecimals = 9;

// The fewest decimals a run judges at. The truncation's allowance of 0.1 / 10^n lifts a ratio
// by up to 0.1 / 10^2n onto the step above: with 0 decimals every ratio from 0.9 becomes 1, with
// 1 every ratio from 0.999; from 2 decimals on the lift is at most 1e-5.
inline constexpr int kMinSafetyFactorDecimals = 2;

// The decimals the truncation cuts to: DrawSettings.Decimals[0] clamped to 0..9.
int SafetyFactorDecimals();

// ratio cut down to n = SafetyFactorDecimals() decimals with a tolerance just
// below each step: floor(ratio * p + 0.1 / p) / p, p = 10^n. Plain IEEE arithmetic in exactly this
// order; the build forbids fused multiply-add, which would move ratios sitting on a step to the
// other side.
double TruncateSafetyFactor(double ratio);

// True for a factor that carries the mark: kNoSafetyFactor, or the Bishop iteration's value
// without a driving moment, which no surface with a factor reaches.
inline bool CarriesNoFactorMark(double f) { return f >= kNoSafetyFactor; }

// The two forms of the no-factor rule: when a surface gets kNoSafetyFactor instead of a factor.
enum class NoFactorRule {
  // Circles by Fellenius (methods 0 and 1), their totals and their critical surface: a driving
  // total within 1e-5 of zero (|md| <= 1e-5), or a truncated ratio below 1e-7 (a surface the
  // driving moment does not drive).
  kFellenius,
  // Straight-line totals and the critical surface of every other method: a driving total of
  // 1e-5 or less, a negative one included (md <= 1e-5). A zero or negative ratio from a
  // positive total is kept, so that such a surface is judged OUT rather than hidden.
  kDrivingTotal,
};

// The safety factor of a surface with resisting total mr and driving total md under rule:
// kNoSafetyFactor where the rule says so, else TruncateSafetyFactor(mr / md).
double SafetyFactorOf(double mr, double md, NoFactorRule rule);

}  // namespace selvana
