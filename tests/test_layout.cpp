// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every control of every screen where its design puts it, in logical pixels (twips / 15);
// captions that fit their windows; the same at any device scale.

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "core/number_text.h"
#include "core/twips.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/question_script.h"
#include "support/reading_script.h"
#include "support/test_program.h"
#include "support/widget_lookup.h"
#include "toolkit/label.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// Which point of its designed box a control keeps.
// A fixed label keeps its box, growing to the left only where the ink of its caption needs it.
enum class Anchor { Fixed, FixedLabel, LeftEdge, RightEdge, Centre, WindowCentre, OvalCentre };

struct Placement {
    const char* screen = nullptr;
    const char* control = nullptr;
    core::TwipsRect box;
    Anchor anchor = Anchor::Fixed;
    const char* oval = nullptr;
};

const Placement kDesign[] = {
    {"Form1", "Label1", {660, 240, 4965, 645}, Anchor::Centre},
    {"Form1", "Label2", {1860, 1200, 2565, 645}, Anchor::Centre},
    {"Form1", "Label3", {1005, 1920, 4395, 645}, Anchor::Centre},
    {"Form1", "Label4", {1200, 2760, 3885, 645}, Anchor::Centre},
    {"Form1", "Label5", {195, 4200, 5655, 645}, Anchor::Centre},
    {"Form1", "Label7", {1575, 4920, 3135, 270}, Anchor::LeftEdge},
    {"Form1", "Label8", {165, 5280, 5940, 270}, Anchor::LeftEdge},
    {"Form1", "Label6", {2055, 5640, 2160, 270}, Anchor::RightEdge},
    {"Form1", "Label9", {3480, 6000, 2205, 270}, Anchor::RightEdge},
    {"Form1", "Label10", {840, 6000, 2400, 270}, Anchor::RightEdge},
    {"Form1", "Label11", {3480, 6360, 1515, 270}, Anchor::RightEdge},
    {"Form1", "Label12", {960, 6360, 2295, 270}, Anchor::RightEdge},
    {"Form1", "Shape1", {600, 1080, 5175, 3015}, Anchor::Fixed},
    {"Form4", "Label4", {4013, 1440, 4020, 555}, Anchor::Centre},
    {"Form4", "Label3", {1793, 5160, 2985, 555}, Anchor::Centre},
    {"Form4", "Label2", {7193, 5040, 3030, 555}, Anchor::Centre},
    {"Form4", "Label1", {480, 8400, 720, 435}, Anchor::LeftEdge},
    {"Form4", "Shape1", {6473, 3720, 4455, 3015}, Anchor::Fixed},
    {"Form4", "Shape2", {1073, 3840, 4455, 3015}, Anchor::Fixed},
    {"Form4", "Shape3", {3773, 240, 4455, 3015}, Anchor::Fixed},
    {"Form2", "Label5", {11790, 600, 135, 795}, Anchor::RightEdge},
    {"Form2", "Label4", {3075, 2040, 3240, 1695}, Anchor::RightEdge},
    {"Form2", "Label3", {6675, 2040, 810, 1695}, Anchor::LeftEdge},
    {"Form2", "Label2", {7395, 2040, 810, 1695}, Anchor::LeftEdge},
    {"Form2", "Label1", {8115, 2040, 810, 1695}, Anchor::LeftEdge},
    {"Form2", "Shape2", {3533, 4320, 4935, 2655}, Anchor::Fixed},
    {"Form2", "Text1", {4373, 5160, 3135, 975}, Anchor::Fixed},
    {"Form2", "Command1", {1080, 5280, 1695, 975}, Anchor::Fixed},
    {"Form2", "Label9", {5100, 7200, 1800, 930}, Anchor::Centre},
    {"Form2", "Label6", {2400, 8280, 1290, 300}, Anchor::RightEdge},
    {"Form2", "Label10", {960, 8160, 735, 495}, Anchor::FixedLabel},
    {"Form3", "Label5", {83, 600, 11835, 795}, Anchor::RightEdge},
    {"Form3", "Label4", {3075, 2040, 3240, 1695}, Anchor::RightEdge},
    {"Form3", "Label3", {6675, 2040, 810, 1695}, Anchor::LeftEdge},
    {"Form3", "Label2", {7395, 2040, 810, 1695}, Anchor::LeftEdge},
    {"Form3", "Label1", {8115, 2040, 810, 1695}, Anchor::LeftEdge},
    {"Form3", "Shape1", {8400, 4800, 3255, 2175}, Anchor::Fixed},
    {"Form3", "Shape2", {4560, 4800, 3255, 2175}, Anchor::Fixed},
    {"Form3", "Shape3", {480, 4800, 3495, 2175}, Anchor::Fixed},
    {"Form3", "Label6", {9600, 5160, 750, 1530}, Anchor::OvalCentre, "Shape1"},
    {"Form3", "Label7", {5760, 5160, 750, 1530}, Anchor::OvalCentre, "Shape2"},
    {"Form3", "Label8", {1680, 5160, 750, 1530}, Anchor::OvalCentre, "Shape3"},
    {"Form3", "Label9", {5100, 7200, 1800, 930}, Anchor::Centre},
    {"Form3", "Label11", {2760, 8280, 1290, 300}, Anchor::RightEdge},
    {"Form3", "Label10", {960, 8160, 735, 495}, Anchor::FixedLabel},
    {"Form5", "Label1", {1575, 2520, 8745, 3525}, Anchor::WindowCentre},
    {"Form5", "Label2", {3938, 7680, 4005, 285}, Anchor::WindowCentre},
    {"Form5", "Label3", {1080, 7680, 525, 300}, Anchor::RightEdge},
    {"Form5", "Label4", {2160, 7680, 1290, 300}, Anchor::RightEdge},
};

double px(double twips)
{
    return twips / core::kTwipsPerPixel;
}

} // namespace

Q_DECLARE_METATYPE(Anchor)

class TestLayout : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

    tk::Screen* screen(const QString& name) { return program_->screenNamed(name); }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        program_ = std::make_unique<TestProgram>();
        scriptReading(program_->random, 8, 0, 0, 998, 98);
        for (tk::Screen* s : program_->allScreens()) {
            s->show();
        }
    }
    void cleanupTestCase() { program_.reset(); }

    void screenSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("splash") << u"Form1"_s << QSize(418, 458);
        QTest::newRow("menu") << u"Form4"_s << QSize(800, 600);
        QTest::newRow("write exercise") << u"Form2"_s << QSize(800, 600);
        QTest::newRow("choose exercise") << u"Form3"_s << QSize(800, 600);
        QTest::newRow("reading practice") << u"Form5"_s << QSize(792, 573);
    }
    void screenSizes()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const tk::Screen* s = screen(name);
        QCOMPARE(s->size(), size);
        QVERIFY(s->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(s->minimumSize(), size); // the user cannot resize it
        QCOMPARE(s->maximumSize(), size);
    }

    void everyControlWhereItsDesignPutsIt_data()
    {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QString>("controlName");
        QTest::addColumn<QRect>("box"); // twips
        QTest::addColumn<Anchor>("anchor");
        QTest::addColumn<QString>("oval");
        for (const Placement& p : kDesign) {
            QTest::addRow("%s %s", p.screen, p.control)
                << QString::fromLatin1(p.screen) << QString::fromLatin1(p.control)
                << QRect(p.box.left, p.box.top, p.box.width, p.box.height) << p.anchor
                << QString::fromLatin1(p.oval != nullptr ? p.oval : "");
        }
    }
    void everyControlWhereItsDesignPutsIt()
    {
        QFETCH(QString, screenName);
        QFETCH(QString, controlName);
        QFETCH(QRect, box);
        QFETCH(Anchor, anchor);
        QFETCH(QString, oval);
        tk::Screen* s = screen(screenName);
        const QWidget* control = s->findChild<QWidget*>(controlName, Qt::FindDirectChildrenOnly);
        QVERIFY(control != nullptr);
        const QRect at = control->geometry();
        const QRect designed(core::twipsToPixels(box.left()), core::twipsToPixels(box.top()),
                             core::twipsToPixels(box.width()), core::twipsToPixels(box.height()));
        if (anchor == Anchor::Fixed) {
            QCOMPARE(at, designed);
            return;
        }
        const auto* label = qobject_cast<const tk::Label*>(control);
        QVERIFY(label != nullptr);
        if (anchor == Anchor::FixedLabel) {
            QVERIFY(!label->isAutoSize());
            QCOMPARE(at.right(), designed.right());
            QCOMPARE(at.top(), designed.top());
            QCOMPARE(at.height(), designed.height());
            QCOMPARE(at.width(), std::max(designed.width(), qCeil(label->captionWidth())));
            QVERIFY(at.width() - designed.width() <= 4);
            return;
        }
        QVERIFY(label->isAutoSize());
        QCOMPARE(at.width(), qCeil(label->captionWidth())); // fits its caption
        QVERIFY(s->rect().contains(at));
        const int expectedTop = std::min(designed.top(), s->height() - at.height());
        QCOMPARE(at.top(), expectedTop);
        const double centre = at.x() + at.width() / 2.0;
        switch (anchor) {
        case Anchor::LeftEdge:
            QCOMPARE(at.left(), designed.left());
            break;
        case Anchor::RightEdge:
            QCOMPARE(at.x() + at.width(), core::twipsToPixels(box.left() + box.width()));
            break;
        case Anchor::Centre:
            QVERIFY2(std::abs(centre - px(box.left() + box.width() / 2.0)) <= 1.0,
                     qPrintable(u"centre %1"_s.arg(centre)));
            break;
        case Anchor::WindowCentre:
            QVERIFY(std::abs(centre - s->width() / 2.0) <= 1.0);
            break;
        case Anchor::OvalCentre: {
            const QWidget* shape = s->findChild<QWidget*>(oval, Qt::FindDirectChildrenOnly);
            QVERIFY(std::abs(centre - (shape->x() + shape->width() / 2.0)) <= 1.0);
            break;
        }
        case Anchor::Fixed:
        case Anchor::FixedLabel:
            break;
        }
    }

    void everyControlOfEveryScreenIsChecked()
    {
        int listed = 0;
        for (const tk::Screen* s : program_->allScreens()) {
            const QString name = s->objectName();
            for (const QWidget* child : s->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const bool inDesign =
                    std::any_of(std::begin(kDesign), std::end(kDesign), [&](const Placement& p) {
                        return name == QLatin1String(p.screen) &&
                               child->objectName() == QLatin1String(p.control);
                    });
                QVERIFY2(inDesign, qPrintable(name + u' ' + child->objectName()));
                ++listed;
            }
        }
        QCOMPARE(listed, static_cast<int>(std::size(kDesign)));
    }

    // Under each locale's digits and separator (Arabic-Indic digits are wider in Amiri).
    void theLongestCaptionsFitTheirWindows_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char* locale : {"C", "ar_EG", "ar_MA"}) {
            QTest::newRow(locale) << QString::fromLatin1(locale);
        }
    }
    void theLongestCaptionsFitTheirWindows()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        Form2& write = program_->screens.get<Form2>();     // 999.009, the 9 red: answer 0.009
        Form3& choose = program_->screens.get<Form3>();    // 808.007, the 7 red
        scriptQuestion(program_->random, 9, 0, 0, 999, 0); // the same, written under the locale
        scriptQuestion(program_->random, 0, 0, 7, 808, 2);
        for (tk::Timer* timer : {write.Timer1, choose.Timer1}) {
            timer->setEnabled(true);
            timer->fireNow();
        }
        write.Text1->setText(u"0.9"_s);
        QTest::mouseClick(write.Command1, Qt::LeftButton);
        QCOMPARE(write.Label9->caption(), FeedbackText(false, placeValue(9, kThousandthsDivisor)));
        QVERIFY(write.rect().contains(write.Label9->geometry()));
        QVERIFY(write.Label9->width() >= write.Label9->captionWidth());
        QVERIFY(write.rect().contains(write.Label4->geometry()));
        QVERIFY(inkStandsApart({write.Label4, write.Label3, write.Label2, write.Label1}));

        QCOMPARE(choose.Label6->caption(), FormatNumber(placeValue(7, kThousandthsDivisor)));
        QTest::mouseClick(choose.Label8, Qt::LeftButton);
        QVERIFY(choose.rect().contains(choose.Label9->geometry()));
        for (const auto& [candidate, oval] :
             {std::pair{choose.Label6, u"Shape1"_s}, std::pair{choose.Label7, u"Shape2"_s},
              std::pair{choose.Label8, u"Shape3"_s}}) {
            const QRect shape = control<QWidget>(&choose, oval)->geometry();
            QVERIFY(candidate->x() >= shape.x() && candidate->geometry().right() <= shape.right());
        }
        QVERIFY(!choose.Label6->geometry().intersects(choose.Label7->geometry()));
        QVERIFY(!choose.Label7->geometry().intersects(choose.Label8->geometry()));

        Form5& reading = program_->screens.get<Form5>();
        program_->random.script({0.85F, 0.9999F, 0.9999F, 0.9999F, 0.9999F, 0.9999F});
        QTest::keyClick(&reading, Qt::Key_Return);
        QCOMPARE(reading.Label1->caption(), FormatNumber(998) + u'و' + FormatNumber(998));
        QVERIFY(reading.rect().contains(reading.Label1->geometry()));
        QVERIFY(!reading.Label2->geometry().intersects(reading.returnLabel()->geometry()));
        QVERIFY(!reading.returnLabel()->geometry().intersects(reading.exitLabel()->geometry()));
    }

    void screensRenderAtTheDeviceScale()
    {
        const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                 ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                 : 1.0;
        for (const QString& name : {u"Form1"_s, u"Form4"_s, u"Form5"_s}) {
            tk::Screen* s = screen(name);
            QCOMPARE(s->devicePixelRatio(), scale);
            const QPixmap picture = s->grab();
            QCOMPARE(picture.size(), s->size() * scale); // device pixels, drawn at full resolution
        }
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
