// How the dialogs look when shown: the face they get, the program's icon in the version box,
// the DXF dialog's shown-only panels as readable as the rest, the grids' headings in the
// dialog's face and colour, the seismic note's whole sentence and the sand-pile up-down as bare
// arrows.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "dialogs/CalJkn.h"
#include "dialogs/DxfSet.h"
#include "dialogs/LNTbl.h"
#include "dialogs/NenTBL.h"
#include "dialogs/PAnzen.h"
#include "dialogs/XYInput.h"
#include "dialogs/XYTbl.h"
#include "dialogs/YaitaJkn.h"
#include "dialogs/about.h"
#include "mainwin/form_sizes.h"
#include "mainwin/qt/program_icon.h"
#include "model/project_model.h"
#include "platform/qt/font_faces.h"
#include "platform/qt/qt_message_box.h"
#include "support/qt/image_checks.h"

namespace selvana {
namespace {

// The installed face that stands in for "ＭＳ Ｐゴシック".
constexpr char kProportional[] = "UmePlus P Gothic";

std::string Family(const QWidget& widget) {
  return QFontInfo(widget.font()).family().toStdString();
}

QLabel& LabelOf(const QWidget& dialog, const char* text) {
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text() == QString::fromUtf8(text)) return *label;
  }
  throw std::runtime_error(std::string("no label ") + text);
}

class WindowLooks : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutes();  // as the program does at start
    ResetFormSizes();
  }
};

TEST_F(WindowLooks, OtherWindowsShowTheProportionalFace) {
  TXY_Frm dialog;
  dialog.show();
  EXPECT_EQ(Family(*dialog.findChild<QLabel*>()), kProportional);
}

TEST_F(WindowLooks, MessageBoxesShowTheProportionalFace) {
  std::string family = "no box";
  QTimer::singleShot(0, [&family] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    family = Family(*box->findChild<QLabel*>("qt_msgbox_label"));
    box->close();
  });
  QtMessageBox().Show("データが変更されています。", "確認", MsgButtons::Ok, MsgIcon::None);
  EXPECT_EQ(family, kProportional);
}

TEST_F(WindowLooks, VersionBoxShowsTheProgramsOwnIcon) {
  TAboutBox box;
  box.show();
  const QImage shown = box.findChild<QLabel*>("ProgramIcon")->pixmap().toImage();
  EXPECT_EQ(shown, ProgramIcon().pixmap(32, 32).toImage().convertToFormat(shown.format()));
  EXPECT_TRUE(test::ShowsRed(shown)) << "the icon's red slip circle";
}

TEST_F(WindowLooks, DxfShownOnlyPanelsReadLikeTheRestOfTheDialog) {
  TDxf dialog;
  dialog.Edit(4)->setText("5.000");
  dialog.show();
  QLineEdit& edit = *dialog.Edit(4);
  const QImage shot = edit.grab().toImage();
  const QColor base = QApplication::palette().color(QPalette::Active, QPalette::Base);
  EXPECT_EQ(shot.pixelColor(edit.width() - 5, edit.height() / 2), base);
  EXPECT_LT(test::DarkestGrey(shot.copy(3, 3, edit.width() / 2, edit.height() - 6)), 80);
  for (const char* text : {"地形ＤＸＦファイル名", "Ｙｍｉｎ"}) {
    QLabel& label = LabelOf(dialog, text);
    EXPECT_LT(test::DarkestGrey(label.grab().toImage()), 80) << text << " is grey";
    EXPECT_EQ(Family(label), Family(dialog)) << text;
  }
  EXPECT_TRUE(
      test::ShowsRed(LabelOf(dialog, "（データ容量：約1000点、約1000本）").grab().toImage()));
}

template <typename Editor>
void ExpectHeadingsLikeTheDialog(const char* name) {
  Editor dialog;
  dialog.show();
  const QColor text = dialog.palette().color(QPalette::WindowText);
  const StringGrid& grid = *dialog.StringGrid1();
  for (const QHeaderView* heading : {grid.horizontalHeader(), grid.verticalHeader()}) {
    EXPECT_EQ(Family(*heading), Family(dialog)) << name;
    EXPECT_EQ(heading->palette().color(QPalette::ButtonText), text) << name;  // headings' role
  }
}

TEST_F(WindowLooks, GridHeadingsShowTheDialogsFaceAndTextColour) {
  ExpectHeadingsLikeTheDialog<TXYT_Frm>("point table");
  ExpectHeadingsLikeTheDialog<TLNT_Frm>("line table");
  ExpectHeadingsLikeTheDialog<TNenT_Frm>("cohesion line");
  ExpectHeadingsLikeTheDialog<TYT_Frm>("sheet pile");
  ExpectHeadingsLikeTheDialog<TPA_Frm>("partial factors");
}

// The seismic note's two lines as one sentence, without its mark and indents.
std::string SeismicNote(const TCal_Frm& dialog) {
  QString text = dialog.findChild<QLabel*>("Label37")->text() + dialog.Label38()->text();
  return text.remove(QString::fromUtf8("※")).remove(QString::fromUtf8("　")).toStdString();
}

TEST_F(WindowLooks, SeismicNoteShowsItsWholeSentenceAsTheSwitchStands) {
  const std::pair<int, const char*> cases[] = {
      {1, "抵抗力にかかる荷重の水平震度による低減に、上載荷重分も含めて考える"},
      {0, "抵抗力にかかる荷重の水平震度による低減に、上載荷重分は除いて考える"},
  };
  for (const auto& [included, sentence] : cases) {
    cm.SeismicIncludesSurcharge = included;
    TCal_Frm dialog;
    dialog.show();
    EXPECT_EQ(SeismicNote(dialog), sentence);
    const QLabel& line = *dialog.Label38();
    EXPECT_GE(line.width(), line.sizeHint().width()) << "the line is cut";
  }
}

TEST_F(WindowLooks, SandPileFormulaIsChosenByBareArrows) {
  TCal_Frm dialog;
  dialog.show();
  auto& upDown = *dialog.findChild<QAbstractSpinBox*>("UpDown1");
  EXPECT_EQ(upDown.text(), "");
  QStyleOptionSpinBox option;
  option.initFrom(&upDown);
  option.frame = true;
  option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
  option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
  const QRect field =
      upDown.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField);
  EXPECT_LE(field.width(), 4) << "a field beside the arrows";
  // The arrows still step the formula: the down arrow from formula 0 (position 3) to 1.
  const QString before = dialog.Image1()->text();
  const QRect down =
      upDown.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown);
  QTest::mouseClick(&upDown, Qt::LeftButton, {}, down.center());
  EXPECT_NE(dialog.Image1()->text(), before);
}

}  // namespace
}  // namespace selvana
