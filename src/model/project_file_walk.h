// Reading a project file by walking the layout table: every line is consumed in file order,
// and the lines of the wanted sections are stored into the model.
#pragma once
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "model/project_file_layout.h"
#include "platform/text_file.h"

namespace selvana {

// A set of FileSection values.
class SectionSet {
 public:
  SectionSet(std::initializer_list<FileSection> sections) {
    for (FileSection s : sections) bits_ |= Bit(s);
  }
  bool Has(FileSection s) const { return (bits_ & Bit(s)) != 0; }

 private:
  static unsigned Bit(FileSection s) { return 1u << static_cast<unsigned>(s); }
  unsigned bits_ = 0;
};

// Where a line lies in a project file: its number as a text editor counts (the first line is
// 1) and the heading the writer puts at or above it (CP932, without the leading "$" and blanks).
struct FilePlace {
  int line = 0;
  std::string heading;
};

class LayoutReader {
 public:
  // in is positioned after the version line.
  LayoutReader(TextFileReader& in, int version, SectionSet store)
      : in_(in), version_(version), store_(store) {}

  // Walks the items after the version line up to the last one of a stored section, or to the
  // end of the file; a stored list that the file ends before is left empty.
  void Walk(const std::vector<LayoutItem>& layout);

  // The file ended before the walk did (for the full reader: before its end line).
  bool truncated() const { return truncated_; }
  // A list or counted rows held more than the table takes; the rest was read and dropped.
  bool overCapacity() const { return overCapacity_; }
  // A count line of counted rows was not a number; its rows were read up to the next "$" line.
  bool badCount() const { return badCount_; }
  // A count line of counted rows was a number other than the number of rows up to the next "$".
  bool wrongCount() const { return wrongCount_; }
  // A stored value line held a number that does not scan or lies beyond the range of its
  // field; the fields it did not fill keep what they held before the walk.
  bool badValue() const { return firstDamage_ != ScanDamage::kNone; }
  // The first of those lines, and what its first damaged field held.
  const FilePlace& firstBadValue() const { return firstBadValue_; }
  ScanDamage firstDamage() const { return firstDamage_; }

 private:
  bool Next(std::string& line);
  void PutBack(std::string& line);
  bool NextRow(std::string& line);
  bool Stores(const LayoutItem& item) const { return store_.Has(item.section); }
  bool Present(const VersionGate& gate) const { return version_ >= gate.since; }
  void Read(const LayoutItem& item);
  bool ReadNumbers(const LayoutItem& line, bool store, int row);
  void ReadTitle(bool store);
  void ReadRows(const LayoutItem& item, bool store);
  void ReadList(const LayoutItem& item, bool store);
  bool ReadRecordRest(const LayoutItem& list, bool store, int slot);
  void EmptyListsBetween(const std::vector<LayoutItem>& layout, std::size_t from, std::size_t last);
  void Scan(const std::string& line, const Fields& fields, std::size_t count, int row);

  TextFileReader& in_;
  const int version_;
  const SectionSet store_;
  std::string pending_;  // a line read ahead: the "$" line that ended a list
  bool hasPending_ = false;
  FilePlace place_{1, {}};  // of the line read last; the version line was read before the walk
  bool ended_ = false;
  bool truncated_ = false;
  bool overCapacity_ = false;
  bool badCount_ = false;
  bool wrongCount_ = false;
  ScanDamage firstDamage_ = ScanDamage::kNone;
  FilePlace firstBadValue_;
};

}  // namespace selvana
