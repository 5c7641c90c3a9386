// The DXF settings dialog: the preview of the shifted and magnified range, the reset, strict
// reading of its parameters (a slip keeps the dialog open) and the answer it gives the import.
#include "dialogs/DxfSet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <iterator>
#include <limits>
#include <utility>
#include <vector>

#include "mainwin/form_sizes.h"
#include "support/scripted_message_box.h"

namespace selvana {
namespace {

std::string Text(const TDxf& dialog, int edit) { return dialog.Edit(edit)->text().toStdString(); }

// Runs steps inside the dialog's modal loop, once it is showing.
void WhileShown(std::function<void()> steps) {
  QTimer::singleShot(0, [steps = std::move(steps)] { steps(); });
}

DxfImportSettings FoundRange() {
  DxfImportSettings settings;
  settings.FileName = "SLOPE.DXF";
  settings.PointCount = 8;
  settings.LineCount = 4;
  settings.XMax = 5.0;
  settings.XMin = 0.0;
  settings.YMax = 3.0;
  settings.YMin = -1.0;
  return settings;
}

class DxfSettingsDialog : public ::testing::Test {
 protected:
  // Shows the dialog without its modal loop, with the edits as the import fills them.
  void ShowFound() {
    const auto texts = DxfSettingsTexts(FoundRange());
    for (int i = 0; i < 10; ++i) dialog.Edit(i + 1)->setText(QString::fromStdString(texts[i]));
    dialog.show();
  }
  void TearDown() override { dialog.hide(); }

  TDxf dialog;
};

TEST_F(DxfSettingsDialog, PreviewMagnifiesThenShiftsTheRange) {
  ShowFound();
  dialog.Edit(8)->setText("10");
  dialog.Edit(9)->setText("-1.5");
  dialog.Edit(10)->setText("2");
  dialog.Button1()->click();
  EXPECT_EQ(Text(dialog, 4), "20.000");
  EXPECT_EQ(Text(dialog, 5), "10.000");
  EXPECT_EQ(Text(dialog, 6), "4.500");
  EXPECT_EQ(Text(dialog, 7), "-3.500");
}

TEST_F(DxfSettingsDialog, ResetBringsBackTheFoundRangeAndNeutralParameters) {
  ShowFound();
  dialog.Edit(8)->setText("10");
  dialog.Edit(10)->setText("2");
  dialog.Button1()->click();
  dialog.Button4()->click();
  EXPECT_EQ(Text(dialog, 4), "5.000");
  EXPECT_EQ(Text(dialog, 5), "0.000");
  EXPECT_EQ(Text(dialog, 7), "-1.000");
  EXPECT_EQ(Text(dialog, 8), "0.000");
  EXPECT_EQ(Text(dialog, 9), "0.000");
  EXPECT_EQ(Text(dialog, 10), "1.000");
}

TEST_F(DxfSettingsDialog, PreviewOfANonNumberSaysSoAndKeepsTheShownRange) {
  ShowFound();
  dialog.Edit(10)->setText("2x");
  test::ScriptedMessageBox box;
  box.Expect("「2x」は数値ではありません。数値を入力してください。", "error");
  dialog.Button1()->click();
  EXPECT_EQ(Text(dialog, 4), "5.000");
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DxfSettingsDialog, AskFillsTheEditsFromWhatTheImportFound) {
  DxfImportSettings settings = FoundRange();
  std::array<std::string, 10> shown;
  WhileShown([&] {
    for (int i = 0; i < 10; ++i) shown[i] = Text(dialog, i + 1);
    dialog.Button3()->click();
  });
  dialog.Ask(settings);
  EXPECT_EQ(shown, DxfSettingsTexts(FoundRange()));
}

TEST_F(DxfSettingsDialog, ReadGivesTheParametersBack) {
  DxfImportSettings settings = FoundRange();
  WhileShown([&] {
    dialog.Edit(8)->setText("100.25");
    dialog.Edit(9)->setText(" -20 ");
    dialog.Edit(10)->setText("0.5");
    dialog.Button2()->click();
  });
  ASSERT_TRUE(dialog.Ask(settings));
  EXPECT_EQ(settings.ShiftX, 100.25);
  EXPECT_EQ(settings.ShiftY, -20.0);
  EXPECT_EQ(settings.Magnification, 0.5);
}

TEST_F(DxfSettingsDialog, ReadWithANonNumberKeepsTheDialogOpenUntilCorrected) {
  DxfImportSettings settings = FoundRange();
  test::ScriptedMessageBox box;
  box.Expect("「」は数値ではありません。数値を入力してください。", "error");
  bool openAfterSlip = false;
  WhileShown([&] {
    dialog.Edit(9)->setText("");
    dialog.Button2()->click();
    openAfterSlip = dialog.isVisible();
    dialog.Edit(9)->setText("3");
    dialog.Button2()->click();
  });
  ASSERT_TRUE(dialog.Ask(settings));
  EXPECT_TRUE(openAfterSlip);
  EXPECT_EQ(settings.ShiftY, 3.0);
}

// A transform that would merge every point into one (on read), or place the terrain outside the
// range of coordinates (on trial and on read), is refused with its reason before anything is
// shown or imported: the dialog stays open with the edit to blame selected. Of several
// parameters that place it outside, the first edit is named.
TEST_F(DxfSettingsDialog, TransformsThatCollapseOrLeaveTheRangeAreRefused) {
  DxfImportSettings settings = FoundRange();
  const char* const collapses = "」では地形が１点に縮まってしまいます。";
  const char* const overflows = "」が大きすぎて座標が扱える範囲を超えてしまいます。";
  QPushButton* const trial = dialog.Button1();
  QPushButton* const read = dialog.Button2();
  const struct {
    std::array<const char*, 3> parameters;  // Edit8 to Edit10
    QPushButton* button;
    int edit;
    const char* reason;
  } refused[] = {
      {{"0", "0", "0"}, read, 10, collapses},
      {{"0", "0", "1e-5"}, read, 10, collapses},
      {{"0", "0", "-0.0"}, read, 10, collapses},
      {{"0", "0", "1e13"}, read, 10, overflows},
      {{"0", "0", "1e13"}, trial, 10, overflows},
      {{"1e305", "0", "1"}, trial, 8, overflows},
      {{"1e305", "0", "1"}, read, 8, overflows},
      {{"0", "-9.1e12", "1"}, read, 9, overflows},
      {{"1e305", "1e305", "1e306"}, read, 8, overflows},
      // 1.5 mm wide at 3e-4, rounded to one millimetre where the shift's digits leave no room
      {{"5000000000000.001", "0", "3e-4"}, read, 8, collapses},
  };
  test::ScriptedMessageBox box;
  for (const auto& r : refused) {
    const std::string what = r.edit == 10 ? "倍率" : "原点移動";
    box.Expect(
        what + "「" + r.parameters[r.edit - 8] + r.reason + what + "を入力し直してください。",
        "error");
  }
  std::vector<bool> openAfterRefusal;
  WhileShown([&] {
    for (const auto& r : refused) {
      for (int i = 0; i < 3; ++i) dialog.Edit(8 + i)->setText(r.parameters[i]);
      r.button->click();
      openAfterRefusal.push_back(dialog.isVisible() && dialog.Edit(r.edit)->hasSelectedText() &&
                                 Text(dialog, 4) == "5.000");
    }
    dialog.Edit(8)->setText("0");
    dialog.Edit(9)->setText("0");
    dialog.Edit(10)->setText("-2");  // mirrored, but whole
    dialog.Button2()->click();
  });
  ASSERT_TRUE(dialog.Ask(settings));
  EXPECT_EQ(openAfterRefusal, std::vector<bool>(std::size(refused), true));
  EXPECT_EQ(settings.Magnification, -2.0);
}

TEST(DxfCollapse, WhenTheWholeRangeFallsWithinAMillimetre) {
  const DxfRange raw = {5.0, 0.0, 3.0, -1.0};
  const DxfRange tiny = {0.0004, 0.0, 0.0002, 0.0};  // drawn in kilometres
  constexpr auto kMagnification = DxfParameter::Magnification;
  const struct {
    const char* name;
    DxfRange range;
    DxfTransform transform;
    std::optional<DxfParameter> cause;
  } kCases[] = {
      {"unchanged", raw, {}, std::nullopt},
      {"zero magnification", raw, {10.0, 20.0, 0.0}, kMagnification},
      {"rounded away", raw, {0.0, 0.0, 1e-4}, kMagnification},
      {"one millimetre apart in X", raw, {0.0, 0.0, 2e-4}, kMagnification},
      {"two millimetres apart in X", raw, {0.0, 0.0, 4e-4}, std::nullopt},
      {"a flat drawing is no point", {5.0, 0.0, 2.0, 2.0}, {}, std::nullopt},
      {"tiny drawing as it is", tiny, {}, kMagnification},
      {"tiny drawing magnified", tiny, {0.0, 0.0, 1000.0}, std::nullopt},
      {"rounded away by the Y shift",
       {0.0, 0.0, 0.0015, 0.0},
       {0.0, 5e12 + 0.001, 1.0},
       DxfParameter::ShiftY},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(DxfTransformCollapses(c.range, c.transform), c.cause) << c.name;
  }
}

TEST_F(DxfSettingsDialog, CancelLeavesTheSettingsAsTheyWere) {
  DxfImportSettings settings = FoundRange();
  WhileShown([&] {
    dialog.Edit(8)->setText("7");
    dialog.Button3()->click();
  });
  EXPECT_FALSE(dialog.Ask(settings));
  EXPECT_EQ(settings.ShiftX, 0.0);
  EXPECT_EQ(settings.Magnification, 1.0);
}

TEST_F(DxfSettingsDialog, FoundValuesAreShownOnlyAndTheNotesAreRed) {
  ShowFound();
  for (int edit = 1; edit <= 7; ++edit) EXPECT_FALSE(dialog.Edit(edit)->isEnabled()) << edit;
  for (int edit = 8; edit <= 10; ++edit) EXPECT_TRUE(dialog.Edit(edit)->isEnabled()) << edit;
  int redNotes = 0;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text().startsWith("（データ容量") || label->text().endsWith("です。")) {
      EXPECT_EQ(label->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::red));
      ++redNotes;
    }
  }
  EXPECT_EQ(redNotes, 2);
}

TEST_F(DxfSettingsDialog, ShowsItsCaptionAndKeepsItsSizeInTheDxfSlot) {
  FormSizes[kSlotDxf].Width = 530;
  FormSizes[kSlotDxf].Height = 410;
  ShowFound();
  EXPECT_EQ(QString::fromUtf8("地形DXFファイル読み取り設定"), dialog.windowTitle());
  EXPECT_EQ(QSize(530, 410), dialog.size());
  dialog.resize(560, 430);
  EXPECT_EQ(560, FormSizes[kSlotDxf].Width);
  EXPECT_EQ(430, FormSizes[kSlotDxf].Height);
}

struct ParameterCase {
  const char* name;
  const char* text;
  std::optional<double> expected;
};

TEST(DxfParameterText, OnlyWholeDecimalNumbersAreRead) {
  const ParameterCase cases[] = {
      {"plain", "1.5", 1.5},
      {"blanks around and sign", " -2 ", -2.0},
      {"exponent", "1e3", 1000.0},
      {"no leading digit", ".5", 0.5},
      {"no trailing digit", "5.", 5.0},
      {"empty", "", std::nullopt},
      {"word", "abc", std::nullopt},
      {"decimal comma", "1,5", std::nullopt},
      {"trailing garbage", "1.5x", std::nullopt},
      {"exponent without mantissa", "e5", std::nullopt},
      {"exponent without digits", "1e", std::nullopt},
      {"infinity", "inf", std::nullopt},
      {"hexadecimal", "0x10", std::nullopt},
      {"beyond a double", "1e999", std::nullopt},
  };
  for (const ParameterCase& c : cases) {
    EXPECT_EQ(ParseDxfParameter(c.text), c.expected) << c.name;  // exact: short decimals
  }
}

TEST(DxfValueText, ThreeDecimalsWithoutANegativeZero) {
  EXPECT_EQ(FormatDxfValue(12.3456), "12.346");
  EXPECT_EQ(FormatDxfValue(-0.0004), "0.000");
  EXPECT_EQ(FormatDxfValue(-0.0005), "-0.001");
}

}  // namespace
}  // namespace selvana
