#include "mainwindow/qt/frm_help.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "mainwindow/help_topics.h"
#include "records/qt/dialog_widgets.h"

FrmHelp::FrmHelp(std::vector<std::string> folders, QWidget* parent)
    : QDialog(parent), folders_(std::move(folders)) {
    setObjectName("frmHelp");
    setWindowTitle("Quorvane Help");
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    txtHelp_ = new QTextBrowser(this);
    txtHelp_->setObjectName("txtHelp");
    // The pages link only to each other; nothing is opened outside the window.
    txtHelp_->setOpenExternalLinks(false);
    QPalette paper = txtHelp_->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    txtHelp_->setPalette(paper);

    auto* contents = NewButton("cmdContents", "&Contents", this);
    auto* back = NewButton("cmdBack", "&Back", this);
    auto* forward = NewButton("cmdForward", "&Forward", this);
    auto* close = NewButton("cmdClose", "Close", this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(""); });
    connect(back, &QPushButton::clicked, txtHelp_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, txtHelp_, &QTextBrowser::forward);
    connect(txtHelp_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(txtHelp_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {contents, back, forward}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp_, 1);
    resize(620, 560);
}

QString FrmHelp::FolderWith(const std::string& page) const {
    for (const std::string& folder : folders_) {
        const QString dir = QString::fromStdString(folder);
        if (QFileInfo::exists(QDir(dir).filePath(QString::fromStdString(page)))) return dir;
    }
    return {};
}

void FrmHelp::ShowTopic(const std::string& topic) {
    const std::string page = HelpPageFor(topic);
    const QString folder = FolderWith(page);
    if (folder.isEmpty()) {
        QString where;
        for (const std::string& f : folders_)
            where += "<br>" + QString::fromStdString(f).toHtmlEscaped();
        txtHelp_->setHtml(
            "<h2>Help is not available</h2><p>The help pages are missing. They are "
            "looked for in:" +
            where + "</p>");
    } else {
        txtHelp_->setSearchPaths({folder});
        txtHelp_->setSource(
            QUrl::fromLocalFile(QDir(folder).filePath(QString::fromStdString(page))));
    }
    FollowModality();
    show();
    raise();
    activateWindow();
}

// A dialog's Help button opens this window while that dialog is modal: a plain window would be
// blocked by it and could not even be closed, so help is then modal over it. Opened from the
// table, it stays a free window beside the game.
void FrmHelp::FollowModality() {
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() == wanted) return;
    hide();  // modality changes only while the window is hidden
    setWindowModality(wanted);
}
