// The one refusal of a typed number that would put a coordinate where the model cannot hold it
// (CoordinateInRange), shared by the point table, the point input and the parallel distance.
#pragma once
#include <string>
#include <string_view>

namespace selvana {

// "<label>「<text>」では座標が扱える範囲を超えてしまいます。<label>を入力し直してください。"
// (UTF-8, caption "error"), the text trimmed of blanks.
std::string CoordinateRangeMessage(std::string_view label, std::string_view text);

}  // namespace selvana
