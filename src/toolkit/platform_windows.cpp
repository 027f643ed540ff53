// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows: always a desktop, the session's end as a window message, faces compiled in.

#include "toolkit/platform.h"

#include "toolkit/compiled_faces.h"
#include "toolkit/program.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <cstdio>

#include <windows.h>

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

void attachToStartingConsole()
{
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        static_cast<void>(std::freopen("CONOUT$", "w", stdout));
        static_cast<void>(std::freopen("CONOUT$", "w", stderr));
    }
}

} // namespace tk::platform
