#include "platform/console_reports.h"

namespace {
// The first button of each button set: the one a box offers as its default.
int FirstButton(int style) {
    switch (style & 7) {
        case 2:
            return mb::Abort;
        case mb::YesNoCancel:
        case mb::YesNo:
            return mb::Yes;
        case mb::RetryCancel:
            return mb::Retry;
        default:
            return mb::Ok;
    }
}
}  // namespace

int ConsoleReports::MsgBox(const std::string& text, int style, const std::string& title) {
    out_ << "quorvane: " << title << ": " << text << "\n";
    out_.flush();
    return FirstButton(style);
}
