// The result table window (TAns_Frm) and its one instance Ans_Frm: one tab per grid order that
// holds results, each showing the smallest safety factor at every centre of that order.
#pragma once
#include <vector>

#include "dialogs/settings_form.h"
#include "output/answer_table.h"

class QAbstractButton;
class QFrame;
class QPushButton;
class QTabBar;
class QTableWidget;

namespace selvana {

class TAns_Frm : public SettingsForm {
  Q_OBJECT

 public:
  explicit TAns_Frm(QWidget* parent = nullptr);

  QTabBar* TabControl1() const { return tabs_; }
  // The grid of the safety factors; its column heads hold the X values, its row heads the Y
  // values and its corner button the text of the corner ("Ｙ＼Ｘ").
  QTableWidget* StringGrid1() const { return grid_; }
  QAbstractButton* Corner() const { return corner_; }
  // The table on screen now.
  const AnswerTable& Shown() const { return shown_; }

 protected:
  // Lists the orders that hold records, one tab each, and shows the first.
  void FormShow() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Rebuilds the table for the order of the chosen tab.
  void TabControl1Change();
  void FillGrid();

  QFrame* tabFrame_;
  QTabBar* tabs_;
  QTableWidget* grid_;
  QAbstractButton* corner_ = nullptr;
  QPushButton* button1_;
  AnswerTable shown_;
};

// Created once at start-up; nullptr before.
extern TAns_Frm* Ans_Frm;

}  // namespace selvana
