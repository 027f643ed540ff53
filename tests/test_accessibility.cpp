// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader learns about the controls: names, roles, and which digit is chosen.

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/question_script.h"
#include "support/reading_script.h"
#include "support/test_program.h"

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

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        program_ = std::make_unique<TestProgram>();
        scriptQuestion(program_->random, 1, 2, 3, 45, 0); // the write exercise: the 1 is red
        scriptQuestion(program_->random, 1, 2, 3, 45, 2); // the choose exercise: the 3 is red
        program_->reachMenu();
        for (tk::Screen* s : program_->allScreens()) {
            if (s != &program_->screens.get<Form1>() && s != &program_->screens.get<Form4>()) {
                s->show();
            }
        }
    }
    void cleanupTestCase() { program_.reset(); }

    void controlsHaveNamesAndRoles_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        const QString back = u"العودة للواجهة"_s;
        const QString exit = u"خروج"_s;
        QTest::newRow("menu: write exercise")
            << u"Form4"_s << u"Label2"_s << QAccessible::Button << u"اكتب البلمزية"_s;
        QTest::newRow("menu: choose exercise")
            << u"Form4"_s << u"Label3"_s << QAccessible::Button << u"اختر البلمزية"_s;
        QTest::newRow("menu: reading practice")
            << u"Form4"_s << u"Label4"_s << QAccessible::Button << u"ارقام في الصورة العشرية"_s;
        QTest::newRow("menu: exit") << u"Form4"_s << u"Label1"_s << QAccessible::Button << exit;
        QTest::newRow("write: return") << u"Form2"_s << u"Label6"_s << QAccessible::Button << back;
        QTest::newRow("write: exit") << u"Form2"_s << u"Label10"_s << QAccessible::Button << exit;
        QTest::newRow("write: answer box") << u"Form2"_s << u"Text1"_s << QAccessible::EditableText
                                           << u"اكتب البلمزية للرقم الملون باللون الاحمر"_s;
        QTest::newRow("write: button")
            << u"Form2"_s << u"Command1"_s << QAccessible::Button << u"ادخل الناتج"_s;
        QTest::newRow("write: heading") << u"Form2"_s << u"Label5"_s << QAccessible::StaticText
                                        << u"اكتب البلمزية للرقم الملون باللون الاحمر"_s;
        QTest::newRow("choose: thousandths")
            << u"Form3"_s << u"Label6"_s << QAccessible::Button << u"0.003"_s;
        QTest::newRow("choose: hundredths")
            << u"Form3"_s << u"Label7"_s << QAccessible::Button << u"0.03"_s;
        QTest::newRow("choose: tenths")
            << u"Form3"_s << u"Label8"_s << QAccessible::Button << u"0.3"_s;
        QTest::newRow("choose: return")
            << u"Form3"_s << u"Label11"_s << QAccessible::Button << back;
        QTest::newRow("choose: exit") << u"Form3"_s << u"Label10"_s << QAccessible::Button << exit;
        QTest::newRow("reading: return")
            << u"Form5"_s << u"Label4"_s << QAccessible::Button << back;
        QTest::newRow("reading: exit") << u"Form5"_s << u"Label3"_s << QAccessible::Button << exit;
        QTest::newRow("splash: title")
            << u"Form1"_s << u"Label2"_s << QAccessible::StaticText << u"البلمزية"_s;
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

    void theChosenDigitSaysSo()
    {
        Form2& write = program_->screens.get<Form2>();
        const auto description = [](QWidget* digit) {
            return QAccessible::queryAccessibleInterface(digit)->text(QAccessible::Description);
        };
        QCOMPARE(description(write.Label1), u"الرقم الملون باللون الاحمر"_s);
        QVERIFY(description(write.Label2).isEmpty());
        QVERIFY(description(write.Label3).isEmpty());

        scriptQuestion(program_->random, 0, 6, 0, 7, 1); // the next question: the 6 is red
        write.Text1->setText(u"1"_s);
        QTest::mouseClick(write.Command1, Qt::LeftButton);
        QVERIFY(write.Timer1->fireNow());
        QVERIFY(description(write.Label1).isEmpty());
        QCOMPARE(description(write.Label2), u"الرقم الملون باللون الاحمر"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(write.Label2)->text(QAccessible::Name),
                 u"6"_s);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
