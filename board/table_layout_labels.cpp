// The labels, the Deal button and the icon around the piles and the center area. Runs after the
// piles and the center picture are placed, since it reads their positions.
#include <string_view>

#include "board/table_layout.h"

void TableLayout::Place_Labels() {
    const ControlGeom& humanSide = Ctl("Picture7", 1);
    const ControlGeom& center = Ctl("imgCenter");
    ControlGeom& ownName = Ctl("Label9", 3);
    ownName.Top = humanSide.Top + CardHeightPx + 6;
    ownName.Left = humanSide.Left;
    // Under player 2's side pile: a normal card in two-player games, a small one otherwise.
    const bool normalOppRow = NumPlayers == 2 && DisplayMode < 2;
    Ctl("Label9", 4).Top = Ctl("Picture1", 1).Top + (normalOppRow ? 96 : 80);
    ControlGeom& remark = Ctl("Label9", 2);
    remark.Width = center.Width;
    if (NumPlayers == 2) remark.Height = NumCenters == 3 ? 80 : center.Height;
    Ctl("imgIcon").Left = Ctl("imgMenu").Left + Ctl("imgMenu").Width;
    if (NumCenters == 4 && NumPlayers > 2)
        PlaceLabelsFourCentersMulti();
    else if (NumCenters == 4)
        PlaceLabelsFourCentersTwo();
    else
        PlaceLabelsThreeCenters();
}

namespace {
// Between the remark box and what it keeps clear of.
constexpr double kRemarkGap = 2;

bool StartsWith(std::string_view key, std::string_view prefix) {
    return key.substr(0, prefix.size()) == prefix;
}

// What the remark box keeps clear of: every pile of the table (shown now or once dealt), the
// center block and the hold frames, the Deal button and the texts beside the piles. The values
// of the centers' Kings stand above every other label, the remark box too.
bool RemarkKeepsClearOf(std::string_view key, const ControlGeom& c) {
    if (key == "Picture1_0") return false;  // the spare card that travels over the table
    for (std::string_view pile :
         {"Picture1_", "Picture2_", "Picture3_", "Picture7_", "PicCenter_", "Label3_", "Stack_"})
        if (StartsWith(key, pile)) return true;
    for (std::string_view fixed : {"imgCenter", "cmdDeal", "Label1", "LabelPeek", "Label9_0",
                                   "Label9_1", "ImgAvatar", "ImgHold"})
        if (key == fixed) return true;
    // The players' names, where they are shown.
    return c.Visible && StartsWith(key, "Label9_") && key != "Label9_2";
}
}  // namespace

// With the font backdrop the remark box is drawn whole on the mat colour: the box shown stands
// clear of the piles and frames around it on every table, so that it covers none of them.
BoxRect TableLayout::RemarkBox() const {
    std::vector<BoxRect> others;
    for (const auto& [key, c] : form_.Controls)
        if (RemarkKeepsClearOf(key, c)) others.push_back({c.Left, c.Top, c.Width, c.Height});
    const ControlGeom& remark = Ctl("Label9", 2);
    return ClearOf({remark.Left, remark.Top, remark.Width, remark.Height}, others, kRemarkGap);
}

void TableLayout::PlaceLabelsFourCentersMulti() {
    const ControlGeom& center = Ctl("imgCenter");
    ControlGeom& notice = Ctl("Label9", 0);
    // Right of the second center's King value, which stands just right of the block at the same
    // height: a notice there ran into it ("2ALERTED").
    notice.Left = CenterLeft + center.Width + Ctl("LblWild", 2).Width;
    notice.Top = center.Top;
    ControlGeom& info = Ctl("Label9", 1);
    if (Narrow()) {
        // Beside the stock, which stands at the left on a narrow table.
        info.Left = Ctl("ImgTurn1").Left + Ctl("ImgTurn1").Width;
        info.Top = Ctl("Label1").Top + Ctl("Label1").Height;
        info.Width = 1.4 * center.Width;
    } else {
        info.Left = 3;
        info.Top = center.Top + center.Height;
        info.Width = 1.75 * center.Width;
    }
    ControlGeom& remark = Ctl("Label9", 2);
    remark.Left = Ctl("Label3", 0).Left;
    remark.Top = 193;
    remark.Width = Ctl("Label3", 0).Width + 50;
    remark.Height = 80;
    ControlGeom& icon = Ctl("imgIcon");
    icon.Left = remark.Left - icon.Width;
    icon.Top = remark.Top;
    if (DisplayMode % 2 == 1) PlaceRemarkBesideCenter();
    ControlGeom& deal = Ctl("cmdDeal");
    deal.Left = center.Left + center.Width + 6;
    deal.Top = Ctl("PicCenter", 4).Top - deal.Height - 13;
    Ctl("LabelPeek").Left = deal.Left;
    Ctl("LabelPeek").Top = deal.Top + deal.Height;
}

// The raised rows of three and four players take the remark's place over the human's hold
// frame: it moves right of the center block, under the notice line that stands there, so that
// the two texts do not run over each other.
void TableLayout::PlaceRemarkBesideCenter() {
    const ControlGeom& center = Ctl("imgCenter");
    const ControlGeom& notice = Ctl("Label9", 0);
    ControlGeom& remark = Ctl("Label9", 2);
    remark.Left = center.Left + center.Width;
    remark.Top = notice.Top + notice.Height;
    // The whole room between the center block, the hold frame and the side pile below; the part
    // shown keeps clear of the Deal button and the notices standing in it.
    remark.Width = Ctl("Label3", 0).Left - remark.Left;
    remark.Height = Ctl("Picture7", 1).Top - remark.Top;
    ControlGeom& icon = Ctl("imgIcon");
    icon.Left = remark.Left - icon.Width;
    icon.Top = remark.Top;
}

void TableLayout::PlaceLabelsFourCentersTwo() {
    const ControlGeom& center = Ctl("imgCenter");
    Ctl("Label9", 0).Left = Ctl("PicCenter", 2).Left;
    Ctl("Label9", 0).Top = center.Top - Ctl("LblWild", 1).Height;
    ControlGeom& info = Ctl("Label9", 1);
    info.Left = 3;
    if (Wide() && DisplayMode < 2) {
        info.Top = Ctl("Picture7", 1).Top + (DisplayMode == 1 ? 10 : 0);
        info.Width = center.Width;
    } else {
        info.Top = center.Top + center.Height;
        info.Width = center.Width + 20;
    }
    Ctl("LabelPeek").Left = 3;
    Ctl("LabelPeek").Top = Ctl("PicCenter", 3).Top + CardWidthPx / 2.0;
    ControlGeom& remark = Ctl("Label9", 2);
    remark.Left = 6;
    remark.Top = Ctl("PicCenter", 1).Top - 20;
    remark.Width = center.Left - 10;
    ControlGeom& deal = Ctl("cmdDeal");
    deal.Left = center.Left + center.Width + 6;
    deal.Top = Ctl("PicCenter", 4).Top - deal.Height / 2;
    Ctl("imgIcon").Top = remark.Top - Ctl("imgIcon").Height;
}

void TableLayout::PlaceLabelsThreeCenters() {
    const ControlGeom& center = Ctl("imgCenter");
    ControlGeom& notice = Ctl("Label9", 0);
    notice.Left = Ctl("PicCenter", 2).Left;
    notice.Top = center.Top + center.Height + notice.Height;
    // The raised hand row leaves no room under the center row: the notice goes over it.
    if (notice.Top + notice.Height > HandRowTop) notice.Top = center.Top - notice.Height;
    ControlGeom& info = Ctl("Label9", 1);
    info.Left = 6;
    info.Top = center.Top + center.Height;
    info.Width = center.Width;
    ControlGeom& remark = Ctl("Label9", 2);
    remark.Left = 20;
    remark.Top = Ctl("Label9", 4).Top + 15;
    remark.Width = center.Left + center.Width - 20;
    Ctl("LabelPeek").Left = Ctl("Picture7", 6).Left + CardWidthPx;
    Ctl("LabelPeek").Top = HandRowTop;
    ControlGeom& deal = Ctl("cmdDeal");
    deal.Left = Ctl("PicCenter", 3).Left;
    if (ScreenWidth < kMoveUpTwips && DisplayMode >= 2) {
        // The end-of-game text under the centers needs their whole width on a screen this
        // narrow: the button stands right of the human's hold frame, under the stock.
        const ControlGeom& frame = Ctl("Label3", 0);
        deal.Left = frame.Left + frame.Width + 4;
    }
    deal.Top = HandRowTop - 2 * deal.Height;
    // The raised hand row leaves less room under the center row: there the button stands midway
    // between the center frame and the hand, touching neither.
    const double centerBottom = center.Top + center.Height;
    if (deal.Top < centerBottom)
        deal.Top = centerBottom + (HandRowTop - centerBottom - deal.Height) / 2;
    ControlGeom& icon = Ctl("imgIcon");
    icon.Top = Wide() ? Ctl("PicCenter", 1).Top : remark.Top - icon.Height;
}
