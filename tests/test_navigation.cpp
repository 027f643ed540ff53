// Moving between the screens and leaving the program: splash, menu, the three activities.

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/program_end_recorder.h"
#include "support/scripted_random.h"
#include "support/widget_lookup.h"
#include "toolkit/label.h"
#include "toolkit/program.h"

#include <QLineEdit>
#include <QRawFont>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <set>

using namespace Qt::Literals::StringLiterals;

class TestNavigation : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramEndRecorder> recorder_;
    std::unique_ptr<ScriptedRandom> random_;
    std::unique_ptr<SharedRandomOverride> randomOverride_;
    std::unique_ptr<ScreenDirectory> screens_;

    // The run up to the menu, as the splash timer leaves it.
    Form4& reachMenu()
    {
        screens_->start();
        screens_->form1().Timer1->fireNow();
        return screens_->form4();
    }

    tk::Screen& activity(const QString& name)
    {
        if (name == QLatin1String("Form2")) {
            return screens_->form2();
        }
        if (name == QLatin1String("Form3")) {
            return screens_->form3();
        }
        return screens_->form5();
    }

    static void clickLabel(const QObject* screen, const QString& name)
    {
        auto* label = control<tk::Label>(screen, name);
        QVERIFY2(label != nullptr, qPrintable(name));
        QTest::mouseClick(label, Qt::LeftButton, {}, centreOf(label));
    }

    static void verifyOneVisible(const tk::Screen* expected)
    {
        const auto visible = visibleScreens();
        QCOMPARE(visible.size(), 1);
        QCOMPARE(visible.front(), expected);
    }

private Q_SLOTS:
    void init()
    {
        recorder_ = std::make_unique<ProgramEndRecorder>();
        random_ = std::make_unique<ScriptedRandom>();
        randomOverride_ = std::make_unique<SharedRandomOverride>(*random_);
        screens_ = std::make_unique<ScreenDirectory>();
    }
    void cleanup()
    {
        screens_.reset();
        randomOverride_.reset();
        random_.reset();
        recorder_.reset();
    }

    void splashTickOpensTheMenuOnceThenStops()
    {
        screens_->start();
        Form1& splash = screens_->form1();
        QVERIFY(splash.Timer1->isEnabled());
        QCOMPARE(splash.Timer1->interval(), 3000);
        QVERIFY(screens_->madeForm4() == nullptr);
        verifyOneVisible(&splash);

        QVERIFY(splash.Timer1->fireNow());
        Form4* menu = screens_->madeForm4();
        QVERIFY(menu != nullptr);
        verifyOneVisible(menu);
        QVERIFY(!splash.Timer1->isEnabled());
        QVERIFY(!splash.Timer1->fireNow());
        QCOMPARE(screens_->madeForm1(), &splash); // hidden, not destroyed
    }

    void clicksAndKeysOnTheSplashDoNothing()
    {
        screens_->start();
        Form1& splash = screens_->form1();
        for (auto* label : splash.findChildren<tk::Label*>()) {
            QTest::mouseClick(label, Qt::LeftButton, {}, centreOf(label));
        }
        QTest::mouseClick(&splash, Qt::LeftButton);
        for (const auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_A}) {
            QTest::keyClick(&splash, key);
        }
        verifyOneVisible(&splash);
        QVERIFY(splash.Timer1->isEnabled());
        QCOMPARE(recorder_->ends(), 0);
        QVERIFY(screens_->madeForm4() == nullptr);
    }

    void menuEntryOpensItsScreenAndReturnComesBack_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("returnLabel");
        QTest::newRow("write exercise") << u"Label2"_s << u"Form2"_s << u"Label6"_s;
        QTest::newRow("choose exercise") << u"Label3"_s << u"Form3"_s << u"Label11"_s;
        QTest::newRow("reading practice") << u"Label4"_s << u"Form5"_s << u"Label4"_s;
    }
    void menuEntryOpensItsScreenAndReturnComesBack()
    {
        QFETCH(QString, entry);
        QFETCH(QString, screen);
        QFETCH(QString, returnLabel);
        Form4& menu = reachMenu();
        clickLabel(&menu, entry);
        tk::Screen& target = activity(screen);
        QCOMPARE(target.objectName(), screen);
        verifyOneVisible(&target);
        QVERIFY(target.isLoaded());

        QSignalSpy loads(&target, &tk::Screen::loaded);
        clickLabel(&target, returnLabel);
        verifyOneVisible(&menu);
        clickLabel(&menu, entry);
        verifyOneVisible(&target);
        QCOMPARE(&activity(screen), &target); // the same screen, not a new one
        QCOMPARE(loads.size(), 0);            // and not loaded again
        QVERIFY(!screens_->form1().isVisible());
        QCOMPARE(recorder_->ends(), 0);
    }

    void clickInsideAnOvalButOutsideItsLabelDoesNothing()
    {
        Form4& menu = reachMenu();
        auto* oval = menu.findChild<QWidget*>(QStringLiteral("Shape3"));
        QVERIFY(oval != nullptr);
        QTest::mouseClick(&menu, Qt::LeftButton, {}, oval->geometry().topLeft() + QPoint(148, 30));
        QTest::mouseClick(&menu, Qt::LeftButton, {}, oval->geometry().center() + QPoint(0, 60));
        verifyOneVisible(&menu);
        QVERIFY(screens_->madeForm5() == nullptr);
    }

    void escEndsTheRunOnlyWhereTheKeyboardIsHeard_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("ends");
        QTest::newRow("write exercise") << u"Form2"_s << true;
        QTest::newRow("reading practice") << u"Form5"_s << true;
        QTest::newRow("choose exercise") << u"Form3"_s << false;
        QTest::newRow("main menu") << u"Form4"_s << false;
    }
    void escEndsTheRunOnlyWhereTheKeyboardIsHeard()
    {
        QFETCH(QString, screen);
        QFETCH(bool, ends);
        Form4& menu = reachMenu();
        tk::Screen* target = &menu;
        if (screen != QLatin1String("Form4")) {
            target = &activity(screen);
            SwitchScreen(menu, *target);
        }
        QVERIFY(QTest::qWaitForWindowActive(target));
        QWidget* receiver =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : target;
        QTest::keyClick(receiver, Qt::Key_Escape);
        QCOMPARE(recorder_->ends(), ends ? 1 : 0);
        if (ends) {
            QVERIFY(visibleScreens().isEmpty());
        } else {
            verifyOneVisible(target);
        }
    }

    void escEndsTheWriteExerciseFromItsTextBox()
    {
        Form4& menu = reachMenu();
        Form2& write = screens_->form2();
        SwitchScreen(menu, write);
        auto* box = write.findChild<QLineEdit*>();
        if (box == nullptr) {
            QSKIP("the write exercise has no text box yet");
        }
        QVERIFY(QTest::qWaitForWindowActive(&write));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(recorder_->ends(), 1);
    }

    void everyExitLabelEndsTheRun_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("exitLabel");
        QTest::newRow("main menu") << u"Form4"_s << u"Label1"_s;
        QTest::newRow("write exercise") << u"Form2"_s << u"Label10"_s;
        QTest::newRow("choose exercise") << u"Form3"_s << u"Label10"_s;
        QTest::newRow("reading practice") << u"Form5"_s << u"Label3"_s;
    }
    void everyExitLabelEndsTheRun()
    {
        QFETCH(QString, screen);
        QFETCH(QString, exitLabel);
        Form4& menu = reachMenu();
        tk::Screen* target = &menu;
        if (screen != QLatin1String("Form4")) {
            target = &activity(screen);
            SwitchScreen(menu, *target);
        }
        clickLabel(target, exitLabel);
        QCOMPARE(recorder_->ends(), 1);
        QVERIFY(tk::ProgramHasEnded());
        QVERIFY(visibleScreens().isEmpty());
    }

    void aPendingTimerNeverFiresAfterTheEnd()
    {
        screens_->start();
        Form1& splash = screens_->form1();
        QVERIFY(splash.Timer1->isEnabled());
        tk::EndProgram();
        QVERIFY(!splash.Timer1->isEnabled());
        QVERIFY(!splash.Timer1->fireNow());
        QVERIFY(screens_->madeForm4() == nullptr);
    }

    void aTourKeepsExactlyOneScreenVisible()
    {
        Form4& menu = reachMenu();
        const QList<std::pair<QString, QString>> tour = {{u"Label2"_s, u"Label6"_s},
                                                         {u"Label3"_s, u"Label11"_s},
                                                         {u"Label4"_s, u"Label4"_s},
                                                         {u"Label3"_s, u"Label11"_s},
                                                         {u"Label2"_s, u"Label6"_s}};
        for (const auto& [entry, back] : tour) {
            clickLabel(&menu, entry);
            QCOMPARE(visibleScreens().size(), 1);
            QVERIFY(visibleScreens().front() != &menu);
            clickLabel(visibleScreens().front(), back);
            verifyOneVisible(&menu);
        }
        QVERIFY(!screens_->form1().isVisible()); // the splash never comes back
    }

    void everyCaptionIsCoveredByItsFace()
    {
        Form4& menu = reachMenu();
        Q_UNUSED(menu);
        screens_->form2();
        screens_->form3();
        screens_->form5();
        int checked = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (auto* label : window->findChildren<tk::Label*>()) {
                const QStringList families = label->font().families();
                QList<QRawFont> faces;
                for (const QString& family : families) {
                    QFont font(family);
                    font.setPointSizeF(label->font().pointSizeF());
                    const QRawFont raw = QRawFont::fromFont(font);
                    if (raw.isValid() && raw.familyName() == family) {
                        faces.append(raw);
                    }
                }
                QVERIFY2(!faces.isEmpty(), qPrintable(families.join(u',')));
                for (const QChar c : label->caption()) {
                    const bool covered =
                        std::any_of(faces.cbegin(), faces.cend(),
                                    [c](const QRawFont& f) { return f.supportsCharacter(c); });
                    QVERIFY2(covered, qPrintable(QStringLiteral("%1 on %2: U+%3")
                                                     .arg(label->objectName(), window->objectName())
                                                     .arg(c.unicode(), 4, 16, QLatin1Char('0'))));
                    ++checked;
                }
                // The face actually used is an installed substitute, not an unrelated fallback.
                QVERIFY(families.contains(QFontInfo(label->font()).family()));
            }
        }
        QVERIFY(checked > 200);
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
