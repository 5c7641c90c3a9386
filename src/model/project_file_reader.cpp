// The full project reader and the three partial readers: open, check the version, walk the
// layout storing the wanted sections, check the tables, and tell the user what was repaired.
#include <initializer_list>

#include "model/project_file.h"
#include "model/project_file_layout.h"
#include "model/project_file_names.h"
#include "model/project_file_repair.h"
#include "model/project_file_walk.h"
#include "model/project_model.h"
#include "model/reset_hooks.h"
#include "platform/cp932.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/text_file.h"

namespace selvana {
namespace {

constexpr const char* kFileKind = "斜面安定検討データファイル";
constexpr const char* kBadVersionMessage = "(Error)データのバージョンが正しくありません";
constexpr const char* kTruncatedMessage =
    "斜面安定検討データファイル(%s) は途中で終わっています。読み込めた所までを使います。";
constexpr const char* kOverCapacityMessage =
    "斜面安定検討データファイル(%s) "
    "のデータ数が上限を超えています。上限を超えた分は読み込みませんでした。";
constexpr const char* kBadCountMessage =
    "斜面安定検討データファイル(%s) "
    "のデータ数が数値ではありません。次の見出し行までを読み込みました。";
constexpr const char* kWrongCountMessage =
    "斜面安定検討データファイル(%s) "
    "のデータ数が行数と合いません。次の見出し行までを読み込みました。";
// Names the first such line: its number in the file, the heading above it and what the value
// was (DamagedValueText).
constexpr const char* kBadValueMessage =
    "斜面安定検討データファイル(%s) "
    "の%d行目「%s」に%sがありました。その値は読み込みませんでした。";
constexpr const char* kRepairedMessage =
    "斜面安定検討データファイル(%s) の点・線分・ブロックの番号に誤りがありました。"
    "誤った線分は削除し、番号は直しました。";

void ShowError(const std::string& text) {
  ShowMessage(text, "error", MsgButtons::Ok, MsgIcon::Error);
}

void ShowError(const char* format, const std::string& base) {
  ShowError(StrFormat(format, ProjectFileShownName(base).c_str()));
}

void ShowBadValue(const std::string& base, const LayoutReader& reader) {
  const FilePlace& place = reader.firstBadValue();
  ShowError(StrFormat(kBadValueMessage, ProjectFileShownName(base).c_str(), place.line,
                      ToUtf8(place.heading).c_str(), DamagedValueText(reader.firstDamage())));
}

// The repairs of the stored tables; true when anything changed.
bool RepairTables(SectionSet store) {
  bool changed = false;
  if (store.Has(FileSection::kTerrain)) {
    changed |= RepairPointIds();
    changed |= RepairLineEnds();
  }
  if (store.Has(FileSection::kBlocks)) changed |= RepairBlockNumbers();
  return changed;
}

enum class ReadKind { kFull, kPartial };

int ReadProject(const std::string& base, SectionSet store, ReadKind kind) {
  TextFileReader in;
  if (!in.Open(ProjectFilePath(base))) {
    ShowError(OpenFailureMessage(kFileKind, ProjectFileShownName(base), in.Failure()));
    return kReadCannotOpen;
  }
  std::string first;
  const int version = in.ReadLine(first) ? ScanInt(first).value_or(0) : 0;
  if (version < kOldestProjectVersion || version > kProjectVersion) {
    ShowError(kBadVersionMessage);
    return kReadBadVersion;
  }
  if (kind == ReadKind::kFull) {
    // What the file does not give (a value that does not scan, the part after a cut) takes a
    // new project's value, never the value of the project open before.
    ResetProjectRecords();
    cm.ProjectFileName = CutCp932(base, kMaxTextBytes);
  }

  LayoutReader reader(in, version, store);
  reader.Walk(ProjectFileLayout());
  in.Close();
  const bool repaired = RepairTables(store);

  if (reader.truncated()) ShowError(kTruncatedMessage, base);
  if (reader.badCount()) ShowError(kBadCountMessage, base);
  if (reader.wrongCount()) ShowError(kWrongCountMessage, base);
  if (reader.overCapacity()) ShowError(kOverCapacityMessage, base);
  if (reader.badValue()) ShowBadValue(base, reader);
  if (repaired) ShowError(kRepairedMessage, base);
  const bool sameAsFile = !reader.truncated() && !reader.badCount() && !reader.wrongCount() &&
                          !reader.overCapacity() && !reader.badValue() && !repaired;

  CalcStatus = 0;
  if (ResetHooks.ResetMouseMode) ResetHooks.ResetMouseMode();
  DataModified = (kind == ReadKind::kFull && sameAsFile) ? 0 : 1;
  return kReadOk;
}

}  // namespace

int ReadProjectFile(const std::string& base) {
  return ReadProject(
      base,
      {FileSection::kHeader, FileSection::kConditions, FileSection::kTerrain, FileSection::kBlocks},
      ReadKind::kFull);
}

int ReadProjectConditions(const std::string& base) {
  return ReadProject(base, {FileSection::kConditions}, ReadKind::kPartial);
}

int ReadProjectBlocks(const std::string& base) {
  return ReadProject(base, {FileSection::kBlocks}, ReadKind::kPartial);
}

int ReadProjectTerrain(const std::string& base) {
  return ReadProject(base, {FileSection::kTerrain}, ReadKind::kPartial);
}

}  // namespace selvana
