#include "net/qt/frm_chat.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include "board/qt/form_skin.h"
#include "records/qt/dialog_widgets.h"

namespace {

constexpr int kPhrases = 20;
constexpr int kSmallButton = 22;
const QSize kNormalSize(470, 300);

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The history as the window shows it: lines parted by line feeds.
QString HistoryText(const std::string& history) {
    QString text = Q(history);
    text.replace("\r\n", "\n");
    return text;
}

// A small speech bubble with the button's number: the canned-phrase buttons' pictures.
QIcon PhraseIcon(int number) {
    QPixmap pm(18, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x50, 0x80), 1));
    p.setBrush(QColor(0xE8, 0xF2, 0xFF));
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(0.5, 0.5, 17, 12), 4, 4);
    bubble.moveTo(4, 12.5);
    bubble.lineTo(3, 15.5);
    bubble.lineTo(8, 12.5);
    p.drawPath(bubble.simplified());
    QFont f;
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(0, 0, 18, 13), Qt::AlignCenter, QString::number(number));
    return QIcon(pm);
}

// The pin: upright while the window is kept on top, lying down when it is not.
QIcon PinIcon(bool pinned) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(8, 8);
    if (!pinned) p.rotate(60);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.4));
    p.drawLine(QPointF(0, 1), QPointF(0, 7));
    p.setPen(QPen(QColor(0x80, 0x10, 0x10), 1));
    p.setBrush(QColor(0xE0, 0x30, 0x30));
    p.drawEllipse(QRectF(-4, -7, 8, 6));
    p.drawRect(QRectF(-2, -2, 4, 3));
    return QIcon(pm);
}

QPushButton* SmallButton(const QString& name, const QString& tip, QWidget* parent) {
    auto* b = NewButton(name, "", parent);
    b->setToolTip(tip);
    b->setFixedSize(kSmallButton, kSmallButton);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QListWidget* DropList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFrameShape(QFrame::Box);
    list->setIconSize(QSize(20, 20));
    list->hide();
    return list;
}

}  // namespace

FrmChat::FrmChat(ChatWindowParts parts, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      room_(parts.appFolder, parts.link, parts.sounds, parts.dialogs, parts.seq),
      wood_(parts.wood) {
    setObjectName("frmChat");
    setWindowTitle("Chat");
    setAttribute(Qt::WA_DeleteOnClose, false);
    Build();
    room_.Load(parts.phrases, parts.soundSets, parts.opponents);
    ShowPhrases();
    PaintFormSkinColours(this, wood_);
    resize(kNormalSize);
    Refresh();
}

void FrmChat::SetPhrases(const CannedPhrases& phrases) {
    room_.SetPhrases(phrases);
    ShowPhrases();
}

void FrmChat::ShowPhrases() {
    for (int i = 1; i <= kPhrases; ++i) cmdChat_[i]->setToolTip(Q(room_.phrases()[i]));
}

FrmChat::~FrmChat() {
    room_.Unload();
}

void FrmChat::Build() {
    label1_ = new QLabel("  Chat", this);
    label1_->setObjectName("Label1");
    label1_->setToolTip("Drag to move. Right-click to start or stop the chat log.");
    label1_->installEventFilter(this);
    QFont bold = label1_->font();
    bold.setBold(true);
    label1_->setFont(bold);

    auto* larger = SmallButton(ElementName("cmdText", 0), "Make font larger", this);
    larger->setText("A+");
    connect(larger, &QPushButton::clicked, this, [this] { ChangeFont(2); });
    auto* smaller = SmallButton(ElementName("cmdText", 1), "Make font smaller", this);
    smaller->setText("A-");
    connect(smaller, &QPushButton::clicked, this, [this] { ChangeFont(-2); });
    cmdOnTop_ = SmallButton("cmdOnTop", "Keep this window on top", this);
    cmdOnTop_->setIcon(PinIcon(true));
    connect(cmdOnTop_, &QPushButton::clicked, this, [this] { OnTop(!onTop_); });
    auto* cmdSize = SmallButton("cmdSize", "Change window size", this);
    cmdSize->setText("\u2922");
    connect(cmdSize, &QPushButton::clicked, this, &FrmChat::ToggleSize);

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName("Text1");
    text1_->setReadOnly(true);
    text1_->setFocusPolicy(Qt::ClickFocus);

    auto* phrases = new QGridLayout;
    phrases->setSpacing(2);
    for (int i = 1; i <= kPhrases; ++i) {
        cmdChat_[i] = SmallButton(ElementName("CmdChat", i), "", this);
        cmdChat_[i]->setIcon(PhraseIcon(i));
        cmdChat_[i]->setFixedWidth(kSmallButton + 2);
        connect(cmdChat_[i], &QPushButton::clicked, this, [this, i] {
            room_.PhraseClicked(i);
            Refresh();
            text2_->setFocus();
        });
        phrases->addWidget(cmdChat_[i], 0, i - 1);
    }

    cmdShowSounds_ = SmallButton("cmdShowSounds", "Send Sound", this);
    cmdShowSounds_->setText("\u266A");
    connect(cmdShowSounds_, &QPushButton::clicked, this, [this] {
        room_.ShowSoundList();
        Refresh();
    });
    cmdIcon_ = SmallButton("cmdIcon", "Send icon", this);
    cmdIcon_->setText("\u263A");
    connect(cmdIcon_, &QPushButton::clicked, this, [this] {
        room_.ShowIconList();
        Refresh();
    });

    picture1_ = new QWidget(this);
    picture1_->setObjectName("Picture1");
    imgIcon_ = new QLabel(picture1_);
    imgIcon_->setObjectName("imgIcon");
    imgIcon_->hide();
    text2_ = new QLineEdit(picture1_);
    text2_->setObjectName("Text2");
    text2_->installEventFilter(this);
    connect(text2_, &QLineEdit::textEdited, this,
            [this](const QString& text) { room_.SetInput(text.toStdString()); });
    connect(text2_, &QLineEdit::returnPressed, this, [this] {
        room_.Send();
        Refresh();
    });
    auto* strip = new QHBoxLayout(picture1_);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(2);
    strip->addWidget(imgIcon_);
    strip->addWidget(text2_, 1);

    linkBar_ = new QWidget(this);
    linkBar_->setObjectName("linkBar");
    lblLink_ = new QLabel(linkBar_);
    lblLink_->setObjectName("lblLink");
    lblLink_->setTextFormat(Qt::PlainText);
    auto* cmdOpenLink = NewButton("cmdOpenLink", "Open", linkBar_);
    cmdOpenLink->setToolTip("Open this address in your web browser");
    connect(cmdOpenLink, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(QUrl(lblLink_->text(), QUrl::StrictMode));
        linkBar_->hide();
    });
    auto* cmdDropLink = NewButton("cmdDropLink", "\u2715", linkBar_);
    cmdDropLink->setToolTip("Don't open it");
    cmdDropLink->setFixedWidth(kSmallButton + 4);
    connect(cmdDropLink, &QPushButton::clicked, linkBar_, &QWidget::hide);
    auto* link = new QHBoxLayout(linkBar_);
    link->setContentsMargins(0, 0, 0, 0);
    link->addWidget(new QLabel("Web address from your opponent:", linkBar_));
    link->addWidget(lblLink_, 1);
    link->addWidget(cmdOpenLink);
    link->addWidget(cmdDropLink);
    linkBar_->hide();

    auto* command1 = NewButton("Command1", "Send", this);
    command1->setFocusPolicy(Qt::NoFocus);
    connect(command1, &QPushButton::clicked, this, [this] {
        room_.Send();
        Refresh();
    });

    lstWavs_ = DropList("lstWavs", this);
    connect(lstWavs_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        room_.SoundChosen(lstWavs_->row(item));
        Refresh();
    });
    lstIcons_ = DropList("lstIcons", this);
    connect(lstIcons_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        room_.IconChosen(lstIcons_->row(item));
        Refresh();
        text2_->setFocus();
    });

    auto* title = new QHBoxLayout;
    title->setSpacing(2);
    title->addWidget(label1_, 1);
    for (QWidget* w : {static_cast<QWidget*>(larger), static_cast<QWidget*>(smaller),
                       static_cast<QWidget*>(cmdOnTop_), static_cast<QWidget*>(cmdSize)})
        title->addWidget(w);
    auto* input = new QHBoxLayout;
    input->setSpacing(3);
    input->addWidget(cmdShowSounds_);
    input->addWidget(cmdIcon_);
    input->addWidget(picture1_, 1);
    input->addWidget(command1);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(6, 5, 6, 6);
    all->setSpacing(4);
    all->addLayout(title);
    all->addWidget(text1_, 1);
    all->addWidget(linkBar_);
    all->addLayout(phrases);
    all->addLayout(input);
}

void FrmChat::Refresh() {
    if (room_.history().text() != shownHistory_) {
        shownHistory_ = room_.history().text();
        text1_->setPlainText(HistoryText(shownHistory_));
        text1_->moveCursor(QTextCursor::End);
        text1_->verticalScrollBar()->setValue(text1_->verticalScrollBar()->maximum());
    }
    if (text2_->text().toStdString() != room_.input()) text2_->setText(Q(room_.input()));

    const std::string picture = room_.EmoticonPicture();
    QPixmap icon;
    if (!picture.empty()) icon.load(Q(picture));
    imgIcon_->setPixmap(icon.isNull() ? QPixmap()
                                      : icon.scaledToHeight(24, Qt::SmoothTransformation));
    imgIcon_->setVisible(!picture.empty());

    // The emoticons are listed with their pictures.
    const QString icons = Q(room_.EmoticonFolder());
    auto fill = [](QListWidget* list, const std::vector<ChatRoom::ListEntry>& entries,
                   const QString& pictures) {
        if (list->count() == static_cast<int>(entries.size())) {
            bool same = true;
            for (int i = 0; i < list->count() && same; ++i)
                same = list->item(i)->text() == Q(entries[static_cast<size_t>(i)].name);
            if (same) return;
        }
        list->clear();
        for (const auto& e : entries) {
            auto* item = new QListWidgetItem(Q(e.name), list);
            if (!pictures.isEmpty() && !e.file.empty())
                item->setIcon(QIcon(pictures + "/" + Q(e.file)));
        }
    };
    fill(lstWavs_, room_.soundList(), QString());
    fill(lstIcons_, room_.iconList(), icons);
    lstWavs_->setVisible(room_.soundListOpen());
    lstIcons_->setVisible(room_.iconListOpen());
    PlaceLists();
    if (room_.closeRequested()) close();
}

void FrmChat::ShowLine(const std::string& line) {
    room_.ShowLine(line);
    Refresh();
}

void FrmChat::OfferLink(const std::string& url) {
    lblLink_->setText(Q(url));
    linkBar_->show();
}

void FrmChat::SetHistory(const std::string& text) {
    room_.SetHistory(text);
    Refresh();
}

void FrmChat::OnTop(bool isTop) {
    onTop_ = isTop;
    cmdOnTop_->setIcon(PinIcon(isTop));
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, isTop);
    if (shown) show();
    raise();
    activateWindow();
}

void FrmChat::ChangeFont(int points) {
    for (QWidget* w : {static_cast<QWidget*>(text1_), static_cast<QWidget*>(text2_)}) {
        QFont f = w->font();
        f.setPointSize(std::clamp(f.pointSize() + points, 6, 28));
        w->setFont(f);
    }
}

void FrmChat::ToggleSize() {
    small_ = !small_;
    resize(small_ ? kNormalSize * 0.8 : kNormalSize);
}

void FrmChat::PlaceLists() {
    const QRect history = text1_->geometry();
    const int height = std::min(history.height() + 30, 180);
    const int top = picture1_->geometry().top() - height - 2;
    lstWavs_->setGeometry(cmdShowSounds_->x(), std::max(top, 0), 190, height);
    lstIcons_->setGeometry(cmdIcon_->x(), std::max(top, 0), 160, height);
    lstWavs_->raise();
    lstIcons_->raise();
}

void FrmChat::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceLists();
}

void FrmChat::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintFormSkin(p, rect(), wood_, devicePixelRatioF());
    DrawFormFrame(p, rect());
}

void FrmChat::Drag() {
    if (windowHandle()) windowHandle()->startSystemMove();
}

void FrmChat::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Drag();
    QWidget::mousePressEvent(event);
}

void FrmChat::LogMenu(const QPoint& at) {
    QMenu menu(this);
    menu.setObjectName("Chat");
    QAction* start = menu.addAction("Start Logging");
    QAction* stop = menu.addAction("Stop Logging");
    QAction* chosen = menu.exec(at);
    if (chosen == start) {
        const QDateTime now = QDateTime::currentDateTime();
        const QLocale locale;
        room_.StartLogging((locale.toString(now.date(), QLocale::ShortFormat) + " " +
                            locale.toString(now.time(), QLocale::ShortFormat))
                               .toStdString());
    } else if (chosen == stop) {
        room_.StopLogging();
    }
    Refresh();
}

bool FrmChat::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label1_ && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            LogMenu(mouse->globalPosition().toPoint());
            return true;
        }
        if (mouse->button() == Qt::LeftButton) {
            Drag();
            return true;
        }
    }
    if (watched == text2_ && event->type() == QEvent::MouseButtonPress) {
        room_.InputClicked();
        Refresh();
    }
    if (watched == text2_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace && text2_->text().isEmpty()) {
        room_.BackspaceInEmptyInput();
        Refresh();
    }
    return QWidget::eventFilter(watched, event);
}

void FrmChat::closeEvent(QCloseEvent* event) {
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    room_.Unload();
    QWidget::closeEvent(event);
}
