// The opponents setup window driven through its controls, against a scratch program folder.
#include "records/qt/frm_multi.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "engine/personality.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "shared/profile_state.h"
#include "shared/record_io.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct MultiWindow : ::testing::Test {
    QApplication& app = TestApp();
    TempProgramFolder folder;
    Game g;
    HeadlessServices h{g};
    ProfileState profile;
    std::string playerAvatar;
    std::vector<std::string> chosenSounds;

    MultiWindow() {
        g.AppFolder = folder.path();
        g.NumPlayers = 2;
        g.NumCenters = 3;
        for (const char* name : {"Brivo", "Tessik"}) {
            PmsRecord pms;
            pms.Comments[0] = std::string(name) + ", for the tests.";
            for (int e = 1; e <= kSoundEvents; ++e) {
                pms.Sound(e, 0) = pms.Sound(e, 1) = name + std::to_string(e) + ".wav";
                WriteFileAtomically(folder.File("Sounds/" + pms.Sound(e, 0)), "RIFF", nullptr);
            }
            WriteRecord(
                RecordFile(folder.File(std::string("Data/PMS/") + name + ".pms"), PmsRecord::kSize),
                1, pms);
        }
        const std::pair<const char*, QColor> pictures[] = {{"Brivo.jpg", Qt::darkBlue},
                                                           {"Tessik.jpg", Qt::darkRed}};
        for (const auto& [file, colour] : pictures) {
            QImage img(90, 90, QImage::Format_RGB32);
            img.fill(colour);
            img.save(QString::fromStdString(folder.File(std::string("Avatars/") + file)), "JPG");
        }
    }
    OpponentsSetupParts Parts() {
        OpponentsSetupParts p{g, profile.PlayerPrefs.Seats, playerAvatar, h.dialogs};
        p.sounds = &h.sounds;
        p.lists.personalities = {"Brivo", "Tessik"};
        p.lists.descriptions = {"Brivo, for the tests.", "Tessik, for the tests."};
        p.lists.comments = {"Default Personality", "No Comments"};
        p.lists.avatars = {"", "Brivo.jpg", "Tessik.jpg"};
        p.saveProfile = [] { return true; };
        p.chooseSound = [this](const std::string&) -> std::optional<std::string> {
            if (chosenSounds.empty()) return std::nullopt;
            return chosenSounds.front();
        };
        return p;
    }
};

TEST_F(MultiWindow, ASeatChosenThroughTheControlsIsSaved) {
    FrmMulti form(Parts());
    form.show();
    SaveRender(form.grab().toImage(), "frm_multi");
    EXPECT_EQ(form.windowTitle(), "Opponents Setup");
    EXPECT_EQ(Find<QGroupBox>(form, "Frame1")->title(), "Setup for Opponent 1");
    EXPECT_TRUE(Find<QWidget>(form, "fraCenters")->isVisible());
    EXPECT_FALSE(Find<QGroupBox>(form, "Frame2")->isVisible());
    EXPECT_FALSE(Find<QPushButton>(form, "CmdApply")->isEnabled());

    auto* opponent = Find<QComboBox>(form, "CboOpponent");
    opponent->setCurrentIndex(1);
    emit opponent->activated(1);
    EXPECT_EQ(Find<QLabel>(form, "lblDescription")->text(), "Tessik, for the tests.");
    EXPECT_FALSE(Find<QLabel>(form, "imgOppAvatar")->pixmap().isNull());
    auto* level = Find<QComboBox>(form, "CboOppLevel");
    emit level->activated(2);
    Find<QPushButton>(form, "CmdApply")->click();
    EXPECT_EQ(profile.PlayerPrefs.Seats[1].Name, "Tessik");
    EXPECT_EQ(profile.PlayerPrefs.Seats[1].Level, 2);
    EXPECT_EQ(g.Opp[1].Name, "Tessik");
    EXPECT_FALSE(Find<QPushButton>(form, "CmdApply")->isEnabled());
}

TEST_F(MultiWindow, MoreOpponentsHideTheCentersAndDoneChangesTheTable) {
    FrmMulti form(Parts());
    form.show();
    Find<QRadioButton>(form, "Option1_1")->click();
    EXPECT_FALSE(Find<QWidget>(form, "fraCenters")->isVisible());
    EXPECT_TRUE(Find<QPushButton>(form, "CmdSetup_1")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(form, "CmdSetup_2")->isEnabled());
    EXPECT_EQ(Find<QGroupBox>(form, "Frame1")->title(), "Setup for Opponent 2");
    Find<QPushButton>(form, "cmdDone")->click();
    EXPECT_FALSE(form.cancelFlag());
    EXPECT_EQ(g.NumPlayers, 3);
    EXPECT_EQ(g.NumCenters, 4);
}

TEST_F(MultiWindow, TheSoundPanelPlaysAndSavesCustomSounds) {
    TempProgramFolder home;
    WriteFileAtomically(home.File("Sounds/Hurrah.wav"), "hurrah", nullptr);
    chosenSounds = {home.File("Sounds/Hurrah.wav")};
    FrmMulti form(Parts());
    form.show();
    Find<QRadioButton>(form, "OptWav_1")->click();
    Find<QPushButton>(form, "CmdApply")->click();
    Find<QPushButton>(form, "cmdSounds")->click();
    EXPECT_TRUE(Find<QGroupBox>(form, "Frame2")->isVisible());
    SaveRender(form.grab().toImage(), "frm_multi_sounds");
    auto* yeah = Find<QRadioButton>(form, "OptPlay_13");
    yeah->click();
    EXPECT_EQ(h.sounds.played, 1);
    EXPECT_FALSE(yeah->isChecked());
    EXPECT_TRUE(Find<QLabel>(form, "imgPoint")->isVisible());
    Find<QPushButton>(form, "CmdChangeSound")->click();
    Find<QPushButton>(form, "CmdSaveSounds")->click();
    EXPECT_FALSE(Find<QGroupBox>(form, "Frame2")->isVisible());
    PmsRecord pms;
    ASSERT_TRUE(ReadPersonalityFile(folder.path(), "Brivo", pms));
    EXPECT_EQ(pms.Sound(13, 1), "Hurrah.wav");
    EXPECT_EQ(ReadWholeFile(folder.File("Sounds/Hurrah.wav")), "hurrah");
}

TEST_F(MultiWindow, ThePlayerSeatShowsOnlyThePicture) {
    playerAvatar = "Tessik.jpg";
    FrmMulti form(Parts());
    form.show();
    Find<QPushButton>(form, "CmdSetup_3")->click();
    SaveRender(form.grab().toImage(), "frm_multi_player");
    EXPECT_EQ(Find<QGroupBox>(form, "Frame1")->title(), "Setup for Player");
    EXPECT_FALSE(Find<QComboBox>(form, "CboOpponent")->isVisible());
    EXPECT_TRUE(Find<QCheckBox>(form, "ckNoPlayerAvatar")->isChecked());
    EXPECT_EQ(Find<QPushButton>(form, "CmdApply")->text(), "Save Player");
    EXPECT_EQ(Find<QScrollBar>(form, "HScrollAvatar")->value(), 2);
    Find<QCheckBox>(form, "ckNoPlayerAvatar")->click();
    EXPECT_TRUE(Find<QLabel>(form, "imgOppAvatar")->pixmap().isNull());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    h.dialogs.answers = {mb::No};
    QApplication::sendEvent(&form, &esc);
    EXPECT_TRUE(form.cancelFlag());
    EXPECT_EQ(playerAvatar, "Tessik.jpg");
}

}  // namespace
