// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every screen has its window in the design table and every control of the screens carries its
// designed values when the screen is made: the labels' captions, faces, sizes, colours, alignment,
// reading order and visibility, the window backgrounds, the shapes, the answer box and button, and
// the timers; the splash screen's numbers under other regional settings. (Places: test_layout.)

#include "app/form1.h"
#include "app/screen_directory.h"
#include "support/design_rows.h"
#include "support/test_program.h"
#include "support/widget_lookup.h"
#include "toolkit/colours.h"
#include "toolkit/controls.h"
#include "toolkit/keypad.h"
#include "toolkit/label.h"
#include "toolkit/timer.h"

#include <QLocale>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

class TestDesignTable : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

    const tk::Screen* screen(const char* name)
    {
        return program_->screenNamed(QLatin1String(name));
    }

    static void verifyFont(const QFont& font, const design::Control& c)
    {
        QCOMPARE(font.families(), tk::substituteFaces(design::toolkitFace(c.face)));
        QCOMPARE(font.pointSizeF(), c.points);
        QCOMPARE(font.bold(), c.bold);
    }

private Q_SLOTS:
    void initTestCase()
    {
        program_ = std::make_unique<TestProgram>();
        program_->allScreens(); // made, not yet shown: the designed captions still stand
    }
    void cleanupTestCase() { program_.reset(); }

    // A row for every screen of the program and every window of the table, so that a screen
    // without a window row, or a row without a screen, fails by its name.
    void everyWindowCarriesItsDesign_data()
    {
        QTest::addColumn<QString>("name");
        QStringList names = TestProgram::screenNames();
        for (const design::Window& w : design::kWindows) {
            if (!names.contains(QLatin1String(w.screen))) {
                names.append(QLatin1String(w.screen));
            }
        }
        for (const QString& name : names) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void everyWindowCarriesItsDesign()
    {
        QFETCH(QString, name);
        const design::Window* row = design::findWindow(name.toStdString());
        QVERIFY2(row != nullptr, qPrintable(u"kWindows has no row for "_s + name));
        QVERIFY2(TestProgram::screenNames().contains(name),
                 qPrintable(u"the program has no screen "_s + name + u" (kProgramScreens)"_s));
        const design::Window& w = *row;
        const tk::Screen* s = screen(w.screen);
        QVERIFY(s->autoFillBackground());
        QCOMPARE(s->palette().color(QPalette::Window), tk::toQColor(w.background));
        const auto timers = s->findChildren<tk::Timer*>();
        QCOMPARE(timers.size(), w.timerMs > 0 ? 1 : 0);
        if (w.timerMs > 0) {
            QCOMPARE(timers.front()->objectName(), u"Timer1"_s);
            QCOMPARE(timers.front()->interval(), w.timerMs);
            QCOMPARE(timers.front()->isEnabled(), w.timerEnabled);
        }
        const auto listed = std::count_if(
            std::begin(design::kControls), std::end(design::kControls), [&](const auto& c) {
                return qstrcmp(c.screen, w.screen) == 0 && c.kind == design::Kind::Label;
            });
        QCOMPARE(s->findChildren<tk::Label*>().size(), listed); // every label is listed
    }

    void everyControlCarriesItsDesign_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(design::kControls)); ++i) {
            QTest::addRow("%s %s", design::kControls[i].screen, design::kControls[i].name) << i;
        }
    }
    void everyControlCarriesItsDesign()
    {
        QFETCH(int, row);
        const design::Control& c = design::kControls[row];
        const tk::Screen* s = screen(c.screen);
        switch (c.kind) {
        case design::Kind::Label: {
            const auto* label = control<tk::Label>(s, QLatin1String(c.name));
            QVERIFY(label != nullptr);
            QCOMPARE(label->caption(), design::text(c.caption));
            verifyFont(label->font(), c);
            QCOMPARE(label->textColour(), c.colour);
            QCOMPARE(label->design().alignment, design::toolkitAlignment(c.alignment));
            QCOMPARE(label->design().autoSize, c.autoSize);
            QCOMPARE(label->design().rightToLeft, c.rightToLeft);
            QCOMPARE(!label->isHidden(), c.visible);
            QCOMPARE(label->isClickable(), c.click != nullptr);
            QVERIFY(!label->autoFillBackground()); // transparent: the window shows through
            break;
        }
        case design::Kind::Shape: {
            const auto* shape = control<tk::Shape>(s, QLatin1String(c.name));
            QVERIFY(shape != nullptr);
            QCOMPARE(shape->design().kind, c.oval ? tk::ShapeKind::Oval : tk::ShapeKind::Rectangle);
            QCOMPARE(shape->design().fill, c.colour);
            QCOMPARE(shape->design().outlined, c.outlineWidth > 0);
            if (c.outlineWidth > 0) {
                QCOMPARE(shape->design().outline, c.outline);
                QCOMPARE(shape->design().outlineWidth, c.outlineWidth);
            }
            QVERIFY(shape->testAttribute(Qt::WA_TransparentForMouseEvents));
            break;
        }
        case design::Kind::TextBox: {
            const auto* box = control<tk::TextBox>(s, QLatin1String(c.name));
            QVERIFY(box != nullptr);
            QCOMPARE(box->text(), design::text(c.caption));
            QCOMPARE(box->palette().color(QPalette::Text), tk::toQColor(c.colour));
            QCOMPARE(box->palette().color(QPalette::Base), tk::toQColor(c.background));
            verifyFont(box->font(), c);
            QCOMPARE(box->alignment(), Qt::AlignCenter);
            QCOMPARE(box->layoutDirection(), Qt::RightToLeft);
            break;
        }
        case design::Kind::Button: {
            const auto* button = control<tk::Button>(s, QLatin1String(c.name));
            QVERIFY(button != nullptr);
            QCOMPARE(button->text(), design::text(c.caption));
            QCOMPARE(button->palette().color(QPalette::Button), tk::toQColor(c.colour));
            verifyFont(button->font(), c);
            QCOMPARE(button->layoutDirection(), Qt::RightToLeft);
            QVERIFY(!button->isDefault() && !button->autoDefault());
            break;
        }
        case design::Kind::Keypad: {
            const auto* keypad = control<tk::Keypad>(s, QLatin1String(c.name));
            QVERIFY(keypad != nullptr);
            QCOMPARE(keypad->accessibleName(), design::text(c.caption));
            QCOMPARE(keypad->isHidden(), !c.visible);
            QCOMPARE(keypad->focusPolicy(), Qt::NoFocus);
            for (const QAbstractButton* key : keypad->keys()) {
                QCOMPARE(key->focusPolicy(), Qt::NoFocus);
            }
            // Its place lies on the black: it covers no other control of its screen.
            for (const design::Control& other : design::kControls) {
                if (qstrcmp(other.screen, c.screen) == 0 && &other != &c) {
                    QVERIFY2(!design::pixels(other.box).intersects(design::pixels(c.box)),
                             other.name);
                }
            }
            break;
        }
        }
    }

    // The splash screen's year and version in the regional settings' digits, still fitting the
    // window; the version's point is no decimal separator (written ٫ among Arabic-Indic digits,
    // where a point looks like their zero).
    void theSplashWritesItsNumbersInTheRegionalDigits_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("version");
        QTest::newRow("C") << u"C"_s << u"2026"_s << u"1.00"_s;
        QTest::newRow("fr_FR") << u"fr_FR"_s << u"2026"_s << u"1.00"_s;
        QTest::newRow("ar_MA") << u"ar_MA"_s << u"2026"_s << u"1.00"_s;
        QTest::newRow("ar_EG") << u"ar_EG"_s << u"٢٠٢٦"_s << u"١٫٠٠"_s;
        QTest::newRow("ar_SA") << u"ar_SA"_s << u"٢٠٢٦"_s << u"١٫٠٠"_s;
        QTest::newRow("fa_IR") << u"fa_IR"_s << u"۲۰۲۶"_s << u"۱٫۰۰"_s;
    }
    void theSplashWritesItsNumbersInTheRegionalDigits()
    {
        QFETCH(QString, locale);
        QFETCH(QString, year);
        QFETCH(QString, version);
        QLocale::setDefault(QLocale(locale));
        const Form1 splash;
        QLocale::setDefault(QLocale::c());
        const auto* rights = control<tk::Label>(&splash, u"Label5"_s);
        const auto* release = control<tk::Label>(&splash, u"Label6"_s);
        QCOMPARE(rights->caption(), u"جميع الحقوق محفوظة "_s + year);
        QCOMPARE(release->caption(), u"الإصدار "_s + version);
        for (const tk::Label* label : {rights, release}) {
            QVERIFY(splash.rect().contains(label->geometry()));
        }
    }
};

QTEST_MAIN(TestDesignTable)
#include "test_design_table.moc"
