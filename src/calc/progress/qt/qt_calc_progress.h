// The calculation's progress interface on the progress and abort windows. While a calculation
// runs the abort window is shown application-modal, so the other windows take no input; each
// abort poll handles the events waiting at that moment (paints of every window, input to the
// abort window) without blocking, then reports whether the user asked to stop.
#pragma once
#include <chrono>

#include "calc/progress/progress.h"
#include "calc/progress/repaint_pause.h"

namespace selvana {

// The shortest pause between two repaints that LinesDue() asks for (about 30 a second).
inline constexpr std::chrono::milliseconds kRepaintPause{33};

class TMsg_Frm;
class TStop_Frm;

class QtCalcProgress : public CalcProgress {
 public:
  QtCalcProgress(TMsg_Frm& msg, TStop_Frm& stop) : msg_(msg), stop_(stop) {}

  void Show() override;
  void SetLine(int line, std::string_view text) override;
  void Repaint() override;
  // True before the first repaint and when the last one is at least kRepaintPause old.
  bool LinesDue() override;
  // The clock the pause is measured on (the steady clock unless a test sets another).
  void SetClock(RepaintPause::Clock clock) { repaintPause_.SetClock(std::move(clock)); }
  void Hide() override;
  bool PollStop() override;

 private:
  void ShowStopWindow();
  TMsg_Frm& msg_;
  TStop_Frm& stop_;
  RepaintPause repaintPause_{kRepaintPause};
};

}  // namespace selvana
