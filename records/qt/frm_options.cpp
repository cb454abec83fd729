#include "records/qt/frm_options.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "board/card_geometry.h"
#include "board/qt/cls_dll.h"
#include "records/qt/card_samples.h"
#include "records/qt/dialog_widgets.h"

namespace {

// The strip's design size (5595 x 5715 twips).
constexpr int kStripWidth = 373, kStripHeight = 381;
// The sample faces of page 1: the cards whose boxes carry their number.
constexpr int kSampleCards[] = {1, 2, 4, 7, 10, 13};
constexpr int kKeyUp = 38, kKeyDown = 40;
// The strip's frame beside its titles, in pixels.
constexpr int kTabsAround = 4;
// The smallest face the tab titles take to fit a narrow screen.
constexpr double kSmallestTabPoints = 6;

QLabel* NewPicture(const QString& name, QWidget* parent, const QString& tip = {}) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFixedSize(kCardWidth, kCardHeight);
    l->setToolTip(tip);
    return l;
}

QLabel* NewText(const QString& name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

void SetPicture(QLabel* box, const QImage& img) {
    box->setPixmap(QPixmap::fromImage(img));
}

void SetBoxColour(QWidget* w, i32 colour) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, VbQColor(colour));
    w->setPalette(pal);
}

// The four titles stand whole side by side, never cut short: on a screen too narrow for them at
// the dialog's font they take a smaller one.
void FitTabTitles(QTabBar& bar) {
    bar.setElideMode(Qt::ElideNone);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // The dialog's frame and margins take this much of the screen's width.
    constexpr int kAround = 60;
    const int room = screen->availableGeometry().width() - kAround;
    QFont font = bar.font();
    while (bar.sizeHint().width() > room && font.pointSizeF() > kSmallestTabPoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        bar.setFont(font);
    }
}
}  // namespace

FrmOptions::FrmOptions(OptionsParts parts, QWidget* parent)
    : QDialog(parent),
      parts_(std::move(parts)),
      prefs_(parts_.applied, parts_.decks ? parts_.decks->GetDecksQuantity() : 0,
             parts_.decks ? parts_.decks->GetBacksQuantity() : 0, parts_.lowColour,
             [this](int back) {
                 return parts_.decks
                            ? VbColourOfRgb(parts_.decks->DeckBackColor(back, devicePixelRatioF()))
                            : kDeckColorHighColour;
             }) {
    setObjectName("frmOptions");
    setWindowTitle("Preferences");

    tbsOptions_ = new QTabWidget(this);
    tbsOptions_->setObjectName("tbsOptions");
    tbsOptions_->setMinimumSize(kStripWidth, kStripHeight);
    const struct {
        QWidget* page;
        const char* caption;
        const char* tip;
    } pages[] = {{BuildCardsPage(), "Pick a Card", "Set Card Style"},
                 {BuildBacksPage(), "Deck Styles", "Set Deck Style"},
                 {BuildFontPage(), "Font and Background", "Set Font "},
                 {BuildSoundsPage(), "Sounds and Style", "Set card sounds"}};
    for (int i = 0; i < 4; ++i) {
        pages[i].page->setObjectName(ElementName("FrmOp", i));
        tbsOptions_->addTab(pages[i].page, pages[i].caption);
        tbsOptions_->setTabToolTip(i, pages[i].tip);
    }
    tbsOptions_->tabBar()->installEventFilter(this);
    tbsOptions_->tabBar()->setUsesScrollButtons(false);
    FitTabTitles(*tbsOptions_->tabBar());
    // The strip is never narrower than its titles: a dialog scrolled to fit a low screen took
    // the strip's design width and cut the last title.
    tbsOptions_->setMinimumWidth(
        std::max(kStripWidth, tbsOptions_->tabBar()->sizeHint().width() + kTabsAround));

    auto* cmdOK = NewButton("cmdOK", "&OK", this);
    auto* cmdCancel = NewButton("CmdCancel", "&Cancel", this);
    cmdApply_ = NewButton("CmdApply", "&Apply", this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &FrmOptions::Ok);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply_, &QPushButton::clicked, this, &FrmOptions::Apply);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {cmdOK, cmdCancel, cmdApply_}) buttons->addWidget(b);
    auto* all = new QVBoxLayout(this);
    all->addWidget(tbsOptions_);
    all->addLayout(buttons);

    connect(tbsOptions_, &QTabWidget::currentChanged, this, &FrmOptions::PageShown);
    connect(this, &QDialog::rejected, this, [this] { cancelled_ = true; });
    PageShown(tbsOptions_->currentIndex());
}

QWidget* FrmOptions::BuildCardsPage() {
    auto* page = new QWidget;
    auto* intro = NewText("LblImage_4",
                          "Select the style of cards you would like to use by clicking on the "
                          "drop down box, or choose number only cards below:",
                          page);
    lblImage_[4] = intro;
    cboDeck_ = new QComboBox(page);
    cboDeck_->setObjectName("cboDeck");
    for (const std::string& e : DeckListEntries(prefs_.installedDecks()))
        cboDeck_->addItem(QString::fromStdString(e));
    connect(cboDeck_, &QComboBox::activated, this, [this](int index) {
        if (index > prefs_.installedDecks()) return;  // "Select Deck"
        ShowDeckSample(6 + index);
    });

    // The samples overlap like a spread hand.
    auto* samples = new QWidget(page);
    samples->setFixedSize(kCardWidth + 5 * 56, kCardHeight);
    int x = 0;
    for (int card : kSampleCards) {
        filePic_[card] = NewPicture(ElementName("FilePic", card), samples);
        filePic_[card]->move(x, 0);
        x += 56;
    }

    auto* numbers = new QGridLayout;
    numbers->addWidget(new QLabel("Numbers only card decks:", page), 0, 0, 1, 3);
    for (int d = 1; d <= 5; ++d) {
        optCard_[d] = NewOption("OptCard", d, QString::fromStdString(NumberDesignCaption(d)), page);
        numbers->addWidget(optCard_[d], 1 + (d - 1) / 3, (d - 1) % 3);
        connect(optCard_[d], &QRadioButton::clicked, this, [this, d] { ShowDeckSample(d); });
    }

    auto* box = new QVBoxLayout(page);
    box->addWidget(intro);
    box->addWidget(cboDeck_);
    box->addWidget(samples, 0, Qt::AlignHCenter);
    box->addLayout(numbers);
    box->addStretch();
    return page;
}

QWidget* FrmOptions::BuildBacksPage() {
    auto* page = new QWidget;
    picCardBack_ =
        NewPicture("picCardBack_0", page, "Click the scroll bar below to view more deck backs");
    picCardBack_->installEventFilter(this);
    hScrollBacks_ = new QScrollBar(Qt::Horizontal, page);
    hScrollBacks_->setObjectName("HScrollBacks");
    hScrollBacks_->setRange(0, prefs_.installedBacks());
    hScrollBacks_->setPageStep(1);
    hScrollBacks_->setFixedWidth(kCardWidth);
    connect(hScrollBacks_, &QScrollBar::valueChanged, this, [this](int v) {
        if (settingUp_) return;
        prefs_.BackScrolled(v);
        ShowBackPreview();
        FollowApply();
    });
    const char* captions[] = {"Deck Color", "Mat Color", "Font Color", "Mat Color"};
    for (int i = 0; i < 2; ++i) {
        command2_[i] = NewButton(ElementName("Command2", i), captions[i], page);
        connect(command2_[i], &QPushButton::clicked, this, [this, i] { ChooseColour(i); });
    }
    command2_[0]->setToolTip("Click on the QZ card to reset default card back color");

    frame1_ = new QFrame(page);
    frame1_->setObjectName("Frame1");
    imgBack_ = new QLabel(frame1_);
    imgBack_->setObjectName("ImgBack");
    imgBack_->setFixedSize(120, 90);
    imgBack_->setScaledContents(true);
    filePic_[0] =
        NewPicture("FilePic_0", frame1_, "Click here to restore default deck and mat color");
    filePic_[0]->installEventFilter(this);
    lblImage_[0] = NewText("LblImage_0", "Reset defaults:", frame1_);
    auto* matBox = new QGridLayout(frame1_);
    matBox->addWidget(imgBack_, 0, 0, 2, 1);
    matBox->addWidget(lblImage_[0], 0, 1);
    matBox->addWidget(filePic_[0], 1, 1);

    lblImage_[1] =
        NewText("LblImage_1", "Plain Deck Style:\nPlain deck back color can be changed.", page);
    lblImage_[2] = NewText(
        "LblImage_2",
        "Deck Back Style:\nClick on the scroll bar below to change the Deck back style.", page);
    filePic_[15] = NewPicture("FilePic_15", page, "Current Deck Preview");

    auto* preview = new QVBoxLayout;
    preview->setSpacing(2);
    preview->addWidget(picCardBack_);
    preview->addWidget(hScrollBacks_);
    auto* plain = new QVBoxLayout;
    plain->addWidget(lblImage_[1]);
    plain->addWidget(command2_[0], 0, Qt::AlignLeft);
    plain->addStretch();
    auto* current = new QVBoxLayout;
    current->addWidget(new QLabel("Current Selection:", page));
    current->addWidget(filePic_[15]);
    current->addStretch();
    auto* grid = new QGridLayout(page);
    grid->addWidget(lblImage_[2], 0, 0, 1, 3);
    grid->addLayout(preview, 1, 0, Qt::AlignTop);
    grid->addLayout(plain, 1, 1);
    grid->addLayout(current, 1, 2);
    grid->addWidget(frame1_, 2, 0, 1, 3);
    grid->addWidget(command2_[1], 3, 0, 1, 3, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    return page;
}

QWidget* FrmOptions::BuildFontPage() {
    auto* page = new QWidget;
    frame3_ = new QFrame(page);
    frame3_->setObjectName("Frame3");
    lblFont_[0] = NewText(
        "LblFont_0", "This is how the font size and color appear on the matt background.", frame3_);
    (new QVBoxLayout(frame3_))->addWidget(lblFont_[0]);
    frame3_->setMinimumHeight(90);
    imgBackFnt_ = new QLabel(page);
    imgBackFnt_->setObjectName("ImgBackFnt");
    imgBackFnt_->setScaledContents(true);
    imgBackFnt_->setMinimumHeight(110);
    lblFont_[1] = NewText("LblFont_1",
                          "This is how the font size and color appear on the picture "
                          "background.\nUse the Up/Down arrow keys to change backgrounds.",
                          imgBackFnt_);
    (new QVBoxLayout(imgBackFnt_))->addWidget(lblFont_[1]);

    ckFnt_ = NewCheck("CKFnt", "Use Font Backdrop", page);
    connect(ckFnt_, &QCheckBox::clicked, this, [this](bool on) {
        prefs_.BackdropTicked(on);
        ShowFontPage();
    });
    auto* bigger = NewButton("CmdSz_0", "+size", page);
    auto* smaller = NewButton("CmdSz_1", "-size", page);
    bigger->setToolTip("Larger");
    smaller->setToolTip("Smaller");
    connect(bigger, &QPushButton::clicked, this, [this] {
        prefs_.FontSizeStep(1);
        ShowFontPage();
    });
    connect(smaller, &QPushButton::clicked, this, [this] {
        prefs_.FontSizeStep(-1);
        ShowFontPage();
    });
    auto* restore = NewButton("CmdRestore", "Restore", page);
    connect(restore, &QPushButton::clicked, this, [this] {
        prefs_.RestoreFont();
        ShowFontPage();
    });
    const char* captions[] = {"Font Color", "Mat Color"};
    for (int i = 2; i < 4; ++i) {
        command2_[i] = NewButton(ElementName("Command2", i), captions[i - 2], page);
        connect(command2_[i], &QPushButton::clicked, this, [this, i] { ChooseColour(i); });
    }

    auto* buttons = new QGridLayout;
    buttons->addWidget(ckFnt_, 0, 0, 1, 2);
    buttons->addWidget(bigger, 1, 0);
    buttons->addWidget(smaller, 1, 1);
    buttons->addWidget(restore, 1, 2);
    buttons->addWidget(command2_[2], 2, 0);
    buttons->addWidget(command2_[3], 2, 1);
    auto* box = new QVBoxLayout(page);
    box->addWidget(frame3_);
    box->addWidget(new QLabel("Messages and remarks on the table:", page));
    box->addWidget(imgBackFnt_);
    box->addLayout(buttons);
    box->addStretch();
    return page;
}

QWidget* FrmOptions::BuildSoundsPage() {
    auto* page = new QWidget;
    const char* sounds[] = {" Wood", " Metallic", "No game sounds"};
    for (int i = 0; i < 3; ++i) {
        optSound_[i] = NewOption("OptSound", i, sounds[i], page);
        connect(optSound_[i], &QRadioButton::clicked, this, [this, i] {
            prefs_.CardSoundChosen(i);
            ShowSoundsPage();
        });
    }
    for (int i = 0; i < 2; ++i) {
        optMenu_[i] = NewOption("OptMenu", i, i == 0 ? "Wood" : "Metallic", page);
        connect(optMenu_[i], &QRadioButton::clicked, this, [this, i] {
            prefs_.MenuChosen(i);
            ShowSoundsPage();
        });
        optPlaceHolder_[i] = NewOption("optPlaceHolder", i, i == 0 ? "Wood" : "Metallic", page);
        connect(optPlaceHolder_[i], &QRadioButton::clicked, this, [this, i] {
            prefs_.PlaceholderChosen(i);
            ShowSoundsPage();
        });
        const int box = 5 + i;
        filePic_[box] = NewPicture(ElementName("FilePic", box), page);
        SetPicture(filePic_[box], CardSamples::PlaceholderSample(i == 0, devicePixelRatioF()));
        filePic_[box]->installEventFilter(this);
    }
    ckIntro_ = NewCheck("ckIntro", "No game Intro Music", page);
    connect(ckIntro_, &QCheckBox::clicked, this, [this](bool on) {
        prefs_.IntroTicked(on);
        ShowSoundsPage();
    });

    QWidget* soundControls[] = {optSound_[0], optSound_[1], optSound_[2]};
    QWidget* menuControls[] = {optMenu_[0], optMenu_[1]};
    auto* holders = new QGroupBox("Card Place Holder Styles", page);
    auto* holderGrid = new QGridLayout(holders);
    for (int i = 0; i < 2; ++i) {
        holderGrid->addWidget(optPlaceHolder_[i], 0, i);
        holderGrid->addWidget(filePic_[5 + i], 1, i);
    }
    auto* grid = new QGridLayout(page);
    grid->addWidget(NewFrame("Card Sound Effects", soundControls), 0, 0);
    grid->addWidget(NewFrame("Drop Down Menu Style", menuControls), 0, 1);
    grid->addWidget(holders, 1, 0, 1, 2);
    grid->addWidget(ckIntro_, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    return page;
}

void FrmOptions::PageShown(int index) {
    prefs_.ShowPage(static_cast<PrefsPage>(index));
    switch (prefs_.page()) {
        case PrefsPage::Cards:
            ShowCardsPage();
            break;
        case PrefsPage::Backs:
            ShowBacksPage();
            break;
        case PrefsPage::Font:
            ShowFontPage();
            break;
        case PrefsPage::Sounds:
            ShowSoundsPage();
            break;
    }
    FollowApply();
}

void FrmOptions::ShowCardsPage() {
    const int design = prefs_.NumberDesign();
    SelectOption<QRadioButton>(optCard_, design);
    cboDeck_->setCurrentIndex(prefs_.DeckListIndex());
    CardSamples samples(parts_.decks, devicePixelRatioF());
    const int deck = prefs_.pending().NewFaceDeck;
    bool drawn = true;
    for (int card : kSampleCards) SetPicture(filePic_[card], samples.Face(deck, card, &drawn));
    cboDeck_->setToolTip(drawn ? QString() : "This deck could not be drawn.");
}

void FrmOptions::ShowDeckSample(int whichDeck) {
    setCursor(Qt::WaitCursor);
    prefs_.ShowDeckSample(whichDeck);
    ShowCardsPage();
    unsetCursor();
    FollowApply();
}

void FrmOptions::ShowBacksPage() {
    settingUp_ = true;
    hScrollBacks_->setValue(prefs_.pending().NewBackStyle);
    settingUp_ = false;
    CardSamples samples(parts_.decks, devicePixelRatioF());
    const PreferenceValues& a = prefs_.applied();
    SetPicture(filePic_[0],
               samples.Back(prefs_.installedBacks() > 0 ? 1 : 0,
                            parts_.lowColour ? kDeckColorLowColour : kDeckColorHighColour));
    SetPicture(filePic_[15], samples.Back(a.BackStyle, a.DeckColor));
    ShowBackPreview();
}

void FrmOptions::ShowBackPreview() {
    const PreferencesPending& p = prefs_.pending();
    CardSamples samples(parts_.decks, devicePixelRatioF());
    SetPicture(picCardBack_, samples.Back(p.NewBackStyle, p.backColour));
    const bool plain = p.NewBackStyle == 0;
    picCardBack_->setFrameShape(plain ? QFrame::Box : QFrame::NoFrame);
    lblImage_[1]->setVisible(plain);
    command2_[0]->setVisible(plain);
    SetBoxColour(frame1_, p.deckMat);
    ShowBackground();
}

void FrmOptions::ShowBackground() {
    const QImage bg = parts_.background();
    // Without a picture the table shows its plain mat.
    const std::pair<QLabel*, i32> boxes[] = {{imgBack_, prefs_.pending().deckMat},
                                             {imgBackFnt_, prefs_.pending().fontMat}};
    for (const auto& [box, mat] : boxes) {
        if (bg.isNull()) {
            box->clear();
            SetBoxColour(box, mat);
        } else {
            SetPicture(box, bg);
        }
    }
}

void FrmOptions::ShowFontPage() {
    const PreferencesPending& p = prefs_.pending();
    SetBoxColour(frame3_, p.fontMat);
    ckFnt_->setChecked(p.backdrop);
    for (QLabel* l : lblFont_) {
        QFont f = l->font();
        f.setPointSize(p.fontSize);
        l->setFont(f);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, VbQColor(p.fontColour));
        l->setPalette(pal);
    }
    lblFont_[1]->setAutoFillBackground(p.backdrop);
    if (p.backdrop) SetBoxColour(lblFont_[1], p.fontMat);
    ShowBackground();
    FollowApply();
}

void FrmOptions::ShowSoundsPage() {
    const PreferencesPending& p = prefs_.pending();
    SelectOption<QRadioButton>(optSound_, p.cardSound);
    SelectOption<QRadioButton>(optMenu_, p.menu);
    SelectOption<QRadioButton>(optPlaceHolder_, p.placeholder);
    ckIntro_->setChecked(p.noIntro);
    FollowApply();
}

void FrmOptions::ChooseColour(int which) {
    const PreferenceValues& a = prefs_.applied();
    std::optional<i32> preset;
    if (which == 0) preset = a.DeckColor;
    if (which == 1) preset = a.MatColor;
    if (which == 2) preset = a.FontColor;
    std::optional<i32> chosen;
    if (parts_.chooseColour) {
        chosen = parts_.chooseColour(preset);
    } else {
        const QColor c = QColorDialog::getColor(preset ? VbQColor(*preset) : Qt::white, this);
        if (c.isValid()) chosen = VbColourOf(c);
    }
    if (!chosen) return;  // cancelled: nothing changes
    switch (which) {
        case 0:
            prefs_.DeckColourChosen(*chosen);
            break;
        case 1:
            prefs_.DeckMatChosen(*chosen);
            break;
        case 2:
            prefs_.FontColourChosen(*chosen);
            break;
        default:
            prefs_.FontMatChosen(*chosen);
            break;
    }
    if (which < 2)
        ShowBackPreview();
    else
        ShowFontPage();
    FollowApply();
}

void FrmOptions::Apply() {
    const PreferenceEffects fx = prefs_.Apply();
    parts_.apply(prefs_.applied(), fx);
    if (prefs_.page() == PrefsPage::Backs) ShowBacksPage();
    FollowApply();
}

void FrmOptions::Ok() {
    Apply();
    accept();
}

void FrmOptions::FollowApply() {
    if (cmdApply_) cmdApply_->setEnabled(prefs_.applyEnabled());
}

void FrmOptions::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) && parts_.cycleBackground) {
        parts_.cycleBackground(e->key() == Qt::Key_Up ? kKeyUp : kKeyDown);
        ShowBackground();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool FrmOptions::eventFilter(QObject* watched, QEvent* e) {
    if (watched == tbsOptions_->tabBar() && e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            keyPressEvent(key);
            return true;
        }
    }
    if (e->type() == QEvent::MouseButtonRelease) {
        if (watched == picCardBack_) {
            prefs_.PlainBackClicked();
            ShowBackPreview();
        } else if (watched == filePic_[0]) {
            prefs_.ResetSampleClicked();
            settingUp_ = true;
            hScrollBacks_->setValue(prefs_.pending().NewBackStyle);
            settingUp_ = false;
            ShowBackPreview();
        } else if (watched == filePic_[5] || watched == filePic_[6]) {
            prefs_.PlaceholderChosen(watched == filePic_[5] ? 0 : 1);
            ShowSoundsPage();
        }
        FollowApply();
    }
    return QDialog::eventFilter(watched, e);
}
