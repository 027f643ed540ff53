// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The on-screen keyboard in a browser. A browser shows it for a focused text field of the page,
// so a field of the page, out of sight, stands in for the text box that has the focus. Its key
// presses go on to the canvas, where Qt takes them as usual; what Qt leaves, an on-screen
// keyboard's or an input method's typing, reaches the field as text and goes on to the text box
// as key presses, one character at a time.

#include "toolkit/platform_web.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <array>
#include <string>
#include <utility>

namespace tk::platform::web {

namespace {

using emscripten::val;

val keyboardField = val::undefined();

// Plain text, nothing corrected or completed: the pupil types a number.
constexpr std::array<std::pair<const char*, const char*>, 8> kKeyboardFieldAttributes{{
    {"type", "text"},
    {"autocomplete", "off"},
    {"autocorrect", "off"},
    {"autocapitalize", "off"},
    {"spellcheck", "false"},
    {"enterkeyhint", "done"},
    {"aria-hidden", "true"},
    {"tabindex", "-1"},
}};

void sendKey(int key, const QString& text)
{
    QWindow* window = QGuiApplication::focusWindow();
    if (window == nullptr) {
        return;
    }
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, QEvent::KeyPress, key, Qt::NoModifier, text);
    QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
        window, QEvent::KeyRelease, key, Qt::NoModifier, text);
}

void typeText(const QString& text)
{
    for (const char32_t character : text.toUcs4()) {
        sendKey(Qt::Key_unknown, QString::fromUcs4(&character, 1));
    }
}

void clearKeyboardField()
{
    keyboardField.set("value", std::string());
}

} // namespace

void onKeyboardFieldInput(val event)
{
    if (event["isComposing"].as<bool>()) {
        return; // the word is typed when its composition ends
    }
    const std::string inputType =
        event["inputType"].as<bool>() ? event["inputType"].as<std::string>() : std::string();
    if (inputType == "deleteContentBackward") {
        sendKey(Qt::Key_Backspace, QString());
    } else if (inputType == "insertLineBreak" || inputType == "insertParagraph") {
        sendKey(Qt::Key_Return, QStringLiteral("\r"));
    } else if (event["data"].isString()) {
        typeText(QString::fromStdString(event["data"].as<std::string>()));
    }
    clearKeyboardField();
}

void onKeyboardFieldCompositionEnd(val event)
{
    if (event["data"].isString()) {
        typeText(QString::fromStdString(event["data"].as<std::string>()));
    }
    clearKeyboardField();
}

// A key pressed in the field: Qt sees it on the canvas first; a key Qt takes types nothing into
// the field.
void onKeyboardFieldKey(val event)
{
    val copy = val::global("KeyboardEvent").new_(event["type"], event);
    if (!pageCanvas().call<bool>("dispatchEvent", copy)) {
        event.call<void>("preventDefault");
    }
}

// A press on the canvas would take the page's focus from the field and close the keyboard.
void onCanvasMouseDown(val event)
{
    if (val::global("document")["activeElement"] == keyboardField) {
        event.call<void>("preventDefault");
    }
}

void makeKeyboardField()
{
    val document = val::global("document");
    keyboardField = document.call<val>("createElement", std::string("input"));
    for (const auto& [name, value] : kKeyboardFieldAttributes) {
        keyboardField.call<void>("setAttribute", std::string(name), std::string(value));
    }
    keyboardField.set("style", std::string("position:fixed;left:0;top:0;width:1px;height:1px;"
                                           "opacity:0;border:0;padding:0;font-size:16px"));
    document["body"].call<void>("appendChild", keyboardField);
    for (const char* type : {"keydown", "keyup"}) {
        keyboardField.call<void>("addEventListener", std::string(type),
                                 val::module_property("placevalueKeyboardFieldKey"));
    }
    keyboardField.call<void>("addEventListener", std::string("input"),
                             val::module_property("placevalueKeyboardFieldInput"));
    keyboardField.call<void>("addEventListener", std::string("compositionend"),
                             val::module_property("placevalueKeyboardFieldCompositionEnd"));
    pageCanvas().call<void>("addEventListener", std::string("mousedown"),
                            val::module_property("placevalueCanvasMouseDown"));
}

bool takesText(const QWidget* widget)
{
    return widget != nullptr && widget->testAttribute(Qt::WA_InputMethodEnabled);
}

void focusKeyboardField(bool on)
{
    val options = val::object();
    options.set("preventScroll", true);
    if (on) {
        keyboardField.call<void>("focus", options);
    } else if (val::global("document")["activeElement"] == keyboardField) {
        pageCanvas().call<void>("focus", options);
    }
}

} // namespace tk::platform::web
