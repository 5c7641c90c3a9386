// The contents of the main window's menus and tool bar.
#include "mainwin/main_menu.h"

#include "platform/number_format.h"

namespace selvana {
namespace {

using C = MainCommand;

class MenuBuilder {
 public:
  MenuBuilder& Menu(const char* caption, const char* name = "") {
    return Add({0, name, caption, false, true});
  }
  MenuBuilder& Sub(const char* caption, const char* name = "") {
    return Add({1, name, caption, false, true});
  }
  // An item of a menu (depth 1) or of a submenu (depth 2).
  MenuBuilder& Item(int depth, const char* caption, const char* name, C command, int index = 0) {
    MenuEntry e{depth, name, caption};
    e.Command = command;
    e.Index = index;
    return Add(e);
  }
  MenuBuilder& I(const char* caption, C command) {
    return Item(1, caption, MainCommandName(command), command);
  }
  MenuBuilder& S(const char* caption, C command) {
    return Item(2, caption, MainCommandName(command), command);
  }
  MenuBuilder& Separator(int depth = 1, const char* name = "") {
    MenuEntry e{depth, name, ""};
    e.Separator = true;
    return Add(e);
  }
  MenuBuilder& Hidden() {
    entries_.back().Visible = false;
    return *this;
  }
  MenuBuilder& Disabled() {
    entries_.back().Enabled = false;
    return *this;
  }
  std::vector<MenuEntry> Take() { return std::move(entries_); }

 private:
  MenuBuilder& Add(MenuEntry e) {
    entries_.push_back(std::move(e));
    return *this;
  }
  std::vector<MenuEntry> entries_;
};

constexpr const char* kLineKindCaptions[] = {
    "境界線(&K)",         "不切線(&C)",         "円弧制限線－小(&S)", "円弧制限線－大(&B)",
    "円弧制限点－小(&L)", "円弧制限点－大(&G)", "残留水位線(&Z)"};
constexpr C kLineAdds[] = {C::LAddK, C::LAddC, C::LAddS, C::LAddB, C::LAddL, C::LAddG, C::LAddZ};
constexpr C kLineDels[] = {C::LDelK, C::LDelC, C::LDelS, C::LDelB, C::LDelL, C::LDelG, C::LDelZ};

void FileMenu(MenuBuilder& m) {
  m.Menu("ファイル(&F)")
      .I("新規(&N)", C::New_Data)
      .I("開く(&O)", C::Open)
      .I("条件読み込み(&J)", C::Joken)
      .I("ブロック読み込み(&B)", C::Block)
      .I("地形読み込み(&T)", C::Tikei)
      .I("DXF(地形)読み込み(&D)", C::Dxf)
      .Separator()
      .I("上書き保存(&R)", C::Save)
      .I("名前を付けて保存(&W)", C::SaveAs)
      .Separator()
      .I("標準のプリンターを設定(&P)", C::DefPrt)
      .Separator();
  for (int i = 0; i < 5; ++i) {
    const std::string name = "F" + std::to_string(i + 1);
    m.Item(1, name.c_str(), name.c_str(), C::F, i).Hidden();
  }
  m.Separator(1, "N4").Hidden().I("終了(&X)", C::MainExit);
}

void SettingsMenu(MenuBuilder& m) {
  m.Menu("設定(&S)")
      .I("計算条件設定(&K)", C::CalSet)
      .I("すべり円/線設定(&C)", C::CirSet)
      .I("作図条件設定(&P)", C::DrawSet)
      .I("表示条件設定(&D)", C::DispSet)
      .I("粘着力基準線設定(&N)", C::Nen)
      .I("矢板設定(&Y)", C::Yaita)
      .I("すべり円中心－マウス(&M)", C::CenSet)
      .Hidden();
}

void ViewMenu(MenuBuilder& m) {
  m.Menu("表示(&D)")
      .I("全表示(&A)", C::AllShow)
      .I("ズームイン(&I)", C::ZoomIn)
      .I("ズームアウト(&O)", C::ZoomOut)
      .I("領域拡大(&B)", C::AreaBig)
      .I("領域縮小(&S)", C::AreaSmall);
}

void EditMenu(MenuBuilder& m) {
  m.Menu("編集(&E)")
      .Sub("座標編集－マウス(&P)")
      .S("追加(&A)", C::PAdd)
      .S("移動(&M)", C::PMove)
      .S("削除(&D)", C::PDel)
      .Separator()
      .Sub("線分追加－マウス(&A)");
  for (int k = 0; k < 7; ++k) m.S(kLineKindCaptions[k], kLineAdds[k]);
  m.Sub("線分削除－マウス(&M)");
  for (int k = 0; k < 7; ++k) m.S(kLineKindCaptions[k], kLineDels[k]);
  m.Sub("線分編集－マウス(&E)")
      .S("線分の端点を変更(&A)", C::Tanten)
      .S("２線分を１線分に合成(&G)", C::Gousei)
      .S("線分を指定点で分割(&C)", C::Bunkatu)
      .S("平行線の追加", C::PLine)
      .Separator()
      .Sub("交点計算－マウス(&K)")
      .S("交点追加(&K)", C::KAdd)
      .S("交点移動(&M)", C::KMove)
      .S("垂線の足追加(&S)", C::SAdd)
      .S("垂線の足移動(&A)", C::SMove)
      .S("水平交点追加(&H)", C::HAdd)
      .S("水平交点移動(&J)", C::HMove)
      .S("垂直交点追加(&V)", C::VAdd)
      .S("垂直交点移動(&W)", C::VMove)
      .Sub("ブロック編集－マウス(&B)")
      .S("追加(&A)", C::BAdd)
      .S("移動(&M)", C::BMove)
      .S("削除(&D)", C::BDel)
      .S("複写(&C)", C::BCopy)
      .S("変更(&E)", C::BEdit)
      .Separator()
      .I("座標編集－表形式(&Z)", C::XYEdit)
      .I("線分編集－表形式(&T)", C::LNEdit)
      .Separator()
      .I("結線チェック(&C)", C::LNChk)
      .I("ブロックチェック(&L)", C::BLChk)
      .I("残留水位線チェック(&Z)", C::ZHChk)
      .Hidden();
}

void CalcMenu(MenuBuilder& m) {
  m.Menu("計算(&C)")
      .I("安定検討計算(&A)", C::CalRun)
      .I("計算結果の表示(&D)", C::Kekka)
      .Disabled()
      .Separator()
      .I("計算書の印刷(&P)", C::Prn);
}

void ForceItems(MenuBuilder& m) {
  for (int i = 0; i < 3; ++i) {
    const std::string n = std::to_string(i + 1);
    const std::string g = "G" + n;
    m.Item(2, ("(" + n + ")").c_str(), g.c_str(), C::Count).Disabled();
    m.Item(2, "矢線の上に配置(&U)", (g + "U").c_str(), C::GU, i);
    m.Item(2, "矢線の下に配置(&L)", (g + "L").c_str(), C::GL, i);
    m.Item(2, "矢線の後に配置(&B)", (g + "B").c_str(), C::GB, i);
  }
}

void DrawingMenu(MenuBuilder& m) {
  m.Menu("作図(&Z)", "MZmnDraw")
      .Hidden()
      .I("作図枠の配置(&W)", C::Waku)
      .I("業務名の配置(&G)", C::Name)
      .Sub("線分の編集(&L)")
      .S("作図指示(&D)", C::LDraw)
      .S("作図不要指示(&E)", C::LNotDraw)
      .Sub("土質条件(&J)")
      .S("縦配置(&V)", C::DJTate)
      .S("横配置(&H)", C::DJYoko)
      .Sub("上載荷重の配置(&V)", "Kaju");
  constexpr const char* kSides[] = {"L", "R"};
  for (int i = 0; i < 6; ++i) {
    const std::string caption = "(" + std::to_string(i / 2 + 1) + kSides[i % 2] + ")";
    m.Item(2, caption.c_str(), ("K" + std::to_string(i + 1)).c_str(), C::K, i).Hidden();
  }
  m.Sub("水平外力の配置(&H)", "Gairyoku");
  ForceItems(m);
  m.Sub("矢板受動土圧の配置(&Y)", "YT");
  for (int k = 0; k < 64; ++k) m.Item(2, "", StrFormat("Y%02d", k + 1).c_str(), C::Y, k).Hidden();
  m.I("すべり円の追加記入(&C)", C::Circ)
      .I("安全率の配置(&F)", C::Anzen)
      .Separator()
      .I("計算対象図の作図(&D)", C::Sakuzu);
}

void HelpMenu(MenuBuilder& m) {
  m.Menu("ヘルプ(&H)")
      .I("ヘルプ(&H)", C::HelpDisp)
      .I("バージョン情報(&V)", C::VerDisp)
      .I("ウィンドウサイズ→既定値(&W)", C::Fsize);
}

std::vector<MenuEntry> BuildMainMenu() {
  MenuBuilder m;
  FileMenu(m);
  SettingsMenu(m);
  ViewMenu(m);
  EditMenu(m);
  CalcMenu(m);
  DrawingMenu(m);
  HelpMenu(m);
  return m.Take();
}

}  // namespace

const std::vector<MenuEntry>& MainMenuEntries() {
  static const std::vector<MenuEntry> entries = BuildMainMenu();
  return entries;
}

const std::vector<ToolButtonEntry>& MainToolButtons() {
  static const std::vector<ToolButtonEntry> buttons = {
      {"BitBtnNew", "新規", "", C::New_Data},
      {"BitBtnOpen", "開く", "", C::Open},
      {"BitBtnDSet", "条件読込", "", C::Joken},
      {"BitBtnSave", "上書き保存", "", C::Save},
      {"BitBtnADisp", "全表示", "", C::AllShow},
      {"BitBtnZin", "ズームイン", "", C::ZoomIn},
      {"BitBtnZout", "ズームアウト", "", C::ZoomOut},
      {"BitBtnBig", "領域拡大", "", C::AreaBig},
      {"BitBtnSmall", "領域縮小", "", C::AreaSmall},
      {"BitBtnHelp", "ヘルプ", "？", C::HelpDisp},
      {"BitBtnXY", "座標指定", "XY", C::BitBtnXY, false},
  };
  return buttons;
}

std::string MainCaption(const std::string& projectNameUtf8) {
  const std::string name = projectNameUtf8.empty() ? "無題" : projectNameUtf8;
  return std::string(kAppTitle) + " (" + name + ")";
}

}  // namespace selvana
