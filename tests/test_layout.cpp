// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Every control of every screen where its design puts it, in logical pixels (twips / 15), with
// its caption's ink inside its box; captions that fit their windows; the same at any device
// scale.

#include "app/screen_directory.h"
#include "core/number_text.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/design_rows.h"
#include "support/ink.h"
#include "support/question_script.h"
#include "support/reading_script.h"
#include "support/test_program.h"
#include "support/widget_lookup.h"
#include "toolkit/label.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QTest>

#include <cmath>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// Which point of its designed box a control keeps. A fixed label keeps its box, and its ink
// reaches past it by a few pixels at most.
enum class Anchor { Fixed, FixedLabel, LeftEdge, RightEdge, Centre, WindowCentre, OvalCentre };

Anchor anchorOf(const design::Control& c)
{
    if (c.kind != design::Kind::Label) {
        return Anchor::Fixed;
    }
    if (!c.autoSize) {
        return Anchor::FixedLabel;
    }
    if (c.centredOn != nullptr) {
        return qstrcmp(c.centredOn, "window") == 0 ? Anchor::WindowCentre : Anchor::OvalCentre;
    }
    switch (c.alignment) {
    case design::Align::Left:
        return Anchor::LeftEdge;
    case design::Align::Right:
        return Anchor::RightEdge;
    case design::Align::Centre:
        break;
    }
    return Anchor::Centre;
}

double px(double twips)
{
    return twips / 15.0;
}

} // namespace

class TestLayout : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

    tk::Screen* screen(const QString& name) { return program_->screenNamed(name); }

    static void addControlRows(bool labelsOnly)
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(design::kControls)); ++i) {
            if (!labelsOnly || design::kControls[i].kind == design::Kind::Label) {
                QTest::addRow("%s %s", design::kControls[i].screen, design::kControls[i].name) << i;
            }
        }
    }

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
        for (const design::Window& w : design::kWindows) {
            QTest::newRow(w.screen)
                << QString::fromLatin1(w.screen) << QSize(w.width / 15, w.height / 15);
        }
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

    void everyControlWhereItsDesignPutsIt_data() { addControlRows(false); }
    void everyControlWhereItsDesignPutsIt()
    {
        QFETCH(int, row);
        const design::Control& c = design::kControls[row];
        tk::Screen* s = screen(QLatin1String(c.screen));
        const QWidget* control =
            s->findChild<QWidget*>(QLatin1String(c.name), Qt::FindDirectChildrenOnly);
        QVERIFY(control != nullptr);
        const QRect at = control->geometry();
        const QRect designed = design::pixels(c.box);
        const Anchor anchor = anchorOf(c);
        if (anchor == Anchor::Fixed) {
            QCOMPARE(at, designed);
            return;
        }
        const auto* label = qobject_cast<const tk::Label*>(control);
        QVERIFY(label != nullptr);
        const QRect reacting = label->placement().reactingBox;
        QVERIFY(at.contains(reacting)); // the widget holds the box and the ink
        QVERIFY(s->rect().contains(at));
        if (anchor == Anchor::FixedLabel) {
            QVERIFY(!label->design().autoSize);
            QCOMPARE(reacting, designed);
            QVERIFY(at.width() - designed.width() <= 4);
            QVERIFY(at.height() - designed.height() <= 4);
            return;
        }
        QVERIFY(label->design().autoSize);
        QCOMPARE(reacting.top(), designed.top());
        QCOMPARE(reacting.height(), designed.height());
        // Fits its caption: its advances, and a swash of its ink past them.
        const double advance = QFontMetricsF(label->font()).horizontalAdvance(label->caption());
        QVERIFY2(reacting.width() >= advance - 1 && reacting.width() <= advance + 6,
                 qPrintable(u"%1 for a caption of %2"_s.arg(reacting.width()).arg(advance)));
        const double centre = reacting.x() + reacting.width() / 2.0;
        switch (anchor) {
        case Anchor::LeftEdge:
            QCOMPARE(reacting.left(), designed.left());
            break;
        case Anchor::RightEdge:
            QCOMPARE(reacting.x() + reacting.width(), qRound(px(c.box.left + c.box.width)));
            break;
        case Anchor::Centre:
            QVERIFY2(std::abs(centre - px(c.box.left + c.box.width / 2.0)) <= 1.0,
                     qPrintable(u"centre %1"_s.arg(centre)));
            break;
        case Anchor::WindowCentre:
            QVERIFY(std::abs(centre - s->width() / 2.0) <= 1.0);
            break;
        case Anchor::OvalCentre: {
            const QWidget* shape =
                s->findChild<QWidget*>(QLatin1String(c.centredOn), Qt::FindDirectChildrenOnly);
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
                    std::any_of(std::begin(design::kControls), std::end(design::kControls),
                                [&](const design::Control& c) {
                                    return name == QLatin1String(c.screen) &&
                                           child->objectName() == QLatin1String(c.name);
                                });
                QVERIFY2(inDesign, qPrintable(name + u' ' + child->objectName()));
                ++listed;
            }
        }
        QCOMPARE(listed, static_cast<int>(std::size(design::kControls)));
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
        QCOMPARE(write.Label9->caption(),
                 core::FeedbackText(false, core::placeValue(9, core::kThousandthsDivisor)));
        QVERIFY(write.rect().contains(write.Label9->geometry()));
        QVERIFY(write.Label9->geometry().contains(inkBox(write.Label9)));
        QVERIFY(write.rect().contains(write.Label4->geometry()));
        QVERIFY(inkStandsApart({write.Label4, write.Label3, write.Label2, write.Label1}));

        QCOMPARE(choose.Label6->caption(),
                 core::FormatNumber(core::placeValue(7, core::kThousandthsDivisor)));
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
        QTest::keyClick(reading.windowHandle(), Qt::Key_Return);
        QCOMPARE(reading.Label1->caption(),
                 core::FormatNumber(998) + u'و' + core::FormatNumber(998));
        QVERIFY(reading.rect().contains(reading.Label1->geometry()));
        QVERIFY(!reading.Label2->geometry().intersects(reading.returnLabel()->geometry()));
        QVERIFY(!reading.returnLabel()->geometry().intersects(reading.exitLabel()->geometry()));
    }

    // After the longest captions above: the ink of every caption, designed or brought by a
    // question or a verdict, lies in its reacting box, within 2 pixels. Only a caption whose ink
    // is taller than its box (a few large lines in the stand-in face) reaches out of it, as
    // much above as below.
    void everyCaptionsInkLiesInItsBox_data() { addControlRows(true); }
    void everyCaptionsInkLiesInItsBox()
    {
        QFETCH(int, row);
        const design::Control& c = design::kControls[row];
        auto* label = control<tk::Label>(screen(QLatin1String(c.screen)), QLatin1String(c.name));
        QVERIFY(label != nullptr);
        const QRect ink = inkBox(label);
        const QRect box = label->placement().reactingBox;
        QVERIFY(!ink.isEmpty());
        QVERIFY2(ink.left() >= box.left() - 2 && ink.right() <= box.right() + 2,
                 qPrintable(u"ink %1 to %2 in %3 to %4"_s.arg(ink.left())
                                .arg(ink.right())
                                .arg(box.left())
                                .arg(box.right())));
        const int above = box.top() - ink.top();
        const int below = ink.bottom() - box.bottom();
        const QString where = u"ink %1 to %2 in %3 to %4"_s.arg(ink.top())
                                  .arg(ink.bottom())
                                  .arg(box.top())
                                  .arg(box.bottom());
        if (c.click != nullptr || ink.height() <= box.height() + 4) {
            QVERIFY2(above <= 2 && below <= 2, qPrintable(where));
        } else {
            QVERIFY2(std::abs(above - below) <= 2, qPrintable(where));
        }
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
