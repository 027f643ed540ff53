// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "watched_process.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

WatchedProcess::WatchedProcess(const std::string& path)
    : start_(Clock::now())
{
    pid_ = ::fork();
    if (pid_ == 0) {
        ::execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    if (pid_ < 0) {
        throw std::runtime_error("fork failed");
    }
}

WatchedProcess::~WatchedProcess()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
}

double WatchedProcess::millisecondsSinceStart() const
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
}

long WatchedProcess::peakResidentKiB() const
{
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    throw std::runtime_error("no VmHWM for the process");
}

std::string WatchedProcess::residentParts() const
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

std::map<std::string, WatchedProcess::ThreadUse> WatchedProcess::threadUse() const
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
