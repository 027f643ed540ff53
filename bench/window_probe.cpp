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
// The X watcher (x_watcher.h), the process (watched_process.h) and the tour (tour.h) are apart.
// No window manager runs: the probe gives each new screen the input focus, as one would.

#include "support/design_lookup.h"
#include "tour.h"
#include "watched_process.h"
#include "x_watcher.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr double kSettleMs = 300;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Samples {
    std::vector<double> mapMs;
    std::vector<double> paintMs;
    std::vector<double> cpuMs; // CPU time of all the process's threads until the first frame
    std::vector<double> peakMiB;
};

double cpuMilliseconds(const WatchedProcess& process)
{
    long long ns = 0;
    for (const auto& [thread, use] : process.threadUse()) {
        ns += use.cpuNs;
    }
    return static_cast<double>(ns) / 1e6;
}

void measureStartup(XWatcher& display, const char* name, const std::string& path, bool withTour,
                    Samples& samples)
{
    display.reset();
    WatchedProcess process(path);
    const Window window = display.waitForMap(kTimeoutMs);
    const double mapped = process.millisecondsSinceStart();
    display.waitForFullFrame(window, kTimeoutMs);
    const double painted = process.millisecondsSinceStart();
    const double cpu = cpuMilliseconds(process);
    display.focus(window);
    if (withTour) {
        const double tourStart = process.millisecondsSinceStart();
        tour(display, process);
        std::fprintf(stderr, "  tour took %.1f s\n",
                     (process.millisecondsSinceStart() - tourStart) / 1000);
    } else {
        display.idle(kSettleMs);
    }
    samples.mapMs.push_back(mapped);
    samples.paintMs.push_back(painted);
    samples.cpuMs.push_back(cpu);
    samples.peakMiB.push_back(static_cast<double>(process.peakResidentKiB()) / 1024.0);
    std::fprintf(stderr,
                 "  %-10s mapped %6.1f ms  painted %6.1f ms  CPU %5.1f ms  peak %6.1f MiB\n", name,
                 mapped, painted, cpu, samples.peakMiB.back());
}

int startup(int runs, const std::string& program, const std::string& reference, bool withTour)
{
    XWatcher display;
    Samples ours;
    Samples bare;
    for (int run = 0; run < runs; ++run) {
        std::fprintf(stderr, "run %d of %d\n", run + 1, runs);
        measureStartup(display, "program", program, withTour, ours);
        measureStartup(display, "reference", reference, false, bare);
    }
    std::printf("# runs: %d each, alternating\n", runs);
    std::printf("%-28s %10s %10s %7s\n", "median", "program", "reference", "ratio");
    const auto row = [](const char* name, const std::vector<double>& a,
                        const std::vector<double>& b) {
        std::printf("%-28s %10.1f %10.1f %7.3f\n", name, median(a), median(b),
                    median(a) / median(b));
    };
    row("start to window mapped, ms", ours.mapMs, bare.mapMs);
    row("start to first frame, ms", ours.paintMs, bare.paintMs);
    // CPU time hardly depends on what else the machine runs: a check on the two rows above.
    row("CPU time to first frame, ms", ours.cpuMs, bare.cpuMs);
    row("peak resident memory, MiB", ours.peakMiB, bare.peakMiB);
    return 0;
}

constexpr double kIdleSettleMs = 1000;

// CPU time (ms) and wake-ups over the given seconds.
void measureIdle(XWatcher& display, const WatchedProcess& process, const char* what, double seconds)
{
    display.idle(kIdleSettleMs); // let the screen settle
    const auto before = process.threadUse();
    display.idle(seconds * 1000);
    // Threads that ended meanwhile are not counted; threads that began are counted whole.
    long long cpuNs = 0;
    long long wakeups = 0;
    for (const auto& [thread, after] : process.threadUse()) {
        const auto earlier = before.find(thread);
        const WatchedProcess::ThreadUse start =
            earlier == before.end() ? WatchedProcess::ThreadUse{} : earlier->second;
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
    XWatcher display;
    std::printf("# CPU time and thread wake-ups in %.0f s waiting for input\n", seconds);
    std::printf("%-34s %10s %10s\n", "waiting on", "CPU ms", "wake-ups");
    {
        WatchedProcess bare(reference);
        const Window window = display.waitForMap(kTimeoutMs);
        display.waitForFullFrame(window, kTimeoutMs);
        display.focus(window);
        measureIdle(display, bare, "reference window", seconds);
    }
    display.reset();
    WatchedProcess process(program);
    const Window splash = display.waitForMap(kTimeoutMs);
    display.waitForFullFrame(splash, kTimeoutMs);
    const Window menu = nextScreen(display, design::kMenu);
    display.moveTo(menu, 10, 10);
    measureIdle(display, process, "menu", seconds);
    // Each screen the menu opens, waiting for input, and back to the menu.
    for (const design::Window& window : design::kWindows) {
        if (design::findClick(design::kMenu, window.screen) == nullptr) {
            continue; // the splash screen and the menu itself
        }
        const Window opened = openFrom(display, menu, design::kMenu, window.screen);
        display.moveTo(opened, 10, 10);
        measureIdle(display, process, window.screen, seconds);
        openFrom(display, opened, window.screen, design::kMenu);
    }
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
