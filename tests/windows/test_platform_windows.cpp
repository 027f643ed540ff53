// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows: the end of the session and a close request end the run; the faces compiled into the
// program draw the screens.

#include "support/program_end_recorder.h"
#include "support/recording_screen.h"
#include "toolkit/fonts.h"
#include "toolkit/platform.h"

#include <QFontInfo>
#include <QTest>

#include <windows.h>

class TestPlatformWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { tk::platform::routeEndRequestsToEndProgram(); }

    void windowMessagesThatEndTheRun_data()
    {
        QTest::addColumn<uint>("message");
        QTest::addColumn<qulonglong>("wParam");
        QTest::addColumn<int>("ends");
        QTest::newRow("the session ends") << uint(WM_ENDSESSION) << qulonglong(TRUE) << 1;
        QTest::newRow("the session goes on after all")
            << uint(WM_ENDSESSION) << qulonglong(FALSE) << 0;
        QTest::newRow("a close request") << uint(WM_CLOSE) << qulonglong(0) << 1;
        QTest::newRow("asked whether the session may end")
            << uint(WM_QUERYENDSESSION) << qulonglong(0) << 0;
    }
    void windowMessagesThatEndTheRun()
    {
        QFETCH(uint, message);
        QFETCH(qulonglong, wParam);
        QFETCH(int, ends);
        ProgramEndRecorder recorder;
        RecordingScreen screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen, 30000)); // Wine can be slow to map it
        const auto window = reinterpret_cast<HWND>(screen.winId());
        SendMessageW(window, message, static_cast<WPARAM>(wParam), 0);
        QCoreApplication::processEvents();
        QCOMPARE(recorder.ends(), ends);
    }

    void compiledInFacesDrawTheScreens_data()
    {
        QTest::addColumn<int>("face");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("family");
        QTest::newRow("Arabic Transparent, bold")
            << int(tk::Face::ArabicTransparent) << true << QStringLiteral("Amiri");
        QTest::newRow("MS Sans Serif")
            << int(tk::Face::MsSansSerif) << false << QStringLiteral("Amiri");
        QTest::newRow("Arial, bold") << int(tk::Face::Arial) << true << QStringLiteral("Noto Sans");
    }
    void compiledInFacesDrawTheScreens()
    {
        QFETCH(int, face);
        QFETCH(bool, bold);
        QFETCH(QString, family);
        const QFont font = tk::makeFont({static_cast<tk::Face>(face), 20, bold});
        const QFontInfo info(font);
        QCOMPARE(info.family(), family);
        QCOMPARE(info.bold(), bold);
    }
};

QTEST_MAIN(TestPlatformWindows)
#include "test_platform_windows.moc"
