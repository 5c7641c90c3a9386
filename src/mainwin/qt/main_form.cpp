// The main window: builds its controls and menus from the engine's lists, lays them out on
// resize, and forwards every command, paint and close to the engine.
#include "mainwin/qt/main_form.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

#include "calc/progress/qt/Stop.h"
#include "editing/view_commands.h"
#include "mainwin/form_sizes.h"
#include "mainwin/main_layout.h"
#include "mainwin/main_menu.h"
#include "mainwin/menu_enabling.h"
#include "mainwin/program_session.h"
#include "mainwin/qt/program_icon.h"
#include "mainwin/qt/tool_glyphs.h"
#include "platform/number_format.h"
#include "platform/qt/screen_centre.h"
#include "view/qt/main_view_widget.h"
#include "view/qt/qt_view_scroll_bar.h"
#include "view/redraw_view.h"
#include "view/view_fitting.h"
#include "view/view_ports.h"
#include "view/view_state.h"

namespace selvana {

TMain_Frm* Main_Frm = nullptr;

namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

void SetGeometry(QWidget* w, const ControlRect& r) {
  w->setGeometry(r.Left, r.Top, r.Width, r.Height);
}

// The abort window is shown for the whole of a calculation.
bool CalculationRunning() { return Stop_Frm && Stop_Frm->isVisible(); }

MouseButton ToMouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return MouseButton::None;
  }
}

ViewMouse ToViewMouse(const ViewMouseEvent& e) {
  ViewMouse m;
  m.X = e.x;
  m.Y = e.y;
  m.Button = ToMouseButton(e.button);
  m.Shift = e.modifiers.testFlag(Qt::ShiftModifier);
  m.Ctrl = e.modifiers.testFlag(Qt::ControlModifier);
  m.Alt = e.modifiers.testFlag(Qt::AltModifier);
  m.LeftHeld = e.buttons.testFlag(Qt::LeftButton);
  m.RightHeld = e.buttons.testFlag(Qt::RightButton);
  m.MiddleHeld = e.buttons.testFlag(Qt::MiddleButton);
  return m;
}

QLabel* MakePanel(QWidget* parent, const QColor& textColour) {
  auto* panel = new QLabel(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::WindowText, textColour);
  panel->setPalette(palette);
  return panel;
}

// The read-out's width: the widest coordinates it shows, its frame and the label's margins.
int ReadoutWidth(const QLabel& panel) {
  const QFontMetrics metrics = panel.fontMetrics();
  const QString widest = QStringLiteral("X=-1234.567 Y=-1234.567");
  const int text = metrics.boundingRect(QRect(), Qt::AlignLeft, widest).width();
  return std::max(kReadoutWidth, text + 2 * panel.frameWidth() + metrics.horizontalAdvance('x'));
}

}  // namespace

TMain_Frm::TMain_Frm(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Main_Frm");
  QFont font(QString::fromUtf8("ＭＳ ゴシック"));
  font.setPixelSize(13);
  setFont(font);
  setWindowIcon(ProgramIcon());
  client_ = new QWidget(this);
  setCentralWidget(client_);
  client_->installEventFilter(this);
  BuildToolBar();
  BuildView();
  BuildPanels();
  BuildMenus();
  RegisterOwnCommands();
  InstallForEngine();
  StartProgramSession();
  setWindowTitle(Q(MainCaption("")));
  resize(FormSizes[kSlotMain].Width, FormSizes[kSlotMain].Height);
  CentreOnScreen(*this);  // the program then shows it maximised
  image1_->ViewCanvas().FillRect(0, 0, image1_->Image().width(), image1_->Image().height(), kBlack);
}

TMain_Frm::~TMain_Frm() {
  InstallRecentFilesMenu(nullptr);
  InstallDrawingMenus(nullptr);
  ViewPorts.Image = nullptr;
  ViewPorts.HorizontalBar = nullptr;
  ViewPorts.VerticalBar = nullptr;
  if (Main_Frm == this) Main_Frm = nullptr;
}

void TMain_Frm::BuildToolBar() {
  panel1_ = new QFrame(client_);
  panel1_->setObjectName("Panel1");
  panel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  int left = 3;
  for (const ToolButtonEntry& entry : MainToolButtons()) {
    auto* button = new QToolButton(panel1_);
    button->setObjectName(Q(entry.Name));
    button->setGeometry(left, 3, kToolButtonSize, kToolButtonSize);
    button->setToolTip(Q(entry.Hint));
    if (entry.Caption.empty()) {
      button->setIcon(ToolGlyph(entry.Name));
    } else {
      button->setText(Q(entry.Caption));
      const char* colour = entry.Name == "BitBtnHelp" ? "red" : "navy";
      button->setStyleSheet(QString("QToolButton { color: %1; font-weight: bold; }").arg(colour));
    }
    button->setVisible(entry.Visible);
    const MainCommand command = entry.Command;
    connect(button, &QToolButton::clicked, this, [this, command] { commands_.Run(command); });
    buttons_[entry.Name] = button;
    left += kToolButtonSize;
  }
}

void TMain_Frm::BuildView() {
  image1_ = new MainViewWidget(client_);
  image1_->setObjectName("Image1");
  image1_->OnResize = [](int width, int height) { ViewImageResized(width, height); };
  image1_->OnMouseDown = [this](const ViewMouseEvent& e) {
    if (mouseHandler_) mouseHandler_->MouseDown(ToViewMouse(e));
  };
  image1_->OnMouseMove = [this](const ViewMouseEvent& e) {
    if (mouseHandler_) mouseHandler_->MouseMove(ToViewMouse(e));
  };
  image1_->OnMouseUp = [this](const ViewMouseEvent& e) {
    if (mouseHandler_) mouseHandler_->MouseUp(ToViewMouse(e));
  };
  scrollBar1_ = new QScrollBar(Qt::Horizontal, client_);
  scrollBar1_->setObjectName("ScrollBar1");
  scrollBar2_ = new QScrollBar(Qt::Vertical, client_);
  scrollBar2_->setObjectName("ScrollBar2");
  connect(scrollBar1_, &QScrollBar::valueChanged, this, [] { ScrollBar1Change(); });
  connect(scrollBar2_, &QScrollBar::valueChanged, this, [] { ScrollBar2Change(); });
}

void TMain_Frm::BuildPanels() {
  panel2_ = MakePanel(client_, QColor(0x00, 0x00, 0x80));  // navy
  panel2_->setObjectName("Panel2");
  panel3_ = MakePanel(client_, QColor(0x80, 0x00, 0x00));  // maroon
  panel3_->setObjectName("Panel3");
  panel3_->setText(QString::fromUtf8(kIdlePrompt));
}

QAction* TMain_Frm::AddMenuEntry(QMenu* menu, const MenuEntry& entry) {
  QAction* action = nullptr;
  if (entry.Separator) {
    action = menu->addSeparator();
  } else if (entry.Submenu) {
    action = menu->addMenu(Q(entry.Caption))->menuAction();
  } else {
    action = menu->addAction(Q(entry.Caption));
  }
  if (entry.Command != MainCommand::Count) {
    const MainCommand command = entry.Command;
    const int index = entry.Index;
    connect(action, &QAction::triggered, this,
            [this, command, index] { commands_.Run(command, index); });
  }
  return action;
}

void TMain_Frm::BuildMenus() {
  QMenu* menu = nullptr;
  QMenu* submenu = nullptr;
  for (const MenuEntry& entry : MainMenuEntries()) {
    QAction* action = nullptr;
    if (entry.Depth == 0) {
      menu = menuBar()->addMenu(Q(entry.Caption));
      action = menu->menuAction();
    } else {
      action = AddMenuEntry(entry.Depth == 1 ? menu : submenu, entry);
      if (entry.Submenu) submenu = action->menu();
    }
    action->setObjectName(Q(entry.Name));
    action->setVisible(entry.Visible);
    action->setEnabled(entry.Enabled);
    if (!entry.Name.empty()) items_[entry.Name] = action;
  }
  // The settings items follow the model whenever their menu opens, not only at a paint.
  if (auto* settings = qobject_cast<QMenu*>(Item("CalSet")->parent())) {
    connect(settings, &QMenu::aboutToShow, this, [this] { FormPaint(); });
  }
}

void TMain_Frm::RegisterOwnCommands() {
  commands_.Set(MainCommand::MainExit, [this](int) { close(); });
  commands_.Set(MainCommand::Fsize, [](int) { ResetFormSizes(); });
}

void TMain_Frm::InstallForEngine() {
  horizontalBar_ = std::make_unique<QtViewScrollBar>(scrollBar1_);
  verticalBar_ = std::make_unique<QtViewScrollBar>(scrollBar2_);
  ViewPorts.Image = &image1_->ViewCanvas();
  ViewPorts.HorizontalBar = horizontalBar_.get();
  ViewPorts.VerticalBar = verticalBar_.get();
  InstallRecentFilesMenu(this);
  InstallDrawingMenus(this);
  if (!Main_Frm) Main_Frm = this;
}

QAction* TMain_Frm::Item(const std::string& name) const {
  const auto it = items_.find(name);
  return it == items_.end() ? nullptr : it->second;
}

QToolButton* TMain_Frm::Button(const std::string& name) const {
  const auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}

void TMain_Frm::FormResize() {
  const MainLayout l =
      LayoutMainClient(client_->width(), client_->height(), ReadoutWidth(*panel2_));
  SetGeometry(panel1_, l.Panel1);
  SetGeometry(image1_, l.Image1);
  SetGeometry(scrollBar1_, l.ScrollBar1);
  SetGeometry(scrollBar2_, l.ScrollBar2);
  SetGeometry(panel2_, l.Panel2);
  SetGeometry(panel3_, l.Panel3);
  // While a calculation runs the model holds factored values: the view keeps its last picture.
  if (!CalculationRunning()) RedrawView(kRedrawModel);
}

void TMain_Frm::FormPaint() {
  const PaintMenuEnabling e = ComputePaintMenuEnabling();
  Item("Yaita")->setEnabled(e.Yaita);
  Item("Nen")->setEnabled(e.Nen);
  Item("CenSet")->setEnabled(e.CenSet);
}

void TMain_Frm::ShowRecentFileItem(int slot, const std::string& caption) {
  QAction* item = Item("F" + std::to_string(slot + 1));
  item->setText(Q(caption));
  item->setVisible(true);
}

void TMain_Frm::ShowRecentFileSeparator() { SetVisible("N4", true); }

void TMain_Frm::SetVisible(const std::string& name, bool visible) {
  Item(name)->setVisible(visible);
}

void TMain_Frm::SetItem(const std::string& name, const MenuItemState& state) {
  QAction* item = Item(name);
  item->setText(Q(state.Caption));
  item->setVisible(state.Visible);
}

void TMain_Frm::ApplyDrawingMenus(const DrawingMenuState& state) {
  if (state.SetsResultItems) {
    SetVisible("MZmnDraw", state.MZmnDrawVisible);
    Item("Kekka")->setEnabled(state.KekkaEnabled);
  }
  for (int i = 0; i < static_cast<int>(state.K.size()); ++i) {
    SetItem("K" + std::to_string(i + 1), state.K[i]);
  }
  SetVisible("Kaju", state.KajuVisible);
  for (int i = 0; i < static_cast<int>(state.G.size()); ++i) {
    SetItem("G" + std::to_string(i + 1), state.G[i]);
  }
  SetVisible("Gairyoku", state.GairyokuVisible);
  for (int k = 0; k < static_cast<int>(state.Y.size()); ++k) {
    SetItem(StrFormat("Y%02d", k + 1), state.Y[k]);
  }
  SetVisible("YT", state.YTVisible);
}

void TMain_Frm::SetCaption(const std::string& utf8) { setWindowTitle(Q(utf8)); }
void TMain_Frm::SetPrompt(const std::string& utf8) { panel3_->setText(Q(utf8)); }
void TMain_Frm::SetReadout(const std::string& utf8) { panel2_->setText(Q(utf8)); }
void TMain_Frm::SetXYButtonVisible(bool visible) { Button("BitBtnXY")->setVisible(visible); }

bool TMain_Frm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) FormResize();
  return QMainWindow::eventFilter(watched, event);
}

void TMain_Frm::paintEvent(QPaintEvent* event) {
  FormPaint();
  QMainWindow::paintEvent(event);
}

void TMain_Frm::closeEvent(QCloseEvent* event) {
  if (commands_.SettlePendingEdit) commands_.SettlePendingEdit();
  if (!EndProgramSession(commands_.SaveProject)) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace selvana
