// The run entries built into the program, by method family.
#include "calc/bishop_run_entry.h"
#include "calc/run_entry.h"
#include "calc/straight_run.h"
#include "mainwin/calc_command.h"

namespace selvana {

MethodRunEntries BuiltRunEntries() {
  MethodRunEntries entries;
  entries.Fellenius = RunCircleCalcFellenius;
  entries.Bishop = RunCircleCalcBishop;
  entries.StraightLine = RunStraightLineCalc;
  return entries;
}

}  // namespace selvana
