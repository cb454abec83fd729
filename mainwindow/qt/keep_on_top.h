#pragma once
// Keeps a small window (the card counter, the chat, the tips, the drop-down menus, the tutorial)
// above the main window: it becomes a tool window owned by the main window, so it stays in
// front of it and goes with it when it is minimised, without floating over other programs.
class QWidget;

class KeepOnTop {
  public:
    // Stores the choice; setting it alone changes no window.
    void SetOnTop(bool on) { onTop_ = on; }
    bool OnTop() const { return onTop_; }
    // Applies the choice to `window`, keeping it shown if it was.
    void TopForm(QWidget* window, QWidget* mainWindow) const;

  private:
    bool onTop_ = false;
};
