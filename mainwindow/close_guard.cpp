#include "mainwindow/close_guard.h"

CloseAnswer QueryUnload(Game& g, MainWindowState& w) {
    if (w.ShutDown) return CloseAnswer::AlreadyDone;
    const bool busy = g.ComputerBusy != VbFalse || w.HandlerDepth > 0;
    if (!busy) return CloseAnswer::Shutdown;
    // Every pause returns at once from now on, so the running procedure unwinds quickly.
    g.StopFlag = VbTrue;
    if (g.ComputerBusy != VbFalse) g.CancelFlag = VbTrue;
    w.ClosePending = true;
    return CloseAnswer::Deferred;
}

bool CloseDue(const Game& g, const MainWindowState& w) {
    return w.ClosePending && !w.ShutDown && g.ComputerBusy == VbFalse && w.HandlerDepth == 0;
}
