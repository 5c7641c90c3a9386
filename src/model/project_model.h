// The project model: every record and table of one open project, as single global instances of
// fixed capacity that all subsystems read and write in place. Defaults live in ResetProjectData.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace selvana {

// Capacities of the tables.
inline constexpr int kMaxPoints = 1024;
inline constexpr int kMaxLines = 1024;
inline constexpr int kMaxBlocks = 256;
inline constexpr int kMaxCohesionVertices = 64;
inline constexpr int kMaxPileRows = 64;
// The most decimals a figure label or an output field shows.
inline constexpr int kMaxShownDecimals = 20;
inline constexpr int kPartialFactorCount = 32;
inline constexpr int kSurchargeCount = 3;
inline constexpr int kForceCount = 3;
inline constexpr int kDisplaySwitchCount = 20;
// Model strings are CP932 bytes; at most this many.
inline constexpr std::size_t kMaxTextBytes = 255;

// Method codes (cm.kt).
enum MethodCode : int {
  kMethodFellenius = 0,
  kMethodTschebotarioff = 1,
  kMethodBishop = 2,
  kMethodLineFromPoint = 3,
  kMethodModifiedBishop = 4,
  kMethodLineBetweenSegments = 5,
};

// Line kinds (LineTable[i].Kind).
enum LineKind : int {
  kLineFree = -1,
  kLineBoundary = 1,
  kLineUncut = 2,
  kLineSmallArcLimit = 3,
  kLineLargeArcLimit = 4,
  kLineSmallArcLimitPoint = 5,
  kLineLargeArcLimitPoint = 6,
  kLineResidualWater = 7,
};

// Block kinds (BlockTable[i].Kind).
enum BlockKind : int {
  kBlockSoil = 0,
  kBlockPressureWater = 1,
  kBlockWeightWater = 2,
  kBlockStructure = 3,
};

struct CalcDateTimeRecord {
  std::array<int, 4> Date{};  // two-digit year, month, day; entry 3 not read
  std::array<int, 4> Time{};  // hour, minute, second; entry 3 not read
};

// Three trapezoidal loads; entry 3 of every array is not read.
struct SurchargeRecord {
  std::array<double, 4> XMin{};
  std::array<double, 4> XMax{};
  std::array<double, 4> LoadAtXMin{};
  std::array<double, 4> LoadAtXMax{};
};

struct HorizontalForceRecord {
  std::array<double, 4> Y{};  // acting height (m)
  std::array<double, 4> H{};  // force (kN/m)
};

struct CohesionRefLineRecord {
  int Count = 0;
  std::array<double, kMaxCohesionVertices> X{};
  std::array<double, kMaxCohesionVertices> Y{};
};

// The calculation conditions (one instance, cm).
struct CalcConditions {
  std::string ProjectFileName;  // base name without folder and extension; empty when untitled
  CalcDateTimeRecord CalcDateTime;
  std::string ProjectTitle;
  int kt = 0;  // MethodCode
  double SeismicCoefficient = 0.0;
  int SeismicIncludesSurcharge = 1;
  SurchargeRecord Surcharges;
  HorizontalForceRecord HorizontalForces;
  int CohesionRefMode = 0;  // 0 from CohesionRefHeight, 1 from CohesionRefLine
  double CohesionRefHeight = 0.0;
  CohesionRefLineRecord CohesionRefLine;
  double MaxSafetyFactor = 10000.0;
  int SandPileFormula = 0;
  int SafetyTableFormat = 0;
  double AllowableSafetyFactor = 1.0;
  int DrivingForceMode = 0;
  int RoundingRule = 0;
  double SliceWidth = 0.1;
};

struct CircleSearchSettings {
  int Entered = 2;                  // 1 entered, 2 not
  std::array<double, 4> CentreX{};  // min, max, pitch
  std::array<double, 4> CentreY{};  // min, max, pitch
  std::array<double, 4> Radius{};   // min, max, pitch
  int ExtendFirstGrid = 2;          // 1 extend, 2 not
  int HighestGridOrder = 1;         // 1..4
  int SlipDirection = 1;            // 1 automatic, 2 left to right, 3 right to left
  int PassPointOn = 0;
  double PassPointX = 0.0;
  double PassPointY = 0.0;
};

struct StraightSlipSettingsRecord {
  int Entered = 2;
  int LineSpecSwitch = 0;
  std::array<double, 4> PointX{};
  std::array<double, 4> PointY{};
  std::array<double, 4> Range{};
  double ForceX = 0.0;
  int Side = 2;    // method 3: 1 above only, 2 below only, other both
  int Passes = 1;  // 1 or 2
};

struct SheetPileSettingsRecord {
  int Mode = 0;  // SheetPileMode 0 ignore, 1 no crossing, 2 passive pressure, 3 shear
  double PileX = 0.0;
  double TopElevation = 0.0;
  double EmbedmentElevation = 0.0;
  int RowCount = 0;
  std::array<double, kMaxPileRows> Elevation{};
  std::array<double, kMaxPileRows> Intensity{};
  double AllowableShear = 0.0;  // N/cm2
  double SectionArea = 0.0;     // cm2/m
  int Dummy = 0;
  double Lm1 = 0.0;
};

struct PartialFactorsRecord {
  int Enabled = 0;
  std::array<double, kPartialFactorCount> Factor{};
};

struct PointRecord {
  int Id = -1;  // own slot index when used, -1 free
  double X = 0.0;
  double Y = 0.0;
};

struct LineRecord {
  int Kind = kLineFree;
  int P1 = 0;
  int P2 = 0;
  int DrawFlag = -1;  // 1 drawn in the figure, -1 not
};

struct BlockRecord {
  int Number = -1;  // own slot index when used, -1 free
  double SeedX = 0.0;
  double SeedY = 0.0;
  double UnitWeight = 0.0;           // γt
  double EffectiveUnitWeight = 0.0;  // γ'
  double CohesionGradient = 0.0;     // K
  double Cohesion = 0.0;             // C0
  double FrictionAngle = 0.0;        // φ (degrees)
  double ReplacementRatio = 0.0;     // As
  double StressRatio = 0.0;          // n
  double PileUnitWeight = 0.0;       // Ws
  double PileFrictionAngle = 0.0;    // φs (degrees)
  int SoilLabelMode = 0;             // -1 none, 1 vertical, 2 horizontal, 3 water label
  double SoilLabelX = 0.0;
  double SoilLabelY = 0.0;
  std::array<double, 4> BBox{};  // max X, min X, max Y, min Y of the traced outline
  int Kind = kBlockSoil;         // BlockKind
  int FactorClass = 0;           // 1 above sea bed, 2 clay, 3 sand (other: sand)
  int SandPile = 0;
};

struct DrawSettingsRecord {
  int PaperSize = 3;  // 1 A4, 2 B4, other A3 (landscape)
  double ScaleDenominator = 100.0;
  std::array<double, 16> Sizes{};  // mm; entry 15 is SoilTableMode
  double FrameCentreX = 0.0, FrameCentreY = 0.0;
  double ViewMinX = 0.0, ViewMinY = 0.0;
  double ViewMaxX = 0.0, ViewMaxY = 0.0;
  int DrawTitle = 1;
  double TitlePosX = 0.0, TitlePosY = 0.0;
  std::array<int, 4> SurchargeLabelLeft{};
  std::array<int, 4> SurchargeLabelRight{};
  std::array<double, 4> SurchargeLeftX{}, SurchargeLeftY{};
  std::array<double, 4> SurchargeRightX{}, SurchargeRightY{};
  std::array<int, 4> ForceLabelPlace{};
  std::array<double, 4> ForceLabelX{}, ForceLabelY{};
  std::array<int, 4> DrawOrder{};
  std::array<int, 8> Decimals{};  // F, γt, C, φ, force, surcharge, pressure, moment
  int DrawZeroCPhi = 1;
  std::array<double, kMaxPileRows> PileLabelX{};
  std::array<double, kMaxPileRows> PileLabelY{};
  std::array<int, kMaxPileRows> PileLabelMode{};

  // Entry 15 of Sizes: greater than -0.000001 puts the soil conditions on the terrain.
  double& SoilTableMode() { return Sizes[15]; }

  // Decimals as labels and output fields use them: a count above kMaxShownDecimals (typed or
  // read from a file) shows that many, so a text never grows to millions of digits.
  std::array<int, 8> ShownDecimals() const;
  double SoilTableMode() const { return Sizes[15]; }
};

// Display switch indices (DisplaySwitches[i]).
enum DisplaySwitch : int {
  kShowGrid = 0,
  kShowAutoSwitch = 1,
  kShowPointNames = 2,
  kShowBoundaryLines = 3,
  kShowUncutLines = 4,
  kShowArcLimitLines = 5,
  kShowArcLimitPoints = 6,
  kShowBlockMarkers = 7,
  kShowFrame = 8,
  kShowCircleCentres = 9,
  kShowSlipCircles = 10,
  kShowSoilInfo = 11,
  kShowSurcharges = 12,
  kShowForces = 13,
  kShowCohesionLine = 14,
  kShowSheetPile = 15,
  kShowPilePressure = 16,
  kShowResidualWater = 17,
};

struct GridSpacingRecord {
  double Coarse = 10.0;
  double Fine = 10.0;
};

// The records of the project (one instance each).
extern CalcConditions cm;
extern CircleSearchSettings FelleniusCircleSettings;  // methods 0 and 1
extern CircleSearchSettings BishopCircleSettings;     // every method from 2 up (CircleSettingsFor)
extern StraightSlipSettingsRecord StraightSlipSettings;
extern SheetPileSettingsRecord SheetPileSettings;
extern PartialFactorsRecord PartialFactors;
extern std::array<PointRecord, kMaxPoints> PointTable;
extern int PointCount;  // one past the highest slot used; free slots may lie below
extern std::array<LineRecord, kMaxLines> LineTable;
extern int LineCount;
extern std::array<BlockRecord, kMaxBlocks> BlockTable;
extern int BlockCount;
extern DrawSettingsRecord DrawSettings;
extern std::array<int, kDisplaySwitchCount> DisplaySwitches;
extern GridSpacingRecord GridSpacing;
extern double ParallelLineDistance;

// -1 no project or just reset, 0 unchanged since load or save, 1 changed.
extern int DataModified;
// 0 no valid results, 1 valid results, -1 stop requested.
extern int CalcStatus;

// The circle settings that belong to a method code: Fellenius for 0 and 1, Bishop for 2 and
// above (the straight-line methods 3 and 5 included, as the circle-settings dialog edits them).
CircleSearchSettings& CircleSettingsFor(int methodCode);

// Puts the whole model into the state of a new project. Returns 0.
int ResetProjectData();

// Puts the records a project file holds (conditions, search settings, sheet pile, partial
// factors, drawing settings, points, lines and blocks) into the state of a new project; the
// display switches, the view and the results stay. Part of ResetProjectData.
void ResetProjectRecords();

// Puts the sheet pile and the label placements of its pressure rows back to a new project's.
void ResetSheetPile();

// The ends of surcharge i (0..2) that can carry a label in the figure: an end with a load of
// 0.0001 or more, except that a uniform load has one label, on the left end.
struct SurchargeLabelEnds {
  bool left = false;
  bool right = false;
  bool uniform = false;  // the same load at both ends
};
SurchargeLabelEnds LabelledSurchargeEnds(int i);

// Sets the label mode of every surcharge end that can carry no label to -1 (not drawn). The
// resets and the load-label menus apply this one rule, so a new project, an opened file and the
// menus agree on which labels are off.
void DropLabelsOfUnloadedEnds();

// Free slots: the first free slot (below the count, else the count), or -1 when the table is
// full. Callers that add a record show the capacity message on -1.
int FindFreePointSlot();
int FindFreeLineSlot();
int FindFreeBlockSlot();

// The block slots below BlockCount, held within the table: the slots a run or a factor walks,
// free ones included.
int UsedBlockSlots();

// Slot `slot` lies within the point table and holds a point.
bool IsPointInUse(int slot);

// Marks a committed edit: DataModified := 1 and, when the value affects results, CalcStatus := 0.
void MarkModified(bool affectsResults);

}  // namespace selvana
