// The project file writer: walks the layout table and writes every line of version 2240,
// first under a temporary name, then renames it over the old file.
#include <cstdio>

#include "model/project_file.h"
#include "model/project_file_layout.h"
#include "model/project_file_names.h"
#include "model/project_model.h"
#include "platform/cp932.h"
#include "platform/message_box.h"
#include "platform/number_format.h"
#include "platform/text_file.h"

namespace selvana {
namespace {

constexpr const char* kCannotSaveMessage =
    "斜面安定検討データファイル(%s) を保存できませんでした。";
constexpr const char* kTemporarySuffix = ".saving";

int Clamp(int n, int capacity) { return n < 0 ? 0 : (n > capacity ? capacity : n); }

class LayoutWriter {
 public:
  LayoutWriter(TextFileWriter& out, const std::string& base) : out_(out), base_(base) {}

  void Write(const LayoutItem& item) {
    switch (item.kind) {
      case ItemKind::kVersion:
      case ItemKind::kComment: out_.WriteLine(item.text); break;
      case ItemKind::kBaseName: out_.WriteLine(base_); break;
      case ItemKind::kTitle: {
        std::string title = cm.ProjectTitle;
        StripNewlines(title, kMaxTextBytes + 1);
        out_.WriteLine(title);
        break;
      }
      case ItemKind::kNumbers: out_.WriteLine(FormatFields(item.fields, 0)); break;
      case ItemKind::kRows: WriteRows(item); break;
      case ItemKind::kList: WriteList(item); break;
    }
  }

 private:
  void WriteRows(const LayoutItem& item) {
    const int n = Clamp(item.fields[0].asInt(0), item.capacity);
    out_.WriteLine(StrFormat("%d", n));
    out_.WriteLine(item.text);
    for (int row = 0; row < n; ++row) out_.WriteLine(FormatFields(item.record[0].fields, row));
  }

  void WriteList(const LayoutItem& item) {
    const int n = Clamp(*item.count, item.capacity);
    for (int slot = 0; slot < n; ++slot) {
      for (const LayoutItem& line : item.record) out_.WriteLine(FormatFields(line.fields, slot));
    }
  }

  TextFileWriter& out_;
  const std::string& base_;
};

// Writes the whole file to path; true when every byte reached the disk.
bool WriteLayoutTo(const std::string& path, const std::string& base) {
  TextFileWriter out;
  if (!out.Open(path)) return false;
  LayoutWriter writer(out, base);
  for (const LayoutItem& item : ProjectFileLayout()) writer.Write(item);
  return out.Close();
}

}  // namespace

int WriteProjectFile(const std::string& base) {
  const std::string path = ProjectFilePath(base);
  const std::string temporary = path + kTemporarySuffix;
  if (!WriteLayoutTo(temporary, base) || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    ShowMessage(StrFormat(kCannotSaveMessage, ProjectFileShownName(base).c_str()), "error",
                MsgButtons::Ok, MsgIcon::Error);
    return kWriteFailed;
  }
  cm.ProjectFileName = CutCp932(base, kMaxTextBytes);
  DataModified = 0;
  return kWriteOk;
}

}  // namespace selvana
