// The moments of one slice of a Fellenius circle, term by term, against values worked out by
// hand for a slice whose strips are set directly.
#include "calc/circle/fellenius_slice.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

#include "calc/run_data.h"
#include "model/project_model.h"

namespace selvana {
namespace {

// The slice of every case: base chord (3, 1)-(2, 0.5) about the centre (0, 10) with R = 10;
// the base block 0 (γt 19, γ' 9, C0 10, φ 30) has a strip of 4 m2 at mid-height 2.5.
constexpr double kR = 10.0, kCx = 0.0, kCy = 10.0;
constexpr double kXR = 3.0, kYR = 1.0, kXL = 2.0, kYL = 0.5;

struct SliceSetup {
  double phi = 30.0;
  double k = 0.0;           // cohesion gradient
  int refMode = -1;         // -1 no reference (height 0 with K 0), 0 height 10, 1 line
  bool surcharges = false;  // a trapezoid over the slice and a negative load over half of it
  double kh = 0.0;
  int includesSurcharge = 1;
  int drivingMode = 0;
  int sandFormula = -1;  // -1 no sand piles; else the base is improved and a second block
                         // (γ' 8, 2 m2 at mid-height 1) lies above it
};

struct SliceCase {
  const char* name;
  SliceSetup setup;
  double mrf, mrc, mdw, mdk;
};

// Expected values worked out by hand (in double precision) from the slice's weights: W = 76,
// W' = 36, α = atan(0.5), l = √1.25; cohesion 10 + 2 x depth below 10 (line: 9 at the
// middle), the base middle at 0.75; with surcharges Q = (16 + 14) / 2 - 4 x 0.5 = 13 kN/m.
const SliceCase kSliceCases[] = {
    {"friction_and_cohesion", {}, 185.903200617956, 111.80339887498948, 339.882332579968, 0.0},
    {"cohesion_grows_below_reference_height",
     {.k = 2.0, .refMode = 0},
     185.903200617956,
     318.63968679372005,
     339.882332579968,
     0.0},
    {"cohesion_grows_below_reference_line",
     {.k = 2.0, .refMode = 1},
     185.903200617956,
     296.27900701872215,
     339.882332579968,
     0.0},
    {"no_friction_no_seismic_reduction",
     {.phi = 0.0, .kh = 0.2},
     0.0,
     111.80339887498948,
     339.882332579968,
     114.0},
    {"surcharge_trapezoids_of_any_sign",
     {.surcharges = true},
     253.0349119522179,
     111.80339887498948,
     398.02009999496255,
     0.0},
    {"seismic_on_weight_only",
     {.surcharges = true, .kh = 0.1, .includesSurcharge = 0},
     233.41179633143366,
     111.80339887498948,
     398.02009999496255,
     57.0},
    {"seismic_on_weight_and_surcharge",
     {.surcharges = true, .kh = 0.1},
     230.05521076472056,
     111.80339887498948,
     398.02009999496255,
     57.0},
    {"driving_force_from_effective_weight",
     {.surcharges = true, .kh = 0.1, .drivingMode = 1},
     253.0349119522179,
     111.80339887498948,
     219.1346617949794,
     0.0},
    {"sand_pile_formula_0",
     {.surcharges = true, .kh = 0.1, .sandFormula = 0},
     239.4881231411285,
     78.26237921249265,
     618.0491889809418,
     99.3},
    {"sand_pile_formula_1",
     {.surcharges = true, .kh = 0.1, .sandFormula = 1},
     251.1440635478031,
     78.26237921249265,
     618.0491889809418,
     99.3},
    {"sand_pile_formula_2",
     {.surcharges = true, .kh = 0.1, .sandFormula = 2},
     446.47833519609446,
     0.0,
     618.0491889809418,
     99.3},
    {"sand_pile_formula_other",
     {.surcharges = true, .kh = 0.1, .sandFormula = 3},
     251.1440635478031,
     0.0,
     618.0491889809418,
     99.3},
};

void SetUpBlock(int slot, double gammaT, double gammaE) {
  BlockTable[slot] = BlockRecord{};
  BlockTable[slot].Number = slot;
  BlockTable[slot].UnitWeight = gammaT;
  BlockTable[slot].EffectiveUnitWeight = gammaE;
}

void SetUpSlice(const SliceSetup& s) {
  BlockCount = 1;
  SetUpBlock(0, 19.0, 9.0);
  BlockTable[0].Cohesion = 10.0;
  BlockTable[0].CohesionGradient = s.k;
  BlockTable[0].FrictionAngle = s.phi;
  RunData.BlockStrips[0] = {2.5, 2.5, 4.0};
  if (s.refMode == 0) {
    cm.CohesionRefHeight = 10.0;
  } else if (s.refMode == 1) {
    cm.CohesionRefMode = 1;
    cm.CohesionRefLine.Count = 2;
    cm.CohesionRefLine.X[0] = 0.0, cm.CohesionRefLine.Y[0] = 8.0;
    cm.CohesionRefLine.X[1] = 10.0, cm.CohesionRefLine.Y[1] = 12.0;  // 9.0 at x = 2.5
  }
  if (s.surcharges) {
    cm.Surcharges.XMin[0] = 0.0, cm.Surcharges.XMax[0] = 10.0;
    cm.Surcharges.LoadAtXMin[0] = 10.0, cm.Surcharges.LoadAtXMax[0] = 30.0;
    cm.Surcharges.XMin[1] = 2.5, cm.Surcharges.XMax[1] = 6.0;
    cm.Surcharges.LoadAtXMin[1] = -4.0, cm.Surcharges.LoadAtXMax[1] = -4.0;
  }
  cm.SeismicCoefficient = s.kh;
  cm.SeismicIncludesSurcharge = s.includesSurcharge;
  cm.DrivingForceMode = s.drivingMode;
  if (s.sandFormula >= 0) {
    BlockRecord& b = BlockTable[0];
    b.SandPile = 1;
    b.ReplacementRatio = 0.3;
    b.StressRatio = 3.0;
    b.PileUnitWeight = 20.0;
    b.PileFrictionAngle = 35.0;
    cm.SandPileFormula = s.sandFormula;
    BlockCount = 2;
    SetUpBlock(1, 18.0, 8.0);
    RunData.BlockStrips[1] = {2.5, 1.0, 2.0};
  }
}

// Relative 1e-12: the code and the hand values use the same operations, at most in another
// order of summation.
void ExpectClose(double expected, double actual, const char* what) {
  EXPECT_NEAR(expected, actual, 1e-12 * std::fmax(1.0, std::fabs(expected)))
      << what << ": expected " << expected << ", actual " << actual << ", difference "
      << actual - expected;
}

TEST(FelleniusSliceMoments, EveryTermMatchesTheHandValues) {
  for (const SliceCase& c : kSliceCases) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    SetUpSlice(c.setup);
    ASSERT_EQ(0, SliceMomentsFellenius(kR, kCx, kCy, 0, kXR, kYR, kXL, kYL));
    ExpectClose(c.mrf, SliceTerms.mrf, "mrf");
    ExpectClose(c.mrc, SliceTerms.mrc, "mrc");
    ExpectClose(c.mdw, SliceTerms.mdw, "mdw");
    ExpectClose(c.mdk, SliceTerms.mdk, "mdk");
    EXPECT_EQ(0.0, SliceTerms.mdh);
  }
}

// The search adds a slice's moments without going through SliceTerms: the same five doubles,
// for every case (sand-pile formulas included).
TEST(FelleniusSliceMoments, SearchAddsTheBitsOfTheSliceTerms) {
  for (const SliceCase& c : kSliceCases) {
    SCOPED_TRACE(c.name);
    ResetProjectData();
    SetUpSlice(c.setup);
    SliceMomentsFellenius(kR, kCx, kCy, 0, kXR, kYR, kXL, kYL);
    SlipResult r{};
    AddSliceMomentsFellenius(FindFelleniusRunTerms(), kR, kCy, 0, kXR, kYR, kXL, kYL, r);
    for (auto [sum, term] : {std::pair{r.mrf, SliceTerms.mrf},
                             {r.mrc, SliceTerms.mrc},
                             {r.mdw, SliceTerms.mdw},
                             {r.mdh, SliceTerms.mdh},
                             {r.mdk, SliceTerms.mdk}}) {
      EXPECT_EQ(std::bit_cast<std::uint64_t>(term), std::bit_cast<std::uint64_t>(sum));
    }
  }
}

TEST(FelleniusSliceMoments, FreeBlockSlotsAddNoWeight) {
  SetUpSlice({});
  BlockCount = 2;
  SetUpBlock(1, 18.0, 8.0);
  BlockTable[1].Number = -1;
  RunData.BlockStrips[1] = {2.5, 1.0, 2.0};
  SliceMomentsFellenius(kR, kCx, kCy, 0, kXR, kYR, kXL, kYL);
  EXPECT_DOUBLE_EQ(76.0, SliceTerms.W);
  EXPECT_DOUBLE_EQ(36.0, SliceTerms.We);
}

TEST(FelleniusSliceMoments, SurchargeOutsideTheSliceAddsNothing) {
  cm.Surcharges.XMin[0] = 3.0, cm.Surcharges.XMax[0] = 8.0;  // touches the slice at x = 3 only
  cm.Surcharges.LoadAtXMin[0] = cm.Surcharges.LoadAtXMax[0] = 50.0;
  EXPECT_EQ(0.0, SurchargeOnStretch(kXR, kXL));
  cm.Surcharges.XMin[0] = 0.0;
  EXPECT_DOUBLE_EQ(50.0, SurchargeOnStretch(kXR, kXL));
}

TEST(FelleniusSliceMoments, LoadedSurchargesAreTheSlotsWithALoadAtEitherEnd) {
  ResetProjectData();
  cm.Surcharges.LoadAtXMin = {0.0, 0.0, -3.0};
  cm.Surcharges.LoadAtXMax = {0.0, 7.0, 0.0};
  const LoadedSurcharges loaded = FindLoadedSurcharges();
  ASSERT_EQ(2, loaded.count);
  EXPECT_EQ(1, loaded.slot[0]);
  EXPECT_EQ(2, loaded.slot[1]);
  cm.Surcharges.LoadAtXMax[1] = -0.0;  // -0 is no load either
  EXPECT_EQ(1, FindLoadedSurcharges().count);
}

// The stretch sum over the loaded slots only is the same double as adding every slot by hand
// (an unloaded slot adding its +0 term), for loads that overlap the stretch partly, wholly and
// not at all.
TEST(FelleniusSliceMoments, SurchargeOverTheLoadedSlotsHasTheBitsOfTheFullSum) {
  ResetProjectData();
  const SurchargeRecord& s = cm.Surcharges;
  cm.Surcharges.XMin = {0.3, 1.7, -4.1};
  cm.Surcharges.XMax = {2.9, 6.3, 0.7};
  cm.Surcharges.LoadAtXMin = {13.1, 0.0, 0.0};
  cm.Surcharges.LoadAtXMax = {0.0, 0.0, 9.7};
  const LoadedSurcharges loaded = FindLoadedSurcharges();
  ASSERT_EQ(2, loaded.count);
  for (double xL = -5.0; xL < 7.0; xL += 0.37) {
    const double xR = xL + 1.13;
    double q = 0.0;
    for (int i = 0; i < kSurchargeCount; ++i) {
      const double xa = xR < s.XMax[i] ? xR : s.XMax[i];
      const double xb = xL > s.XMin[i] ? xL : s.XMin[i];
      if (!(xb < xa)) continue;
      const double slope = s.LoadAtXMax[i] - s.LoadAtXMin[i];
      const double span = s.XMax[i] - s.XMin[i];
      const double qa = (xa - s.XMin[i]) * slope / span + s.LoadAtXMin[i];
      const double qb = (xb - s.XMin[i]) * slope / span + s.LoadAtXMin[i];
      q += (qa + qb) * (xa - xb) / 2.0;
    }
    SCOPED_TRACE(xL);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(q),
              std::bit_cast<std::uint64_t>(SurchargeOnStretch(xR, xL, loaded)));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(q),
              std::bit_cast<std::uint64_t>(SurchargeOnStretch(xR, xL)));
  }
}

// The moments with a list found once are those found slice by slice.
TEST(FelleniusSliceMoments, ListFoundOnceGivesTheSameTerms) {
  SetUpSlice({});
  cm.Surcharges.XMin[2] = 1.0, cm.Surcharges.XMax[2] = 4.0;
  cm.Surcharges.LoadAtXMin[2] = 20.0, cm.Surcharges.LoadAtXMax[2] = 35.0;
  SliceMomentsFellenius(kR, kCx, kCy, 0, kXR, kYR, kXL, kYL);
  const SliceTermsRecord each = SliceTerms;
  ASSERT_NE(0.0, each.Q);
  SliceTerms = {};
  SliceMomentsFellenius(FindFelleniusRunTerms(), kR, kCx, kCy, 0, kXR, kYR, kXL, kYL);
  EXPECT_EQ(each.Q, SliceTerms.Q);
  EXPECT_EQ(each.mrf, SliceTerms.mrf);
  EXPECT_EQ(each.mdw, SliceTerms.mdw);
  EXPECT_EQ(each.mdk, SliceTerms.mdk);
}

// The base values the moments leave are those SetSliceBaseTerms gives, and AddSliceTerms adds
// each of the five moments to its own sum.
TEST(FelleniusSliceMoments, BaseTermsAndTheirSumsMatchTheSeparateCalls) {
  SetUpSlice({});
  SliceMomentsFellenius(kR, kCx, kCy, 0, kXR, kYR, kXL, kYL);
  const SliceTermsRecord moments = SliceTerms;
  SliceTerms = {};
  SetSliceBaseTerms(BlockTable[0], kXR, kYR, kXL, kYL);
  EXPECT_EQ(moments.c, SliceTerms.c);
  EXPECT_EQ(moments.tanPhi, SliceTerms.tanPhi);
  EXPECT_EQ(moments.l, SliceTerms.l);
  EXPECT_EQ(moments.width, SliceTerms.width);
  SliceTerms = {1.0, 2.0, 4.0, 8.0, 16.0};
  SlipResult r{};
  r.mrf = 0.5, r.mrc = 0.25, r.mdw = 0.125, r.mdh = 32.0, r.mdk = 64.0;
  AddSliceTerms(r);
  EXPECT_EQ(1.5, r.mrf);
  EXPECT_EQ(2.25, r.mrc);
  EXPECT_EQ(4.125, r.mdw);
  EXPECT_EQ(40.0, r.mdh);
  EXPECT_EQ(80.0, r.mdk);
}

}  // namespace
}  // namespace selvana
