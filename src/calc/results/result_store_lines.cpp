// Dump lines and progress texts of the result stores. The layouts are fixed: other programs
// and people compare these files column by column.
#include "calc/results/result_store_lines.h"

#include <string_view>

#include "calc/results/fixed_line.h"

namespace selvana {
namespace {

// Dump lines (CR LF is added by the writer).
constexpr char kCircleHead[] = "cx,cy=%7.3f,%7.3f rr=%7.3f sx,sy=%7.3f,%7.3f ex,ey=%7.3f,%7.3f";
constexpr char kCircleSoilEnds[] =
    "                             csx,csy=%7.3f,%7.3f cex,cey=%7.3f,%7.3f";
constexpr char kCircleResisting[] = "      mrf=%10.3f mrc=%10.3f mry=%10.3f mr=%10.3f ";
// Bishop shares, and the straight lines.
constexpr char kPartResisting[] = "      mrf=%10.3f mrc=%10.3f                mr=%10.3f ";
constexpr char kDriving[] = "      mdw=%10.3f mdh=%10.3f mdk=%10.3f md=%10.3f f=%5.3f";
constexpr char kSegmentsHead[] =
    "cx,cy=%7.3f,%7.3f dx,dy=%7.3f,%7.3f sx,sy=%7.3f,%7.3f ex,ey=%7.3f,%7.3f";

// Progress lines (UTF-8).
constexpr char kCircleLatest[] = "すべり円  (X,Y)=%7.3f,%7.3f R=%7.3f F=%5.3f        ";
constexpr char kMinimumF[] = "最小安全率　Ｆｍｉｎ=%8.3f        ";
constexpr char kMinimumXY[] = "　　　　　　　Ｘ，Ｙ=%8.3f,%8.3f        ";
constexpr char kMinimumR[] = "　　　　　　　　　Ｒ=%8.3f        ";
constexpr char kLineLatest[] = "すべり直線  (X,Y)=%7.3f,%7.3f R=%7.3f F=%5.3f        \n";
constexpr char kMinimumAngle[] = "　　　　　　　　　α=%8.3f        ";
constexpr char kSegmentsLatest[] = "すべり線=(%7.3f,%7.3f)-(%7.3f,%7.3f) F=%5.3f        \n";

// A stack buffer for one formatted line; wide enough for several %f of the largest doubles.
class LineBuffer {
 public:
  template <class... Values>
  std::string_view Format(const char* format, Values... values) {
    return FormatFixedLine(text_, format, {static_cast<double>(values)...});
  }

 private:
  char text_[4096];
};

// Appends formatted lines, each with its CR LF, to a text of fixed room.
class DumpText {
 public:
  explicit DumpText(std::span<char> out) : out_(out) {}
  template <class... Values>
  void Line(const char* format, Values... values) {
    n_ += FormatFixedLine(out_.subspan(n_), format, {static_cast<double>(values)...}).size();
    for (const char c : {'\r', '\n'}) {
      if (n_ < out_.size()) out_[n_++] = c;
    }
  }
  std::string_view Text() const { return {out_.data(), n_}; }

 private:
  std::span<char> out_;
  std::size_t n_ = 0;
};

void AddHead(SlipFamily family, const SlipResult& r, DumpText& text) {
  if (family == SlipFamily::LineBetweenSegments) {
    text.Line(kSegmentsHead, r.cx, r.cy, r.dx, r.dy, r.sx, r.sy, r.ex, r.ey);
  } else {
    text.Line(kCircleHead, r.cx, r.cy, r.rr, r.sx, r.sy, r.ex, r.ey);
  }
}

void AddResisting(SlipFamily family, const SlipResult& r, const BishopShares& shares,
                  DumpText& text) {
  switch (family) {
    case SlipFamily::Circle:
      text.Line(kCircleSoilEnds, r.csx, r.csy, r.cex, r.cey);
      text.Line(kCircleResisting, r.mrf, r.mrc, r.mry, r.mr);
      break;
    case SlipFamily::BishopCircle:
      text.Line(kCircleSoilEnds, r.csx, r.csy, r.cex, r.cey);
      text.Line(kPartResisting, shares.friction, shares.cohesion, r.mr);
      break;
    case SlipFamily::LineFromPoint:
    case SlipFamily::LineBetweenSegments: text.Line(kPartResisting, r.mrf, r.mrc, r.mr); break;
  }
}

// The latest stored surface whose progress lines were not due; only the searching thread
// stores, so only it reads and writes this.
struct UnshownSurface {
  bool any = false;
  SlipFamily family = SlipFamily::Circle;
  SlipResult record{};
};
UnshownSurface Unshown;

void ShowSurfaceLines(SlipFamily family, const SlipResult& r, const MinSlipRecord& m,
                      CalcProgress& progress) {
  LineBuffer b;
  switch (family) {
    case SlipFamily::Circle:
    case SlipFamily::BishopCircle:
      progress.SetLine(4, b.Format(kCircleLatest, r.cx, r.cy, r.rr, r.f));
      break;
    case SlipFamily::LineFromPoint:
      progress.SetLine(4, b.Format(kLineLatest, r.cx, r.cy, r.rr, r.f));
      break;
    case SlipFamily::LineBetweenSegments:
      progress.SetLine(4, b.Format(kSegmentsLatest, r.cx, r.cy, r.dx, r.dy, r.f));
      break;
  }
  progress.SetLine(5, b.Format(kMinimumF, m.F));
  progress.SetLine(6, b.Format(kMinimumXY, m.cx, m.cy));
  switch (family) {
    case SlipFamily::Circle:
    case SlipFamily::BishopCircle: progress.SetLine(7, b.Format(kMinimumR, m.rr)); break;
    case SlipFamily::LineFromPoint: progress.SetLine(7, b.Format(kMinimumAngle, m.rr)); break;
    case SlipFamily::LineBetweenSegments:
      progress.SetLine(7, b.Format(kMinimumXY, m.EndX, m.EndY));
      break;
  }
  progress.Repaint();
}

}  // namespace

std::string_view FormatDumpLines(SlipFamily family, const SlipResult& r, const BishopShares& shares,
                                 std::span<char> out) {
  DumpText text(out);
  AddHead(family, r, text);
  AddResisting(family, r, shares, text);
  text.Line(kDriving, r.mdw, r.mdh, r.mdk, r.md, r.f);
  return text.Text();
}

void WriteDumpLines(SlipFamily family, const SlipResult& r, const BishopShares& shares,
                    AnswerDumpFile& dump) {
  if (!dump.IsOpen()) return;
  char room[kDumpLinesRoom];
  dump.Write(FormatDumpLines(family, r, shares, room));
}

void ShowStoredSurface(SlipFamily family, const SlipResult& r, const MinSlipRecord& m,
                       CalcProgress& progress) {
  if (!progress.LinesDue()) {
    Unshown = {true, family, r};
    return;
  }
  Unshown.any = false;
  ShowSurfaceLines(family, r, m, progress);
}

void ShowUnshownSurface(CalcProgress& progress) {
  if (!Unshown.any) return;
  Unshown.any = false;
  ShowSurfaceLines(Unshown.family, Unshown.record, MinSlip, progress);
}

}  // namespace selvana
