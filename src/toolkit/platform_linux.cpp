// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Linux: X11 or Wayland, POSIX signals, faces from the system's font packages.

#include "toolkit/platform.h"

#include "toolkit/program.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <cstdlib>
#include <sys/socket.h>
#include <unistd.h>

namespace tk::platform {

namespace {

std::array<int, 2> signalPipe{-1, -1};

void onTerminationSignal(int /*signal*/)
{
    const char byte = 1;
    // Only async-signal-safe calls here; a full pipe means an end is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

bool isSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

bool asksForPlatform(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform") {
            return true;
        }
    }
    return false;
}

} // namespace

bool canShowWindows(int argc, char** argv)
{
    // Without a display Qt's xcb platform would abort the program.
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") ||
           asksForPlatform(argc, argv);
}

void routeEndRequestsToEndProgram()
{
    if (signalPipe[0] >= 0) {
        return;
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe.data()) !=
        0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        std::array<char, 16> drain{};
        while (::read(signalPipe[1], drain.data(), drain.size()) > 0) {
        }
        EndProgram();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void adaptToDevice() {}

void leaveProgram()
{
    QCoreApplication::exit(0);
}

void installFaces()
{
    // Amiri, Noto Naskh Arabic and Noto Sans come from Debian's font packages.
}

bool facesComeWithTheProgram()
{
    return false;
}

QStringList commandLineArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

void attachToStartingConsole() {}

void makeStandardOutputBinary() {}

void announceToScreenReader(QObject* /*focused*/, const QString& /*text*/) {}

QString qtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace tk::platform
