// A number OK refuses although it reads as one: a value no soil, load or search can have, or one
// the model cannot hold. The dialog's rules say which edit holds it and why, without a window;
// the dialog shows the message and gives the edit the focus, as it does for a text that is no
// number, and stores nothing.
#pragma once
#include <optional>
#include <string>

#include "platform/number_format.h"

namespace selvana {

// The edit (its number, Edit<n>, or a dialog's own index) and the message (caption "error"),
// which names the edit by the dialog's label and the text it holds, in the manner of
// "倍率「%s」が大きすぎて…。倍率を入力し直してください。".
struct EditRefusal {
  int edit = 0;
  std::string message;
};

// The refusal of edit, labelled label in its dialog, holding text (as typed), for what is wrong
// with it (the end of a sentence): "<label>「<text>」は<what>。<label>を入力し直してください。".
inline EditRefusal RefuseValueOf(int edit, const char* label, const std::string& text,
                                 const char* what) {
  return {edit,
          StrFormat("%s「%s」は%s。%sを入力し直してください。", label, text.c_str(), what, label)};
}

}  // namespace selvana
