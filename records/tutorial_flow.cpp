#include "records/tutorial_flow.h"

#include "platform/scoped_flag.h"

bool TutorialAsk::MayDrop(bool toCenter, int slot) const {
    if (pile == 0) return false;
    switch (target) {
        case TutorialTarget::Center:
            return toCenter;
        case TutorialTarget::Hold:
            return !toCenter && slot >= 7 && slot <= 10;
        case TutorialTarget::Anywhere:
            return true;
    }
    return false;
}

namespace {
TutorialAsk AskOf(const TutorialDirective& d) {
    if (!d.MovesPile() || d.LoadsPosition() || d.N1 < 1 || d.N1 > 10) return {};
    const TutorialTarget target = d.L2 == 'C'   ? TutorialTarget::Center
                                  : d.L2 == 'H' ? TutorialTarget::Hold
                                                : TutorialTarget::Anywhere;
    return {d.N1, target};
}
}  // namespace

bool TutorialFlow::Start(std::vector<std::string> lines) {
    if (lines.empty()) return false;
    steps_ = std::move(lines);
    step_ = 0;
    auto busy = RaiseWhile(busy_);
    Move(false);
    return true;
}

void TutorialFlow::NextClicked() {
    if (busy_ || abandoned_ || host_.GameBusy()) return;
    auto busy = RaiseWhile(busy_);
    host_.SetNextEnabled(false);
    host_.SetBackEnabled(true);
    Move(false);
}

void TutorialFlow::BackClicked() {
    if (busy_ || abandoned_ || host_.GameBusy() || step_ <= 1) return;
    auto busy = RaiseWhile(busy_);
    host_.SetNextEnabled(false);
    Move(true);
}

void TutorialFlow::TurnStarting() {
    asked_ = {};
}

void TutorialFlow::TurnOver() {
    asked_ = {};
    if (abandoned_) return;
    host_.SetNextEnabled(true);
    Show(text_ + "\n\n" + kTurnOverLine);
}

void TutorialFlow::CardPlayed() {
    asked_ = {};
    if (abandoned_) return;
    host_.SetNextEnabled(true);
}

void TutorialFlow::Move(bool back) {
    asked_ = {};
    if (back) {
        host_.HideUpPointer();
        if (step_ < 3) host_.SetBackVisible(false);
        --step_;
        if (auto range = TutorialBackRangeOf(step_)) {
            if (!Load(range->record)) return;
            host_.EnablePlayerPiles(false);
            step_ = range->first;
        }
    } else {
        ++step_;
    }
    if (step_ < 3) host_.ResetTable();
    host_.HidePointers();
    FixedActions();
    if (step_ > StepCount()) {
        host_.SetNextVisible(false);
        return;
    }
    Display();
}

void TutorialFlow::FixedActions() {
    switch (step_) {
        case 2:
            host_.ClearPicture();
            host_.SetBackVisible(true);
            break;
        case 3:
            host_.ResetTable();
            host_.MoveToScreenEdge();
            break;
        case 4:
            host_.PointAtCenterArea();
            host_.PlayCardSound(1);
            break;
        case 6:
            host_.PointAtSideStack();
            break;
        default:
            break;
    }
}

void TutorialFlow::Display() {
    if (step_ < 1 || step_ > StepCount()) return;
    Carry(ParseTutorialLine(steps_[static_cast<size_t>(step_ - 1)]));
}

bool TutorialFlow::Carry(const TutorialStepLine& line) {
    host_.PointersToFront();
    if (!line.directive) {
        // The text stays up while the computer plays; its turn's end adds the line that says
        // Next goes on.
        Show(line.text);
        host_.Pause(0.5);
        host_.ComputerTurn();
        return true;
    }
    const TutorialDirective& d = *line.directive;
    host_.EnablePlayerPiles(false);
    if (d.MovesPile() && d.N1 >= 1 && d.N1 <= 6) host_.EnablePile(d.N1);
    if (d.ReadOnly()) {
        Show(line.text);
        host_.Pause(0.5);
        host_.SetNextEnabled(true);
        return true;
    }
    if (d.LoadsPosition()) {
        if (!Load(d.N2)) return false;
        host_.EnablePlayerPiles(false);
    } else if (d.ShowsPointer()) {
        host_.PointAtPile(d.N1);
    }
    Show(line.text);
    asked_ = AskOf(d);
    if (host_.PlayerOnTurn() == 1) host_.SetNextEnabled(false);
    if (d.LoadsPosition()) host_.SetNextEnabled(true);
    return true;
}

bool TutorialFlow::Load(int record) {
    if (host_.LoadPosition(record)) return true;
    abandoned_ = true;
    host_.Abandon("The tutorial's practice game (record " + std::to_string(record) +
                  " of the saved-game store) is missing or damaged, so the tutorial cannot go "
                  "on.");
    return false;
}

void TutorialFlow::Show(const std::string& text) {
    text_ = text;
    host_.ShowText(text_);
}
