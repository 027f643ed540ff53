// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving between the screens and leaving the program: splash, menu, the three activities.

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "core/number_text.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/design_rows.h"
#include "support/scripted_random.h"
#include "support/test_program.h"
#include "support/widget_lookup.h"
#include "toolkit/label.h"
#include "toolkit/program.h"

#include <QLineEdit>
#include <QRawFont>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <set>
#include <string>

using namespace Qt::Literals::StringLiterals;

class TestNavigation : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

    static void clickLabel(const QObject* screen, const QString& name)
    {
        auto* label = control<tk::Label>(screen, name);
        QVERIFY2(label != nullptr, qPrintable(name));
        QTest::mouseClick(label, Qt::LeftButton, {}, centreOf(label));
    }

    // The characters of a text that none of a font's families can draw.
    static QString uncovered(const QFont& font, const QString& text)
    {
        QList<QRawFont> faces;
        for (const QString& family : font.families()) {
            const QRawFont raw = QRawFont::fromFont(QFont(family));
            if (raw.isValid() && raw.familyName() == family) {
                faces.append(raw);
            }
        }
        QString missing;
        for (const QChar c : text) {
            const bool covered = std::any_of(faces.cbegin(), faces.cend(), [c](const QRawFont& f) {
                return f.supportsCharacter(c);
            });
            if (!covered) {
                missing += c;
            }
        }
        return missing;
    }

    static void verifyOneVisible(const tk::Screen* expected)
    {
        const auto visible = visibleScreens();
        QCOMPARE(visible.size(), 1);
        QCOMPARE(visible.front(), expected);
    }

private Q_SLOTS:
    void init() { program_ = std::make_unique<TestProgram>(); }
    void cleanup() { program_.reset(); }

    void splashTickOpensTheMenuOnceThenStops()
    {
        program_->screens.start();
        Form1& splash = program_->screens.get<Form1>();
        QVERIFY(splash.Timer1->isEnabled());
        QCOMPARE(splash.Timer1->interval(), 3000);
        QVERIFY(program_->screens.made<Form4>() == nullptr);
        verifyOneVisible(&splash);

        QVERIFY(splash.Timer1->fireNow());
        Form4* menu = program_->screens.made<Form4>();
        QVERIFY(menu != nullptr);
        verifyOneVisible(menu);
        QVERIFY(!splash.Timer1->isEnabled());
        QVERIFY(!splash.Timer1->fireNow());
        QCOMPARE(program_->screens.made<Form1>(), &splash); // hidden, not destroyed
    }

    void clicksAndKeysOnTheSplashDoNothing()
    {
        program_->screens.start();
        Form1& splash = program_->screens.get<Form1>();
        for (auto* label : splash.findChildren<tk::Label*>()) {
            QTest::mouseClick(label, Qt::LeftButton, {}, centreOf(label));
        }
        QTest::mouseClick(&splash, Qt::LeftButton);
        for (const auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_A}) {
            QTest::keyClick(&splash, key);
        }
        verifyOneVisible(&splash);
        QVERIFY(splash.Timer1->isEnabled());
        QCOMPARE(program_->recorder.ends(), 0);
        QVERIFY(program_->screens.made<Form4>() == nullptr);
    }

    // The menu entry and the return label of every activity, as the design table names them.
    void menuEntryOpensItsScreenAndReturnComesBack_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("returnLabel");
        for (const QString& screen : TestProgram::activityNames()) {
            const std::string name = screen.toStdString();
            QTest::newRow(name.c_str()) << design::clickName(design::kMenu, name) << screen
                                        << design::clickName(name, design::kMenu);
        }
    }
    void menuEntryOpensItsScreenAndReturnComesBack()
    {
        QFETCH(QString, entry);
        QFETCH(QString, screen);
        QFETCH(QString, returnLabel);
        QVERIFY2(!entry.isEmpty(),
                 qPrintable(u"kControls has no menu entry that opens "_s + screen));
        QVERIFY2(!returnLabel.isEmpty(),
                 qPrintable(u"kControls has no return label on "_s + screen));
        Form4& menu = program_->reachMenu();
        clickLabel(&menu, entry);
        tk::Screen& target = *program_->screenNamed(screen);
        QCOMPARE(target.objectName(), screen);
        verifyOneVisible(&target);
        QVERIFY(target.isLoaded());

        QSignalSpy loads(&target, &tk::Screen::loaded);
        clickLabel(&target, returnLabel);
        verifyOneVisible(&menu);
        clickLabel(&menu, entry);
        verifyOneVisible(&target);
        QCOMPARE(program_->screenNamed(screen), &target); // the same screen, not a new one
        QCOMPARE(loads.size(), 0);                        // and not loaded again
        QVERIFY(!program_->screens.get<Form1>().isVisible());
        QCOMPARE(program_->recorder.ends(), 0);
    }

    void clickInsideAnOvalButOutsideItsLabelDoesNothing()
    {
        Form4& menu = program_->reachMenu();
        auto* oval = menu.findChild<QWidget*>(QStringLiteral("Shape3"));
        QVERIFY(oval != nullptr);
        QTest::mouseClick(&menu, Qt::LeftButton, {}, oval->geometry().topLeft() + QPoint(148, 30));
        QTest::mouseClick(&menu, Qt::LeftButton, {}, oval->geometry().center() + QPoint(0, 60));
        verifyOneVisible(&menu);
        QVERIFY(program_->screens.made<Form5>() == nullptr);
    }

    void escEndsTheRunOnlyWhereTheKeyboardIsHeard_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("ends");
        for (const design::Window& w : design::kWindows) {
            if (qstrcmp(w.screen, design::kSplash) != 0) {
                QTest::newRow(w.screen) << QString::fromLatin1(w.screen) << w.escEnds;
            }
        }
    }
    void escEndsTheRunOnlyWhereTheKeyboardIsHeard()
    {
        QFETCH(QString, screen);
        QFETCH(bool, ends);
        tk::Screen* target = &program_->reachScreen(screen);
        QVERIFY(QTest::qWaitForWindowActive(target));
        QWidget* receiver =
            QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : target;
        QTest::keyClick(receiver, Qt::Key_Escape);
        QCOMPARE(program_->recorder.ends(), ends ? 1 : 0);
        if (ends) {
            QVERIFY(visibleScreens().isEmpty());
        } else {
            verifyOneVisible(target);
        }
    }

    void escEndsTheWriteExerciseFromItsTextBox()
    {
        Form4& menu = program_->reachMenu();
        Form2& write = program_->screens.get<Form2>();
        SwitchScreen(menu, write);
        auto* box = write.findChild<QLineEdit*>();
        QVERIFY(box != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(&write));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(program_->recorder.ends(), 1);
    }

    void everyExitLabelEndsTheRun_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("exitLabel");
        for (const QString& screen : TestProgram::screenNames()) {
            if (screen != QLatin1String(design::kSplash)) {
                QTest::newRow(qPrintable(screen))
                    << screen << design::clickName(screen.toStdString(), "end");
            }
        }
    }
    void everyExitLabelEndsTheRun()
    {
        QFETCH(QString, screen);
        QFETCH(QString, exitLabel);
        QVERIFY2(!exitLabel.isEmpty(), qPrintable(u"kControls has no exit label on "_s + screen));
        tk::Screen* target = &program_->reachScreen(screen);
        clickLabel(target, exitLabel);
        QCOMPARE(program_->recorder.ends(), 1);
        QVERIFY(tk::programHasEnded());
        QVERIFY(visibleScreens().isEmpty());
    }

    void aPendingTimerNeverFiresAfterTheEnd()
    {
        program_->screens.start();
        Form1& splash = program_->screens.get<Form1>();
        QVERIFY(splash.Timer1->isEnabled());
        tk::EndProgram();
        QVERIFY(!splash.Timer1->isEnabled());
        QVERIFY(!splash.Timer1->fireNow());
        QVERIFY(program_->screens.made<Form4>() == nullptr);
    }

    void aTourKeepsExactlyOneScreenVisible()
    {
        Form4& menu = program_->reachMenu();
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
        QVERIFY(!program_->screens.get<Form1>().isVisible()); // the splash never comes back
    }

    void everyCaptionIsCoveredByItsFace()
    {
        program_->reachMenu();
        program_->allScreens();
        int checked = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            for (auto* label : window->findChildren<tk::Label*>()) {
                const QString where = label->objectName() + u" on "_s + window->objectName();
                QVERIFY2(uncovered(label->font(), label->caption()).isEmpty(),
                         qPrintable(where + u": "_s + uncovered(label->font(), label->caption())));
                // The face actually used is one of its substitutes, not an unrelated fallback.
                QVERIFY2(label->font().families().contains(QFontInfo(label->font()).family()),
                         qPrintable(where));
                checked += static_cast<int>(label->caption().size());
            }
        }
        QVERIFY(checked > 200);
        QFont latinOnly(u"Noto Sans"_s);
        latinOnly.setFamilies({u"Noto Sans"_s});
        QCOMPARE(uncovered(latinOnly, u"0و"_s), u"و"_s); // the check can tell
        // Captions that only a question or an answer brings.
        const QFont feedback = program_->screens.get<Form2>().Label9->font();
        const QString answers = core::FeedbackText(true, 0.5F) + core::FeedbackText(false, 0.007F);
        QCOMPARE(uncovered(feedback, answers), QString());
        // Both digit sets and every decimal separator the regional settings may bring.
        const QString digits = u"0123456789٠١٢٣٤٥٦٧٨٩.,٫"_s;
        QCOMPARE(uncovered(feedback, digits), QString());
        QCOMPARE(uncovered(program_->screens.get<Form2>().Label4->font(), u" و"_s + digits),
                 QString());
        QCOMPARE(uncovered(program_->screens.get<Form3>().Label6->font(), digits), QString());
        QCOMPARE(uncovered(program_->screens.get<Form5>().Label1->font(), digits + u'و'),
                 QString());
        QCOMPARE(uncovered(program_->screens.get<Form2>().Text1->font(), digits + u"-+eE"_s),
                 QString());
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
