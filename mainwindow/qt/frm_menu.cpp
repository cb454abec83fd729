#include "mainwindow/qt/frm_menu.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "mainwindow/menu_bar.h"
#include "mainwindow/qt/menu_art.h"

namespace {

constexpr int kSeparatorRole = Qt::UserRole + 1;
constexpr int kKeyRole = Qt::UserRole + 2;
constexpr int kTabRole = Qt::UserRole + 3;
constexpr int kRowHeight = 20;
constexpr int kTwipsPerPixel = 15;

// Dialog units to pixels: a quarter of the font's average character width each.
int DluToPixels(int dlu, const QFontMetrics& fm) {
    return dlu * fm.averageCharWidth() / 4;
}

// Draws a row the way a menu does: the caption, the key name at the list's tab stop, a line for
// a separator, a highlight under the pointer, grey for a row that cannot run now.
class RowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& opt,
               const QModelIndex& index) const override {
        p->save();
        const QRect r = opt.rect;
        if (index.data(kSeparatorRole).toBool()) {
            const int y = r.center().y();
            p->setPen(opt.palette.color(QPalette::Mid));
            p->drawLine(r.left() + 4, y, r.right() - 4, y);
            p->setPen(opt.palette.color(QPalette::Light));
            p->drawLine(r.left() + 4, y + 1, r.right() - 4, y + 1);
            p->restore();
            return;
        }
        const bool enabled = index.flags() & Qt::ItemIsEnabled;
        const bool selected = opt.state & QStyle::State_Selected;
        if (selected && enabled) p->fillRect(r, opt.palette.color(QPalette::Highlight));
        QColor text = opt.palette.color(selected && enabled ? QPalette::HighlightedText
                                                            : QPalette::ToolTipText);
        if (!enabled) text = opt.palette.color(QPalette::Disabled, QPalette::Text);
        p->setPen(text);
        p->setFont(opt.font);
        const QRect textRect = r.adjusted(8, 0, -8, 0);
        p->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
        const QString key = index.data(kKeyRole).toString();
        if (!key.isEmpty()) {
            const int tab = index.data(kTabRole).toInt();
            p->drawText(textRect.adjusted(tab, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, key);
        }
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(opt, index).width(), kRowHeight};
    }
};

}  // namespace

FrmMenu::FrmMenu(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      imgTop_(new QLabel(this)),
      list_(new QListWidget(this)) {
    setObjectName("frmMenu");
    setAttribute(Qt::WA_ShowWithoutActivating);
    imgTop_->setObjectName("imgTop");
    list_->setObjectName("List1");
    list_->setItemDelegate(new RowDelegate(list_));
    list_->setMouseTracking(true);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setFocusPolicy(Qt::NoFocus);
    // The tool-tip colours, as a menu of the game has always looked.
    QPalette pal = list_->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Text, pal.color(QPalette::ToolTipText));
    list_->setPalette(pal);
    list_->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 0, 3, 3);
    layout->setSpacing(2);
    layout->addWidget(imgTop_);
    layout->addWidget(list_);
}

FrmMenu::~FrmMenu() = default;

int FrmMenu::ListWidth() const {
    const QFontMetrics fm(list_->font());
    int widest = 0;
    for (int i = 0; i < list_->count(); ++i) {
        const QListWidgetItem* item = list_->item(i);
        if (item->data(kSeparatorRole).toBool()) continue;
        int w = fm.horizontalAdvance(item->text());
        const QString key = item->data(kKeyRole).toString();
        if (!key.isEmpty())
            w = std::max(w, item->data(kTabRole).toInt() + fm.horizontalAdvance(key));
        widest = std::max(widest, w);
    }
    return widest + 16 + ListExtraWidthTwips(menu_) / kTwipsPerPixel;
}

void FrmMenu::LoadList(int menu, const std::vector<MenuRow>& rows, bool wood) {
    menu_ = menu;
    wood_ = wood;
    list_->clear();
    // The key names line up at the list's tab stop, kept clear of the widest caption that has
    // a key.
    const QFontMetrics fm(list_->font());
    int tab = DluToPixels(ListTabStopDlu(menu), fm);
    for (const MenuRow& r : rows)
        if (!r.key.empty())
            tab = std::max(tab, fm.horizontalAdvance(QString::fromStdString(r.caption)) + 24);
    for (const MenuRow& r : rows) {
        auto* item = new QListWidgetItem(QString::fromStdString(r.caption), list_);
        item->setData(kSeparatorRole, r.separator);
        item->setData(kKeyRole, QString::fromStdString(r.key));
        item->setData(kTabRole, tab);
        if (r.separator || !r.enabled) item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    }
    const int width = ListWidth();
    const int height = kRowHeight * list_->count() + 4;
    list_->setFixedSize(width, height);
    const int windowWidth = width + 6;
    imgTop_->setPixmap(
        QPixmap::fromImage(MenuTitleStrip(wood, windowWidth - 6, devicePixelRatioF())));
    imgTop_->setFixedSize(windowWidth - 6, 14);
    setFixedSize(windowWidth, height + 14 + 5);
}

void FrmMenu::Track(QPoint pos) {
    QListWidgetItem* item = list_->itemAt(pos);
    if (item && (item->flags() & Qt::ItemIsEnabled))
        list_->setCurrentItem(item);
    else
        list_->setCurrentItem(nullptr);
}

bool FrmMenu::eventFilter(QObject* watched, QEvent* e) {
    if (watched != list_->viewport()) return QWidget::eventFilter(watched, e);
    if (e->type() == QEvent::MouseMove) {
        Track(static_cast<QMouseEvent*>(e)->position().toPoint());
    } else if (e->type() == QEvent::Leave) {
        list_->setCurrentItem(nullptr);
    } else if (e->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() != Qt::LeftButton) return true;
        const int row = list_->row(list_->itemAt(me->position().toPoint()));
        if (row >= 0 && onRowPressed) onRowPressed(row, me->globalPosition().toPoint());
        return true;
    } else if (e->type() == QEvent::MouseButtonDblClick ||
               e->type() == QEvent::MouseButtonRelease) {
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void FrmMenu::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    onClosed();
}
