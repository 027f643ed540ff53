#pragma once

// A screen: a borderless top-level window of fixed size, designed in twips.

#include "toolkit/colour_value.h"

#include <QWidget>

namespace tk {

enum class Placement { CentredOnScreen, SystemDefault };

struct ScreenDesign {
    QString name;         // the screen's name, also its objectName
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    ColourValue background = 0;
    Placement placement = Placement::SystemDefault;
};

class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(const ScreenDesign& design);

    // With key preview on, keyPress sees every key press before the focused control.
    void setKeyPreview(bool on) { keyPreview_ = on; }
    bool keyPreview() const { return keyPreview_; }
    bool isLoaded() const { return loaded_; }

    // The first show runs load() before the window becomes visible; hiding gives the window's
    // pixel buffer back (it shrinks to kReleasedPixels) until the next show.
    void setVisible(bool visible) override;
    static constexpr QSize kReleasedPixels{0, 0};

Q_SIGNALS:
    // After load() has run.
    void loaded();

protected:
    virtual void load() {}
    // A key press with its character code (13 Enter, 27 Esc, 8 Backspace, 9 Tab, or the
    // character typed); the key still reaches the focused control afterwards.
    virtual void keyPress(int characterCode) { static_cast<void>(characterCode); }
    // The pointer moved over the background (shapes count as background).
    virtual void backgroundMouseMove() {}

    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    friend class ProgramEventFilter;
    void placeOnFirstShow();
    void releasePixels();

    Placement placement_;
    bool keyPreview_ = false;
    bool loaded_ = false;
};

} // namespace tk
