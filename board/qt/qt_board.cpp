#include "board/qt/qt_board.h"

#include <QImage>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "board/anim_steps.h"
#include "board/avatar_fit.h"
#include "board/background_choice.h"
#include "board/qt/box_damage.h"
#include "board/qt/card_pictures.h"
#include "board/qt/table_view.h"
#include "engine/shared_helpers.h"
#include "platform/file_util.h"
#include "platform/vb_strings.h"

QtBoard::QtBoard(QtBoardParts parts, ModelCanvas& canvas) : parts_(parts), canvas_(canvas) {
    canvas_.playSound = [this](const std::string& file) {
        if (parts_.sounds)
            parts_.sounds->PlaySound(JoinPath(parts_.appFolder, "Data/" + file), false);
    };
}

DrawInputs QtBoard::Inputs() const {
    return DrawInputs{parts_.game, parts_.looks, parts_.layout.DisplayMode,
                      parts_.layout.ScreenWidth, parts_.layout.LargeFonts};
}

void QtBoard::Refresh() {
    parts_.view.update();
}

void QtBoard::ShowCard(PileRow row, int index, i16 cardId, int kind) {
    if (!canvas_.Has(row, index)) {
        if (parts_.dialogs)
            parts_.dialogs->MsgBox(
                ShowCardProblem(9, "Subscript out of range", RowName(row), index, cardId),
                mb::Exclamation, "");
        return;
    }
    BoxDamage damage(parts_.view, {&parts_.layout.Ctl(RowName(row), index), CoverOver(row, index)});
    ::ShowCard(canvas_, Inputs().Context(), row, index, cardId, kind);
    Uncover(row, index);
}

void QtBoard::HideCard(PileRow row, int index) {
    if (!canvas_.Has(row, index)) return;
    BoxDamage damage(parts_.view, {&parts_.layout.Ctl(RowName(row), index), CoverOver(row, index)});
    canvas_.SetVisible(row, index, false);
    Uncover(row, index);
}

// The spare card over pile (row, index) once a slide left it there, which drawing the pile takes
// away.
const ControlGeom* QtBoard::CoverOver(PileRow row, int index) const {
    if (!covered_ || covered_->row != row || covered_->index != index) return nullptr;
    return &parts_.layout.Ctl("Picture1", 0);
}

// Once the pile a card left is drawn again, the spare covering it has done its work: left up,
// it would stand over that pile with a stale picture, and travel with the next slide.
void QtBoard::Uncover(PileRow row, int index) {
    if (!CoverOver(row, index)) return;
    covered_.reset();
    canvas_.SetVisible(PileRow::Opp1, 0, false);
}

void QtBoard::SetMessage(int index, const std::string& text) {
    FormModel& f = parts_.layout.Form();
    if (!f.IsLoaded("Label9", index)) return;
    ControlGeom& label = f.At("Label9", index);
    label.Caption = text;
    if (index == 1) FitInfoLabel(label);
    ShowLabel(ControlKey("Label9", index), label);
}

// The information line grows down to hold a long text whole (a peer's broken line is told there
// with its reason); a shorter text gives it back the height the layout gave it.
void QtBoard::FitInfoLabel(ControlGeom& label) {
    label.Height = parts_.layout.InfoLabelHeight();
    auto* widget = parts_.view.findChild<QLabel*>("Label9_1", Qt::FindDirectChildrenOnly);
    if (!widget) return;
    widget->setText(QString::fromStdString(label.Caption));
    const int needed = widget->heightForWidth(widget->width());
    label.Height = std::max(label.Height, static_cast<double>(needed));
    widget->resize(widget->width(), static_cast<int>(std::lround(label.Height)));
}

// Where a widget stands for the label, it shows the label's caption and visibility at once.
void QtBoard::ShowLabel(const std::string& key, const ControlGeom& label) {
    if (auto* widget = parts_.view.findChild<QLabel*>(QString::fromStdString(key),
                                                      Qt::FindDirectChildrenOnly)) {
        widget->setText(QString::fromStdString(label.Caption));
        widget->setVisible(label.Visible);
    }
    Refresh();
}

void QtBoard::SetStatusNotice(const std::string& text, bool visible) {
    FormModel& f = parts_.layout.Form();
    if (!f.IsLoaded("StatusMsg")) return;
    ControlGeom& notice = f.At("StatusMsg");
    notice.Caption = text;
    notice.Visible = visible;
    ShowLabel("StatusMsg", notice);
}

void QtBoard::DrawTable() {
    ::DrawTable(canvas_, Inputs());
    ShowWildLabels();
    Refresh();
}

// The value a King stands for, under its center pile: the labels are widgets over the table, so
// each change of the model is shown on them at once, not at the next layout.
void QtBoard::ShowWildLabels() {
    const FormModel& f = parts_.layout.Form();
    for (int k = 1; k <= kMaxCenters; ++k)
        if (f.IsLoaded("LblWild", k)) ShowLabel(ControlKey("LblWild", k), f.At("LblWild", k));
}

void QtBoard::FollowLayoutRequests() {
    const LayoutRequests r = parts_.layout.TakeRequests();
    if (r.ClearBoard) parts_.layout.ClearBoard();
    if (r.DrawTable || r.RedrawHumanPiles) DrawTable();
    if (r.LoadBackground) LoadBackground();
    FollowOutside(r);
    parts_.showWidgets();
    Refresh();
}

void QtBoard::FollowWindowRequests() {
    FollowOutside(parts_.layout.TakeRequests());
}

void QtBoard::FollowOutside(const LayoutRequests& r) {
    // Between games the avatar box shows the first opponent.
    if (r.LoadAvatar) LoadAvatar(parts_.game.Opp[1].Avatar);
    const auto follow = [](bool asked, const std::function<void()>& f) {
        if (asked) f();
    };
    follow(r.ShowRulesCaption, followers_.showRulesCaption);
    follow(r.WildUpdate, followers_.wildUpdate);
    follow(r.StopIdleTimer, followers_.stopIdleTimer);
    follow(r.UnloadCounter, followers_.unloadCounter);
    follow(r.WindowSize, followers_.takeWindowSize);
}

void QtBoard::ResetTable() {
    parts_.layout.Reset_Table(parts_.game);
    FollowLayoutRequests();
    ShowWildLabels();
}

void QtBoard::SetupLayout(int oldPlayers, int oldCenters) {
    TableLayout& t = parts_.layout;
    t.Setup_Layout(parts_.game, oldPlayers, oldCenters);
    // The layout gives the window's default width; a narrower window keeps its own, and the
    // avatar stands at its edge, not beyond it.
    if (parts_.view.isVisible() && parts_.view.width() < t.Form().Width) {
        t.Form().Width = parts_.view.width();
        t.PlaceAvatars();
    }
    FollowLayoutRequests();
}

// The steps keep their time on the clock, but the screen is shown only the step due at each of
// its frames, and only the table the card leaves and enters is painted again.
void QtBoard::Slide(ControlGeom& box, const std::vector<BoxPos>& steps) {
    const int n = static_cast<int>(steps.size());
    const double frame = parts_.view.FrameSeconds();
    const double start = parts_.clock.Now();
    int shown = -1;
    double nextAt = 0;
    while (n > 0 && !parts_.game.StopFlag) {
        const double elapsed = parts_.clock.Now() - start;
        if (elapsed + kClockSlackSeconds >= nextAt) {
            if (shown == n - 1) break;
            const int i = StepAt(elapsed, n);
            if (i != shown) {
                BoxDamage damage(parts_.view, {&box});
                box.Left = steps[i].left;
                box.Top = steps[i].top;
                shown = i;
            }
            nextAt = NextFrameAt(elapsed, shown, n, frame);
        }
        parts_.pump.Pump(!parts_.game.FlipInProgress, nextAt - elapsed);
    }
}

void QtBoard::MoveCardAnim(PileRow fromRow, int fromIdx, PileRow toRow, int toIdx) {
    if (!canvas_.Has(fromRow, fromIdx) || !canvas_.Has(toRow, toIdx)) return;
    TableLayout& t = parts_.layout;
    ControlGeom& from = t.Ctl(RowName(fromRow), fromIdx);
    const ControlGeom& to = t.Ctl(RowName(toRow), toIdx);
    // The slide runs in whole pixels; the box goes back to its exact place, which can have a
    // fraction (the human's side pile stands a quarter card width left of the hand).
    const double homeLeft = from.Left, homeTop = from.Top;
    const BoxPos start{RoundHalfEven(homeLeft), RoundHalfEven(homeTop)};
    const BoxPos target{RoundHalfEven(to.Left), RoundHalfEven(to.Top)};
    const bool moverTravels = fromRow == PileRow::Opp1 && fromIdx == 0;
    PrepareSlide(fromRow, fromIdx, moverTravels);
    Slide(from, SlideSteps(start, target, parts_.game.AnimationSpeed));
    if (!moverTravels && t.Ctl("Picture1", 0).Visible) covered_ = Box{fromRow, fromIdx};
    BoxDamage putBack(parts_.view, {&from});
    from.Visible = false;
    from.Front = false;
    from.Left = homeLeft;
    from.Top = homeTop;
}

// The sliding box comes to the front, and the spare card covers its place.
void QtBoard::PrepareSlide(PileRow fromRow, int fromIdx, bool moverTravels) {
    TableLayout& t = parts_.layout;
    Game& g = parts_.game;
    ControlGeom& from = t.Ctl(RowName(fromRow), fromIdx);
    ControlGeom& mover = t.Ctl("Picture1", 0);
    BoxDamage damage(parts_.view, {&from, &mover});
    const bool fromHumanHold = fromRow == PileRow::Human && fromIdx > kLastHandSlot;
    // The spare card covers the source, showing what lies under the card that leaves; a hand
    // slot has nothing beneath, so a spare still up from an earlier pile must not come along.
    if (!moverTravels) {
        mover.Visible = false;
        covered_.reset();
    }
    if (fromHumanHold || !g.Dealing) {
        t.Size_MovingCard(RowName(fromRow), fromIdx);
        mover.Left = from.Left;
        mover.Top = from.Top;
    }
    from.Front = true;
    if (fromRow != PileRow::Human && fromIdx == kSideSlot && g.CurSideCount != 0)
        mover.Visible = true;
    if (fromHumanHold) {
        const int p = fromIdx - kLastHandSlot;
        const int under = g.HumanHoldCount[p];
        uncovered_ = under > 0 ? g.HumanHold[kId][p][under] : 0;
        ShowCard(PileRow::Opp1, 0, uncovered_,
                 uncovered_ ? card_kind::kSilent : card_kind::kEmptyPile);
    }
    if (fromIdx > kLastHandSlot && !fromHumanHold) mover.Visible = true;
}

void QtBoard::PutMoverOnStock() {
    TableLayout& t = parts_.layout;
    ControlGeom& mover = t.Ctl("Picture1", 0);
    const ControlGeom& stock = t.Ctl("PicCenter", 0);
    BoxDamage damage(parts_.view, {&mover});
    mover.Left = stock.Left;
    mover.Top = stock.Top;
    // The travelling card is as large as the back the drawing gives it: a small back leaves the
    // large stock of a three- or four-player table as a small card, not inside a large frame.
    const CardLook back =
        DecideCardLook(PileRow::Opp1, 0, 0, card_kind::kSilent, Inputs().Context());
    const bool large = back.picture == CardPicture::LargeBack;
    mover.Width = large ? stock.Width : std::min(stock.Width, 59.0);
    mover.Height = large ? stock.Height : std::min(stock.Height, 80.0);
    uncovered_ = 0;
    ShowCard(PileRow::Opp1, 0, 0, card_kind::kSilent);
}

void QtBoard::Peek() {
    ::Peek(canvas_, Inputs());
    Refresh();
}

void QtBoard::EnableHumanPiles(bool flag, int fromPile, int toPile) {
    for (int i = std::max(fromPile, 0); i <= std::min(toPile, 10); ++i)
        if (canvas_.Has(PileRow::Human, i))
            parts_.layout.Ctl("Picture7", i).Enabled =
                flag && parts_.game.HumanCards[kRank][i] != 0;
}

void QtBoard::EnablePlayerPiles(bool flag) {
    for (int i = 1; i <= 10; ++i)
        if (canvas_.Has(PileRow::Human, i))
            parts_.layout.Ctl("Picture7", i).Enabled =
                flag || (parts_.game.TutorialOn && i >= kFirstHoldSlot);
}

void QtBoard::EnableItem(PileRow row, int index) {
    if (canvas_.Has(row, index)) parts_.layout.Ctl(RowName(row), index).Enabled = true;
}

void QtBoard::LoadAvatar(const std::string& fileName) {
    TableLayout& t = parts_.layout;
    if (!t.Form().IsLoaded("ImgAvatar")) return;
    // A name from a profile or a peer may only name a file inside the avatar folder.
    if (!IsPlainFileName(fileName)) return;
    const QImage picture(QString::fromStdString(JoinPath(parts_.appFolder, "Avatars/" + fileName)));
    if (picture.isNull()) return;  // a missing or broken picture leaves the old avatar
    const int centerTop = t.Form().IsLoaded("imgCenter") ? int(t.Ctl("imgCenter").Top) : 0;
    const AvatarBox box = AvatarBoxFor(t.NumPlayers, t.ScreenWidth, centerTop);
    const AvatarSize size = FitAvatar(box.width, box.height, picture.width(), picture.height());
    ControlGeom& avatar = t.Ctl("ImgAvatar");
    avatar.Width = size.width;
    avatar.Height = size.height;
    avatar.Top = box.top;
    avatar.Left = box.atRightEdge ? t.Form().Width - size.width : box.left;
    if (t.Form().IsLoaded("imgSlap")) {
        t.Ctl("imgSlap").Left = avatar.Left;
        t.Ctl("imgSlap").Top = avatar.Top;
    }
    parts_.view.SetAvatar(picture);
}

void QtBoard::SetWildLabel(int center, const std::string& text) {
    canvas_.SetWildLabel(center, text);
    ShowWildLabels();
}

void QtBoard::SetRulesLabels(const std::string& rules, const std::string& level) {
    FormModel& f = parts_.layout.Form();
    if (f.IsLoaded("lblRules")) f.At("lblRules").Caption = rules;
    if (f.IsLoaded("lblLevel")) f.At("lblLevel").Caption = level;
    // Where widgets stand for the captions, they show the new texts at once.
    for (const char* name : {"lblRules", "lblLevel"})
        if (auto* w = parts_.view.findChild<QLabel*>(name, Qt::FindDirectChildrenOnly))
            w->setText(QString::fromStdString(f.At(name).Caption));
    Refresh();
}

void QtBoard::LoadBackground() {
    const BoardLooks& l = parts_.looks;
    QImage picture;
    const int i = l.BackgroundIndex;
    if (BackgroundIsPicture(i, l.BackgroundCount) &&
        i < static_cast<int>(l.BackgroundFiles.size()) && IsPlainFileName(l.BackgroundFiles[i]))
        picture.load(QString::fromStdString(
            JoinPath(parts_.appFolder, "backgrounds/" + l.BackgroundFiles[i])));
    canvas_.SetTableColour(l.MatColor);
    parts_.view.SetBackground(picture, l.StretchBackground);
}

void QtBoard::CycleBackground(int keyCode) {
    BoardLooks& l = parts_.looks;
    if (l.BackgroundChoice == 0 && parts_.dialogs) {
        std::string text = ReadTextBlock(parts_.appFolder, 32, 34);
        if (Trim(text).empty())
            text =
                "Use the Up and Down arrow keys to step through the table backgrounds. "
                "The last one is the plain table colour.";
        parts_.dialogs->MsgBox(text, mb::OkOnly, "Brivo Backgrounds");
    }
    l.BackgroundIndex =
        static_cast<i16>(NextBackgroundIndex(l.BackgroundIndex, l.BackgroundCount, keyCode));
    LoadBackground();
    l.BackgroundChoice = l.BackgroundIndex;
}
