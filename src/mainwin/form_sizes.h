// The saved sizes of the program's windows: 32 slots carried by the settings file from one run
// to the next. Each dialog applies its slot's width and height when shown and stores them back
// when resized.
#pragma once
#include <array>

namespace selvana {

struct FormSize {
  int Width = 0;
  int Height = 0;
  int Left = 0;  // kept in the settings file, applied by no window
  int Top = 0;   // kept in the settings file, applied by no window
};

inline constexpr int kFormSizeCount = 32;

// The slot of each window.
enum FormSlot : int {
  kSlotMain = 0,  // the main window is maximised and keeps no size
  kSlotCal = 1,
  kSlotCirc = 2,
  kSlotLine = 3,
  kSlotLine2 = 4,
  kSlotNenT = 5,
  kSlotYT = 6,
  kSlotDisp = 7,
  kSlotDraw = 8,
  kSlotXY = 9,
  kSlotXYT = 10,
  kSlotLNT = 11,
  kSlotBlk = 12,
  kSlotAns = 13,
  kSlotPLine = 14,
  kSlotDxf = 15,
  kSlotAbout = 16,
  kSlotPA = 18,
};

extern std::array<FormSize, kFormSizeCount> FormSizes;

// Writes the default width and height (and Left = Top = 0) into the slots that have a default:
// 0 to 16, 18 and 29 to 31. Slots 17 and 19 to 28 belong to no window and are left as they are.
void ResetFormSizes();

}  // namespace selvana
