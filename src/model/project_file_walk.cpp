// The layout walk shared by the full reader and the three partial readers.
#include "model/project_file_walk.h"

#include "model/project_file.h"
#include "model/project_model.h"

namespace selvana {
namespace {

constexpr std::size_t kTitleBuffer = kMaxTextBytes + 1;

// A comment line: it ends a list, and rows whose count was not a number.
bool IsHeadingLine(const std::string& line) { return !line.empty() && line[0] == '$'; }

// A comment of the layout as the heading of the lines below it: its text after the "$" and the
// blanks that follow. Taken from the layout, so a comment edited in the file cannot change it.
std::string HeadingOf(const std::string& comment) {
  const std::size_t start = comment.find_first_not_of("$ ");
  return start == std::string::npos ? std::string() : comment.substr(start);
}

// Index of the last item of a stored section.
std::size_t LastStored(const std::vector<LayoutItem>& layout, SectionSet store) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < layout.size(); ++i) {
    if (store.Has(layout[i].section)) last = i;
  }
  return last;
}

}  // namespace

void LayoutReader::Walk(const std::vector<LayoutItem>& layout) {
  const std::size_t last = LastStored(layout, store_);
  for (std::size_t i = 1; i <= last; ++i) {
    Read(layout[i]);
    // Without its end line a file cannot show that nothing was lost after the last whole line.
    if (ended_) {
      truncated_ = true;
      EmptyListsBetween(layout, i + 1, last);
      return;
    }
  }
}

// The file lists no slot of a table it ends before: such a table holds nothing, so that no
// record of the previous project stays among the new file's records.
void LayoutReader::EmptyListsBetween(const std::vector<LayoutItem>& layout, std::size_t from,
                                     std::size_t last) {
  for (std::size_t i = from; i <= last; ++i) {
    const LayoutItem& item = layout[i];
    if (item.kind == ItemKind::kList && Stores(item)) *item.count = 0;
  }
}

bool LayoutReader::Next(std::string& line) {
  if (hasPending_) {
    hasPending_ = false;
    line = std::move(pending_);
    return true;
  }
  if (ended_ || !in_.ReadLine(line)) {
    ended_ = true;
    return false;
  }
  ++place_.line;
  return true;
}

// Leaves line (a "$" line that ended a list or rows) for the next item.
void LayoutReader::PutBack(std::string& line) {
  pending_ = std::move(line);
  hasPending_ = true;
}

// Reads one item; the walk notices the end of the file afterwards.
void LayoutReader::Read(const LayoutItem& item) {
  const bool store = Stores(item);
  std::string line;
  switch (item.kind) {
    case ItemKind::kComment:
      if (Present(item.gate) && Next(line)) place_.heading = HeadingOf(item.text);
      break;
    case ItemKind::kVersion:
    case ItemKind::kBaseName:
      if (Present(item.gate)) Next(line);
      break;
    case ItemKind::kTitle: ReadTitle(store); break;
    case ItemKind::kNumbers: ReadNumbers(item, store, 0); break;
    case ItemKind::kRows: ReadRows(item, store); break;
    case ItemKind::kList: ReadList(item, store); break;
  }
}

void LayoutReader::ReadTitle(bool store) {
  std::string line;
  if (Next(line) && store) {
    StripNewlines(line, kTitleBuffer);
    cm.ProjectTitle = std::move(line);
  }
}

// False when the file ended before the line.
bool LayoutReader::ReadNumbers(const LayoutItem& line, bool store, int row) {
  const VersionGate& gate = line.gate;
  if (!Present(gate)) {
    if (store && gate.older) gate.older(row);
    return true;
  }
  std::string text;
  if (!Next(text)) return false;
  if (!store) return true;
  const bool isShort = version_ < gate.fullSince;
  Scan(text, line.fields, isShort ? gate.shortCount : line.fields.size(), row);
  if (isShort && gate.older) gate.older(row);
  return true;
}

// Stores the numbers of a value line; a line that does not fill every field is damage.
void LayoutReader::Scan(const std::string& line, const Fields& fields, std::size_t count, int row) {
  const ScanDamage damage = ScanFields(line, fields, count, row);
  if (damage == ScanDamage::kNone || badValue()) return;
  firstBadValue_ = place_;
  firstDamage_ = damage;
}

// The count line, the comment and the rows; rows beyond the capacity are read and dropped.
// The rows are the value lines up to the next "$" line, whatever the count line says.
void LayoutReader::ReadRows(const LayoutItem& item, bool store) {
  if (!Present(item.gate)) {
    if (store && item.gate.older) item.gate.older(0);
    return;
  }
  std::string line;
  if (!Next(line)) return;
  int& count = item.fields[0].asInt(0);
  // A count that is not a number is damage, never the count of the project open before.
  const std::optional<int> listed = ScanInt(line);
  if (!listed && store) badCount_ = true;
  const Fields& row = item.record[0].fields;
  int read = 0;
  if (Next(line)) {  // the comment before the rows
    place_.heading = HeadingOf(item.text);
    for (; NextRow(line); ++read) {
      if (store && read < item.capacity) Scan(line, row, row.size(), read);
    }
  }
  if (!store) return;
  count = read < item.capacity ? read : item.capacity;
  if (read > item.capacity) overCapacity_ = true;
  // A file that ends among the rows is told as cut short instead.
  if (listed && *listed != read && !ended_) wrongCount_ = true;
}

// The next of the counted rows: every value line up to the next "$" line, which is left for
// the next item. A count that does not match the rows can neither move the rest of the file out
// of step nor count a slot the file does not fill, which would keep the previous project's row.
bool LayoutReader::NextRow(std::string& line) {
  if (!Next(line)) return false;
  if (!IsHeadingLine(line)) return true;
  PutBack(line);
  return false;
}

// Records until a "$" line, which is left for the next item. A record cut off by the end of
// the file is not counted.
void LayoutReader::ReadList(const LayoutItem& item, bool store) {
  if (store) *item.count = 0;
  std::string line;
  for (int slot = 0; Next(line); ++slot) {
    if (IsHeadingLine(line)) {
      PutBack(line);
      return;
    }
    const bool keep = store && slot < item.capacity;
    if (store && !keep) overCapacity_ = true;
    if (keep) {
      item.clearSlot(slot);
      const Fields& first = item.record[0].fields;
      Scan(line, first, first.size(), slot);
    }
    if (!ReadRecordRest(item, keep, slot)) {
      if (keep) item.clearSlot(slot);
      return;
    }
    if (keep) *item.count = slot + 1;
  }
}

// The value lines of a record after its first; false when the file ended inside it.
bool LayoutReader::ReadRecordRest(const LayoutItem& list, bool store, int slot) {
  for (std::size_t i = 1; i < list.record.size(); ++i) {
    if (!ReadNumbers(list.record[i], store, slot)) return false;
  }
  return true;
}

}  // namespace selvana
