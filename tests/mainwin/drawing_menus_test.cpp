// The result-dependent menus: result items, display-switch presets, and one placement item per
// surcharge, force and sheet-pile pressure row that has a value.
#include "mainwin/drawing_menus.h"

#include <gtest/gtest.h>

#include "mainwin/recording_menus.h"
#include "model/project_model.h"

namespace selvana {
namespace {

constexpr int L1 = 0, R1 = 1, L2 = 2, R2 = 3;

void SetSurcharge(int i, double atMin, double atMax) {
  cm.Surcharges.LoadAtXMin[i] = atMin;
  cm.Surcharges.LoadAtXMax[i] = atMax;
}

std::array<int, kDisplaySwitchCount> Switches(std::initializer_list<int> on) {
  std::array<int, kDisplaySwitchCount> s{};
  for (int i : on) s[i] = 1;
  return s;
}

TEST(DrawingMenuResults, WithoutResultsHidesDrawingAndDisablesResultTable) {
  const DrawingMenuState s = ComputeDrawingMenus(0);
  EXPECT_TRUE(s.SetsResultItems);
  EXPECT_FALSE(s.MZmnDrawVisible);
  EXPECT_FALSE(s.KekkaEnabled);
}

TEST(DrawingMenuResults, WithResultsShowsDrawingAndEnablesResultTable) {
  const DrawingMenuState s = ComputeDrawingMenus(1);
  EXPECT_TRUE(s.MZmnDrawVisible);
  EXPECT_TRUE(s.KekkaEnabled);
}

TEST(DrawingMenuResults, OtherValueLeavesResultItemsAndSwitchesAlone) {
  DisplaySwitches.fill(1);
  const DrawingMenuState s = ComputeDrawingMenus(-1);
  EXPECT_FALSE(s.SetsResultItems);
  EXPECT_EQ(DisplaySwitches,
            Switches({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
}

TEST(DrawingMenuSwitchPresets, BeforeACalculationShowTheModel) {
  DisplaySwitches.fill(1);
  ComputeDrawingMenus(0);
  EXPECT_EQ(DisplaySwitches, Switches({0, 1, 2, 3, 4, 5, 6, 7, 9, 14, 15, 17}));
}

TEST(DrawingMenuSwitchPresets, AfterACalculationShowTheFigure) {
  DisplaySwitches.fill(0);
  DisplaySwitches[kShowAutoSwitch] = 1;
  ComputeDrawingMenus(1);
  EXPECT_EQ(DisplaySwitches, Switches({1, 3, 7, 8, 9, 10, 11, 12, 13, 15, 16, 18, 19}));
}

TEST(DrawingMenuSwitchPresets, AutomaticSwitchingOffTouchesNoSwitch) {
  DisplaySwitches.fill(0);
  DisplaySwitches[kShowGrid] = 1;
  const auto before = DisplaySwitches;
  ComputeDrawingMenus(1);
  EXPECT_EQ(DisplaySwitches, before);
  ComputeDrawingMenus(0);
  EXPECT_EQ(DisplaySwitches, before);
}

TEST(DrawingMenuSurcharges, UniformLoadShowsOneBothSidesItem) {
  SetSurcharge(0, 10.0, 10.0);
  DrawSettings.SurchargeLabelRight[0] = 1;
  const DrawingMenuState s = ComputeDrawingMenus(1);
  EXPECT_TRUE(s.K[L1].Visible);
  EXPECT_EQ(s.K[L1].Caption, "(1B)  10.000");
  EXPECT_FALSE(s.K[R1].Visible);
  EXPECT_EQ(DrawSettings.SurchargeLabelRight[0], -1);
  EXPECT_TRUE(s.KajuVisible);
}

TEST(DrawingMenuSurcharges, LoadRisingFromZeroShowsOnlyTheRightItem) {
  SetSurcharge(1, 0.0, 5.0);
  DrawSettings.SurchargeLabelLeft[1] = 2;
  DrawSettings.SurchargeLabelRight[1] = 2;
  const DrawingMenuState s = ComputeDrawingMenus(1);
  EXPECT_FALSE(s.K[L2].Visible);
  EXPECT_TRUE(s.K[R2].Visible);
  EXPECT_EQ(s.K[R2].Caption, "(2R)   5.000");
  EXPECT_EQ(DrawSettings.SurchargeLabelLeft[1], -1);
  EXPECT_EQ(DrawSettings.SurchargeLabelRight[1], 2);
}

TEST(DrawingMenuSurcharges, TinyLeftLoadShowsItsItemButNotTheSubmenu) {
  // The item shows from 0.0001, the submenu only from 0.001 on the left side.
  SetSurcharge(0, 0.0005, 0.0);
  const DrawingMenuState s = ComputeDrawingMenus(1);
  EXPECT_TRUE(s.K[L1].Visible);
  EXPECT_FALSE(s.KajuVisible);
}

TEST(DrawingMenuSurcharges, NoLoadsHideEverythingAndClearEveryLabel) {
  DrawSettings.SurchargeLabelLeft = {1, 1, 1, 1};
  DrawSettings.SurchargeLabelRight = {1, 1, 1, 1};
  const DrawingMenuState s = ComputeDrawingMenus(0);
  for (const MenuItemState& k : s.K) EXPECT_FALSE(k.Visible);
  EXPECT_FALSE(s.KajuVisible);
  EXPECT_EQ(DrawSettings.SurchargeLabelLeft, (std::array<int, 4>{-1, -1, -1, 1}));
  EXPECT_EQ(DrawSettings.SurchargeLabelRight, (std::array<int, 4>{-1, -1, -1, 1}));
}

TEST(DrawingMenuForces, ShowEachForceWithItsValue) {
  cm.HorizontalForces.H = {0.0, 12.5, 0.00005, 0.0};
  const DrawingMenuState s = ComputeDrawingMenus(1);
  EXPECT_FALSE(s.G[0].Visible);
  EXPECT_TRUE(s.G[1].Visible);
  EXPECT_EQ(s.G[1].Caption, "(2)  12.500");
  EXPECT_FALSE(s.G[2].Visible);
  EXPECT_TRUE(s.GairyokuVisible);
}

TEST(DrawingMenuForces, SmallForcesHideTheSubmenu) {
  cm.HorizontalForces.H = {0.0005, 0.0, 0.0, 0.0};
  const DrawingMenuState s = ComputeDrawingMenus(1);
  EXPECT_TRUE(s.G[0].Visible);
  EXPECT_FALSE(s.GairyokuVisible);
}

TEST(DrawingMenuPilePressure, RepeatedRowGetsNoItem) {
  SheetPileSettings.RowCount = 3;
  SheetPileSettings.Intensity[0] = 10.0;
  SheetPileSettings.Intensity[1] = 10.0;
  SheetPileSettings.Intensity[2] = 12.0;
  SheetPileSettings.Intensity[3] = 30.0;  // beyond the row count
  const DrawingMenuState s = ComputeDrawingMenus(1);
  EXPECT_TRUE(s.Y[0].Visible);
  EXPECT_FALSE(s.Y[1].Visible);
  EXPECT_TRUE(s.Y[2].Visible);
  EXPECT_FALSE(s.Y[3].Visible);
  EXPECT_EQ(s.Y[2].Caption, "  12.000");
  EXPECT_TRUE(s.YTVisible);
}

TEST(DrawingMenuPilePressure, NoRowsHideTheSubmenu) {
  const DrawingMenuState s = ComputeDrawingMenus(1);
  EXPECT_FALSE(s.YTVisible);
  for (const MenuItemState& y : s.Y) EXPECT_FALSE(y.Visible);
}

TEST(DrawingMenuUpdate, ProjectResetAppliesTheStateWithoutResults) {
  test::RecordingDrawingMenus menus;
  ResetProjectData();
  EXPECT_EQ(menus.applied, 1);
  EXPECT_TRUE(menus.last.SetsResultItems);
  EXPECT_FALSE(menus.last.MZmnDrawVisible);
}

}  // namespace
}  // namespace selvana
