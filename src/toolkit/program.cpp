// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "toolkit/program.h"

#include "toolkit/platform.h"
#include "toolkit/timer.h"

#include <QApplication>
#include <QWidget>

namespace tk {

namespace {

bool ended = false;
std::function<void()> exitForTests;

bool isInputEvent(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

// Sees every event of the application before its receiver: after the end of the run it lets
// no input through.
class ProgramEventFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        return ended && isInputEvent(event);
    }
};

void installProgramEventFilter()
{
    static ProgramEventFilter* filter = nullptr;
    if (filter == nullptr && qApp != nullptr) {
        filter = new ProgramEventFilter(qApp);
        qApp->installEventFilter(filter);
    }
}

void EndProgram()
{
    ended = true;
    Timer::stopAll();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    if (exitForTests) {
        exitForTests();
    } else {
        platform::leaveProgram();
    }
}

bool programHasEnded()
{
    return ended;
}

void setProgramExitForTests(std::function<void()> exit)
{
    exitForTests = std::move(exit);
    ended = false;
}

} // namespace tk
