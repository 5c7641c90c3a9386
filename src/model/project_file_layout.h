// The project file's layout as one table: every comment and value line in file order, with
// the model fields it carries, the version from which it exists and what an older file gets
// instead. The writer and all four readers walk this table.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "model/project_file_fields.h"

namespace selvana {

inline constexpr int kOldestProjectVersion = 2000;
inline constexpr int kProjectVersion = 2240;

// Which part of the project a line belongs to; the partial readers store only theirs.
enum class FileSection {
  kHeader,      // version, file name, calculation date and time
  kConditions,  // title, conditions, circle and straight-line settings, pile, factors, drawing
  kTerrain,     // points and lines
  kBlocks,      // soil blocks
};

// Version gate of a line. A file older than since lacks the line; a file older than fullSince
// carries only its first shortCount fields. In both cases older(row) stores the defaults of
// what is missing.
struct VersionGate {
  int since = kOldestProjectVersion;
  int fullSince = kOldestProjectVersion;
  std::size_t shortCount = 0;
  std::function<void(int row)> older;

  int NewestMissing() const { return since > fullSince ? since : fullSince; }
};

enum class ItemKind {
  kVersion,   // "2240   $   ..." : the version number at the start of the first line
  kComment,   // a "$" line, skipped by count
  kBaseName,  // the base name given to the writer; ignored by the readers
  kTitle,     // ProjectTitle, the whole line
  kNumbers,   // a value line of fields
  kRows,      // a count line, a comment, then that many rows (cohesion vertices, pile rows)
  kList,      // records of slot 0 .. count-1, ended by the next "$" line (points, lines, blocks)
};

struct LayoutItem {
  ItemKind kind = ItemKind::kComment;
  FileSection section = FileSection::kHeader;
  std::string text;  // CP932: the comment (kVersion, kComment; kRows: the line before the rows)
  Fields fields;     // kNumbers: the line; kRows: the count (one "%d" field)
  VersionGate gate;
  std::vector<LayoutItem> record;  // kRows: the row line; kList: the value lines of one record
  int* count = nullptr;            // kList: the table's count
  std::function<void(int slot)> clearSlot;  // kList: puts a slot back to a free record
  int capacity = 0;                         // kRows, kList
};

// The whole file in order, built once.
const std::vector<LayoutItem>& ProjectFileLayout();

}  // namespace selvana
