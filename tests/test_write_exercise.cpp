// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The write exercise through its real widgets: typing, the button, the feedback and its timer.

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "exercises/form2.h"
#include "support/question_script.h"
#include "support/test_program.h"
#include "support/widget_lookup.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {
// How the pupil presses the button after typing: a click, or Tab to it and a key.
enum class Press { Click, Space, Enter, KeypadEnter };
} // namespace

Q_DECLARE_METATYPE(Press)

class TestWriteExercise : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;
    std::unique_ptr<Form2> form_;

    // A shown write exercise asking 8.732 with the 3 (hundredths) red, answer 0.03.
    Form2& showAsking()
    {
        scriptQuestion(program_->random, 2, 3, 7, 8, 1);
        form_ = std::make_unique<Form2>();
        form_->show();
        [&] {
            QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        }();
        return *form_;
    }

    static QList<tk::Label*> redDigits(const Form2& form)
    {
        QList<tk::Label*> red;
        for (tk::Label* label : {form.Label1, form.Label2, form.Label3}) {
            if (label->textColour() == core::kChosenDigitColour) {
                red.append(label);
            }
        }
        return red;
    }

    static void answer(Form2& form, const QString& typed, Press press = Press::Click)
    {
        form.Text1->setFocus();
        form.Text1->selectAll();
        if (typed.isEmpty()) {
            QTest::keyClick(form.Text1, Qt::Key_Delete);
        }
        for (const QChar c : typed) {
            // A key beyond ASCII (an Arabic keyboard's digits) comes as its text alone.
            QTest::sendKeyEvent(QTest::Click, form.Text1,
                                c.unicode() < 0x80 ? QTest::asciiToKey(c.toLatin1())
                                                   : Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
        }
        if (press == Press::Click) {
            QTest::mouseClick(form.Command1, Qt::LeftButton);
            return;
        }
        QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Command1);
        const Qt::Key key = press == Press::Space   ? Qt::Key_Space
                            : press == Press::Enter ? Qt::Key_Return
                                                    : Qt::Key_Enter;
        QTest::keyClick(form.windowHandle(), key,
                        press == Press::KeypadEnter ? Qt::KeypadModifier : Qt::NoModifier);
    }

private Q_SLOTS:
    void init() { program_ = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        form_.reset();
        program_.reset();
    }

    void loadPaintsTheQuestion()
    {
        Form2& form = showAsking();
        QCOMPARE(form.Label1->caption(), u"2"_s);
        QCOMPARE(form.Label2->caption(), u"3"_s);
        QCOMPARE(form.Label3->caption(), u"7"_s);
        QCOMPARE(form.Label4->caption(), u" و8"_s);
        QCOMPARE(redDigits(form), QList<tk::Label*>{form.Label2});
        QCOMPARE(form.question().CorrectAnswer, 3.0F / 100.0F);
        QVERIFY(form.keyPreview());
        QVERIFY(!form.Label9->isVisible());
        QVERIFY(!form.Timer1->isEnabled());
        QVERIFY(form.Text1->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), form.Text1);
    }

    // Under C, and under regional settings whose right answer is written otherwise: that
    // writing, exactly as the feedback shows it, is right.
    void theRoadOfOneAnswer_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Press>("press");
        QTest::addColumn<QString>("verdict");
        const QString right = u"الاجابة صحيحة"_s;
        const QString wrong = u"الاجابة خاطئة و الاجابة الصحيحة هي "_s;
        const QString c = u"C"_s;
        QTest::newRow("right") << c << u"0.03"_s << Press::Click << right;
        QTest::newRow("right, other form") << c << u"3e-2"_s << Press::Click << right;
        QTest::newRow("wrong: the digit") << c << u"3"_s << Press::Click << wrong + u"0.03"_s;
        QTest::newRow("wrong: empty box") << c << u""_s << Press::Click << wrong + u"0.03"_s;
        QTest::newRow("wrong: overflow") << c << u"9E999"_s << Press::Click << wrong + u"0.03"_s;
        QTest::newRow("wrong: a comma") << c << u"0,03"_s << Press::Click << wrong + u"0.03"_s;
        QTest::newRow("ar_EG: right as written")
            << u"ar_EG"_s << u"٠٫٠٣"_s << Press::Click << right;
        QTest::newRow("ar_EG: right, plain") << u"ar_EG"_s << u"0.03"_s << Press::Click << right;
        QTest::newRow("ar_EG: wrong, the digit")
            << u"ar_EG"_s << u"٣"_s << Press::Click << wrong + u"٠٫٠٣"_s;
        QTest::newRow("ar_MA: right as written")
            << u"ar_MA"_s << u"0,03"_s << Press::Click << right;
        QTest::newRow("ar_MA: wrong, tenths")
            << u"ar_MA"_s << u"0,3"_s << Press::Click << wrong + u"0,03"_s;
        QTest::newRow("fr_FR: right as written")
            << u"fr_FR"_s << u"0,03"_s << Press::Click << right;
        QTest::newRow("right, Space on the focused button")
            << c << u"0.03"_s << Press::Space << right;
        QTest::newRow("right, Enter on the focused button")
            << c << u"0.03"_s << Press::Enter << right;
        QTest::newRow("wrong, keypad Enter on the focused button")
            << c << u"3"_s << Press::KeypadEnter << wrong + u"0.03"_s;
    }
    void theRoadOfOneAnswer()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(Press, press);
        QFETCH(QString, verdict);
        QLocale::setDefault(QLocale(locale));
        Form2& form = showAsking();
        answer(form, typed, press);
        QCOMPARE(form.Text1->text(), typed); // the answer stays beside the verdict
        QVERIFY(form.Label9->isVisible());
        QCOMPARE(form.Label9->caption(), verdict);
        QVERIFY(form.Timer1->isEnabled());
        QCOMPARE(redDigits(form), QList<tk::Label*>{form.Label2});

        scriptQuestion(program_->random, 9, 0, 0, 410, 0);
        QVERIFY(form.Timer1->fireNow());
        QVERIFY(form.Text1->text().isEmpty());
        QVERIFY(!form.Label9->isVisible());
        QVERIFY(!form.Timer1->isEnabled());
        QCOMPARE(form.Label1->caption(), locale == u"ar_EG"_s ? u"٩"_s : u"9"_s);
        QCOMPARE(form.Label4->caption(), locale == u"ar_EG"_s ? u" و٤١٠"_s : u" و410"_s);
        QCOMPARE(redDigits(form), QList<tk::Label*>{form.Label1});
        QCOMPARE(form.question().CorrectAnswer, 9.0F / 1000.0F);
        QCOMPARE(QApplication::focusWidget(), form.Command1); // the tick moves no focus
    }

    void clickingAgainRewritesTheVerdictAndStillGivesOneNewQuestion()
    {
        Form2& form = showAsking();
        answer(form, u"0.3"_s);
        QVERIFY(form.Label9->caption().endsWith(u" 0.03"_s));
        answer(form, u"0.03"_s);
        QCOMPARE(form.Label9->caption(), u"الاجابة صحيحة"_s);
        QVERIFY(form.Timer1->isEnabled());
        const int drawsBefore = program_->random.draws();
        scriptQuestion(program_->random, 1, 1, 1, 1, 2);
        QVERIFY(form.Timer1->fireNow());
        QCOMPARE(program_->random.draws() - drawsBefore, 5);
        QVERIFY(!form.Timer1->fireNow()); // one tick, one new question
        QCOMPARE(program_->random.draws() - drawsBefore, 5);
    }

    void enterInTheAnswerBoxChecksNothing()
    {
        Form2& form = showAsking();
        QTest::keyClicks(form.Text1, u"0.03"_s);
        QTest::keyClick(form.Text1, Qt::Key_Return);
        QTest::keyClick(form.Text1, Qt::Key_Enter);
        QVERIFY(!form.Label9->isVisible());
        QVERIFY(!form.Timer1->isEnabled());
        QCOMPARE(program_->recorder.ends(), 0);
        QCOMPARE(form.Text1->text(), u"0.03"_s);
    }

    void tabGoesFromTheAnswerBoxToTheButtonThenTheLabelsAndBack()
    {
        Form2& form = showAsking();
        for (QWidget* next :
             QList<QWidget*>{form.Command1, form.returnLabel(), form.exitLabel(), form.Text1}) {
            QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void escFromTheAnswerBoxEndsTheRun()
    {
        Form2& form = showAsking();
        QTest::keyClicks(form.Text1, u"0.0"_s);
        QTest::keyClick(form.Text1, Qt::Key_Escape);
        QCOMPARE(program_->recorder.ends(), 1);
    }

    void aPendingTickRunsWhileTheScreenIsHidden()
    {
        ScreenDirectory& screens = program_->screens;
        program_->reachMenu();
        scriptQuestion(program_->random, 2, 3, 7, 8, 1);
        QTest::mouseClick(screens.get<Form4>().Label2, Qt::LeftButton);
        Form2& form = screens.get<Form2>();
        answer(form, u"0.5"_s);
        QTest::mouseClick(form.returnLabel(), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QVERIFY(form.Timer1->isEnabled());

        scriptQuestion(program_->random, 4, 4, 4, 44, 2);
        QVERIFY(form.Timer1->fireNow());
        QVERIFY(form.Text1->text().isEmpty());
        QVERIFY(form.Label9->isHidden());
        QCOMPARE(form.Label4->caption(), u" و44"_s);

        QSignalSpy loads(&form, &tk::Screen::loaded);
        QTest::mouseClick(screens.get<Form4>().Label2, Qt::LeftButton);
        QVERIFY(form.isVisible());
        QCOMPARE(loads.size(), 0);
        QCOMPARE(form.Label4->caption(), u" و44"_s);
        QCOMPARE(redDigits(form), QList<tk::Label*>{form.Label3});
    }
};

QTEST_MAIN(TestWriteExercise)
#include "test_write_exercise.moc"
