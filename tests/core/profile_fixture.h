#pragma once
// A program folder with a players' file, and a profile target that keeps the working values and
// notes every step it is asked to carry out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_util.h"
#include "records/profiles.h"
#include "records/record_list.h"
#include "shared/prefs_record.h"
#include "temp_folder.h"

class RecordingTarget : public ProfileTarget {
  public:
    ProfileSurroundings Surroundings() const override { return env; }
    TableCounts Counts() const override { return counts; }
    void TakeWorkingPrefs(const WorkingPrefs& p) override {
        working = p;
        counts = {p.NumPlayers, p.NumCenters};
        Note("TakeWorkingPrefs " + p.PlayerName);
    }
    WorkingPrefs CurrentWorkingPrefs() const override { return working; }
    void PlayIntro() override { Note("PlayIntro"); }
    void ShowPlayerLooks(const WorkingPrefs&, bool) override { Note("ShowPlayerLooks"); }
    void PrepareBoard(bool clear, bool stacks) override {
        Note(std::string("PrepareBoard") + (clear ? " clear" : "") + (stacks ? " stacks" : ""));
    }
    void SeatOpponents(std::array<SeatRecord, 4>& seats) override {
        Note("SeatOpponents " + seats[1].Name);
    }
    void ShowLevel(const std::string& caption) override { Note(caption); }
    void PrepareTable(const BestRunArray&) override { Note("PrepareTable"); }
    void LayOutTable(TableCounts previous, TableCounts now) override {
        Note("LayOutTable " + std::to_string(previous.players) + std::to_string(previous.centers) +
             ">" + std::to_string(now.players) + std::to_string(now.centers));
    }
    void ShowTableNames() override { Note("ShowTableNames"); }
    void ShowDisplay(const DisplayPrefs& d) override {
        display = d;
        working.BackgroundChoice = d.backgroundChoice;
        Note("ShowDisplay");
    }
    void CloseMoveHistory() override { Note("CloseMoveHistory"); }
    void Beep() override { Note("Beep"); }
    void ReportProblem(const std::string& text, const std::string& title) override {
        problems.push_back(title + ": " + text);
    }

    bool Did(const std::string& step) const {
        return std::find(log.begin(), log.end(), step) != log.end();
    }

    ProfileSurroundings env{.screenWidthTw = 19200, .screenHeightTw = 14400};
    TableCounts counts;
    WorkingPrefs working;
    DisplayPrefs display;
    std::vector<std::string> log;
    std::vector<std::string> problems;

  private:
    void Note(const std::string& step) { log.push_back(step); }
};

// A players' file whose template (record 1) is sound, with the header naming `last` and one
// record per name in `players`.
struct ProfileFolder {
    explicit ProfileFolder(const std::string& last = "", std::vector<std::string> players = {}) {
        std::vector<PrefsRecord> file(1 + players.size(), Template());
        file[0].Seats[0].Name = last;
        for (size_t i = 0; i < players.size(); ++i) file[i + 1].Seats[0].Name = players[i];
        Write(file);
    }

    static PrefsRecord Template() {
        PrefsRecord p;
        p.FontColor = 0xFFFFFF;
        p.MatColor = 0x346B1E;
        p.DeckColor = 0x808080;
        p.NumPlayers = 2;
        p.NumCenters = 4;
        p.FontSize = 10;
        p.SpeedLevel = 2;
        p.AnimationSpeed = 45;
        p.FaceDeck = 6;
        p.HoldLeft = 720;
        p.HoldTop = 3375;
        p.IntroMusic = -1;
        p.Rules = {19, 0, 0, 0};
        p.Seats[0].Comments = "Default Personality";
        for (int s = 1; s <= 3; ++s) SeatDefaults(p.Seats[s]);
        return p;
    }

    std::string Path() const { return folder.File("Data/Prefs.sav"); }
    std::vector<PrefsRecord> Read() const { return *ReadAllRecords<PrefsRecord>(Path()); }
    PrefsRecord Record(int n) const { return Read().at(static_cast<size_t>(n - 1)); }
    void Write(const std::vector<PrefsRecord>& file) const {
        ASSERT_TRUE(WriteAllRecords(Path(), file));
    }
    void Edit(int n, const std::function<void(PrefsRecord&)>& change) const {
        auto file = Read();
        change(file.at(static_cast<size_t>(n - 1)));
        Write(file);
    }
    std::string Bytes() const { return ReadWholeFile(Path()).value_or(""); }

    TempProgramFolder folder;
    ProfileState state;
    RecordingTarget target;
    Profiles profiles{state, target, folder.path()};
};
