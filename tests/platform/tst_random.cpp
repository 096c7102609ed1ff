#include "platform/random.h"
#include "support/seams.h"

#include <QTest>
#include <array>
#include <set>

class TestRandom : public QObject {
    Q_OBJECT

private slots:
    void staysInHalfOpenUnitInterval() {
        platform::MixingRandom random(1);
        for (int i = 0; i < 200000; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f);
            QVERIFY(r < 1.0f);
        }
    }

    // Chi-square over 197 cells, the way the quiz uses the numbers: with 196 degrees of
    // freedom, 290 is beyond the 99.99th percentile.
    void drawsIndicesUniformly() {
        platform::MixingRandom random(7);
        std::array<int, 197> cells{};
        const int draws = 197 * 500;
        for (int i = 0; i < draws; ++i)
            ++cells[static_cast<std::size_t>(static_cast<double>(random.next()) * 197)];
        double chi2 = 0;
        for (int observed : cells)
            chi2 += (observed - 500.0) * (observed - 500.0) / 500.0;
        QVERIFY2(chi2 < 290, qPrintable(QString::number(chi2)));
    }

    void reseedAtFrozenClockStillGivesNewNumbers() {
        platform::MixingRandom random;
        std::set<float> firsts;
        for (int i = 0; i < 1000; ++i) {
            random.reseed(12345);
            firsts.insert(random.next());
        }
        // 1000 draws from 2^24 values: a handful of chance collisions at most.
        QVERIFY2(firsts.size() > 990, qPrintable(QString::number(firsts.size())));
    }

    void reseedWithoutDrawsInBetweenMovesOn() {
        platform::MixingRandom a;
        platform::MixingRandom b;
        a.reseed(5);
        b.reseed(5);
        b.reseed(5);
        QVERIFY(a.next() != b.next());
    }

    void randomizeReadsTheClock() {
        FrozenClock clock;
        InstalledRandom<ScriptedRandom> random(std::vector<float>{});
        platform::Randomize();
        platform::Randomize();
        QCOMPARE(random.installed->reseeds, 2);
    }
};

QTEST_APPLESS_MAIN(TestRandom)
#include "tst_random.moc"
