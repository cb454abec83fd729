#include "mainwindow/shutdown.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "mainwindow/close_guard.h"
#include "platform/file_util.h"
#include "temp_folder.h"
#include "tests/support/headless_services.h"

namespace {
class FakeShutdownPort : public ShutdownPort {
  public:
    explicit FakeShutdownPort(CallLog& log) : log_(log) {}
    void SignOffNet() override { log_.Add("SignOffNet"); }
    bool SavePlayerProfile(std::string* error) override {
        log_.Add("SavePlayerProfile");
        if (!profileError.empty()) *error = profileError;
        return profileError.empty();
    }
    void CleanUpFontsAndForms() override { log_.Add("CleanUpFontsAndForms"); }
    std::string profileError;

  private:
    CallLog& log_;
};

struct ShutdownFixture : ::testing::Test {
    ShutdownFixture() {
        g.AppFolder = folder.path();
        sv.dialogs = &dialogs;
        sv.sounds = &sounds;
        for (const char* f : {"Data/~105.tmp", "Data/~123.tmp", "Data/17.tmp", "Sounds/hi.pmw",
                              "~tempmoves.sav", "Data/backup.sav", "Sounds/Brivo_bye.wav"})
            WriteFileAtomically(folder.File(f), "x", nullptr);
        WriteFileAtomically(folder.File("Data/scores.ran"), std::string(18 * 38, '\0'), nullptr);
        session.DisplayMode = 2;
        session.Window = {true, 600, 900, 10, 20};
        session.Settings.PlayerName = "Ada";
    }
    bool Exists(const char* rel) const { return std::filesystem::exists(folder.File(rel)); }

    TempProgramFolder folder;
    Game g;
    MainWindowState w;
    CallLog log;
    ScriptedDialogs dialogs{log};
    RecordingSounds sounds{log};
    Services sv;
    FakeShutdownPort port{log};
    SessionRecord session;
};
}  // namespace

TEST_F(ShutdownFixture, AnOrderlyEndStoresTheSessionAndLeavesNoTemporaryFile) {
    g.CompSounds[2] = folder.File("Sounds/Brivo_bye.wav");
    g.SoundMode = 0;
    EXPECT_TRUE(ExitLeft(g, w, sv, port, session));

    EXPECT_EQ(g.StopFlag, VbTrue);
    for (const char* gone :
         {"Data/~105.tmp", "Data/~123.tmp", "Data/17.tmp", "Sounds/hi.pmw", "~tempmoves.sav"})
        EXPECT_FALSE(Exists(gone)) << gone;
    for (const char* kept : {"Data/backup.sav", "Sounds/Brivo_bye.wav", "Data/scores.ran"})
        EXPECT_TRUE(Exists(kept)) << kept;
    ScoresFile file(folder.File("Data/scores.ran"));
    ASSERT_TRUE(file.Load(nullptr));
    EXPECT_EQ(file.Get(13).Name, "Ada");
    EXPECT_EQ(file.Get(14).Numbers, (std::array<i16, 4>{0, 0, 22, 20}));
    EXPECT_EQ(file.Get(15).Numbers, (std::array<i16, 4>{9000, 13500, 150, 300}));
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"PlaySound " + folder.File("Sounds/Brivo_bye.wav"),
                                        "SavePlayerProfile", "CleanUpFontsAndForms"}));
    EXPECT_EQ(dialogs.asked, 0);

    // A second close (the session ending after the window closed) saves nothing twice.
    log.Clear();
    EXPECT_TRUE(ExitLeft(g, w, sv, port, session));
    EXPECT_TRUE(log.lines.empty());
}

TEST_F(ShutdownFixture, FarewellOnlyWithEverySoundOnAndSignOffOnlyInAnInternetGame) {
    g.CompSounds[2] = "bye.wav";
    g.SoundMode = 1;
    g.NetConnected = 99;
    ExitLeft(g, w, sv, port, session);
    EXPECT_FALSE(log.Contains("PlaySound"));
    EXPECT_TRUE(log.Contains("SignOffNet"));
}

TEST_F(ShutdownFixture, AFailedWriteIsToldAndTheRestIsStillSaved) {
    std::filesystem::remove(folder.File("Data/scores.ran"));
    port.profileError = "disk full";
    EXPECT_FALSE(ExitLeft(g, w, sv, port, session));
    // Both failures are told, the profile was still tried after the settings failed, and the
    // windows were still let go.
    EXPECT_EQ(dialogs.asked, 2);
    EXPECT_NE(dialogs.lastText.find("disk full"), std::string::npos);
    EXPECT_EQ(dialogs.lastText.rfind("Your profile could not be saved", 0), 0u);
    EXPECT_TRUE(log.Contains("SavePlayerProfile"));
    EXPECT_TRUE(log.Contains("CleanUpFontsAndForms"));
    EXPECT_FALSE(Exists("Data/~105.tmp"));
}

TEST(CloseGuard, ACloseWhileTheGameIsBusyStopsItAndCompletesOnceIdle) {
    Game g;
    MainWindowState w;
    EXPECT_EQ(QueryUnload(g, w), CloseAnswer::Shutdown);
    EXPECT_EQ(g.StopFlag, VbFalse);

    // During the computer's turn: the flags go up and the close waits.
    g.ComputerBusy = VbTrue;
    EXPECT_EQ(QueryUnload(g, w), CloseAnswer::Deferred);
    EXPECT_EQ(g.StopFlag, VbTrue);
    EXPECT_EQ(g.CancelFlag, VbTrue);
    EXPECT_FALSE(CloseDue(g, w));
    // The turn has unwound but the handler that started it (a drop, a key, a menu row) still
    // runs.
    {
        HandlerScope handler(w);
        g.ComputerBusy = VbFalse;
        EXPECT_FALSE(CloseDue(g, w));
    }
    EXPECT_TRUE(CloseDue(g, w));

    // Inside a handler's wait without the computer: loops stop, no dialog is cancelled.
    Game g2;
    MainWindowState w2;
    HandlerScope handler(w2);
    EXPECT_EQ(QueryUnload(g2, w2), CloseAnswer::Deferred);
    EXPECT_EQ(g2.StopFlag, VbTrue);
    EXPECT_EQ(g2.CancelFlag, VbFalse);

    w.ShutDown = true;
    EXPECT_EQ(QueryUnload(g, w), CloseAnswer::AlreadyDone);
    EXPECT_FALSE(CloseDue(g, w));
}
