#include "mainwindow/qt/developer_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "mainwindow/dev_keys.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/table_controls.h"

DeveloperKeys::DeveloperKeys(DeveloperKeysParts parts) : p_(std::move(parts)) {
    qApp->installEventFilter(this);
}

bool DeveloperKeys::Picture7_KeyDown(int keyCode, Qt::KeyboardModifiers shift) {
    const DevKey key = Picture7KeyAction(keyCode, shift & Qt::ShiftModifier,
                                         shift & Qt::ControlModifier, shift & Qt::AltModifier);
    switch (key) {
        case DevKey::None:
            return false;
        case DevKey::HumanSideToTwo:
            HumanSideToTwo(p_.game);
            break;
        case DevKey::OppSideToTwo:
            OppSideToTwo(p_.game);
            break;
        case DevKey::OwnAddress:
            SayOnTable(p_.board, p_.services.board, 1, p_.ownAddress());
            return true;
        case DevKey::HostAddress:
            SayOnTable(p_.board, p_.services.board, 1, p_.hostAddress());
            return true;
        case DevKey::PeerVersion:
            SayOnTable(p_.board, p_.services.board, 1, p_.game.PeerVersion);
            return true;
    }
    if (p_.services.sounds) p_.services.sounds->Beep();
    return true;
}

bool DeveloperKeys::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    // Each key once, at the widget it was meant for, and only in the main window.
    if (!p_.window.FirstReceiverOfKey(qobject_cast<QWidget*>(watched))) return false;
    auto* ke = static_cast<QKeyEvent*>(e);
    return Picture7_KeyDown(ke->key(), ke->modifiers());
}
