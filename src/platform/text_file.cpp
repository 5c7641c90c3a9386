// Text files with CR LF line ends: a writer that remembers any failed write until Close, and
// a reader of whole lines of any length.
#include "platform/text_file.h"

namespace selvana {

TextFileWriter::~TextFileWriter() {
  if (file_) std::fclose(file_);
}

bool TextFileWriter::Open(const std::string& path) {
  if (file_) Close();
  failed_ = false;
  file_ = std::fopen(path.c_str(), "wb");
  return file_ != nullptr;
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

bool TextFileReader::Open(const std::string& path) {
  Close();
  file_ = std::fopen(path.c_str(), "rb");
  return file_ != nullptr;
}

bool TextFileReader::ReadLine(std::string& line) {
  line.clear();
  if (!file_) return false;
  int c = std::getc(file_);
  if (c == EOF) return false;
  while (c != EOF && c != '\n') {
    line += static_cast<char>(c);
    c = std::getc(file_);
  }
  if (c == '\n' && !line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void TextFileReader::Close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}

}  // namespace selvana
