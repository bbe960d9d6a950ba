#include "app/SignalWatcher.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace trelvix {

namespace {
int signalPipe[2] = {-1, -1};

void OnSignal(int sig) {
    const char c = char(sig);
    // Only async-signal-safe work here: the notifier does the rest on the UI thread.
    [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &c, 1);
}
}  // namespace

SignalWatcher::SignalWatcher(QObject* parent) : QObject(parent) {
    if (signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char c = 0;
        if (::read(signalPipe[0], &c, 1) == 1) emit terminateRequested(int(c));
    });
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

SignalWatcher::~SignalWatcher() {
    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
}

}  // namespace trelvix
