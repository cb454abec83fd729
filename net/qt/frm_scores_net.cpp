#include "net/qt/frm_scores_net.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/qt/dialog_widgets.h"

namespace {

constexpr int kGridRows = 11;  // data rows shown at least, below the heading
const QColor kSeparator(0xC0, 0xFF, 0xFF);
const QColor kSelected(0xFF, 0xF0, 0xA0);

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

FrmScoresNet::FrmScoresNet(const std::string& appFolder, const std::string& playerName,
                           Dialogs& dialogs, Sounds* sounds, QWidget* parent)
    : QDialog(parent), tables_(appFolder, playerName, dialogs, sounds) {
    setObjectName("frmScoresNet");
    setWindowTitle("Quorvane Internet Game Scores");
    Build();
    opened_ = tables_.Open();
    cmdNext_->setEnabled(tables_.nextEnabled());
    Refresh();
}

void FrmScoresNet::Build() {
    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    QFont bold = label1_->font();
    bold.setBold(true);
    label1_->setFont(bold);

    cboMulti_ = new QComboBox(this);
    cboMulti_->setObjectName("cboMulti");
    cboMulti_->addItems({"2 Player Games", "3 Player Games", "4 Player Games"});
    connect(cboMulti_, &QComboBox::activated, this, [this](int index) {
        tables_.ChoosePlayers(index);
        Refresh();
    });
    combo1_ = new QComboBox(this);
    combo1_->setObjectName("Combo1");
    combo1_->setMinimumContentsLength(18);
    connect(combo1_, &QComboBox::activated, this, [this](int index) {
        tables_.ChooseCompetition(index);
        Refresh();
    });

    gridNET_ = NewGrid("GridNET", {"Opponent", "Played", "Won", "Lost", "Margin"}, {}, this);
    gridNET_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    gridNET_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    gridNET_->setColumnWidth(0, 190);
    const int rowHeight = gridNET_->fontMetrics().height() + 8;
    gridNET_->verticalHeader()->setDefaultSectionSize(rowHeight);
    gridNET_->setMinimumSize(460, rowHeight * (kGridRows + 1) + 2 * gridNET_->frameWidth() + 4);
    connect(gridNET_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        tables_.GridClicked(row + 1, column);
        Refresh();
    });

    cmdNext_ = NewButton("CmdNext", "Next ->", this);
    cmdNext_->setToolTip("View other player's Net scores");
    connect(cmdNext_, &QPushButton::clicked, this, [this] {
        tables_.Next();
        Refresh();
    });
    auto* command4 = NewButton("Command4", "Delete Opponent", this);
    connect(command4, &QPushButton::clicked, this, [this] {
        tables_.DeleteOpponent();
        Refresh();
    });
    auto* command2 = NewButton("Command2", "Delete File", this);
    command2->setToolTip("A fresh start might help");
    connect(command2, &QPushButton::clicked, this, [this] {
        const bool stay = tables_.DeleteFile();
        cmdNext_->setEnabled(tables_.nextEnabled());
        if (!stay) {
            close();
            return;
        }
        Refresh();
    });
    auto* command1 = NewButton("Command1", "Return", this);
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &QDialog::close);

    auto* choose = new QHBoxLayout;
    choose->addWidget(cboMulti_);
    choose->addWidget(combo1_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdNext_);
    buttons->addStretch();
    buttons->addWidget(command4);
    buttons->addWidget(command2);
    buttons->addStretch();
    buttons->addWidget(command1);
    auto* all = new QVBoxLayout(this);
    all->addWidget(label1_);
    all->addLayout(choose);
    all->addWidget(gridNET_, 1);
    all->addLayout(buttons);
}

void FrmScoresNet::Refresh() {
    label1_->setText(Q(tables_.label()));
    cboMulti_->setCurrentIndex(tables_.players() - 2);
    combo1_->clear();
    for (const std::string& name : tables_.scoreFiles()) combo1_->addItem(Q(name));
    combo1_->setCurrentIndex(tables_.scoreFile());
    FillRows();
}

void FrmScoresNet::FillRows() {
    const auto& rows = tables_.rows();
    gridNET_->setUpdatesEnabled(false);
    gridNET_->clearContents();
    gridNET_->setRowCount(std::max(kGridRows, static_cast<int>(rows.size())));
    for (int r = 0; r < gridNET_->rowCount(); ++r) {
        const bool used = r < static_cast<int>(rows.size());
        const bool separator = used && rows[static_cast<size_t>(r)].separator;
        const bool selected = r + 1 >= tables_.selectedFirst() && r + 1 <= tables_.selectedLast();
        for (int c = 0; c < 5; ++c) {
            PutCell(gridNET_, r, c, separator ? " " : "",
                    c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            gridNET_->item(r, c)->setBackground(separator  ? kSeparator
                                                : selected ? kSelected
                                                           : QColor(Qt::white));
        }
        if (!used || separator) continue;
        const NetScoreRow& row = rows[static_cast<size_t>(r)];
        gridNET_->item(r, 0)->setText(Q(row.name));
        PutNumberCell(gridNET_, r, 1, row.played);
        PutNumberCell(gridNET_, r, 2, row.won);
        PutNumberCell(gridNET_, r, 3, row.lost);
        PutNumberCell(gridNET_, r, 4, row.margin);
    }
    gridNET_->setUpdatesEnabled(true);
}
