// What a calculation tells the user while it runs and how it learns that the user wants it to
// stop: one object handed to the search, polled at fixed points. The program passes the
// progress and abort windows; tests pass a headless one (progress_headless.h).
#pragma once
#include <string_view>

namespace selvana {

// The progress window has eight text lines, numbered 1..8 as its labels are.
inline constexpr int kProgressLineCount = 8;

class CalcProgress {
 public:
  virtual ~CalcProgress() = default;
  // Shows the progress window (modeless) and gives it the focus.
  virtual void Show() = 0;
  // Sets line 1..8 to a UTF-8 text, shown at the next repaint; other line numbers are ignored.
  // The lines keep their texts from one run to the next.
  virtual void SetLine(int line, std::string_view text) = 0;
  // Repaints the progress window now, without handling any other input.
  virtual void Repaint() = 0;
  // True when lines set now would be seen. A window repaints a few dozen times a second at
  // most, so a search builds the texts of its latest surface only when this says so; without
  // a window every line is kept.
  virtual bool LinesDue() { return true; }
  // Hides the progress window.
  virtual void Hide() = 0;
  // The abort poll of one search step: lets the input waiting for the program be handled (the
  // abort window's short modal show) and returns true when the user asked to stop, by a click,
  // double click, mouse press or key on the abort window, since the previous poll.
  virtual bool PollStop() = 0;
};

// The first progress line of every search: the current grid order or pass (1-based) and the
// highest one, "計算次数=%2d    最大次数=%2d   ".
void ShowOrderCount(CalcProgress& progress, int order, int highest);

// The abort poll as the searches make it: polls, turns a stop request into CalcStatus := -1,
// and returns true when CalcStatus is -1 (the search then closes its dump file and returns -1).
bool AbortRequested(CalcProgress& progress);

}  // namespace selvana
