#include "records/qt/frm_welcome.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "board/qt/board_art.h"
#include "platform/vb_strings.h"
#include "records/qt/dialog_widgets.h"
#include "records/sign_in.h"

namespace {
QFrame* NewLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
}  // namespace

FrmWelcome::FrmWelcome(WelcomeParts parts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), parts_(std::move(parts)) {
    setObjectName("frmWelcome");
    setWindowTitle("Welcome");

    label1_ = new QLabel("Please enter your name so I can keep score:", this);
    label1_->setObjectName("Label1");
    QFont f = label1_->font();
    f.setPointSize(f.pointSize() + 1);
    f.setBold(!parts_.background.isNull());
    label1_->setFont(f);
    QPalette pal = label1_->palette();
    pal.setColor(QPalette::WindowText, ToQColor(parts_.fontColor));
    label1_->setPalette(pal);
    label1_->installEventFilter(this);

    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setEditable(true);
    combo1_->setInsertPolicy(QComboBox::NoInsert);
    combo1_->setToolTip("Enter your player name");
    combo1_->lineEdit()->setMaxLength(kSignInNameLength);
    for (const std::string& n :
         WelcomeNames(parts_.playerName, parts_.lastPlayerName, parts_.knownPlayers))
        combo1_->addItem(QString::fromStdString(n));
    combo1_->setCurrentIndex(0);

    command1_ = NewButton("Command1", "Let's play already", this);
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &FrmWelcome::Command1_Click);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(18, 14, 18, 14);
    box->addWidget(NewLine(this));
    box->addWidget(label1_);
    box->addWidget(combo1_);
    box->addWidget(command1_, 0, Qt::AlignHCenter);
    box->addWidget(NewLine(this));
    setFixedSize(QSize(380, sizeHint().height()));
    combo1_->setFocus();
}

void FrmWelcome::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (parts_.background.isNull())
        p.fillRect(rect(), ToQColor(parts_.matColor));
    else
        p.drawImage(rect(), parts_.background);
    p.setPen(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FrmWelcome::keyPressEvent(QKeyEvent* e) {
    // Without a player there is nobody to play for: Esc does not leave then.
    if (e->key() == Qt::Key_Escape && !parts_.someoneSignedIn) return;
    QDialog::keyPressEvent(e);
}

void FrmWelcome::Command1_Click() {
    command1_->setEnabled(false);
    const std::string typed = combo1_->currentText().toStdString();
    const NameCheck check =
        CheckSignInName(typed, parts_.knownPlayers, parts_.lastPlayerName, *parts_.dialogs);
    if (check != NameCheck::Ok) {
        if (check == NameCheck::ClearAndRetry) combo1_->setEditText("");
        command1_->setEnabled(true);
        combo1_->setFocus();
        return;
    }
    const std::string name = Trim(typed);
    outcome_ = parts_.signIn(name);
    if (outcome_ == SignInResult::Failed) {
        command1_->setEnabled(true);
        return;
    }
    signedIn_ = true;
    name_ = name;
    accept();
}

void FrmWelcome::mousePressEvent(QMouseEvent* e) {
    dragOffset_ = e->globalPosition().toPoint() - frameGeometry().topLeft();
}

void FrmWelcome::mouseMoveEvent(QMouseEvent* e) {
    Drag(e);
}

void FrmWelcome::Drag(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) return;
    move(e->globalPosition().toPoint() - dragOffset_);
}

bool FrmWelcome::eventFilter(QObject* watched, QEvent* e) {
    if (watched == label1_ && e->type() == QEvent::MouseButtonPress)
        mousePressEvent(static_cast<QMouseEvent*>(e));
    if (watched == label1_ && e->type() == QEvent::MouseMove) Drag(static_cast<QMouseEvent*>(e));
    return QDialog::eventFilter(watched, e);
}
