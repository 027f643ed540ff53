// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the clickable labels react, through the window as a real pointer is routed: exactly in
// their designed boxes, not in the rest of their ink nor in the ovals under them, and never
// hidden by the question or the feedback, however wide.

#include "app/form4.h"
#include "app/screen_directory.h"
#include "core/number_text.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
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

struct Clickable {
    const char* screen = nullptr;
    const char* label = nullptr;
    core::TwipsRect box; // designed
    bool fixed = false;  // keeps its designed width
    bool inOval = false;
};

const Clickable kClickables[] = {
    {"Form4", "Label1", {480, 8400, 720, 435}},
    {"Form4", "Label2", {7193, 5040, 3030, 555}, false, true},
    {"Form4", "Label3", {1793, 5160, 2985, 555}, false, true},
    {"Form4", "Label4", {4013, 1440, 4020, 555}, false, true},
    {"Form2", "Label6", {2400, 8280, 1290, 300}},
    {"Form2", "Label10", {960, 8160, 735, 495}, true},
    {"Form3", "Label11", {2760, 8280, 1290, 300}},
    {"Form3", "Label10", {960, 8160, 735, 495}, true},
    {"Form3", "Label6", {9600, 5160, 750, 1530}, false, true},
    {"Form3", "Label7", {5760, 5160, 750, 1530}, false, true},
    {"Form3", "Label8", {1680, 5160, 750, 1530}, false, true},
    {"Form5", "Label4", {2160, 7680, 1290, 300}},
    {"Form5", "Label3", {1080, 7680, 525, 300}},
};

// Points at a reacting box: the first four just inside its edges, the rest outside it.
enum class Spot { LeftEdge, RightEdge, TopEdge, BottomEdge, LeftOf, RightOf, Above, Below, InOval };
constexpr const char* kSpotNames[] = {"left edge",   "right edge", "top edge",
                                      "bottom edge", "left of it", "right of it",
                                      "above it",    "below it",   "under it in its oval"};

QPoint spotOf(const QRect& box, Spot spot)
{
    const QPoint mid = box.center();
    switch (spot) {
    case Spot::LeftEdge:
        return {box.left(), mid.y()};
    case Spot::RightEdge:
        return {box.right(), mid.y()};
    case Spot::TopEdge:
        return {mid.x(), box.top()};
    case Spot::BottomEdge:
        return {mid.x(), box.bottom()};
    case Spot::LeftOf:
        return {box.left() - 1, mid.y()};
    case Spot::RightOf:
        return {box.right() + 1, mid.y()};
    case Spot::Above:
        return {mid.x(), box.top() - 1};
    case Spot::Below:
        return {mid.x(), box.bottom() + 1};
    case Spot::InOval:
        return {mid.x(), box.bottom() + 10};
    }
    return mid;
}

QRect pixels(const core::TwipsRect& box)
{
    return {core::twipsToPixels(box.left), core::twipsToPixels(box.top),
            core::twipsToPixels(box.width), core::twipsToPixels(box.height)};
}

} // namespace

class TestHitTesting : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> program_;

    // The named screen, reached the way a pupil reaches it.
    tk::Screen& reach(const QString& name)
    {
        Form4& menu = program_->reachMenu();
        if (name == QLatin1String("Form4")) {
            return menu;
        }
        tk::Screen& target = *program_->screenNamed(name);
        SwitchScreen(menu, target);
        return target;
    }

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

    void clickableLabelsReactExactlyInTheirDesignedBoxes_data()
    {
        QTest::addColumn<QString>("screenName");
        QTest::addColumn<QString>("labelName");
        QTest::addColumn<QRect>("designed");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<int>("spot");
        for (const Clickable& c : kClickables) {
            const int spots = c.inOval ? 9 : 8;
            for (int spot = 0; spot < spots; ++spot) {
                QTest::addRow("%s %s, %s", c.screen, c.label, kSpotNames[spot])
                    << QString::fromLatin1(c.screen) << QString::fromLatin1(c.label)
                    << pixels(c.box) << c.fixed << spot;
            }
        }
    }
    void clickableLabelsReactExactlyInTheirDesignedBoxes()
    {
        QFETCH(QString, screenName);
        QFETCH(QString, labelName);
        QFETCH(QRect, designed);
        QFETCH(bool, fixed);
        QFETCH(int, spot);
        scriptQuestion(program_->random, 0, 7, 0, 808, 1); // candidates 0.007, 0.07, 0.7
        tk::Screen& screen = reach(screenName);
        auto* label = control<tk::Label>(&screen, labelName);
        QVERIFY(label != nullptr);

        // The box: the designed top and height; the designed width, or the caption's.
        const QRect box = label->reactingBox();
        QCOMPARE(box.top(), designed.top());
        QCOMPARE(box.height(), designed.height());
        if (fixed) {
            QCOMPARE(box, designed);
        } else {
            // The laid-out width, which may pass the sum of the advances by a final bearing.
            const double advance = QFontMetricsF(label->font()).horizontalAdvance(label->caption());
            QVERIFY(std::abs(box.width() - label->textWidth()) <= 1.0);
            QVERIFY2(box.width() >= advance - 1 && box.width() <= advance + 4,
                     qPrintable(u"%1 for a caption of %2"_s.arg(box.width()).arg(advance)));
        }
        const auto where = static_cast<Spot>(spot);
        const QPoint point = spotOf(box, where);
        const bool inside = where <= Spot::BottomEdge;
        if (where == Spot::InOval) {
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
        auto& screen = static_cast<tk::ActivityScreen&>(reach(screenName));
        QWidget* covering = nullptr;
        if (auto* write = qobject_cast<Form2*>(&screen)) {
            QTest::mouseClick(write->Command1, Qt::LeftButton); // an empty answer is wrong
            QCOMPARE(write->Label9->caption(), FeedbackText(false, 0.007F));
            covering = write->Label9;
        } else if (auto* choose = qobject_cast<Form3*>(&screen)) {
            QTest::mouseClick(choose->Label8, Qt::LeftButton); // 0.7 is wrong
            QCOMPARE(choose->Label9->caption(), FeedbackText(false, 0.007F));
            covering = choose->Label9;
        } else {
            auto& reading = static_cast<Form5&>(screen);
            if (enter) { // kind 8, then 998 and 998
                program_->random.script({0.85F, 0.9999F, 0.9999F, 0.9999F, 0.9999F, 0.9999F});
                QTest::keyClick(&reading, Qt::Key_Return);
            }
            QCOMPARE(reading.Label1->caption(), enter ? u"998و998"_s : u"98و998"_s);
            covering = reading.Label1;
        }
        QVERIFY(covering->isVisible());

        tk::Label* target = exitLabel ? screen.exitLabel() : screen.returnLabel();
        const QRect box = target->reactingBox();
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
        tk::Screen& screen = reach(screenName);
        auto* label = control<tk::Label>(&screen, labelName);
        QSignalSpy clicks(label, &tk::Label::clicked);
        QSignalSpy switches(&screen, &tk::Screen::switchRequested);
        QTest::mouseDClick(screen.windowHandle(), Qt::LeftButton, {},
                           label->reactingBox().center());
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(switches.size(), screenName == QLatin1String("Form4") ? 1 : 0);
    }
};

QTEST_MAIN(TestHitTesting)
#include "test_hit_testing.moc"
