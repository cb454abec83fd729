#include "mainwindow/resize_rules.h"

#include "board/table_layout.h"

ResizeActions PlanResize(const ResizeInputs& in) {
    ResizeActions a;
    if (in.StartingUp) {
        a.Nothing = true;
        return a;
    }
    a.StopAnimation = a.StopIdleTimer = a.CloseMenus = true;
    if (in.NetConnected > 0)
        a.Chat = in.Show == WindowShow::Maximised ? ChatFollows::Restore : ChatFollows::SameState;
    if (in.Show == WindowShow::Minimised) {
        a.CloseSmallWindows = true;
        return a;
    }
    a.TakeSize = true;
    a.ReloadBackground = in.BackgroundPicture;
    a.PlaceAvatars = true;
    // With four players, and with three on a narrow screen, the avatar has no place of its own.
    a.MoveAvatar = in.NumPlayers < 4 && (in.NumPlayers == 2 || in.ScreenWidthTwips > kNarrowTwips);
    a.AvatarLeft = in.ClientWidth - in.AvatarWidth;
    return a;
}
