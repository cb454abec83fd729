#include "mainwindow/qt/menu_controller.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cctype>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "mainwindow/close_guard.h"
#include "mainwindow/command_gate.h"
#include "mainwindow/menu_rows.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/frm_menu.h"
#include "mainwindow/qt/main_window.h"
#include "mainwindow/qt/menu_bar_panel.h"
#include "mainwindow/qt/menu_popups.h"
#include "platform/file_util.h"
#include "platform/web_address.h"
#include "records/folder_lists.h"

namespace {

constexpr int kTwipsPerPixel = 15;

bool SameNameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

}  // namespace

MenuController::MenuController(MenuControllerParts parts, MenuHooks hooks)
    : p_(parts),
      hooks_(std::move(hooks)),
      panel_(new MenuBarPanel(parts.board.view)),
      reveal_(new MenuReveal(parts.board.view)) {
    MenuCommandsParts cp{p_.g, p_.engine, p_.records, p_.sv, p_.state, *this};
    cp.nextChatSeq = [this] { return hooks_.nextChatSeq(); };
    cp.oppPeeking = [this] { return hooks_.oppPeeking(); };
    commands_ = std::make_unique<MenuCommands>(std::move(cp));
    panel_->onMove = [this](QPoint at) { MoveOverBar(at); };
    panel_->onPress = [this](QPoint at) { PressBar(at); };
    reveal_->onHover = [this] {
        if (!p_.g.MenusLocked) ShowBar();
    };
    // Pointer moves anywhere on the main window (the top edge) and presses beside the menus.
    qApp->installEventFilter(this);
    Place();
}

MenuController::~MenuController() {
    qApp->removeEventFilter(this);
    if (dropDown_) delete dropDown_.data();
}

bool MenuController::Wood() const {
    return p_.looks.MenuStyle != VbFalse;
}

void MenuController::Place() {
    const TableLayout& layout = p_.board.layout;
    panel_->SetWood(Wood());
    reveal_->SetWood(Wood());
    if (layout.Form().IsLoaded("imgMenu")) {
        const ControlGeom& m = layout.Ctl("imgMenu");
        reveal_->setGeometry(static_cast<int>(m.Left), static_cast<int>(m.Top),
                             static_cast<int>(m.Width), static_cast<int>(m.Height));
    }
    reveal_->show();
    reveal_->raise();
    if (panel_->isVisible()) panel_->raise();
}

bool MenuController::BarShown() const {
    return panel_->isVisible();
}

FrmMenu* MenuController::DropDown() const {
    return dropDown_.data();
}

void MenuController::ShowBar() {
    if (p_.board.layout.Form().IsLoaded("picPanel")) p_.board.layout.Ctl("picPanel").Visible = true;
    panel_->SetWood(Wood());
    panel_->move(0, 0);
    panel_->show();
    panel_->raise();
}

void MenuController::HideMenuBar() {
    CloseList();
    if (p_.board.layout.Form().IsLoaded("picPanel"))
        p_.board.layout.Ctl("picPanel").Visible = false;
    panel_->hide();
    panel_->SetHot(0);
    hoverPlayed_ = false;
}

void MenuController::PlayMenuSound(int id) const {
    if (p_.g.SoundMode == 2 || !p_.sv.sounds) return;
    p_.sv.sounds->PlaySound(JoinPath(p_.g.AppFolder, "Data/~" + std::to_string(id) + ".tmp"),
                            false);
}

void MenuController::MoveOverBar(QPoint at) {
    if (!hoverPlayed_) {
        PlayMenuSound(106);
        hoverPlayed_ = true;
    }
    const BarPress over = PressOnBar(at.x(), at.y());
    panel_->SetHot(over.hit == BarHit::Title ? over.menu : 0);
    if (menuOpen_ && ClosesDropDown(at.x(), at.y())) CloseList();
}

void MenuController::PressBar(QPoint at) {
    const BarPress press = PressOnBar(at.x(), at.y());
    if (press.hit == BarHit::Outside) return;
    if (press.hit == BarHit::Between) {
        CloseList();
        return;
    }
    PlayMenuSound(107);
    CloseList();
    const GateAnswer title = GateMenuTitle(SituationOf(p_.g), press.menu);
    if (title.verdict != GateVerdict::Run) {
        if (title.verdict == GateVerdict::Refuse && p_.sv.dialogs)
            p_.sv.dialogs->MsgBox(title.text, title.style, title.title);
        if (press.menu == menu::kGame && title.verdict == GateVerdict::Refuse) HideMenuBar();
        return;
    }
    OpenList(press.menu);
}

void MenuController::OpenList(int menu) {
    MenuView view;
    view.peeking = p_.g.Peeking != VbFalse;
    view.statusBarShown = StatusBarShown();
    view.netConnected = p_.g.NetConnected;
    view.isHost = p_.g.IsHost;
    auto* list = new FrmMenu(&p_.window);
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->LoadList(menu, GatedMenuRows(menu, view, SituationOf(p_.g)), Wood());
    const int left = DropDownLeftTwips(menu, Wood() ? 0 : 1, p_.state.LargeFonts) / kTwipsPerPixel;
    list->move(p_.board.view->mapToGlobal(QPoint(left, menu_bar::kBandBottom - 2)));
    list->onRowPressed = [this, menu](int row, QPoint at) {
        (void)menu;
        PressRow(row, at);
    };
    list->onClosed = [this, list] {
        if (dropDown_ == list) {
            menuOpen_ = false;
            dropDown_.clear();
        }
    };
    dropDown_ = list;
    menuOpen_ = true;
    list->show();
    list->raise();
}

void MenuController::CloseList() {
    if (!dropDown_) {
        menuOpen_ = false;
        return;
    }
    FrmMenu* list = dropDown_.data();
    dropDown_.clear();
    menuOpen_ = false;
    list->close();
}

// A row pressed in the open list: separators and rows that cannot run now keep the list open,
// and so does a pop-up left without a new choice; otherwise the list closes and the command
// runs once it has gone.
void MenuController::PressRow(int row, QPoint globalPos) {
    FrmMenu* list = dropDown_.data();
    if (!list) return;
    const int menu = list->MenuNumber();
    if (IsSeparatorRow(menu, row)) return;
    QListWidgetItem* item = list->List1()->item(row);
    if (!item || !(item->flags() & Qt::ItemIsEnabled)) return;
    int value = 0;
    if (menu == menu::kOptions && row == 1) {
        const std::optional<int> level = NoiseControl(list, globalPos, p_.g.SoundMode);
        KeysBackToWindow();
        if (!level || *level == p_.g.SoundMode) return;
        p_.g.SoundMode = static_cast<i16>(*level);
    } else if (menu == menu::kOptions && row == 13) {
        const TableLayout& t = p_.board.layout;
        const std::array<std::string, 3> captions{t.Display[0].Caption, t.Display[1].Caption,
                                                  "Reset Default Window Size"};
        const std::array<bool, 3> enabled{t.Display[0].Enabled, t.Display[1].Enabled, true};
        const std::optional<int> choice = DisplaySize(list, globalPos, captions, enabled);
        KeysBackToWindow();
        if (!choice) return;
        value = *choice;
    } else if (menu == menu::kHelp && row == 7) {
        const std::optional<int> site = ToInternet(list, globalPos);
        KeysBackToWindow();
        if (!site) return;
        value = *site;
    }
    CloseList();
    QTimer::singleShot(0, this, [this, menu, row, value] { RunChosen(menu, row, value); });
}

// A closed pop-up hands the keyboard to the window it was opened from, the drop-down list, which
// takes no keys: the main window gets it back, so that Esc and the other keys go on working.
void MenuController::KeysBackToWindow() {
    p_.window.activateWindow();
}

void MenuController::RunChosen(int menu, int row, int value) {
    HandlerScope handler(p_.state);
    commands_->Run(menu, row, value);
}

void MenuController::PointerAtTop(int y) {
    const bool entered = topBand_.Entered(y);
    if (y >= menu_bar::kRevealBand) return;
    // In the tutorial the reminder comes once each time the pointer reaches the edge.
    if (entered && p_.g.TutorialOn && p_.sv.dialogs)
        p_.sv.dialogs->MsgBox(gate_text::kTutorial, mb::Information, gate_text::kTutorialTitle);
    if (!p_.g.MenusLocked) ShowBar();
}

void MenuController::PressOnWindow(QObject* watched) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != &p_.window) return;
    if (w == panel_ || panel_->isAncestorOf(w)) return;
    if (p_.g.AnimationRunning && !p_.state.AnimationStop) p_.state.AnimationStop = true;
    if (panel_->isVisible() || menuOpen_) HideMenuBar();
}

bool MenuController::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseMove) {
        auto* w = qobject_cast<QWidget*>(watched);
        // Each widget under the pointer reports its own moves: any of the main window's counts.
        if (w && w->window() == &p_.window) {
            const QPoint global = static_cast<QMouseEvent*>(e)->globalPosition().toPoint();
            const int y = p_.board.view->mapFromGlobal(global).y();
            PointerAtTop(y);
            if (!p_.g.AnimationRunning)
                animationWatch_.Forget();
            else if (animationWatch_.Left(y))
                p_.state.AnimationStop = true;
        }
    } else if (e->type() == QEvent::MouseButtonPress) {
        PressOnWindow(watched);
    }
    return QObject::eventFilter(watched, e);
}

// ---- MenuShell ----

void MenuController::CloseMainWindow() {
    QTimer::singleShot(0, &p_.window, [w = &p_.window] { w->close(); });
}

void MenuController::ChangeNoise() {
    hooks_.changeNoise();
}

void MenuController::CycleBackground(int keyCode) {
    p_.board.board->CycleBackground(keyCode);
}

void MenuController::LoadBackground() {
    p_.board.board->LoadBackground();
}

void MenuController::ShowBackground(const std::string& fileName) {
    BoardLooks& l = p_.looks;
    l.BackgroundFiles = ListBackgrounds(p_.g.AppFolder);
    l.BackgroundCount = static_cast<i16>(ListCount(l.BackgroundFiles));
    for (int i = 1; i <= l.BackgroundCount; ++i)
        if (SameNameNoCase(l.BackgroundFiles[i], fileName)) {
            l.BackgroundIndex = static_cast<i16>(i);
            l.BackgroundChoice = l.BackgroundIndex;
            break;
        }
    p_.board.board->LoadBackground();
}

void MenuController::SetStretchBackground(bool stretch) {
    p_.looks.StretchBackground = stretch ? VbTrue : VbFalse;
}

void MenuController::AfterLayoutChange() {
    TableLayout& t = p_.board.layout;
    const LayoutRequests r = t.TakeRequests();
    if (r.ClearBoard) t.ClearBoard();
    p_.board.board->DrawTable();
    if (r.LoadBackground || r.ClearBoard) p_.board.board->LoadBackground();
    if (r.ShowRulesCaption) p_.engine.ShowRulesCaption();
    const FormModel& f = t.Form();
    if (r.WindowSize) {
        if (f.Width > 0 && f.Height > 0 && !p_.window.isMaximized())
            p_.window.resize(static_cast<int>(f.Width), static_cast<int>(f.Height));
        p_.main.TakeWindowSize();
    }
    p_.board.ApplyWidgets();
    Place();
    p_.board.view->update();
}

void MenuController::ChangeDisplay(int action) {
    p_.board.layout.Change_Display(action);
    AfterLayoutChange();
}

void MenuController::PlaceStatusArea() {
    if (p_.window.isMaximized() || p_.window.isFullScreen()) p_.window.showNormal();
    p_.board.layout.PlaceStatusArea();
    AfterLayoutChange();
}

bool MenuController::StatusBarShown() const {
    return !p_.window.StatusBar1()->isHidden();
}

void MenuController::ShowStatusBar(bool show) {
    p_.window.StatusBar1()->setVisible(show);
    if (show) p_.window.StatusBar1()->raise();
}

void MenuController::ShowCounter() {
    if (p_.sv.status) p_.sv.status->ShowCounter();
    p_.main.ShowCounter();
}

void MenuController::RefreshCounterIfShown() {
    if (p_.main.Counter() && p_.sv.status) p_.sv.status->ShowCounter();
}

void MenuController::ShowPeekLabel(const std::string& text, bool visible) {
    TableLayout& t = p_.board.layout;
    if (!t.Form().IsLoaded("LabelPeek")) return;
    ControlGeom& label = t.Ctl("LabelPeek");
    label.Caption = text;
    label.Visible = visible;
    if (auto* w = p_.board.view->findChild<QLabel*>("LabelPeek", Qt::FindDirectChildrenOnly)) {
        w->setText(QString::fromStdString(text));
        w->setVisible(visible);
    }
    p_.board.view->update();
}

bool MenuController::OpenWeb(const std::string& address) {
    return IsWebAddress(address) &&
           QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void MenuController::StopAnimation() {
    if (p_.sv.window) p_.sv.window->AnimateCardsFlow(0);
}

void MenuController::TakeFontSize() {
    hooks_.takeFontSize();
}

void MenuController::SetupOpponents(bool rulesOnly) {
    hooks_.setupOpponents(rulesOnly);
}

void MenuController::SetupInternet() {
    p_.sv.dialogHost->Show(DialogForm::Players);
}

void MenuController::SendRecover(const ResumeNote& note) {
    hooks_.sendRecover(note);
}
