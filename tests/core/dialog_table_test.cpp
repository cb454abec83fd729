#include "mainwindow/dialog_table.h"

#include <gtest/gtest.h>

#include "tests/support/call_log.h"
#include "tests/support/headless_services.h"

namespace {

TEST(DialogTable, FormNobodyRegisteredTellsThePlayerAndCountsAsCancelled) {
    CallLog log;
    ScriptedDialogs dialogs(log);
    DialogTable host(dialogs);

    const DialogResult r = host.Show(DialogForm::RulesNET);

    EXPECT_FALSE(r.Available);
    EXPECT_TRUE(r.CancelFlag);
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0],
              "MsgBox [Host Setup and Rules] This window is not available yet. (64) -> 6");
}

TEST(DialogTable, RegisteredFormOpensWithItsModeAndTopicAndHandsBackTheResult) {
    CallLog log;
    ScriptedDialogs dialogs(log);
    DialogTable host(dialogs);
    std::vector<std::pair<int, std::string>> calls;
    host.Register(DialogForm::Save, [&](int mode, const std::string& topic) {
        calls.emplace_back(mode, topic);
        DialogResult r;
        r.SaveSlot = 7;
        return r;
    });
    host.Register(DialogForm::Help, [&](int mode, const std::string& topic) {
        calls.emplace_back(mode, topic);
        return DialogResult{};
    });

    EXPECT_EQ(host.Show(DialogForm::Save, save_mode::Restore).SaveSlot, 7);
    EXPECT_TRUE(host.ShowHelp("rules").Available);

    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], (std::pair<int, std::string>{2, ""}));
    EXPECT_EQ(calls[1], (std::pair<int, std::string>{0, "rules"}));
    EXPECT_TRUE(log.lines.empty());
}

TEST(DialogTable, ServicesWithoutWindowsStillAnswer) {
    Services sv;
    const DialogResult r = sv.dialogHost->Show(DialogForm::Options);
    EXPECT_FALSE(r.Available);
    EXPECT_TRUE(r.CancelFlag);
}

}  // namespace
