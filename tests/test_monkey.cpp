// A seeded storm of random input through the real screens: clicks at random points and on the
// controls, pointer moves, keys, typed text and timer ticks. After every event the program
// must still be consistent: one screen visible, one red digit that is the chosen one, the
// answer and the candidates matching the question, the feedback shown exactly while its timer
// runs, every caption well formed. The exit controls and Esc are checked on their own.

#include "app/form1.h"
#include "app/form4.h"
#include "app/screen_directory.h"
#include "core/number_text.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "support/program_end_recorder.h"
#include "support/question_script.h"
#include "support/scripted_random.h"
#include "support/widget_lookup.h"
#include "toolkit/label.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QWindow>

#include <array>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr core::ColourValue kCandidateResting = core::rgb(0, 0, 255);
constexpr core::ColourValue kCandidateHover = core::rgb(192, 64, 0);

// Drives the visible screen with random input from its own seeded generator.
class Monkey {
public:
    Monkey(ScreenDirectory& screens, std::uint32_t seed)
        : screens_(screens)
        , random_(seed)
    {}

    // One random event; returns what it was, for the failure message.
    QString act()
    {
        tk::Screen* screen = visible();
        if (screen == nullptr) {
            return u"nothing visible"_s;
        }
        const int kind = below(100);
        if (kind < 22) {
            return clickAnywhere(*screen);
        }
        if (kind < 40) {
            return clickControl(*screen);
        }
        if (kind < 60) {
            const QPoint point = randomPoint(*screen);
            QTest::mouseMove(screen->windowHandle(), point);
            return u"move to %1,%2"_s.arg(point.x()).arg(point.y());
        }
        if (kind < 80) {
            return pressKey(*screen);
        }
        if (kind < 88) {
            return typeText(*screen);
        }
        return tick();
    }

    // Every exit control of the screen: the ones the storm leaves alone.
    static std::vector<const QWidget*> exitControls(const tk::Screen& screen)
    {
        if (const auto* menu = qobject_cast<const Form4*>(&screen)) {
            return {menu->Label1};
        }
        if (const auto* activity = qobject_cast<const tk::ActivityScreen*>(&screen)) {
            return {activity->exitLabel()};
        }
        return {};
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    static tk::Screen* visible()
    {
        const auto screens = visibleScreens();
        return screens.size() == 1 ? screens.front() : nullptr;
    }

    QPoint randomPoint(const QWidget& screen)
    {
        return {below(screen.width()), below(screen.height())};
    }

    static bool isExit(const tk::Screen& screen, const QPoint& point)
    {
        const QWidget* hit = screen.childAt(point);
        for (const QWidget* exit : exitControls(screen)) {
            if (hit == exit) {
                return true;
            }
        }
        return false;
    }

    static void clickAt(tk::Screen& screen, const QPoint& point, Qt::MouseButton button)
    {
        QTest::mouseClick(screen.windowHandle(), button, {}, point);
    }

    QString clickAnywhere(tk::Screen& screen)
    {
        QPoint point = randomPoint(screen);
        while (isExit(screen, point)) {
            point = randomPoint(screen);
        }
        const Qt::MouseButton button = below(8) == 0 ? Qt::RightButton : Qt::LeftButton;
        clickAt(screen, point, button);
        return u"click at %1,%2"_s.arg(point.x()).arg(point.y());
    }

    // A click on one of the screen's own controls (menu entries, return labels, the answer box
    // and button, the candidates, the number), where random points seldom land.
    QString clickControl(tk::Screen& screen)
    {
        QList<QWidget*> targets;
        for (QWidget* child : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const auto exits = exitControls(screen);
            if (child->isVisible() && !child->testAttribute(Qt::WA_TransparentForMouseEvents) &&
                std::find(exits.begin(), exits.end(), child) == exits.end()) {
                targets.append(child);
            }
        }
        if (targets.isEmpty()) {
            return clickAnywhere(screen);
        }
        QWidget* target = targets.at(below(static_cast<int>(targets.size())));
        QPoint point = target->geometry().center();
        if (isExit(screen, point)) {
            return clickAnywhere(screen);
        }
        clickAt(screen, point, Qt::LeftButton);
        return u"click on %1 of %2"_s.arg(target->objectName(), screen.objectName());
    }

    QString pressKey(tk::Screen& screen)
    {
        static const std::array<Qt::Key, 5> named = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab,
                                                     Qt::Key_Backspace, Qt::Key_Space};
        QWindow* window = screen.windowHandle();
        const int kind = below(4);
        if (kind == 0) {
            const Qt::Key key = named.at(below(static_cast<int>(named.size())));
            QTest::keyClick(window, key);
            return u"key %1"_s.arg(static_cast<int>(key));
        }
        const QChar character = randomCharacter(kind);
        sendCharacter(window, character);
        return u"key %1"_s.arg(character);
    }

    QChar randomCharacter(int kind)
    {
        static const QString arabic = u"ابتثجحخدذرزسشصضطظعغفقكلمنهوي٠١٢٣٤٥٦٧٨٩٫"_s;
        switch (kind) {
        case 1:
            return QChar(u'0' + below(10));
        case 2:
            return QChar(u'a' + below(26));
        default:
            return arabic.at(below(static_cast<int>(arabic.size())));
        }
    }

    static void sendCharacter(QWindow* window, QChar character)
    {
        const auto code = static_cast<Qt::Key>(character.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, window, code, QString(character), Qt::NoModifier);
    }

    QString typeText(tk::Screen& screen)
    {
        static const QString alphabet = u"0123456789.+-eEdD ,و٣x"_s;
        QString text;
        const int length = 1 + below(8);
        for (int i = 0; i < length; ++i) {
            text.append(alphabet.at(below(static_cast<int>(alphabet.size()))));
        }
        for (const QChar character : text) {
            sendCharacter(screen.windowHandle(), character);
        }
        return u"typed \"%1\""_s.arg(text);
    }

    // A tick of one running timer, wherever its screen is.
    QString tick()
    {
        std::vector<tk::Timer*> running;
        for (const QObject* screen : {static_cast<QObject*>(screens_.made<Form1>()),
                                      static_cast<QObject*>(screens_.made<Form2>()),
                                      static_cast<QObject*>(screens_.made<Form3>())}) {
            auto* timer = screen != nullptr ? control<tk::Timer>(screen, u"Timer1"_s) : nullptr;
            if (timer != nullptr && timer->isEnabled()) {
                running.push_back(timer);
            }
        }
        if (running.empty()) {
            return u"no timer running"_s;
        }
        tk::Timer* timer = running.at(below(static_cast<int>(running.size())));
        timer->fireNow();
        return u"tick of %1"_s.arg(timer->parent()->objectName());
    }

    ScreenDirectory& screens_;
    std::mt19937 random_;
};

// What must hold between any two events; an empty text when it does.
class Invariants {
public:
    explicit Invariants(ScreenDirectory& screens)
        : screens_(screens)
    {}

    QString violation() const
    {
        const auto visible = visibleScreens();
        if (visible.size() != 1) {
            return u"%1 screens visible"_s.arg(visible.size());
        }
        // Besides the screen, only the answer box's own edit menu may open.
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window != visible.front() &&
                window->objectName() != u"qt_edit_menu"_s) {
                return u"stray window %1"_s.arg(window->objectName());
            }
        }
        if (auto* form2 = screens_.made<Form2>()) {
            if (QString v = exerciseViolation(*form2); !v.isEmpty()) {
                return u"Form2: "_s + v;
            }
        }
        if (auto* form3 = screens_.made<Form3>()) {
            if (QString v = exerciseViolation(*form3); !v.isEmpty()) {
                return u"Form3: "_s + v;
            }
            if (QString v = candidatesViolation(*form3); !v.isEmpty()) {
                return u"Form3: "_s + v;
            }
        }
        if (auto* form5 = screens_.made<Form5>()) {
            if (QString v = readingViolation(*form5); !v.isEmpty()) {
                return u"Form5: "_s + v;
            }
        }
        return {};
    }

private:
    static QString exerciseViolation(const ExerciseScreen& screen)
    {
        static const QRegularExpression digit(u"^[0-9]$"_s);
        static const QRegularExpression whole(u"^ و(0|[1-9][0-9]{0,2})$"_s);
        const PlaceValueQuestion& q = screen.question();
        struct Place {
            const tk::Label* label;
            float digit;
            float divisor;
        };
        const std::array<Place, 3> places = {
            Place{screen.Label1, q.ThousandthsDigit, kThousandthsDivisor},
            Place{screen.Label2, q.HundredthsDigit, kHundredthsDivisor},
            Place{screen.Label3, q.TenthsDigit, kTenthsDivisor}};
        const Place* red = nullptr;
        for (const Place& place : places) {
            const QString& caption = place.label->caption();
            if (!digit.match(caption).hasMatch() || caption != FormatNumber(place.digit)) {
                return u"digit caption \"%1\" for %2"_s.arg(caption).arg(place.digit);
            }
            if (place.label->textColour() == kChosenDigitColour) {
                if (red != nullptr) {
                    return u"two red digits"_s;
                }
                red = &place;
            } else if (place.label->textColour() != kDigitColour) {
                return u"digit colour %1"_s.arg(place.label->textColour(), 0, 16);
            }
        }
        if (red == nullptr) {
            return u"no red digit"_s;
        }
        if (q.ChosenDigit < 1 || q.ChosenDigit > 9 || q.ChosenDigit != red->digit) {
            return u"red %1 is not the chosen digit %2"_s.arg(red->digit).arg(q.ChosenDigit);
        }
        if (q.CorrectAnswer != placeValue(q.ChosenDigit, red->divisor)) {
            return u"answer %1 for %2 over %3"_s.arg(q.CorrectAnswer)
                .arg(q.ChosenDigit)
                .arg(red->divisor);
        }
        const QString& wholeCaption = screen.Label4->caption();
        if (!whole.match(wholeCaption).hasMatch() || q.WholePart < 0 || q.WholePart > 999 ||
            wholeCaption != wholePartCaption(q.WholePart)) {
            return u"whole part caption \"%1\" for %2"_s.arg(wholeCaption).arg(q.WholePart);
        }
        const bool feedbackShown = !screen.Label9->isHidden();
        if (feedbackShown != screen.Timer1->isEnabled()) {
            return feedbackShown ? u"feedback shown while the timer is stopped"_s
                                 : u"feedback hidden while the timer runs"_s;
        }
        if (feedbackShown && screen.Label9->caption() != FeedbackText(true, q.CorrectAnswer) &&
            screen.Label9->caption() != FeedbackText(false, q.CorrectAnswer)) {
            return u"feedback \"%1\" for %2"_s.arg(screen.Label9->caption()).arg(q.CorrectAnswer);
        }
        return {};
    }

    static QString candidatesViolation(const Form3& screen)
    {
        const PlaceValueQuestion& q = screen.question();
        int right = 0;
        for (const auto& [label, divisor] : {std::pair{screen.Label6, kThousandthsDivisor},
                                             std::pair{screen.Label7, kHundredthsDivisor},
                                             std::pair{screen.Label8, kTenthsDivisor}}) {
            const float value = placeValue(q.ChosenDigit, divisor);
            if (label->caption() != FormatNumber(value)) {
                return u"candidate \"%1\" for %2"_s.arg(label->caption()).arg(q.ChosenDigit);
            }
            right += value == q.CorrectAnswer ? 1 : 0;
            if (label->textColour() != kCandidateResting &&
                label->textColour() != kCandidateHover) {
                return u"candidate colour %1"_s.arg(label->textColour(), 0, 16);
            }
        }
        return right == 1 ? QString() : u"%1 right candidates"_s.arg(right);
    }

    static QString readingViolation(const Form5& screen)
    {
        static const QRegularExpression question(u"^(0|[1-9][0-9]{0,2})و(0|[1-9][0-9]{0,2})$"_s);
        const ReadingNumbers& n = screen.numbers();
        if (n.OneDigit < 0 || n.OneDigit > 9 || n.TwoDigitA < 0 || n.TwoDigitA > 98 ||
            n.ThreeDigit < 0 || n.ThreeDigit > 998 || n.TwoDigitB < 0 || n.TwoDigitB > 98 ||
            n.QuestionKind < 0 || n.QuestionKind > 9) {
            return u"numbers out of range"_s;
        }
        const QString& caption = screen.Label1->caption();
        const auto match = question.match(caption);
        if (!match.hasMatch()) {
            return u"question \"%1\""_s.arg(caption);
        }
        const int first = match.captured(1).toInt();
        const int second = match.captured(2).toInt();
        // The opening table puts TwoDigitB first; the Enter table OneDigit, TwoDigitA or
        // ThreeDigit by the kind, and for kind 8 an unstored second number.
        const int kind = n.QuestionKind;
        const std::array<int, 10> openingSecond = {
            n.OneDigit,  n.ThreeDigit, n.OneDigit,   n.OneDigit,   n.TwoDigitA,
            n.TwoDigitA, n.TwoDigitA,  n.ThreeDigit, n.ThreeDigit, n.ThreeDigit};
        const std::array<int, 10> enterFirst = {
            n.OneDigit,  n.OneDigit,  n.OneDigit,   n.OneDigit,   n.TwoDigitA,
            n.TwoDigitA, n.TwoDigitA, n.ThreeDigit, n.ThreeDigit, n.ThreeDigit};
        const std::array<int, 10> enterSecond = {0, n.ThreeDigit, n.TwoDigitB, 3,      n.ThreeDigit,
                                                 5, n.TwoDigitB,  7,           second, n.TwoDigitB};
        const bool opening = first == n.TwoDigitB && second == openingSecond.at(kind);
        const bool enter = first == enterFirst.at(kind) && second == enterSecond.at(kind);
        return opening || enter
                   ? QString()
                   : u"question \"%1\" does not follow kind %2"_s.arg(caption).arg(kind);
    }

    ScreenDirectory& screens_;
};

// The captions of every label of every made screen, to compare before and after.
QStringList allCaptions(const ScreenDirectory& screens)
{
    QStringList captions;
    for (const QObject* screen : {static_cast<const QObject*>(screens.made<Form1>()),
                                  static_cast<const QObject*>(screens.made<Form2>()),
                                  static_cast<const QObject*>(screens.made<Form3>()),
                                  static_cast<const QObject*>(screens.made<Form4>()),
                                  static_cast<const QObject*>(screens.made<Form5>())}) {
        if (screen == nullptr) {
            continue;
        }
        for (const tk::Label* label : screen->findChildren<tk::Label*>()) {
            captions.append(screen->objectName() + u'.' + label->objectName() + u'=' +
                            label->caption());
        }
    }
    return captions;
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramEndRecorder> recorder_;
    std::unique_ptr<ScriptedRandom> random_;
    std::unique_ptr<SharedRandomOverride> randomOverride_;
    std::unique_ptr<ScreenDirectory> screens_;

    // Runs the storm, checking after every event; the number of events checked.
    int storm(Monkey& monkey, int events)
    {
        const Invariants invariants(*screens_);
        for (int i = 0; i < events; ++i) {
            const QString event = monkey.act();
            const QString violation = invariants.violation();
            if (!violation.isEmpty() || recorder_->ends() != 0) {
                qWarning("after event %d (%s): %s, %d ends", i, qPrintable(event),
                         qPrintable(violation), recorder_->ends());
                return i;
            }
        }
        return events;
    }

    void clickCentre(tk::Screen& screen, const QWidget* control)
    {
        QTest::mouseClick(screen.windowHandle(), Qt::LeftButton, {}, control->geometry().center());
    }

    // Shows the named screen the way a pupil reaches it: through the menu.
    tk::Screen& reach(const QString& name)
    {
        Form4& menu = screens_->get<Form4>();
        for (tk::Screen* shown : visibleScreens()) {
            if (auto* activity = qobject_cast<tk::ActivityScreen*>(shown)) {
                clickCentre(*activity, activity->returnLabel());
            } else if (auto* splash = qobject_cast<Form1*>(shown)) {
                splash->Timer1->fireNow();
            }
        }
        if (name == u"Form2"_s) {
            clickCentre(menu, menu.Label2);
            return screens_->get<Form2>();
        }
        if (name == u"Form3"_s) {
            clickCentre(menu, menu.Label3);
            return screens_->get<Form3>();
        }
        if (name == u"Form5"_s) {
            clickCentre(menu, menu.Label4);
            return screens_->get<Form5>();
        }
        return menu;
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init()
    {
        recorder_ = std::make_unique<ProgramEndRecorder>();
        random_ = std::make_unique<ScriptedRandom>(20261208);
        randomOverride_ = std::make_unique<SharedRandomOverride>(*random_);
        screens_ = std::make_unique<ScreenDirectory>();
        screens_->start();
    }
    void cleanup()
    {
        screens_.reset();
        randomOverride_.reset();
        random_.reset();
        recorder_.reset();
    }

    void stormKeepsEveryScreenConsistent()
    {
        constexpr int events = 100'000; // the same count in the sanitizer build: about 45 s
        Monkey monkey(*screens_, 7);
        const auto start = std::chrono::steady_clock::now();
        const int checked = storm(monkey, events);
        const auto seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        qInfo("monkey: %d events checked in %.1f s", checked, seconds);
        QCOMPARE(checked, events);
        // The storm went everywhere: every activity was opened, and questions were made.
        QVERIFY(screens_->made<Form2>() != nullptr && screens_->made<Form3>() != nullptr &&
                screens_->made<Form5>() != nullptr);
        QVERIFY(random_->reseeds() > 100);
    }

    void exitOrEscEndsTheRunAndNothingMoves_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("escape");
        QTest::newRow("menu exit label") << u"Form4"_s << false;
        QTest::newRow("write exercise exit label") << u"Form2"_s << false;
        QTest::newRow("write exercise Esc") << u"Form2"_s << true;
        QTest::newRow("choose exercise exit label") << u"Form3"_s << false;
        QTest::newRow("reading practice exit label") << u"Form5"_s << false;
        QTest::newRow("reading practice Esc") << u"Form5"_s << true;
    }
    void exitOrEscEndsTheRunAndNothingMoves()
    {
        QFETCH(QString, screen);
        QFETCH(bool, escape);
        Monkey monkey(*screens_, 11);
        QCOMPARE(storm(monkey, 2000), 2000);
        tk::Screen& target = reach(screen);
        QCOMPARE(visibleScreens(), QList<tk::Screen*>{&target});
        QCOMPARE(recorder_->ends(), 0);

        if (escape) {
            QTest::keyClick(target.windowHandle(), Qt::Key_Escape);
        } else {
            const auto exits = Monkey::exitControls(target);
            QCOMPARE(exits.size(), std::size_t{1});
            clickCentre(target, exits.front());
        }
        QCOMPARE(recorder_->ends(), 1);
        QVERIFY(visibleScreens().isEmpty());

        // After the end no input and no timer reaches the screens.
        const QStringList before = allCaptions(*screens_);
        for (tk::Screen* made : {static_cast<tk::Screen*>(screens_->made<Form2>()),
                                 static_cast<tk::Screen*>(screens_->made<Form3>()),
                                 static_cast<tk::Screen*>(screens_->made<Form5>()),
                                 static_cast<tk::Screen*>(&target)}) {
            if (made == nullptr) {
                continue;
            }
            for (tk::Timer* timer : made->findChildren<tk::Timer*>()) {
                QVERIFY(!timer->fireNow());
            }
            QTest::mouseClick(made->windowHandle(), Qt::LeftButton, {}, QPoint(400, 300));
            QTest::keyClick(made->windowHandle(), Qt::Key_Return);
            QTest::keyClick(made->windowHandle(), Qt::Key_Escape);
        }
        QCOMPARE(allCaptions(*screens_), before);
        QCOMPARE(recorder_->ends(), 1);
    }

    // The wrong-answer feedback is wide and, in its tall face, reaches down to the navigation
    // labels: they must still take their clicks while it shows.
    void returnAndExitWorkWhileTheFeedbackShows_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("exit");
        QTest::newRow("write exercise, return") << u"Form2"_s << false;
        QTest::newRow("write exercise, exit") << u"Form2"_s << true;
        QTest::newRow("choose exercise, return") << u"Form3"_s << false;
        QTest::newRow("choose exercise, exit") << u"Form3"_s << true;
    }
    void returnAndExitWorkWhileTheFeedbackShows()
    {
        QFETCH(QString, screen);
        QFETCH(bool, exit);
        scriptQuestion(*random_, 7, 0, 0, 998, 0); // 998.007, answer 0.007: the longest text
        auto& exercise = static_cast<ExerciseScreen&>(reach(screen));
        if (auto* form2 = qobject_cast<Form2*>(&exercise)) {
            clickCentre(exercise, form2->Command1); // an empty answer is wrong
        } else {
            clickCentre(exercise, static_cast<Form3&>(exercise).Label8); // 0.7 is wrong
        }
        QVERIFY(exercise.Label9->isVisible());
        QCOMPARE(exercise.Label9->caption(), FeedbackText(false, 0.007F));

        const tk::Label* target = exit ? exercise.exitLabel() : exercise.returnLabel();
        QCOMPARE(exercise.childAt(target->geometry().center()), target);
        clickCentre(exercise, target);
        if (exit) {
            QCOMPARE(recorder_->ends(), 1);
        } else {
            QCOMPARE(visibleScreens(), QList<tk::Screen*>{&screens_->get<Form4>()});
        }
    }
};

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
