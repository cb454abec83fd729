#include "records/qt/frm_about.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "engine/shared_helpers.h"
#include "platform/file_util.h"
#include "platform/vb_strings.h"
#include "records/qt/brivo_picture.h"
#include "records/qt/dialog_widgets.h"

namespace {

QLabel* NewLabel(const char* name, const std::string& text, QWidget* parent) {
    auto* l = new QLabel(QString::fromStdString(text), parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

}  // namespace

std::string AboutVersionLine(int major, int minor, int revision) {
    return "Version " + Str(major) + "." + Str(minor) + "." + Str(revision);
}

FrmAbout::FrmAbout(AboutParts parts, QWidget* parent) : QDialog(parent), parts_(std::move(parts)) {
    setObjectName("frmAbout");
    setWindowTitle("About Quorvane");
    const std::string& app = parts_.appFolder;

    picIcon_ = new QLabel(this);
    picIcon_->setObjectName("picIcon");
    picIcon_->setPixmap(BrivoPicture(app, 64));
    picIcon_->setToolTip("special credits");
    picIcon_->setCursor(Qt::PointingHandCursor);
    picIcon_->installEventFilter(this);

    auto* lblTitle = NewLabel("lblTitle", "Quorvane: Brivo and Tessik\nDesktop Edition", this);
    QFont big = lblTitle->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    lblTitle->setFont(big);
    auto* lblVersion =
        NewLabel("lblVersion",
                 AboutVersionLine(parts_.major, parts_.minor, parts_.revision) +
                     "\nMade with care by the Quorvane developers.\nQuorvane\xE2\x84\xA2",
                 this);
    auto* lblDescription = NewLabel(
        "lblDescription",
        "Questions, ideas, a personality of your own?\nThe Quorvane developers like to hear "
        "from you.",
        this);
    auto* lblSite = NewLabel(
        "LblSite", "News, more personalities and backgrounds:\nsee the Quorvane project's pages.",
        this);
    auto* label2 = NewLabel("Label2", ReadTextBlock(app, 22, 22), this);
    auto* lblDis = NewLabel("lblDis", "Warning: Highly addictive.\n", this);
    QFont warning = lblDis->font();
    warning.setBold(true);
    lblDis->setFont(warning);
    auto* label3 = NewLabel("Label3", ReadTextBlock(app, 19, 21), this);
    credit_ = NewLabel("credit", "Special Thanks to", this);
    credit_->setVisible(false);
    credit_->setFrameShape(QFrame::StyledPanel);
    aboutCreditText_ = ReadTextBlock(app, 23, 28);

    auto* cmdOK = NewButton("cmdOK", "OK", this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon_, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(label3, 2, 1);
    grid->addWidget(label2, 3, 1);
    grid->addWidget(credit_, 4, 1);
    grid->addWidget(lblDescription, 5, 1);
    grid->addWidget(lblSite, 6, 1);
    grid->addWidget(lblDis, 7, 1);
    grid->addWidget(cmdOK, 8, 1, Qt::AlignRight);
    grid->setColumnMinimumWidth(1, 360);
    // The box takes the height its wrapped texts need, again each time the credits come or go.
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmAbout::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The box opens at the top of the screen.
    if (const QScreen* screen = this->screen()) move(x(), screen->availableGeometry().top());
}

bool FrmAbout::eventFilter(QObject* watched, QEvent* e) {
    if (watched == picIcon_ && e->type() == QEvent::MouseButtonRelease) {
        picIcon_Click();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

void FrmAbout::picIcon_Click() {
    if (credit_->isVisible()) {
        credit_->setVisible(false);
    } else {
        credit_->setText(QString::fromStdString(aboutCreditText_));
        credit_->setVisible(true);
    }
    // The credits have their tune even with the sounds turned off.
    if (parts_.sounds) parts_.sounds->PlaySound(JoinPath(parts_.appFolder, "Data/~119.tmp"), false);
}
