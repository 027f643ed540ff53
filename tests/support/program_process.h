// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Watching the built program as a process: its windows on an X display, the close request a
// window manager sends, whether it catches the end signals yet, and what it wrote to stderr.

#include <QByteArray>
#include <QList>
#include <QString>

// Xlib's macros clash with names in Qt's headers: include this header after them.
#include <X11/Xlib.h>

// The program's top-level windows that are mapped, found through its process id.
QList<Window> visibleWindowsOf(Display* display, qint64 pid);

// What a window manager sends when the user closes a window.
void sendCloseRequest(Display* display, Window window);

// Whether the process has its SIGTERM and SIGINT handlers in place.
bool catchesEndSignals(qint64 pid);

// Stderr without Qt's notice about a missing runtime directory, which is harmless.
QString unexpectedOutput(const QByteArray& stderrBytes);
