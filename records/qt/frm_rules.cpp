#include "records/qt/frm_rules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "records/qt/dialog_widgets.h"

namespace {

constexpr const char* kHelpKeyword = "rules, changing the rules";

// Shown when no help viewer is plugged in.
constexpr const char* kRulesHelp =
    "Side Piles: how many cards each player must get rid of to win.\n\n"
    "Setup Deck Shuffle: all decks shuffled as one, or each player's deck on its own.\n\n"
    "Number of Center Piles: three or four; games of three or four players always use four.\n\n"
    "Wild Card: with the box ticked a King cannot start an empty center pile as its Ace.\n\n"
    "Forced Cards: an Ace or a Two that can go onto a center pile must be played before the "
    "turn ends. With \"visible cards only\" the rule counts only the cards you can see.\n\n"
    "A new side-pile size, shuffle or number of center piles needs a new game.";

}  // namespace

FrmRules::FrmRules(Engine& engine, std::function<void(const std::string&)> showHelp,
                   QWidget* parent)
    : QDialog(parent), rules_(engine), showHelp_(std::move(showHelp)) {
    setObjectName("frmRules");
    setWindowTitle("Rules");
    Build();
    opened_ = rules_.Open();
    Refresh();
}

bool FrmRules::Run(Engine& engine, std::function<void(const std::string&)> showHelp,
                   QWidget* parent) {
    FrmRules dialog(engine, std::move(showHelp), parent);
    if (!dialog.opened()) return false;
    dialog.exec();
    return dialog.result() == QDialog::Accepted && dialog.rulesChanged();
}

void FrmRules::Build() {
    const char* sides[] = {"20 cards", "26 cards", "15 cards", "10 cards"};
    for (int i = 0; i < 4; ++i) {
        optSide_[i] = NewOption("optSide", i, sides[i], this);
        connect(optSide_[i], &QRadioButton::clicked, this, [this, i] {
            rules_.SideClicked(i);
            Refresh();
        });
    }
    const char* shuffles[] = {"Shuffle decks together", "Shuffle decks separately"};
    for (int i = 0; i < 2; ++i) {
        optShuffle_[i] = NewOption("optShuffle", i, shuffles[i], this);
        connect(optShuffle_[i], &QRadioButton::clicked, this, [this, i] {
            rules_.ShuffleClicked(i);
            Refresh();
        });
        optCenter_[i] = NewOption("optCenter", i, i == 0 ? "3" : "4", this);
        connect(optCenter_[i], &QRadioButton::clicked, this, [this, i] {
            rules_.CenterClicked(i);
            Refresh();
        });
    }
    chkWild_ = NewCheck("chkWild", "Can't use Wild card as Ace", this);
    connect(chkWild_, &QCheckBox::clicked, this, [this](bool on) {
        rules_.WildClicked(on);
        Refresh();
    });
    chkNoForced_ = NewCheck("chkNoForced", "No Forced cards", this);
    connect(chkNoForced_, &QCheckBox::clicked, this, [this](bool on) {
        rules_.NoForcedClicked(on);
        Refresh();
    });
    const std::pair<int, const char*> forced[] = {
        {1, "Forced Ace"}, {2, "Forced Two"}, {4, "Force visible cards only (V)"}};
    for (const auto& [box, caption] : forced) {
        chkForced_[box] = NewCheck(ElementName("chkForced", box), caption, this);
        connect(chkForced_[box], &QCheckBox::clicked, this, [this, box](bool on) {
            rules_.ForcedClicked(box, on);
            Refresh();
        });
    }

    QWidget* sideControls[] = {optSide_[0], optSide_[1], optSide_[2], optSide_[3]};
    QWidget* shuffleControls[] = {optShuffle_[0], optShuffle_[1]};
    QWidget* centerControls[] = {optCenter_[0], optCenter_[1]};
    QWidget* wildControls[] = {chkWild_};
    QWidget* forcedControls[] = {chkNoForced_, chkForced_[1], chkForced_[2], chkForced_[4]};

    auto* cmdSave = NewButton("cmdSave", "&Apply", this);
    auto* cmdReturn = NewButton("cmdReturn", "&Cancel", this);
    auto* cmdDefault = NewButton("cmdDefault", "Restore &Defaults", this);
    auto* cmdHelp = NewButton("cmdHelp", "&Help", this);
    cmdSave->setDefault(true);
    connect(cmdSave, &QPushButton::clicked, this, &FrmRules::Save);
    connect(cmdReturn, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdDefault, &QPushButton::clicked, this, [this] {
        rules_.RestoreDefaults();
        Refresh();
    });
    connect(cmdHelp, &QPushButton::clicked, this, &FrmRules::Help);

    auto* grid = new QGridLayout;
    grid->addWidget(NewFrame("Side Piles", sideControls), 0, 0, 2, 1);
    grid->addWidget(NewFrame("Setup Deck Shuffle", shuffleControls), 0, 1);
    grid->addWidget(NewFrame("Number of Center Piles", centerControls, true), 1, 1);
    grid->addWidget(NewFrame("Forced Cards", forcedControls), 2, 0);
    grid->addWidget(NewFrame("Wild Card", wildControls), 2, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdSave, cmdReturn, cmdDefault, cmdHelp}) buttons->addWidget(b);
    auto* all = new QVBoxLayout(this);
    all->addLayout(grid);
    all->addLayout(buttons);
    setFixedSize(sizeHint());
}

void FrmRules::Refresh() {
    const HouseRulesControls& c = rules_.controls();
    SelectOption<QRadioButton>(optSide_, c.side);
    SelectOption<QRadioButton>(optShuffle_, c.shuffle);
    SelectOption<QRadioButton>(optCenter_, c.center);
    optCenter_[1]->setEnabled(c.fourCentersEnabled);
    chkWild_->setChecked(c.wild);
    chkNoForced_->setChecked(c.noForced);
    for (int box : {1, 2, 4}) {
        chkForced_[box]->setChecked(c.forced[box]);
        chkForced_[box]->setEnabled(c.forcedEnabled[box]);
    }
}

void FrmRules::Save() {
    if (rules_.Apply() == HouseRules::ApplyResult::Applied) accept();
}

void FrmRules::Help() {
    if (showHelp_) {
        showHelp_(kHelpKeyword);
        return;
    }
    if (Dialogs* d = rules_.dialogs()) d->MsgBox(kRulesHelp, mb::Information, "Rules");
}
