// The DXF subset the terrain import reads: pairs of a group-code line and a value line; group
// code 0 starts an entity, and only LINE, VERTEX, SEQEND, BLOCK and ENDBLK mean anything.
#include "model/dxf_reader.h"

#include <algorithm>

#include "platform/number_parse.h"

namespace selvana {

bool DxfReader::Open(const std::string& path) {
  inBlock_ = false;
  chainStarted_ = false;
  range_ = DxfRange{};
  lineNumber_ = 0;
  damagedLine_ = 0;
  return file_.Open(path);
}

// One pair; false when the file ends before its value line.
bool DxfReader::ReadPair(int& code, std::string& value) {
  if (!file_.ReadLine(line_)) return false;
  ++lineNumber_;
  code = ParseInt(line_);
  if (!file_.ReadLine(value)) return false;
  ++lineNumber_;
  return true;
}

void DxfReader::NoteX(double x) {
  range_.XMax = std::max(range_.XMax, x);
  range_.XMin = std::min(range_.XMin, x);
}

void DxfReader::NoteY(double y) {
  range_.YMax = std::max(range_.YMax, y);
  range_.YMin = std::min(range_.YMin, y);
}

namespace {

// The coordinate a LINE's group code gives: 0 start X (10), 1 start Y (20), 2 end X (11),
// 3 end Y (21); -1 for any other code.
int LineCoordinateOf(int code) {
  switch (code) {
    case 10: return 0;
    case 20: return 1;
    case 11: return 2;
    case 21: return 3;
    default: return -1;
  }
}

}  // namespace

// Pairs until the four coordinate values (codes 10, 20, 11, 21) are taken; others are skipped.
// A coordinate code given twice, or the next entity (code 0) before all four, leaves one unread:
// the entity is damaged, its line noted, and the reading ends.
bool DxfReader::ReadLineEntity(DxfSegment& segment) {
  segment = DxfSegment{};
  double* const coordinates[] = {&segment.X1, &segment.Y1, &segment.X2, &segment.Y2};
  const int entityLine = lineNumber_;
  int taken = 0;  // a bit for each coordinate read
  int code = 0;
  std::string value;
  while (taken != 0b1111) {
    if (!ReadPair(code, value)) return false;
    const int k = LineCoordinateOf(code);
    if (code == 0 || (k >= 0 && (taken & (1 << k)) != 0)) {
      damagedLine_ = entityLine;
      return false;
    }
    if (k < 0) continue;
    const double v = ParseDouble(value);
    *coordinates[k] = v;
    if (k % 2 == 0) {
      NoteX(v);
    } else {
      NoteY(v);
    }
    taken |= 1 << k;
  }
  return true;
}

// Pairs up to code 20: code 10 gives X, code 20 Y; others are skipped.
bool DxfReader::ReadVertexEntity(double& x, double& y) {
  x = y = 0.0;
  int code = 0;
  std::string value;
  do {
    if (!ReadPair(code, value)) return false;
    if (code == 10) {
      x = ParseDouble(value);
      NoteX(x);
    }
  } while (code != 20);
  y = ParseDouble(value);
  NoteY(y);
  return true;
}

bool DxfReader::NextSegment(DxfSegment& segment) {
  int code = 0;
  std::string value;
  while (ReadPair(code, value)) {
    if (code != 0) continue;
    if (value == "ENDBLK") {
      inBlock_ = false;
    } else if (value == "SEQEND") {
      chainStarted_ = false;
    } else if (inBlock_) {
      continue;
    } else if (value == "BLOCK") {
      inBlock_ = true;
    } else if (value == "LINE") {
      return ReadLineEntity(segment);
    } else if (value == "VERTEX") {
      double x = 0.0, y = 0.0;
      if (!ReadVertexEntity(x, y)) return false;
      const bool extends = chainStarted_;
      segment = DxfSegment{chainX_, chainY_, x, y};
      chainStarted_ = true;
      chainX_ = x;
      chainY_ = y;
      if (extends) return true;
    }
  }
  return false;
}

}  // namespace selvana
