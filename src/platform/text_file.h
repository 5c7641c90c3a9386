// Text files as the system writes them: every line ends in CR LF; reading accepts CR LF or LF
// and returns lines of any length without their end.
#pragma once
#include <cstdio>
#include <string>
#include <string_view>

namespace selvana {

class TextFileWriter {
 public:
  TextFileWriter() = default;
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;
  ~TextFileWriter();

  // Creates or replaces the file; false when it cannot be created.
  bool Open(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  // Writes text followed by CR LF.
  void WriteLine(std::string_view text);
  // Writes text as it is (line ends inside it are the caller's).
  void Write(std::string_view text);
  // Closes the file; true only when every write and the close succeeded.
  bool Close();

 private:
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

class TextFileReader {
 public:
  TextFileReader() = default;
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;
  ~TextFileReader();

  bool Open(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  // The next line without its CR LF or LF; false at the end of the file.
  bool ReadLine(std::string& line);
  void Close();

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace selvana
