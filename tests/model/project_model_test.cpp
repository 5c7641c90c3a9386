// The new-project state that ResetProjectData gives, the order in which it calls the resets of
// later subsystems, and the free-slot helpers of the three tables.
#include "model/project_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/reset_hooks.h"

namespace selvana {
namespace {

// Puts a value other than its default into many fields, so that a reset has work to do.
void DirtyTheModel() {
  DataModified = 1;
  CalcStatus = 1;
  cm.ProjectFileName = "old";
  cm.ProjectTitle = "title";
  cm.kt = kMethodBishop;
  cm.MaxSafetyFactor = 5.0;
  cm.SliceWidth = 0.5;
  cm.SeismicIncludesSurcharge = 0;
  cm.Surcharges.XMax[2] = 9.0;
  cm.Surcharges.LoadAtXMin[0] = 5.0;
  DrawSettings.SurchargeLabelLeft.fill(2);
  DrawSettings.SurchargeLabelRight.fill(2);
  cm.CohesionRefLine.Count = 5;
  cm.CohesionRefLine.Y[63] = 2.0;
  BishopCircleSettings.Radius[1] = 7.0;
  BishopCircleSettings.Entered = 1;
  StraightSlipSettings.Side = 3;
  StraightSlipSettings.Range[2] = 0.0;
  SheetPileSettings.Mode = 2;
  SheetPileSettings.Intensity[10] = 3.0;
  DrawSettings.PileLabelMode[63] = 1;
  PartialFactors.Enabled = 1;
  PartialFactors.Factor[31] = 1.3;
  PointTable[1000] = {1000, 1.0, 2.0};
  LineTable[5] = {kLineBoundary, 1, 2, 1};
  BlockTable[255].Number = 255;
  BlockTable[255].FrictionAngle = 30.0;
  BlockTable[255].SoilLabelMode = 2;
  PointCount = 1001;
  LineCount = 6;
  BlockCount = 256;
  DrawSettings.Decimals.fill(5);
  DrawSettings.Sizes[15] = -1.0;
  DrawSettings.DrawOrder.fill(1);
  DisplaySwitches.fill(1);
  DisplaySwitches[0] = 0;
  GridSpacing = {1.0, 2.0};
  ParallelLineDistance = 4.0;
}

TEST(ResetProjectData, GivesTheCalculationConditionsOfANewProject) {
  DirtyTheModel();
  EXPECT_EQ(ResetProjectData(), 0);
  EXPECT_EQ(DataModified, -1);
  EXPECT_EQ(CalcStatus, 0);
  EXPECT_EQ(cm.ProjectFileName, "");
  EXPECT_EQ(cm.ProjectTitle, "");
  EXPECT_EQ(cm.kt, kMethodFellenius);
  EXPECT_EQ(cm.SeismicIncludesSurcharge, 1);
  EXPECT_EQ(cm.Surcharges.XMax[2], 0.0);
  EXPECT_EQ(cm.CohesionRefLine.Count, 0);
  EXPECT_EQ(cm.CohesionRefLine.Y[63], 0.0);
  EXPECT_EQ(cm.MaxSafetyFactor, 10000.0);
  EXPECT_EQ(cm.SliceWidth, 0.1);
  EXPECT_EQ(cm.AllowableSafetyFactor, 1.0);
  EXPECT_EQ(ParallelLineDistance, 1.0);
}

TEST(ResetProjectData, GivesBothCircleSettingsTheSameDefaults) {
  DirtyTheModel();
  ResetProjectData();
  for (const CircleSearchSettings* s : {&FelleniusCircleSettings, &BishopCircleSettings}) {
    EXPECT_EQ(s->Entered, 2);
    EXPECT_EQ(s->CentreX[2], 1.0);
    EXPECT_EQ(s->CentreY[2], 1.0);
    EXPECT_EQ(s->Radius[0], 1.0);
    EXPECT_EQ(s->Radius[1], 100.0);
    EXPECT_EQ(s->Radius[2], 1.0);
    EXPECT_EQ(s->ExtendFirstGrid, 2);
    EXPECT_EQ(s->HighestGridOrder, 1);
    EXPECT_EQ(s->SlipDirection, 1);
    EXPECT_EQ(s->PassPointOn, 0);
  }
  EXPECT_EQ(StraightSlipSettings.Side, 2);
  EXPECT_EQ(StraightSlipSettings.Passes, 1);
  EXPECT_EQ(StraightSlipSettings.Range[2], 1.0);
  EXPECT_EQ(SheetPileSettings.Mode, 0);
  EXPECT_EQ(SheetPileSettings.Intensity[10], 0.0);
  EXPECT_EQ(DrawSettings.PileLabelMode[63], -1);
  EXPECT_EQ(PartialFactors.Enabled, 0);
  EXPECT_EQ(PartialFactors.Factor[31], 1.0);
}

TEST(ResetProjectData, EmptiesAndFreesEveryTable) {
  DirtyTheModel();
  ResetProjectData();
  EXPECT_EQ(PointCount, 0);
  EXPECT_EQ(LineCount, 0);
  EXPECT_EQ(BlockCount, 0);
  EXPECT_EQ(PointTable[1000].Id, -1);
  EXPECT_EQ(PointTable[1000].X, 0.0);
  EXPECT_EQ(LineTable[5].Kind, kLineFree);
  EXPECT_EQ(LineTable[5].DrawFlag, -1);
  EXPECT_EQ(BlockTable[255].Number, -1);
  EXPECT_EQ(BlockTable[255].FrictionAngle, 0.0);
  EXPECT_EQ(BlockTable[255].SoilLabelMode, 0);
}

TEST(ResetProjectData, ShowsPhiWithoutDecimalsAndEverythingElseWithThree) {
  DirtyTheModel();
  ResetProjectData();
  EXPECT_EQ(DrawSettings.Decimals, (std::array<int, 8>{3, 3, 3, 0, 3, 3, 3, 3}));
  EXPECT_EQ(DrawSettings.DrawOrder, (std::array<int, 4>{1, -1, -1, -1}));
  EXPECT_EQ(DrawSettings.Sizes[0], 4.0);
  EXPECT_EQ(DrawSettings.SoilTableMode(), 4.0);  // soil conditions on the terrain
  EXPECT_EQ(DrawSettings.PaperSize, 3);
  EXPECT_EQ(DrawSettings.ScaleDenominator, 100.0);
}

// Keeps the installed reset hooks and puts them back at the end of a test that replaces them.
class ScopedResetHooks {
 public:
  ScopedResetHooks() : saved_(ResetHooks) {}
  ~ScopedResetHooks() { ResetHooks = saved_; }
  ScopedResetHooks(const ScopedResetHooks&) = delete;
  ScopedResetHooks& operator=(const ScopedResetHooks&) = delete;

 private:
  ProjectResetHooks saved_;
};

// The switches and load labels as the reset itself leaves them, as the full reader's reset
// does; the menu update that ends the reset may then load the preset of automatic switching.
TEST(ResetProjectData, HidesTheResultAndLoadLayersAndLabelsAndShowsTheRest) {
  ScopedResetHooks keep;
  ResetHooks.UpdateDrawingMenus = nullptr;
  DirtyTheModel();
  ResetProjectData();
  for (int i = 0; i < kDisplaySwitchCount; ++i) {
    const bool shown = i <= kShowCircleCentres || i == kShowResidualWater;
    EXPECT_EQ(DisplaySwitches[i], shown ? 1 : 0) << "display switch " << i;
  }
  EXPECT_EQ(GridSpacing.Coarse, 10.0);
  EXPECT_EQ(GridSpacing.Fine, 10.0);
  for (int i = 0; i < kSurchargeCount; ++i) {
    EXPECT_EQ(DrawSettings.SurchargeLabelLeft[i], -1) << "surcharge " << i;
    EXPECT_EQ(DrawSettings.SurchargeLabelRight[i], -1) << "surcharge " << i;
  }
}

// What each reset hook saw of the model when it was called.
std::vector<std::string> hookCalls;

TEST(ResetProjectData, CallsTheResetsOfLaterSubsystemsInTheirPlace) {
  ScopedResetHooks keep;
  hookCalls.clear();
  ResetHooks.ResetMouseMode = [] {
    hookCalls.push_back("mouse DataModified=" + std::to_string(DataModified) +
                        " kt=" + std::to_string(cm.kt));
  };
  ResetHooks.ResetViewState = [] {
    hookCalls.push_back("view grid=" + std::to_string(static_cast<int>(GridSpacing.Fine)) +
                        " CalcStatus=" + std::to_string(CalcStatus));
  };
  ResetHooks.ResetSlidingSenses = [] { hookCalls.push_back("senses"); };
  ResetHooks.SaveModelSnapshot = [] {
    hookCalls.push_back("snapshot CalcStatus=" + std::to_string(CalcStatus) +
                        " parallel=" + std::to_string(static_cast<int>(ParallelLineDistance)));
  };
  ResetHooks.UpdateDrawingMenus = [](int withResults) {
    hookCalls.push_back("menus " + std::to_string(withResults));
  };
  DirtyTheModel();
  ResetProjectData();
  EXPECT_EQ(hookCalls,
            (std::vector<std::string>{"mouse DataModified=-1 kt=2", "view grid=10 CalcStatus=1",
                                      "senses", "snapshot CalcStatus=0 parallel=1", "menus 0"}));
}

TEST(FreeSlots, UseTheNextSlotOfAnEmptyOrGaplessTable) {
  EXPECT_EQ(FindFreePointSlot(), 0);
  EXPECT_EQ(FindFreeLineSlot(), 0);
  EXPECT_EQ(FindFreeBlockSlot(), 0);
  PointTable[0] = {0, 1.0, 1.0};
  PointTable[1] = {1, 2.0, 1.0};
  PointCount = 2;
  EXPECT_EQ(FindFreePointSlot(), 2);
}

TEST(FreeSlots, ReuseAFreedSlotBelowTheCount) {
  for (int i = 0; i < 4; ++i) PointTable[i] = {i, 0.0, 0.0};
  PointTable[2].Id = -1;
  PointCount = 4;
  EXPECT_EQ(FindFreePointSlot(), 2);

  for (int i = 0; i < 4; ++i) BlockTable[i].Number = i;
  BlockTable[3].Number = -1;
  BlockCount = 4;
  EXPECT_EQ(FindFreeBlockSlot(), 3);
}

TEST(FreeSlots, CountALineSlotOfKindZeroAsOccupied) {
  LineTable[0].Kind = 0;
  LineTable[1].Kind = kLineBoundary;
  LineTable[2].Kind = 8;  // outside 0..7: no line, the slot may be reused
  LineCount = 3;
  EXPECT_EQ(FindFreeLineSlot(), 2);
  LineTable[2].Kind = kLineResidualWater;
  EXPECT_EQ(FindFreeLineSlot(), 3);
}

TEST(FreeSlots, ReportAFullTable) {
  for (int i = 0; i < kMaxPoints; ++i) PointTable[i].Id = i;
  PointCount = kMaxPoints;
  EXPECT_EQ(FindFreePointSlot(), -1);
  PointTable[kMaxPoints - 1].Id = -1;
  EXPECT_EQ(FindFreePointSlot(), kMaxPoints - 1);

  for (int i = 0; i < kMaxLines; ++i) LineTable[i].Kind = kLineUncut;
  LineCount = kMaxLines;
  EXPECT_EQ(FindFreeLineSlot(), -1);

  for (int i = 0; i < kMaxBlocks; ++i) BlockTable[i].Number = i;
  BlockCount = kMaxBlocks;
  EXPECT_EQ(FindFreeBlockSlot(), -1);
}

TEST(MarkModified, InvalidatesResultsOnlyForValuesThatAffectThem) {
  DataModified = 0;
  CalcStatus = 1;
  MarkModified(false);
  EXPECT_EQ(DataModified, 1);
  EXPECT_EQ(CalcStatus, 1);
  MarkModified(true);
  EXPECT_EQ(CalcStatus, 0);
}

}  // namespace
}  // namespace selvana
