// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A screen: a borderless top-level window of fixed size, designed in twips.

#include "core/colour_value.h"

#include <QPointer>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;

namespace tk {

class Announcement;
class Label;

enum class Placement { CentredOnScreen, SystemDefault };

struct ScreenDesign {
    QString name;         // the screen's name, also its objectName
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    core::ColourValue background = 0;
    Placement placement = Placement::SystemDefault;
};

// Character codes of the two keys the screens act on (Ctrl+M and Ctrl+[ produce them too).
inline constexpr int kEnterKey = 13;
inline constexpr int kEscKey = 27;

class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(const ScreenDesign& design);

    // With key preview on, keyPress sees every key press before the focused control.
    void setKeyPreview(bool on) { keyPreview_ = on; }
    bool keyPreview() const { return keyPreview_; }
    bool isLoaded() const { return loaded_; }

    // The first show runs load() before the window becomes visible; hiding gives the window's
    // pixel buffer back (it shrinks to kReleasedPixels) until the next show. Shown, the screen
    // activates its window (it takes the keyboard, as a shown window does on Windows) with the
    // focus on its first focus, or where it was when it was hidden.
    void setVisible(bool visible) override;
    static constexpr QSize kReleasedPixels{0, 0};

    // Mouse contract: the screen routes every mouse event that reaches its background or one of
    // its labels (a label forwards its own) to what reacts at the event's point: a clickable
    // label whose reacting box holds the point, else the topmost control there (a label by its
    // reacting box, another control by its area), else the background. A label clicks when the
    // left button is pressed and released in its reacting box; a release goes where its press
    // went; the second press of a double-click is no press, unless a finger gave it (two taps).
    // Shapes never react. A tap is a click that a finger gave: the label raises tapped() too.
    void routeMouse(QWidget& receiver, QMouseEvent& event);

    // Keyboard contract: Tab, Shift+Tab and the arrow keys (tk::focusStepOf) move the focus
    // through these controls in this order, round and round, skipping hidden ones; labels among
    // them take the focus from the keyboard alone, never from a click. When the screen is first
    // shown the focus goes to `first`, or else to the screen itself, where no key presses a
    // control. A screen without an order takes no focus from the keyboard.
    void setFocusOrder(const QList<QWidget*>& order, QWidget* first = nullptr);
    QWidget* firstFocus() const { return firstFocus_; }

    // Tells a screen reader news on this screen (a verdict, a new question) at once, wherever the
    // focus is, through the screen's announcement (tk::Announcement). A hidden screen says
    // nothing.
    void announce(const QString& news);
    const Announcement& announcement() const { return *announcement_; }

Q_SIGNALS:
    // After load() has run.
    void loaded();
    // Asks the shell to switch from this screen to the screen of that class.
    void switchRequested(const QMetaObject* target);

protected:
    virtual void load() {}
    // Key press contract: a key press with its character code (kEnterKey, kEscKey, 8 Backspace,
    // 9 Tab, or the character typed). With key preview on it comes before the focused control
    // sees the key; without it only for keys the screen itself receives. The key is never
    // changed or swallowed: it still reaches the focused control afterwards. The keys a focused
    // label takes for itself (Label::takesKey: Enter and Space press it) are the label's alone.
    virtual void keyPress(int characterCode) { static_cast<void>(characterCode); }
    // The pointer moved over the background (shapes count as background).
    virtual void backgroundMouseMove() {}

    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    // Key preview: the screen watches the whole application's key presses (only an application
    // filter sees a key before the focused text box does) and takes those meant for it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void previewKey(QWidget* receiver, const QKeyEvent* event);
    void takeFirstFocus();
    // Focus rings: shown by a key that moves the focus, hidden by a mouse press (on any screen).
    void watchFocusRings(const QWidget& receiver, const QEvent& event);
    void placeOnFirstShow();
    void releasePixels();
    QWidget* reactingControlAt(QPoint point);
    void mouseOnLabel(Label& label, const QMouseEvent& event, QPoint point);
    void passOn(QWidget& target, const QMouseEvent& event, QPointF point);

    Placement placement_;
    bool keyPreview_ = false;
    bool loaded_ = false;
    QPointer<QWidget> pressTarget_; // where the last press went: its release goes there too
    QPointer<Label> pressedLabel_;  // the label a left press is held on
    bool passingOn_ = false;
    QList<QPointer<QWidget>> focusOrder_;
    QPointer<QWidget> firstFocus_;
    // The focus as the screen was hidden: a hidden window's focus is Qt's to move (an activation
    // that comes late picks a control of its own), so a screen shown again gives it back.
    QPointer<QWidget> keptFocus_;
    Announcement* announcement_;
};

} // namespace tk
