// The project file, line by line, as version 2240 writes it, with the gates that older versions
// need. Comment texts are written here in UTF-8 and converted to CP932 once, when the table is
// built; they are the file's own texts, odd spellings included, and are never read back.
#include "model/project_file_layout.h"

#include <algorithm>

#include "model/project_model.h"
#include "platform/cp932.h"

namespace selvana {
namespace {

VersionGate From(int version, std::function<void(int)> older = {}) {
  VersionGate g;
  g.since = version;
  g.older = std::move(older);
  return g;
}

// Before version, the line holds only its first count fields.
VersionGate ShortBefore(int version, std::size_t count, std::function<void(int)> older) {
  VersionGate g;
  g.fullSince = version;
  g.shortCount = count;
  g.older = std::move(older);
  return g;
}

template <typename T, std::size_t N>
void CopyEntries(std::array<T, N>& to, const std::array<T, N>& from, int count) {
  for (int i = 0; i < count; ++i) to[i] = from[i];
}

class LayoutBuilder {
 public:
  explicit LayoutBuilder(std::vector<LayoutItem>& items) : items_(items) {}

  void Section(FileSection s) { section_ = s; }

  LayoutItem& Add(ItemKind kind, const char* utf8 = "", Fields fields = {}, VersionGate gate = {}) {
    LayoutItem item;
    item.kind = kind;
    item.section = section_;
    item.text = ToCp932(utf8);
    item.fields = std::move(fields);
    item.gate = std::move(gate);
    items_.push_back(std::move(item));
    return items_.back();
  }

  void Comment(const char* utf8, int since = kOldestProjectVersion) {
    Add(ItemKind::kComment, utf8, {}, From(since));
  }

  void Values(Fields fields, VersionGate gate = {}) {
    Add(ItemKind::kNumbers, "", std::move(fields), std::move(gate));
  }

  // A comment and the value line it explains, both under the value's gate.
  void Pair(const char* utf8, Fields fields, VersionGate gate = {}) {
    Comment(utf8, gate.since);
    Values(std::move(fields), std::move(gate));
  }

  // A count line, a comment, and count rows of rowFields.
  void Rows(int& count, const char* rowsComment, Fields rowFields, int capacity, VersionGate gate) {
    LayoutItem& item = Add(ItemKind::kRows, rowsComment, {FieldOf(count)}, std::move(gate));
    item.capacity = capacity;
    item.record.push_back(NumbersLine(std::move(rowFields)));
  }

  // A list of records of the given lines, one record per slot below count.
  template <typename Table>
  void List(Table& table, int& count, std::vector<LayoutItem> record) {
    LayoutItem& item = Add(ItemKind::kList);
    item.count = &count;
    item.capacity = static_cast<int>(table.size());
    item.record = std::move(record);
    item.clearSlot = [&table](int slot) { table[slot] = typename Table::value_type{}; };
  }

  static LayoutItem NumbersLine(Fields fields, VersionGate gate = {}) {
    LayoutItem line;
    line.kind = ItemKind::kNumbers;
    line.fields = std::move(fields);
    line.gate = std::move(gate);
    return line;
  }

 private:
  std::vector<LayoutItem>& items_;
  FileSection section_ = FileSection::kHeader;
};

void AddHeader(LayoutBuilder& b) {
  b.Section(FileSection::kHeader);
  b.Add(ItemKind::kVersion, "2240   $   バージョン番号");
  b.Comment("$   検討条件");
  b.Comment("$   データファイル(ファイルのみ)");
  b.Add(ItemKind::kBaseName);
  b.Pair("$   計算した   年/月/日", Entries(cm.CalcDateTime.Date, 0, 3));
  b.Pair("$   計算した   時/分/秒", Entries(cm.CalcDateTime.Time, 0, 3));
}

void AddConditions(LayoutBuilder& b) {
  b.Section(FileSection::kConditions);
  b.Comment("$   業務名称");
  b.Add(ItemKind::kTitle);
  b.Pair("$   検討方法 修正ﾌｪﾚ(0) ﾁｪﾎﾞ法(1),ﾋﾞｼｮｯﾌﾟ法(2),直線すべり法(3)", {FieldOf(cm.kt)});
  b.Pair("$   水平震度  (常時なら0.000,ビショップなら常に0.000)",
         {FieldOf(cm.SeismicCoefficient), FieldOf(cm.SeismicIncludesSurcharge)},
         ShortBefore(2003, 1, [](int) { cm.SeismicIncludesSurcharge = 1; }));
  auto& s = cm.Surcharges;
  b.Pair("$   上載荷重 Xmin(m) x 3", Entries(s.XMin, 0, 3));
  b.Pair("$   上載荷重 Xmax(m) x 3", Entries(s.XMax, 0, 3));
  b.Pair("$   上載荷重 荷重１(t/m2) x 3", Entries(s.LoadAtXMin, 0, 3));
  b.Pair("$   上載荷重 荷重２(t/m2) x 3", Entries(s.LoadAtXMax, 0, 3), From(2100, [](int) {
           CopyEntries(cm.Surcharges.LoadAtXMax, cm.Surcharges.LoadAtXMin, 3);
         }));
  b.Pair("$   水平外力,作用位置Y(m) x 3", Entries(cm.HorizontalForces.Y, 0, 3));
  b.Pair("$   水平外力,外力H(t/m) x 3", Entries(cm.HorizontalForces.H, 0, 3));
  b.Pair("$   粘着力基準高(0)線(1)", {FieldOf(cm.CohesionRefMode)},
         From(2100, [](int) { cm.CohesionRefMode = 0; }));
  b.Pair("$   粘着力基準高(m)", {FieldOf(cm.CohesionRefHeight)});
  b.Comment("$   粘着力基準線　点数", 2100);
  b.Rows(cm.CohesionRefLine.Count, "$   粘着力基準線　折れ点",
         {RowOf(cm.CohesionRefLine.X), RowOf(cm.CohesionRefLine.Y)}, kMaxCohesionVertices,
         From(2100, [](int) { cm.CohesionRefLine = CohesionRefLineRecord{}; }));
  b.Pair("$   最大安全率", {FieldOf(cm.MaxSafetyFactor)});
  b.Pair("$   砂杭の計算タイプスイッチ", {FieldOf(cm.SandPileFormula)},
         From(2002, [](int) { cm.SandPileFormula = 0; }));
  b.Pair("$   安全率一覧表 0:安全率 1:安全率＋半径", {FieldOf(cm.SafetyTableFormat)},
         From(2002, [](int) { cm.SafetyTableFormat = 0; }));
  b.Pair("$   許容安全率", {FieldOf(cm.AllowableSafetyFactor), FieldOf(cm.SliceWidth)},
         From(2100, [](int) { cm.AllowableSafetyFactor = 1.0, cm.SliceWidth = 0.1; }));
  b.Pair("$   起動力 0:全重量 1:有効重量,丸めスイッチ 0:規則A 1:規則B",
         {FieldOf(cm.DrivingForceMode), FieldOf(cm.RoundingRule)},
         From(2100, [](int) { cm.DrivingForceMode = 0, cm.RoundingRule = 0; }));
}

void AddCircleSettings(LayoutBuilder& b, const char* title, CircleSearchSettings& c) {
  b.Comment(title);
  b.Pair("$   検討条件が入力された(1)入力されてない(2)", {FieldOf(c.Entered)});
  b.Pair("$   円弧中心 Xパラメータ(m) :(0)Min,(1)Max,(2)Δ", Entries(c.CentreX, 0, 3));
  b.Pair("$   円弧中心 Yパラメータ(m) :同上", Entries(c.CentreY, 0, 3));
  b.Pair("$   円弧半径 Rパラメータ(m) :同上", Entries(c.Radius, 0, 3));
  b.Pair("$   1次格子; 拡張あり(1), 拡張なし(2)", {FieldOf(c.ExtendFirstGrid)});
  b.Pair("$   N次格子    発生しない(1), 2次格子(2), 3次格子(3), 4次格子(4)",
         {FieldOf(c.HighestGridOrder)});
  b.Pair("$   すべり方向 自動(1), 左→右(2), 右→左(3)", {FieldOf(c.SlipDirection)});
  b.Pair("$   通過点スイッチ　指定しない(0)する(1)",
         {FieldOf(c.PassPointOn), FieldOf(c.PassPointX), FieldOf(c.PassPointY)},
         From(2240, [&c](int) { c.PassPointOn = 0, c.PassPointX = 0.0, c.PassPointY = 0.0; }));
}

void AddStraightSlipSettings(LayoutBuilder& b) {
  auto& s = StraightSlipSettings;
  b.Comment("$   検討条件-直線すべり法");
  b.Pair("$   検討条件が入力された(1)入力されてない(2) すべり線指定ＳＷ",
         {FieldOf(s.Entered), FieldOf(s.LineSpecSwitch)},
         ShortBefore(2100, 1, [](int) { StraightSlipSettings.LineSpecSwitch = 0; }));
  // Older files hold one start point; it becomes all four entries.
  auto spread = [](std::array<double, 4>& a) {
    return ShortBefore(2100, 1, [&a](int) { a.fill(a[0]); });
  };
  b.Pair("$   すべり開始点 X(m)", Entries(s.PointX, 0, 4), spread(s.PointX));
  b.Pair("$   すべり開始点 Y(m)", Entries(s.PointY, 0, 4), spread(s.PointY));
  b.Pair("$   すべり角度 αパラメータ(度) :(0)Min,(1)Max,(2)Δ", Entries(s.Range, 0, 3));
  b.Pair("$   水平外力 作用位置 X(m)", {FieldOf(s.ForceX)});
  b.Pair("$   すべり方向, 下(1),上(2),上下(3)", {FieldOf(s.Side)});
  b.Pair("$   すべり角の2次分割    行う(1), 行わない(2)", {FieldOf(s.Passes)});
}

void AddSheetPile(LayoutBuilder& b) {
  auto& p = SheetPileSettings;
  auto& d = DrawSettings;
  // Older files carry no pile: they get the pile of a new project, not the previous one's.
  b.Pair("$   矢板の計算方法 無視(0)不切り(1)受動土圧(2)せん断耐力(3)", {FieldOf(p.Mode)},
         From(2100, [](int) { ResetSheetPile(); }));
  b.Pair("$   矢板位置Ｘ座標値,矢板天端高,矢板根入れ高",
         {FieldOf(p.PileX), FieldOf(p.TopElevation), FieldOf(p.EmbedmentElevation)}, From(2100));
  b.Comment("$   矢板受動土圧　データ数", 2100);
  b.Rows(p.RowCount, "$   矢板受動土圧　変化高さ、土圧強度、土圧強度配置位置、作図スイッチ",
         {RowOf(p.Elevation), RowOf(p.Intensity), RowOf(d.PileLabelX), RowOf(d.PileLabelY),
          RowOf(d.PileLabelMode)},
         kMaxPileRows, From(2100));
  b.Pair("$   矢板　せん断許容応力度,断面積", {FieldOf(p.AllowableShear), FieldOf(p.SectionArea)},
         From(2100));
  b.Pair("$   矢板　Dummy、ｌｍ１", {FieldOf(p.Dummy), FieldOf(p.Lm1)}, From(2100));
}

void AddPartialFactors(LayoutBuilder& b) {
  b.Pair("$   部分安全係数", {FieldOf(PartialFactors.Enabled)}, From(2200, [](int) {
           PartialFactors.Enabled = 0;
           PartialFactors.Factor.fill(1.0);
         }));
  for (int i = 0; i < kPartialFactorCount; ++i) {
    b.Values({FieldOf(PartialFactors.Factor[i])}, From(2200));
  }
}

void AddDrawSettings(LayoutBuilder& b) {
  auto& d = DrawSettings;
  b.Comment("$   作図条件");
  b.Pair("$   用紙   (1)A4横、(2)B4横、(3)A3横", {FieldOf(d.PaperSize)});
  b.Pair("$   作図スケール分母", {FieldOf(d.ScaleDenominator)});
  b.Pair(
      "$   文字サイズ(mm) "
      "業務名､土質条件､スケール､安全率､最大最小率､上載荷重スケール､水平外力スケール",
      Entries(d.Sizes, 0, 8));
  b.Values(Entries(d.Sizes, 8, 8), From(2100, [](int) {
             std::fill(DrawSettings.Sizes.begin() + 8, DrawSettings.Sizes.end(), 0.0);
           }));
  b.Pair("$   枠中心の配置位置(m)", {FieldOf(d.FrameCentreX), FieldOf(d.FrameCentreY)});
  b.Pair("$   表示範囲のXmin,Ymin", {FieldOf(d.ViewMinX), FieldOf(d.ViewMinY)});
  b.Pair("$   表示範囲のXmax,Yman", {FieldOf(d.ViewMaxX), FieldOf(d.ViewMaxY)});
  b.Pair("$   業務名称を作図 (1)する、(-1)しない", {FieldOf(d.DrawTitle)});
  b.Pair("$   業務名称の配置位置(m)", {FieldOf(d.TitlePosX), FieldOf(d.TitlePosY)});
  b.Pair("$   上載荷重の作図方法", Entries(d.SurchargeLabelLeft, 0, 3));
  b.Values(Entries(d.SurchargeLabelRight, 0, 3), From(2100, [](int) {
             CopyEntries(DrawSettings.SurchargeLabelRight, DrawSettings.SurchargeLabelLeft, 3);
           }));
  b.Pair("$   上載荷重の配置位置(m)",
         Concat(Entries(d.SurchargeLeftX, 0, 3), Entries(d.SurchargeLeftY, 0, 3)));
  b.Values(Concat(Entries(d.SurchargeRightX, 0, 3), Entries(d.SurchargeRightY, 0, 3)),
           From(2100, [](int) {
             CopyEntries(DrawSettings.SurchargeRightX, DrawSettings.SurchargeLeftX, 3);
             CopyEntries(DrawSettings.SurchargeRightY, DrawSettings.SurchargeLeftY, 3);
           }));
  b.Pair("$   水平外力の作図方法", Entries(d.ForceLabelPlace, 0, 3));
  b.Pair("$   水平外力の配置位置(m)",
         Concat(Entries(d.ForceLabelX, 0, 3), Entries(d.ForceLabelY, 0, 3)));
  b.Pair("$   円弧次別作図スイッチ", Entries(d.DrawOrder, 0, 4), From(2001, [](int) {
           DrawSettings.DrawOrder = {1, -1, -1, -1};
         }));
  b.Pair("$   小数点以下桁数", Entries(d.Decimals, 0, 8),
         From(2003, [](int) { DrawSettings.Decimals = {3, 3, 3, 0, 3, 3, 3, 3}; }));
  b.Pair("$   Ｃ、φ作図スイッチ", {FieldOf(d.DrawZeroCPhi)},
         From(2003, [](int) { DrawSettings.DrawZeroCPhi = 1; }));
}

void AddTerrain(LayoutBuilder& b) {
  b.Section(FileSection::kTerrain);
  b.Comment("$   地形構成座標");
  b.Comment("$   点番号、Ｘ座標、Ｙ座標");
  b.List(PointTable, PointCount,
         {LayoutBuilder::NumbersLine({MemberOf(PointTable, &PointRecord::Id),
                                      MemberOf(PointTable, &PointRecord::X),
                                      MemberOf(PointTable, &PointRecord::Y)})});
  b.Comment("$   地形構成線分");
  b.Comment("$   線分の種類、始点点番号、終点点番号");
  b.List(LineTable, LineCount,
         {LayoutBuilder::NumbersLine(
             {MemberOf(LineTable, &LineRecord::Kind), MemberOf(LineTable, &LineRecord::P1),
              MemberOf(LineTable, &LineRecord::P2), MemberOf(LineTable, &LineRecord::DrawFlag)})});
}

// One block: eighteen value lines without comments (seventeen before 2200).
std::vector<LayoutItem> BlockRecordLines() {
  auto& t = BlockTable;
  auto line = [](Fields f, VersionGate g = {}) {
    return LayoutBuilder::NumbersLine(std::move(f), std::move(g));
  };
  auto one = [&](auto member) { return line({MemberOf(t, member)}); };
  return {
      one(&BlockRecord::Number),
      line({MemberOf(t, &BlockRecord::SeedX), MemberOf(t, &BlockRecord::SeedY)}),
      one(&BlockRecord::UnitWeight),
      one(&BlockRecord::EffectiveUnitWeight),
      one(&BlockRecord::CohesionGradient),
      one(&BlockRecord::Cohesion),
      one(&BlockRecord::FrictionAngle),
      one(&BlockRecord::ReplacementRatio),
      one(&BlockRecord::StressRatio),
      one(&BlockRecord::PileUnitWeight),
      one(&BlockRecord::PileFrictionAngle),
      one(&BlockRecord::SoilLabelMode),
      line({MemberOf(t, &BlockRecord::SoilLabelX), MemberOf(t, &BlockRecord::SoilLabelY)}),
      line({MemberEntryOf(t, &BlockRecord::BBox, 0), MemberEntryOf(t, &BlockRecord::BBox, 1)}),
      line({MemberEntryOf(t, &BlockRecord::BBox, 2), MemberEntryOf(t, &BlockRecord::BBox, 3)}),
      one(&BlockRecord::Kind),
      line({MemberOf(t, &BlockRecord::FactorClass)},
           From(2200, [](int row) { BlockTable[row].FactorClass = 1; })),
      one(&BlockRecord::SandPile),
  };
}

void AddBlocks(LayoutBuilder& b) {
  b.Section(FileSection::kBlocks);
  b.Comment("$   地形構成ブロック");
  b.List(BlockTable, BlockCount, BlockRecordLines());
  b.Comment("$   データエンド");
}

std::vector<LayoutItem> BuildLayout() {
  std::vector<LayoutItem> items;
  LayoutBuilder b(items);
  AddHeader(b);
  AddConditions(b);
  AddCircleSettings(b, "$   検討条件-修正フェレニウス法、チェボタリオフ法",
                    FelleniusCircleSettings);
  AddCircleSettings(b, "$   検討条件-ビショップ法", BishopCircleSettings);
  AddStraightSlipSettings(b);
  AddSheetPile(b);
  AddPartialFactors(b);
  AddDrawSettings(b);
  AddTerrain(b);
  AddBlocks(b);
  return items;
}

}  // namespace

const std::vector<LayoutItem>& ProjectFileLayout() {
  static const std::vector<LayoutItem> layout = BuildLayout();
  return layout;
}

}  // namespace selvana
