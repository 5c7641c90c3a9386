// Every record a circle search leaves behind, on the sample projects and on a layered slope with
// water, loads, a sheet pile and seismic load: the result tables, the circle list, the critical
// surface, Fmin, the dump files and the boxes shown. Digests of all of them are compared with a
// golden file, so a change meant to leave the calculation as it is (a faster loop, more threads)
// must keep every bit, on one thread or on many.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "calc/circle/search_threads.h"
#include "calc/fellenius_test_slopes.h"
#include "calc/progress/headless.h"
#include "calc/results/consolidation.h"
#include "calc/results/slip_result.h"
#include "mainwin/calc_command.h"
#include "model/project_file.h"
#include "model/project_model.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "support/golden_file.h"
#include "support/reset_all.h"

namespace selvana::test {
namespace {

// FNV-1a over the bytes given, field by field (never over padding).
class Digest {
 public:
  template <typename T>
  void Add(const T& value) {
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    for (unsigned char b : bytes) hash_ = (hash_ ^ b) * 1099511628211ull;
  }
  void AddText(const std::string& text) {
    for (char c : text) Add(c);
  }
  std::string Hex() const { return StrFormat("%016llx", static_cast<unsigned long long>(hash_)); }

 private:
  std::uint64_t hash_ = 14695981039346656037ull;
};

std::string ReadBytes(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void AddRecord(Digest& d, const SlipResult& r) {
  d.Add(r.order);
  for (double v :
       {r.cx, r.cy,  r.dx,  r.dy,  r.sx, r.sy,  r.ex,  r.ey,  r.csx, r.csy, r.cex,    r.cey,
        r.rr, r.mrf, r.mrc, r.mry, r.mr, r.mdw, r.mdh, r.mdk, r.md,  r.f,   r.LabelX, r.LabelY}) {
    d.Add(v);
  }
  d.Add(r.valid);
}

void AddCircle(Digest& d, const CircleListEntry& e) {
  for (double v : {e.F, e.CentreX, e.CentreY, e.LabelX, e.LabelY, e.sx, e.sy, e.ex, e.ey, e.csx,
                   e.csy, e.cex, e.cey, e.rr}) {
    d.Add(v);
  }
  d.Add(e.LabelFlag), d.Add(e.Order), d.Add(e.DrawMark);
}

// Answers every box with OK and keeps their texts for the digest.
class RecordingMessageBox : public MessageBox {
 public:
  RecordingMessageBox() : previous_(InstallMessageBox(this)) {}
  ~RecordingMessageBox() override { InstallMessageBox(previous_); }
  MsgAnswer Show(const std::string& text, const std::string& caption, MsgButtons,
                 MsgIcon) override {
    texts += caption + "|" + text + "\n";
    return MsgAnswer::Ok;
  }
  std::string texts;

 private:
  MessageBox* previous_;
};

// The homogeneous test slope on a soft layer, with a pond at the toe, a surcharge on the crest,
// a horizontal force, seismic load and a sheet pile in the slope; two grid orders, extended,
// with the radius pitch given.
void BuildLayeredProject(int pileMode, double radiusPitch) {
  const int a = AddTestPoint(-10, 0), b = AddTestPoint(10, 0), w = AddTestPoint(16, 3);
  const int c = AddTestPoint(30, 10), d = AddTestPoint(50, 10), e = AddTestPoint(50, 0);
  const int f = AddTestPoint(50, -10), g = AddTestPoint(-10, -10), h = AddTestPoint(-10, 3);
  AddBoundaryChain({a, b, w, c, d, e, f, g});
  AddTestLine(kLineBoundary, b, e);
  AddTestLine(kLineBoundary, w, h);
  AddTestLine(kLineBoundary, h, a);
  AddTestBlock(40, 5, Soil{19.0, 10.0, 15.0, 25.0});
  AddTestBlock(20, -5, Soil{17.0, 7.0, 20.0, 5.0});
  AddTestBlock(0, 1, Soil{10.0, 10.0, 0.0, 0.0, 0.0, kBlockPressureWater});
  cm.Surcharges.XMin[0] = 35.0, cm.Surcharges.XMax[0] = 45.0;
  cm.Surcharges.LoadAtXMin[0] = 10.0, cm.Surcharges.LoadAtXMax[0] = 20.0;
  cm.HorizontalForces.Y[0] = 8.0, cm.HorizontalForces.H[0] = 5.0;
  cm.SeismicCoefficient = 0.1;
  cm.SliceWidth = 0.25;
  SetTestSheetPile(pileMode, 20.0);
  for (CircleSearchSettings* s : {&FelleniusCircleSettings, &BishopCircleSettings}) {
    s->CentreX = {12.0, 24.0, 3.0, 0.0};
    s->CentreY = {18.0, 30.0, 3.0, 0.0};
    s->Radius = {14.0, 26.0, radiusPitch, 0.0};
    s->HighestGridOrder = 2;
    s->ExtendFirstGrid = 1;
  }
}

struct SearchCase {
  const char* name;  // a sample project, or "layered" with the sheet-pile mode below
  int method;        // -1: the sample's own method
  int pileMode;
  double radiusPitch = 1.0;  // layered only; a fine pitch gives columns of thousands of circles
};

constexpr SearchCase kCases[] = {
    {"HOMOGENEOUS", -1, 0},
    {"HOMOGENEOUS", kMethodBishop, 0},
    {"FIXEDCIRCLE", -1, 0},
    {"FIXEDCIRCLE", kMethodTschebotarioff, 0},
    {"layered", kMethodFellenius, 0},
    {"layered", kMethodFellenius, 1},
    {"layered", kMethodTschebotarioff, 0},
    {"layered", kMethodBishop, 0},
    {"layered", kMethodBishop, 1},
    {"layered", kMethodModifiedBishop, 0},
    {"layered", kMethodFellenius, 0, 0.05},
};

void PrepareCase(const SearchCase& c) {
  ResetAllState();
  if (std::string(c.name) == "layered") {
    BuildLayeredProject(c.pileMode, c.radiusPitch);
  } else {
    std::filesystem::copy_file(
        std::filesystem::path(SELVANA_SAMPLES) / (std::string(c.name) + ".SDW"), "P.SDW",
        std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(0, ReadProjectFile("P"));
  }
  if (c.method >= 0) cm.kt = c.method;
}

// One line of digests for everything the run of the case leaves behind; stopAtPoll as for
// HeadlessProgress.
std::string RunCase(const SearchCase& c, int stopAtPoll = 0) {
  for (int order = 1; order <= 4; ++order) {
    std::filesystem::remove(StrFormat("answer%d.dmp", order));
  }
  PrepareCase(c);
  RecordingMessageBox box;
  HeadlessProgress progress(stopAtPoll);
  const int rc = CalRunClick(progress);
  Digest records, circles, dumps, boxes;
  std::string counts;
  for (int t = 0; t < kSlipResultOrders; ++t) {
    counts += StrFormat(" %d", SlipResultCount[t]);
    for (int i = 0; i < SlipResultCount[t]; ++i) AddRecord(records, SlipResultTable[t][i]);
  }
  for (int i = 0; i < CircleListCount; ++i) AddCircle(circles, CircleList[i]);
  AddRecord(circles, CriticalResult);
  for (int order = 1; order <= 4; ++order) {
    const std::string name = StrFormat("answer%d.dmp", order);
    if (!std::filesystem::exists(name)) continue;
    const std::string text = ReadBytes(name);
    dumps.AddText(name + text);
    counts += StrFormat(" %s:%zu", name.c_str(), text.size());
  }
  boxes.AddText(box.texts);
  return StrFormat(
      "%s pitch %g m%d pile%d rc %d status %d Fmin %.17g circles %d records%s\r\n"
      "  records %s circles %s dumps %s boxes %s line4 %s polls %d\r\n",
      c.name, c.radiusPitch, cm.kt, c.pileMode, rc, CalcStatus, Fmin, CircleListCount,
      counts.c_str(), records.Hex().c_str(), circles.Hex().c_str(), dumps.Hex().c_str(),
      boxes.Hex().c_str(), progress.Line(4).c_str(), progress.polls());
}

class SearchIdentity : public ScratchFolderTest {};

// One thread, more threads than centres in a column (some stay idle) or than cores, and the
// count SELVANA_THREADS asks for (else the cores), so that runs of this test under other counts
// try those too.
TEST_F(SearchIdentity, EveryRecordAndDumpByteStaysAsItWasOnAnyNumberOfThreads) {
  SetSearchThreadCount(0);
  for (const int threads : {1, 3, 16, SearchThreadCount()}) {
    SCOPED_TRACE(StrFormat("%d threads", threads));
    SetSearchThreadCount(threads);
    std::string all;
    for (const SearchCase& c : kCases) all += RunCase(c);
    ExpectGolden(all, "calc/search_identity.txt");
  }
  SetSearchThreadCount(0);
}

// A stop in the middle of the second column of the first order, and one in the second order:
// the threads stop at the same centre with the same stored surfaces as one thread does.
TEST_F(SearchIdentity, AStoppedSearchKeepsWhatOneThreadKeeps) {
  for (const SearchCase& c : {kCases[4], kCases[7]}) {
    for (const int stopAt : {7, 40}) {
      SetSearchThreadCount(1);
      const std::string one = RunCase(c, stopAt);
      SetSearchThreadCount(4);
      EXPECT_EQ(one, RunCase(c, stopAt)) << c.name << " m" << c.method << " stop " << stopAt;
    }
  }
  SetSearchThreadCount(0);
}

// A window never due for texts while the surfaces come in (its repaint pause always running)
// still ends the search showing the latest surface and the running minimum, on one thread and
// on several, as a window due at every surface does.
TEST_F(SearchIdentity, AWindowNeverDueStillEndsShowingTheLatestSurfaceAndMinimum) {
  class NeverDue : public HeadlessProgress {
   public:
    bool LinesDue() override { return false; }
  };
  const auto lastLines = [](const SearchCase& c, HeadlessProgress& progress) {
    PrepareCase(c);
    RecordingMessageBox box;
    CalRunClick(progress);
    return progress.Line(4) + "|" + progress.Line(5) + "|" + progress.Line(6) + "|" +
           progress.Line(7);
  };
  for (const SearchCase& c : {kCases[4], kCases[7]}) {
    for (const int threads : {1, 4}) {
      SetSearchThreadCount(threads);
      HeadlessProgress due;
      NeverDue busy;
      const std::string shown = lastLines(c, due);
      EXPECT_NE(shown.find("Ｆｍｉｎ"), std::string::npos);
      EXPECT_EQ(shown, lastLines(c, busy)) << "m" << c.method << " on " << threads;
    }
  }
  SetSearchThreadCount(0);
}

}  // namespace
}  // namespace selvana::test
