// A last action for an ending through exit(), which is how Qt's X11 plugin ends the program
// when the connection to the display breaks (the X server died). The game's own ways out never
// pass through exit(), so the action runs only then, with main()'s objects still alive.
#pragma once

#include <functional>

namespace zupel {

class ExitHook {
public:
    explicit ExitHook(std::function<void()> action);
    ~ExitHook();  // from here on an exit() does nothing of ours
    ExitHook(const ExitHook&) = delete;
    ExitHook& operator=(const ExitHook&) = delete;
};

}  // namespace zupel
