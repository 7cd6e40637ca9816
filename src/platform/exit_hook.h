// A last action for an ending through exit() or _exit(), which is how Qt's X11 and Wayland
// plugins end the program when the connection to the display breaks (the X server or the
// compositor died). The game's own ways out pass through neither, so the action runs only then,
// on the main thread, with main()'s objects still alive.
#pragma once

#include <functional>

namespace zupel {

class ExitHook {
public:
    explicit ExitHook(std::function<void()> action);
    ~ExitHook();  // from here on an exit() does nothing of ours
    ExitHook(const ExitHook&) = delete;
    ExitHook& operator=(const ExitHook&) = delete;

    // Runs the action set last, once; later calls do nothing.
    static void runLastAction();

private:
    // The system's own part: on Linux an _exit on another thread hands the action to the main
    // thread.
    static void startHandOver();
    static void stopHandOver();
};

}  // namespace zupel
