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
  return file_.Open(path);
}

// One pair; false when the file ends before its value line.
bool DxfReader::ReadPair(int& code, std::string& value) {
  if (!file_.ReadLine(line_)) return false;
  code = ParseInt(line_);
  return file_.ReadLine(value);
}

void DxfReader::NoteX(double x) {
  range_.XMax = std::max(range_.XMax, x);
  range_.XMin = std::min(range_.XMin, x);
}

void DxfReader::NoteY(double y) {
  range_.YMax = std::max(range_.YMax, y);
  range_.YMin = std::min(range_.YMin, y);
}

// Pairs up to four coordinate values (codes 10, 20, 11, 21); others are skipped.
bool DxfReader::ReadLineEntity(DxfSegment& segment) {
  segment = DxfSegment{};
  int code = 0;
  std::string value;
  for (int taken = 0; taken < 4;) {
    if (!ReadPair(code, value)) return false;
    const double v = ParseDouble(value);
    switch (code) {
      case 10:
        segment.X1 = v;
        NoteX(v);
        break;
      case 20:
        segment.Y1 = v;
        NoteY(v);
        break;
      case 11:
        segment.X2 = v;
        NoteX(v);
        break;
      case 21:
        segment.Y2 = v;
        NoteY(v);
        break;
      default: continue;
    }
    ++taken;
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
