// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Soak run: a million questions on each exercise screen and on the reading practice, through
// the real screens and the program's own clock-seeded generator. Checks every question against
// its ranges, the spread of places, digits and numbers against uniform, and that memory stays
// flat. Usage: soak [QUESTIONS]   (default 1000000; runs on the offscreen platform)

#include "core/number_text.h"
#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"
#include "toolkit/program.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

#ifdef __SANITIZE_ADDRESS__
// AddressSanitizer holds freed memory in quarantine: the resident size says nothing there.
constexpr bool kMemoryMeasured = false;
#else
constexpr bool kMemoryMeasured = true;
#endif

// Memory figures of this process from /proc/self/status, in KiB.
long statusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(static_cast<qsizetype>(std::char_traits<char>::length(field)))
                .trimmed()
                .split(' ')
                .front()
                .toLong();
        }
    }
    return -1;
}

// Counts of outcomes that should be uniform over `cells`.
class Tally {
public:
    Tally(const char* name, int cells)
        : name_(name)
        , counts_(static_cast<std::size_t>(cells), 0)
    {}
    void add(int cell) { ++counts_.at(static_cast<std::size_t>(cell)); }

    // Every cell within six binomial standard deviations of its uniform share; prints the
    // largest relative deviation and the allowed one.
    bool report() const
    {
        long total = 0;
        for (const long count : counts_) {
            total += count;
        }
        const double p = 1.0 / static_cast<double>(counts_.size());
        const double expected = static_cast<double>(total) * p;
        const double allowed = 6.0 * std::sqrt(static_cast<double>(total) * p * (1 - p));
        double worst = 0;
        for (const long count : counts_) {
            worst = std::max(worst, std::fabs(static_cast<double>(count) - expected));
        }
        const bool ok = worst <= allowed;
        std::printf("  %-28s %2zu cells  largest deviation %5.2f %%  allowed %5.2f %%  %s\n", name_,
                    counts_.size(), 100.0 * worst / expected, 100.0 * allowed / expected,
                    ok ? "ok" : "OUT OF TOLERANCE");
        return ok;
    }

private:
    const char* name_;
    std::vector<long> counts_;
};

struct Run {
    const char* screen = nullptr;
    long questions = 0;
    long errors = 0;
    long rssBeforeKiB = 0;
    long rssAfterKiB = 0;
    double seconds = 0;
};

class Soak {
public:
    explicit Soak(long questions)
        : questions_(questions)
    {}

    // The place, the chosen digit, the other digits and the whole part of each question.
    bool exercise(ExerciseScreen& screen, const std::function<void(long)>& answer, const char* name)
    {
        Tally places("chosen place", 3);
        Tally chosen("chosen digit", 9);
        Tally others("digits not chosen", 10);
        Tally whole("whole part (hundreds)", 10);
        Run run{name};
        screen.show();
        loop(run, [&](long i) {
            answer(i);
            if (!screen.Label9->isVisible() || !screen.Timer1->fireNow()) {
                ++run.errors;
            }
            const core::PlaceValueQuestion& q = screen.question();
            const std::array<float, 3> digits = {q.ThousandthsDigit, q.HundredthsDigit,
                                                 q.TenthsDigit};
            const std::array<tk::Label*, 3> labels = {screen.Label1, screen.Label2, screen.Label3};
            int place = -1;
            for (int k = 0; k < 3; ++k) {
                const float digit = digits.at(k);
                if (digit < 0 || digit > 9 || digit != std::floor(digit)) {
                    ++run.errors;
                    return;
                }
                if (labels.at(k)->textColour() == core::kChosenDigitColour) {
                    place = place < 0 ? k : 3;
                } else {
                    others.add(static_cast<int>(digit));
                }
            }
            static constexpr std::array<float, 3> kDivisors = {1000, 100, 10};
            if (place < 0 || place > 2 || q.ChosenDigit < 1 || q.ChosenDigit > 9 ||
                q.ChosenDigit != digits.at(place) ||
                q.CorrectAnswer != core::placeValue(q.ChosenDigit, kDivisors.at(place)) ||
                q.WholePart < 0 || q.WholePart > 999 || q.WholePart != std::floor(q.WholePart)) {
                ++run.errors;
                return;
            }
            places.add(place);
            chosen.add(static_cast<int>(q.ChosenDigit) - 1);
            whole.add(static_cast<int>(q.WholePart) / 100);
        });
        screen.hide();
        return finish(run, {&places, &chosen, &others, &whole});
    }

    bool reading(Form5& screen)
    {
        Tally kinds("question kind", 10);
        Tally one("OneDigit", 10);
        Tally twoA("TwoDigitA (tens)", 10);
        Tally three("ThreeDigit (hundreds)", 10);
        Tally twoB("TwoDigitB (tens)", 10);
        Run run{"reading practice"};
        screen.show();
        loop(run, [&](long) {
            QTest::keyClick(screen.Label1, Qt::Key_Return); // the question has the focus
            const core::ReadingNumbers& n = screen.numbers();
            if (n.QuestionKind < 0 || n.QuestionKind > 9 || n.OneDigit < 0 || n.OneDigit > 9 ||
                n.TwoDigitA < 0 || n.TwoDigitA > 98 || n.ThreeDigit < 0 || n.ThreeDigit > 998 ||
                n.TwoDigitB < 0 || n.TwoDigitB > 98 || screen.Label1->caption().size() < 3 ||
                screen.Label1->caption().size() > 7) {
                ++run.errors;
                return;
            }
            kinds.add(n.QuestionKind);
            one.add(n.OneDigit);
            // 0 to 98 and 0 to 998 in ten cells of equal width (the last one a number short).
            if (n.TwoDigitA < 90) {
                twoA.add(n.TwoDigitA / 9);
            }
            if (n.TwoDigitB < 90) {
                twoB.add(n.TwoDigitB / 9);
            }
            if (n.ThreeDigit < 990) {
                three.add(n.ThreeDigit / 99);
            }
        });
        screen.hide();
        return finish(run, {&kinds, &one, &twoA, &three, &twoB});
    }

    long growthKiB() const { return worstGrowthKiB_; }

private:
    // Runs the questions; the resident size is taken after the first percent (warm caches)
    // and at the end. Events are processed every thousand questions, so the screen repaints.
    void loop(Run& run, const std::function<void(long)>& question)
    {
        const long warmUp = std::max(1L, questions_ / 100);
        const auto start = std::chrono::steady_clock::now();
        for (long i = 0; i < questions_; ++i) {
            if (i == warmUp) {
                QCoreApplication::processEvents();
                run.rssBeforeKiB = statusKiB("VmRSS:");
            }
            question(i);
            if (i % 1000 == 999) {
                QCoreApplication::processEvents();
            }
        }
        QCoreApplication::processEvents();
        run.rssAfterKiB = statusKiB("VmRSS:");
        run.questions = questions_;
        run.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    bool finish(const Run& run, std::initializer_list<const Tally*> tallies)
    {
        const long growth = run.rssAfterKiB - run.rssBeforeKiB;
        worstGrowthKiB_ = std::max(worstGrowthKiB_, growth);
        std::printf("%s: %ld questions in %.1f s, %ld out of range; VmRSS %ld -> %ld KiB "
                    "(growth %ld KiB)\n",
                    run.screen, run.questions, run.seconds, run.errors, run.rssBeforeKiB,
                    run.rssAfterKiB, growth);
        bool ok = run.errors == 0;
        for (const Tally* tally : tallies) {
            ok = tally->report() && ok;
        }
        std::fflush(stdout);
        return ok;
    }

    long questions_;
    long worstGrowthKiB_ = 0;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale::c());
    tk::setProgramExitForTests([] {}); // nothing here ends the run
    const QStringList arguments = QCoreApplication::arguments();
    const long questions = arguments.size() > 1 ? arguments.at(1).toLong() : 1'000'000;
    constexpr long kGrowthLimitKiB = 2048;

    Form2 write;
    Form3 choose;
    Form5 readingScreen;
    Soak soak(questions);
    bool ok = soak.exercise(
        write,
        [&](long i) {
            // Right, wrong and unreadable answers in turn.
            static const std::array<QString, 3> kWrong = {
                QStringLiteral("7"), QStringLiteral("0,5"), QStringLiteral("abc")};
            write.Text1->setText(i % 2 == 0 ? core::FormatNumber(write.question().CorrectAnswer)
                                            : kWrong.at(static_cast<std::size_t>(i / 2 % 3)));
            write.Command1->click(); // the button's own click, without its pressed repaint
        },
        "write exercise");
    const std::array<tk::Label*, 3> candidates = {choose.Label6, choose.Label7, choose.Label8};
    ok = soak.exercise(
             choose,
             [&](long i) {
                 QTest::mouseClick(candidates.at(static_cast<std::size_t>(i % 3)), Qt::LeftButton);
             },
             "choose exercise") &&
         ok;
    ok = soak.reading(readingScreen) && ok;

    std::printf("peak resident size (VmHWM): %ld KiB; largest growth after warm-up: %ld KiB "
                "(limit %ld)\n",
                statusKiB("VmHWM:"), soak.growthKiB(), kGrowthLimitKiB);
    if (kMemoryMeasured) {
        ok = ok && soak.growthKiB() <= kGrowthLimitKiB;
    } else {
        std::puts("(growth not checked: AddressSanitizer keeps freed memory in quarantine)");
    }
    std::puts(ok ? "soak: ok" : "soak: FAILED");
    return ok ? 0 : 1;
}
