// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs programs on an X display (Xvfb) and watches their windows through the X server, the way
// a pupil's screen would see them:
//
//   window_probe startup RUNS PROGRAM REFERENCE
//       Starts PROGRAM and REFERENCE alternately, RUNS times each. For every run: the time
//       from just before the process is started until its first window is mapped (MapNotify
//       on the root window) and until that window's whole area has been drawn into (Damage
//       events of the window cover every pixel of it). PROGRAM then gets a full tour (menu,
//       each activity with a few answers, back to the menu), REFERENCE a short settle; then
//       the peak resident memory of the process (VmHWM) is read and the process terminated.
//   window_probe first-frame RUNS PROGRAM REFERENCE
//       The same without the tour (for programs under Wine, whose memory is not the program's).
//   window_probe idle SECONDS PROGRAM REFERENCE
//       CPU time and wake-ups of every thread of the process over SECONDS while it waits for
//       input: REFERENCE on its window; PROGRAM on the menu, on each activity and on the
//       reading practice.
//
// Input comes in through XTest, as from a real mouse and keyboard. No window manager runs:
// the probe gives each new screen the input focus, as one would.

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Fail : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One top-level window of the watched process, with the pixels drawn into it since its last
// map.
struct WatchedWindow {
    Damage damage = 0;
    int width = 0;
    int height = 0;
    std::vector<bool> drawn;
    long drawnCount = 0;

    bool fullyDrawn() const { return width > 0 && drawnCount == static_cast<long>(width) * height; }

    void mark(int x, int y, int w, int h)
    {
        for (int row = std::max(0, y); row < std::min(height, y + h); ++row) {
            for (int col = std::max(0, x); col < std::min(width, x + w); ++col) {
                const size_t cell = static_cast<size_t>(row) * width + col;
                if (!drawn[cell]) {
                    drawn[cell] = true;
                    ++drawnCount;
                }
            }
        }
    }
};

class Display {
public:
    Display()
        : display_(XOpenDisplay(nullptr))
    {
        if (display_ == nullptr) {
            throw Fail("cannot open the X display (is DISPLAY set?)");
        }
        int errorBase = 0;
        int major = 0;
        int minor = 0;
        int opcode = 0;
        if (XDamageQueryExtension(display_, &damageEventBase_, &errorBase) == 0 ||
            XTestQueryExtension(display_, &opcode, &errorBase, &major, &minor) == 0) {
            throw Fail("the X server lacks the Damage or the XTest extension");
        }
        // A window may be gone before the probe's request for it arrives (Qt makes and drops
        // helper windows at start): such errors are expected and ignored.
        XSetErrorHandler([](::Display* /*display*/, XErrorEvent* /*error*/) { return 0; });
        root_ = DefaultRootWindow(display_);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
    }
    ~Display() { XCloseDisplay(display_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Forgets the windows of the last process.
    void reset()
    {
        windows_.clear();
        mapped_.clear();
    }

    // Waits for the next map of a top-level window; returns it. Throws after the timeout.
    Window waitForMap(double timeoutMs)
    {
        const Clock::time_point start = Clock::now();
        while (mapped_.empty()) {
            pump(timeoutMs - millisecondsSince(start));
            if (millisecondsSince(start) > timeoutMs) {
                throw Fail("no window was mapped in time");
            }
        }
        const Window window = mapped_.front();
        mapped_.erase(mapped_.begin());
        return window;
    }

    // Waits until every pixel of the window has been drawn into since it was mapped.
    void waitForFullFrame(Window window, double timeoutMs)
    {
        const Clock::time_point start = Clock::now();
        while (!windows_[window].fullyDrawn()) {
            pump(timeoutMs - millisecondsSince(start));
            if (millisecondsSince(start) > timeoutMs) {
                throw Fail("the window was not drawn in time");
            }
        }
    }

    // Handles the events that come within the given time.
    void idle(double ms)
    {
        const Clock::time_point start = Clock::now();
        while (millisecondsSince(start) < ms) {
            pump(ms - millisecondsSince(start));
        }
    }

    std::pair<int, int> size(Window window)
    {
        return {windows_[window].width, windows_[window].height};
    }

    // Gives the window the input focus, as a window manager does with a new window.
    void focus(Window window)
    {
        XSetInputFocus(display_, window, RevertToParent, CurrentTime);
        XSync(display_, False);
    }

    void click(Window window, int x, int y)
    {
        moveTo(window, x, y);
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
        XSync(display_, False);
    }

    void moveTo(Window window, int x, int y)
    {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window, &attributes);
        XTestFakeMotionEvent(display_, DefaultScreen(display_), attributes.x + x, attributes.y + y,
                             CurrentTime);
        XSync(display_, False);
    }

    void key(KeySym symbol)
    {
        const KeyCode code = XKeysymToKeycode(display_, symbol);
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        XSync(display_, False);
    }

    void type(const std::string& text)
    {
        for (const char c : text) {
            key(c == '.' ? XK_period : static_cast<KeySym>(XK_0 + (c - '0')));
        }
    }

private:
    void pump(double timeoutMs)
    {
        if (XPending(display_) == 0) {
            pollfd descriptor{ConnectionNumber(display_), POLLIN, 0};
            const int wait = static_cast<int>(std::max(0.0, timeoutMs));
            if (::poll(&descriptor, 1, wait) <= 0) {
                return;
            }
        }
        while (XPending(display_) > 0) {
            XEvent event{};
            XNextEvent(display_, &event);
            handle(event);
        }
    }

    void handle(const XEvent& event)
    {
        if (event.type == CreateNotify && event.xcreatewindow.parent == root_) {
            // The damage record is made when the window is made, well before it can be mapped
            // and drawn, so no drawing is missed.
            WatchedWindow& window = windows_[event.xcreatewindow.window];
            window.damage =
                XDamageCreate(display_, event.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (event.type == MapNotify && event.xmap.event == root_) {
            const auto found = windows_.find(event.xmap.window);
            if (found == windows_.end()) {
                return;
            }
            XWindowAttributes attributes{};
            XGetWindowAttributes(display_, event.xmap.window, &attributes);
            WatchedWindow& window = found->second;
            window.width = attributes.width;
            window.height = attributes.height;
            window.drawn.assign(static_cast<size_t>(window.width) * window.height, false);
            window.drawnCount = 0;
            mapped_.push_back(event.xmap.window);
        } else if (event.type == damageEventBase_ + XDamageNotify) {
            const auto& notify = reinterpret_cast<const XDamageNotifyEvent&>(event);
            const auto found = windows_.find(notify.drawable);
            if (found != windows_.end() && found->second.width > 0) {
                found->second.mark(notify.area.x, notify.area.y, notify.area.width,
                                   notify.area.height);
            }
        }
    }

    ::Display* display_;
    Window root_ = 0;
    int damageEventBase_ = 0;
    std::map<Window, WatchedWindow> windows_;
    std::vector<Window> mapped_;
};

// A process of the program under test.
class Process {
public:
    explicit Process(const std::string& path)
        : start_(Clock::now())
    {
        pid_ = ::fork();
        if (pid_ == 0) {
            ::execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
            std::_Exit(127);
        }
        if (pid_ < 0) {
            throw Fail("fork failed");
        }
    }
    ~Process()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    Clock::time_point start() const { return start_; }

    // Peak resident memory so far, in KiB.
    long peakResidentKiB() const
    {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("VmHWM:", 0) == 0) {
                return std::stol(line.substr(6));
            }
        }
        throw Fail("no VmHWM for the process");
    }

    // The resident memory now, split by kind, for the tour's log.
    std::string residentParts() const
    {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string line;
        std::string parts;
        while (std::getline(status, line)) {
            if (line.rfind("RssAnon:", 0) == 0 || line.rfind("RssFile:", 0) == 0 ||
                line.rfind("RssShmem:", 0) == 0) {
                std::istringstream fields(line);
                std::string name;
                long kib = 0;
                fields >> name >> kib;
                parts += "  " + name + " " + std::to_string(kib / 1024) + " MiB";
            }
        }
        return parts;
    }

    // Per thread: CPU time in nanoseconds and context switches (wake-ups).
    struct ThreadUse {
        long long cpuNs = 0;
        long long wakeups = 0;
    };
    std::map<std::string, ThreadUse> threadUse() const
    {
        std::map<std::string, ThreadUse> use;
        const std::string tasks = "/proc/" + std::to_string(pid_) + "/task";
        for (const auto& task : std::filesystem::directory_iterator(tasks)) {
            std::ifstream comm(task.path() / "comm");
            std::string name;
            std::getline(comm, name);
            ThreadUse& thread = use[task.path().filename().string() + " " + name];
            std::ifstream schedstat(task.path() / "schedstat");
            schedstat >> thread.cpuNs;
            std::ifstream status(task.path() / "status");
            std::string line;
            while (std::getline(status, line)) {
                if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
                    line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
                    thread.wakeups += std::stoll(line.substr(line.find(':') + 1));
                }
            }
        }
        return use;
    }

private:
    pid_t pid_ = -1;
    Clock::time_point start_;
};

constexpr double kTimeoutMs = 10000;

// Positions on the screens, in window pixels (the designed twips / 15).
struct Point {
    int x;
    int y;
};
constexpr Point kMenuWrite{580, 354};
constexpr Point kMenuChoose{219, 362};
constexpr Point kMenuReading{401, 114};
constexpr Point kWriteAnswerBox{396, 376};
constexpr Point kWriteButton{128, 384};
constexpr Point kWriteReturn{234, 562};
constexpr Point kChooseThousandths{668, 380};
constexpr Point kChooseHundredths{412, 380};
constexpr Point kChooseReturn{258, 562};
constexpr Point kReadingReturn{218, 522};

// Waits for the next screen to be mapped and drawn and gives it the focus.
Window nextScreen(Display& display, int expectedWidth)
{
    const Window window = display.waitForMap(kTimeoutMs);
    display.waitForFullFrame(window, kTimeoutMs);
    if (display.size(window).first != expectedWidth) {
        throw Fail("an unexpected window was mapped (width " +
                   std::to_string(display.size(window).first) + ")");
    }
    display.focus(window);
    return window;
}

Window openFrom(Display& display, Window from, Point entry, int expectedWidth)
{
    display.click(from, entry.x, entry.y);
    return nextScreen(display, expectedWidth);
}

constexpr double kFeedbackWaitMs = 3300; // the feedback shows for three seconds
constexpr double kSettleMs = 300;

// Splash, menu, every activity with a few answers, back to the menu.
void tour(Display& display, const Process& process)
{
    const auto stage = [&](const char* name) {
        std::fprintf(stderr, "    %-16s peak %6.1f MiB %s\n", name,
                     static_cast<double>(process.peakResidentKiB()) / 1024.0,
                     process.residentParts().c_str());
    };
    stage("splash");
    const Window menu = nextScreen(display, 800); // after the splash's three seconds
    stage("menu");

    const Window write = openFrom(display, menu, kMenuWrite, 800);
    for (const char* answer : {"0.5", "0.05"}) {
        display.click(write, kWriteAnswerBox.x, kWriteAnswerBox.y);
        display.type(answer);
        display.click(write, kWriteButton.x, kWriteButton.y);
        display.idle(kFeedbackWaitMs);
    }
    stage("write exercise");
    openFrom(display, write, kWriteReturn, 800);

    const Window choose = openFrom(display, menu, kMenuChoose, 800);
    for (const Point candidate : {kChooseThousandths, kChooseHundredths}) {
        display.moveTo(choose, candidate.x, candidate.y);
        display.click(choose, candidate.x, candidate.y);
        display.idle(kFeedbackWaitMs);
    }
    stage("choose exercise");
    openFrom(display, choose, kChooseReturn, 800);

    const Window reading = openFrom(display, menu, kMenuReading, 792);
    for (int i = 0; i < 5; ++i) {
        display.key(XK_Return);
        display.idle(100);
    }
    stage("reading practice");
    openFrom(display, reading, kReadingReturn, 800);
    display.idle(kSettleMs);
    stage("menu again");
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Samples {
    std::vector<double> mapMs;
    std::vector<double> paintMs;
    std::vector<double> peakMiB;
};

void measureStartup(Display& display, const std::string& path, bool withTour, Samples& samples)
{
    display.reset();
    Process process(path);
    const Window window = display.waitForMap(kTimeoutMs);
    const double mapped = millisecondsSince(process.start());
    display.waitForFullFrame(window, kTimeoutMs);
    const double painted = millisecondsSince(process.start());
    display.focus(window);
    if (withTour) {
        const Clock::time_point tourStart = Clock::now();
        tour(display, process);
        std::fprintf(stderr, "  tour took %.1f s\n", millisecondsSince(tourStart) / 1000);
    } else {
        display.idle(kSettleMs);
    }
    samples.mapMs.push_back(mapped);
    samples.paintMs.push_back(painted);
    samples.peakMiB.push_back(static_cast<double>(process.peakResidentKiB()) / 1024.0);
    std::fprintf(stderr, "  %-10s mapped %6.1f ms  painted %6.1f ms  peak %6.1f MiB\n",
                 withTour ? "program" : "reference", mapped, painted, samples.peakMiB.back());
}

int startup(int runs, const std::string& program, const std::string& reference, bool withTour)
{
    Display display;
    Samples ours;
    Samples bare;
    for (int run = 0; run < runs; ++run) {
        std::fprintf(stderr, "run %d of %d\n", run + 1, runs);
        measureStartup(display, program, withTour, ours);
        measureStartup(display, reference, false, bare);
    }
    std::printf("# runs: %d each, alternating\n", runs);
    std::printf("%-28s %10s %10s %7s\n", "median", "program", "reference", "ratio");
    const auto row = [](const char* name, const std::vector<double>& a,
                        const std::vector<double>& b) {
        std::printf("%-28s %10.1f %10.1f %7.2f\n", name, median(a), median(b),
                    median(a) / median(b));
    };
    row("start to window mapped, ms", ours.mapMs, bare.mapMs);
    row("start to first frame, ms", ours.paintMs, bare.paintMs);
    row("peak resident memory, MiB", ours.peakMiB, bare.peakMiB);
    return 0;
}

constexpr double kIdleSettleMs = 1000;

// CPU time (ms) and wake-ups over the given seconds.
void measureIdle(Display& display, const Process& process, const char* what, double seconds)
{
    display.idle(kIdleSettleMs); // let the screen settle
    const auto before = process.threadUse();
    display.idle(seconds * 1000);
    // Threads that ended meanwhile are not counted; threads that began are counted whole.
    long long cpuNs = 0;
    long long wakeups = 0;
    for (const auto& [thread, after] : process.threadUse()) {
        const auto earlier = before.find(thread);
        const Process::ThreadUse start =
            earlier == before.end() ? Process::ThreadUse{} : earlier->second;
        cpuNs += after.cpuNs - start.cpuNs;
        wakeups += after.wakeups - start.wakeups;
        if (after.wakeups != start.wakeups) {
            std::fprintf(stderr, "  %s: thread %s woke %lld times\n", what, thread.c_str(),
                         after.wakeups - start.wakeups);
        }
    }
    std::printf("%-34s %10.2f %10lld\n", what, static_cast<double>(cpuNs) / 1e6, wakeups);
    std::fflush(stdout);
}

int idle(double seconds, const std::string& program, const std::string& reference)
{
    Display display;
    std::printf("# CPU time and thread wake-ups in %.0f s waiting for input\n", seconds);
    std::printf("%-34s %10s %10s\n", "waiting on", "CPU ms", "wake-ups");
    {
        Process bare(reference);
        const Window window = display.waitForMap(kTimeoutMs);
        display.waitForFullFrame(window, kTimeoutMs);
        display.focus(window);
        measureIdle(display, bare, "reference window", seconds);
    }
    display.reset();
    Process process(program);
    const Window splash = display.waitForMap(kTimeoutMs);
    display.waitForFullFrame(splash, kTimeoutMs);
    const Window menu = nextScreen(display, 800);
    display.moveTo(menu, 10, 10);
    measureIdle(display, process, "menu", seconds);

    const Window write = openFrom(display, menu, kMenuWrite, 800);
    display.moveTo(write, 10, 10);
    measureIdle(display, process, "write exercise, asking", seconds);
    openFrom(display, write, kWriteReturn, 800);

    const Window choose = openFrom(display, menu, kMenuChoose, 800);
    display.moveTo(choose, 10, 10);
    measureIdle(display, process, "choose exercise, asking", seconds);
    openFrom(display, choose, kChooseReturn, 800);

    const Window reading = openFrom(display, menu, kMenuReading, 792);
    display.moveTo(reading, 10, 10);
    measureIdle(display, process, "reading practice", seconds);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 4 && (args[0] == "startup" || args[0] == "first-frame")) {
            return startup(std::stoi(args[1]), args[2], args[3], args[0] == "startup");
        }
        if (args.size() == 4 && args[0] == "idle") {
            return idle(std::stod(args[1]), args[2], args[3]);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "window_probe: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr, "usage: window_probe startup RUNS PROGRAM REFERENCE\n"
                         "       window_probe first-frame RUNS PROGRAM REFERENCE\n"
                         "       window_probe idle SECONDS PROGRAM REFERENCE\n");
    return 2;
}
