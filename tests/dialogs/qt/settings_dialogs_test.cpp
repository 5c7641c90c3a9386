// The settings dialogs as a user meets them: typing into the named controls, the enabling that
// follows a click, EditExit, OK and Cancel, and the version box.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "dialogs/CalJkn.h"
#include "dialogs/CircJkn.h"
#include "dialogs/DrawJkn.h"
#include "dialogs/about.h"
#include "model/project_model.h"
#include "platform/program_folders.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

namespace selvana {
namespace {

// Runs steps inside the dialog's modal loop, once it is showing; returns the dialog's result.
int RunModal(QDialog& dialog, std::function<void()> steps) {
  QTimer::singleShot(0, [steps = std::move(steps)] { steps(); });
  return dialog.exec();
}

void Type(QLineEdit* edit, const char* text) {
  edit->setText(QString::fromUtf8(text));
  emit edit->editingFinished();  // as leaving the edit does
}

TEST(SettingsDialogs, CalculationConditionsStoreWhatIsTypedAndChosen) {
  ResetProjectData();
  CalcStatus = 1;
  DataModified = 0;
  cm.SeismicCoefficient = 0.2;
  cm.CohesionRefHeight = 1.234567;   // shown as 1.2346 and left alone
  cm.ProjectTitle = "\x87\x90\xA0";  // the second code of ≒ and no character: left alone
  test::ScriptedMessageBox box;      // and not refused
  TCal_Frm dialog;
  bool seismicOffForBishop = false;
  QString label38;
  const int result = RunModal(dialog, [&] {
    Type(dialog.Edit(24), "0.05");
    Type(dialog.Edit(13), "12.34567");
    dialog.RadioButton(3)->click();
    seismicOffForBishop = !dialog.Edit(2)->isEnabled() && !dialog.Button(4)->isEnabled();
    dialog.CheckBox(5)->click();
    label38 = dialog.Label38()->text();
    dialog.Button(1)->click();
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_TRUE(seismicOffForBishop);
  EXPECT_EQ(label38, QString::fromUtf8("　　減に、上載荷重分は除いて考える"));
  EXPECT_EQ(dialog.Edit(13)->text(), "12.3457");  // every edit reformatted on exit
  EXPECT_EQ(cm.kt, kMethodBishop);
  EXPECT_EQ(cm.SliceWidth, 0.05);
  EXPECT_EQ(cm.HorizontalForces.H[0], 12.3457);
  EXPECT_EQ(cm.CohesionRefHeight, 1.234567);
  EXPECT_EQ(cm.ProjectTitle, "\x87\x90\xA0");
  EXPECT_EQ(cm.SeismicCoefficient, 0.0);
  EXPECT_EQ(cm.SeismicIncludesSurcharge, 0);
  EXPECT_EQ(DataModified, 1);
  EXPECT_EQ(CalcStatus, 0);
}

TEST(SettingsDialogs, CancelStoresNothingAndTheNextShowTakesTheModelAgain) {
  ResetProjectData();
  DataModified = 0;
  TCirc_Frm dialog;
  const int result = RunModal(dialog, [&] {
    dialog.RadioButton(4)->click();
    Type(dialog.Edit(3), "99");
    dialog.Button(2)->click();
  });
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_EQ(FelleniusCircleSettings.HighestGridOrder, 1);
  EXPECT_EQ(DataModified, 0);
  RunModal(dialog, [&] {
    EXPECT_TRUE(dialog.RadioButton(1)->isChecked());
    EXPECT_EQ(dialog.Edit(3)->text(), "0.0000");
    dialog.reject();
  });
}

TEST(SettingsDialogs, NoNumberInAnEditKeepsTheDialogOpenWithAMessage) {
  ResetProjectData();
  TDraw_Frm dialog;
  test::ScriptedMessageBox box;
  box.Expect("「x」は数値ではありません。数値を入力してください。", "error")
      .Expect("「3e9」は扱える範囲を超えた数値です。範囲内の数値を入力してください。", "error");
  bool openAfterSlip = true;
  const int result = RunModal(dialog, [&] {
    for (const char* slip : {"x", "3e9"}) {  // a decimals edit takes a whole number within int
      dialog.Edit(8)->setText(slip);         // and has no exit handler that reformats it
      dialog.Button(1)->click();
      openAfterSlip = openAfterSlip && dialog.isVisible();
    }
    dialog.Edit(8)->setText("4");
    dialog.Button(1)->click();
  });
  EXPECT_TRUE(openAfterSlip);
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(DrawSettings.Decimals[0], 4);
}

TEST(SettingsDialogs, ATitleTheProjectFileCannotHoldIsRefusedBeforeAnyNumber) {
  ResetProjectData();
  cm.ProjectTitle = "A-1";
  DataModified = 0;
  const QString typed = QString::fromUtf8("断面 한글 ✓ 𠮷野家 ①");
  test::ScriptedMessageBox box;
  box.Expect("検討ケースの「한」は使えない文字です。検討ケースを入力し直してください。", "error");
  TCal_Frm dialog;
  bool keptAsTyped = false;
  RunModal(dialog, [&] {
    dialog.Edit(1)->setText(typed);
    dialog.Edit(24)->setText("x");  // refused too, but the title's message comes first
    dialog.Button(1)->click();
    keptAsTyped = dialog.isVisible() && dialog.Edit(1)->text() == typed;
    dialog.reject();
  });
  EXPECT_TRUE(keptAsTyped);
  EXPECT_EQ(cm.ProjectTitle, "A-1");
  EXPECT_EQ(DataModified, 0);
}

TEST(SettingsDialogs, VersionBoxShowsTheVersionFileReadAnewOnActivationAndNoLink) {
  test::TempFolder dir;
  dir.Write("SYSVER.DAT", "(Version 7.1)\r\n");
  const std::string savedDir = ProgramDir;
  ProgramDir = dir.Dir();
  TAboutBox box;
  box.show();
  EXPECT_EQ(box.Version()->text(), "(Version 7.1)");
  dir.Write("SYSVER.DAT", "(Version 7.2)\r\n");
  box.FormActivate();
  EXPECT_EQ(box.Version()->text(), "(Version 7.2)");
  for (const QLabel* label : box.findChildren<QLabel*>()) {
    EXPECT_FALSE(label->text().contains("://")) << "an address that leads nowhere";
  }
  box.hide();
  ProgramDir = savedDir;
}

}  // namespace
}  // namespace selvana
