// Text files as the system writes them: every line ends in CR LF; reading accepts CR LF, LF,
// a lone CR and CR CR LF as one line end each and returns lines of any length without it.
#pragma once
#include <cstddef>
#include <cstdio>
#include <memory>
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
  static constexpr std::size_t kBufferSize = 1 << 16;
  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;  // the open file's buffer; outlives it
  bool failed_ = false;
};

// Why a file could not be opened for reading.
enum class OpenFailure {
  kNone,
  kNotFound,    // no such file, or the name is a folder or anything else but a regular file
  kCannotRead,  // the file is there but may not be read (permissions) or reading it failed
};

// What the user is told about a file that did not open: "<what>(<name>) が見つかりません。" for
// a missing file, "<what>(<name>) が読み込めません。" for one that cannot be read.
std::string OpenFailureMessage(std::string_view what, std::string_view name, OpenFailure failure);

class TextFileReader {
 public:
  TextFileReader() = default;
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;
  ~TextFileReader();

  // Opens a regular file; false, with the reason in Failure(), when it cannot.
  bool Open(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }
  OpenFailure Failure() const { return failure_; }
  // The next line without its line end; false at the end of the file.
  bool ReadLine(std::string& line);
  void Close();

 private:
  int Get();
  void Unget(int c);
  void SkipRestOfLineEnd();

  std::FILE* file_ = nullptr;
  OpenFailure failure_ = OpenFailure::kNone;
  std::string ahead_;  // bytes read ahead while looking at a line end, the next one last
};

}  // namespace selvana
