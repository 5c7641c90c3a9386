// The dialog openers: which dialog each item opens, the choice by method code, the redraw after
// the table editors, and items of dialogs not built yet.
#include "mainwin/file_commands_openers.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "model/project_model.h"
#include "view/view_test_support.h"

namespace selvana {
namespace {

// Dialogs that record their shows, with the canvas calls made before each show.
class RecordingDialogs : public ModalDialogs {
 public:
  RecordingDialogs(std::set<ModalDialog> built, const RecordingCanvas& canvas)
      : built_(std::move(built)), canvas_(canvas) {}
  bool Has(ModalDialog dialog) const override { return built_.count(dialog) > 0; }
  void ShowModal(ModalDialog dialog) override {
    shown.push_back(dialog);
    callsBeforeShow = canvas_.Calls().size();
  }
  std::vector<ModalDialog> shown;
  std::size_t callsBeforeShow = 0;

 private:
  std::set<ModalDialog> built_;
  const RecordingCanvas& canvas_;
};

const std::set<ModalDialog> kAll = {
    ModalDialog::Cal,  ModalDialog::Circ,  ModalDialog::Line, ModalDialog::Line2, ModalDialog::Draw,
    ModalDialog::Disp, ModalDialog::NenT,  ModalDialog::YT,   ModalDialog::XYT,   ModalDialog::LNT,
    ModalDialog::Ans,  ModalDialog::About, ModalDialog::XY};

class DialogOpeners : public test::ViewFixture {};

TEST_F(DialogOpeners, SearchSettingsFollowTheMethod) {
  RecordingDialogs dialogs(kAll, canvas);
  CommandTable table;
  RegisterDialogOpeners(table, dialogs);
  for (int kt : {0, 1, 2, 3, 4, 5}) {
    cm.kt = kt;
    table.Run(MainCommand::CirSet);
  }
  EXPECT_EQ((std::vector<ModalDialog>{ModalDialog::Circ, ModalDialog::Circ, ModalDialog::Circ,
                                      ModalDialog::Line, ModalDialog::Circ, ModalDialog::Line2}),
            dialogs.shown);
}

TEST_F(DialogOpeners, TableEditorsRedrawTheViewAfterClosing) {
  OpenProject();
  RecordingDialogs dialogs(kAll, canvas);
  CommandTable table;
  RegisterDialogOpeners(table, dialogs);
  for (MainCommand editor : {MainCommand::XYEdit, MainCommand::LNEdit}) {
    canvas.Clear();
    table.Run(editor);
    EXPECT_EQ(0u, dialogs.callsBeforeShow);
    EXPECT_FALSE(canvas.Calls().empty()) << MainCommandName(editor);
  }
  canvas.Clear();
  table.Run(MainCommand::CalSet);
  EXPECT_TRUE(canvas.Calls().empty());  // the dialog redraws itself when it stores
}

TEST_F(DialogOpeners, ItemsOfDialogsNotBuiltStayWithoutHandler) {
  RecordingDialogs dialogs({ModalDialog::Cal, ModalDialog::Line}, canvas);
  CommandTable table;
  RegisterDialogOpeners(table, dialogs);
  EXPECT_TRUE(table.IsBuilt(MainCommand::CalSet));
  EXPECT_FALSE(table.IsBuilt(MainCommand::DrawSet));
  EXPECT_FALSE(table.IsBuilt(MainCommand::VerDisp));
  ASSERT_TRUE(table.IsBuilt(MainCommand::CirSet));
  cm.kt = 0;  // its circle dialog is missing: nothing opens
  table.Run(MainCommand::CirSet);
  cm.kt = 3;
  table.Run(MainCommand::CirSet);
  EXPECT_EQ(std::vector<ModalDialog>{ModalDialog::Line}, dialogs.shown);
}

}  // namespace
}  // namespace selvana
