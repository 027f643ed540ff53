// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the clickable labels react, through the window as a real pointer is routed: exactly in
// their reacting boxes (the designed box; a self-sizing label's caption at the designed top and
// height), on their letters, not in the ovals around them, and never hidden by the question or
// the feedback, however wide.

#include "app/form4.h"
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
#include "toolkit/controls.h"
#include "toolkit/label.h"

#include <QFontMetricsF>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Side { Left, Right, Top, Bottom };

// Points at a reacting box: by one of its edges, at the middle of the other axis, so many pixels
// outwards (0: on the edge, inside the box); or on the caption's ink furthest to that side.
struct Spot {
    const char* name = nullptr;
    Side side = Side::Left;
    int outwards = 0;
    bool onInk = false;
};
constexpr Spot kSpots[] = {{"left edge", Side::Left, 0},
                           {"right edge", Side::Right, 0},
                           {"top edge", Side::Top, 0},
                           {"bottom edge", Side::Bottom, 0},
                           {"leftmost ink", Side::Left, 0, true},
                           {"rightmost ink", Side::Right, 0, true},
                           {"topmost ink", Side::Top, 0, true},
                           {"lowest ink", Side::Bottom, 0, true},
                           {"left of it", Side::Left, 1},
                           {"right of it", Side::Right, 1},
                           {"above it", Side::Top, 1},
                           {"below it", Side::Bottom, 1},
                           {"under it in its oval", Side::Bottom, 10},
                           {"over it in its oval", Side::Top, 10}};
constexpr int kSpotsOutsideOvals = 12;

// How far a point lies towards that side.
int towards(QPoint point, Side side)
{
    const int distances[] = {-point.x(), point.x(), -point.y(), point.y()};
    return distances[static_cast<int>(side)];
}

QPoint spotAt(const Spot& spot, const QRect& box, QWidget* label)
{
    const QPoint mid = box.center();
    const QPoint edges[] = {{box.left() - spot.outwards, mid.y()},
                            {box.right() + spot.outwards, mid.y()},
                            {mid.x(), box.top() - spot.outwards},
                            {mid.x(), box.bottom() + spot.outwards}};
    if (!spot.onInk) {
        return edges[static_cast<int>(spot.side)];
    }
    // Ink that reaches past the box by the 2 pixels the layout allows is taken at the box's edge,
    // still on its letter.
    const QList<QPoint> ink = inkPixels(label);
    if (ink.isEmpty()) {
        return edges[static_cast<int>(spot.side)];
    }
    const QPoint point = *std::max_element(ink.begin(), ink.end(), [&](QPoint a, QPoint b) {
        return towards(a, spot.side) < towards(b, spot.side);
    });
    const QPoint inside(std::clamp(point.x(), box.left(), box.right()),
                        std::clamp(point.y(), box.top(), box.bottom()));
    return (inside - point).manhattanLength() <= 2 ? inside : point;
}

} // namespace

class TestHitTesting : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

    // Clicks a point of the window and tells which clickable labels took a click.
    static QStringList clickedAt(tk::Screen& screen, QPoint point)
    {
        std::vector<std::pair<QString, std::unique_ptr<QSignalSpy>>> spies;
        for (tk::Label* label : screen.findChildren<tk::Label*>()) {
            if (label->isClickable()) {
                spies.emplace_back(label->objectName(),
                                   std::make_unique<QSignalSpy>(label, &tk::Label::clicked));
            }
        }
        QTest::mouseClick(screen.windowHandle(), Qt::LeftButton, {}, point);
        QStringList clicked;
        for (const auto& [name, spy] : spies) {
            for (int i = 0; i < spy->size(); ++i) {
                clicked.append(name);
            }
        }
        return clicked;
    }

private Q_SLOTS:
    void init() { program_ = std::make_unique<TestProgram>(); }
    void cleanup() { program_.reset(); }

    void clickableLabelsReactExactlyInTheirBoxes_data()
    {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QString>("labelName");
        QTest::addColumn<QRect>("designed");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<int>("spot");
        for (const design::Control* c : design::clickableLabels()) {
            const int spots = design::liesOnShape(*c) ? int(std::size(kSpots)) : kSpotsOutsideOvals;
            for (int spot = 0; spot < spots; ++spot) {
                QTest::addRow("%s %s, %s", c->screen, c->name, kSpots[spot].name)
                    << QString::fromLatin1(c->screen) << QString::fromLatin1(c->name)
                    << design::pixels(c->box) << !c->autoSize << spot;
            }
        }
    }
    void clickableLabelsReactExactlyInTheirBoxes()
    {
        QFETCH(QString, screenName);
        QFETCH(QString, labelName);
        QFETCH(QRect, designed);
        QFETCH(bool, fixed);
        QFETCH(int, spot);
        scriptQuestion(program_->random, 0, 7, 0, 808, 1); // candidates 0.007, 0.07, 0.7
        tk::Screen& screen = program_->reachScreen(screenName);
        auto* label = control<tk::Label>(&screen, labelName);
        QVERIFY(label != nullptr);

        // The box: the designed top and height; the designed width, or the caption's.
        const QRect box = label->placement().reactingBox;
        QCOMPARE(box.top(), designed.top());
        QCOMPARE(box.height(), designed.height());
        if (fixed) {
            QCOMPARE(box, designed);
        } else {
            // The caption's extent: its laid-out width, which may pass the sum of the advances by
            // a final swash, and its ink.
            const double advance = QFontMetricsF(label->font()).horizontalAdvance(label->caption());
            QVERIFY2(box.width() >= advance - 1 && box.width() <= advance + 4,
                     qPrintable(u"%1 for a caption of %2"_s.arg(box.width()).arg(advance)));
            const QRect ink = inkBox(label);
            QVERIFY(ink.left() >= box.left() - 2 && ink.right() <= box.right() + 2);
        }
        const Spot& where = kSpots[spot];
        const QPoint point = spotAt(where, box, label);
        const bool inside = where.outwards == 0;
        if (where.outwards >= 10) {
            const auto shapes = screen.findChildren<tk::Shape*>();
            QVERIFY(std::any_of(shapes.begin(), shapes.end(), [&](const tk::Shape* shape) {
                return shape->geometry().contains(point);
            }));
        }

        // Hover colours follow the same box: the candidate under the pointer, else the background.
        auto* choose = qobject_cast<Form3*>(&screen);
        if (choose != nullptr &&
            (label == choose->Label6 || label == choose->Label7 || label == choose->Label8)) {
            constexpr core::ColourValue kBlue = core::rgb(0, 0, 255);
            constexpr core::ColourValue kOrange = core::rgb(192, 64, 0);
            for (tk::Label* candidate : {choose->Label6, choose->Label7, choose->Label8}) {
                candidate->setTextColour(inside ? kBlue : kOrange);
            }
            QTest::mouseMove(screen.windowHandle(), point);
            for (tk::Label* candidate : {choose->Label6, choose->Label7, choose->Label8}) {
                const bool hovered = inside && candidate == label;
                QCOMPARE(candidate->textColour(), hovered ? kOrange : kBlue);
            }
        }

        QCOMPARE(clickedAt(screen, point), inside ? QStringList{labelName} : QStringList{});
        if (!inside) { // the oval and the background do nothing
            QCOMPARE(visibleScreens(), QList<tk::Screen*>{&screen});
            QCOMPARE(program_->recorder.ends(), 0);
            if (choose != nullptr) {
                QVERIFY(!choose->Label9->isVisible());
            }
        }
    }

    void navigationReactsUnderTheWidestQuestionAndFeedback_data()
    {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<bool>("enter"); // the reading practice: the widest question on Enter
        QTest::addColumn<bool>("exitLabel");
        QTest::addColumn<int>("corner"); // 0 to 3 clockwise from the top left, 4 the centre
        const char* corners[] = {"top left", "top right", "bottom right", "bottom left", "centre"};
        const std::pair<const char*, bool> screens[] = {
            {"Form2", false}, {"Form3", false}, {"Form5", false}, {"Form5", true}};
        for (const auto& [screen, enter] : screens) {
            for (const bool exit : {false, true}) {
                for (int corner = 0; corner < 5; ++corner) {
                    QTest::addRow("%s%s, %s label, %s", screen, enter ? " after Enter" : "",
                                  exit ? "exit" : "return", corners[corner])
                        << QString::fromLatin1(screen) << enter << exit << corner;
                }
            }
        }
    }
    void navigationReactsUnderTheWidestQuestionAndFeedback()
    {
        QFETCH(QString, screenName);
        QFETCH(bool, enter);
        QFETCH(bool, exitLabel);
        QFETCH(int, corner);
        if (screenName == QLatin1String("Form5")) {
            scriptReading(program_->random, 8, 0, 0, 998, 98); // the longest opening, 98 و 998
        } else {
            scriptQuestion(program_->random, 7, 0, 0, 998, 0); // 998.007: the longest verdict
        }
        auto& screen = static_cast<tk::ActivityScreen&>(program_->reachScreen(screenName));
        QWidget* covering = nullptr;
        if (auto* write = qobject_cast<Form2*>(&screen)) {
            QTest::mouseClick(write->Command1, Qt::LeftButton); // an empty answer is wrong
            QCOMPARE(write->Label9->caption(), core::FeedbackText(false, 0.007F));
            covering = write->Label9;
        } else if (auto* choose = qobject_cast<Form3*>(&screen)) {
            QTest::mouseClick(choose->Label8, Qt::LeftButton); // 0.7 is wrong
            QCOMPARE(choose->Label9->caption(), core::FeedbackText(false, 0.007F));
            covering = choose->Label9;
        } else {
            auto& reading = static_cast<Form5&>(screen);
            if (enter) { // kind 8, then 998 and 998
                program_->random.script({0.85F, 0.9999F, 0.9999F, 0.9999F, 0.9999F, 0.9999F});
                QTest::keyClick(reading.windowHandle(), Qt::Key_Return);
            }
            QCOMPARE(reading.Label1->caption(), enter ? u"998و998"_s : u"98و998"_s);
            covering = reading.Label1;
        }
        QVERIFY(covering->isVisible());

        tk::Label* target = exitLabel ? screen.exitLabel() : screen.returnLabel();
        const QRect box = target->placement().reactingBox;
        const QPoint points[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft(),
                                 box.center()};
        QCOMPARE(clickedAt(screen, points[corner]), QStringList{target->objectName()});
        QCOMPARE(program_->recorder.ends(), exitLabel ? 1 : 0);
    }

    void aDoubleClickActsOnce_data()
    {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QString>("labelName");
        QTest::newRow("a candidate") << u"Form3"_s << u"Label7"_s;
        QTest::newRow("a menu entry") << u"Form4"_s << u"Label3"_s;
    }
    void aDoubleClickActsOnce()
    {
        QFETCH(QString, screenName);
        QFETCH(QString, labelName);
        tk::Screen& screen = program_->reachScreen(screenName);
        auto* label = control<tk::Label>(&screen, labelName);
        QSignalSpy clicks(label, &tk::Label::clicked);
        QSignalSpy switches(&screen, &tk::Screen::switchRequested);
        QTest::mouseDClick(screen.windowHandle(), Qt::LeftButton, {},
                           label->placement().reactingBox.center());
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(switches.size(), screenName == QLatin1String("Form4") ? 1 : 0);
    }
};

QTEST_MAIN(TestHitTesting)
#include "test_hit_testing.moc"
