// Windows for the file-command tests: file dialogs answered from a script, a printer dialog and a
// DXF settings prompt that count their calls, and a guard of the current directory.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "editing/main_window_port.h"
#include "model/dxf_settings_prompt.h"
#include "platform/file_dialog.h"
#include "platform/file_lookup.h"
#include "platform/printer_dialog.h"

namespace selvana::test {

// Answers each dialog with the next scripted path ("" is a cancel) and records what it was asked.
// A dialog without a scripted answer fails the test; so does an answer left unused.
class ScriptedFileDialog : public FileDialog {
 public:
  ~ScriptedFileDialog() override {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " file dialog(s) expected, not shown";
  }
  ScriptedFileDialog& Answer(const std::string& path) {
    answers_.push_back(path);
    return *this;
  }
  std::string ChooseFileToOpen(const FileDialogRequest& request) override {
    return Next("open", request);
  }
  std::string ChooseFileToSave(const FileDialogRequest& request) override {
    return Next("save", request);
  }

  struct Shown {
    std::string kind;  // "open" or "save"
    FileDialogRequest request;
  };
  std::vector<Shown> shown;

 private:
  std::string Next(const char* kind, const FileDialogRequest& request) {
    shown.push_back({kind, request});
    if (answers_.empty()) {
      ADD_FAILURE() << "unexpected " << kind << " dialog: " << request.Title;
      return {};
    }
    std::string path = answers_.front();
    answers_.pop_front();
    return path;
  }
  std::deque<std::string> answers_;
};

// Counts its shows and ends each with the given choice.
class CountingPrinterDialog : public PrinterDialog {
 public:
  PrinterChoice ChooseDefaultPrinter() override {
    ++shown;
    return answer;
  }
  int shown = 0;
  PrinterChoice answer = PrinterChoice::Chosen;
};

// Reads with the given shift and magnification, or cancels; keeps what the import showed.
class AnsweringDxfPrompt : public DxfSettingsPrompt {
 public:
  bool Ask(DxfImportSettings& settings) override {
    ++asked;
    seen = settings;
    settings.ShiftX = shiftX;
    settings.ShiftY = shiftY;
    settings.Magnification = magnification;
    return read;
  }
  bool read = true;
  double shiftX = 0.0, shiftY = 0.0, magnification = 1.0;
  int asked = 0;
  DxfImportSettings seen;
};

// Records the captions; the other panels are not the file commands' business.
class CaptionRecorder : public MainWindowPort {
 public:
  void SetCaption(const std::string& utf8) override { captions.push_back(utf8); }
  void SetPrompt(const std::string&) override {}
  void SetReadout(const std::string&) override {}
  void SetXYButtonVisible(bool) override {}
  std::vector<std::string> captions;
};

}  // namespace selvana::test
