// Text files with CR LF line ends: a writer that remembers any failed write until Close, and
// a reader of whole lines of any length that takes every usual line end.
#include "platform/text_file.h"

#include <sys/stat.h>

#include <cerrno>

namespace selvana {

TextFileWriter::~TextFileWriter() {
  if (file_) std::fclose(file_);
}

bool TextFileWriter::Open(const std::string& path) {
  if (file_) Close();
  failed_ = false;
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) return false;
  // A search writes megabytes of dump lines: a larger buffer than the C library's page-sized
  // one saves most of the system calls.
  if (!buffer_) buffer_ = std::make_unique<char[]>(kBufferSize);
  std::setvbuf(file_, buffer_.get(), _IOFBF, kBufferSize);
  return true;
}

void TextFileWriter::Write(std::string_view text) {
  if (!file_) {
    failed_ = true;
    return;
  }
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file_) != text.size()) {
    failed_ = true;
  }
}

void TextFileWriter::WriteLine(std::string_view text) {
  Write(text);
  Write("\r\n");
}

bool TextFileWriter::Close() {
  if (!file_) return false;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return closed && !failed_;
}

TextFileReader::~TextFileReader() { Close(); }

namespace {

OpenFailure FailureOf(int error) {
  return (error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG || error == ELOOP)
             ? OpenFailure::kNotFound
             : OpenFailure::kCannotRead;
}

}  // namespace

std::string OpenFailureMessage(std::string_view what, std::string_view name, OpenFailure failure) {
  const char* const verdict =
      failure == OpenFailure::kCannotRead ? ") が読み込めません。" : ") が見つかりません。";
  return std::string(what) + "(" + std::string(name) + verdict;
}

bool TextFileReader::Open(const std::string& path) {
  Close();
  // A folder (or a device, a pipe) opens like a file and reads as empty or fails later: only a
  // regular file is a file here.
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    failure_ = FailureOf(errno);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    failure_ = OpenFailure::kNotFound;
    return false;
  }
  file_ = std::fopen(path.c_str(), "rb");
  failure_ = file_ ? OpenFailure::kNone : FailureOf(errno);
  return file_ != nullptr;
}

int TextFileReader::Get() {
  if (ahead_.empty()) return std::getc(file_);
  const int c = static_cast<unsigned char>(ahead_.back());
  ahead_.pop_back();
  return c;
}

void TextFileReader::Unget(int c) {
  if (c != EOF) ahead_ += static_cast<char>(c);
}

// After a CR: an LF or a CR LF that follows belongs to the same line end.
void TextFileReader::SkipRestOfLineEnd() {
  const int second = Get();
  if (second == '\n') return;
  if (second == '\r') {
    const int third = Get();
    if (third == '\n') return;
    Unget(third);
  }
  Unget(second);
}

bool TextFileReader::ReadLine(std::string& line) {
  line.clear();
  if (!file_) return false;
  int c = Get();
  if (c == EOF) return false;
  while (c != EOF && c != '\n' && c != '\r') {
    line += static_cast<char>(c);
    c = Get();
  }
  if (c == '\r') SkipRestOfLineEnd();
  return true;
}

void TextFileReader::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  ahead_.clear();
}

}  // namespace selvana
