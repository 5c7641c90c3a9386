// The plot file's records and the clipping of segments to the drawing area.
#include "output/plot_file.h"

#include <array>
#include <cmath>

#include "platform/cp932.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

// A length of the file: mm times 100000, as a whole number.
std::string Len(double mm) { return StrFormat("%1.0f", mm * 100000.0); }

// Fields joined by commas behind the record code.
template <typename... Fields>
std::string RecordLine(const char* code, const Fields&... fields) {
  std::string line = code;
  bool first = true;
  ((line += (first ? "" : ","), line += fields, first = false), ...);
  return line;
}

std::string Int(int value) { return StrFormat("%d", value); }

// Two crossings closer than this are one (a corner met by two edges).
constexpr double kSameCrossingMm = 1e-9;

bool Outside(const PlotClipWindow& w, double x, double y) {
  return x < w.XMin || x > w.XMax || y < w.YMin || y > w.YMax;
}

bool InUnitRange(double t) { return t >= 0.0 && t <= 1.0; }

struct Crossings {
  std::array<double, 4> x{}, y{};
  int count = 0;

  void Add(double cx, double cy) {
    for (int i = 0; i < count; ++i) {
      if (std::fabs(x[i] - cx) <= kSameCrossingMm && std::fabs(y[i] - cy) <= kSameCrossingMm) {
        return;
      }
    }
    x[count] = cx;
    y[count] = cy;
    ++count;
  }
};

// The crossings of the segment with the window edges: right, bottom, left, top.
Crossings EdgeCrossings(const PlotClipWindow& w, double x1, double y1, double x2, double y2) {
  const double edges[4][4] = {{w.XMax, w.YMax, w.XMax, w.YMin},
                              {w.XMax, w.YMin, w.XMin, w.YMin},
                              {w.XMin, w.YMin, w.XMin, w.YMax},
                              {w.XMin, w.YMax, w.XMax, w.YMax}};
  Crossings found;
  for (const auto& e : edges) {
    double cx = 0.0, cy = 0.0;
    if (ClipIntersectSegments(x1, y1, x2, y2, e[0], e[1], e[2], e[3], cx, cy) == 0) {
      found.Add(cx, cy);
    }
  }
  return found;
}

// The crossing where a segment with one end inside leaves the window: the one farthest from
// that end. An inside end on an edge is itself a crossing, and taking it would shrink the
// segment to that point.
int ExitCrossing(const Crossings& found, double insideX, double insideY) {
  int farthest = 0;
  double longest = -1.0;
  for (int k = 0; k < found.count; ++k) {
    const double d = std::hypot(found.x[k] - insideX, found.y[k] - insideY);
    if (d > longest) {
      longest = d;
      farthest = k;
    }
  }
  return farthest;
}

}  // namespace

int PlotFile::OpenPlotFile(const std::string& name, std::string_view header) {
  if (!writer_.Open(name)) return -1;
  Record(ToCp932(header));
  return 0;
}

bool PlotFile::ClosePlotFile() { return writer_.Close(); }

void PlotFile::PltWriteSC(int mode, double a, double b, double c) {
  Record(RecordLine("SC", Int(mode), Len(a), Len(b), Len(c)));
}

void PlotFile::PltWriteEM(double x1, double y1, double x2, double y2) {
  Record(RecordLine("EM", Len(x1), Len(y1), Len(x2), Len(y2)));
}

void PlotFile::PltWriteSZ(double w, double h) { Record(RecordLine("SZ", Len(w), Len(h))); }

void PlotFile::PltWriteLT(double first, double second, int a, int b, std::string_view name) {
  Record(RecordLine("LT", Len(first), Len(second), Int(a), Int(b), std::string(name)));
}

void PlotFile::PltWriteLY(int a, int b, int c, int d, std::string_view name) {
  Record(RecordLine("LY", Int(a), Int(b), Int(c), Int(d), std::string(name)));
}

void PlotFile::PltWriteDL(double x1, double y1, double x2, double y2, int layer) {
  Record(RecordLine("DL", Len(x1), Len(y1), Len(x2), Len(y2), Int(layer)));
}

void PlotFile::PltWriteAP(double x, double y, double size, int type, int layer) {
  Record(RecordLine("AP", Len(x), Len(y), Len(size), Int(type), Int(layer)));
}

void PlotFile::PltWriteGC(double xs, double ys, double xc, double yc, double xe, double ye,
                          int direction, int layer) {
  Record(RecordLine("GC", Len(xs), Len(ys), Len(xc), Len(yc), Len(xe), Len(ye), Int(direction),
                    Int(layer)));
}

void PlotFile::PltWriteAH(double x1, double y1, double x2, double y2, double length, double width,
                          int type, int layer) {
  Record(RecordLine("AH", Len(x1), Len(y1), Len(x2), Len(y2), Len(length), Len(width), Int(type),
                    Int(layer)));
}

void PlotFile::PltWriteVJ(double x, double y, double height, double width, std::string_view text,
                          double angle, int layer) {
  Record(RecordLine("VJ", Len(x), Len(y), Len(height), Len(width), Len(angle), Int(layer),
                    std::string(text)));
}

void WritePlotSheet(PlotFile& file, double frameWidthMm, double frameHeightMm) {
  const double sheetW = frameWidthMm + 20.0;
  const double sheetH = frameHeightMm + 20.0;
  file.PltWriteSC(1, 0.0, 0.0, 0.0);
  file.PltWriteEM(0.0, 0.0, sheetW, sheetH);
  file.PltWriteSZ(sheetW, sheetH);
  file.PltWriteLT(1.0, 1.0, 1, 1, "DOT10-10");
  file.PltWriteLT(2.0, 1.0, 2, 2, "HIDDEN20-10");
  file.PltWriteLT(2.0, 1.0, 3, 3, "CENTER20-10");
  file.PltWriteLT(2.0, 1.0, 4, 4, "PHANTOM20-10");
  for (int n = 1; n <= kPlotLayerCount; ++n) {
    const int pen = (n == kLayerRulers || n == kLayerSheetPile) ? 25 : n == kLayerForces ? 18 : 13;
    file.PltWriteLY(0, pen, 7, n, StrFormat("%02d", n));
  }
}

double ClipCrossProduct(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                        double y4) {
  return (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3);
}

int ClipIntersectSegments(double ax1, double ay1, double ax2, double ay2, double bx1, double by1,
                          double bx2, double by2, double& x, double& y) {
  const double d = ClipCrossProduct(ax1, ay1, ax2, ay2, bx1, by1, bx2, by2);
  if (std::fabs(d) < 1e-10) return -1;
  const double t = ClipCrossProduct(ax1, ay1, bx1, by1, bx1, by1, bx2, by2) / d;
  const double u = ClipCrossProduct(bx1, by1, ax1, ay1, ax1, ay1, ax2, ay2) /
                   ClipCrossProduct(bx1, by1, bx2, by2, ax1, ay1, ax2, ay2);
  if (std::fabs(u) < std::fabs(t)) {
    x = bx1 + u * (bx2 - bx1);
    y = by1 + u * (by2 - by1);
  } else {
    x = ax1 + t * (ax2 - ax1);
    y = ay1 + t * (ay2 - ay1);
  }
  return (InUnitRange(t) ? 0 : 1) + (InUnitRange(u) ? 0 : 2);
}

int ClipSegmentToPlotWindow(const PlotClipWindow& window, double& x1, double& y1, double& x2,
                            double& y2) {
  const bool out1 = Outside(window, x1, y1);
  const bool out2 = Outside(window, x2, y2);
  if (!out1 && !out2) return 0;
  const Crossings found = EdgeCrossings(window, x1, y1, x2, y2);
  if (found.count == 0) return -1;
  if (out1 && out2) {
    if (found.count < 2) return -1;  // it only touches the window
    x1 = found.x[0];
    y1 = found.y[0];
    x2 = found.x[1];
    y2 = found.y[1];
    return 3;
  }
  if (out1) {
    const int k = ExitCrossing(found, x2, y2);
    x1 = found.x[k];
    y1 = found.y[k];
    return 1;
  }
  const int k = ExitCrossing(found, x1, y1);
  x2 = found.x[k];
  y2 = found.y[k];
  return 2;
}

}  // namespace selvana
