// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser: Qt's WebAssembly platform draws every screen on one canvas of the page, which is
// the program's desktop. The design area fills the view (platform_web_view.cpp); a text field of
// the page brings up the on-screen keyboard for the focused text box (platform_web_keyboard.cpp);
// the end of the run hands the tab to a page that says so. Faces compiled in.

#include "toolkit/platform_web.h"
#include "toolkit/platform.h"

#include "toolkit/compiled_faces.h"
#include "toolkit/touch_mode.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <emscripten/bind.h>

#include <string>

namespace tk::platform {

namespace {

using emscripten::val;

// Where the page goes when the program ends (a file of the site, kept by its service worker).
const char* const kEndedPage = "ended.html";

// Sees the application's events: a screen keeps its designed size and place (Qt's browser
// platform would show every window full-screen), the design area moves once a touch, a mouse or
// a key has changed touch mode (platform_web_view.cpp), a press on the focused text box brings
// the keyboard back after the pupil closed it (unless the pupil works by touch, with the
// program's own keypad), and the first screen painted leaves a mark in the page's performance
// timeline, by which its load time is measured.
class DeviceAdapter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
            web::refitWhenTouchModeMoves();
            break;
        default:
            break;
        }
        if (!watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::WindowStateChange:
            if (widget->isWindow() &&
                (widget->windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized)) != 0) {
                widget->setWindowState(Qt::WindowNoState);
            }
            break;
        case QEvent::MouseButtonRelease:
            if (web::takesText(widget) && widget->hasFocus() && !TouchMode::instance().isOn()) {
                web::focusKeyboardField(true);
            }
            break;
        case QEvent::Paint:
            if (!firstFramePainted_ && widget->isWindow() && !web::isBackdrop(widget)) {
                firstFramePainted_ = true;
                // After this paint the canvas is drawn at the next animation frame.
                QTimer::singleShot(0, this, [] {
                    val::global("window").call<void>(
                        "requestAnimationFrame", val::module_property("placevalueMarkFirstFrame"));
                });
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool firstFramePainted_ = false;
};

// The device's own keyboard comes up for a focused text box, but not while the program is worked
// by touch: its keypad types then.
void raiseKeyboardAsFocusAsks()
{
    web::focusKeyboardField(web::takesText(QApplication::focusWidget()) &&
                            !TouchMode::instance().isOn());
}

void markFirstFrame(val /*time*/)
{
    val::global("performance").call<void>("mark", std::string("placevalue-first-frame"));
}

} // namespace

bool canShowWindows(int /*argc*/, char** /*argv*/)
{
    return true;
}

void routeEndRequestsToEndProgram()
{
    // A tab that is closed takes the program with it: there is nothing to route.
}

void adaptToDevice()
{
    static DeviceAdapter* adapter = nullptr;
    if (adapter != nullptr || qApp == nullptr) {
        return;
    }
    adapter = new DeviceAdapter(qApp);
    qApp->installEventFilter(adapter);
    web::makeKeyboardField();
    web::takeTheMouse();
    QObject::connect(qApp, &QApplication::focusChanged, adapter, &raiseKeyboardAsFocusAsks);
    QObject::connect(&TouchMode::instance(), &TouchMode::changed, adapter,
                     &raiseKeyboardAsFocusAsks);
    val fit = val::module_property("placevalueFitToViewport");
    val::global("window").call<void>("addEventListener", std::string("resize"), fit);
    const val viewport = val::global("window")["visualViewport"];
    if (viewport.as<bool>()) {
        viewport.call<void>("addEventListener", std::string("resize"), fit);
    }
    // A mouse plugged into a tablet, or a tablet mode turned on or off, changes the pointer.
    val::global("window")
        .call<val>("matchMedia", std::string("(pointer: coarse)"))
        .call<void>("addEventListener", std::string("change"), fit);
    web::fitToViewport(val::undefined());
    web::showBackdrop();
}

void leaveProgram()
{
    // Leaving the page ends everything of the program in it; the ended page takes its place in
    // the tab's history, so Back does not lead to a program that has ended.
    val::global("location").call<void>("replace", std::string(kEndedPage));
}

void installFaces()
{
    registerCompiledFaces();
}

bool facesComeWithTheProgram()
{
    return true;
}

// A page has no command line.
QStringList commandLineArguments(int /*argc*/, char** /*argv*/)
{
    return {};
}

void attachToStartingConsole() {}

void makeStandardOutputBinary() {}

void announceToScreenReader(QObject* /*focused*/, const QString& /*text*/) {}

// No dialog of Qt's is shown in the browser.
QString qtTranslationsFolder()
{
    return {};
}

} // namespace tk::platform

emscripten::val tk::platform::web::pageCanvas()
{
    return emscripten::val::module_property("qtContainerElements")[0];
}

EMSCRIPTEN_BINDINGS(placevalue_platform)
{
    using namespace tk::platform;
    emscripten::function("placevalueFitToViewport", &web::fitToViewport);
    emscripten::function("placevalueKeyboardFieldKey", &web::onKeyboardFieldKey);
    emscripten::function("placevalueKeyboardFieldInput", &web::onKeyboardFieldInput);
    emscripten::function("placevalueKeyboardFieldCompositionEnd",
                         &web::onKeyboardFieldCompositionEnd);
    emscripten::function("placevalueCanvasMouseDown", &web::onCanvasMouseDown);
    emscripten::function("placevaluePageMouse", &web::onPageMouse);
    emscripten::function("placevalueMarkFirstFrame", &markFirstFrame);
}
