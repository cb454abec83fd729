#pragma once
// Message boxes for the moments nobody may be there to answer them, such as the shutdown that a
// kill or the end of the session asked for: each message is written to a stream (standard error)
// as one report, and the box's first button is the answer, as if it had been pressed at once.
#include <ostream>

#include "platform/dialogs.h"

class ConsoleReports : public Dialogs {
  public:
    explicit ConsoleReports(std::ostream& out) : out_(out) {}
    // Writes "quorvane: <title>: <text>" and answers with the first button of `style`.
    int MsgBox(const std::string& text, int style, const std::string& title) override;

  private:
    std::ostream& out_;
};
