#include "mainwindow/qt/end_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace {
int g_pipe[2] = {-1, -1};

void OnSignal(int) {
    const char c = 1;
    // Nothing else is safe in a signal handler; a full pipe already holds a pending close.
    [[maybe_unused]] ssize_t n = ::write(g_pipe[1], &c, 1);
}
}  // namespace

EndSignals::EndSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (g_pipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0) return;
    for (int fd : g_pipe) ::fcntl(fd, F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { Drain(); });
    struct sigaction sa = {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &sa, nullptr);
}

EndSignals::~EndSignals() {
    struct sigaction sa = {};
    sa.sa_handler = SIG_DFL;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &sa, nullptr);
}

void EndSignals::Drain() {
    char buf[16];
    while (::read(g_pipe[0], buf, sizeof buf) > 0) {
    }
    onSignal_();
}
