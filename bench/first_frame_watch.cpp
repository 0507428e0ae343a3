// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Felt start-up measured from outside: the time from exec of a program to the first complete
// frame of its first top-level window on the X server named by DISPLAY.
//
//   kelvaro-bench-first-frame [--timeout MS] PROGRAM [ARGUMENTS...]
//
// Watches the root window's children: each new one gets a Damage at once (before it can draw);
// the first one mapped is the program's window, and its frame is complete when the damage
// reported since its creation covers the whole window. Prints "MS ms WIDTHxHEIGHT CPU ms-cpu"
// (CPU: the processor time the program's threads used until then) and ends the program.
// Exit status: 0 measured, 2 usage, 3 no display or no Damage/XFixes extension, 4 timeout (the
// program never drew a whole frame), 5 the program ended or could not start.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kExitUsage = 2;
constexpr int kExitNoServer = 3;
constexpr int kExitTimeout = 4;
constexpr int kExitChildGone = 5;
constexpr int kDefaultTimeoutMs = 10000;
constexpr int kEndGraceMs = 30000;  // a profiled program may take long to write its findings

// Windows that end or cannot take a Damage (input-only ones) while watched are no error here.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

// What is known of one child of the root window.
struct Watched {
    Damage damage = 0;
    XserverRegion drawn = 0;  // everything damaged since creation
    int width = 0;
    int height = 0;
    bool mapped = false;
};

struct Options {
    int timeoutMs = kDefaultTimeoutMs;
    char** program = nullptr;
};

// The options, or program == nullptr when the command line is not one of this program.
Options readOptions(int argc, char** argv) {
    Options options;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--timeout") == 0) {
        options.timeoutMs = std::atoi(argv[2]);
        first = 3;
    }
    if (first < argc && options.timeoutMs > 0)
        options.program = argv + first;
    return options;
}

// The X side: the display, its extensions and the windows watched.
class FrameWatch {
public:
    // False, with a message, when there is no server or it lacks Damage or XFixes.
    bool open() {
        m_display = XOpenDisplay(nullptr);
        if (!m_display) {
            std::fprintf(stderr, "first-frame: cannot open the X display \"%s\"\n",
                         std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
            return false;
        }
        int error = 0;
        int fixesEvent = 0;
        if (!XDamageQueryExtension(m_display, &m_damageEvent, &error) ||
            !XFixesQueryExtension(m_display, &fixesEvent, &error)) {
            std::fprintf(stderr,
                         "first-frame: the X server lacks the Damage or XFixes extension\n");
            return false;
        }
        XSetErrorHandler(ignoreError);
        m_root = DefaultRootWindow(m_display);
        XSelectInput(m_display, m_root, SubstructureNotifyMask);
        XSync(m_display, False);
        return true;
    }

    int connection() const { return ConnectionNumber(m_display); }

    // Handles every event waiting; true once a mapped window's frame is complete.
    bool handleEvents() {
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (handle(event))
                return true;
        }
        return false;
    }

    int width() const { return m_done.width; }
    int height() const { return m_done.height; }

private:
    bool handle(const XEvent& event) {
        if (event.type == CreateNotify && event.xcreatewindow.parent == m_root)
            watch(event.xcreatewindow);
        else if (event.type == ConfigureNotify)
            resize(event.xconfigure);
        else if (event.type == MapNotify && event.xmap.event == m_root)
            return markMapped(event.xmap.window);
        else if (event.type == m_damageEvent + XDamageNotify)
            return addDamage(reinterpret_cast<const XDamageNotifyEvent&>(event));
        return false;
    }

    void watch(const XCreateWindowEvent& created) {
        Watched& window = m_windows[created.window];
        window.width = created.width;
        window.height = created.height;
        window.drawn = XFixesCreateRegion(m_display, nullptr, 0);
        window.damage = XDamageCreate(m_display, created.window, XDamageReportRawRectangles);
    }

    void resize(const XConfigureEvent& configured) {
        const auto found = m_windows.find(configured.window);
        if (found == m_windows.end())
            return;
        found->second.width = configured.width;
        found->second.height = configured.height;
    }

    bool markMapped(Window mapped) {
        const auto found = m_windows.find(mapped);
        if (found == m_windows.end())
            return false;
        found->second.mapped = true;
        return complete(found->second);
    }

    bool addDamage(const XDamageNotifyEvent& damaged) {
        const auto found = m_windows.find(damaged.drawable);
        if (found == m_windows.end())
            return false;
        XRectangle area = {damaged.area.x, damaged.area.y, damaged.area.width, damaged.area.height};
        XserverRegion part = XFixesCreateRegion(m_display, &area, 1);
        XFixesUnionRegion(m_display, found->second.drawn, found->second.drawn, part);
        XFixesDestroyRegion(m_display, part);
        return found->second.mapped && complete(found->second);
    }

    // True when `window` is mapped and its damage covers it whole; remembers it then.
    bool complete(const Watched& window) {
        XRectangle whole = {0, 0, static_cast<unsigned short>(window.width),
                            static_cast<unsigned short>(window.height)};
        XserverRegion missing = XFixesCreateRegion(m_display, &whole, 1);
        XFixesSubtractRegion(m_display, missing, missing, window.drawn);
        int count = 0;
        XRectangle bounds;
        XRectangle* rectangles = XFixesFetchRegionAndBounds(m_display, missing, &count, &bounds);
        XFree(rectangles);
        XFixesDestroyRegion(m_display, missing);
        if (count != 0)
            return false;
        m_done = window;
        return true;
    }

    Display* m_display = nullptr;
    Window m_root = 0;
    int m_damageEvent = 0;
    std::map<Window, Watched> m_windows;
    Watched m_done;
};

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The processor time all threads of `child` have run so far, in milliseconds (the kernel's
// scheduler figures, in nanoseconds); less swayed by a busy machine than the wall clock.
double processorMilliseconds(pid_t child) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(child) + "/task";
    std::error_code error;
    double nanoseconds = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu)
            nanoseconds += onCpu;
    }
    return nanoseconds / 1e6;
}

// Ends the program watched and collects it: asked to end first, so that a profiler it runs
// under (valgrind, perf) writes its findings, and killed when it has not ended after a while.
void endChild(pid_t child) {
    kill(child, SIGTERM);
    const Clock::time_point asked = Clock::now();
    while (waitpid(child, nullptr, WNOHANG) != child) {
        if (millisecondsSince(asked) > kEndGraceMs) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return;
        }
        usleep(10'000);
    }
}

// True when the child has ended (it never will draw then).
bool childEnded(pid_t child) {
    int status = 0;
    return waitpid(child, &status, WNOHANG) == child;
}

// Waits for the frame; the exit status.
int waitForFrame(FrameWatch& watch, pid_t child, Clock::time_point start, int timeoutMs) {
    while (!watch.handleEvents()) {
        const double left = timeoutMs - millisecondsSince(start);
        if (left <= 0) {
            std::fprintf(stderr, "first-frame: no complete frame within %d ms\n", timeoutMs);
            endChild(child);
            return kExitTimeout;
        }
        if (childEnded(child)) {
            std::fprintf(stderr, "first-frame: the program ended before it drew a frame\n");
            return kExitChildGone;
        }
        pollfd server = {watch.connection(), POLLIN, 0};
        poll(&server, 1, std::min(static_cast<int>(left) + 1, 50));
    }
    const double elapsed = millisecondsSince(start);
    std::printf("%.1f ms %dx%d %.1f ms-cpu\n", elapsed, watch.width(), watch.height(),
                processorMilliseconds(child));
    std::fflush(stdout);
    endChild(child);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = readOptions(argc, argv);
    if (!options.program) {
        std::fprintf(stderr, "usage: %s [--timeout MS] PROGRAM [ARGUMENTS...]\n", argv[0]);
        return kExitUsage;
    }
    FrameWatch watch;
    if (!watch.open())
        return kExitNoServer;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(options.program[0], options.program);
        std::fprintf(stderr, "first-frame: cannot start %s: %s\n", options.program[0],
                     std::strerror(errno));
        _exit(127);
    }
    if (child < 0) {
        std::perror("first-frame: fork");
        return kExitChildGone;
    }
    return waitForFrame(watch, child, start, options.timeoutMs);
}
