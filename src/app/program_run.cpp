#include "app/program_run.h"

#include "app/screen_directory.h"
#include "toolkit/program.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QStyleHints>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

std::array<int, 2> signalPipe{-1, -1};

void onTerminationSignal(int /*signal*/)
{
    const char byte = 1;
    // Only async-signal-safe calls here; a full pipe means an end is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

// Whether Qt can open a window here; without one, the toolkit would abort.
bool hasDisplay()
{
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
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

void setProgramIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("placevalue"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PLACEVALUE_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("placevalue"));
}

void setUpApplication()
{
    setProgramIdentity();
    QApplication::setQuitOnLastWindowClosed(false);
    // A steady caret: a blinking one wakes the program and repaints the answer box twice a
    // second for as long as the pupil thinks, and the answer box is the program's only caret.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

void routeTerminationSignalsToEnd()
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
        tk::EndProgram();
    });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

int runPlaceValueProgram(int argc, char** argv)
{
    if (!hasDisplay() && !asksForPlatform(argc, argv)) {
        std::fputs("placevalue: no display found (DISPLAY is not set); the screens can still be "
                   "rendered to PNG files with 'make screenshots'.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    setUpApplication();
    routeTerminationSignalsToEnd();

    ScreenDirectory screens;
    screens.start();
    return QApplication::exec();
}
