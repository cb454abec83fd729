#include "mainwindow/qt/table_controls.h"

#include <QAbstractButton>
#include <QLabel>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "engine/ports/board_port.h"

void SyncTableControl(BoardShell& board, const std::string& key) {
    FormModel& f = board.layout.Form();
    auto it = f.Controls.find(key);
    if (it == f.Controls.end()) return;
    const ControlGeom& c = it->second;
    if (board.view) {
        auto* w = board.view->findChild<QWidget*>(QString::fromStdString(key),
                                                  Qt::FindDirectChildrenOnly);
        if (w) {
            const QString text = QString::fromStdString(c.Caption);
            if (auto* label = qobject_cast<QLabel*>(w)) label->setText(text);
            if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(text);
            w->setToolTip(QString::fromStdString(c.ToolTip));
            w->setVisible(c.Visible);
            if (c.Visible) w->raise();
        }
        board.view->update();
    }
}

void ShowTableLabel(BoardShell& board, const std::string& key, const std::string& text) {
    FormModel& f = board.layout.Form();
    auto it = f.Controls.find(key);
    if (it == f.Controls.end()) return;
    it->second.Caption = text;
    it->second.Visible = true;
    SyncTableControl(board, key);
}

void SetTableControlVisible(BoardShell& board, const std::string& key, bool visible) {
    FormModel& f = board.layout.Form();
    auto it = f.Controls.find(key);
    if (it == f.Controls.end()) return;
    it->second.Visible = visible;
    SyncTableControl(board, key);
}

void PlaceTableEmoticon(FormModel& f) {
    if (!f.IsLoaded("imgIcon") || !f.IsLoaded("Picture7", 10)) return;
    ControlGeom& icon = f.At("imgIcon");
    const ControlGeom& hold = f.At("Picture7", 10);
    icon.Left = hold.Left + hold.Width + 12;
    icon.Top = hold.Top + (hold.Height - icon.Height) / 2;
}

void ShowTableEmoticon(BoardShell& board, const std::string& path) {
    FormModel& f = board.layout.Form();
    if (!f.IsLoaded("imgIcon")) return;
    ControlGeom& icon = f.At("imgIcon");
    icon.Picture = path;
    icon.Visible = !path.empty();
    PlaceTableEmoticon(f);
    board.ApplyWidgets();
    if (board.view) board.view->update();
}

void SayOnTable(BoardShell& board, BoardPort* port, int index, const std::string& text) {
    if (port) port->SetMessage(index, text);
    ShowTableLabel(board, ControlKey("Label9", index), text);
}
