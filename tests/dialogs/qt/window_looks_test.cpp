// How the dialogs look when shown: the fonts they get, the program's icon in the version box,
// readable values on the DXF dialog's shown-only panels, the partial-factor dialog at its slot's
// width and the sand-pile up-down as bare arrows.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialogs/CalJkn.h"
#include "dialogs/DxfSet.h"
#include "dialogs/PAnzen.h"
#include "dialogs/XYInput.h"
#include "dialogs/about.h"
#include "mainwin/form_sizes.h"
#include "platform/qt/font_faces.h"
#include "platform/qt/qt_message_box.h"
#include "support/qt/image_checks.h"

namespace selvana {
namespace {

std::string Family(const QWidget& widget) {
  return QFontInfo(widget.font()).family().toStdString();
}

// Each check shows its window and returns what is wrong with it, or "" when it looks right.
struct LookCase {
  const char* name;
  std::function<std::string()> check;
};

std::string FormFontOfTheOtherWindows() {
  TXY_Frm dialog;
  dialog.show();
  const std::string family = Family(*dialog.findChild<QLabel*>());
  return family == kProportionalFace ? "" : "a label of the point input shows " + family;
}

std::string FormFontOfTheMessageBoxes() {
  std::string family = "no box";
  QTimer::singleShot(0, [&family] {
    QWidget* box = QApplication::activeModalWidget();
    if (!box) return;
    family = Family(*box->findChild<QLabel*>("qt_msgbox_label"));
    box->close();
  });
  QtMessageBox().Show("データが変更されています。", "確認", MsgButtons::Ok, MsgIcon::None);
  return family == kProportionalFace ? "" : "the message box shows " + family;
}

std::string ProgramIconInTheVersionBox() {
  TAboutBox box;
  box.show();
  const QPixmap icon = box.findChild<QLabel*>("ProgramIcon")->pixmap();
  if (icon.size() != QSize(32, 32)) return "the icon is not 32 x 32";
  const QImage toolkits =
      box.style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32).toImage();
  return icon.toImage() == toolkits.convertToFormat(icon.toImage().format())
             ? "the toolkit's computer icon"
             : "";
}

std::string DxfValuesReadable() {
  TDxf dialog;
  dialog.Edit(4)->setText("5.000");
  dialog.show();
  QLineEdit& edit = *dialog.Edit(4);
  const QImage shot = edit.grab().toImage();
  const QColor background = shot.pixelColor(edit.width() - 5, edit.height() / 2);
  const QColor base = QApplication::palette().color(QPalette::Active, QPalette::Base);
  if (background != base) return "background " + background.name().toStdString();
  const int darkest = test::DarkestGrey(shot.copy(3, 3, edit.width() / 2, edit.height() - 6));
  return darkest < 80 ? "" : "the text is grey (" + std::to_string(darkest) + ")";
}

std::string PartialFactorsAtTheirSlotWidth() {
  TPA_Frm dialog;
  dialog.show();
  const int slot = FormSizes[kSlotPA].Width;
  return dialog.width() == slot
             ? ""
             : "width " + std::to_string(dialog.width()) + ", slot " + std::to_string(slot);
}

std::string SandPileUpDownAsBareArrows() {
  TCal_Frm dialog;
  dialog.show();
  auto& upDown = *dialog.findChild<QAbstractSpinBox*>("UpDown1");
  if (!upDown.text().isEmpty()) return "shows " + upDown.text().toStdString();
  QStyleOptionSpinBox option;
  option.initFrom(&upDown);
  option.frame = true;
  option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
  option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
  const QRect field =
      upDown.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField);
  if (field.width() > 4) return "a field " + std::to_string(field.width()) + " px wide";
  // The arrows still step the formula: the down arrow from formula 0 (position 3) to 1.
  const QString before = dialog.findChild<QLabel*>("Image1")->text();
  const QRect down =
      upDown.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown);
  QTest::mouseClick(&upDown, Qt::LeftButton, {}, down.center());
  return dialog.findChild<QLabel*>("Image1")->text() != before ? "" : "the arrow steps nothing";
}

TEST(WindowLooks, EachWindowShowsAsItShould) {
  InstallFontSubstitutes();  // as the program does at start
  ResetFormSizes();
  const LookCase cases[] = {
      {"other windows in UmePlus P Gothic", FormFontOfTheOtherWindows},
      {"message boxes in UmePlus P Gothic", FormFontOfTheMessageBoxes},
      {"the program's icon in the version box", ProgramIconInTheVersionBox},
      {"DXF values dark on the edit's base", DxfValuesReadable},
      {"partial factors at their slot's width", PartialFactorsAtTheirSlotWidth},
      {"sand-pile formula chosen by bare arrows", SandPileUpDownAsBareArrows},
  };
  for (const LookCase& c : cases) EXPECT_EQ(c.check(), "") << c.name;
}

}  // namespace
}  // namespace selvana
