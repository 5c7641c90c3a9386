// The rules of the settings dialogs without a window: what each shows, what OK stores, and
// which of the project's flags a change raises.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "calc/results/consolidation.h"
#include "calc/results/slip_result.h"
#include "calc/test_model_builder.h"
#include "forms/calc_conditions_form.h"
#include "forms/search_settings_form.h"
#include "forms/view_settings_form.h"
#include "model/project_model.h"
#include "platform/cp932.h"

namespace selvana {
namespace {

// A project with a value in every field the dialogs show, none finer than four decimals.
void FillProject() {
  cm.ProjectTitle = ToCp932("盛土の検討");
  cm.kt = kMethodFellenius;
  cm.SeismicCoefficient = 0.15;
  cm.Surcharges.LoadAtXMax = {10.5, 0.0, 2.25, 0.0};
  cm.HorizontalForces.H = {-3.1416, 0.0, 0.0, 0.0};
  cm.SliceWidth = 0.25;
  cm.SandPileFormula = 2;
  BishopCircleSettings.CentreX = {-5.0, 5.0, 0.5, 0.0};
  BishopCircleSettings.HighestGridOrder = 3;
  BishopCircleSettings.PassPointOn = 1;
  StraightSlipSettings.PointX = {1.5, 2.5, 3.5, 4.5};
  StraightSlipSettings.Range = {10.0, 40.0, 1.25, 0.0};
  StraightSlipSettings.Side = 1;
  StraightSlipSettings.Passes = 2;
  DrawSettings.PaperSize = 2;
  DrawSettings.ScaleDenominator = 250.0;
  DrawSettings.Sizes[3] = 3.5;
  DrawSettings.DrawOrder = {1, -1, 1, -1};
  DrawSettings.SoilTableMode() = -1.0;
  DisplaySwitches[kShowFrame] = 1;
  GridSpacing = {5.0, 1.0};
}

struct Dialog {
  const char* name;
  std::function<FormControls()> fill;
  std::function<void(const FormControls&)> store;
};

const Dialog kDialogs[] = {
    {"calculation conditions", FillCalcConditions, StoreCalcConditions},
    {"circle search", FillCircleSearch, StoreCircleSearch},
    {"line from a point", FillLineFromPoint, StoreLineFromPoint},
    {"line between segments", FillLineBetweenSegments, StoreLineBetweenSegments},
    {"drawing settings", FillDrawSettings, StoreDrawSettings},
    {"display settings", FillDisplaySettings, StoreDisplaySettings},
};

class SettingsForms : public ::testing::Test {
 protected:
  void SetUp() override {
    FillProject();
    DataModified = 0;
    CalcStatus = 1;
  }
  void ExpectFlags(int modified, int status) const {
    EXPECT_EQ(DataModified, modified);
    EXPECT_EQ(CalcStatus, status);
  }
};

TEST_F(SettingsForms, OkWithoutAChangeKeepsTheFlags) {
  for (const Dialog& dialog : kDialogs) {
    SetUp();
    FormControls form = dialog.fill();
    if (form.Edit[24] == "0.2500") form.Edit[24] = "0.25000005";  // within the tolerance
    dialog.store(form);
    EXPECT_EQ(DataModified, 0) << dialog.name;
    EXPECT_EQ(CalcStatus, 1) << dialog.name;
  }
}

// An edit that still shows its filled text keeps the value behind it, finer than the text; a
// text the user changed is stored as typed.
TEST_F(SettingsForms, UntouchedEditsKeepFinerValuesAndTypedOnesAreStored) {
  struct Case {
    const Dialog& dialog;
    double& field;
    double value;
    int edit;
    const char* shown;
  } cases[] = {
      {kDialogs[0], cm.SliceWidth, 0.123456, 24, "0.1235"},
      {kDialogs[1], FelleniusCircleSettings.CentreX[0], -4.123456, 3, "-4.1235"},
      {kDialogs[4], DrawSettings.ScaleDenominator, 250.7, kDrawScaleEdit, "251"},
  };
  for (const Case& c : cases) {
    SetUp();
    c.field = c.value;
    FormControls form = c.dialog.fill();
    EXPECT_EQ(form.Edit[c.edit], c.shown) << c.dialog.name;
    c.dialog.store(form);
    EXPECT_EQ(c.field, c.value) << c.dialog.name;
    EXPECT_EQ(DataModified, 0) << c.dialog.name;
    form.Edit[c.edit] = "2";
    c.dialog.store(form);
    EXPECT_EQ(c.field, 2.0) << c.dialog.name;
    EXPECT_EQ(DataModified, 1) << c.dialog.name;
  }
}

TEST_F(SettingsForms, TitleAndTableFormatOnlyMarkTheProject) {
  FormControls form = FillCalcConditions();
  form.Edit[1] = "法面の検討";
  StoreCalcConditions(form);
  EXPECT_EQ(ToUtf8(cm.ProjectTitle), "法面の検討");
  ExpectFlags(1, 1);

  SetUp();
  form = FillCalcConditions();
  CheckRadio(form, {6, 7}, 7);
  StoreCalcConditions(form);
  EXPECT_EQ(cm.SafetyTableFormat, 1);
  ExpectFlags(1, 1);
}

// A look-alike is stored under the code CP932 holds it as, and shown so; an untouched title
// keeps its bytes, though another code of its character shows alike.
TEST_F(SettingsForms, TitlesKeepTheirBytesUntouchedAndTakeLookAlikesAsTyped) {
  cm.ProjectTitle = "\x87\x90";  // ≒, whose first code is 0x81E0
  FormControls form = FillCalcConditions();
  StoreCalcConditions(form);
  EXPECT_EQ(cm.ProjectTitle, "\x87\x90");
  ExpectFlags(0, 1);
  EXPECT_EQ(FirstCharacterNotInFile(form.Edit[1], form.ShownTexts[1]), "");
  form.Edit[1] = "No.1〜No.2 −5m‖—¢£¬";
  EXPECT_EQ(FirstCharacterNotInFile(form.Edit[1], {}), "");
  EXPECT_EQ(FirstCharacterNotInFile("a" + form.Edit[1] + "𠮷한", {}), "𠮷");
  StoreCalcConditions(form);
  EXPECT_EQ(cm.ProjectTitle.substr(0, 15),
            "No.1\x81\x60No.2 \x81\x7C"
            "5m");
  EXPECT_EQ(FillCalcConditions().Edit[1], "No.1～No.2 －5m∥―￠￡￢");
}

TEST_F(SettingsForms, TitleIsCutToTheFieldOnACharacterBoundary) {
  FormControls form = FillCalcConditions();
  form.Edit[1] = "a";
  for (int i = 0; i < 150; ++i) form.Edit[1] += "斜";  // 1 + 300 bytes in CP932
  StoreCalcConditions(form);
  EXPECT_EQ(cm.ProjectTitle.size(), 255u);  // 1 + 127 whole characters
  EXPECT_EQ(cm.ProjectTitle, CutCp932(ToCp932(form.Edit[1]), 255));
  EXPECT_EQ(ToCp932(CapTitleText(form.Edit[1])), cm.ProjectTitle);  // the edit holds no more
  EXPECT_EQ(CapTitleText("短い題"), "短い題");
  EXPECT_EQ(CapTitleText("한" + std::string(300, 'a')), "한" + std::string(254, 'a'));
}

// Which controls a method leaves enabled, with partial factors off and total weight.
struct MethodCase {
  int button;
  int kt;
  bool seismic;
  bool sheetPile;
};
const MethodCase kMethodCases[] = {
    {1, 0, true, true},   {2, 1, true, true},  {3, 2, false, false},
    {5, 4, false, false}, {4, 3, true, false}, {12, 5, true, false},
};

TEST_F(SettingsForms, MethodDecidesTheSeismicEditAndTheSheetPileButton) {
  for (const MethodCase& c : kMethodCases) {
    SetUp();
    FormControls form = FillCalcConditions();
    CheckRadio(form, kMethodButtons, c.button);
    ApplyCalcConditionsEnabling(form);
    EXPECT_EQ(form.EditEnabled[2], c.seismic) << c.kt;
    EXPECT_EQ(form.ButtonEnabled[4], c.sheetPile) << c.kt;
    StoreCalcConditions(form);
    EXPECT_EQ(cm.kt, c.kt);
    EXPECT_EQ(cm.SeismicCoefficient, c.seismic ? 0.15 : 0.0) << c.kt;
  }
}

TEST_F(SettingsForms, EffectiveWeightOrPartialFactorsStoreNoSeismicCoefficient) {
  for (int switchOn = 0; switchOn < 2; ++switchOn) {
    SetUp();
    cm.DrivingForceMode = switchOn == 0 ? 2 : 0;
    PartialFactors.Enabled = switchOn;
    FormControls form = FillCalcConditions();
    EXPECT_FALSE(form.EditEnabled[2]);
    StoreCalcConditions(form);
    EXPECT_EQ(cm.SeismicCoefficient, 0.0);
  }
  EXPECT_EQ(cm.DrivingForceMode, 0);
}

TEST_F(SettingsForms, CalcConditionsRefuseNumbersNoLoadOrEarthquakeCanHave) {
  const struct {
    const char* name;
    int method;  // its button
    std::vector<std::pair<int, const char*>> typed;
    int refused;  // 0: none
  } cases[] = {
      {"negative seismic coefficient", 1, {{2, "-0.2"}}, 2},
      {"the same under Bishop, which stores none", 3, {{2, "-0.2"}}, 0},
      {"reversed load", 1, {{3, "40"}, {4, "10"}, {5, "50"}, {20, "50"}}, 4},
      {"reversed ends of no load", 1, {{6, "40"}, {7, "10"}}, 0},
      {"negative intensity", 1, {{21, "-1"}}, 21},
      {"maximum factor at the no-factor mark", 1, {{17, "999999.9"}}, 17},
      {"maximum factor just below it", 1, {{17, "999999.8"}}, 0},
  };
  for (const auto& c : cases) {
    FormControls form = FillCalcConditions();
    CheckRadio(form, kMethodButtons, c.method);
    for (const auto& [edit, text] : c.typed) form.Edit[edit] = text;
    const std::optional<EditRefusal> refusal = RefusedCalcCondition(form);
    EXPECT_EQ(c.refused, refusal ? refusal->edit : 0) << c.name;
    if (c.refused == 4) {
      EXPECT_EQ(
          "作用位置(Xmax)「10」は作用位置(Xmin)以上でなければなりません。"
          "作用位置(Xmax)を入力し直してください。",
          refusal->message);
    }
  }
}

TEST_F(SettingsForms, DrivingForceModeTwoComesBackAsOneAndOnlyMarks) {
  cm.kt = kMethodBishop;  // seismic already 0 with Bishop
  cm.SeismicCoefficient = 0.0;
  cm.DrivingForceMode = 2;
  const FormControls form = FillCalcConditions();
  EXPECT_TRUE(form.Radio[11]);
  StoreCalcConditions(form);
  EXPECT_EQ(cm.DrivingForceMode, 1);
  ExpectFlags(1, 1);
}

TEST_F(SettingsForms, SandPileFormulaRunsAgainstTheUpDownPosition) {
  cm.SandPileFormula = 0;
  FormControls form = FillCalcConditions();
  EXPECT_EQ(form.UpDown, 3);
  EXPECT_EQ(SandPilePictureFormula(form.UpDown), 0);
  form.UpDown = 1;
  StoreCalcConditions(form);
  EXPECT_EQ(cm.SandPileFormula, 2);
  ExpectFlags(1, 0);
}

TEST_F(SettingsForms, CircleDialogEditsTheRecordOfTheMethodFamily) {
  cm.kt = kMethodModifiedBishop;
  FormControls form = FillCircleSearch();
  EXPECT_EQ(form.Edit[1], "簡易ビショップ法(修正式)");
  EXPECT_STREQ(CircleFormCaption(cm.kt), "すべり円の設定－簡易ビショップ法(修正式)");
  EXPECT_EQ(form.Edit[5], "0.5000");
  form.Edit[5] = "0.25";
  StoreCircleSearch(form);
  EXPECT_EQ(BishopCircleSettings.CentreX[2], 0.25);

  cm.kt = kMethodTschebotarioff;
  form = FillCircleSearch();
  EXPECT_EQ(form.Edit[5], "1.0000");
  form.Edit[5] = "2";
  StoreCircleSearch(form);
  EXPECT_EQ(FelleniusCircleSettings.CentreX[2], 2.0);
  EXPECT_EQ(BishopCircleSettings.CentreX[2], 0.25);

  // Bishop itself and the straight-line codes show the Bishop record, as the centre rectangle
  // edits it; Fellenius its own.
  for (int kt : {kMethodBishop, kMethodLineFromPoint, kMethodLineBetweenSegments}) {
    cm.kt = kt;
    EXPECT_EQ(FillCircleSearch().Edit[5], "0.2500") << "method " << kt;
  }
  cm.kt = kMethodFellenius;
  EXPECT_EQ(FillCircleSearch().Edit[5], "2.0000");
}

TEST_F(SettingsForms, UnexpectedCircleChoicesShowTheLastButtonAndAreStoredAsIt) {
  cm.kt = kMethodBishop;
  BishopCircleSettings.HighestGridOrder = 7;
  BishopCircleSettings.ExtendFirstGrid = 0;
  BishopCircleSettings.SlipDirection = 9;
  const FormControls form = FillCircleSearch();
  EXPECT_TRUE(form.Radio[4]);
  EXPECT_FALSE(form.Check[1]);
  EXPECT_TRUE(form.Radio[7]);
  StoreCircleSearch(form);
  EXPECT_EQ(BishopCircleSettings.HighestGridOrder, 4);
  EXPECT_EQ(BishopCircleSettings.ExtendFirstGrid, 2);
  EXPECT_EQ(BishopCircleSettings.SlipDirection, 3);
  ExpectFlags(1, 0);
}

TEST_F(SettingsForms, PassPointSwitchesTheEditsButBothAreStored) {
  cm.kt = kMethodBishop;
  FormControls form = FillCircleSearch();  // pass point on
  EXPECT_FALSE(form.EditEnabled[9]);
  EXPECT_TRUE(form.EditEnabled[12]);
  form.Edit[9] = "12.5";
  form.Edit[12] = "-3";
  StoreCircleSearch(form);
  EXPECT_EQ(BishopCircleSettings.Radius[0], 12.5);
  EXPECT_EQ(BishopCircleSettings.PassPointY, -3.0);
}

// OK refuses a slip only in an enabled edit: one left in an edit greyed out afterwards keeps the
// stored value instead of becoming 0.
TEST_F(SettingsForms, ASlipInADisabledEditKeepsTheStoredValue) {
  cm.kt = kMethodBishop;
  BishopCircleSettings.PassPointX = 7.5;
  FormControls form = FillCircleSearch();
  form.Edit[2] = "ー７";
  form.Check[2] = false;  // pass point off
  ApplyCircleSearchEnabling(form);
  StoreCircleSearch(form);
  EXPECT_EQ(BishopCircleSettings.PassPointX, 7.5);

  form = FillDisplaySettings();
  form.Edit[1] = "ー５";
  form.Check[1 + kShowGrid] = false;
  ApplyDisplayEnabling(form);
  StoreDisplaySettings(form);
  EXPECT_EQ(GridSpacing.Coarse, 5.0);
}

TEST_F(SettingsForms, UnexpectedSideAndPassesAreStoredAsBothSidesAndOnePass) {
  StraightSlipSettings.Side = 5;
  StraightSlipSettings.Passes = 0;
  const FormControls form = FillLineFromPoint();
  EXPECT_TRUE(form.Radio[7]);
  EXPECT_FALSE(form.Check[1]);
  StoreLineFromPoint(form);
  EXPECT_EQ(StraightSlipSettings.Side, 0);
  EXPECT_EQ(StraightSlipSettings.Passes, 1);
  ExpectFlags(1, 0);
}

TEST_F(SettingsForms, BothLineDialogsShareTheStartPointAndLeaveTheirOwnFields) {
  FormControls form = FillLineFromPoint();
  form.Edit[3] = "-7.5";
  StoreLineFromPoint(form);
  form = FillLineBetweenSegments();
  EXPECT_EQ(form.Edit[3], "-7.5000");
  EXPECT_EQ(form.Edit[10], "4.5000");  // PointX[3], which the other dialog leaves alone
  form.Edit[7] = "0";                  // the start pitch is Range[0]
  StoreLineBetweenSegments(form);
  EXPECT_EQ(StraightSlipSettings.Range[0], 0.0);
  EXPECT_EQ(StraightSlipSettings.Range[2], 1.25);
  EXPECT_EQ(StraightSlipSettings.Side, 1);
}

// OK refuses a value with which the search finds no slip surface in the section, or a safety
// factor judged at too few decimals, naming the edit by its label; the project's own pass.
TEST_F(SettingsForms, OkRefusesSettingsThatFindNoSlipSurface) {
  using test::AddTestPoint;
  test::AddBoundaryChain(
      {AddTestPoint(0, 0), AddTestPoint(20, 0), AddTestPoint(20, 10), AddTestPoint(0, 10)});
  struct Dialog {
    int kt;  // Fellenius: pass point off; Bishop: on
    FormControls (*fill)();
    std::optional<EditRefusal> (*refuse)(const FormControls&);
  };
  const Dialog circle{kMethodFellenius, FillCircleSearch, RefusedCircleSearch};
  const Dialog passPoint{kMethodBishop, FillCircleSearch, RefusedCircleSearch};
  const Dialog line{kMethodLineFromPoint, FillLineFromPoint, RefusedLineFromPoint};
  const Dialog drawing{kMethodFellenius, FillDrawSettings, RefusedDrawSettings};
  // The edits typed, the last one refused with its label and reason (none: accepted).
  using Typed = std::vector<std::pair<int, const char*>>;
  struct Case {
    const char* name;
    const Dialog& dialog;
    Typed typed;
    const char* label;
    const char* reason;
  };
  const char *outside = "断面の範囲の外の位置です",
             *angle = "０度以上９０度未満の範囲にない角度です";
  const Case cases[] = {
      {"circle as filled", circle, {}, nullptr, nullptr},
      {"centre pitch of 50 over 10 m",
       circle,
       {{3, "0"}, {4, "10"}, {5, "50"}},
       "ピッチ　(ΔＸ)",
       "中心位置(Xmin～Xmax)の幅より大きいピッチです"},
      {"radii up to 0", circle, {{9, "-20"}, {10, "0"}}, "半径範囲(Rmax)", "０以下の半径です"},
      {"radii from 0", circle, {{9, "0"}}, nullptr, nullptr},
      {"radius step beyond its range",
       circle,
       {{9, "10"}, {10, "12"}, {11, "5"}},
       "ピッチ　(ΔＲ)",
       "半径範囲(Rmin～Rmax)の幅より大きいピッチです"},
      {"pass point beyond the section", passPoint, {{6, "15"}, {2, "30"}}, "通過点(X)", outside},
      {"pass point at the highest centres",
       passPoint,
       {{7, "5"}, {12, "5"}},
       "通過点(Y)",
       "円弧中心グリッドの最も高い中心(Ymax)以上の高さです"},
      {"grid reaching below the pass point", passPoint, {{7, "5"}, {12, "3"}}, nullptr, nullptr},
      {"line as filled", line, {}, nullptr, nullptr},
      {"angles below 0", line, {{10, "-10"}, {9, "-30"}}, "角度範囲(αmin)", angle},
      {"vertical angle", line, {{10, "90"}}, "角度範囲(αmax)", angle},
      {"angle step of 30 over 10..25",
       line,
       {{9, "10"}, {10, "25"}, {11, "30"}},
       "ピッチ　　(Δα)",
       "角度範囲(αmin～αmax)の幅より大きいピッチです"},
      {"start point below the section", line, {{4, "-5"}}, "開始位置(Ｙ)", outside},
      {"safety factor with 1 decimal",
       drawing,
       {{8, "1"}},
       "小数点以下桁数(安全率)",
       "２桁より少ない桁数です"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cm.kt = c.dialog.kt;
    FormControls form = c.dialog.fill();
    for (const auto& [edit, text] : c.typed) form.Edit[edit] = text;
    const std::optional<EditRefusal> refusal = c.dialog.refuse(form);
    if (!c.label) {
      EXPECT_FALSE(refusal.has_value());
      continue;
    }
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->edit, c.typed.back().first);
    EXPECT_EQ(refusal->message, std::string(c.label) + "「" + c.typed.back().second + "」は" +
                                    c.reason + "。" + c.label + "を入力し直してください。");
  }
}

TEST_F(SettingsForms, DrawingSettingsMarkButNeverInvalidate) {
  DrawSettings.PaperSize = 3;  // shown as A3, stored as 0
  FormControls form = FillDrawSettings();
  EXPECT_TRUE(form.Radio[7]);
  EXPECT_TRUE(form.Radio[2]);  // soil constants in a table
  form.Edit[8] = "1e1";        // an integer edit reads the whole number
  StoreDrawSettings(form);
  EXPECT_EQ(DrawSettings.PaperSize, 0);
  EXPECT_EQ(DrawSettings.Decimals[0], 10);
  ExpectFlags(1, 1);
}

TEST_F(SettingsForms, ChangedDrawOrdersConsolidateTheCircleListAgain) {
  SlipResultCount.fill(0);
  for (int order = 1; order <= 3; ++order) {  // one centre per order
    SlipResult& r = SlipResultTable[order - 1][SlipResultCount[order - 1]++];
    r = SlipResult{};
    r.order = order;
    r.cx = order, r.rr = 10.0, r.mrf = r.mr = 1500.0, r.mdw = r.md = 1000.0, r.f = 1.5;
  }
  ASSERT_EQ(ConsolidateResults(), 3);
  ASSERT_EQ(CircleList[2].LabelFlag, 1);  // order 3 drawn
  FormControls form = FillDrawSettings();
  form.Check[3] = false;
  StoreDrawSettings(form);
  EXPECT_EQ(CircleList[2].LabelFlag, -1);
  EXPECT_EQ(CircleListCount, 3);
  ExpectFlags(1, 1);
}

TEST_F(SettingsForms, DisplaySettingsKeepTheModifiedFlagAndRaiseTheCoarsePitch) {
  for (int modified : {-1, 0, 1}) {
    DataModified = modified;
    FormControls form = FillDisplaySettings();
    form.Check[1 + kShowGrid] = !form.Check[1 + kShowGrid];
    form.Edit[1] = "5.00";
    form.Edit[2] = "10.00";
    EXPECT_TRUE(StoreDisplaySettings(form));
    EXPECT_EQ(GridSpacing.Coarse, 10.0);
    ExpectFlags(modified, 1);
  }
}

TEST_F(SettingsForms, AutomaticSwitchingGreysTheItemBoxesAndTheGridBoxThePitches) {
  DisplaySwitches[kShowAutoSwitch] = 1;
  DisplaySwitches[kShowGrid] = 0;
  const FormControls form = FillDisplaySettings();
  for (int box = 1; box <= 18; ++box) EXPECT_EQ(form.CheckEnabled[box], box == 2) << box;
  EXPECT_FALSE(form.EditEnabled[1]);
  EXPECT_FALSE(form.EditEnabled[2]);
}

}  // namespace
}  // namespace selvana
