#pragma once
// "Preferences": four pages on a tab strip for the table's look and sound: the card faces (the
// number designs, the built-in deck and the desktop's installed decks, with samples), the backs
// and the deck and mat colours, the table's message font with its backdrop, and the card sounds,
// menu and placeholder styles and the intro music. Apply commits only the page on view; showing
// a page starts it again from the applied settings. Previews never touch the table's pictures.
#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <optional>

#include "records/preferences.h"

class ClsDll;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

struct OptionsParts {
    PreferenceValues applied;
    ClsDll* decks = nullptr;  // the installed card decks
    bool lowColour = false;
    // Commits the settings and shows them on the table.
    std::function<void(const PreferenceValues&, const PreferenceEffects&)> apply;
    // The table's current background picture (null: the plain mat).
    std::function<QImage()> background;
    // Steps the table's background (key 38 up, 40 down).
    std::function<void(int keyCode)> cycleBackground;
    // A colour chooser opened on `preset` (none when empty); nothing when cancelled.
    std::function<std::optional<i32>(std::optional<i32> preset)> chooseColour;
};

class FrmOptions : public QDialog {
    Q_OBJECT
  public:
    explicit FrmOptions(OptionsParts parts, QWidget* parent = nullptr);

    // After it closed: Cancel or the close box (CancelFlag).
    bool cancelled() const { return cancelled_; }
    const Preferences& logic() const { return prefs_; }

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    QWidget* BuildCardsPage();
    QWidget* BuildBacksPage();
    QWidget* BuildFontPage();
    QWidget* BuildSoundsPage();
    void PageShown(int index);
    void ShowCardsPage();
    void ShowBacksPage();
    void ShowFontPage();
    void ShowSoundsPage();
    void ShowDeckSample(int whichDeck);
    void ShowBackPreview();
    void ShowBackground();
    void ChooseColour(int which);
    void Apply();
    void Ok();
    void FollowApply();

    OptionsParts parts_;
    Preferences prefs_;
    bool cancelled_ = false;
    bool settingUp_ = false;

    QTabWidget* tbsOptions_ = nullptr;
    QPushButton* cmdApply_ = nullptr;
    // Page 1.
    QComboBox* cboDeck_ = nullptr;
    std::array<QRadioButton*, 6> optCard_{};
    std::array<QLabel*, 16> filePic_{};
    // Page 2.
    QLabel* picCardBack_ = nullptr;
    QScrollBar* hScrollBacks_ = nullptr;
    std::array<QPushButton*, 4> command2_{};
    QFrame* frame1_ = nullptr;
    QLabel* imgBack_ = nullptr;
    std::array<QLabel*, 5> lblImage_{};
    // Page 3.
    QFrame* frame3_ = nullptr;
    QLabel* imgBackFnt_ = nullptr;
    std::array<QLabel*, 2> lblFont_{};
    QCheckBox* ckFnt_ = nullptr;
    // Page 4.
    std::array<QRadioButton*, 3> optSound_{};
    std::array<QRadioButton*, 2> optMenu_{};
    std::array<QRadioButton*, 2> optPlaceHolder_{};
    QCheckBox* ckIntro_ = nullptr;
};
