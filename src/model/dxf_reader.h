// Reading line segments from a text DXF file: LINE entities and the vertex chains of
// POLYLINE entities outside block definitions, in file order, with the range of every
// coordinate read. Nothing else of the format is interpreted.
#pragma once
#include <string>

#include "platform/text_file.h"

namespace selvana {

struct DxfSegment {
  double X1 = 0.0, Y1 = 0.0;
  double X2 = 0.0, Y2 = 0.0;
};

// Largest and smallest raw X and Y; the start values stand when nothing was read.
struct DxfRange {
  double XMax = -99999999.999;
  double XMin = 99999999.999;
  double YMax = -99999999.999;
  double YMin = 99999999.999;
};

class DxfReader {
 public:
  // Opens the file at path; false when it cannot be opened, for the reason in Failure().
  bool Open(const std::string& path);
  OpenFailure Failure() const { return file_.Failure(); }

  // The next segment in file order; false at the end of the file. The end of the file inside
  // an entity also ends the reading (the incomplete entity gives no segment), and so does a
  // LINE that lacks a coordinate (see DamagedLine).
  bool NextSegment(DxfSegment& segment);

  // The line of the file (counted from 1) holding "LINE" of the entity that ended the reading
  // for lacking a coordinate: one of its codes 10, 20, 11, 21 came twice, or the next entity
  // began before all four. 0 while no entity was damaged.
  int DamagedLine() const { return damagedLine_; }

  // The range of every coordinate value read so far, including the first vertex of a chain.
  const DxfRange& Range() const { return range_; }

 private:
  bool ReadPair(int& code, std::string& value);
  bool ReadLineEntity(DxfSegment& segment);
  bool ReadVertexEntity(double& x, double& y);
  void NoteX(double x);
  void NoteY(double y);

  TextFileReader file_;
  std::string line_;
  bool inBlock_ = false;
  bool chainStarted_ = false;
  double chainX_ = 0.0;
  double chainY_ = 0.0;
  DxfRange range_;
  int lineNumber_ = 0;  // lines read so far
  int damagedLine_ = 0;
};

}  // namespace selvana
