// The comb sort that orders slice breakpoints and slip-surface hits. Its pass sequence is part
// of the results: the hit order on near-equal X is not a consistent order, so the outcome
// depends on exactly which pairs are compared when; keep this sequence, not a library sort.
#pragma once

namespace selvana {

// How the next gap is computed from the last: trunc(gap x (1/1.3)) for breakpoints and circle
// hits; trunc(gap / 1.3) is offered for callers whose rule divides (the two differ for some
// gaps, e.g. 39 gives 29 and 30).
enum class CombGapRule { kTimesInverse, kDivided };

// The gap after `gap`: shrunk by 1.3 and truncated, at least 1, and 11 in place of 9 or 10.
constexpr int NextCombGap(int gap, CombGapRule rule) {
  int next = rule == CombGapRule::kTimesInverse ? static_cast<int>(gap * (1.0 / 1.3))
                                                : static_cast<int>(gap / 1.3);
  if (next < 1) next = 1;
  if (next == 9 || next == 10) next = 11;
  return next;
}

// Sorts count elements: the gap starts at count and shrinks before every pass; a pass compares
// each i with i + gap (i < count - gap) and calls swap(i, i + gap) when needsSwap(i, i + gap);
// passes repeat until a pass with gap 1 swaps nothing.
//
// An inconsistent needsSwap can swap the same two neighbours back and forth for ever (two hits
// on either side of the tie X). The gap-1 passes are therefore limited to 4 x count + 16, far
// more than any consistent order needs (at most count); the elements then stay as they are.
template <class NeedsSwap, class Swap>
void CombSort(int count, NeedsSwap needsSwap, Swap swap,
              CombGapRule rule = CombGapRule::kTimesInverse) {
  const int gapOnePassLimit = 4 * count + 16;
  int gapOnePasses = 0;
  int gap = count;
  bool swapped = false;
  do {
    gap = NextCombGap(gap, rule);
    swapped = false;
    for (int i = 0; i < count - gap; ++i) {
      if (needsSwap(i, i + gap)) {
        swap(i, i + gap);
        swapped = true;
      }
    }
    if (gap == 1 && ++gapOnePasses >= gapOnePassLimit) break;
  } while (gap > 1 || swapped);
}

}  // namespace selvana
