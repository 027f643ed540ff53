// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <csignal>

// Last: Xlib defines macros (KeyPress, FocusIn, None ...) that clash with names in Qt's headers.
#include "support/program_process.h"

#include <X11/Xatom.h>

using namespace Qt::Literals::StringLiterals;

QList<Window> visibleWindowsOf(Display* display, qint64 pid)
{
    QList<Window> found;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return found;
    }
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[i], &attributes) == 0 ||
            attributes.map_state != IsViewable) {
            continue;
        }
        Atom type = 0;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type,
                               &format, &items, &after, &data) == Success &&
            data != nullptr) {
            if (items == 1 && format == 32 &&
                static_cast<qint64>(*reinterpret_cast<unsigned long*>(data)) == pid) {
                found.append(children[i]);
            }
            XFree(data);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return found;
}

void sendCloseRequest(Display* display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

bool catchesEndSignals(qint64 pid)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) { // the caught signals, one bit each
            bool ok = false;
            const qulonglong mask = line.mid(7).trimmed().toULongLong(&ok, 16);
            const qulonglong wanted = (1ULL << (SIGTERM - 1)) | (1ULL << (SIGINT - 1));
            return ok && (mask & wanted) == wanted;
        }
    }
    return false;
}

QString unexpectedOutput(const QByteArray& stderrBytes)
{
    static const QRegularExpression kNotice(
        u"^QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '[^']*'$"_s);
    QStringList rest;
    for (const QString& line : QString::fromLocal8Bit(stderrBytes).split(u'\n')) {
        if (!line.isEmpty() && !kNotice.match(line).hasMatch()) {
            rest.append(line);
        }
    }
    return rest.join(u'\n');
}
