// The run entry of the circle methods: checks the search ranges, builds the block polygons,
// searches on the design copy, stamps the date and time, consolidates and announces the verdict.
#pragma once
#include <ctime>
#include <string>
#include <vector>

#include "calc/progress/progress.h"
#include "model/project_model.h"

namespace selvana {

// What a circle run entry needs from its method family (Fellenius 0/1, Bishop 2/4).
struct CircleRunFamily {
  int firstMethod;  // the two method codes of the family
  int secondMethod;
  const char* wrongMethodText;   // shown with caption "break" for any other cm.kt
  int (*applyPartialFactors)();  // the family's partial-factor routine
  int (*search)(CalcProgress&);  // the family's search: 0 ran to its end, -1 stopped
};

// Runs a circle calculation of the family. Returns -1 after a refusal message (wrong method, a
// bad range), otherwise 0 (also after a stop or a run without result); CalcStatus is 1 only
// when results are valid and consolidated.
int RunCircleCalc(const CircleRunFamily& family, CalcProgress& progress);

// The run entry of methods 0 and 1 (modified Fellenius and Tschebotarioff).
int RunCircleCalcFellenius(CalcProgress& progress);

// Stamps cm.CalcDateTime from a local time: two-digit year, month, day; hour, minute, second.
void StampCalcDateTime(const std::tm& now);

// What a run tells besides OK or OUT: one line for each thing the run left out of the
// calculation or narrowed from what the user gave, shown under the verdict; and, for a run
// without result, why it found none when the run knows it (empty otherwise).
struct VerdictNotes {
  std::vector<std::string> lines;
  std::string noResultReason;
};

// Why a search that has ended found nothing, when the run knows it (surfaces names what was
// searched, "すべり円" or "すべり線"): no surface reached the ground; every surface with a factor
// was above MaxSafetyFactor (named); no surface had a factor and a block of the run has no
// weight (named). Empty otherwise, after a stop, and when the search had nothing to walk.
std::string NoResultReason(const char* surfaces);

// The end of every run entry once the design copy is restored: stamps the date and time from
// the run clock, hides the progress window and announces the verdict with its notes.
void FinishCalcRun(CalcProgress& progress, const VerdictNotes& notes = {});

// The verdict of a finished run: with CalcStatus 1 consolidates and shows OK or OUT against the
// allowable safety factor, followed by the note on result tables that ran full and the lines of
// the notes; otherwise, or when Fmin carries the no-factor mark, shows that no result was
// obtained, followed by the notes' reason. Results whose moments overflowed are no result:
// CalcStatus := 0.
void AnnounceVerdict(const VerdictNotes& notes = {});

}  // namespace selvana
