// Message boxes nobody answers: each is one report on the stream, answered with the box's first
// button.
#include "platform/console_reports.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(ConsoleReports, EachBoxIsOneReportAnsweredWithItsFirstButton) {
    const struct {
        int style, answer;
    } cases[] = {
        {mb::OkOnly | mb::Exclamation, mb::Ok},
        {mb::OkCancel, mb::Ok},
        {2 | mb::Critical, mb::Abort},
        {mb::YesNoCancel | mb::Question, mb::Yes},
        {mb::YesNo, mb::Yes},
        {mb::RetryCancel, mb::Retry},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        ConsoleReports reports(out);
        EXPECT_EQ(reports.MsgBox("Line one\n\nline two", c.style, "Quorvane"), c.answer) << c.style;
        EXPECT_EQ(out.str(), "quorvane: Quorvane: Line one\n\nline two\n") << c.style;
    }
}
