// The parallel-line distance dialog: it opens on the last distance, rounds the edit to three
// decimals when left, stores any number on OK and nothing on Cancel.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/PLine.h"
#include "model/project_model.h"

namespace selvana {
namespace {

void Type(QLineEdit* edit, const char* text) {
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

TEST(ParallelDistanceDialog, OkStoresTheTypedDistanceAndCancelKeepsIt) {
  ResetProjectData();
  TPLine_Frm dialog;
  QTimer::singleShot(0, [&dialog] {
    EXPECT_EQ("  1.000", dialog.Edit1()->text().toStdString());
    Type(dialog.Edit1(), "-2.34567");
    EXPECT_EQ(" -2.346", dialog.Edit1()->text().toStdString());
    dialog.Button1()->click();
  });
  EXPECT_EQ(QDialog::Accepted, dialog.exec());
  EXPECT_DOUBLE_EQ(-2.346, ParallelLineDistance);  // the value of the text at OK, no range check
  QTimer::singleShot(0, [&dialog] {
    EXPECT_EQ(" -2.346", dialog.Edit1()->text().toStdString());
    dialog.Edit1()->setText("7");
    dialog.Button2()->click();
  });
  EXPECT_EQ(QDialog::Rejected, dialog.exec());
  EXPECT_DOUBLE_EQ(-2.346, ParallelLineDistance);
  EXPECT_EQ(-1, DataModified);  // not project data
}

}  // namespace
}  // namespace selvana
