#include "toolkit/program.h"

#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QApplication>
#include <QKeyEvent>

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

// The character code a key press carries, or -1 for keys that carry none (arrows, shift ...).
int characterCode(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty() || text.front().unicode() < 0x20 || text.front().unicode() == 0x7f) {
        return -1;
    }
    return text.front().unicode();
}

} // namespace

// Sees every event of the application before its receiver.
class ProgramEventFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (ended) {
            return isInputEvent(event); // after the end nothing reaches the screens
        }
        if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
            previewKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
        }
        return false;
    }

private:
    static void previewKey(QWidget* receiver, const QKeyEvent* event)
    {
        auto* screen = qobject_cast<Screen*>(receiver->window());
        if (screen == nullptr) {
            return;
        }
        // A key the focused control ignores travels on to its parents and passes here again:
        // only its first receiver counts.
        QWidget* focus = QApplication::focusWidget();
        QWidget* firstReceiver = (focus != nullptr && focus->window() == screen) ? focus : screen;
        if (receiver != firstReceiver) {
            return;
        }
        if (!screen->keyPreview() && receiver != screen) {
            return;
        }
        const int code = characterCode(event);
        if (code >= 0) {
            screen->keyPress(code);
        }
    }
};

void InstallProgramEventFilter()
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
        QCoreApplication::exit(0);
    }
}

bool ProgramHasEnded()
{
    return ended;
}

void SetProgramExitForTests(std::function<void()> exit)
{
    exitForTests = std::move(exit);
    ended = false;
}

} // namespace tk
