#include "board/qt/layout_applier.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <cmath>
#include <set>

namespace {

// Marks the widgets that stand for controls of the model, so that an unloaded control's widget
// can be told from the table's other children.
constexpr const char* kControlProperty = "tableControl";

int Px(double v) {
    return static_cast<int>(std::lround(v));
}

void SetText(QWidget* w, const ControlGeom& c) {
    const QString text = QString::fromStdString(c.Caption);
    if (auto* label = qobject_cast<QLabel*>(w)) label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(text);
}

void SetFontSize(QWidget* w, const ControlGeom& c) {
    if (c.FontSize <= 0) return;
    if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w)) return;
    QFont font = w->font();
    font.setPointSizeF(c.FontSize);
    w->setFont(font);
}

void Place(QWidget* w, const ControlGeom& c) {
    w->setGeometry(Px(c.Left), Px(c.Top), Px(c.Width), Px(c.Height));
    w->setEnabled(c.Enabled);
    w->setToolTip(QString::fromStdString(c.ToolTip));
    w->setProperty(kPictureProperty, QString::fromStdString(c.Picture));
    SetText(w, c);
    SetFontSize(w, c);
    w->setVisible(c.Visible);
    if (c.Front) w->raise();
}

}  // namespace

QWidget* MakeDefaultTableWidget(const std::string&, const ControlGeom& c, QWidget* table) {
    switch (c.Kind) {
        case ControlKind::Label: {
            // Captions carry other players' names and words: never read as markup.
            auto* label = new QLabel(table);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case ControlKind::CommandButton:
            return new QPushButton(table);
        default: {
            auto* frame = new QFrame(table);
            frame->setFrameShape(c.Kind == ControlKind::Shape ? QFrame::Box : QFrame::NoFrame);
            return frame;
        }
    }
}

void ApplyLayout(const FormModel& model, QWidget* table, const TableWidgetFactory& make) {
    std::set<QString> keys;
    for (const auto& [key, c] : model.Controls) {
        // The window's own status bar stands outside the table.
        if (c.Kind == ControlKind::StatusBar) continue;
        const QString name = QString::fromStdString(key);
        keys.insert(name);
        QWidget* w = table->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (!w) {
            w = make(key, c, table);
            w->setObjectName(name);
            w->setProperty(kControlProperty, true);
        }
        Place(w, c);
    }
    for (QWidget* w : table->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->property(kControlProperty).toBool() && !keys.count(w->objectName())) {
            w->hide();
            w->deleteLater();
        }
    }
}
