// The dump files: names, removal, the line layout of each method family byte for byte, and a
// write failure that is reported rather than lost.
#include "calc/results/dump_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "calc/progress/headless.h"
#include "calc/results/result_store.h"
#include "calc/results/slip_result.h"
#include "model/project_model.h"
#include "support/scratch_folder_test.h"

namespace selvana {
namespace {

namespace fs = std::filesystem;

// Runs each test in a fresh temporary folder standing for the program folder.
class DumpFileTest : public test::ScratchFolderTest {
 protected:
  void TearDown() override {
    AnswerDump.Close();
    test::ScratchFolderTest::TearDown();
  }

  // A surface with distinct values in every field the dump lines show.
  static void FillSurface() {
    SlipResult& r = CurrentSlipResult;
    r.cx = 1.5;
    r.cy = -2.25;
    r.dx = 4.0;
    r.dy = 5.0;
    r.rr = 10.0;
    r.sx = 8.125;
    r.sy = 3.0;
    r.ex = -6.5;
    r.ey = 1.0;
    r.csx = 7.0;
    r.csy = 2.5;
    r.cex = -5.0;
    r.cey = 0.5;
    r.mrf = 1234.5678;
    r.mrc = 20.0;
    r.mry = 0.0;
    r.mr = 1254.5678;
    r.mdw = 900.0;
    r.mdh = -12.5;
    r.mdk = 0.25;
    r.md = 887.75;
    r.f = 1.413;
  }

  HeadlessProgress progress_;
};

TEST_F(DumpFileTest, NamesSharedFromTheFourthOrderOn) {
  EXPECT_EQ(DumpFileName(1), "answer1.dmp");
  EXPECT_EQ(DumpFileName(4), "answer4.dmp");
  EXPECT_EQ(DumpFileName(6), "answer4.dmp");
  EXPECT_EQ(DumpFileName(0), "");
}

TEST_F(DumpFileTest, DeleteRemovesOnlyTheFourDumpFiles) {
  for (const char* name : {"answer1.dmp", "answer3.dmp", "answer5.dmp"}) {
    std::ofstream(name) << "x";
  }
  DeleteDumpFiles();
  EXPECT_FALSE(fs::exists("answer1.dmp"));
  EXPECT_FALSE(fs::exists("answer3.dmp"));
  EXPECT_TRUE(fs::exists("answer5.dmp"));
}

struct DumpCase {
  const char* name;
  int family;  // 0 circle, 1 Bishop, 2 method 3, 3 method 5
  const char* expected;
};

// Hand-checked against the fixed layouts: %7.3f for positions, %10.3f for sums, %5.3f for f.
const DumpCase kDumpCases[] = {
    {"circle", 0,
     "cx,cy=  1.500, -2.250 rr= 10.000 sx,sy=  8.125,  3.000 ex,ey= -6.500,  1.000\r\n"
     "                             csx,csy=  7.000,  2.500 cex,cey= -5.000,  0.500\r\n"
     "      mrf=  1234.568 mrc=    20.000 mry=     0.000 mr=  1254.568 \r\n"
     "      mdw=   900.000 mdh=   -12.500 mdk=     0.250 md=   887.750 f=1.413\r\n"},
    {"bishop", 1,
     "cx,cy=  1.500, -2.250 rr= 10.000 sx,sy=  8.125,  3.000 ex,ey= -6.500,  1.000\r\n"
     "                             csx,csy=  7.000,  2.500 cex,cey= -5.000,  0.500\r\n"
     "      mrf=   800.000 mrc=   454.568                mr=  1254.568 \r\n"
     "      mdw=   900.000 mdh=   -12.500 mdk=     0.250 md=   887.750 f=1.413\r\n"},
    {"line", 2,
     "cx,cy=  1.500, -2.250 rr= 10.000 sx,sy=  8.125,  3.000 ex,ey= -6.500,  1.000\r\n"
     "      mrf=  1234.568 mrc=    20.000                mr=  1254.568 \r\n"
     "      mdw=   900.000 mdh=   -12.500 mdk=     0.250 md=   887.750 f=1.413\r\n"},
    {"segments", 3,
     "cx,cy=  1.500, -2.250 dx,dy=  4.000,  5.000 sx,sy=  8.125,  3.000 ex,ey= -6.500,  "
     "1.000\r\n"
     "      mrf=  1234.568 mrc=    20.000                mr=  1254.568 \r\n"
     "      mdw=   900.000 mdh=   -12.500 mdk=     0.250 md=   887.750 f=1.413\r\n"},
};

TEST_F(DumpFileTest, EachFamilyWritesItsLinesByteForByte) {
  for (const auto& c : kDumpCases) {
    ASSERT_TRUE(AnswerDump.Open(2)) << c.name;
    FillSurface();
    switch (c.family) {
      case 0: StoreCircleResult(2, progress_); break;
      case 1: StoreCircleResultBishop(2, BishopShares{800.0, 454.5678}, progress_); break;
      case 2: StoreLineResult(2, progress_); break;
      default: StoreLineResult2(2, progress_); break;
    }
    ASSERT_TRUE(AnswerDump.Close()) << c.name;
    EXPECT_EQ(ReadFile("answer2.dmp"), c.expected) << c.name;
  }
}

TEST_F(DumpFileTest, RefusedSurfaceWritesNothing) {
  ASSERT_TRUE(AnswerDump.Open(1));
  FillSurface();
  CurrentSlipResult.f = cm.MaxSafetyFactor + 1.0;
  StoreCircleResult(1, progress_);
  ASSERT_TRUE(AnswerDump.Close());
  EXPECT_EQ(ReadFile("answer1.dmp"), "");
}

TEST_F(DumpFileTest, UnopenedDumpStillStoresTheRecord) {
  fs::create_directory("answer3.dmp");  // a folder in the way: the file cannot be created
  EXPECT_FALSE(AnswerDump.Open(3));
  FillSurface();
  EXPECT_EQ(StoreCircleResult(3, progress_), 0);
  EXPECT_EQ(SlipResultCount[2], 1);
  EXPECT_TRUE(AnswerDump.Close());
}

TEST_F(DumpFileTest, FailedWriteIsReportedAtClose) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full to fail writes";
  fs::create_symlink("/dev/full", "answer1.dmp");
  ASSERT_TRUE(AnswerDump.Open(1));
  FillSurface();
  StoreCircleResult(1, progress_);
  EXPECT_FALSE(AnswerDump.Close());
}

}  // namespace
}  // namespace selvana
