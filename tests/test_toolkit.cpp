// The screen toolkit: self-sizing labels, right-to-left captions, key preview, loading, the
// mouse, timers and the end of the program.

#include "support/program_end_recorder.h"
#include "toolkit/controls.h"
#include "toolkit/label.h"
#include "toolkit/program.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// A screen that records what its handlers saw.
class RecordingScreen : public tk::Screen {
public:
    RecordingScreen()
        : tk::Screen({.name = QStringLiteral("Recording"),
                      .clientWidth = 6000,
                      .clientHeight = 4500,
                      .background = tk::rgb(0, 0, 0)})
    {}
    QList<int> keys;
    int loads = 0;
    bool visibleDuringLoad = true;
    int backgroundMoves = 0;

protected:
    void load() override
    {
        ++loads;
        visibleDuringLoad = isVisible();
    }
    void keyPress(int characterCode) override { keys.append(characterCode); }
    void backgroundMouseMove() override { ++backgroundMoves; }
};

tk::LabelDesign labelDesign(tk::Alignment alignment, bool autoSize = true)
{
    return {.name = QStringLiteral("Probe"),
            .caption = QStringLiteral(u"و"),
            .box = {1500, 600, 1500, 600},
            .font = {tk::Face::ArabicTransparent, 20, true},
            .colour = tk::rgb(255, 0, 0),
            .alignment = alignment,
            .autoSize = autoSize};
}

// Height of the ink in the columns [from, to) of a picture on black.
int inkHeight(const QImage& image, int from, int to)
{
    int top = image.height();
    int bottom = -1;
    for (int x = std::max(0, from); x < std::min(image.width(), to); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qRed(image.pixel(x, y)) > 128) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return bottom < top ? 0 : bottom - top + 1;
}

} // namespace

class TestToolkit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void selfSizingLabelKeepsItsAnchor_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::newRow("right-justified keeps the right edge") << int(tk::Alignment::Right);
        QTest::newRow("centred keeps the centre") << int(tk::Alignment::Centre);
        QTest::newRow("left-justified keeps the left edge") << int(tk::Alignment::Left);
    }
    void selfSizingLabelKeepsItsAnchor()
    {
        QFETCH(int, alignment);
        RecordingScreen screen;
        tk::Label label(&screen, labelDesign(static_cast<tk::Alignment>(alignment)));
        // Designed box: left 100, right 200, centre 150 pixels.
        for (const QString& caption :
             {QStringLiteral(u"الاجابة صحيحة"), QStringLiteral("0.007"), QStringLiteral("5")}) {
            label.setCaption(caption);
            QCOMPARE(label.width(), qCeil(label.captionWidth()));
            QVERIFY(label.width() > 0);
            switch (static_cast<tk::Alignment>(alignment)) {
            case tk::Alignment::Right:
                QCOMPARE(label.x() + label.width(), 200);
                break;
            case tk::Alignment::Centre:
                QVERIFY(qAbs(label.x() + label.width() / 2.0 - 150) <= 1.0);
                break;
            case tk::Alignment::Left:
                QCOMPARE(label.x(), 100);
                break;
            }
            QCOMPARE(label.y(), 40);
        }
    }

    void labelStaysInsideItsWindow()
    {
        RecordingScreen screen; // 400 x 300
        tk::LabelDesign design = labelDesign(tk::Alignment::Centre);
        design.box = {5700, 4300, 300, 200}; // near the bottom-right corner
        tk::Label label(&screen, design);
        label.setCaption(QStringLiteral(u"الاجابة خاطئة و الاجابة"));
        QVERIFY(label.geometry().right() < screen.width());
        QVERIFY(label.geometry().bottom() < screen.height());
        QVERIFY(label.x() >= 0);
    }

    void fixedBoxGrowsRatherThanClip()
    {
        RecordingScreen screen;
        tk::LabelDesign design = labelDesign(tk::Alignment::Right, false);
        design.box = {1500, 600, 150, 150}; // 10 x 10 pixels
        tk::Label label(&screen, design);
        label.setCaption(QStringLiteral(u"خروج"));
        QVERIFY(label.width() >= label.captionWidth());
        QCOMPARE(label.x() + label.width(), 110);
        label.setCaption(QStringLiteral("."));
        QCOMPARE(label.size(), QSize(10, qMax(10, label.height())));
    }

    void rightToLeftParagraphWhateverTheFirstCharacter_data()
    {
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("right-to-left: the digit stands at the right") << true;
        QTest::newRow("left-to-right: the digit stands at the left") << false;
    }
    void rightToLeftParagraphWhateverTheFirstCharacter()
    {
        QFETCH(bool, rightToLeft);
        RecordingScreen screen;
        tk::LabelDesign design = labelDesign(tk::Alignment::Centre);
        design.rightToLeft = rightToLeft;
        // A digit first, then a long flat run of tatweel: only the digit is tall.
        design.caption = QStringLiteral(u"1 ــــــــــــــــ");
        tk::Label label(&screen, design);
        const QImage image = label.grab().toImage();
        const int edge = image.width() / 6;
        const int leftInk = inkHeight(image, 0, edge);
        const int rightInk = inkHeight(image, image.width() - edge, image.width());
        if (rightToLeft) {
            QVERIFY2(rightInk > 2 * leftInk,
                     qPrintable(QStringLiteral("%1 %2").arg(leftInk).arg(rightInk)));
        } else {
            QVERIFY2(leftInk > 2 * rightInk,
                     qPrintable(QStringLiteral("%1 %2").arg(leftInk).arg(rightInk)));
        }
    }

    void labelClickNeedsPressAndReleaseOnIt()
    {
        RecordingScreen screen;
        tk::Label label(&screen, labelDesign(tk::Alignment::Left));
        screen.show();
        QSignalSpy clicks(&label, &tk::Label::clicked);
        QTest::mouseClick(&label, Qt::LeftButton, {}, label.rect().center());
        QCOMPARE(clicks.size(), 1);
        QTest::mousePress(&label, Qt::LeftButton, {}, label.rect().center());
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(-50, -50));
        QCOMPARE(clicks.size(), 1);
        QTest::mouseClick(&label, Qt::RightButton, {}, label.rect().center());
        QCOMPARE(clicks.size(), 1);
    }

    void loadRunsOnceBeforeTheFirstShow()
    {
        RecordingScreen screen;
        QSignalSpy loaded(&screen, &tk::Screen::loaded);
        QVERIFY(!screen.isLoaded());
        screen.show();
        screen.hide();
        screen.show();
        QCOMPARE(screen.loads, 1);
        QCOMPARE(loaded.size(), 1);
        QVERIFY(!screen.visibleDuringLoad);
    }

    void keyPreviewSeesKeysBeforeTheFocusedControl_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("seen");
        QTest::addColumn<QString>("boxText");
        QTest::newRow("Esc, preview on")
            << true << int(Qt::Key_Escape) << QString() << QList<int>{27} << QString();
        QTest::newRow("Enter, preview on")
            << true << int(Qt::Key_Return) << QString() << QList<int>{13} << QString();
        QTest::newRow("a letter reaches the box too")
            << true << int(Qt::Key_A) << QStringLiteral("a") << QList<int>{'a'}
            << QStringLiteral("a");
        QTest::newRow("an Arabic letter")
            << true << 0 << QStringLiteral(u"ب") << QList<int>{0x628} << QStringLiteral(u"ب");
        QTest::newRow("a key without a character")
            << true << int(Qt::Key_Left) << QString() << QList<int>{} << QString();
        QTest::newRow("Esc, preview off")
            << false << int(Qt::Key_Escape) << QString() << QList<int>{} << QString();
        QTest::newRow("a letter, preview off") << false << int(Qt::Key_A) << QStringLiteral("a")
                                               << QList<int>{} << QStringLiteral("a");
    }
    void keyPreviewSeesKeysBeforeTheFocusedControl()
    {
        QFETCH(bool, preview);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QList<int>, seen);
        QFETCH(QString, boxText);
        RecordingScreen screen;
        auto* box = new QLineEdit(&screen);
        screen.setKeyPreview(preview);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        if (key == 0) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
            QApplication::sendEvent(box, &press);
        } else {
            QTest::keyClick(box, static_cast<Qt::Key>(key));
        }
        QCOMPARE(screen.keys, seen); // once, although Esc and Enter travel on to the screen
        QCOMPARE(box->text(), boxText);
    }

    void keysOnAScreenWithoutFocusedControlReachItsHandler()
    {
        RecordingScreen screen;
        screen.show();
        QTest::keyClick(&screen, Qt::Key_Escape);
        QCOMPARE(screen.keys, QList<int>{27});
    }

    void shapesCountAsBackground()
    {
        RecordingScreen screen;
        auto* shape = new tk::Shape(&screen, {.name = QStringLiteral("Shape1"),
                                              .kind = tk::ShapeKind::Oval,
                                              .box = {0, 0, 3000, 3000},
                                              .fill = tk::rgb(255, 192, 128)});
        tk::Label label(&screen, labelDesign(tk::Alignment::Left));
        QSignalSpy labelMoves(&label, &tk::Label::mouseMoved);
        screen.show();
        QVERIFY(shape->testAttribute(Qt::WA_TransparentForMouseEvents));
        QTest::mouseMove(&screen, QPoint(20, 180)); // over the oval, away from the label
        QCOMPARE(screen.backgroundMoves, 1);
        QTest::mouseMove(&label, label.rect().center());
        QCOMPARE(labelMoves.size(), 1);
        QCOMPARE(screen.backgroundMoves, 1);
    }

    void timerTicksOnlyWhileEnabled()
    {
        RecordingScreen screen;
        tk::Timer timer(&screen, QStringLiteral("Timer1"), 3000, false);
        QSignalSpy ticks(&timer, &tk::Timer::tick);
        QVERIFY(!timer.fireNow());
        QCOMPARE(ticks.size(), 0);
        timer.setEnabled(true);
        screen.show();
        screen.hide();
        QVERIFY(timer.isEnabled()); // hiding the screen does not stop it
        QVERIFY(timer.fireNow());
        QCOMPARE(ticks.size(), 1);
        QCOMPARE(timer.interval(), 3000);
    }

    void closeRequestEndsTheProgram()
    {
        ProgramEndRecorder recorder;
        RecordingScreen screen;
        tk::Timer timer(&screen, QStringLiteral("Timer1"), 3000, true);
        screen.show();
        QVERIFY(!screen.close());     // the request is refused ...
        QCOMPARE(recorder.ends(), 1); // ... and the run ends instead
        QVERIFY(tk::ProgramHasEnded());
        QVERIFY(!screen.isVisible());
        QVERIFY(!timer.isEnabled());
        QVERIFY(!timer.fireNow());
    }

    void noInputReachesTheScreensAfterTheEnd()
    {
        ProgramEndRecorder recorder;
        RecordingScreen screen;
        tk::Label label(&screen, labelDesign(tk::Alignment::Left));
        QSignalSpy clicks(&label, &tk::Label::clicked);
        screen.show();
        tk::EndProgram();
        QTest::mouseClick(&label, Qt::LeftButton, {}, label.rect().center());
        QTest::keyClick(&screen, Qt::Key_Return);
        QCOMPARE(clicks.size(), 0);
        QVERIFY(screen.keys.isEmpty());
    }
};

QTEST_MAIN(TestToolkit)
#include "test_toolkit.moc"
