// The program as main() puts it together: every hook between its parts is set, so no command,
// key or peer's line can end in a path that silently does nothing.
#include <gtest/gtest.h>

#include <functional>

#include "mainwindow/qt/app_root.h"
#include "platform/hook_check.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"

TEST(AppRootHooks, TheComposedProgramLeavesNoHookUnset) {
    TestApp();
    TempProgramFolder folder;
    AppRoot root(folder.path());
    EXPECT_EQ(root.UnsetHooks(), std::vector<std::string>{});
}

TEST(AppRootHooks, AnUnsetHookIsNamedWithItsHolder) {
    std::function<void()> set = [] {}, unset;
    std::function<int(int)> alsoUnset;
    HookCheck check;
    check.In("MenuHooks").Need("changeNoise", set).Need("sendRecover", unset);
    check.In("NetWindowsParts").Need("showPeek", alsoUnset);
    EXPECT_EQ(check.Unset(),
              (std::vector<std::string>{"MenuHooks.sendRecover", "NetWindowsParts.showPeek"}));
}
