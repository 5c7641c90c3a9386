// The plot file that hands the calculation figure to the plotter program: a header line, the
// sheet and its line types and layers, then drawing records (lines, arcs, point marks, arrows,
// texts) in paper millimetres from the frame's lower left corner. Lengths are written as
// hundred-thousandths of a millimetre without decimals; the file is CP932 text with CR LF.
// Also the clipping of segments to the drawing area of the sheet.
#pragma once
#include <string>
#include <string_view>

#include "platform/text_file.h"

namespace selvana {

inline constexpr const char* kPlotFileName = "SBPLOT01.PLT";
// Line 1 of the plot file (UTF-8 here, CP932 in the file).
inline constexpr const char* kPlotFileHeader = "計算対照図";

// Layers of the plot file; 15 and 16 are declared and stay empty.
enum PlotLayer : int {
  kLayerRulers = 1,  // scale text, rulers, result box, soil table, load legend
  kLayerTitle = 2,   // project title
  kLayerPointNumbers = 3,
  kLayerTerrain = 4,       // boundary lines marked for drawing
  kLayerSlipCircles = 5,   // the other marked circles
  kLayerCriticalSlip = 6,  // the critical circle or slip line
  kLayerSheetPile = 7,
  kLayerCentres = 8,    // centre marks and their safety factors
  kLayerWaterBars = 9,  // bars of the water symbol
  kLayerSoilLabels = 10,
  kLayerSurcharges = 11,
  kLayerForces = 12,
  kLayerPilePressure = 13,
  kLayerFrame = 14,  // frame lines and the method title
  kPlotLayerCount = 16,
};

// One plot file being written. Every writer takes lengths in mm.
class PlotFile {
 public:
  // Creates or replaces the file in the current directory and writes the header line (UTF-8,
  // written as CP932). 0, or -1 when the file cannot be created.
  int OpenPlotFile(const std::string& name, std::string_view header);
  // Closes the file; true only when it was open and every write succeeded.
  bool ClosePlotFile();

  void PltWriteSC(int mode, double a, double b, double c);
  void PltWriteEM(double x1, double y1, double x2, double y2);
  void PltWriteSZ(double w, double h);
  void PltWriteLT(double first, double second, int a, int b, std::string_view name);
  void PltWriteLY(int a, int b, int c, int d, std::string_view name);
  void PltWriteDL(double x1, double y1, double x2, double y2, int layer);
  void PltWriteAP(double x, double y, double size, int type, int layer);
  void PltWriteGC(double xs, double ys, double xc, double yc, double xe, double ye, int direction,
                  int layer);
  void PltWriteAH(double x1, double y1, double x2, double y2, double length, double width, int type,
                  int layer);
  // The text (CP932 bytes) is the last field and may hold commas.
  void PltWriteVJ(double x, double y, double height, double width, std::string_view text,
                  double angle, int layer);

 private:
  void Record(std::string_view line) { writer_.WriteLine(line); }
  TextFileWriter writer_;
};

// The sheet records that open every plot file for a frame of W x H mm: SC, EM, SZ (a 10 mm
// margin round the frame), the four line types and the sixteen layers.
void WritePlotSheet(PlotFile& file, double frameWidthMm, double frameHeightMm);

// The drawing area in paper mm that segments are clipped to.
struct PlotClipWindow {
  double XMin = 0.0, YMin = 0.0, XMax = 0.0, YMax = 0.0;
};

// (x2 - x1)(y4 - y3) - (y2 - y1)(x4 - x3) of the points P1..P4.
double ClipCrossProduct(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                        double y4);

// The crossing of segments A1-A2 and B1-B2 into (x, y): 0 when it lies on both (ends
// included), plus 1 when it lies outside A, plus 2 when outside B; -1 for parallel segments
// (nothing written to x, y).
int ClipIntersectSegments(double ax1, double ay1, double ax2, double ay2, double bx1, double by1,
                          double bx2, double by2, double& x, double& y);

// Clips segment P1-P2 to the window (an end on the edge is inside), moving the ends that lay
// outside onto the edge: 0 wholly inside (unchanged), 1 P1 moved, 2 P2 moved, 3 both moved
// (P1 to the crossing met first in the order right, bottom, left, top edge), -1 the segment
// misses the window. A crossing through a corner counts once, a segment with both ends
// outside that only touches the window at one point misses it, and an end inside on an edge
// keeps the outside end from being moved onto it.
int ClipSegmentToPlotWindow(const PlotClipWindow& window, double& x1, double& y1, double& x2,
                            double& y2);

}  // namespace selvana
