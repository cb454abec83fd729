#include "platform/qt/dialog_screen_fit.h"

#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// Room the window manager's frame takes around a dialog.
constexpr int kFrame = 40;
const char* const kFitted = "fittedToScreen";

// Moves `dialog` so that it lies within `area`.
void KeepWithin(QWidget& dialog, const QRect& area) {
    dialog.move(std::clamp(dialog.x(), area.left(), area.right() + 1 - dialog.width()),
                std::clamp(dialog.y(), area.top(), area.bottom() + 1 - dialog.height()));
}

bool Within(QSize size, QSize room) {
    return size.width() <= room.width() && size.height() <= room.height();
}

// The contents move whole into a scrolled pane; the dialog takes what the screen has room for.
void Scroll(QWidget& dialog, QLayout* contents, QSize room) {
    auto* pane = new QWidget;
    pane->setLayout(contents);
    auto* scroll = new QScrollArea(&dialog);
    scroll->setObjectName("screenFitScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(pane);
    scroll->setWidgetResizable(true);
    auto* outer = new QVBoxLayout(&dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    dialog.setMinimumSize(0, 0);
    dialog.setMaximumSize(room);
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize inner = pane->sizeHint() + QSize(bar + 2, bar + 2);
    dialog.resize(inner.boundedTo(room));
}
}  // namespace

bool DialogScreenFit::Fit(QWidget& dialog) {
    QLayout* contents = dialog.layout();
    QScreen* screen = dialog.screen();
    if (!contents || !screen || dialog.property(kFitted).toBool()) return false;
    const QRect area = screen->availableGeometry();
    const QSize room = area.size() - QSize(kFrame / 4, kFrame);
    const bool contentsFit = Within(contents->totalSizeHint(), room);
    if (contentsFit && Within(dialog.size(), room)) return false;
    dialog.setProperty(kFitted, true);
    if (contentsFit) {
        // Only the dialog's own size is too large: its contents take less room.
        dialog.setMaximumSize(room);
        dialog.resize(dialog.size().boundedTo(room));
    } else {
        Scroll(dialog, contents, room);
    }
    KeepWithin(dialog, area);
    return true;
}

bool DialogScreenFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        // A message box wraps its text and takes its size only after this event, as it shows,
        // and keeps within the screen by itself: measured here, unwrapped, a long text looked
        // too wide and the box was scrolled down to a sliver.
        if (w->isWindow() && qobject_cast<QDialog*>(w) && !qobject_cast<QMessageBox*>(w)) Fit(*w);
    }
    return false;
}
