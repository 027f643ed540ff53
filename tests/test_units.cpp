// SPDX-FileCopyrightText: 2026 The PlaceValue team <team@placevalue.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Twips and the program's random generator.

#include "core/random_source.h"
#include "core/twips.h"

#include <QTest>

#include <cmath>
#include <set>

class TestUnits : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twipsToPixels_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("menu width") << 12000 << 800;
        QTest::newRow("splash height") << 6870 << 458;
        QTest::newRow("reading width") << 11880 << 792;
        QTest::newRow("half rounds up") << 4013 << 268;
        QTest::newRow("just under half") << 3937 << 262;
        QTest::newRow("zero") << 0 << 0;
    }
    void twipsToPixels()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(core::twipsToPixels(twips), pixels);
    }

    void numberBelowStaysBelowItsLimit_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("expected");
        const float largest = std::nextafter(1.0F, 0.0F);
        QTest::newRow("largest r, 10") << largest << 10 << 9;
        QTest::newRow("largest r, 1000") << largest << 1000 << 999;
        QTest::newRow("largest r, 999") << largest << 999 << 998;
        QTest::newRow("largest r, 3") << largest << 3 << 2;
        QTest::newRow("zero") << 0.0F << 1000 << 0;
        QTest::newRow("a third as float lies above 1/3") << 1.0F / 3.0F << 3 << 1;
        QTest::newRow("seven tenths") << 0.7F << 10 << 6; // 0.7f is just below 0.7
    }
    void numberBelowStaysBelowItsLimit()
    {
        QFETCH(float, r);
        QFETCH(int, n);
        QFETCH(int, expected);
        QCOMPARE(core::numberBelow(r, n), expected);
    }

    void drawsAreInUnitIntervalAndUseAllBits()
    {
        core::ClockSeededRandom random;
        random.reseedFromClock();
        std::set<int> lowBits;
        for (int i = 0; i < 200000; ++i) {
            const float r = random.draw();
            QVERIFY(r >= 0.0F);
            QVERIFY(r < 1.0F);
            QCOMPARE(std::ldexp(r, 24), std::floor(std::ldexp(r, 24))); // a multiple of 2^-24
            lowBits.insert(static_cast<int>(std::ldexp(r, 24)) & 0xff);
        }
        QCOMPARE(lowBits.size(), std::size_t{256});
    }

    void reseedsInTheSameTickGiveDifferentStreams()
    {
        core::ClockSeededRandom random;
        random.mixIn(42);
        const float first = random.draw();
        random.mixIn(42); // the same clock reading again
        const float second = random.draw();
        core::ClockSeededRandom fresh;
        fresh.mixIn(42);
        QCOMPARE(fresh.draw(), first); // deterministic for a given history
        QVERIFY(first != second);
    }
};

QTEST_GUILESS_MAIN(TestUnits)
#include "test_units.moc"
