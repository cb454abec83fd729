// The resize handler, the avatar import and the system-information box.
#include <QFileDialog>
#include <QStyle>
#include <QTimer>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "mainwindow/avatar_import.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/frm_counter.h"
#include "mainwindow/qt/main_window.h"
#include "mainwindow/resize_rules.h"
#include "mainwindow/startup_texts.h"
#include "mainwindow/system_info.h"
#include "platform/file_util.h"
#include "platform/qt/desktop.h"
#include "platform/vb_strings.h"

void MainWindow::Form_Resize() {
    Game& g = p_.game;
    MainWindowState& w = p_.state;
    FrmBrivo& window = p_.window;
    ResizeInputs in;
    in.StartingUp = g.StartingUp != VbFalse;
    in.Show = window.isMinimized()   ? WindowShow::Minimised
              : window.isMaximized() ? WindowShow::Maximised
                                     : WindowShow::Normal;
    in.NetConnected = g.NetConnected;
    in.NumPlayers = g.NumPlayers;
    in.ScreenWidthTwips = w.ScreenWidth;
    const BoardLooks& looks = p_.looks;
    in.BackgroundPicture =
        looks.BackgroundIndex != 0 && looks.BackgroundIndex != looks.BackgroundCount + 1;
    in.ClientWidth = window.BoardSize().width();
    in.ClientHeight = window.BoardSize().height();
    in.AvatarWidth = p_.board.layout.Ctl("ImgAvatar").Width;
    const ResizeActions a = PlanResize(in);
    if (a.Nothing) return;
    if (a.StopAnimation) w.AnimationStop = true;
    if (a.StopIdleTimer) window.Timer1()->stop();
    if (a.CloseMenus) calls_.closeMenus();
    if (a.CloseSmallWindows) {
        if (counter_) Counter()->close();
        calls_.closeSmallWindows();
        return;
    }
    if (a.TakeSize && !window.isMaximized()) {
        w.WindowWidth = window.width();
        w.WindowHeight = window.height();
    }
    ApplyResize();
}

void MainWindow::TakeWindowSize() {
    if (p_.game.StartingUp == VbFalse) ApplyResize();
}

// The board takes the window's inside size: the background covers it and the avatar stays at
// its right edge.
void MainWindow::ApplyResize() {
    MainWindowState& w = p_.state;
    FrmBrivo& window = p_.window;
    TableLayout& layout = p_.board.layout;
    const QSize inside = window.BoardSize();
    w.BoardWidthPx = inside.width();
    w.BoardHeightPx = inside.height();
    layout.Form().Width = inside.width();
    layout.Form().Height = inside.height();
    const Game& g = p_.game;
    ResizeInputs in;
    in.NumPlayers = g.NumPlayers;
    in.ScreenWidthTwips = w.ScreenWidth;
    in.ClientWidth = inside.width();
    in.AvatarWidth = layout.Ctl("ImgAvatar").Width;
    const ResizeActions a = PlanResize(in);
    layout.PlaceAvatars();
    layout.PlaceStatusNotice();
    if (a.MoveAvatar) {
        layout.Ctl("ImgAvatar").Left = a.AvatarLeft;
        layout.Ctl("imgSlap").Left = a.AvatarLeft;
        // The stock and the turn markers stand under the avatar on a wide table.
        layout.SizeDeckAndTurn();
    }
    const BoardLooks& looks = p_.looks;
    if (looks.BackgroundIndex != 0 && looks.BackgroundIndex != looks.BackgroundCount + 1)
        p_.board.board->LoadBackground();
    p_.board.ApplyWidgets();
    p_.board.view->update();
}

void MainWindow::Get_Avatars() {
    TableLayout& layout = p_.board.layout;
    layout.Ctl("ImgAvatar").Visible = true;
    const std::string folder = JoinPath(p_.game.AppFolder, "Avatars");
    const QString chosen = QFileDialog::getOpenFileName(
        &p_.window, "Change/Import Avatar Pic", QString::fromStdString(folder),
        "Pictures (*.jpg *.gif *.bmp *.JPG *.GIF *.BMP)");
    if (chosen.isEmpty()) return;  // cancelled
    const AvatarImport plan = PlanAvatarImport(folder, chosen.toStdString());
    std::string error;
    if (!ImportAvatar(folder, chosen.toStdString(), plan, &error)) {
        if (p_.services.dialogs)
            p_.services.dialogs->MsgBox("Here's the problem:\n" + error, mb::Exclamation,
                                        startup_text::kTitle);
        return;
    }
    p_.state.ShownAvatarName = plan.FileName;
    p_.board.board->LoadAvatar(plan.FileName);
    p_.board.ApplyWidgets();
}

void MainWindow::DisplayStats() {
    MainWindowState& w = p_.state;
    w.TitleBarHeight = p_.window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    SystemFacts f;
    f.ScreenWidthTwips = w.ScreenWidth;
    f.ScreenHeightTwips = w.ScreenHeight;
    f.ColorDepth = w.ColorDepth;
    f.SmallFonts = IsSmallFonts() != VbFalse;
    f.WindowWidthPx = p_.window.width();
    f.WindowHeightPx = p_.window.height();
    f.TitleBarHeight = w.TitleBarHeight;
    f.CpuMHz = w.CpuMHz;
    if (p_.services.dialogs)
        p_.services.dialogs->MsgBox(DisplayStatsText(f), mb::Information, startup_text::kTitle);
}
