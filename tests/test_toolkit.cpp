// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The screen toolkit: key preview, loading, the mouse over screens and shapes, timers and the
// end of the program.

#include "support/program_end_recorder.h"
#include "support/recording_screen.h"
#include "toolkit/controls.h"
#include "toolkit/label.h"
#include "toolkit/program.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestToolkit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loadRunsOnceBeforeTheFirstShow()
    {
        RecordingScreen screen;
        QSignalSpy loaded(&screen, &tk::Screen::loaded);
        QVERIFY(!screen.isLoaded());
        screen.show();
        screen.hide();
        screen.show();
        QCOMPARE(screen.loads, 1);
        QCOMPARE(loaded.size(), 1);
        QVERIFY(!screen.visibleDuringLoad);
    }

    void keyPreviewSeesKeysBeforeTheFocusedControl_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("seen");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("Esc, preview on")
            << true << int(Qt::Key_Escape) << QString() << QList<int>{27} << QString();
        QTest::newRow("Enter, preview on")
            << true << int(Qt::Key_Return) << QString() << QList<int>{13} << QString();
        QTest::newRow("a letter reaches the box too")
            << true << int(Qt::Key_A) << QStringLiteral("a") << QList<int>{'a'}
            << QStringLiteral("a");
        QTest::newRow("an Arabic letter")
            << true << 0 << QStringLiteral(u"ب") << QList<int>{0x628} << QStringLiteral(u"ب");
        QTest::newRow("Ctrl+M is Enter") << true << (Qt::ControlModifier | Qt::Key_M).toCombined()
                                         << QString() << QList<int>{13} << QString();
        QTest::newRow("Ctrl+[ is Esc")
            << true << (Qt::ControlModifier | Qt::Key_BracketLeft).toCombined() << QString()
            << QList<int>{27} << QString();
        QTest::newRow("Ctrl+Enter is a line feed")
            << true << (Qt::ControlModifier | Qt::Key_Return).toCombined() << QString()
            << QList<int>{10} << QString();
        QTest::newRow("a key without a character")
            << true << int(Qt::Key_Left) << QString() << QList<int>{} << QString();
        QTest::newRow("Esc, preview off")
            << false << int(Qt::Key_Escape) << QString() << QList<int>{} << QString();
        QTest::newRow("a letter, preview off") << false << int(Qt::Key_A) << QStringLiteral("a")
                                               << QList<int>{} << QStringLiteral("a");
    }
    void keyPreviewSeesKeysBeforeTheFocusedControl()
    {
        QFETCH(bool, preview);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QList<int>, seen);
        QFETCH(QString, boxText);
        RecordingScreen screen;
        auto* box = new QLineEdit(&screen);
        screen.setKeyPreview(preview);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        if (key == 0) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
            QApplication::sendEvent(box, &press);
        } else {
            const QKeyCombination combination = QKeyCombination::fromCombined(key);
            QTest::keyClick(box, combination.key(), combination.keyboardModifiers());
        }
        QCOMPARE(screen.keys, seen); // once, although Esc and Enter travel on to the screen
        QCOMPARE(box->text(), boxText);
    }

    void keysOnAScreenWithoutFocusedControlReachItsHandler()
    {
        RecordingScreen screen;
        screen.show();
        QTest::keyClick(&screen, Qt::Key_Escape);
        QCOMPARE(screen.keys, QList<int>{27});
    }

    void shapesCountAsBackground()
    {
        RecordingScreen screen;
        auto* shape = new tk::Shape(&screen, {.name = QStringLiteral("Shape1"),
                                              .kind = tk::ShapeKind::Oval,
                                              .box = {0, 0, 3000, 3000},
                                              .fill = core::rgb(255, 192, 128)});
        tk::Label label(&screen, labelDesign(tk::Alignment::Left));
        QSignalSpy labelMoves(&label, &tk::Label::mouseMoved);
        screen.show();
        QVERIFY(shape->testAttribute(Qt::WA_TransparentForMouseEvents));
        QTest::mouseMove(&screen, QPoint(20, 180)); // over the oval, away from the label
        QCOMPARE(screen.backgroundMoves, 1);
        QTest::mouseMove(&label, label.rect().center());
        QCOMPARE(labelMoves.size(), 1);
        QCOMPARE(screen.backgroundMoves, 1);
    }

    void timerTicksOnlyWhileEnabled()
    {
        RecordingScreen screen;
        tk::Timer timer(&screen, QStringLiteral("Timer1"), 3000, false);
        QSignalSpy ticks(&timer, &tk::Timer::tick);
        QVERIFY(!timer.fireNow());
        QCOMPARE(ticks.size(), 0);
        timer.setEnabled(true);
        screen.show();
        screen.hide();
        QVERIFY(timer.isEnabled()); // hiding the screen does not stop it
        QVERIFY(timer.fireNow());
        QCOMPARE(ticks.size(), 1);
        QCOMPARE(timer.interval(), 3000);
    }

    void closeRequestEndsTheProgram()
    {
        ProgramEndRecorder recorder;
        RecordingScreen screen;
        tk::Timer timer(&screen, QStringLiteral("Timer1"), 3000, true);
        screen.show();
        QVERIFY(!screen.close());     // the request is refused ...
        QCOMPARE(recorder.ends(), 1); // ... and the run ends instead
        QVERIFY(tk::programHasEnded());
        QVERIFY(!screen.isVisible());
        QVERIFY(!timer.isEnabled());
        QVERIFY(!timer.fireNow());
    }

    void noInputReachesTheScreensAfterTheEnd()
    {
        ProgramEndRecorder recorder;
        RecordingScreen screen;
        tk::Label label(&screen, labelDesign(tk::Alignment::Left));
        QSignalSpy clicks(&label, &tk::Label::clicked);
        screen.show();
        tk::EndProgram();
        QTest::mouseClick(&label, Qt::LeftButton, {}, label.rect().center());
        QTest::keyClick(&screen, Qt::Key_Return);
        QCOMPARE(clicks.size(), 0);
        QVERIFY(screen.keys.isEmpty());
    }
};

QTEST_MAIN(TestToolkit)
#include "test_toolkit.moc"
