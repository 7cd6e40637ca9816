// The requests to end that come from outside the window. On Linux: SIGTERM (kill, a shutdown),
// SIGHUP (a closing terminal) and SIGINT (Ctrl+C); the signal handler only writes the signal's
// number to a pipe, and the game hears of it from the event loop, where saving is safe. A signal
// ignored when the game started (SIGHUP under nohup) stays ignored. On Windows: a log-off or a
// shutdown, through Qt's session manager.
#pragma once

#include <functional>
#include <memory>

class QObject;

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
    std::unique_ptr<QObject> listener_;  // hears the request: the pipe's notifier, or a context
};

}  // namespace zupel
