// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// A seeded storm of random input through the real screens (see support/monkey.h), checking
// after every event that the program is still consistent (see support/screen_invariants.h).
// The exit controls and Esc, which the storm leaves alone, are checked on their own.

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "core/number_text.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/design_rows.h"
#include "support/monkey.h"
#include "support/question_script.h"
#include "support/screen_invariants.h"
#include "support/test_program.h"
#include "support/widget_lookup.h"
#include "toolkit/label.h"
#include "toolkit/timer.h"

#include <QLocale>
#include <QTest>

#include <chrono>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// The fallback seed of the program's generator during a storm.
constexpr std::uint64_t kProgramSeed = 20261208;

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

    // Runs the storm, checking after every event; the number of events checked.
    int storm(Monkey& monkey, int events)
    {
        const ScreenInvariants invariants(program_->screens);
        for (int i = 0; i < events; ++i) {
            const QString event = monkey.act();
            const QString violation = invariants.violation();
            if (!violation.isEmpty() || program_->recorder.ends() != 0) {
                qWarning("after event %d (%s): %s, %d ends", i, qPrintable(event),
                         qPrintable(violation), program_->recorder.ends());
                return i;
            }
        }
        return events;
    }

    void clickCentre(tk::Screen& screen, const QWidget* control)
    {
        QTest::mouseClick(screen.windowHandle(), Qt::LeftButton, {}, control->geometry().center());
    }

    // Shows the named screen the way a pupil reaches it: through the menu entry that the design
    // table says opens it. Fails the test for a screen without one.
    tk::Screen* reach(const QString& name)
    {
        Form4& menu = program_->screens.get<Form4>();
        for (tk::Screen* shown : visibleScreens()) {
            if (auto* activity = qobject_cast<tk::ActivityScreen*>(shown)) {
                clickCentre(*activity, activity->returnLabel());
            } else if (auto* splash = qobject_cast<Form1*>(shown)) {
                splash->Timer1->fireNow();
            }
        }
        if (name == QLatin1String(design::kMenu)) {
            return &menu;
        }
        const QString entry = design::clickName(design::kMenu, name.toStdString());
        if (entry.isEmpty()) {
            QTest::qFail(qPrintable(u"kControls has no menu entry that opens "_s + name), __FILE__,
                         __LINE__);
            return nullptr;
        }
        const auto* label = control<tk::Label>(&menu, entry);
        if (label == nullptr) {
            QTest::qFail(qPrintable(u"the menu has no "_s + entry), __FILE__, __LINE__);
            return nullptr;
        }
        clickCentre(menu, label);
        return program_->screenNamed(name);
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init()
    {
        program_ = std::make_unique<TestProgram>(kProgramSeed);
        program_->screens.start();
    }
    void cleanup() { program_.reset(); }

    void stormKeepsEveryScreenConsistent()
    {
        constexpr int kEvents = 100'000; // the same count in the sanitizer build: about 45 s
        Monkey monkey(program_->screens, 7);
        const auto start = std::chrono::steady_clock::now();
        const int checked = storm(monkey, kEvents);
        const auto seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        qInfo("monkey: %d events checked in %.1f s", checked, seconds);
        QCOMPARE(checked, kEvents);
        // The storm went everywhere: every activity was opened, and questions were made.
        QVERIFY(program_->screens.made<Form2>() != nullptr &&
                program_->screens.made<Form3>() != nullptr &&
                program_->screens.made<Form5>() != nullptr);
        QVERIFY(program_->random.reseeds() > 100);
    }

    // Every screen's exit label, and Esc where it ends the run, as the design table has them.
    void exitOrEscEndsTheRunAndNothingMoves_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("escape");
        for (const QString& screen : TestProgram::screenNames()) {
            const design::Window* window = design::findWindow(screen.toStdString());
            if (screen == QLatin1String(design::kSplash) || window == nullptr) {
                continue; // a screen without a window row fails the design table's test
            }
            QTest::addRow("%s exit label", window->screen) << screen << false;
            if (window->escEnds) {
                QTest::addRow("%s Esc", window->screen) << screen << true;
            }
        }
    }
    void exitOrEscEndsTheRunAndNothingMoves()
    {
        QFETCH(QString, screen);
        QFETCH(bool, escape);
        Monkey monkey(program_->screens, 11);
        QCOMPARE(storm(monkey, 2000), 2000);
        tk::Screen* reached = reach(screen);
        QVERIFY(reached != nullptr);
        tk::Screen& target = *reached;
        QCOMPARE(visibleScreens(), QList<tk::Screen*>{&target});
        QCOMPARE(program_->recorder.ends(), 0);

        if (escape) {
            QTest::keyClick(target.windowHandle(), Qt::Key_Escape);
        } else {
            const auto exits = Monkey::exitControls(target);
            QCOMPARE(exits.size(), std::size_t{1});
            clickCentre(target, exits.front());
        }
        QCOMPARE(program_->recorder.ends(), 1);
        QVERIFY(visibleScreens().isEmpty());

        // After the end no input and no timer reaches the screens.
        const QStringList before = allCaptions(program_->screens);
        QVERIFY(program_->screens.made(*target.metaObject()) == &target);
        for (const ScreenKind& kind : programScreens()) {
            tk::Screen* made = program_->screens.made(*kind.type);
            if (made == nullptr) {
                continue;
            }
            for (tk::Timer* timer : made->findChildren<tk::Timer*>()) {
                QVERIFY(!timer->fireNow());
            }
            QTest::mouseClick(made->windowHandle(), Qt::LeftButton, {}, QPoint(400, 300));
            QTest::keyClick(made->windowHandle(), Qt::Key_Return);
            QTest::keyClick(made->windowHandle(), Qt::Key_Escape);
        }
        QCOMPARE(allCaptions(program_->screens), before);
        QCOMPARE(program_->recorder.ends(), 1);
    }

    // The wrong-answer feedback is wide and, in its tall face, reaches down to the navigation
    // labels: they must still take their clicks while it shows.
    void returnAndExitWorkWhileTheFeedbackShows_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("exit");
        QTest::newRow("write exercise, return") << u"Form2"_s << false;
        QTest::newRow("write exercise, exit") << u"Form2"_s << true;
        QTest::newRow("choose exercise, return") << u"Form3"_s << false;
        QTest::newRow("choose exercise, exit") << u"Form3"_s << true;
    }
    void returnAndExitWorkWhileTheFeedbackShows()
    {
        QFETCH(QString, screen);
        QFETCH(bool, exit);
        scriptQuestion(program_->random, 7, 0, 0, 998,
                       0); // 998.007, answer 0.007: the longest text
        tk::Screen* reached = reach(screen);
        QVERIFY(reached != nullptr);
        auto& exercise = static_cast<ExerciseScreen&>(*reached);
        if (auto* form2 = qobject_cast<Form2*>(&exercise)) {
            clickCentre(exercise, form2->Command1); // an empty answer is wrong
        } else {
            clickCentre(exercise, static_cast<Form3&>(exercise).Label8); // 0.7 is wrong
        }
        QVERIFY(exercise.Label9->isVisible());
        QCOMPARE(exercise.Label9->caption(), core::FeedbackText(false, 0.007F));

        const tk::Label* target = exit ? exercise.exitLabel() : exercise.returnLabel();
        QCOMPARE(exercise.childAt(target->geometry().center()), target);
        clickCentre(exercise, target);
        if (exit) {
            QCOMPARE(program_->recorder.ends(), 1);
        } else {
            QCOMPARE(visibleScreens(), QList<tk::Screen*>{&program_->screens.get<Form4>()});
        }
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
