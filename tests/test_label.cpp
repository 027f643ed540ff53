// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Labels: self-sizing, staying inside the window, right-to-left captions, clicks; and the
// colours they are painted in.

#include "support/recording_screen.h"
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
};

QTEST_MAIN(TestLabel)
#include "test_label.moc"
