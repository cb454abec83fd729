#include "mainwindow/qt/main_window.h"

#include <QApplication>
#include <QFontDatabase>
#include <QTimer>

#include "mainwindow/instance_lock.h"
#include "mainwindow/qt/end_signals.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/frm_counter.h"
#include "mainwindow/qt/frm_splash.h"
#include "mainwindow/startup_texts.h"
#include "platform/file_util.h"

namespace {
const char* const kGameFonts[] = {"Kradmoore.ttf", "Brivo2.ttf", "Brivo3.ttf", "Brivo4.ttf",
                                  "Brivo1.ttf"};
}  // namespace

bool ClaimProgramFolder(InstanceLock& lock, const std::string& appFolder, Dialogs& dialogs) {
    std::string error;
    switch (lock.Acquire(appFolder, &error)) {
        case InstanceLock::Result::Acquired:
            return true;
        case InstanceLock::Result::HeldElsewhere:
            dialogs.MsgBox(startup_text::kAlreadyRunning, mb::OkOnly, startup_text::kTitle);
            return false;
        case InstanceLock::Result::Failed:
            break;
    }
    dialogs.MsgBox(UnexpectedStartupError(error), mb::Critical, startup_text::kTitle);
    return false;
}

void RegisterGameFonts(const std::string& appFolder) {
    for (const char* name : kGameFonts) {
        const std::string path = JoinPath(appFolder, name);
        if (FileExists(path)) QFontDatabase::addApplicationFont(QString::fromStdString(path));
    }
}

void RemoveGameFonts() {
    QFontDatabase::removeAllApplicationFonts();
}

MainWindow::MainWindow(MainWindowParts parts, MainWindowCalls calls)
    : p_(parts), calls_(std::move(calls)), closeCheck_(new QTimer(this)) {
    p_.window.onQueryUnload = [this] { return Form_QueryUnload(); };
    p_.window.onResize = [this] { Form_Resize(); };
    closeCheck_->setInterval(50);
    connect(closeCheck_, &QTimer::timeout, this, [this] { CheckPendingClose(); });
    // A kill, Ctrl+C or the end of the session closes the window the ordinary way; so does the
    // application quitting without a close (the session manager).
    endSignals_ = std::make_unique<EndSignals>([this] {
        endingOnSignal_ = true;
        p_.window.close();
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { ExitLeft(); });
}

MainWindow::~MainWindow() = default;

FrmCounter* MainWindow::Counter() const {
    return qobject_cast<FrmCounter*>(counter_);
}

FrmCounter* MainWindow::ShowCounter() {
    if (!counter_) {
        auto* counter = new FrmCounter(p_.game.NumPlayers, p_.state.LargeFonts, &p_.window);
        counter_ = counter;
        connect(counter, &QObject::destroyed, this, [this] { counter_ = nullptr; });
    }
    FrmCounter* counter = Counter();
    if (p_.services.status) p_.services.status->ShowCounter();
    counter->show();
    counter->raise();
    return counter;
}
