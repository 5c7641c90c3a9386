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
constexpr const char* kPileFileKind = "矢板諸元インポートファイル";
constexpr const char* kFactorFileKind = "部分安全係数ファイル";

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

// The lines of a file being read, counted as an editor counts them, with the first value that
// did not scan (not a number, missing, or beyond the range of a double) and its line.
class ValueLines {
 public:
  explicit ValueLines(TextFileReader& file) : file_(file) {}

  bool Next(std::string& line) {
    if (!file_.ReadLine(line)) return false;
    ++number_;
    return true;
  }

  // Scans "%lf" or "%lf,%lf" from the line read last into values, as the C library would.
  void Scan(const std::string& line, std::initializer_list<double*> values) {
    Fields fields;
    for (double* v : values) fields.push_back(FieldOf(*v));
    const ScanDamage damage = ScanFields(line, fields, fields.size(), 0);
    if (damage != ScanDamage::kNone && damage_ == ScanDamage::kNone) {
      damage_ = damage;
      damagedLine_ = number_;
    }
  }

  // Counts the next line as damaged when the file ended before it, unless an earlier line was.
  void MissingNext() {
    if (damage_ != ScanDamage::kNone) return;
    damage_ = ScanDamage::kNotANumber;
    damagedLine_ = number_ + 1;
    missing_ = true;
  }

  // True after telling the user of the first damaged value of the file (caption "error").
  bool TellDamage(const char* what, const std::string& name, const char* extension) const {
    if (damage_ == ScanDamage::kNone) return false;
    const std::string where =
        StrFormat("%s(%s%s) の%d行目", what, name.c_str(), extension, damagedLine_);
    const std::string fault = missing_ ? std::string("がありません")
                                       : StrFormat("に%sがありました", DamagedValueText(damage_));
    ShowMessage(where + fault + "。このファイルからは何も読み込みませんでした。", "error");
    return true;
  }

 private:
  TextFileReader& file_;
  int number_ = 0;
  int damagedLine_ = 0;
  ScanDamage damage_ = ScanDamage::kNone;
  bool missing_ = false;  // the damaged line is missing: the file ended before it
};

void ReadPileHeader(ValueLines& lines, SheetPileSettingsRecord& pile) {
  double* const fields[] = {&pile.TopElevation, &pile.EmbedmentElevation, &pile.SectionArea,
                            &pile.Lm1};
  std::string line;
  for (double* field : fields) {
    if (!lines.Next(line)) return lines.MissingNext();
    lines.Scan(line, {field});
  }
}

// Reads the pressure rows; false when the file held more rows than the table.
bool ReadPileRows(ValueLines& lines, SheetPileSettingsRecord& pile, DrawSettingsRecord& draw) {
  std::string line;
  while (lines.Next(line) && IsRowLine(line)) {
    if (pile.RowCount >= kMaxPileRows) return false;
    const int i = pile.RowCount;
    lines.Scan(line, {&pile.Elevation[i], &pile.Intensity[i]});
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
    TellNotOpened(kPileFileKind, name, kPileExtension, file);
    return 1;
  }
  // Read into copies, so that a damaged file leaves the records as they were.
  // The file has no field for the pile's X and its allowable shear: they stay as they are.
  SheetPileSettingsRecord read = pile;
  DrawSettingsRecord readDraw = draw;
  ValueLines lines(file);
  ReadPileHeader(lines, read);
  read.RowCount = 0;
  const bool allRows = ReadPileRows(lines, read, readDraw);
  if (lines.TellDamage(kPileFileKind, name, kPileExtension)) return 1;
  if (!allRows) {
    ShowMessage(StrFormat("矢板諸元インポートファイル(%s%s) の土圧データが%d行を超えています。"
                          "%d行目からは読み込みません。",
                          name.c_str(), kPileExtension, kMaxPileRows, kMaxPileRows + 1),
                "error");
  }
  pile = read;
  draw = readDraw;
  return 0;
}

int ReadPartialFactorFile(const std::string& name, PartialFactorsRecord& factors) {
  TextFileReader file;
  if (!file.Open(DataFilePath(name, kFactorExtension))) {
    TellNotOpened(kFactorFileKind, name, kFactorExtension, file);
    return 1;
  }
  PartialFactorsRecord read = factors;
  ValueLines lines(file);
  std::string line;
  for (int i = 0; i < kPartialFactorCount && lines.Next(line); ++i) {
    lines.Scan(line, {&read.Factor[i]});
  }
  if (lines.TellDamage(kFactorFileKind, name, kFactorExtension)) return 1;
  factors = read;
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
