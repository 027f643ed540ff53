// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A program started for a measurement: timed from just before fork(), read through /proc while it
// runs, and terminated (SIGTERM, then waited for) when the object goes.

#include <chrono>
#include <map>
#include <string>
#include <sys/types.h>

class WatchedProcess {
public:
    using Clock = std::chrono::steady_clock;

    explicit WatchedProcess(const std::string& path);
    ~WatchedProcess();
    WatchedProcess(const WatchedProcess&) = delete;
    WatchedProcess& operator=(const WatchedProcess&) = delete;

    Clock::time_point start() const { return start_; }
    double millisecondsSinceStart() const;

    // Peak resident memory so far, in KiB.
    long peakResidentKiB() const;
    // The resident memory now, split by kind (anonymous, file, shared), for a log line.
    std::string residentParts() const;

    // Per thread (by id and name): CPU time in nanoseconds and context switches (wake-ups).
    struct ThreadUse {
        long long cpuNs = 0;
        long long wakeups = 0;
    };
    std::map<std::string, ThreadUse> threadUse() const;

private:
    pid_t pid_ = -1;
    Clock::time_point start_;
};
