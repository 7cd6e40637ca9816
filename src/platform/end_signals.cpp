#include "end_signals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace zupel {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int pipeEnds[2] = {-1, -1};
struct sigaction previous[std::size(kSignals)];

// Runs inside the signal: only async-signal-safe calls, errno left as it was.
extern "C" void noteSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t put = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

}  // namespace

EndSignals::EndSignals(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) return;  // the defaults stay
    auto* notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read);
    listener_.reset(notifier);
    QObject::connect(notifier, &QSocketNotifier::activated, [this] { drain(); });
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], nullptr, &previous[i]);
        // A signal ignored when the game started stays ignored: under nohup a closing terminal
        // must not end the game.
        const bool ignored =
            !(previous[i].sa_flags & SA_SIGINFO) && previous[i].sa_handler == SIG_IGN;
        if (!ignored) ::sigaction(kSignals[i], &action, nullptr);
    }
}

EndSignals::~EndSignals() {
    if (!listener_) return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], &previous[i], nullptr);
    }
    listener_.reset();
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void EndSignals::drain() {
    char bytes[16];
    bool any = false;
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) any = true;
    if (any) onSignal_();  // two signals in a row ask for one ending
}

}  // namespace zupel
