// The Internet windows shown on a real screen for a person to look at, with the shipped program
// folder's files and some made-up games. Not run with the tests: start it by hand from the build
// folder, e.g. under the screenshot tool, with the window named in QUORVANE_GALLERY (chat,
// scores, rules, players, connection, sounds) and how long to stay in QUORVANE_GALLERY_SECONDS:
//   QUORVANE_GALLERY=chat ./qt_tests --gtest_also_run_disabled_tests
//       --gtest_filter=NetGallery.DISABLED_Show
#include <gtest/gtest.h>

#include <QTimer>
#include <filesystem>

#include "net/qt/frm_chat.h"
#include "net/qt/frm_players.h"
#include "net/qt/frm_sounds.h"
#include "net/qt/net_windows.h"
#include "records/folder_lists.h"
#include "records/record_list.h"
#include "records/score_record.h"
#include "tests/core/fake_chat_link.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

ScoreRecord Row(const std::string& name, i16 played, i16 won, i16 margin, i16 marker) {
    ScoreRecord r;
    r.Name = name;
    r.Numbers = {played, won, margin, marker};
    return r;
}

void MakeScores(const TempProgramFolder& dir) {
    WriteAllRecords(dir.File("users/Ann_2.ran"),
                    std::vector<ScoreRecord>{Row("Ann", 14, 9, 61, 4), Row("Bob", 6, 4, 23, 2),
                                             Row("zoe", 5, 3, 30, 3), Row("Carl", 3, 2, 8, 4)});
    WriteAllRecords(dir.File("users/Ann_3.ran"),
                    std::vector<ScoreRecord>{Row("Ann", 5, 2, 10, 5), Row("Ann", 3, 1, 4, 2),
                                             Row("Bob", 3, 1, 0, 2), Row("zoe", 3, 1, -4, 2),
                                             Row("Ann", 2, 1, 6, 5), Row("Dee", 2, 1, 1, 5),
                                             Row("zoe", 2, 0, -7, 5)});
    WriteAllRecords(dir.File("users/Ann_2_Spring.rcm"),
                    std::vector<ScoreRecord>{Row("Ann", 2, 1, 3, 2), Row("Bob", 2, 1, 3, 2)});
    WriteAllRecords(dir.File("users/Bob_2.ran"),
                    std::vector<ScoreRecord>{Row("Bob", 1, 0, -3, 2), Row("Ann", 1, 1, 3, 2)});
}

}  // namespace

TEST(NetGallery, DISABLED_Show) {
    QApplication& app = TestApp();
    namespace fs = std::filesystem;
    TempProgramFolder dir;
    for (const char* sub : {"Avatars", "Sounds", "Icons", "Data/PMS"})
        fs::copy("program/" + std::string(sub), dir.File(sub),
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::copy("program/Data/PMS/Tessik", dir.File("Sounds"), fs::copy_options::overwrite_existing);
    MakeScores(dir);

    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};
    g.AppFolder = dir.path();
    g.PlayerName = "Ann";
    g.NumPlayers = 3;
    g.NumCenters = 4;
    g.NetConnected = 2;
    g.IsHost = 1;
    g.PeerVersion = "84";
    g.Opp[1].Name = "Bob";
    g.Opp[1].Avatar = "Tessik.jpg";
    g.Opp[2].Name = "zoe";
    for (int i = 1; i <= 20; ++i) g.Opp[1].Comments[i] = "Remark number " + std::to_string(i);
    ProfileState profile;
    profile.PlayerPrefs.Seats[0].Name = "Ann";
    profile.PlayerPrefs.Seats[0].Avatar = "Ruun.jpg";
    profile.PlayerPrefs.Seats[0].Comments = kDefaultComments;
    BoardLooks looks;
    ChatSeq seq;
    std::string competition;
    QWidget main;
    main.resize(900, 640);
    NetWindows windows(NetWindowsParts{e, profile, looks, seq, competition, &main});
    FakeChatLink link;

    const std::string which = qEnvironmentVariable("QUORVANE_GALLERY", "chat").toStdString();
    QTimer::singleShot(qEnvironmentVariableIntValue("QUORVANE_GALLERY_SECONDS") * 1000 + 8000, &app,
                       &QApplication::quit);
    if (which == "chat") {
        FrmChat* chat = windows.OpenChat(link);
        chat->ShowLine("Bob: Hi Ann, ready for a rematch?");
        chat->ShowLine("Bob: PIC <Grinning> I've been practising.");
        chat->room().SetInput("Bring it on :-D");
        chat->Refresh();
        chat->room().Send();
        chat->ShowLine("zoe: <b>markup stays text</b>");
        chat->room().IconChosen(6);
        chat->room().SetInput("good luck");
        chat->Refresh();
        chat->move(60, 60);
    } else if (which == "scores") {
        windows.ShowScores();
    } else if (which == "rules") {
        QTimer::singleShot(0, [&] { windows.ShowHostRules(); });
    } else if (which == "players") {
        QTimer::singleShot(0, [&] { windows.ShowPlayersSetup(); });
    } else if (which == "connection") {
        QTimer::singleShot(0, [&] { FrmPlayers::Run("Ann", 41001, h.dialogs, {}, &main); });
    } else if (which == "sounds") {
        windows.soundSets()[1] = "Tessik";
        auto* sounds = new FrmSounds(dir.path(), ListPersonalities(dir.path()), windows.soundSets(),
                                     h.dialogs, &main);
        sounds->show();
    }
    app.exec();
}
