#pragma once
// What the menu commands ask of the main window and its neighbours beyond the game's ports: the
// drawn bar, the status bar, the table's background and display size, the card counter, the
// peek label, the browser, and the set-ups that other parts of the window carry out. The Qt
// window implements it; tests script it.
#include <string>

#include "net/net_resume.h"

class MenuShell {
  public:
    virtual ~MenuShell() = default;

    // Hides the drawn menu bar and closes an open drop-down.
    virtual void HideMenuBar() = 0;
    // Exit: the window's close request (which waits for a computer turn in progress to end).
    virtual void CloseMainWindow() = 0;
    // The sound level just chosen, announced.
    virtual void ChangeNoise() = 0;
    // Steps the table background (32 or 40 forward, any other code back).
    virtual void CycleBackground(int keyCode) = 0;
    // Shows the background picture in use again (after the stretch choice changed).
    virtual void LoadBackground() = 0;
    // Lists the backgrounds folder again and shows picture `fileName` of it.
    virtual void ShowBackground(const std::string& fileName) = 0;
    virtual void SetStretchBackground(bool stretch) = 0;
    // The Display Size choices: 0 move the rows, 1 the card size; and the default window size.
    virtual void ChangeDisplay(int action) = 0;
    virtual void PlaceStatusArea() = 0;
    virtual bool StatusBarShown() const = 0;
    virtual void ShowStatusBar(bool show) = 0;
    // The card counter: refreshed and shown; refreshed only when it already shows.
    virtual void ShowCounter() = 0;
    virtual void RefreshCounterIfShown() = 0;
    // The label that tells about peeking; hidden when `visible` is false.
    virtual void ShowPeekLabel(const std::string& text, bool visible) = 0;
    // Opens `address` in the desktop's browser; false when that failed.
    virtual bool OpenWeb(const std::string& address) = 0;
    // The end-of-game animation: stops it and clears the table of its cards.
    virtual void StopAnimation() = 0;
    // The profile's label font size taken from the remark label after the preferences.
    virtual void TakeFontSize() {}

    // Carried out by the parts of the window that own them.
    virtual void SetupOpponents(bool rulesOnly) = 0;
    virtual void SetupInternet() = 0;
    // Sends the position on the table to the peers and resumes it once every peer has taken it
    // (a saved Internet game sent, or the running one restarted).
    virtual void SendRecover(const ResumeNote& note) = 0;
};
