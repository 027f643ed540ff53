// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program, run as a real process, ends cleanly on each screen: exit status 0 and
// nothing on stderr (no sanitizer report in the sanitizer build) after SIGTERM, SIGINT or a
// window manager's close request.
//
// The splash screen is tried on the offscreen platform, where the process is known to be ready
// for signals once /proc shows its handlers. Every screen is tried under a private Xvfb server:
// there the test sees the program's windows, reaches the menu when the splash time is over,
// clicks a menu entry with xdotool (real pointer input through XTEST) and sends the close
// request as a WM_DELETE_WINDOW client message, which is what a window manager sends; no
// window manager is needed for it.

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <csignal>
#include <memory>
#include <optional>
#include <set>

#include "support/design_lookup.h"

// Last: Xlib defines macros (KeyPress, FocusIn, None ...) that clash with names in Qt's headers.
#include "support/program_process.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kStartMs = 30000; // the sanitizer build starts slowly on a busy machine
constexpr int kEndMs = 30000;
constexpr int kPollMs = 20;

enum class End { Terminate, Interrupt, CloseRequest };

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};

} // namespace

class TestCleanEnds : public QObject {
    Q_OBJECT

private:
    QProcess xvfb_;
    QString displayName_;
    std::unique_ptr<Display, DisplayCloser> display_;

    // Every screen of the design table.
    static void addRows()
    {
        QTest::addColumn<QString>("screen");
        for (const design::Window& w : design::kWindows) {
            QTest::newRow(w.screen) << QString::fromLatin1(w.screen);
        }
    }

    static void startProgram(QProcess& program, const QString& platform, const QString& display)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, platform);
        if (display.isEmpty()) {
            environment.remove(u"DISPLAY"_s);
        } else {
            environment.insert(u"DISPLAY"_s, display);
        }
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(PLACEVALUE_PROGRAM), {});
        QVERIFY2(program.waitForStarted(kStartMs), qPrintable(program.errorString()));
    }

    // Waits until the program shows one window other than those in `seen`; that window.
    std::optional<Window> waitForNewWindow(const QProcess& program, const std::set<Window>& seen)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < kStartMs && program.state() == QProcess::Running) {
            const QList<Window> windows = visibleWindowsOf(display_.get(), program.processId());
            if (windows.size() == 1 && !seen.contains(windows.front())) {
                return windows.front();
            }
            QThread::msleep(kPollMs);
        }
        return std::nullopt;
    }

    // Clicks at a point of a window, in pixels from its top-left corner.
    static bool clickAt(const QString& display, Window window, int left, int top)
    {
        QProcess xdotool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DISPLAY"_s, display);
        xdotool.setProcessEnvironment(environment);
        xdotool.start(u"xdotool"_s,
                      {u"mousemove"_s, u"--window"_s, QString::number(window),
                       QString::number(left), QString::number(top), u"click"_s, u"1"_s});
        return xdotool.waitForFinished(kStartMs) && xdotool.exitStatus() == QProcess::NormalExit &&
               xdotool.exitCode() == 0;
    }

    // Starts the program under Xvfb and brings it to the screen; the screen's window.
    std::optional<Window> reachUnderX(QProcess& program, const QString& screen)
    {
        startProgram(program, u"xcb"_s, displayName_);
        std::set<Window> seen;
        const auto splash = waitForNewWindow(program, seen);
        if (!splash || screen == QLatin1String(design::kSplash)) {
            return splash;
        }
        seen.insert(*splash);
        const auto menu = waitForNewWindow(program, seen); // after the splash time
        if (!menu || screen == QLatin1String(design::kMenu)) {
            return menu;
        }
        seen.insert(*menu);
        // The centre of the menu entry that opens the screen.
        const design::Control* entry = design::findClick(design::kMenu, screen.toStdString());
        if (entry == nullptr) {
            qWarning("kControls has no menu entry that opens %s", qPrintable(screen));
            return std::nullopt;
        }
        if (!clickAt(displayName_, *menu, entry->box.centreXPixels(), entry->box.centreYPixels())) {
            return std::nullopt;
        }
        return waitForNewWindow(program, seen);
    }

    static void verifyCleanEnd(QProcess& program)
    {
        QVERIFY2(program.waitForFinished(kEndMs), "the program did not end");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        const QString output = unexpectedOutput(program.readAllStandardError());
        QVERIFY2(output.isEmpty(), qPrintable(output));
        QCOMPARE(program.exitCode(), 0);
    }

    void endUnderX(End end)
    {
        QFETCH(QString, screen);
        QProcess program;
        const auto window = reachUnderX(program, screen);
        if (!window) {
            program.waitForFinished(kPollMs); // gathers what a program that died wrote
            QFAIL(qPrintable(u"did not reach "_s + screen + u": "_s +
                             QString::fromLocal8Bit(program.readAllStandardError())));
        }
        switch (end) {
        case End::Terminate:
            QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
            break;
        case End::Interrupt:
            QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGINT), 0);
            break;
        case End::CloseRequest:
            sendCloseRequest(display_.get(), *window);
            break;
        }
        verifyCleanEnd(program);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // A private X server on a display it picks itself; it names it once it is ready.
        xvfb_.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1024x768x24"_s,
                                u"-nolisten"_s, u"tcp"_s});
        QVERIFY2(xvfb_.waitForStarted(kStartMs), qPrintable(xvfb_.errorString()));
        QElapsedTimer clock;
        clock.start();
        while (!xvfb_.canReadLine() && clock.elapsed() < kStartMs) {
            xvfb_.waitForReadyRead(kPollMs);
        }
        const QByteArray number = xvfb_.readLine().trimmed();
        QVERIFY2(!number.isEmpty(), "Xvfb did not start");
        displayName_ = u":"_s + QString::fromLatin1(number);
        display_.reset(XOpenDisplay(displayName_.toLocal8Bit().constData()));
        QVERIFY(display_ != nullptr);
    }
    void cleanupTestCase()
    {
        display_.reset();
        xvfb_.terminate();
        xvfb_.waitForFinished(kEndMs);
    }

    void signalOnTheOffscreenSplash_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void signalOnTheOffscreenSplash()
    {
        QFETCH(int, signal);
        QProcess program;
        startProgram(program, u"offscreen"_s, QString());
        QElapsedTimer clock;
        clock.start();
        while (!catchesEndSignals(program.processId()) && clock.elapsed() < kStartMs &&
               program.state() == QProcess::Running) {
            QThread::msleep(kPollMs);
        }
        QVERIFY2(catchesEndSignals(program.processId()), "the program never became ready");
        QCOMPARE(::kill(static_cast<pid_t>(program.processId()), signal), 0);
        verifyCleanEnd(program);
    }

    void sigtermOnEachScreen_data() { addRows(); }
    void sigtermOnEachScreen() { endUnderX(End::Terminate); }

    void sigintOnEachScreen_data() { addRows(); }
    void sigintOnEachScreen() { endUnderX(End::Interrupt); }

    void closeRequestOnEachScreen_data() { addRows(); }
    void closeRequestOnEachScreen() { endUnderX(End::CloseRequest); }
};

QTEST_GUILESS_MAIN(TestCleanEnds)
#include "test_clean_ends.moc"
