// What the dialogs built around a string grid share: the grid on the left, filling the window's
// height; on the right the key help, notes and the dialog's own controls, with OK and Cancel at
// the bottom. OK refuses a grid cell that holds no number; Cancel closes with the cancel result
// and stores nothing.
#pragma once
#include <initializer_list>
#include <optional>
#include <span>

#include "dialogs/settings_form.h"
#include "dialogs/string_grid.h"
#include "forms/table_editor_form.h"
#include "platform/qt/qt_file_dialog.h"

class QBoxLayout;
class QFrame;
class QGridLayout;
class QPushButton;
class QVBoxLayout;

namespace selvana {

// The key help beside every table editor's grid, Esc's line excepted.
inline constexpr const char* kGridMoveHelp[] = {
    "Enter :次に移動", "Tab   :次に移動", "[→]  :右に移動",  "[←]  :左に移動",
    "[↑]  :上に移動",  "[↓]  :下に移動",  "PageUp:次の画面", "PageDn:前の画面",
};
// The red note of the coordinate grids: a row with one value empty is no data.
inline constexpr const char* kHalfRowNote[] = {"ＸＹの一方が空", "白のデータは無", "効です。"};

// A grid of two lengths a row (X and Y unless other headers are given), shown as "%10.4f".
StringGridLayout CoordinateGrid(int dataRows, const char* first = "Ｘ (m)",
                                const char* second = "Ｙ (m)");

class TableForm : public SettingsForm {
  Q_OBJECT

 public:
  StringGrid* StringGrid1() const { return grid_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  // The file dialog of the import and export buttons: the program's own Qt dialog until another
  // is installed (the program's file commands' one, or a test's).
  void UseFileDialog(FileDialog& files) { files_ = &files; }

 protected:
  struct ButtonText {
    const char* Name;
    const char* Caption;
  };
  // The OK button calls OkClick; the cancel button rejects.
  TableForm(int formSlot, const char* caption, const StringGridLayout& grid, QWidget* parent,
            ButtonText ok = {"Button1", "確　　定"}, ButtonText cancel = {"Button2", "取り消し"});

  // The right-hand column, above the OK and Cancel buttons.
  QVBoxLayout* Side() const { return side_; }
  // The key help: kGridMoveHelp with the given Esc line (and more lines) after it, named
  // Label1..Label9 with Esc as Label4 and the line after it (F2) as Label20, filled column by
  // column into the given count of columns.
  static QGridLayout* KeyHelp(std::initializer_list<const char*> more, int columns = 1);
  void AddKeyHelp(std::initializer_list<const char*> more);
  // A framed panel (Panel1) of lines (Label10 on, Label20 left to the F2 line), in red or in the
  // window's colour.
  static QFrame* Panel(std::span<const char* const> lines, bool red);
  void AddPanel(std::span<const char* const> lines, bool red);
  // Puts OK and Cancel side by side, after the given buttons, instead of one under the other.
  void ButtonsInOneRow(std::initializer_list<QPushButton*> before);

  // OK's check of the grid: false after a non-empty cell that holds no number of the grid's kind
  // was refused (RefuseTypedText) and made the current cell.
  bool GridHoldsNumbers();
  // Shows a refusal of a cell's value (caption "error") and makes the cell current; true when
  // there was one.
  bool RefuseCell(const std::optional<CellRefusal>& refusal);
  // OK once every grid cell is empty or a number.
  virtual void OkClick() = 0;

  FileDialog& Files() const { return *files_; }

 private:
  void FocusCell(const CellPlace& cell);

  QtFileDialog qtFiles_{this};
  FileDialog* files_ = &qtFiles_;
  StringGrid* grid_;
  QVBoxLayout* side_;
  QBoxLayout* buttons_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// A table editor whose rows the main view previews while they are edited: the grid is lent to
// the view as the given port; leaving the grid and resizing the window redraw the view in the
// given mode, and selecting a cell also highlights that row in yellow.
class PreviewTableForm : public TableForm {
  Q_OBJECT

 protected:
  PreviewTableForm(int formSlot, const char* caption, const StringGridLayout& grid, QWidget* parent,
                   int redrawMode, const TableCells*& port, int (*drawRow)(int row, Rgb colour));
  ~PreviewTableForm() override;

  void resizeEvent(QResizeEvent* event) override;

 private:
  void StringGrid1SelectCell(int col, int row);

  int redrawMode_;
  const TableCells*& port_;
  int (*drawRow_)(int row, Rgb colour);
};

}  // namespace selvana
