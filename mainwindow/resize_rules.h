#pragma once
// What a change of the main window's size or state does: stale things are closed (the running
// end-of-game animation, a pending idle remark, an open drop-down menu, the menu bar), the chat
// window follows the main window, a minimised window lets its small windows go, and otherwise
// the new size is taken, the background redrawn and the avatar kept at the window's right edge.
#include "platform/vb_types.h"

enum class WindowShow { Normal, Minimised, Maximised };

struct ResizeInputs {
    bool StartingUp = false;
    WindowShow Show = WindowShow::Normal;
    int NetConnected = 0;
    int NumPlayers = 2;
    i32 ScreenWidthTwips = 0;
    bool BackgroundPicture = false;  // a background picture is in use
    i32 ClientWidth = 0;             // pixels
    i32 ClientHeight = 0;
    double AvatarWidth = 0;
};

enum class ChatFollows { Nothing, Restore, SameState };

struct ResizeActions {
    bool Nothing = false;  // start-up lays the window out itself
    bool StopAnimation = false;
    bool StopIdleTimer = false;
    bool CloseMenus = false;
    ChatFollows Chat = ChatFollows::Nothing;
    bool CloseSmallWindows = false;  // the hold-cards window and the card counter
    bool TakeSize = false;
    bool ReloadBackground = false;
    bool PlaceAvatars = false;
    bool MoveAvatar = false;  // the avatar and the slap picture to the window's right edge
    double AvatarLeft = 0;
};

// The gap between the avatar and the window's right edge, in pixels.

ResizeActions PlanResize(const ResizeInputs& in);
