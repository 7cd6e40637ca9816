#include "exit_hook.h"

#include <cstdlib>
#include <utility>

#ifdef __linux__
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace zupel {
namespace {

std::function<void()>& lastAction() {
    static auto* action = new std::function<void()>;  // outlives every static destructor
    return *action;
}

extern "C" void runLastAction() {
    std::function<void()> action = std::exchange(lastAction(), nullptr);
    if (action) action();
}

#ifdef __linux__
pid_t actionOwner = 0;  // the process, and its main thread, that set the action
#endif

}  // namespace

ExitHook::ExitHook(std::function<void()> action) {
    static const bool registered = std::atexit(runLastAction) == 0;
    (void)registered;
#ifdef __linux__
    actionOwner = ::getpid();
#endif
    lastAction() = std::move(action);
}

ExitHook::~ExitHook() {
    lastAction() = nullptr;
}

}  // namespace zupel

#ifdef __linux__
// Qt's Wayland plugin ends the program with _exit(1) when the compositor goes away, which
// passes no atexit handler. The program exports this definition, so the plugin's call lands
// here: the action runs when the main thread of the process that set it ends this way, and
// every other caller (a forked child, another thread) ends exactly as the C library's _exit
// ends it.
extern "C" void _exit(int status) {
    if (::getpid() == zupel::actionOwner && ::gettid() == zupel::actionOwner)
        zupel::runLastAction();
    for (;;) ::syscall(SYS_exit_group, status);
}
#endif
