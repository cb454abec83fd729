#include "platform/qt/qt_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
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

namespace {
QString Title(const std::string& title) {
    return QString::fromStdString(title.empty() ? "Quorvane" : title);
}

std::optional<std::string> PathOf(const QString& chosen) {
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}
}  // namespace

std::optional<std::string> QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent_, Title(title), QString::fromStdString(prompt),
                              QLineEdit::Normal, QString::fromStdString(defaultText), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::optional<std::string> QtDialogs::ChooseOpenFile(const std::string& title,
                                                     const std::string& folder,
                                                     const std::string& filter) {
    return PathOf(QFileDialog::getOpenFileName(
        parent_, Title(title), QString::fromStdString(folder), QString::fromStdString(filter)));
}

// The profile's colours are 0x00BBGGRR.
std::optional<i32> QtDialogs::ChooseColor(i32 initial) {
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(start, parent_);
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<i32>(chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16));
}
