// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The choose exercise through its real widgets: candidates, clicks, hover colours, the timer.

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "exercises/form3.h"
#include "support/question_script.h"
#include "support/test_program.h"
#include "support/widget_lookup.h"

#include <QApplication>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr core::ColourValue kBlue = core::rgb(0, 0, 255);
constexpr core::ColourValue kOrange = core::rgb(192, 64, 0);
const QString kRight = u"الاجابة صحيحة"_s;
const QString kWrong = u"الاجابة خاطئة و الاجابة الصحيحة هي "_s;
} // namespace

class TestChooseExercise : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;
    std::unique_ptr<Form3> form_;

    Form3& showAsking(int digit, int place)
    {
        std::array<int, 3> digits = {5, 6, 0};
        digits.at(place) = digit;
        scriptQuestion(program_->random, digits[0], digits[1], digits[2], 71, place);
        form_ = std::make_unique<Form3>();
        form_->show();
        return *form_;
    }

    static QList<core::ColourValue> colours(const Form3& form)
    {
        return {form.Label6->textColour(), form.Label7->textColour(), form.Label8->textColour()};
    }

    static void moveOver(QWidget* widget) { QTest::mouseMove(widget, widget->rect().center()); }
    static void moveOverBackground(Form3& form, QPoint point) { QTest::mouseMove(&form, point); }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { program_ = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        form_.reset();
        program_.reset();
    }

    void onlyTheCandidateOfTheChosenPlaceIsRight_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("clicked");
        const char* names[] = {"thousandths", "hundredths", "tenths"};
        for (const int digit : {1, 4, 9}) {
            for (int place = 0; place < 3; ++place) {
                for (int clicked = 0; clicked < 3; ++clicked) {
                    QTest::addRow("%d in the %s, clicked %s", digit, names[place], names[clicked])
                        << digit << place << clicked;
                }
            }
        }
    }
    void onlyTheCandidateOfTheChosenPlaceIsRight()
    {
        QFETCH(int, digit);
        QFETCH(int, place);
        QFETCH(int, clicked);
        Form3& form = showAsking(digit, place);
        const QString d = QString::number(digit);
        QCOMPARE(form.Label6->caption(), u"0.00"_s + d);
        QCOMPARE(form.Label7->caption(), u"0.0"_s + d);
        QCOMPARE(form.Label8->caption(), u"0."_s + d);
        const QList<tk::Label*> candidates = {form.Label6, form.Label7, form.Label8};
        QTest::mouseClick(candidates.at(clicked), Qt::LeftButton);
        QVERIFY(form.Label9->isVisible());
        QVERIFY(form.Timer1->isEnabled());
        QCOMPARE(form.Label9->caption(),
                 clicked == place ? kRight : kWrong + candidates.at(place)->caption());
    }

    void candidatesStandFromRightToLeftAndAreNeverReadBack()
    {
        Form3& form = showAsking(4, 1);
        QVERIFY(form.Label6->x() > form.Label7->x());
        QVERIFY(form.Label7->x() > form.Label8->x());
        // The caption on a candidate is never read back.
        form.Label7->setCaption(u"0.4"_s);
        QTest::mouseClick(form.Label7, Qt::LeftButton);
        QCOMPARE(form.Label9->caption(), kRight);
    }

    void repeatedClicksKeepTheLastVerdictAndOneNewQuestion()
    {
        Form3& form = showAsking(7, 2);
        QTest::mouseClick(form.Label8, Qt::LeftButton);
        QCOMPARE(form.Label9->caption(), kRight);
        QTest::mouseClick(form.Label6, Qt::LeftButton);
        QCOMPARE(form.Label9->caption(), kWrong + u"0.7"_s);
        const int drawsBefore = program_->random.draws();
        scriptQuestion(program_->random, 3, 0, 0, 5, 0);
        QVERIFY(form.Timer1->fireNow());
        QCOMPARE(program_->random.draws() - drawsBefore, 5);
        QVERIFY(!form.Label9->isVisible());
        QVERIFY(!form.Timer1->isEnabled());
        QVERIFY(!form.Timer1->fireNow());
        QCOMPARE(form.Label6->caption(), u"0.003"_s);
        QCOMPARE(form.Label8->caption(), u"0.3"_s);
    }

    void hoverColours()
    {
        Form3& form = showAsking(4, 1);
        QCOMPARE(colours(form), (QList<core::ColourValue>{kBlue, kOrange, kBlue})); // as designed

        moveOverBackground(form, QPoint(400, 20)); // above the heading
        QCOMPARE(colours(form), (QList<core::ColourValue>{kBlue, kBlue, kBlue}));

        moveOver(form.Label8);
        QCOMPARE(colours(form), (QList<core::ColourValue>{kBlue, kBlue, kOrange}));
        moveOver(form.Label6); // straight onto another candidate: both stay orange
        QCOMPARE(colours(form), (QList<core::ColourValue>{kOrange, kBlue, kOrange}));
        moveOver(form.Label5); // another label is not the background
        QCOMPARE(colours(form), (QList<core::ColourValue>{kOrange, kBlue, kOrange}));

        // The ovals count as background.
        const QWidget* oval = control<QWidget>(&form, u"Shape2"_s);
        moveOverBackground(form, oval->geometry().topLeft() + QPoint(oval->width() / 2, 6));
        QCOMPARE(colours(form), (QList<core::ColourValue>{kBlue, kBlue, kBlue}));

        // Colours survive a new question.
        moveOver(form.Label7);
        QTest::mouseClick(form.Label7, Qt::LeftButton);
        QVERIFY(form.Timer1->fireNow());
        QCOMPARE(colours(form), (QList<core::ColourValue>{kBlue, kOrange, kBlue}));
    }

    // Where the screen opens the focus is on the heading, where no key chooses a value; a click
    // never moves the focus.
    void keysChooseNothingWhereTheScreenOpens()
    {
        Form3& form = showAsking(2, 0);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.Label5);
        const QString before = form.Label1->caption() + form.Label6->caption();
        for (const auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QTest::keyClick(form.windowHandle(), key);
        }
        QCOMPARE(program_->recorder.ends(), 0);
        QVERIFY(form.isVisible());
        QVERIFY(!form.Label9->isVisible());
        QCOMPARE(form.Label1->caption() + form.Label6->caption(), before);
        QTest::mouseClick(form.Label7, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), form.Label5);
        for (const QWidget* child : form.findChildren<QWidget*>()) {
            QVERIFY((child->focusPolicy() & Qt::ClickFocus) == 0);
        }
    }

    void aPendingTickReplacesTheQuestionWhileHidden()
    {
        ScreenDirectory& screens = program_->screens;
        program_->reachMenu();
        scriptQuestion(program_->random, 0, 8, 0, 12, 1);
        QTest::mouseClick(screens.get<Form4>().Label3, Qt::LeftButton);
        Form3& form = screens.get<Form3>();
        QTest::mouseClick(form.Label8, Qt::LeftButton);
        QCOMPARE(form.Label9->caption(), kWrong + u"0.08"_s);
        QTest::mouseClick(form.returnLabel(), Qt::LeftButton);
        QVERIFY(form.isHidden());

        scriptQuestion(program_->random, 0, 0, 6, 600, 2);
        QVERIFY(form.Timer1->fireNow());
        QCOMPARE(form.Label8->caption(), u"0.6"_s);
        QCOMPARE(form.Label4->caption(), u" و600"_s);
        QVERIFY(form.Label9->isHidden());

        QSignalSpy loads(&form, &tk::Screen::loaded);
        QTest::mouseClick(screens.get<Form4>().Label3, Qt::LeftButton);
        QVERIFY(form.isVisible());
        QCOMPARE(loads.size(), 0);
        QCOMPARE(form.Label8->caption(), u"0.6"_s);
    }
};

QTEST_MAIN(TestChooseExercise)
#include "test_choose_exercise.moc"
