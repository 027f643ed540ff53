// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader learns: the screens' and controls' names and roles, which digit is
// chosen and where it stands, and what is announced (a verdict, a new question).

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "core/number_text.h"
#include "core/spoken_question.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/accessible_events.h"
#include "support/design_rows.h"
#include "support/question_script.h"
#include "support/reading_script.h"
#include "support/test_program.h"
#include "toolkit/accessibility.h"
#include "toolkit/controls.h"

#include <QAccessible>
#include <QLocale>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(QAccessible::Role)

class TestAccessibility : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

    QWidget* find(const QString& screen, const QString& control)
    {
        const tk::Screen* s = program_->screenNamed(screen);
        return s == nullptr ? nullptr : s->findChild<QWidget*>(control, Qt::FindDirectChildrenOnly);
    }

    static QString description(QObject* object)
    {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Description);
    }

    // What an announcement also raises on this platform: on Windows the focused control's value
    // change, which Qt's UI Automation bridge raises as a notification; nothing elsewhere.
    static QStringList valuesToldFor(const QStringList& announced)
    {
#ifdef Q_OS_WIN
        return announced;
#else
        static_cast<void>(announced);
        return {};
#endif
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        program_ = std::make_unique<TestProgram>();
        scriptQuestion(program_->random, 1, 2, 3, 45, 0); // the write exercise: the 1 is red
        scriptQuestion(program_->random, 1, 2, 3, 45, 2); // the choose exercise: the 3 is red
        scriptReading(program_->random, 1, 0, 0, 3, 12);  // the reading practice: 12 و 3
        program_->reachMenu();
        for (tk::Screen* s : program_->allScreens()) {
            if (s != &program_->screens.get<Form1>() && s != &program_->screens.get<Form4>()) {
                s->show();
            }
        }
    }
    void cleanupTestCase()
    {
        program_.reset();
    }

    // Every control of the design but the shapes: a clickable label or the button is a button,
    // a heading a heading, a keypad a panel, another label static text, each named by its caption
    // (a stand-in's: what it shows now); the answer box is named by the question it answers, the
    // heading of its screen.
    void controlsHaveNamesAndRoles_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name"); // empty for a stand-in
        for (const design::Control& c : design::kControls) {
            if (c.kind == design::Kind::Shape) {
                continue;
            }
            const bool button = c.click != nullptr || c.kind == design::Kind::Button;
            const bool box = c.kind == design::Kind::TextBox;
            const bool keypad = c.kind == design::Kind::Keypad; // a panel of buttons
            const QAccessible::Role role = button      ? QAccessible::Button
                                           : box       ? QAccessible::EditableText
                                           : keypad    ? QAccessible::Client
                                           : c.heading ? QAccessible::Heading
                                                       : QAccessible::StaticText;
            const QString name = c.standIn ? QString()
                                 : box ? design::text(design::control(c.screen, "Label5").caption)
                                       : design::text(c.caption);
            QTest::addRow("%s %s", c.screen, c.name)
                << QString::fromLatin1(c.screen) << QString::fromLatin1(c.name) << role << name;
        }
    }
    void controlsHaveNamesAndRoles()
    {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        QWidget* widget = find(screen, control);
        QVERIFY(widget != nullptr);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->role(), role);
        if (name.isEmpty()) { // a stand-in: what it shows
            auto* label = qobject_cast<tk::Label*>(widget);
            QVERIFY(label != nullptr);
            name = label->caption();
        }
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    void pressingAMenuEntryOpensItsActivity()
    {
        Form4& menu = program_->screens.get<Form4>();
        for (tk::Screen* s : program_->allScreens()) {
            if (s != &menu) {
                s->hide();
            }
        }
        menu.show();
        QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(menu.Label4);
        QVERIFY(entry != nullptr);
        QAccessibleActionInterface* actions = entry->actionInterface();
        if (actions == nullptr) {
            QFAIL("a menu entry has no actions");
        }
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(program_->screens.get<Form5>().isVisible());
        QVERIFY(!menu.isVisible());
        QAccessibleInterface* title = QAccessible::queryAccessibleInterface(
            program_->screens.get<Form1>().findChild<QWidget*>(u"Label2"_s));
        QVERIFY(title != nullptr && title->actionInterface() != nullptr);
        QVERIFY(!title->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }

    // Each screen is a window with its spoken name; its children are its controls but for the
    // shapes (decoration), then its announcement.
    void screensAreNamedWindowsWithoutDecoration_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("name");
        for (const design::Window& window : design::kWindows) {
            QTest::newRow(window.screen)
                << QString::fromLatin1(window.screen) << design::text(window.spokenName);
        }
    }
    void screensAreNamedWindowsWithoutDecoration()
    {
        QFETCH(QString, screen);
        QFETCH(QString, name);
        tk::Screen* s = program_->screenNamed(screen);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(s);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), name);
        int controls = 0;
        for (const design::Control& c : design::kControls) {
            controls += screen == QLatin1String(c.screen) && c.kind != design::Kind::Shape ? 1 : 0;
        }
        QCOMPARE(window->childCount(), controls + 1);
        for (int i = 0; i < controls; ++i) {
            QAccessibleInterface* child = window->child(i);
            QVERIFY(qobject_cast<tk::Shape*>(child->object()) == nullptr);
            QCOMPARE(child->parent()->object(), s);
            QCOMPARE(window->indexOfChild(child), i);
        }
        QAccessibleInterface* announcement = window->child(controls);
        QCOMPARE(announcement->role(), QAccessible::Notification);
        QCOMPARE(announcement->object(), &s->announcement());
        QCOMPARE(announcement->parent()->object(), s);
        QCOMPARE(window->indexOfChild(announcement), controls);
    }

    // Only the chosen digit says that it is the red one, which digit it is and where it stands;
    // the control that takes the focus first says the whole question.
    void theChosenDigitSaysWhichAndWhere_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("thousandths") << 0 << u"Label1"_s;
        QTest::newRow("hundredths") << 1 << u"Label2"_s;
        QTest::newRow("tenths") << 2 << u"Label3"_s;
    }
    void theChosenDigitSaysWhichAndWhere()
    {
        QFETCH(int, place);
        QFETCH(QString, chosen);
        for (ExerciseScreen* screen : QList<ExerciseScreen*>{&program_->screens.get<Form2>(),
                                                             &program_->screens.get<Form3>()}) {
            scriptQuestion(program_->random, 7, 8, 9, 456, place);
            screen->Timer1->setEnabled(true); // as an answer leaves it
            QVERIFY(screen->Timer1->fireNow());
            const core::PlaceValueQuestion& question = screen->question();
            QCOMPARE(question.ChosenDigit, static_cast<float>(7 + place));
            for (tk::Label* digit : {screen->Label1, screen->Label2, screen->Label3}) {
                QCOMPARE(description(digit), digit->objectName() == chosen
                                                 ? core::chosenDigitDescription(question)
                                                 : QString());
            }
            QCOMPARE(description(screen->firstFocus()), core::spokenQuestion(question));
        }
        QVERIFY(program_->screens.get<Form2>().firstFocus() ==
                program_->screens.get<Form2>().Text1);
        QVERIFY(program_->screens.get<Form3>().firstFocus() ==
                program_->screens.get<Form3>().Label5);
    }

    // The verdict is told when it shows, and so is each new question and each new number to
    // read, wherever the focus is; a hidden screen tells nothing.
    void verdictsAndNewQuestionsAreAnnounced()
    {
        Form2& write = program_->screens.get<Form2>();
        Form3& choose = program_->screens.get<Form3>();
        Form5& reading = program_->screens.get<Form5>();
        for (tk::Screen* s : QList<tk::Screen*>{&write, &choose, &reading}) {
            s->show();
        }
        scriptQuestion(program_->random, 0, 0, 6, 7, 2); // 7.600, the 6 red
        choose.Timer1->setEnabled(true);
        QVERIFY(choose.Timer1->fireNow());
        AccessibleEventLog log;
        write.Text1->setText(u"9"_s);
        QTest::mouseClick(write.Command1, Qt::LeftButton);
        const QString wrong = core::FeedbackText(false, write.question().CorrectAnswer);
        scriptQuestion(program_->random, 0, 0, 4, 12, 2); // 12.400, the 4 red
        QVERIFY(write.Timer1->fireNow());
        const QString next = core::spokenQuestion(write.question());
        QVERIFY(next.startsWith(u"العدد 12 و 4 0 0، "_s));
        QTest::mouseClick(choose.Label8, Qt::LeftButton);
        const QString chosen = core::FeedbackText(true, choose.question().CorrectAnswer);
        QCOMPARE(choose.Label9->caption(), chosen);
        scriptReading(program_->random, 5, 0, 42, 0, 0); // 42 و 5
        QTest::keyClick(reading.Label1, Qt::Key_Return);
        const QStringList announced{wrong, next, chosen, u"42و5"_s};
        QCOMPARE(log.announcements(), announced);
        QCOMPARE(log.valuesTold(), valuesToldFor(announced));

        QTest::mouseClick(write.Command1, Qt::LeftButton);
        log.clear();
        write.hide(); // back to the menu before the tick
        scriptQuestion(program_->random, 0, 0, 5, 3, 2);
        QVERIFY(write.Timer1->fireNow());
        QCOMPARE(log.announcements(), QStringList());
        QCOMPARE(write.announcement().news(), write.Label9->caption()); // the last news told
        QCOMPARE(description(write.Text1), core::spokenQuestion(write.question()));
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
