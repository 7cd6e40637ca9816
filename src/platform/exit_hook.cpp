#include "exit_hook.h"

#include <cstdlib>
#include <utility>

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

}  // namespace

ExitHook::ExitHook(std::function<void()> action) {
    static const bool registered = std::atexit(runLastAction) == 0;
    (void)registered;
    lastAction() = std::move(action);
}

ExitHook::~ExitHook() {
    lastAction() = nullptr;
}

}  // namespace zupel
