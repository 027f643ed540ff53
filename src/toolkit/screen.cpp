#include "toolkit/screen.h"

#include "toolkit/accessibility.h"
#include "toolkit/program.h"
#include "toolkit/twips.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace tk {

Screen::Screen(const ScreenDesign& design)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , placement_(design.placement)
{
    InstallProgramEventFilter();
    InstallAccessibility();
    setObjectName(design.name);
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(twipsToPixels(design.clientWidth), twipsToPixels(design.clientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(design.background));
    setPalette(palette);
    setAutoFillBackground(true);
    setMouseTracking(true);
}

void Screen::setVisible(bool visible)
{
    if (visible && !loaded_) {
        loaded_ = true;
        placeOnFirstShow();
        load();
        Q_EMIT loaded();
    }
    QWidget::setVisible(visible);
    if (!visible) {
        releasePixels();
    }
}

void Screen::releasePixels()
{
    // A hidden window keeps no picture of itself: its pixel buffer (1.8 MiB for an 800 x 600
    // screen) goes back to the system, and the next show paints the screen afresh into a new one.
    QBackingStore* store = backingStore();
    if (store != nullptr && store->size() != kReleasedPixels) {
        store->resize(kReleasedPixels);
    }
}

void Screen::placeOnFirstShow()
{
    if (placement_ != Placement::CentredOnScreen) {
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    QRect frame = rect();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Screen::closeEvent(QCloseEvent* event)
{
    // Screens are never closed one by one: a close request from outside ends the run.
    event->ignore();
    EndProgram();
}

void Screen::mouseMoveEvent(QMouseEvent* event)
{
    backgroundMouseMove();
    QWidget::mouseMoveEvent(event);
}

} // namespace tk
