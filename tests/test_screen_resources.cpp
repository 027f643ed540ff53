// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen costs while nobody touches it: no timer runs while it waits for input (the
// answer box's caret does not blink), and a hidden screen holds no pixel buffer.

#include "app/form1.h"
#include "app/form4.h"
#include "app/program_run.h"
#include "app/screen_directory.h"
#include "exercises/form2.h"
#include "practice/form5.h"
#include "support/scripted_random.h"

#include <QAbstractEventDispatcher>
#include <QBackingStore>
#include <QImage>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using MakeScreen = std::function<std::unique_ptr<tk::Screen>()>;

template <typename Form> MakeScreen maker()
{
    return [] {
        return std::make_unique<Form>();
    };
}

// The timers registered for the screen and everything on it, with their intervals.
QList<int> runningTimerIntervals(const QObject* screen)
{
    QList<int> intervals;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    QList<const QObject*> objects{screen};
    for (const QObject* child : screen->findChildren<QObject*>()) {
        objects.append(child);
    }
    for (const QObject* object : objects) {
        for (const auto& timer : dispatcher->registeredTimers(const_cast<QObject*>(object))) {
            intervals.append(timer.interval);
        }
    }
    return intervals;
}

void showActive(tk::Screen& screen)
{
    screen.show();
    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QCoreApplication::processEvents();
}

QImage* pixelBuffer(tk::Screen& screen)
{
    QBackingStore* store = screen.backingStore();
    return store == nullptr ? nullptr : dynamic_cast<QImage*>(store->paintDevice());
}

} // namespace

class TestScreenResources : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { setUpApplication(); }
    void init() { override_ = std::make_unique<SharedRandomOverride>(random_); }
    void cleanup() { override_.reset(); }

    // Every screen but the splash screen, whose timer is its purpose. The write exercise waits
    // with its answer box focused.
    void noTimerRunsWhileAScreenWaits_data()
    {
        QTest::addColumn<MakeScreen>("make");
        for (const ScreenKind& kind : programScreens()) {
            if (kind.type != &Form1::staticMetaObject) {
                QTest::newRow(kind.type->className()) << MakeScreen(kind.make);
            }
        }
    }
    void noTimerRunsWhileAScreenWaits()
    {
        QFETCH(MakeScreen, make);
        const std::unique_ptr<tk::Screen> screen = make();
        showActive(*screen);
        QCOMPARE(runningTimerIntervals(screen.get()), QList<int>{});
    }

    void typingLeavesNoTimerRunning()
    {
        Form2 form;
        showActive(form);
        QCOMPARE(QApplication::focusWidget(), form.Text1);
        QTest::keyClicks(form.Text1, QStringLiteral("0.07"));
        QCOMPARE(form.Text1->text(), QStringLiteral("0.07"));
        QCOMPARE(runningTimerIntervals(&form), QList<int>{});
    }

    void hiddenScreenHoldsNoPixels_data()
    {
        QTest::addColumn<MakeScreen>("make");
        QTest::addColumn<QPoint>("background"); // a pixel where only the background shows
        QTest::newRow("menu") << maker<Form4>() << QPoint(790, 10);
        QTest::newRow("write exercise") << maker<Form2>() << QPoint(790, 590);
        QTest::newRow("reading practice") << maker<Form5>() << QPoint(785, 560);
    }
    void hiddenScreenHoldsNoPixels()
    {
        QFETCH(MakeScreen, make);
        QFETCH(QPoint, background);
        const std::unique_ptr<tk::Screen> screen = make();
        showActive(*screen);
        QImage* shown = pixelBuffer(*screen);
        QVERIFY(shown != nullptr);
        QCOMPARE(shown->size(), screen->size());

        screen->hide();
        QImage* hidden = pixelBuffer(*screen);
        QVERIFY(hidden != nullptr);
        QCOMPARE(hidden->sizeInBytes(), 0);

        // Shown again, the screen is painted afresh into a buffer of its full size.
        showActive(*screen);
        QImage* again = pixelBuffer(*screen);
        QVERIFY(again != nullptr);
        QCOMPARE(again->size(), screen->size());
        QCOMPARE(again->pixelColor(background), QColor(Qt::black));
    }

private:
    ScriptedRandom random_;
    std::unique_ptr<SharedRandomOverride> override_;
};

QTEST_MAIN(TestScreenResources)
#include "test_screen_resources.moc"
