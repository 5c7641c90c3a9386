// Reading the sheet-pile earth-pressure file and reading and writing the partial-factor file.
#include "model/pile_factor_files.h"

#include <initializer_list>

#include "model/project_file_fields.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/text_file.h"

namespace selvana {
namespace {

constexpr const char* kPileExtension = ".DAT";
constexpr const char* kFactorExtension = ".PAK";

// The file named name + extension, its extension matched ignoring case; the name as given
// (upper-case extension) when there is none yet.
std::string DataFilePath(const std::string& name, const char* extension) {
  return FindPathIgnoringCase(name + extension);
}

void TellError(const char* format, const std::string& name, const char* extension) {
  ShowMessage(StrFormat(format, (name + extension).c_str()), "error");
}

void TellNotOpened(const char* what, const std::string& name, const char* extension,
                   const TextFileReader& file) {
  ShowMessage(OpenFailureMessage(what, name + extension, file.Failure()), "error");
}

// A pressure row starts with a digit, a minus sign or a decimal point.
bool IsRowLine(const std::string& line) {
  if (line.empty()) return false;
  const char c = line[0];
  return (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// Scans "%lf" or "%lf,%lf" as the C library would: a number the line does not supply (a
// missing field, text that is not a number) leaves its value as it was.
void ScanDoubles(const std::string& line, std::initializer_list<double*> values) {
  Fields fields;
  for (double* v : values) fields.push_back(FieldOf(*v));
  ScanFields(line, fields, fields.size(), 0);
}

void ReadPileHeader(TextFileReader& file, SheetPileSettingsRecord& pile) {
  double* const fields[] = {&pile.TopElevation, &pile.EmbedmentElevation, &pile.SectionArea,
                            &pile.Lm1};
  std::string line;
  for (double* field : fields) {
    if (!file.ReadLine(line)) return;
    ScanDoubles(line, {field});
  }
}

// Reads the pressure rows; false when the file held more rows than the table.
bool ReadPileRows(TextFileReader& file, SheetPileSettingsRecord& pile, DrawSettingsRecord& draw) {
  std::string line;
  while (file.ReadLine(line) && IsRowLine(line)) {
    if (pile.RowCount >= kMaxPileRows) return false;
    const int i = pile.RowCount;
    ScanDoubles(line, {&pile.Elevation[i], &pile.Intensity[i]});
    draw.PileLabelX[i] = 0.0;
    draw.PileLabelY[i] = 0.0;
    draw.PileLabelMode[i] = -1;
    ++pile.RowCount;
  }
  return true;
}

}  // namespace

int ReadSheetPileSpecFile(const std::string& name, SheetPileSettingsRecord& pile,
                          DrawSettingsRecord& draw) {
  TextFileReader file;
  if (!file.Open(DataFilePath(name, kPileExtension))) {
    TellNotOpened("矢板諸元インポートファイル", name, kPileExtension, file);
    return 1;
  }
  pile.PileX = 0.0;
  pile.AllowableShear = 0.0;
  ReadPileHeader(file, pile);
  pile.RowCount = 0;
  if (!ReadPileRows(file, pile, draw)) {
    ShowMessage(StrFormat("矢板諸元インポートファイル(%s%s) の土圧データが%d行を超えています。"
                          "%d行目からは読み込みません。",
                          name.c_str(), kPileExtension, kMaxPileRows, kMaxPileRows + 1),
                "error");
  }
  return 0;
}

int ReadPartialFactorFile(const std::string& name, PartialFactorsRecord& factors) {
  TextFileReader file;
  if (!file.Open(DataFilePath(name, kFactorExtension))) {
    TellNotOpened("部分安全係数ファイル", name, kFactorExtension, file);
    return 1;
  }
  std::string line;
  for (int i = 0; i < kPartialFactorCount && file.ReadLine(line); ++i) {
    ScanDoubles(line, {&factors.Factor[i]});
  }
  return 0;
}

int WritePartialFactorFile(const std::string& name, const PartialFactorsRecord& factors) {
  TextFileWriter file;
  bool written = file.Open(DataFilePath(name, kFactorExtension));
  if (written) {
    for (double f : factors.Factor) file.WriteLine(StrFormat("%lf", f));
    written = file.Close();
  }
  if (!written) {
    TellError("部分安全係数ファイル(%s) が作成できません。", name, kFactorExtension);
    return 1;
  }
  return 0;
}

}  // namespace selvana
