// The design copy: which records the snapshot keeps, what each family's partial factors change,
// and the scope guard that restores the user's model.
#include "model/design_copy.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "model/partial_factors.h"
#include "model/project_model.h"

namespace selvana {
namespace {

int AddPoint(double x, double y) {
  const int i = PointCount++;
  PointTable[i] = {i, x, y};
  return i;
}

void AddLine(int kind, int p1, int p2) { LineTable[LineCount++] = {kind, p1, p2, -1}; }

BlockRecord& AddBlock(int kind, int factorClass) {
  const int i = BlockCount++;
  BlockRecord& b = BlockTable[i];
  b.Number = i;
  b.Kind = kind;
  b.FactorClass = factorClass;
  b.UnitWeight = 18.0;
  b.EffectiveUnitWeight = 8.0;
  b.Cohesion = 10.0;
  b.CohesionGradient = 2.0;
  b.FrictionAngle = 30.0;
  b.SandPile = 1;
  b.BBox = {20.0, 0.0, 10.0, 0.0};
  return b;
}

// A small model that every factor touches: forces, loads, a pile, one block of each kind and a
// residual-water line; partial factors switched on, all of the given value.
void BuildModel(int method, double factors = 1.0) {
  cm.kt = method;
  cm.HorizontalForces.H = {10.0, 20.0, 30.0, 0.0};
  cm.Surcharges.XMin = {0.0, 30.0, 40.0, 0.0};
  cm.Surcharges.XMax = {10.0, 35.0, 50.0, 0.0};
  cm.Surcharges.LoadAtXMin = {5.0, 6.0, 7.0, 0.0};
  cm.Surcharges.LoadAtXMax = {5.0, 6.0, 7.0, 0.0};
  SheetPileSettings.AllowableShear = 100.0;
  SheetPileSettings.RowCount = 2;
  SheetPileSettings.Intensity = {};
  SheetPileSettings.Intensity[0] = 1.0;
  SheetPileSettings.Intensity[1] = 2.0;
  SheetPileSettings.Intensity[2] = 3.0;  // beyond RowCount
  AddBlock(kBlockSoil, 1);
  AddBlock(kBlockPressureWater, 1);
  AddBlock(kBlockStructure, 1);
  const int a = AddPoint(0.0, 5.0);
  const int b = AddPoint(10.0, 5.0);
  const int c = AddPoint(20.0, 6.0);
  AddLine(kLineResidualWater, a, b);
  AddLine(kLineResidualWater, b, c);  // b is shared by two water lines
  PartialFactors.Enabled = 1;
  PartialFactors.Factor.fill(factors);
}

// Everything a design copy may change, compared field by field where it matters.
void ExpectModelEquals(const ModelSnapshotRecord& s) {
  EXPECT_EQ(cm.HorizontalForces.H, s.cm.HorizontalForces.H);
  EXPECT_EQ(cm.Surcharges.XMin, s.cm.Surcharges.XMin);
  EXPECT_EQ(cm.Surcharges.XMax, s.cm.Surcharges.XMax);
  EXPECT_EQ(cm.Surcharges.LoadAtXMin, s.cm.Surcharges.LoadAtXMin);
  EXPECT_EQ(SheetPileSettings.AllowableShear, s.SheetPileSettings.AllowableShear);
  EXPECT_EQ(SheetPileSettings.Intensity, s.SheetPileSettings.Intensity);
  EXPECT_EQ(PartialFactors.Enabled, s.PartialFactors.Enabled);
  EXPECT_EQ(PartialFactors.Factor, s.PartialFactors.Factor);
  EXPECT_EQ(FelleniusCircleSettings.PassPointX, s.FelleniusCircleSettings.PassPointX);
  for (int i = 0; i < BlockCount; ++i) {
    EXPECT_EQ(BlockTable[i].UnitWeight, s.BlockTable[i].UnitWeight) << "block " << i;
    EXPECT_EQ(BlockTable[i].EffectiveUnitWeight, s.BlockTable[i].EffectiveUnitWeight);
    // Factor 1.0 still goes through tan and atan, which may move the last bits of φ.
    EXPECT_NEAR(BlockTable[i].FrictionAngle, s.BlockTable[i].FrictionAngle, 1e-12);
    EXPECT_EQ(BlockTable[i].Cohesion, s.BlockTable[i].Cohesion);
    EXPECT_EQ(BlockTable[i].SandPile, s.BlockTable[i].SandPile);
    EXPECT_EQ(BlockTable[i].BBox, s.BlockTable[i].BBox);
  }
  for (int i = 0; i < PointCount; ++i) EXPECT_EQ(PointTable[i].Y, s.PointTable[i].Y);
}

ModelSnapshotRecord Copy() {
  SaveModelSnapshot();
  return ModelSnapshot;
}

// --- Which records the snapshot holds ---------------------------------------------------------

TEST(ModelSnapshot, RestoreBringsBackInputRecordsButNotLines) {
  BuildModel(kMethodFellenius);
  SaveModelSnapshot();
  cm.SeismicCoefficient = 0.3;
  BlockTable[0].Cohesion = 99.0;
  PointTable[0].X = 7.0;
  LineTable[0].Kind = kLineBoundary;
  DrawSettings.Decimals[0] = 1;
  RestoreModelSnapshot();
  EXPECT_EQ(cm.SeismicCoefficient, 0.0);
  EXPECT_EQ(BlockTable[0].Cohesion, 10.0);
  EXPECT_EQ(PointTable[0].X, 0.0);
  EXPECT_EQ(LineTable[0].Kind, kLineBoundary);  // lines are not part of the snapshot
  EXPECT_EQ(DrawSettings.Decimals[0], 1);
}

TEST(ModelSnapshot, ProjectResetLeavesTheSnapshotEqualToTheFreshModel) {
  BuildModel(kMethodBishop);
  SaveModelSnapshot();
  ResetProjectData();
  EXPECT_EQ(ModelSnapshot.cm.kt, 0);
  EXPECT_EQ(ModelSnapshot.PartialFactors.Enabled, 0);
}

TEST(ModelSnapshot, CopiesOnlyTheRowsBelowTheCountsAsTheyStandAtEachCall) {
  BuildModel(kMethodFellenius);  // three blocks, three points
  SaveModelSnapshot();
  BlockCount = 2;
  PointCount = 2;
  BlockTable[2].Cohesion = 55.0;  // rows at or above the counts are left alone
  PointTable[2].Y = 9.5;
  SaveModelSnapshot();
  EXPECT_EQ(ModelSnapshot.BlockTable[2].Cohesion, 10.0);  // what the earlier save left
  EXPECT_EQ(ModelSnapshot.PointTable[2].Y, 6.0);
  BlockTable[1].Cohesion = 77.0;
  RestoreModelSnapshot();
  EXPECT_EQ(BlockTable[1].Cohesion, 10.0);
  EXPECT_EQ(BlockTable[2].Cohesion, 55.0);
  EXPECT_EQ(PointTable[2].Y, 9.5);
}

// --- What the factors change ------------------------------------------------------------------

TEST(PartialFactors, SwitchedOffOrOtherFamilyChangesNothing) {
  struct Case {
    const char* name;
    int method;
    int enabled;
    int (*apply)();
  };
  const Case cases[] = {
      {"fellenius_switched_off", kMethodFellenius, 0, ApplyPartialFactorsFellenius},
      {"bishop_switched_off", kMethodBishop, 0, ApplyPartialFactorsBishop},
      {"straight_switched_off", kMethodLineFromPoint, 0, ApplyPartialFactorsStraight},
      {"fellenius_on_bishop_model", kMethodModifiedBishop, 1, ApplyPartialFactorsFellenius},
      {"bishop_on_line_model", kMethodLineBetweenSegments, 1, ApplyPartialFactorsBishop},
      {"straight_on_circle_model", kMethodTschebotarioff, 1, ApplyPartialFactorsStraight},
  };
  for (const auto& c : cases) {
    ResetProjectData();
    BuildModel(c.method, 1.5);
    PartialFactors.Enabled = c.enabled;
    const ModelSnapshotRecord before = Copy();
    EXPECT_EQ(c.apply(), 1) << c.name;
    ExpectModelEquals(before);
  }
}

TEST(PartialFactors, UnknownMethodCodeChangesNothing) {
  BuildModel(kMethodFellenius, 1.5);
  cm.kt = 6;
  const ModelSnapshotRecord before = Copy();
  EXPECT_EQ(ApplyPartialFactors(), 0);
  ExpectModelEquals(before);
}

TEST(PartialFactors, DispatchPicksTheFamilyOfTheMethodCode) {
  struct Case {
    int method;
    double unitWeight;  // 18 x 2 on the total weight, or (18 - 10) x 2 + 10 on the effective
    double pileShear;   // only methods 0 and 1 factor the pile
    double loadXMin;    // only the circle methods widen loads (load 1 lies right of X 0)
  };
  const Case cases[] = {{0, 36.0, 200.0, -10.0}, {1, 36.0, 200.0, -10.0}, {2, 26.0, 100.0, -10.0},
                        {3, 36.0, 100.0, 0.0},   {4, 26.0, 100.0, -10.0}, {5, 36.0, 100.0, 0.0}};
  for (const auto& c : cases) {
    ResetProjectData();
    BuildModel(c.method, 2.0);
    SaveModelSnapshot();
    ApplyPartialFactors();
    EXPECT_DOUBLE_EQ(BlockTable[0].UnitWeight, c.unitWeight) << "method " << c.method;
    EXPECT_DOUBLE_EQ(SheetPileSettings.AllowableShear, c.pileShear) << "method " << c.method;
    EXPECT_DOUBLE_EQ(cm.Surcharges.XMin[0], c.loadXMin) << "method " << c.method;
  }
}

TEST(PartialFactors, AllOnesChangeOnlyTheSandPileSwitchUntilRestore) {
  for (int method : {0, 1, 2, 3, 4, 5}) {
    ResetProjectData();
    BuildModel(method, 1.0);
    ModelSnapshotRecord expected = Copy();
    {
      DesignCopyScope scope(ApplyPartialFactors);
      for (int i = 0; i < BlockCount; ++i) {
        EXPECT_EQ(BlockTable[i].SandPile, 0) << "method " << method;
        expected.BlockTable[i].SandPile = 0;
      }
      expected.PartialFactors.Enabled = 0;  // the live switch reads off while in force
      ExpectModelEquals(expected);
    }
    EXPECT_EQ(BlockTable[0].SandPile, 1);
    EXPECT_EQ(PartialFactors.Enabled, 1);
  }
}

TEST(PartialFactors, FelleniusMultipliesForcesLoadsPileAndSoil) {
  BuildModel(kMethodFellenius, 1.0);
  PartialFactors.Factor[kFactorForce1 + 1] = 1.5;
  PartialFactors.Factor[kFactorSurcharge1 + 2] = 2.0;
  PartialFactors.Factor[kFactorPileShear] = 0.5;
  PartialFactors.Factor[kFactorPilePressure] = 3.0;
  PartialFactors.Factor[kFactorCohesion] = 0.5;
  PartialFactors.Factor[kFactorFriction] = 0.5;
  PartialFactors.Factor[kFactorSoilClass1] = 1.1;
  PartialFactors.Factor[kFactorStructureWeight] = 1.2;
  SaveModelSnapshot();
  EXPECT_EQ(ApplyPartialFactorsFellenius(), 0);
  EXPECT_DOUBLE_EQ(cm.HorizontalForces.H[1], 30.0);
  EXPECT_DOUBLE_EQ(cm.Surcharges.LoadAtXMax[2], 14.0);
  EXPECT_DOUBLE_EQ(SheetPileSettings.AllowableShear, 50.0);
  EXPECT_DOUBLE_EQ(SheetPileSettings.Intensity[1], 6.0);
  EXPECT_DOUBLE_EQ(SheetPileSettings.Intensity[2], 3.0);  // beyond RowCount
  const BlockRecord& soil = BlockTable[0];
  EXPECT_DOUBLE_EQ(soil.Cohesion, 5.0);
  EXPECT_DOUBLE_EQ(soil.CohesionGradient, 1.0);
  // tan φd = 0.5 tan 30°
  EXPECT_NEAR(soil.FrictionAngle, 16.1021138, 1e-6);  // 1e-6: value quoted to 7 decimals
  // Factor on the total weight, difference γt - γ' kept at 10.
  EXPECT_DOUBLE_EQ(soil.UnitWeight, 19.8);
  EXPECT_DOUBLE_EQ(soil.EffectiveUnitWeight, 9.8);
  EXPECT_DOUBLE_EQ(BlockTable[2].UnitWeight, 21.6);
  EXPECT_EQ(PartialFactors.Enabled, 0);
  EXPECT_EQ(PartialFactors.Factor[kFactorFriction], 1.0);
}

TEST(PartialFactors, WaterBlocksKeepWeightsButTakeStrengthFactors) {
  BuildModel(kMethodFellenius, 2.0);
  SaveModelSnapshot();
  ApplyPartialFactorsFellenius();
  const BlockRecord& water = BlockTable[1];
  EXPECT_EQ(water.UnitWeight, 18.0);
  EXPECT_EQ(water.EffectiveUnitWeight, 8.0);
  EXPECT_DOUBLE_EQ(water.Cohesion, 20.0);
  EXPECT_GT(water.FrictionAngle, 30.0);
}

TEST(PartialFactors, BishopFactorsTheEffectiveWeightAndLeavesThePile) {
  BuildModel(kMethodBishop, 1.0);
  PartialFactors.Factor[kFactorSoilClass1] = 1.5;
  PartialFactors.Factor[kFactorPileShear] = 0.5;
  SaveModelSnapshot();
  EXPECT_EQ(ApplyPartialFactorsBishop(), 0);
  EXPECT_DOUBLE_EQ(BlockTable[0].EffectiveUnitWeight, 12.0);
  EXPECT_DOUBLE_EQ(BlockTable[0].UnitWeight, 22.0);  // difference 10 kept
  EXPECT_EQ(SheetPileSettings.AllowableShear, 100.0);
}

TEST(PartialFactors, StraightLinesKeepLoadWidthsAndPile) {
  BuildModel(kMethodLineFromPoint, 1.5);
  SaveModelSnapshot();
  EXPECT_EQ(ApplyPartialFactorsStraight(), 0);
  EXPECT_EQ(cm.Surcharges.XMax[0], 10.0);
  EXPECT_EQ(SheetPileSettings.AllowableShear, 100.0);
  EXPECT_DOUBLE_EQ(cm.HorizontalForces.H[0], 15.0);
}

TEST(PartialFactors, SoilFactorFollowsTheFactorClass) {
  struct Case {
    int factorClass;
    double expectedWeight;
  };
  // Rows 13, 14, 15 set to 2, 3, 4: class 1 and 2 pick their own, anything else the sand row.
  const Case cases[] = {{1, 36.0}, {2, 54.0}, {3, 72.0}, {0, 72.0}, {4, 72.0}};
  for (const auto& c : cases) {
    ResetProjectData();
    BuildModel(kMethodFellenius, 1.0);
    BlockTable[0].FactorClass = c.factorClass;
    PartialFactors.Factor[kFactorSoilClass1] = 2.0;
    PartialFactors.Factor[kFactorSoilClass2] = 3.0;
    PartialFactors.Factor[kFactorSoilOther] = 4.0;
    SaveModelSnapshot();
    ApplyPartialFactorsFellenius();
    EXPECT_DOUBLE_EQ(BlockTable[0].UnitWeight, c.expectedWeight) << "class " << c.factorClass;
  }
}

TEST(PartialFactors, LoadLeftOfEnabledPassPointWidensRightAndDragsIt) {
  BuildModel(kMethodFellenius, 1.0);
  FelleniusCircleSettings.PassPointOn = 1;
  FelleniusCircleSettings.PassPointX = 12.0;
  PartialFactors.Factor[kFactorSurchargeWidth1] = 1.2;      // load 1 is 10 m wide
  PartialFactors.Factor[kFactorSurchargeWidth1 + 1] = 2.0;  // load 2, right of the point
  SaveModelSnapshot();
  ApplyPartialFactorsFellenius();
  EXPECT_DOUBLE_EQ(cm.Surcharges.XMax[0], 12.0);
  EXPECT_EQ(cm.Surcharges.XMin[0], 0.0);
  EXPECT_DOUBLE_EQ(FelleniusCircleSettings.PassPointX, 14.0);
  EXPECT_DOUBLE_EQ(cm.Surcharges.XMin[1], 25.0);  // widened to the left by 5 m
  EXPECT_EQ(cm.Surcharges.XMax[1], 35.0);
}

TEST(PartialFactors, LaterLoadsAreJudgedAgainstThePassPointLoadOneMoved) {
  BuildModel(kMethodFellenius, 1.0);
  FelleniusCircleSettings.PassPointOn = 1;
  FelleniusCircleSettings.PassPointX = 12.0;
  PartialFactors.Factor[kFactorSurchargeWidth1] = 1.2;  // load 1 widens right, point to 14
  // Load 2 has its middle at 13: left of the moved pass point, right of where it began.
  cm.Surcharges.XMin[1] = 12.5;
  cm.Surcharges.XMax[1] = 13.5;
  PartialFactors.Factor[kFactorSurchargeWidth1 + 1] = 2.0;  // 1 m wide: 1 m more
  SaveModelSnapshot();
  ApplyPartialFactorsFellenius();
  EXPECT_DOUBLE_EQ(FelleniusCircleSettings.PassPointX, 14.0);
  EXPECT_EQ(cm.Surcharges.XMin[1], 12.5);
  EXPECT_DOUBLE_EQ(cm.Surcharges.XMax[1], 14.5);
}

TEST(PartialFactors, PassPointSwitchedOffStillSetsTheDirectionButStays) {
  BuildModel(kMethodBishop, 1.0);
  BishopCircleSettings.PassPointOn = 0;
  BishopCircleSettings.PassPointX = -5.0;  // every load lies to its right
  PartialFactors.Factor[kFactorSurchargeWidth1] = 1.5;
  SaveModelSnapshot();
  ApplyPartialFactorsBishop();
  EXPECT_DOUBLE_EQ(cm.Surcharges.XMin[0], -5.0);
  EXPECT_EQ(cm.Surcharges.XMax[0], 10.0);
  EXPECT_EQ(BishopCircleSettings.PassPointX, -5.0);
}

TEST(PartialFactors, SharedResidualWaterPointMovesOnce) {
  BuildModel(kMethodFellenius, 1.0);
  PartialFactors.Factor[kFactorResidualWater] = 1.2;
  SaveModelSnapshot();
  ApplyPartialFactorsFellenius();
  EXPECT_DOUBLE_EQ(PointTable[0].Y, 6.0);
  EXPECT_DOUBLE_EQ(PointTable[1].Y, 6.0);  // ends both lines: once, not 7.2
  EXPECT_DOUBLE_EQ(PointTable[2].Y, 7.2);
}

TEST(PartialFactors, BlockBoxesWidenOverRaisedWaterPoints) {
  BuildModel(kMethodFellenius, 1.0);
  PartialFactors.Factor[kFactorResidualWater] = 2.0;  // point 2 rises from 6 to 12
  BlockTable[1].BBox = {30.0, 25.0, 10.0, 0.0};       // does not hold the water points
  SaveModelSnapshot();
  {
    DesignCopyScope scope(ApplyPartialFactorsFellenius);
    EXPECT_DOUBLE_EQ(BlockTable[0].BBox[2], 12.0);
    EXPECT_EQ(BlockTable[1].BBox[2], 10.0);
  }
  EXPECT_EQ(BlockTable[0].BBox[2], 10.0);
}

TEST(PartialFactors, BadPointReferenceOfAWaterLineIsSkipped) {
  BuildModel(kMethodFellenius, 2.0);
  AddLine(kLineResidualWater, 0, kMaxPoints + 5);
  SaveModelSnapshot();
  EXPECT_EQ(ApplyPartialFactorsFellenius(), 0);
  EXPECT_DOUBLE_EQ(PointTable[0].Y, 10.0);
}

// --- The scope guard --------------------------------------------------------------------------

TEST(DesignCopyScope, RestoresAndReadsUserFactorsFromTheSnapshot) {
  BuildModel(kMethodBishop, 1.5);
  {
    DesignCopyScope scope(ApplyPartialFactors);
    EXPECT_TRUE(DesignCopyInForce());
    EXPECT_EQ(PartialFactors.Enabled, 0);
    EXPECT_EQ(UserPartialFactors().Enabled, 1);
    EXPECT_EQ(UserPartialFactors().Factor[kFactorStructural], 1.5);
  }
  EXPECT_FALSE(DesignCopyInForce());
  EXPECT_EQ(cm.HorizontalForces.H[0], 10.0);
  EXPECT_EQ(UserPartialFactors().Enabled, 1);
}

TEST(DesignCopyScope, InnerScopeDoesNothing) {
  BuildModel(kMethodFellenius, 2.0);
  DesignCopyScope outer(ApplyPartialFactors);
  {
    DesignCopyScope inner(ApplyPartialFactors);
    EXPECT_FALSE(inner.IsOuter());
    EXPECT_EQ(cm.HorizontalForces.H[0], 20.0);  // not factored twice
  }
  EXPECT_EQ(cm.HorizontalForces.H[0], 20.0);  // the inner end did not restore
  EXPECT_EQ(ModelSnapshot.cm.HorizontalForces.H[0], 10.0);
  EXPECT_TRUE(DesignCopyInForce());
}

TEST(DesignCopyScope, ExceptionLeavingTheScopeRestores) {
  BuildModel(kMethodFellenius, 2.0);
  EXPECT_THROW(
      {
        DesignCopyScope scope(ApplyPartialFactors);
        throw std::runtime_error("stop");
      },
      std::runtime_error);
  EXPECT_FALSE(DesignCopyInForce());
  EXPECT_EQ(cm.HorizontalForces.H[0], 10.0);
  EXPECT_EQ(PartialFactors.Enabled, 1);
}

TEST(DesignCopyScope, ExceptionInTheApplyRoutineRestores) {
  BuildModel(kMethodFellenius);
  auto failing = []() -> int {
    cm.HorizontalForces.H[0] = 99.0;
    throw std::runtime_error("apply failed");
  };
  EXPECT_THROW(DesignCopyScope scope(failing), std::runtime_error);
  EXPECT_FALSE(DesignCopyInForce());
  EXPECT_EQ(cm.HorizontalForces.H[0], 10.0);
}

}  // namespace
}  // namespace selvana
