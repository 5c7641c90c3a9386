// CP932 text through glibc iconv: conversions that replace and count what cannot be converted,
// the lead-byte test, and cutting without splitting a double-byte character.
#include "platform/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace selvana {
namespace {

constexpr const char* kCp932 = "CP932";
constexpr const char* kUtf8 = "UTF-8";
constexpr std::string_view kCp932Replacement = "?";
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";  // U+FFFD

// An iconv descriptor closed on scope exit.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

// Length of the UTF-8 sequence that starts with c; 1 for a byte that starts none.
std::size_t Utf8SequenceLength(unsigned char c) {
  if (c >= 0xC2 && c <= 0xDF) return 2;
  if (c >= 0xE0 && c <= 0xEF) return 3;
  if (c >= 0xF0 && c <= 0xF4) return 4;
  return 1;
}

bool IsCp932TrailByte(unsigned char c) {
  return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// Length of the CP932 character that starts at s[0]: 2 for a lead byte followed by a trail
// byte, else 1 (so a broken pair gives its second byte a chance of its own).
std::size_t Cp932CharLength(std::string_view s) {
  if (s.size() >= 2 && IsCp932LeadByte(static_cast<unsigned char>(s[0])) &&
      IsCp932TrailByte(static_cast<unsigned char>(s[1]))) {
    return 2;
  }
  return 1;
}

// Bytes to skip over an input character that could not be converted.
using SkipLength = std::size_t (*)(std::string_view rest);

std::size_t SkipUtf8(std::string_view rest) {
  const std::size_t n = Utf8SequenceLength(static_cast<unsigned char>(rest[0]));
  if (n > rest.size()) return rest.size();
  for (std::size_t i = 1; i < n; ++i) {
    if ((static_cast<unsigned char>(rest[i]) & 0xC0) != 0x80) return i;  // broken sequence
  }
  return n;
}

std::size_t SkipCp932(std::string_view rest) { return Cp932CharLength(rest); }

void AppendReplacement(TextConversion& result, std::string_view replacement) {
  result.text += replacement;
  ++result.replaced;
}

// Without a converter (no gconv modules installed): ASCII passes, everything else is replaced.
TextConversion ConvertAsciiOnly(std::string_view input, std::string_view replacement,
                                SkipLength skip) {
  TextConversion result;
  while (!input.empty()) {
    const std::size_t n = skip(input);
    if (n == 1 && static_cast<unsigned char>(input[0]) < 0x80) {
      result.text += input[0];
    } else {
      AppendReplacement(result, replacement);
    }
    input.remove_prefix(n);
  }
  return result;
}

// Converts everything in input; each character iconv refuses becomes one replacement.
TextConversion Convert(std::string_view input, const char* to, const char* from,
                       std::string_view replacement, SkipLength skip) {
  Converter cd(to, from);
  if (!cd.ok()) return ConvertAsciiOnly(input, replacement, skip);
  TextConversion result;
  std::string_view rest = input;
  char buffer[1024];
  while (!rest.empty()) {
    char* in = const_cast<char*>(rest.data());
    std::size_t inLeft = rest.size();
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t rc = iconv(cd.get(), &in, &inLeft, &out, &outLeft);
    const int error = errno;
    result.text.append(buffer, static_cast<std::size_t>(out - buffer));
    rest.remove_prefix(rest.size() - inLeft);
    if (rc != static_cast<std::size_t>(-1) || rest.empty() || error == E2BIG) continue;
    // EILSEQ (no such character) or EINVAL (cut off at the end): replace one character.
    AppendReplacement(result, replacement);
    rest.remove_prefix(std::max<std::size_t>(1, skip(rest)));
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
  }
  return result;
}

}  // namespace

TextConversion Utf8ToCp932(std::string_view utf8) {
  return Convert(utf8, kCp932, kUtf8, kCp932Replacement, SkipUtf8);
}

TextConversion Cp932ToUtf8(std::string_view cp932) {
  return Convert(cp932, kUtf8, kCp932, kUtf8Replacement, SkipCp932);
}

std::string ToCp932(std::string_view utf8) { return Utf8ToCp932(utf8).text; }

std::string ToUtf8(std::string_view cp932) { return Cp932ToUtf8(cp932).text; }

bool CanHoldInCp932(std::string_view utf8) {
  const TextConversion converted = Utf8ToCp932(utf8);
  return converted.replaced == 0 && ToUtf8(converted.text) == utf8;
}

std::string FirstCharacterNotInCp932(std::string_view utf8) {
  if (Utf8ToCp932(utf8).replaced == 0) return {};
  for (std::string_view rest = utf8; !rest.empty();) {
    const std::string_view character = rest.substr(0, std::max<std::size_t>(1, SkipUtf8(rest)));
    if (Utf8ToCp932(character).replaced > 0) return std::string(character);
    rest.remove_prefix(character.size());
  }
  return {};
}

bool IsCp932LeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

std::size_t Cp932CharacterBytes(std::string_view s, std::size_t i) {
  return IsCp932LeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

std::string CutCp932(std::string_view s, std::size_t maxBytes) {
  const std::size_t limit = std::min(maxBytes, s.size());
  std::size_t end = 0;
  while (end < limit) {
    const std::size_t step = IsCp932LeadByte(static_cast<unsigned char>(s[end])) ? 2 : 1;
    if (end + step > limit) break;
    end += step;
  }
  return std::string(s.substr(0, end));
}

}  // namespace selvana
