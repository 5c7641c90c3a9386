// The block operations of the mouse editor: a block is added only inside a closed region and only
// when its dialog says OK; moves and copies are undone by No or by another command; a missing
// block is never touched.
#include <gtest/gtest.h>

#include "editing/editor_test_support.h"
#include "model/line_records.h"
#include "model/project_model.h"

namespace selvana {
namespace {

using C = MainCommand;

class BlockEditingTest : public test::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    test::PutSquare(0, 0.0, 0.0, 2.0);
  }
};

TEST_F(BlockEditingTest, ABlockIsAddedInsideARegionWhenItsDialogSaysOK) {
  bool ok = false;
  dialogs.blockConstants = [&ok] {
    EXPECT_EQ(0, BlockTable[MouseState.SelectedIndex].Number);
    EXPECT_EQ(-1, BlockTable[MouseState.SelectedIndex].SoilLabelMode);
    return ok;
  };
  Run(C::BAdd);
  LineCount = 0;
  Click(1.0, 1.0);  // no region without boundary lines: nothing, no dialog
  EXPECT_EQ(0, dialogs.shown);
  LineCount = 4;
  Click(1.0, 1.0);  // cancelled: no block left behind
  EXPECT_EQ(-1, BlockTable[0].Number);
  EXPECT_EQ(0, BlockCount);
  ok = true;
  Click(1.0, 1.0);
  EXPECT_EQ(1, BlockCount);
  EXPECT_DOUBLE_EQ(1.0, BlockTable[0].SeedX);
  EXPECT_EQ(1, DataModified);
  EXPECT_EQ(700, MouseState.MouseMode);
}

TEST_F(BlockEditingTest, EditingOrDeletingWithoutBlocksDoesNothing) {
  Run(C::BEdit);
  Click(1.0, 1.0);
  Run(C::BDel);
  Click(1.0, 1.0);
  Run(C::BMove);
  Click(1.0, 1.0);
  EXPECT_EQ(0, dialogs.shown);
  EXPECT_EQ(710, MouseState.MouseMode);
}

TEST_F(BlockEditingTest, AMoveIsConfirmedOrPutBack) {
  test::PutBlock(0, 1.0, 1.0);
  Ask("ブロックを移動してよろしいですか？", {MsgAnswer::No, MsgAnswer::Yes});
  Ask("ブロックを削除してよろしいですか？", {MsgAnswer::Yes});
  Run(C::BMove);
  Click(1.0, 1.0);
  Click(0.5, 0.5);
  EXPECT_DOUBLE_EQ(0.5, BlockTable[0].SeedX);
  RightClick();
  EXPECT_DOUBLE_EQ(1.0, BlockTable[0].SeedX);
  EXPECT_EQ(710, MouseState.MouseMode);
  Click(1.0, 1.0);
  Click(0.5, 0.5);
  RightClick();
  EXPECT_DOUBLE_EQ(0.5, BlockTable[0].SeedX);
  EXPECT_EQ(1, DataModified);
  Run(C::BDel);
  Click(0.5, 0.5);
  EXPECT_EQ(-1, BlockTable[0].Number);
  EXPECT_EQ(1, BlockCount);
}

TEST_F(BlockEditingTest, ARegionTakesNoSecondBlock) {
  test::PutBlock(0, 1.0, 1.0);
  dialogs.blockConstants = [] { return true; };
  Ask("この領域にはブロック0があるため、追加できません。");
  for (const char* operation : {"追加", "移動"}) {
    Ask(std::string("この位置はそこからたどった外周の外にあるため、") + operation + "できません。" +
        kBlockRegionAdvice);
  }
  Ask("この領域にはブロック0があるため、複写できません。");
  Run(C::BAdd);
  Click(0.5, 1.5);
  Click(1.0, 3.0);  // in the air: the square walked from outside
  EXPECT_EQ(0, dialogs.shown);
  Run(C::BMove);
  Click(1.0, 1.0);
  Click(1.0, 3.0);
  RightClick();
  EXPECT_DOUBLE_EQ(1.0, BlockTable[0].SeedY);
  EXPECT_EQ(0, DataModified);
  Run(C::BCopy);
  Click(1.0, 1.0);
  Click(0.5, 1.5);
  RightClick();
  EXPECT_EQ(-1, BlockTable[1].Number);
  EXPECT_EQ(1, BlockCount);
}

TEST_F(BlockEditingTest, ACopyAbandonedInAnyWayLeavesTheTableAsItWas) {
  test::PutBlock(0, 1.0, 1.0);
  test::PutSquare(4, 3.0, 0.0, 2.0);  // the region the copies go to
  BlockTable[0].UnitWeight = 18.0;
  BlockTable[1].UnitWeight = 7.0;  // the stale content of the slot the copy takes
  Ask("ブロックを複写してよろしいですか？", {MsgAnswer::No, MsgAnswer::Yes});
  Run(C::BCopy);
  Click(1.0, 1.0);  // copied, never placed
  EXPECT_EQ(1, BlockTable[1].Number);
  RightClick();
  EXPECT_EQ(-1, BlockTable[1].Number);
  EXPECT_DOUBLE_EQ(7.0, BlockTable[1].UnitWeight);
  EXPECT_EQ("複写するブロックをマウス(左)で選択してください。マウス(右)：取り消し", window.prompt);
  Click(1.0, 1.0);  // placed, then No
  Click(3.5, 1.5);
  RightClick();
  EXPECT_EQ(-1, BlockTable[1].Number);
  commands.Set(C::CalSet, [](int) {});  // a dialog, which keeps the mode
  Click(1.0, 1.0);                      // placed, then a dialog
  Click(3.5, 1.5);
  Run(C::CalSet);
  EXPECT_EQ(-1, BlockTable[1].Number);
  EXPECT_EQ(730, MouseState.MouseMode);
  EXPECT_EQ("複写するブロックをマウス(左)で選択してください。マウス(右)：取り消し", window.prompt);
  Click(1.0, 1.0);  // placed, then another command
  Click(3.5, 1.5);
  Run(C::PAdd);
  EXPECT_EQ(-1, BlockTable[1].Number);
  EXPECT_EQ(1, BlockCount);
  EXPECT_EQ(0, DataModified);
  Run(C::BCopy);
  Click(1.0, 1.0);
  Click(3.5, 1.5);
  RightClick();
  EXPECT_EQ(2, BlockCount);
  EXPECT_DOUBLE_EQ(18.0, BlockTable[1].UnitWeight);
  EXPECT_DOUBLE_EQ(3.5, BlockTable[1].SeedX);
}

}  // namespace
}  // namespace selvana
