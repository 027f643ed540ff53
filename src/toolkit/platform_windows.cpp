// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows: always a desktop, the session's end as a window message, faces compiled in.

#include "toolkit/platform.h"

#include "toolkit/compiled_faces.h"
#include "toolkit/program.h"

#include <QAbstractNativeEventFilter>
#include <QAccessible>
#include <QCoreApplication>

#include <cstdio>

#include <fcntl.h>
#include <io.h>

#include <windows.h>

#include <shellapi.h>

namespace tk::platform {

namespace {

// Sees every window message before Qt: the end of the session ends the run at once. Windows
// may end the process as soon as the message has been answered.
class SessionEndFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        if (eventType != "windows_generic_MSG") {
            return false;
        }
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_ENDSESSION || msg->wParam == FALSE) {
            return false;
        }
        EndProgram();
        *result = 0;
        return true;
    }
};

} // namespace

bool canShowWindows(int /*argc*/, char** /*argv*/)
{
    return true;
}

QStringList commandLineArguments(int /*argc*/, char** /*argv*/)
{
    QStringList arguments;
    int count = 0;
    LPWSTR* const words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) {
        return arguments;
    }
    for (int i = 1; i < count; ++i) {
        arguments.append(QString::fromWCharArray(words[i]));
    }
    LocalFree(static_cast<HLOCAL>(words));
    return arguments;
}

void routeEndRequestsToEndProgram()
{
    static SessionEndFilter* filter = nullptr;
    if (filter == nullptr && qApp != nullptr) {
        filter = new SessionEndFilter;
        qApp->installNativeEventFilter(filter);
    }
}

void adaptToDevice() {}

void leaveProgram()
{
    QCoreApplication::exit(0);
}

void installFaces()
{
    // No Windows PC has the faces: they are compiled in.
    registerCompiledFaces();
}

bool facesComeWithTheProgram()
{
    return true;
}

void attachToStartingConsole()
{
    // A stream the starting command redirected (to a file or a pipe) stays where it was sent.
    const auto redirected = [](DWORD stream) {
        const HANDLE handle = GetStdHandle(stream);
        return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
               GetFileType(handle) != FILE_TYPE_UNKNOWN;
    };
    const bool outputRedirected = redirected(STD_OUTPUT_HANDLE);
    const bool errorRedirected = redirected(STD_ERROR_HANDLE);
    if ((outputRedirected && errorRedirected) || !AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    if (!outputRedirected) {
        static_cast<void>(std::freopen("CONOUT$", "w", stdout));
    }
    if (!errorRedirected) {
        static_cast<void>(std::freopen("CONOUT$", "w", stderr));
    }
}

void makeStandardOutputBinary()
{
    std::fflush(stdout);
    static_cast<void>(_setmode(_fileno(stdout), _O_BINARY));
}

QString qtTranslationsFolder()
{
    return QStringLiteral(":/qt-translations");
}

void announceToScreenReader(QObject* focused, const QString& text)
{
    QAccessibleValueChangeEvent event(focused, text);
    QAccessible::updateAccessibility(&event);
}

} // namespace tk::platform
