#include "platform/qt/qt_dialogs.h"

#include <QMessageBox>

namespace {

QMessageBox::StandardButtons ButtonsOf(int style) {
    switch (style & 7) {
        case mb::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case 2:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case mb::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case mb::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case mb::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
        default:
            return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
        case mb::Critical:
            return QMessageBox::Critical;
        case mb::Question:
            return QMessageBox::Question;
        case mb::Exclamation:
            return QMessageBox::Warning;
        case mb::Information:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Cancel:
            return mb::Cancel;
        case QMessageBox::Abort:
            return mb::Abort;
        case QMessageBox::Retry:
            return mb::Retry;
        case QMessageBox::Ignore:
            return mb::Ignore;
        case QMessageBox::Yes:
            return mb::Yes;
        case QMessageBox::No:
            return mb::No;
        default:
            return mb::Ok;
    }
}

}  // namespace

int QtDialogs::MsgBox(const std::string& text, int style, const std::string& title) {
    QMessageBox box(IconOf(style), QString::fromStdString(title.empty() ? "Quorvane" : title),
                    QString::fromStdString(text), ButtonsOf(style), parent_);
    return AnswerOf(box.exec());
}
