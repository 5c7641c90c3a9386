// Tests of the DXF terrain import: the entity subset, the transform and merging, the limits of
// 960 points and lines, and what a cancel, a missing or a broken file leave behind.
#include "model/dxf_import.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "model/project_model.h"
#include "platform/number_format.h"
#include "support/scripted_message_box.h"
#include "support/temp_folder.h"

namespace selvana {
namespace {

using test::ScriptedMessageBox;
using test::TempFolder;

// Imported coordinates are whole millimetres computed in doubles: 1e-9 m is far below a
// millimetre and far above their rounding.
constexpr double kMm = 1e-9;

// ---- DXF text in the shape CAD programs write it (group codes right-aligned).

std::string Pair(int code, const std::string& value) {
  return StrFormat("%3d\n", code) + value + "\n";
}

std::string Num(double v) { return StrFormat("%.6f", v); }

std::string Line(double x1, double y1, double x2, double y2) {
  return Pair(0, "LINE") + Pair(8, "0") + Pair(10, Num(x1)) + Pair(20, Num(y1)) + Pair(30, "0.0") +
         Pair(11, Num(x2)) + Pair(21, Num(y2)) + Pair(31, "0.0");
}

std::string Polyline(const std::vector<std::pair<double, double>>& vertices) {
  std::string s = Pair(0, "POLYLINE") + Pair(8, "0") + Pair(66, "1") + Pair(70, "0");
  for (const auto& [x, y] : vertices) {
    s += Pair(0, "VERTEX") + Pair(8, "0") + Pair(10, Num(x)) + Pair(20, Num(y)) + Pair(30, "0.0");
  }
  return s + Pair(0, "SEQEND");
}

std::string Entities(const std::string& body) {
  return Pair(0, "SECTION") + Pair(2, "ENTITIES") + body + Pair(0, "ENDSEC") + Pair(0, "EOF");
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// ---- A prompt that records what it was shown and answers as told.

class FakePrompt : public DxfSettingsPrompt {
 public:
  bool Ask(DxfImportSettings& settings) override {
    ++asked;
    shown = settings;
    if (during) during();
    if (!read) return false;
    settings.ShiftX = shiftX;
    settings.ShiftY = shiftY;
    settings.Magnification = magnification;
    return true;
  }

  bool read = true;
  double shiftX = 0.0, shiftY = 0.0, magnification = 1.0;
  std::function<void()> during;
  int asked = 0;
  DxfImportSettings shown;
};

class DxfImportTest : public ::testing::Test {
 protected:
  std::string Import(const std::string& text, const std::string& file = "t.DXF") {
    WriteFile(folder / file, text);
    EXPECT_EQ(ImportDxfTerrain(folder / "t", prompt), 0);
    return folder / "t";
  }

  void ExpectPoint(int slot, double x, double y) {
    EXPECT_EQ(PointTable[slot].Id, slot) << "slot " << slot;
    EXPECT_NEAR(PointTable[slot].X, x, kMm) << "slot " << slot;
    EXPECT_NEAR(PointTable[slot].Y, y, kMm) << "slot " << slot;
  }

  void ExpectLine(int slot, int p1, int p2) {
    EXPECT_EQ(LineTable[slot].Kind, kLineBoundary) << "slot " << slot;
    EXPECT_EQ(LineTable[slot].P1, p1) << "slot " << slot;
    EXPECT_EQ(LineTable[slot].P2, p2) << "slot " << slot;
    EXPECT_EQ(LineTable[slot].DrawFlag, 1) << "slot " << slot;
  }

  // A small terrain the import must replace or keep.
  void MakeOldTerrain() {
    for (int i = 0; i < 5; ++i) PointTable[i] = PointRecord{i, 100.0 + i, 7.0};
    PointCount = 5;
    LineTable[0] = LineRecord{kLineUncut, 0, 4, 1};
    LineCount = 1;
    DataModified = 0;
    CalcStatus = 1;
  }

  TempFolder folder;
  FakePrompt prompt;
};

TEST_F(DxfImportTest, OneLineGivesTwoPointsAndABoundaryLine) {
  Import(Entities(Line(0, 0, 10, 5)));
  EXPECT_EQ(PointCount, 2);
  ExpectPoint(0, 0, 0);
  ExpectPoint(1, 10, 5);
  EXPECT_EQ(LineCount, 1);
  ExpectLine(0, 0, 1);
  EXPECT_EQ(DataModified, 1);
  EXPECT_EQ(CalcStatus, 0);
}

TEST_F(DxfImportTest, PromptShowsCountsAndRawRange) {
  Import(Entities(Line(-3, 2, 10, 5) + Line(1, -4, 2, 1)));
  ASSERT_EQ(prompt.asked, 1);
  EXPECT_EQ(prompt.shown.FileName, folder / "t.DXF");
  EXPECT_EQ(DxfSettingsTexts(prompt.shown),
            (std::array<std::string, 10>{folder / "t.DXF", "4", "2", "10.000", "-3.000", "5.000",
                                         "-4.000", "0.000", "0.000", "1.000"}));
}

TEST_F(DxfImportTest, ShiftAndMagnificationRoundToMillimetres) {
  prompt.shiftX = 100;
  prompt.shiftY = -1;
  prompt.magnification = 2;
  Import(Entities(Line(1.23456, 0.00025, 0, 0)));
  ExpectPoint(0, 102.469, -0.999);  // 2 x 0.00025 = 0.0005: a half rounds upward
  ExpectPoint(1, 100, -1);
}

TEST_F(DxfImportTest, EndsOnOneMillimetreMergeAndTwoApartDoNot) {
  Import(Entities(Line(0, 0, 5, 5) + Line(5.0004, 4.9996, 10, 0) + Line(5.002, 5, 5, 9)));
  EXPECT_EQ(PointCount, 5);
  ExpectPoint(1, 5, 5);
  ExpectPoint(3, 5.002, 5);
  ExpectLine(1, 1, 2);
  ExpectLine(2, 3, 4);
}

TEST_F(DxfImportTest, RepeatedAndZeroLengthSegmentsAreDropped) {
  Import(Entities(Line(0, 0, 10, 0) + Line(10, 0, 0, 0) + Line(0, 0, 10, 0) +
                  Line(3, 3, 3.0004, 3) + Line(10, 0, 10, 10)));
  EXPECT_EQ(LineCount, 2);
  ExpectLine(0, 0, 1);
  ExpectLine(1, 1, 3);
  EXPECT_EQ(PointCount, 4);  // the zero-length segment's point is listed all the same
}

TEST_F(DxfImportTest, LinesInsideABlockDefinitionAreSkipped) {
  Import(Entities(Pair(0, "BLOCK") + Pair(2, "B1") + Line(50, 50, 60, 60) + Pair(0, "ENDBLK") +
                  Line(0, 0, 1, 1)));
  EXPECT_EQ(LineCount, 1);
  ExpectPoint(0, 0, 0);
  ExpectPoint(1, 1, 1);
  EXPECT_EQ(prompt.shown.XMax, 1.0);  // block contents are not measured either
}

TEST_F(DxfImportTest, PolylineChainsEndAtSeqend) {
  Import(Entities(Polyline({{0, 0}, {5, 1}, {10, 0}}) + Polyline({{20, 0}, {30, 0}}) +
                  Polyline({{-50, 3}})));
  EXPECT_EQ(PointCount, 5);
  EXPECT_EQ(LineCount, 3);
  ExpectLine(0, 0, 1);
  ExpectLine(1, 1, 2);
  ExpectLine(2, 3, 4);
  // A lone vertex makes no segment but is measured.
  EXPECT_EQ(prompt.shown.LineCount, 3);
  EXPECT_EQ(prompt.shown.XMin, -50.0);
}

TEST_F(DxfImportTest, CrLfFileReadsAlike) {
  Import(WithCrLf(Entities(Line(0, 0, 10, 5) + Polyline({{10, 5}, {20, 5}}))));
  EXPECT_EQ(PointCount, 3);
  EXPECT_EQ(LineCount, 2);
}

TEST_F(DxfImportTest, ExtensionIsFoundInAnyCase) {
  Import(Entities(Line(0, 0, 10, 5)), "t.dxf");
  EXPECT_EQ(LineCount, 1);
}

TEST_F(DxfImportTest, CancelChangesNothing) {
  MakeOldTerrain();
  prompt.read = false;
  Import(Entities(Line(0, 0, 10, 5)));
  EXPECT_EQ(prompt.asked, 1);
  EXPECT_EQ(PointCount, 5);
  EXPECT_EQ(LineCount, 1);
  EXPECT_EQ(LineTable[0].Kind, kLineUncut);
  EXPECT_EQ(DataModified, 0);
  EXPECT_EQ(CalcStatus, 1);
}

TEST_F(DxfImportTest, MissingFileIsToldAndChangesNothing) {
  MakeOldTerrain();
  ScriptedMessageBox box;
  box.Expect("地形ＤＸＦファイル(" + (folder / "none") + ".DXF) が見つかりません。", "error");
  EXPECT_EQ(ImportDxfTerrain(folder / "none", prompt), 0);
  EXPECT_EQ(prompt.asked, 0);
  EXPECT_EQ(PointCount, 5);
  EXPECT_EQ(DataModified, 0);
}

// A file without a segment to import, or with a LINE lacking a coordinate (which would read as
// a 0 the shown range leaves out), is told and keeps the terrain.
TEST_F(DxfImportTest, FileGivingNoSoundTerrainIsToldAndKeepsTheTerrain) {
  const std::string lwpolyline = Pair(0, "LWPOLYLINE") + Pair(90, "2") + Pair(10, "0.0") +
                                 Pair(20, "0.0") + Pair(10, "5.0") + Pair(20, "5.0");
  const std::string lacking = "の6行目の線分(LINE)に欠けている座標がありました。";
  const struct {
    const char* name;
    std::string text;
    int asked;  // whether the prompt was shown: only when the first pass found segments
    std::string told = "に読み込める線分がありません。";
  } cases[] = {
      {"empty file", "", 0},
      {"no entities", Entities(""), 0},
      {"only LWPOLYLINE", Entities(lwpolyline), 0},
      {"only inside a block", Pair(0, "BLOCK") + Line(0, 0, 1, 1) + Pair(0, "ENDBLK"), 0},
      {"zero length after rounding", Entities(Line(1.0, 1.0, 1.0004, 1.0)), 1},
      {"start X repeated, end Y unread",
       Entities(Pair(0, "LINE") + Pair(10, "1") + Pair(20, "1") + Pair(10, "5") + Pair(11, "5") +
                Pair(21, "5") + Line(0, 0, 1, 1)),
       0, lacking},
      {"next entity before the end Y",
       Entities(Pair(0, "LINE") + Pair(10, "1") + Pair(20, "1") + Pair(11, "5") + Line(0, 0, 1, 1)),
       0, lacking},
  };
  for (const auto& c : cases) {
    MakeOldTerrain();
    prompt.asked = 0;
    ScriptedMessageBox box;
    box.Expect("地形ＤＸＦファイル(" + (folder / "t") + ".DXF) " + c.told + "地形は変更しません。",
               "error");
    Import(c.text);
    EXPECT_EQ(prompt.asked, c.asked) << c.name;
    EXPECT_EQ(PointCount, 5) << c.name;
    EXPECT_EQ(LineTable[0].Kind, kLineUncut) << c.name;
    EXPECT_EQ(DataModified, 0) << c.name;
    EXPECT_EQ(CalcStatus, 1) << c.name;
  }
}

TEST_F(DxfImportTest, FileGoneBeforeTheSecondPassChangesNothing) {
  MakeOldTerrain();
  ScriptedMessageBox box;
  box.ExpectPrefix("地形ＤＸＦファイル(", "error");
  prompt.during = [this] { std::remove((folder / "t.DXF").c_str()); };
  Import(Entities(Line(0, 0, 10, 5)));
  EXPECT_EQ(PointCount, 5);
  EXPECT_EQ(DataModified, 0);
}

TEST_F(DxfImportTest, SecondPassReadsOnlyTheSegmentsCounted) {
  prompt.during = [this] {
    WriteFile(folder / "t.DXF", Entities(Line(0, 0, 1, 0) + Line(1, 0, 2, 0)));
  };
  Import(Entities(Line(0, 0, 1, 0)));
  EXPECT_EQ(LineCount, 1);
  EXPECT_EQ(PointCount, 2);
}

TEST_F(DxfImportTest, FileEndingInsideAnEntityKeepsWhatCameBefore) {
  const std::string whole = Line(0, 0, 10, 0) + Line(10, 0, 10, 10);
  Import(whole.substr(0, whole.find("\n 21\n", whole.find("10.000000\n 20\n0.000000"))));
  EXPECT_EQ(LineCount, 1);
  ExpectLine(0, 0, 1);
}

TEST_F(DxfImportTest, FileEndingBetweenCodeAndValueEnds) {
  Import(Line(0, 0, 10, 0) + Pair(0, "VERTEX") + " 10\n");
  EXPECT_EQ(LineCount, 1);
}

TEST_F(DxfImportTest, StrayCodesInsideAVertexKeepTheirValueLines) {
  // A value line "20" after code 11 must not be taken for the Y code.
  Import(Entities(Pair(0, "POLYLINE") + Pair(0, "VERTEX") + Pair(10, "0.0") + Pair(20, "0.0") +
                  Pair(0, "VERTEX") + Pair(10, "4.0") + Pair(11, "20") + Pair(20, "3.0") +
                  Pair(0, "SEQEND")));
  EXPECT_EQ(LineCount, 1);
  ExpectPoint(1, 4, 3);
}

TEST_F(DxfImportTest, CoordinatesBeyondADoubleAreNotImported) {
  prompt.magnification = 10;
  Import(Entities(Line(0, 0, 1e308, 0) + Line(0, 0, 1, 1)));
  EXPECT_EQ(LineCount, 1);
  EXPECT_EQ(PointCount, 2);
  ExpectPoint(1, 10, 10);
}

// ---- The limits of 960 points and 960 lines.

TEST_F(DxfImportTest, SegmentsReachingPastThe960thPointAreDropped) {
  std::string body;
  for (int i = 0; i < 500; ++i) body += Line(i, 0, i, 1);  // 1000 distinct points
  PointTable[1000] = PointRecord{1000, 1, 2};
  LineTable[1000] = LineRecord{kLineUncut, 1, 2, 1};
  PointCount = 1001;
  LineCount = 1001;
  Import(Entities(body));
  EXPECT_EQ(PointCount, 960);
  EXPECT_EQ(LineCount, 480);
  ExpectPoint(959, 479, 1);
  EXPECT_EQ(LineTable[480].Kind, kLineFree);
  // Slots from 960 on are beyond the import and left as they were.
  EXPECT_EQ(PointTable[1000].Id, 1000);
  EXPECT_EQ(LineTable[1000].Kind, kLineUncut);
}

TEST_F(DxfImportTest, LinesPastThe960thAreIgnoredButTheirPointsKept) {
  // A 25 x 25 grid: 625 points and 1200 unit segments, then one segment to two new points.
  std::string body;
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 24; ++x) body += Line(x, y, x + 1, y);
  }
  for (int x = 0; x < 25; ++x) {
    for (int y = 0; y < 24; ++y) body += Line(x, y, x, y + 1);
  }
  body += Line(100, 100, 101, 100);
  Import(Entities(body));
  EXPECT_EQ(LineCount, 960);
  EXPECT_EQ(PointCount, 627);
  ExpectPoint(626, 101, 100);
  ExpectLine(959, 589, 614);  // the 360th vertical: column 14, rows 23-24
}

}  // namespace
}  // namespace selvana
