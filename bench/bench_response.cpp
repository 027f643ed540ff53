// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a pupil waits for the screen to answer, measured through the real widgets on the
// platform the environment names (the benchmark script runs it on Xvfb's X server):
//   - a click on the write exercise's answer button until the feedback has been painted,
//   - a click on a candidate of the choose exercise until the feedback has been painted,
//   - Enter on the reading practice until the new question has been painted.
// One sample runs from just before the click or key is delivered until the event loop has
// painted the label and flushed its window; between samples the feedback timer is fired at
// once, so no sample waits for the three seconds. The first sample of each (the cold one, which
// loads the faces of its size) is reported apart from the rest.

#include "exercises/form2.h"
#include "exercises/form3.h"
#include "practice/form5.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kSamples = 300;

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }
    int paints() const { return paints_; }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints_;
        }
        return false;
    }

private:
    int paints_ = 0;
};

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

// Delivers the input, then runs the event loop until the label has been painted; the time in
// milliseconds. Nothing when the input left the label as it was (a reading question can come
// twice in a row), as there is nothing to paint then.
std::optional<double> timeUntilPainted(const tk::Label& label, const PaintCounter& paints,
                                       const std::function<void()>& input)
{
    const int before = paints.paints();
    // A copy, not a reference: the input changes the caption.
    const QString caption = label.caption(); // NOLINT(performance-unnecessary-copy-initialization)
    const bool visible = label.isVisible();
    QElapsedTimer timer;
    timer.start();
    input();
    if (label.caption() == caption && label.isVisible() == visible) {
        settle();
        return std::nullopt;
    }
    while (paints.paints() == before) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (timer.elapsed() > 5000) {
            std::fprintf(stderr, "bench_response: the label was not painted within 5 s\n");
            std::exit(1);
        }
    }
    // The paint ran inside the window's repaint, which flushes to the window before it returns.
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void record(std::vector<double>& samples, std::optional<double> sample)
{
    if (sample) {
        samples.push_back(*sample);
    }
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
    return values[index];
}

void report(const char* what, const std::vector<double>& samples)
{
    const std::vector<double> warm(samples.begin() + 1, samples.end());
    std::printf("%-36s %8.2f %8.2f %8.2f %8.2f %8zu\n", what, samples.front(),
                percentile(warm, 0.5), percentile(warm, 0.99), percentile(warm, 1.0), warm.size());
    std::fflush(stdout);
}

template <typename Screen> void showAndWait(Screen& screen)
{
    screen.show();
    if (!QTest::qWaitForWindowExposed(&screen)) {
        std::fprintf(stderr, "bench_response: the window was not exposed\n");
        std::exit(1);
    }
    settle();
}

void writeExercise()
{
    Form2 form;
    showAndWait(form);
    PaintCounter feedback(form.Label9);
    std::vector<double> samples;
    for (int i = 0; i < kSamples; ++i) {
        form.Text1->setText(u"0.05"_s);
        settle();
        record(samples, timeUntilPainted(*form.Label9, feedback, [&] {
                   QTest::mouseClick(form.Command1, Qt::LeftButton);
               }));
        form.Timer1->fireNow();
        settle();
    }
    report("answer button -> feedback painted", samples);
}

void chooseExercise()
{
    Form3 form;
    showAndWait(form);
    PaintCounter feedback(form.Label9);
    std::vector<double> samples;
    tk::Label* const candidates[] = {form.Label6, form.Label7, form.Label8};
    for (int i = 0; i < kSamples; ++i) {
        tk::Label* candidate = candidates[i % 3];
        record(samples, timeUntilPainted(*form.Label9, feedback,
                                         [&] { QTest::mouseClick(candidate, Qt::LeftButton); }));
        form.Timer1->fireNow();
        settle();
    }
    report("candidate -> feedback painted", samples);
}

void readingPractice()
{
    Form5 form;
    showAndWait(form);
    form.activateWindow();
    settle();
    PaintCounter question(form.Label1);
    std::vector<double> samples;
    for (int i = 0; i < kSamples; ++i) {
        record(samples, timeUntilPainted(*form.Label1, question,
                                         [&] { QTest::keyClick(form.Label1, Qt::Key_Return); }));
        settle();
    }
    report("Enter -> new reading question painted", samples);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    std::printf("# %d samples each, on the %s platform; times in ms\n", kSamples,
                qPrintable(QGuiApplication::platformName()));
    std::printf("%-36s %8s %8s %8s %8s %8s\n", "input -> painted", "cold", "p50", "p99", "max",
                "n");
    writeExercise();
    chooseExercise();
    readingPractice();
    return 0;
}
