// Starts a program and times it to its main window: the moment the X server maps a top-level
// window of at least 200 x 100 pixels. Then, optionally, lets it run and reads what it cost
// from /proc: CPU seconds over a measured span and its peak resident memory. Ends it at last.
// usage: map_wait [-s SETTLE_S] [-m MEASURE_S] -- PROGRAM [ARGS...]
// prints: map_ms=.. map_cpu_ms=.. cpu_s=.. peak_kib=..  (map_cpu_ms: the CPU time the program
// had used when its window was mapped, a figure a busy machine disturbs less than map_ms)
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kMinWidth = 200, kMinHeight = 100;  // not a tooltip, not a hidden helper window
constexpr double kTimeoutS = 30;

bool isMainWindow(Display* display, Window window) {
    XWindowAttributes a;
    return XGetWindowAttributes(display, window, &a) && !a.override_redirect &&
           a.width >= kMinWidth && a.height >= kMinHeight;
}

// Waits for a matching map event; false on time-out or when the program died first.
bool waitForMap(Display* display, pid_t child) {
    const int fd = ConnectionNumber(display);
    const auto deadline = Clock::now() + std::chrono::duration<double>(kTimeoutS);
    while (Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && isMainWindow(display, event.xmap.window)) return true;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) return false;
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval tv{0, 20000};
        select(fd + 1, &fds, nullptr, nullptr, &tv);
    }
    return false;
}

// utime + stime of a process, in clock ticks.
long cpuTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));  // the name may hold blanks
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) {
            stime = std::stol(field);
            break;
        }
    }
    return utime + stime;
}

// Milliseconds on the CPU so far, summed over the program's living threads (the scheduler's
// own count, finer than the clock ticks of /proc/PID/stat, which also hold the threads that
// have ended and so serve the long runs).
double cpuMs(pid_t pid) {
    namespace fs = std::filesystem;
    double ns = 0;
    std::error_code error;
    for (const auto& task :
         fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream in(task.path() / "schedstat");
        double onCpu = 0;
        if (in >> onCpu) ns += onCpu;
    }
    return ns / 1e6;
}

long peakKib(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

void sleepFor(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

}  // namespace

int main(int argc, char** argv) {
    double settle = 1, measure = 0;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; i += 2) {
        if (i + 1 >= argc) break;
        if (std::strcmp(argv[i], "-s") == 0) settle = std::atof(argv[i + 1]);
        if (std::strcmp(argv[i], "-m") == 0) measure = std::atof(argv[i + 1]);
    }
    if (i + 1 >= argc) {
        std::fprintf(stderr, "usage: map_wait [-s SETTLE_S] [-m MEASURE_S] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_wait: cannot open the X display\n");
        return 2;
    }
    // Listen before the program starts, so no map can slip by.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[i + 1], argv + i + 1);
        _exit(127);
    }
    const bool mapped = waitForMap(display, child);
    const double mapMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double mapCpuMs = cpuMs(child);
    int status = 0;
    if (!mapped) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        std::fprintf(stderr, "map_wait: %s never mapped its window\n", argv[i + 1]);
        return 1;
    }
    sleepFor(settle);
    const long before = cpuTicks(child);
    sleepFor(measure);
    const long after = cpuTicks(child);
    const long peak = peakKib(child);
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    std::printf("map_ms=%.1f map_cpu_ms=%.1f cpu_s=%.2f peak_kib=%ld\n", mapMs, mapCpuMs,
                static_cast<double>(after - before) / sysconf(_SC_CLK_TCK), peak);
    XCloseDisplay(display);
    return 0;
}
