// The version text of the version box: the first line of the version file, cut to 63 bytes.
#include "forms/version_text.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "support/temp_folder.h"

namespace selvana {
namespace {

struct VersionCase {
  const char* name;
  std::string file;  // bytes of SYSVER.DAT; empty: no file
  std::string shown;
};

TEST(VersionText, FirstLineCutToSixtyThreeBytes) {
  const std::string long70(70, '9');
  const std::string kanji = ToCp932("版");  // two bytes
  const VersionCase cases[] = {
      {"crlf_line", "(Version 1.00.00)\r\nsecond\r\n", "(Version 1.00.00)"},
      {"lf_line", "v2\nx", "v2"},
      {"long_line", long70 + "\r\n", std::string(63, '9')},
      {"no_half_character", std::string(62, 'a') + kanji, std::string(62, 'a')},
      {"empty_file", "\r\n", ""},
      {"missing_file", "", kVersionFallback},
  };
  for (const VersionCase& c : cases) {
    test::TempFolder dir;
    if (!c.file.empty()) dir.Write("sysver.dat", c.file);  // found whatever its case
    EXPECT_EQ(ReadVersionText(dir.Dir()), c.shown) << c.name;
  }
}

}  // namespace
}  // namespace selvana
