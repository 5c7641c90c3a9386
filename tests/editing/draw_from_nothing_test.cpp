// A whole section drawn with the mouse from an empty project: points, boundary chains of two soil
// layers, a residual water line, blocks of every kind with their constants, the circle centres
// by rectangle, the pitches and radii through the search settings dialog; then saved, reopened
// and calculated.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "calc/progress/headless.h"
#include "editing/editor_test_support.h"
#include "forms/block_constants_form.h"
#include "forms/search_settings_form.h"
#include "mainwin/calc_command.h"
#include "mainwin/file_commands.h"
#include "mainwin/file_commands_fakes.h"
#include "model/project_model.h"
#include "support/temp_folder.h"
#include "view/view_state.h"

namespace selvana {
namespace {

using C = MainCommand;
using XY = std::pair<double, double>;

// Two layers under a slope from (6, 10) down to (12, 4), and three small squares away from the
// slip circle for a pressure-water, a weight-water and a structure block.
const XY kSlope[] = {{0, 0}, {18, 0}, {18, 4}, {12, 4}, {0, 4}, {6, 10}, {0, 10}};
const XY kSquares[] = {{0, 11}, {1, 11}, {1, 12}, {0, 12}, {0, 13}, {1, 13},
                       {1, 14}, {0, 14}, {2, 11}, {3, 11}, {3, 12}, {2, 12}};

class DrawFromNothing : public test::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    ResetProjectData();
    DataModified = 0;        // a new, empty project is open
    ViewState.Scale = 10.0;  // 0.1 m a pixel; the section lies right of and above the centre
    ViewState.OriginX = -1.0;
    ViewState.OriginY = -1.0;
  }

  void AddPoint(const XY& p) {
    Ask("点を追加してよろしいですか？", {MsgAnswer::Yes});
    Click(p.first, p.second);
  }
  // One chain of lines of a kind through the points, then back to the chain's first step.
  void Chain(C command, std::initializer_list<XY> points) {
    Run(command);
    for (const XY& p : points) Click(p.first, p.second);
    RightClick();
    RightClick();
  }
  // A block at the seed whose dialog stores these choices and constants.
  void AddBlock(const XY& seed, BlockConstantsForm form) {
    dialogs.blockConstants = [form] { return StoreBlockConstants(form); };
    Click(seed.first, seed.second);
  }
};

TEST_F(DrawFromNothing, DrawnSavedReopenedAndCalculated) {
  Run(C::PAdd);
  for (const XY& p : kSlope) AddPoint(p);
  for (const XY& p : kSquares) AddPoint(p);
  RightClick();
  Chain(C::LAddK, {{0, 0}, {18, 0}, {18, 4}, {12, 4}, {0, 4}, {0, 0}});
  Chain(C::LAddK, {{12, 4}, {6, 10}, {0, 10}, {0, 4}});
  for (int s = 0; s < 3; ++s) {
    const XY* q = kSquares + 4 * s;
    Chain(C::LAddK, {q[0], q[1], q[2], q[3], q[0]});
  }
  Chain(C::LAddZ, {{0, 4}, {12, 4}, {18, 4}});
  EXPECT_EQ(19, PointCount);
  EXPECT_EQ(22, LineCount);

  Run(C::BAdd);
  const std::array<std::string, 9> lower = {"19", "10", "0", "20", "30"};
  const std::array<std::string, 9> upper = {"18", "9", "0", "10", "25"};
  AddBlock({9, 2}, {false, true, true, 1, false, lower});
  AddBlock({3, 7}, {false, true, true, 1, false, upper});
  AddBlock({0.5, 11.5}, {true, true, false, 1, false, {"9.81"}});
  AddBlock({0.5, 13.5}, {true, false, false, 1, false, {"9.81"}});
  AddBlock({2.5, 11.5}, {false, true, false, 1, false, {"24", "24"}});
  RightClick();
  ASSERT_EQ(5, BlockCount);
  EXPECT_EQ((std::array<int, 5>{kBlockSoil, kBlockSoil, kBlockPressureWater, kBlockWeightWater,
                                kBlockStructure}),
            (std::array{BlockTable[0].Kind, BlockTable[1].Kind, BlockTable[2].Kind,
                        BlockTable[3].Kind, BlockTable[4].Kind}));

  FormControls circle = FillCircleSearch();  // the search settings dialog: centre pitches
  circle.Edit[5] = circle.Edit[8] = "1";
  StoreCircleSearch(circle);
  Run(C::CenSet);
  Click(13.6, 13.7);
  Click(14.3, 14.4);
  circle = FillCircleSearch();  // and the radius range
  circle.Edit[9] = circle.Edit[10] = "10.5";
  circle.Edit[11] = "1";
  StoreCircleSearch(circle);
  EXPECT_EQ(14.0, FelleniusCircleSettings.CentreX[0]);
  EXPECT_EQ(14.0, FelleniusCircleSettings.CentreY[1]);

  test::TempFolder folder;
  test::KeepCurrentDirectory keep;
  test::ScriptedFileDialog files;
  test::CountingPrinterDialog printer;
  test::AnsweringDxfPrompt dxf;
  FileCommands fileCommands{{files, printer, dxf, window}};
  files.Answer(folder / "SLOPE.SDW");
  ASSERT_TRUE(fileCommands.SaveAsClick());
  ResetProjectData();
  files.Answer(folder / "SLOPE.SDW");
  fileCommands.OpenClick();
  EXPECT_EQ(19, PointCount);
  EXPECT_EQ(5, BlockCount);
  EXPECT_DOUBLE_EQ(30.0, BlockTable[0].FrictionAngle);

  box.ExpectPrefix("計算：正常終了しました。判定", "終わり");
  HeadlessProgress progress;
  CalRunClick(progress);
  EXPECT_EQ(1, CalcStatus);
}

}  // namespace
}  // namespace selvana
