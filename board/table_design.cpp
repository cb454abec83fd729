#include "board/table_design.h"

namespace {

using namespace table_design;

ControlGeom Make(ControlKind kind, double left, double top, DesignSize size, bool visible,
                 std::string caption = "", std::string toolTip = "") {
    ControlGeom c;
    c.Kind = kind;
    c.Left = left;
    c.Top = top;
    c.Width = size.Width;
    c.Height = size.Height;
    c.Visible = visible;
    c.Caption = std::move(caption);
    c.ToolTip = std::move(toolTip);
    c.FontSize = kLabelFontSize;
    return c;
}

void AddPileRows(FormModel& f) {
    const auto pile = ControlKind::PictureBox;
    f.Controls[ControlKey("Picture1", 0)] = Make(pile, 0, 0, kNormalCard, false);
    for (int k = 1; k <= 10; ++k) {
        // Side pile and hold piles show from the start; the hand slots once cards are dealt.
        const bool shown = k == 1 || k >= 7;
        f.Controls[ControlKey("Picture7", k)] = Make(pile, 0, 392, kNormalCard, shown);
        f.Controls[ControlKey("Picture1", k)] = Make(pile, 0, 6, kNormalCard, shown);
    }
    f.Controls[ControlKey("Picture2", 1)] = Make(pile, 0, 5, kSmallCard, false);
    f.Controls[ControlKey("Picture3", 1)] = Make(pile, 0, 5, kSmallCard, false);
    for (int k = 0; k <= 3; ++k) {
        // On a wide table the stock keeps this height, under the avatar and its turn marker.
        ControlGeom c = Make(pile, 0, k == 0 ? kStockTop : 0, kNormalCard, true);
        c.Picture = k == 0 ? kNormalBack : kEmptyPile;
        f.Controls[ControlKey("PicCenter", k)] = c;
    }
    ControlGeom shape = Make(ControlKind::Shape, 0, 0, kNormalCard, false);
    f.Controls[ControlKey("Stack", 0)] = shape;
}

void AddLabels(FormModel& f) {
    const auto label = ControlKind::Label;
    for (int k = 1; k <= 3; ++k)
        f.Controls[ControlKey("LblWild", k)] = Make(label, 0, 0, kWildLabel, false);
    f.Controls[ControlKey("Label9", 0)] = Make(label, 0, 0, kNoticeLabel, true);
    f.Controls[ControlKey("Label9", 1)] = Make(label, 0, 0, kInfoLabel, true);
    f.Controls[ControlKey("Label9", 2)] = Make(label, 0, 0, kRemarkLabel, true);
    f.Controls[ControlKey("Label9", 3)] = Make(label, 0, 0, kNameLabel, true, "Tessik");
    f.Controls[ControlKey("Label9", 4)] = Make(label, 0, 0, kNameLabel, true, "Brivo");
    for (int k = 1; k <= 2; ++k) f.At("Label9", k).FontSize = kMessageFontSize;
    f.Controls[ControlKey("Label3", 0)] =
        Make(label, 0, 0, kHoldFrame, true, "Your HOLD piles -right click to see hidden cards");
    f.Controls[ControlKey("Label3", 1)] =
        Make(label, 0, 0, kHoldFrame, true, HoldFrameCaption("Brivo"));
    f.Controls[ControlKey("lblHoldCard", 1)] = Make(label, 0, 0, {73, 99}, true);
    f.Controls["Label1"] = Make(label, 0, 0, {81, 106}, true);
    f.Controls["LabelPeek"] = Make(label, 0, 0, kPeekLabel, false);
    f.Controls["lblRules"] = Make(label, 3, 24, kRulesLabel, true);
    f.Controls["lblLevel"] = Make(label, 3, 70, kLevelLabel, true);
    f.Controls["lblHighlight"] = Make(label, 0, 0, {81, 106}, false);
    f.Controls["StatusMsg"] = Make(label, 0, 0, kStatusNotice, false);
    f.At("StatusMsg").FontSize = kMessageFontSize;
}

void AddImagesAndButtons(FormModel& f) {
    const auto image = ControlKind::Image;
    ControlGeom center = Make(image, 0, 0, kCenterBlockPicture, true);
    center.Picture = kCenterBlockWood;
    f.Controls["imgCenter"] = center;
    f.Controls["imgIcon"] = Make(image, 0, 0, kIcon, false);
    f.Controls["imgMenu"] = Make(image, 0, 0, kMenuImage, true);
    f.Controls["ImgTurn1"] = Make(image, 0, 0, kTurnMarker, false, "", "It's your turn!");
    f.Controls["ImgTurn2"] =
        Make(image, 0, 0, kTurnMarker, false, "", "It's your opponent's turn.");
    ControlGeom hold = Make(image, 0, 0, kNormalCard, false);
    hold.Picture = kNormalBack;
    f.Controls["ImgHold"] = hold;
    f.Controls["ImgAvatar"] = Make(image, 0, 0, kAvatarBox, true);
    f.Controls["imgSlap"] = Make(image, 0, 0, kAvatarBox, false);
    f.Controls["imgTip"] = Make(image, 0, 0, kTipPointer, false);
    f.Controls["imgTipUp"] = Make(image, 0, 0, kTipPointer, false);
    f.Controls["cmdDeal"] = Make(ControlKind::CommandButton, 0, 0, kDealButton, false, "Deal");
    f.Controls["picPanel"] = Make(ControlKind::PictureBox, 0, 0, kMenuPanel, false);
    f.Controls["StatusBar1"] = Make(ControlKind::StatusBar, 0, 0, {800, kStatusBarHeight}, false);
}

}  // namespace

std::string HoldFrameCaption(const std::string& owner) {
    const std::string piles = "HOLD piles -right click to see hidden cards";
    return owner.empty() ? piles : owner + "'s " + piles;
}

FormModel DesignMainForm() {
    FormModel f;
    f.Name = "frmBrivo";
    f.Width = 800;
    f.Height = 600;
    AddPileRows(f);
    AddLabels(f);
    AddImagesAndButtons(f);
    return f;
}

ControlGeom DesignControl(std::string_view name, int index) {
    static const FormModel design = DesignMainForm();
    return design.At(name, index);
}
