// The requests to end that come from outside the window: SIGTERM (kill, a shutdown), SIGHUP (a
// closing terminal) and SIGINT (Ctrl+C). The signal handler only writes the signal's number to
// a pipe; the game hears of it from the event loop, where saving is safe.
#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace zupel {

// One at a time: the signals have one disposition per process.
class EndSignals {
public:
    // `onSignal` runs on the event loop when one or more of the signals have come.
    explicit EndSignals(std::function<void()> onSignal);
    ~EndSignals();  // the previous dispositions come back
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;

private:
    void drain();

    std::function<void()> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace zupel
