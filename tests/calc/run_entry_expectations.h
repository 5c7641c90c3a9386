// What the tests of the three run entries (Fellenius, Bishop, straight lines) expect alike: the
// message of a run without result and the refusal of a method code that is not theirs.
#pragma once

#include "calc/progress/progress.h"

namespace selvana::test {

// The message of a run that stored no slip surface (caption "メッセージ").
inline constexpr const char* kNoResultMessage = "計算：計算結果が得られませんでした。\n";
// The same with the reason of a circle search in which no circle reached the ground.
inline constexpr const char* kNoCircleReachedMessage =
    "計算：計算結果が得られませんでした。\n探索範囲のどのすべり円も地盤に達しませんでした。";

// Runs the entry with cm.kt = method after a valid run (CalcStatus 1) and expects the refusal:
// the message text with caption "break", the result -1, CalcStatus 0 and no progress window.
void ExpectMethodRefused(int (*runEntry)(CalcProgress&), int method, const char* text);

}  // namespace selvana::test
