// The main window TMain_Frm: tool bar, main view, scroll bars, read-out and prompt panels and the
// seven menus. A thin shell: every menu item and tool button runs a command of its
// CommandTable, the rules behind the menus live in the engine (mainwin/), and the window only
// applies what they decide.
#pragma once
#include <QMainWindow>
#include <map>
#include <memory>
#include <string>

#include "editing/main_commands.h"
#include "editing/main_window_port.h"
#include "mainwin/drawing_menus.h"
#include "mainwin/recent_files.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QScrollBar;
class QToolButton;

namespace selvana {

class QtViewScrollBar;
class MainViewWidget;
struct MenuEntry;

class TMain_Frm : public QMainWindow,
                  public RecentFilesMenu,
                  public DrawingMenus,
                  public MainWindowPort {
  Q_OBJECT

 public:
  // Builds the window, installs its view, scroll bars and menus for the engine, takes the
  // current directory as the program folder, reads the settings file there and resets the model.
  explicit TMain_Frm(QWidget* parent = nullptr);
  ~TMain_Frm() override;

  // The commands the menus and buttons run; their owners register handlers here.
  CommandTable& Commands() { return commands_; }

  // Sends the mouse events of the main view to handler (nullptr: nowhere).
  void SetMouseHandler(ViewMouseHandler* handler) { mouseHandler_ = handler; }

  // A menu item or submenu by its object name ("Open", "K1", "MZmnDraw", ...); nullptr if none.
  QAction* Item(const std::string& name) const;
  // A tool button by its object name ("BitBtnNew", ...); nullptr if none.
  QToolButton* Button(const std::string& name) const;
  MainViewWidget* Image1() const { return image1_; }
  QScrollBar* ScrollBar1() const { return scrollBar1_; }
  QScrollBar* ScrollBar2() const { return scrollBar2_; }
  QLabel* Panel2() const { return panel2_; }  // cursor read-out
  QLabel* Panel3() const { return panel3_; }  // prompt line

  // Lays the controls out for the current size and redraws the view (not while a calculation
  // runs: the view then keeps its picture).
  void FormResize();
  // Enables the sheet-pile, cohesion-line and centre-by-mouse items from the model.
  void FormPaint();

  void ShowRecentFileItem(int slot, const std::string& caption) override;
  void ShowRecentFileSeparator() override;
  void ApplyDrawingMenus(const DrawingMenuState& state) override;
  void SetCaption(const std::string& utf8) override;
  void SetPrompt(const std::string& utf8) override;
  void SetReadout(const std::string& utf8) override;
  void SetXYButtonVisible(bool visible) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildToolBar();
  void BuildView();
  void BuildPanels();
  void BuildMenus();
  QAction* AddMenuEntry(QMenu* menu, const MenuEntry& entry);
  void RegisterOwnCommands();
  void InstallForEngine();
  void SetItem(const std::string& name, const MenuItemState& state);
  void SetVisible(const std::string& name, bool visible);

  CommandTable commands_;
  ViewMouseHandler* mouseHandler_ = nullptr;
  QWidget* client_ = nullptr;
  QFrame* panel1_ = nullptr;
  MainViewWidget* image1_ = nullptr;
  QScrollBar* scrollBar1_ = nullptr;
  QScrollBar* scrollBar2_ = nullptr;
  QLabel* panel2_ = nullptr;
  QLabel* panel3_ = nullptr;
  std::unique_ptr<QtViewScrollBar> horizontalBar_;
  std::unique_ptr<QtViewScrollBar> verticalBar_;
  std::map<std::string, QAction*> items_;
  std::map<std::string, QToolButton*> buttons_;
};

// The one main window; nullptr before start-up.
extern TMain_Frm* Main_Frm;

}  // namespace selvana
