#include "exit_hook.h"

#include <cstdlib>
#include <utility>

namespace zupel {
namespace {

std::function<void()>& lastAction() {
    static auto* action = new std::function<void()>;  // outlives every static destructor
    return *action;
}

}  // namespace

void ExitHook::runLastAction() {
    std::function<void()> action = std::exchange(lastAction(), nullptr);
    if (action) action();
}

ExitHook::ExitHook(std::function<void()> action) {
    static const bool registered = std::atexit(runLastAction) == 0;
    (void)registered;
    lastAction() = std::move(action);
    startHandOver();
}

ExitHook::~ExitHook() {
    lastAction() = nullptr;
    stopHandOver();
}

}  // namespace zupel
