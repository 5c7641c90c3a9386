// The example projects a newcomer opens first, every one the program ships: every method gives a
// verdict on them, and, drawn as the view shows them after the run on the screens of common
// sizes, the whole frame is in view, it holds the slope and the circle centres, the result box's
// font is at least 9 px, no two characters of the figure's texts share a pixel, no centre
// mark sits in a character, and no safety factor reaches into the result box or the title band.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "calc/progress/headless.h"
#include "calc/results/consolidation.h"
#include "forms/calc_conditions_form.h"
#include "forms/view_settings_form.h"
#include "mainwin/calc_command.h"
#include "model/project_file.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "support/calculated_sample.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"
#include "view/figure/frame_layout.h"
#include "view/figure/result_box_layout.h"
#include "view/figure/slip_layout.h"
#include "view/figure_frame.h"
#include "view/figure_screen.h"
#include "view/redraw_view.h"
#include "view/view_fitting.h"
#include "view/view_state.h"
#include "view/view_test_support.h"

namespace selvana::test {
namespace {

const char* const kFirstExamples[] = {"1_SLOPE_SEARCH", "2_FIXED_CIRCLE"};

// A rectangle from (left, bottom) to (right, top), either in screen pixels (y down) or paper mm.
struct Box {
  double left, bottom, right, top;
  bool Overlaps(const Box& o) const {
    return left < o.right && o.left < right && bottom < o.top && o.bottom < top;
  }
};

// The cell of every character the figure wrote (lime) on the recording canvas, spaces left out:
// "text X Y \"c\" H #00FF00" covers X .. X + bytes x H / 2 and Y .. Y + H.
std::vector<Box> FigureCharacterCells(const std::vector<std::string>& calls) {
  std::vector<Box> cells;
  for (const std::string& call : calls) {
    const std::size_t open = call.find('"'), close = call.rfind('"');
    if (call.rfind("text ", 0) != 0 || call.find("#00FF00") == std::string::npos) continue;
    const std::string shown = call.substr(open + 1, close - open - 1);
    if (shown == " ") continue;
    int x = 0, y = 0, h = 0;
    std::sscanf(call.c_str(), "text %d %d", &x, &y);
    std::sscanf(call.c_str() + close + 1, "%d", &h);
    const double bytes = shown.rfind("\\x", 0) == 0 ? static_cast<double>(shown.size()) / 4 : 1;
    cells.push_back({double(x), double(y), x + std::floor(bytes * h / 2), double(y + h)});
  }
  return cells;
}

// The figure's (lime) circle marks, each as its centre pixel and the pixels around it.
std::vector<Box> CentreMarks(const std::vector<std::string>& calls) {
  std::vector<Box> marks;
  for (const std::string& call : calls) {
    int l = 0, t = 0, r = 0, b = 0;
    if (call.find("#00FF00") == std::string::npos ||
        std::sscanf(call.c_str(), "ellipse %d %d %d %d", &l, &t, &r, &b) != 4) {
      continue;
    }
    const double x = (l + r) / 2.0, y = (t + b) / 2.0;
    marks.push_back({x - 1.0, y - 1.0, x + 1.0, y + 1.0});
  }
  return marks;
}

// The boxes of the safety-factor labels at the listed centres, in paper mm.
std::vector<Box> SafetyFactorLabels() {
  std::vector<Box> labels;
  for (int i = 0; i < CircleListCount; ++i) {
    FigureLayout layout;
    LayoutCentreSafetyFactor(i, layout, false);
    for (const FigureItem& item : layout.Items()) {
      if (const auto* t = std::get_if<FigureText>(&item)) {
        const double width = static_cast<double>(t->text.size()) * 0.5 * t->height;
        labels.push_back({t->x, t->y, t->x + width, t->y + t->height});
      }
    }
  }
  return labels;
}

// The whole frame lies in the view, no two characters share a pixel and no centre mark sits in
// a character.
void ExpectFrameInViewAndTextsReadable(const std::vector<std::string>& calls) {
  int left = 0, top = 0, right = 0, bottom = 0;
  ModelToScreen(FigureFrame.Left, FigureFrame.Top, left, top);
  ModelToScreen(FigureFrame.Right, FigureFrame.Bottom, right, bottom);
  EXPECT_TRUE(0 <= left && right < ViewState.ImageWidth && 0 <= top &&
              bottom < ViewState.ImageHeight)
      << "frame x " << left << ".." << right << ", y " << top << ".." << bottom;
  const std::vector<Box> cells = FigureCharacterCells(calls);
  const std::vector<Box> marks = CentreMarks(calls);
  ASSERT_GT(cells.size(), 100u);
  for (std::size_t a = 0; a < cells.size(); ++a) {
    for (std::size_t b = a + 1; b < cells.size(); ++b) {
      EXPECT_FALSE(cells[a].Overlaps(cells[b])) << "characters " << a << " and " << b;
    }
    for (const Box& mark : marks) {
      EXPECT_FALSE(cells[a].Overlaps(mark)) << "mark at " << mark.left << ", " << mark.bottom;
    }
  }
}

class FirstExamplesTest : public ViewFixture {};

TEST_F(FirstExamplesTest, CalculatedExamplesShowAFramedReadableFigure) {
  for (const std::string name : kFirstExamples) {
    SCOPED_TRACE(name);
    ResetProjectData();
    OpenProject();
    CalculateAndShowSample(name, kExamplesFolder);
    const FigureFrameRecord& f = FigureFrame;
    const auto inside = [&f](double x, double y) {
      return f.BandLeft < x && x < f.BandRight && f.BandBottom < y && y < f.BandTop;
    };
    for (int i = 0; i < PointCount; ++i) {
      if (PointTable[i].Id < 0) continue;
      EXPECT_TRUE(inside(PointTable[i].X, PointTable[i].Y)) << "point " << i;
    }
    ASSERT_GT(CircleListCount, 0);
    for (int i = 0; i < CircleListCount; ++i) {
      EXPECT_TRUE(inside(CircleList[i].CentreX, CircleList[i].CentreY)) << "centre " << i;
    }
    for (const auto& [width, height] : {std::pair{1920, 1080}, std::pair{1366, 768}}) {
      SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
      const ControlRect view = MaximisedViewOn(width, height);
      canvas.Resize(view.Width, view.Height);
      FitViewToModel();
      canvas.Clear();
      ASSERT_EQ(0, RedrawView(kRedrawModel));
      ExpectFrameInViewAndTextsReadable(canvas.Calls());
      // The result box's characters are drawn in a font as high as its text height, 9 px or more.
      const double h = DrawSettings.Sizes[4], rows = BuildResultBoxRows(true).Count;
      int left = 0, top = 0, bottom = 0;
      PaperToScreen(FigureFrameSize().W - 14.0 * h, FigureFrameSize().T, left, top);
      PaperToScreen(FigureFrameSize().W - 14.0 * h, FigureFrameSize().T - 1.2 * h * rows, left,
                    bottom);
      const int font = static_cast<int>(PaperMmToPixels(h));
      EXPECT_GE(font, 9);
      for (const Box& c : FigureCharacterCells(canvas.Calls())) {
        const bool inBox = c.left >= left && top <= c.bottom && c.bottom < bottom;
        EXPECT_TRUE(!inBox || c.top - c.bottom == font) << c.left << ", " << c.bottom;
      }
    }
    const FrameSize frame = FigureFrameSize();
    const double h = DrawSettings.Sizes[4];
    const double rows = BuildResultBoxRows(true).Count;
    const Box resultBox{frame.W - 14.0 * h, frame.T - 1.2 * h * rows, frame.W, frame.T};
    const Box titleBand{0.0, frame.T, frame.W, frame.T + 10.0};
    const std::vector<Box> labels = SafetyFactorLabels();
    ASSERT_FALSE(labels.empty());
    for (const Box& label : labels) {
      EXPECT_FALSE(label.Overlaps(resultBox)) << label.left << ", " << label.bottom;
      EXPECT_FALSE(label.Overlaps(titleBand)) << label.left << ", " << label.bottom;
    }
  }
}

// Every project in the examples folder is one of the examples covered here.
TEST(FirstExamples, AreAllTheShippedExamples) {
  std::set<std::string> shipped;
  for (const auto& entry : std::filesystem::directory_iterator(kExamplesFolder)) {
    std::string extension = entry.path().extension().string();
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (extension == ".SDW") shipped.insert(entry.path().stem().string());
  }
  EXPECT_EQ(std::set<std::string>(std::begin(kFirstExamples), std::end(kFirstExamples)), shipped);
}

// Each example is a file the program writes: opened as the program opens it, untouched OKs in
// the calculation, drawing and display settings mark nothing, and a save writes its own bytes.
TEST_F(FirstExamplesTest, UntouchedSettingsAndASaveKeepEveryByte) {
  const KeepCurrentDirectory here;
  TempFolder folder;
  ASSERT_TRUE(ChangeDirectory(folder.path()));
  for (const std::string name : kFirstExamples) {
    ReadSample(name, kExamplesFolder);
    const std::string shipped = folder.Read(name + ".SDW");
    FitViewToModel();
    StoreCalcConditions(FillCalcConditions());
    StoreDrawSettings(FillDrawSettings());
    StoreDisplaySettings(FillDisplaySettings());
    EXPECT_EQ(0, DataModified) << name;
    ASSERT_EQ(0, WriteProjectFile(name));
    EXPECT_EQ(shipped, folder.Read(name + ".SDW")) << name;
  }
}

// The straight-line methods find their lines with the settings the examples carry, as the
// circle methods find their circles: each method's verdict on each example.
TEST(FirstExamples, EveryMethodGivesItsVerdict) {
  const struct {
    int kt;
    std::string fmin[2];  // on the examples in the order of kFirstExamples
  } cases[] = {{0, {"1.276", "1.927"}}, {1, {"1.276", "1.927"}}, {2, {"1.329", "2.034"}},
               {3, {"2.572", "4.650"}}, {4, {"1.311", "1.997"}}, {5, {"2.572", "4.111"}}};
  const std::string here = CurrentDirectory();
  TempFolder folder;
  ASSERT_TRUE(ChangeDirectory(folder.path()));
  for (const auto& c : cases) {
    for (int example = 0; example < 2; ++example) {
      SCOPED_TRACE(std::string(kFirstExamples[example]) + " method " + std::to_string(c.kt));
      ResetProjectData();
      ReadSample(kFirstExamples[example], kExamplesFolder);
      cm.kt = c.kt;
      ScriptedMessageBox box;
      box.Expect("計算：正常終了しました。判定(" + c.fmin[example] + " >= 1.000) OK", "終わり");
      HeadlessProgress progress;
      EXPECT_EQ(0, RunEntryOf(c.kt, BuiltRunEntries())(progress));
    }
  }
  ChangeDirectory(here);
}

}  // namespace
}  // namespace selvana::test
