// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Nanoseconds per call of the logic behind every question: drawing a question, the number
// texts, reading a typed answer and posing a reading question.

#include "core/number_text.h"
#include "core/place_value_question.h"
#include "core/random_source.h"
#include "core/reading_question.h"

#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

// A board that keeps what it is given, as the screen's labels would, without widgets.
class MemoryBoard final : public core::QuestionBoard {
public:
    void setNumberCaption(core::NumberLabel label, const QString& caption) override
    {
        captions_[static_cast<int>(label) - 1] = caption;
    }
    void setNumberColour(core::NumberLabel label, core::ColourValue colour) override
    {
        colours_[static_cast<int>(label) - 1] = colour;
    }

private:
    QString captions_[4];
    core::ColourValue colours_[4] = {};
};

void BM_GenerateQuestion(benchmark::State& state)
{
    MemoryBoard board;
    core::PlaceValueQuestion question;
    core::ClockSeededRandom random;
    for (auto iteration : state) {
        static_cast<void>(iteration);
        core::GenerateQuestion(board, question, random);
        benchmark::DoNotOptimize(question.CorrectAnswer);
    }
}
BENCHMARK(BM_GenerateQuestion);

void BM_wholePartCaption(benchmark::State& state)
{
    for (auto iteration : state) {
        static_cast<void>(iteration);
        benchmark::DoNotOptimize(core::wholePartCaption(305));
    }
}
BENCHMARK(BM_wholePartCaption);

void BM_FormatNumber(benchmark::State& state)
{
    const core::NumberWriting writing = core::regionalWriting();
    const double value = static_cast<double>(state.range(0)) / 1000.0;
    for (auto iteration : state) {
        static_cast<void>(iteration);
        benchmark::DoNotOptimize(core::FormatNumber(value, writing));
    }
}
BENCHMARK(BM_FormatNumber)->Arg(7)->Arg(70)->Arg(305007);

void BM_FormatNumberWithLocale(benchmark::State& state)
{
    for (auto iteration : state) {
        static_cast<void>(iteration);
        benchmark::DoNotOptimize(core::FormatNumber(0.007));
    }
}
BENCHMARK(BM_FormatNumberWithLocale);

void BM_FeedbackText(benchmark::State& state)
{
    const bool right = state.range(0) != 0;
    for (auto iteration : state) {
        static_cast<void>(iteration);
        benchmark::DoNotOptimize(core::FeedbackText(right, 0.007F));
    }
}
BENCHMARK(BM_FeedbackText)->ArgName("right")->Arg(0)->Arg(1);

void BM_ReadTypedNumber(benchmark::State& state)
{
    const QString typed = QStringLiteral(" 0.07 ");
    for (auto iteration : state) {
        static_cast<void>(iteration);
        const double value = core::ReadTypedNumber(typed);
        benchmark::DoNotOptimize(core::matchesAnswer(value, 0.07F));
    }
}
BENCHMARK(BM_ReadTypedNumber);

// An answer in the regional settings' own writing. Egyptian ٠٫٠٧ (0) is read as every writing
// reads it, without asking the locale; French 0,07 (1) asks it once per reading, for the comma.
void BM_ReadTypedNumberRegional(benchmark::State& state)
{
    const bool comma = state.range(0) != 0;
    QLocale::setDefault(QLocale(comma ? QStringLiteral("fr_FR") : QStringLiteral("ar_EG")));
    const QString typed = comma ? QStringLiteral(" 0,07 ") : QStringLiteral(u" ٠٫٠٧ ");
    for (auto iteration : state) {
        static_cast<void>(iteration);
        const double value = core::ReadTypedNumber(typed);
        benchmark::DoNotOptimize(core::matchesAnswer(value, 0.07F));
    }
    QLocale::setDefault(QLocale::c());
}
BENCHMARK(BM_ReadTypedNumberRegional)->ArgName("comma")->Arg(0)->Arg(1);

void BM_readingCaption(benchmark::State& state)
{
    for (auto iteration : state) {
        static_cast<void>(iteration);
        benchmark::DoNotOptimize(core::readingCaption(998, 98));
    }
}
BENCHMARK(BM_readingCaption);

void BM_poseReadingQuestion(benchmark::State& state)
{
    core::ReadingNumbers numbers;
    core::ClockSeededRandom random;
    for (auto iteration : state) {
        static_cast<void>(iteration);
        benchmark::DoNotOptimize(
            core::poseReadingQuestion(numbers, core::ReadingOccasion::Enter, random));
    }
}
BENCHMARK(BM_poseReadingQuestion);

} // namespace

BENCHMARK_MAIN();
