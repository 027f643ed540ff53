// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Labels: self-sizing, staying inside the window, right-to-left captions, clicks; and the
// colours they are painted in.

#include "support/recording_screen.h"
#include "toolkit/caption_placement.h"
#include "toolkit/colours.h"
#include "toolkit/label.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>

namespace {

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

Q_DECLARE_METATYPE(tk::CaptionMeasure)
Q_DECLARE_METATYPE(tk::CaptionFrame)

class TestLabel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colourValues_data()
    {
        QTest::addColumn<uint>("value");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red is the low byte") << uint(0x000000FF) << QColor(255, 0, 0);
        QTest::newRow("blue is the third byte") << uint(0x00FF0000) << QColor(0, 0, 255);
        QTest::newRow("dark orange") << uint(0x000040C0) << QColor(192, 64, 0);
        QTest::newRow("light orange") << uint(0x0080C0FF) << QColor(255, 192, 128);
        QTest::newRow("rgb helper") << uint(core::rgb(128, 128, 255)) << QColor(128, 128, 255);
        QTest::newRow("highlighted text")
            << uint(0x8000000E)
            << QGuiApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
        QTest::newRow("window colour")
            << uint(0x80000005)
            << QGuiApplication::palette().color(QPalette::Active, QPalette::Base);
        QTest::newRow("unknown system colour") << uint(0x80000063) << QColor(Qt::black);
    }
    void colourValues()
    {
        QFETCH(uint, value);
        QFETCH(QColor, colour);
        QCOMPARE(tk::toQColor(value), colour);
    }

    // Where placeCaption puts a caption, from plain numbers: a box of 100 x 40 pixels at (100, 40)
    // on a 400 x 300 window, and a caption whose text is 60 pixels wide with ink from 0 to 60 and
    // from 20 above the baseline to 5 below it, in a face whose letters reach from 24 above to
    // 10 below.
    void placeCaption_data()
    {
        QTest::addColumn<tk::CaptionMeasure>("caption");
        QTest::addColumn<tk::CaptionFrame>("frame");
        QTest::addColumn<QRect>("reacting");
        QTest::addColumn<QRect>("widget");
        QTest::addColumn<QPointF>("origin");
        const core::TwipsRect box{1500, 600, 1500, 600};
        const QSize window(400, 300);
        const tk::CaptionMeasure caption{60, QRectF(0, -20, 60, 25), -24, 10};
        const auto frame = [&](tk::Alignment alignment, bool autoSize) {
            return tk::CaptionFrame{box, alignment, autoSize, false, window};
        };
        // The face's band, 34 high, is centred on the box: the baseline 3 + 24 below its top.
        QTest::newRow("self-sizing, left-justified: keeps the left edge")
            << caption << frame(tk::Alignment::Left, true) << QRect(100, 40, 60, 40)
            << QRect(100, 40, 60, 40) << QPointF(100, 67);
        QTest::newRow("self-sizing, right-justified: keeps the right edge")
            << caption << frame(tk::Alignment::Right, true) << QRect(140, 40, 60, 40)
            << QRect(140, 40, 60, 40) << QPointF(140, 67);
        QTest::newRow("self-sizing, centred: keeps the centre")
            << caption << frame(tk::Alignment::Centre, true) << QRect(120, 40, 60, 40)
            << QRect(120, 40, 60, 40) << QPointF(120, 67);
        QTest::newRow("a swash past the text widens the extent")
            << tk::CaptionMeasure{60, QRectF(-3, -20, 66, 25), -24, 10}
            << frame(tk::Alignment::Right, true) << QRect(134, 40, 66, 40) << QRect(134, 40, 66, 40)
            << QPointF(137, 67);
        QTest::newRow("fixed, right-justified: the box stays, the caption at its right")
            << caption << frame(tk::Alignment::Right, false) << QRect(100, 40, 100, 40)
            << QRect(100, 40, 100, 40) << QPointF(140, 67);
        QTest::newRow("fixed box narrower than the ink: the widget grows, the box stays")
            << tk::CaptionMeasure{120, QRectF(-2, -20, 124, 25), -24, 10}
            << frame(tk::Alignment::Right, false) << QRect(100, 40, 100, 40)
            << QRect(76, 40, 124, 40) << QPointF(78, 67);
        QTest::newRow("deep ink is moved up into the box")
            << tk::CaptionMeasure{60, QRectF(0, -10, 60, 28), -24, 10}
            << frame(tk::Alignment::Left, true) << QRect(100, 40, 60, 40) << QRect(100, 40, 60, 40)
            << QPointF(100, 62);
        QTest::newRow("ink taller than the box is centred on it")
            << tk::CaptionMeasure{60, QRectF(0, -30, 60, 50), -24, 10}
            << frame(tk::Alignment::Left, true) << QRect(100, 40, 60, 40) << QRect(100, 35, 60, 50)
            << QPointF(100, 65);
        QTest::newRow("an empty caption: no width, the band's baseline")
            << tk::CaptionMeasure{0, QRectF(), -24, 10} << frame(tk::Alignment::Centre, true)
            << QRect(150, 40, 0, 40) << QRect(150, 40, 0, 40) << QPointF(150, 67);
        QTest::newRow("never past the window's right edge")
            << caption
            << tk::CaptionFrame{{5700, 600, 300, 600}, tk::Alignment::Left, true, false, window}
            << QRect(340, 40, 60, 40) << QRect(340, 40, 60, 40) << QPointF(340, 67);
        QTest::newRow("never past its left edge")
            << tk::CaptionMeasure{500, QRectF(0, -20, 500, 25), -24, 10}
            << frame(tk::Alignment::Right, true) << QRect(0, 40, 500, 40) << QRect(0, 40, 500, 40)
            << QPointF(0, 67);
        QTest::newRow("centred on the window instead of the box")
            << caption << tk::CaptionFrame{box, tk::Alignment::Centre, true, true, window}
            << QRect(170, 40, 60, 40) << QRect(170, 40, 60, 40) << QPointF(170, 67);
    }
    void placeCaption()
    {
        QFETCH(tk::CaptionMeasure, caption);
        QFETCH(tk::CaptionFrame, frame);
        QFETCH(QRect, reacting);
        QFETCH(QRect, widget);
        QFETCH(QPointF, origin);
        const tk::CaptionPlacement placed = tk::placeCaption(caption, frame);
        QCOMPARE(placed.reactingBox, reacting);
        QCOMPARE(placed.widgetBox, widget);
        QCOMPARE(placed.textOrigin, origin);
    }

    // The widget follows its placement as the caption changes, and paints inside it.
    void aLabelTakesItsPlacement()
    {
        RecordingScreen screen; // 400 x 300
        tk::Label label(&screen, labelDesign(tk::Alignment::Right));
        for (const QString& caption :
             {QStringLiteral(u"الاجابة صحيحة"), QStringLiteral("0.007"), QStringLiteral("5")}) {
            label.setCaption(caption);
            QCOMPARE(label.geometry(), label.placement().widgetBox);
            QCOMPARE(label.placement().reactingBox.right(), 199);
            QCOMPARE(label.placement().reactingBox.top(), 40);
            QVERIFY(label.placement().reactingBox.width() > 0);
        }
    }

    // A self-sizing caption wider than its room is set just small enough to fit, and a later
    // caption that fits is set at the designed size again.
    void tooWideACaptionIsSetSmaller_data()
    {
        QTest::addColumn<int>("maxWidth"); // twips
        QTest::addColumn<int>("room");     // pixels
        QTest::newRow("the window's width") << 0 << 400;
        QTest::newRow("its own room") << 5850 << 390;
    }
    void tooWideACaptionIsSetSmaller()
    {
        QFETCH(int, maxWidth);
        QFETCH(int, room);
        RecordingScreen screen; // 400 x 300
        tk::LabelDesign design = labelDesign(tk::Alignment::Centre);
        design.box = {0, 600, 6000, 600}; // centred on the window
        design.maxWidth = maxWidth;
        tk::Label label(&screen, design);
        const QString wide = QStringLiteral(u"الاجابة خاطئة و الاجابة الصحيحة هي ٠٫٠٠٧");
        label.setCaption(wide);
        QVERIFY(label.width() <= room);
        // No smaller than needed: the caption is a few per cent too wide for its room.
        QVERIFY2(label.font().pointSizeF() > 20 * 0.9,
                 qPrintable(QString::number(label.font().pointSizeF())));
        QVERIFY(label.font().pointSizeF() < 20);
        label.setCaption(QStringLiteral("0.007"));
        QCOMPARE(label.font().pointSizeF(), 20.0);
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
};

QTEST_MAIN(TestLabel)
#include "test_label.moc"
