// The DXF terrain import: two passes through the file around the settings prompt, then the
// transform, the merging of points, the dropping of segments and the new terrain tables.
#include "model/dxf_import.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/dxf_reader.h"
#include "model/geometry.h"
#include "model/project_model.h"
#include "platform/file_lookup.h"
#include "platform/message_box.h"
#include "platform/number_format.h"

namespace selvana {
namespace {

constexpr const char* kExtension = ".DXF";

struct ImportPoint {
  double X = 0.0;
  double Y = 0.0;
};

struct ImportLine {
  int P1 = 0;
  int P2 = 0;
};

std::string DxfPath(const std::string& name) { return FindPathIgnoringCase(name + kExtension); }

bool OpenOrTell(DxfReader& reader, const std::string& name) {
  if (reader.Open(DxfPath(name))) return true;
  ShowMessage(OpenFailureMessage("地形ＤＸＦファイル", name + kExtension, reader.Failure()),
              "error");
  return false;
}

// An import that found nothing would leave an empty terrain: it is refused instead.
void TellNoSegment(const std::string& name) {
  ShowMessage(
      StrFormat("地形ＤＸＦファイル(%s%s) に読み込める線分がありません。地形は変更しません。",
                name.c_str(), kExtension),
      "error");
}

// A LINE lacking a coordinate would be read with a 0 the range never showed: the file is told
// as damaged instead, and nothing of it is imported.
bool TellDamage(const DxfReader& reader, const std::string& name) {
  if (reader.DamagedLine() == 0) return false;
  ShowMessage(StrFormat("地形ＤＸＦファイル(%s%s) の%d行目の線分(LINE)に欠けている座標があり"
                        "ました。地形は変更しません。",
                        name.c_str(), kExtension, reader.DamagedLine()),
              "error");
  return true;
}

// The points and lines the import keeps: at most 960 distinct points in the order first met
// (a later point within 1 mm of a listed one is that point), and the segments between two of
// them that are neither zero-length nor a repeat, in file order, at most 960.
class TerrainBuilder {
 public:
  void Add(const ImportPoint& a, const ImportPoint& b) {
    // A coordinate outside the range of coordinates cannot be a point (the settings dialog
    // refuses a transform that places the found range there).
    for (double v : {a.X, a.Y, b.X, b.Y}) {
      if (!CoordinateInRange(v)) return;
    }
    const int i = PointIndex(a);
    const int j = PointIndex(b);
    if (i == j || i >= kDxfMaxPoints || j >= kDxfMaxPoints) return;
    // Points of segments past the 960th line still count; the segments themselves do not.
    if (lines_.size() >= kDxfMaxLines) return;
    const ImportLine line{std::min(i, j), std::max(i, j)};
    for (const ImportLine& l : lines_) {
      if (l.P1 == line.P1 && l.P2 == line.P2) return;
    }
    lines_.push_back(line);
  }

  const std::vector<ImportPoint>& Points() const { return points_; }
  const std::vector<ImportLine>& Lines() const { return lines_; }

 private:
  // The index of the first listed point within 1 mm, else the next index. Points past the
  // 960th are never stored, so they are not listed: any index from 960 on drops its segment.
  int PointIndex(const ImportPoint& p) {
    for (std::size_t k = 0; k < points_.size(); ++k) {
      if (std::fabs(points_[k].X - p.X) <= kDxfMergeDistance &&
          std::fabs(points_[k].Y - p.Y) <= kDxfMergeDistance) {
        return static_cast<int>(k);
      }
    }
    if (points_.size() >= kDxfMaxPoints) return kDxfMaxPoints;
    points_.push_back(p);
    return static_cast<int>(points_.size()) - 1;
  }

  std::vector<ImportPoint> points_;
  std::vector<ImportLine> lines_;
};

void ReplaceTerrain(const TerrainBuilder& terrain) {
  const auto& points = terrain.Points();
  const auto& lines = terrain.Lines();
  for (int i = 0; i < kDxfMaxPoints; ++i) {
    PointTable[i] = i < static_cast<int>(points.size()) ? PointRecord{i, points[i].X, points[i].Y}
                                                        : PointRecord{-1, 0.0, 0.0};
  }
  PointCount = static_cast<int>(points.size());
  for (int i = 0; i < kDxfMaxLines; ++i) {
    LineTable[i] = i < static_cast<int>(lines.size())
                       ? LineRecord{kLineBoundary, lines[i].P1, lines[i].P2, 1}
                       : LineRecord{};
  }
  LineCount = static_cast<int>(lines.size());
}

// The first pass: the segment count and the raw range, as the prompt shows them.
bool Survey(const std::string& name, DxfImportSettings& settings) {
  DxfReader reader;
  if (!OpenOrTell(reader, name)) return false;
  DxfSegment segment;
  int count = 0;
  while (reader.NextSegment(segment)) ++count;
  if (TellDamage(reader, name)) return false;
  const DxfRange& range = reader.Range();
  settings.FileName = name + kExtension;
  settings.PointCount = 2 * count;
  settings.LineCount = count;
  settings.XMax = range.XMax;
  settings.XMin = range.XMin;
  settings.YMax = range.YMax;
  settings.YMin = range.YMin;
  return true;
}

// The second pass: the first `count` segments, transformed and merged.
bool Collect(const std::string& name, int count, const DxfImportSettings& s,
             TerrainBuilder& terrain) {
  DxfReader reader;
  if (!OpenOrTell(reader, name)) return false;
  DxfSegment g;
  for (int k = 0; k < count && reader.NextSegment(g); ++k) {
    terrain.Add({PlaceDxfCoordinate(s.ShiftX, s.Magnification, g.X1),
                 PlaceDxfCoordinate(s.ShiftY, s.Magnification, g.Y1)},
                {PlaceDxfCoordinate(s.ShiftX, s.Magnification, g.X2),
                 PlaceDxfCoordinate(s.ShiftY, s.Magnification, g.Y2)});
  }
  return !TellDamage(reader, name);
}

}  // namespace

double PlaceDxfCoordinate(double shift, double magnification, double v) {
  return std::floor(1000.0 * shift + 1000.0 * magnification * v + 0.5) * 0.001;
}

int ImportDxfTerrain(const std::string& name, DxfSettingsPrompt& prompt) {
  DxfImportSettings settings;
  if (!Survey(name, settings)) return 0;
  const int count = settings.LineCount;
  if (count == 0) {
    TellNoSegment(name);
    return 0;
  }
  if (!prompt.Ask(settings)) return 0;
  TerrainBuilder terrain;
  if (!Collect(name, count, settings, terrain)) return 0;
  // Every segment may still have shrunk to a point, or reach only points past the limit.
  if (terrain.Lines().empty()) {
    TellNoSegment(name);
    return 0;
  }
  ReplaceTerrain(terrain);
  MarkModified(true);
  return 0;
}

}  // namespace selvana
