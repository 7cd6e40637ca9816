#include "exit_hook.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <utility>

namespace zupel {
namespace {

pid_t actionOwner = 0;             // the process, and its main thread, that set the action
int handOver[2] = {-1, -1};        // another thread's _exit asks the main thread to act
QSocketNotifier* handOverWatch = nullptr;

}  // namespace

void ExitHook::startHandOver() {
    actionOwner = ::getpid();
    if (handOver[0] < 0 && ::pipe2(handOver, O_CLOEXEC | O_NONBLOCK) == 0) {
        handOverWatch = new QSocketNotifier(handOver[0], QSocketNotifier::Read);
        QObject::connect(handOverWatch, &QSocketNotifier::activated, [] { runLastAction(); });
    }
}

void ExitHook::stopHandOver() {
    delete std::exchange(handOverWatch, nullptr);
}

}  // namespace zupel

// Qt's Wayland plugin ends the program with _exit when the compositor goes away, which passes no
// atexit handler, and it may notice on a thread of its own. The program exports this definition,
// so the plugin's call lands here. On the main thread the action runs at once. On another thread
// of the game the main thread is asked to run it (it ends the program when done) while this one
// waits a few seconds, in case the main thread is stuck. Any other caller (a forked child) ends
// exactly as the C library's _exit ends it.
extern "C" void _exit(int status) {
    using namespace zupel;
    if (::getpid() == actionOwner) {
        if (::gettid() == actionOwner) {
            ExitHook::runLastAction();
        } else if (handOverWatch != nullptr) {
            const char wake = 1;
            if (::write(handOver[1], &wake, 1) == 1) ::sleep(5);
        }
    }
    for (;;) ::syscall(SYS_exit_group, status);
}
