// The truncation of safety factors: cut down to the printed decimals with a small tolerance,
// and the marks of surfaces without a valid factor.
#include "calc/results/safety_factor.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/project_model.h"

namespace selvana {
namespace {

struct TruncationCase {
  const char* name;
  double mr, md;
  int decimals;
  double expected;
  NoFactorRule rule = NoFactorRule::kFellenius;
};

constexpr auto kDriving = NoFactorRule::kDrivingTotal;

// Results are whole multiples of 10^-n computed as k / 10^n, so they compare exactly with the
// literal of the same value.
const TruncationCase kTruncationCases[] = {
    {"cut_not_rounded_3", 1234.5, 1000.0, 3, 1.234},
    {"cut_not_rounded_2", 1234.5, 1000.0, 2, 1.23},
    {"whole_numbers_below_one_is_mark", 0.85, 1.0, 0, kNoSafetyFactor},
    {"whole_numbers_tolerance_lifts", 0.95, 1.0, 0, 1.0},
    {"tolerance_lifts_just_below_step", 1.2339999999, 1.0, 3, 1.234},
    {"below_tolerance_stays", 1.2339998, 1.0, 3, 1.233},
    {"driving_moment_too_small", 5.0, 1e-5, 3, kNoSafetyFactor},
    {"driving_moment_negative_small", 5.0, -1e-5, 3, kNoSafetyFactor},
    {"not_driven_is_mark", 5.0, -2.0, 3, kNoSafetyFactor},
    {"zero_resistance_is_mark", 0.0, 2.0, 3, kNoSafetyFactor},
    {"large_factor_kept", 3000.0, 2.0, 3, 1500.0},
    {"negative_decimals_cut_to_whole", 1234.5, 1000.0, -2, 1.0},
    {"huge_decimals_cut_at_nine", 1.5, 1.0, 400, 1.5},
    // The driving-total form: the same small totals marked, a negative total marked even when
    // the ratio would be positive, a ratio at or below zero from a positive total kept.
    {"driving_small_is_mark", 5.0, 1e-5, 3, kNoSafetyFactor, kDriving},
    {"driving_negative_is_mark", -5.0, -2.0, 3, kNoSafetyFactor, kDriving},
    {"driving_zero_resistance_kept", 0.0, 2.0, 3, 0.0, kDriving},
    {"driving_below_one_kept", 0.85, 1.0, 0, 0.0, kDriving},
    {"driving_cut_not_rounded", 1234.5, 1000.0, 3, 1.234, kDriving},
};

TEST(SafetyFactorTruncation, FollowsTheFloorRuleAndItsMarks) {
  for (const auto& c : kTruncationCases) {
    DrawSettings.Decimals[0] = c.decimals;
    const double f = SafetyFactorOf(c.mr, c.md, c.rule);
    EXPECT_EQ(f, c.expected) << c.name << ": expected " << c.expected << ", actual " << f
                             << ", difference " << f - c.expected;
  }
}

TEST(SafetyFactorTruncation, NegativeRatioWithoutMarksStaysAsComputed) {
  DrawSettings.Decimals[0] = 2;
  EXPECT_EQ(TruncateSafetyFactor(-0.5), -0.5);
  EXPECT_EQ(TruncateSafetyFactor(-0.504), -0.51);  // floor goes down, away from zero
}

// 1.0119999 lies exactly 0.1 / p^2 below the step 1.012 (n = 3). The rounded product
// 1.0119999 * 1000 plus 0.0001 stays below 1012, while a fused multiply-add of the same
// operands reaches it: the result depends on the build keeping the two operations apart.
TEST(SafetyFactorTruncation, RatioOnATruncationStepNeedsUnfusedArithmetic) {
  DrawSettings.Decimals[0] = 3;
  const double ratio = 1.0119999;
  EXPECT_EQ(TruncateSafetyFactor(ratio), 1.011);
  const double fused = std::floor(std::fma(ratio, 1000.0, 0.1 / 1000.0)) / 1000.0;
  EXPECT_EQ(fused, 1.012) << "the case no longer tells the two apart";
}

}  // namespace
}  // namespace selvana
