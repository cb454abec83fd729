#pragma once
// SIGTERM, SIGINT and SIGHUP (a kill, Ctrl+C, the terminal or the session going away) ask the
// main window to close, through the same path as its close box, so the settings and the profile
// are saved. The signal handler itself only writes to a pipe; the close runs in the event loop.
#include <QObject>
#include <functional>

class QSocketNotifier;

class EndSignals : public QObject {
    Q_OBJECT
  public:
    // `onSignal` runs in the event loop once per signal received.
    explicit EndSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~EndSignals() override;

  private:
    void Drain();
    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};
