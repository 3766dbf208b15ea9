// The card model and the shuffle.

#include "core/modCards.h"
#include "testsupport.h"

#include <QtTest>
#include <set>

class TestCards : public QObject {
    Q_OBJECT
private slots:
    void ranksSuitsAndFaceValues();
    void sequenceRules();
    void hitTestBounds();
    void sequenceSize();
    void shuffleIsAPermutation();
    void shuffleFixedSources();
    void shuffleNeverRepeatsBackToBack();
    void shuffleIsRoughlyUniform();
    void shuffleSurvivesBrokenSource();
};

void TestCards::ranksSuitsAndFaceValues()
{
    QCOMPARE(gintfCardRank(13, false), 13);
    QCOMPARE(gintfCardSuit(13), 0);
    QCOMPARE(gintfCardRank(26, false), 13);
    QCOMPARE(gintfCardSuit(26), 1);
    QCOMPARE(gintfCardRank(40, false), 1);
    QCOMPARE(gintfCardSuit(40), 3);
    QCOMPARE(gintfCardRank(1, true), 1);
    QCOMPARE(gintfCardRank(10, true), 10);
    for (int court = 11; court <= 13; ++court)
        QCOMPARE(gintfCardRank(cardOf(court, 2), true), 10);
    QVERIFY(gblnfSameSuit(1, 13));
    QVERIFY(!gblnfSameSuit(13, 14));
    QVERIFY(gblnfIsRed(14) && gblnfIsRed(39) && !gblnfIsRed(40) && !gblnfIsRed(13));
    QVERIFY(gblnfAndNot(true, false));
    QVERIFY(!gblnfAndNot(true, true) && !gblnfAndNot(false, false) && !gblnfAndNot(false, true));
}

void TestCards::sequenceRules()
{
    const int aceS = cardOf(1, 0), twoH = cardOf(2, 1), kingS = cardOf(13, 0), queenD = cardOf(12, 2);
    const int sevenS = cardOf(7, 0), eightH = cardOf(8, 1), eightS = cardOf(8, 0);
    // King then Queen without wrap holds whatever the direction flags say.
    QVERIFY(gblnfInSequence(kingS, queenD, false, false, false, false));
    QVERIFY(gblnfInSequence(kingS, queenD, false, false, false, true));
    QVERIFY(gblnfInSequence(kingS, queenD, false, true, false, false));
    // Ace then Two without wrap only when ascending.
    QVERIFY(!gblnfInSequence(aceS, twoH, false, false, false, false));
    QVERIFY(!gblnfInSequence(aceS, twoH, false, true, false, false));
    QVERIFY(gblnfInSequence(aceS, twoH, false, false, false, true));
    // King and Ace touch only with wrap.
    QVERIFY(!gblnfInSequence(aceS, kingS, false, false, false, false));
    QVERIFY(!gblnfInSequence(kingS, aceS, false, false, false, true));
    QVERIFY(gblnfInSequence(aceS, kingS, true, false, false, false));
    QVERIFY(gblnfInSequence(kingS, aceS, true, false, false, false));
    QVERIFY(gblnfInSequence(aceS, twoH, true, false, false, false));
    // Descending, ascending, either way; same suit.
    QVERIFY(gblnfInSequence(eightH, sevenS, false, true, false, false));
    QVERIFY(!gblnfInSequence(sevenS, eightH, false, true, false, false));
    QVERIFY(gblnfInSequence(sevenS, eightH, false, false, false, true));
    QVERIFY(gblnfInSequence(sevenS, eightH, false, false, false, false));
    QVERIFY(gblnfInSequence(eightH, sevenS, false, false, false, false));
    QVERIFY(!gblnfInSequence(eightH, sevenS, false, true, true, false));
    QVERIFY(gblnfInSequence(eightS, sevenS, false, true, true, false));
    QVERIFY(!gblnfInSequence(sevenS, sevenS, true, false, false, false));
}

void TestCards::hitTestBounds()
{
    QVERIFY(gblnfCardHit(100 + 55, 50 + 79, 100, 50, true, 0, 0));
    QVERIFY(gblnfCardHit(100, 50, 100, 50, true, 0, 0));
    QVERIFY(!gblnfCardHit(155.5f, 60, 100, 50, true, 0, 0));
    QVERIFY(!gblnfCardHit(120, 129.5f, 100, 50, true, 0, 0));
    QVERIFY(!gblnfCardHit(99.9f, 60, 100, 50, true, 0, 0));
    // A release compares corners within the tolerance, both bounds inclusive.
    QVERIFY(gblnfCardHit(120, 30, 100, 50, false, 20, 20));
    QVERIFY(gblnfCardHit(80, 70, 100, 50, false, 20, 20));
    QVERIFY(!gblnfCardHit(121, 50, 100, 50, false, 20, 20));
    QVERIFY(!gblnfCardHit(100, 29, 100, 50, false, 20, 20));
    QVERIFY(gblnfCardHit(112, 50, 100, 50, false, 12, 12));
}

void TestCards::sequenceSize()
{
    int w = 0, h = 0;
    gsGetSequenceSize(w, h, 4, 55, 79, false, 12);
    QCOMPARE(QSize(w, h), QSize(91, 79));
    gsGetSequenceSize(w, h, 3, 55, 79, true, 20);
    QCOMPARE(QSize(w, h), QSize(55, 119));
    gsGetSequenceSize(w, h, 1, 55, 79, false, 12);
    QCOMPARE(QSize(w, h), QSize(55, 79));
}

static bool isPermutation()
{
    std::set<int> seen;
    for (int p = 1; p <= 52; ++p) {
        if (gintDeck[p] < 1 || gintDeck[p] > 52)
            return false;
        seen.insert(gintDeck[p]);
    }
    return seen.size() == 52;
}

void TestCards::shuffleIsAPermutation()
{
    for (int i = 0; i < 500; ++i) {
        gsShuffleDeck();
        QVERIFY(isPermutation());
    }
}

void TestCards::shuffleFixedSources()
{
    int draws = 0;
    gsSetRandomSource([&] {
        ++draws;
        return 0.0f;
    });
    gsShuffleDeck();
    QCOMPARE(draws, 52);
    for (int p = 1; p <= 52; ++p)
        QCOMPARE(gintDeck[p], p);

    draws = 0;
    gsSetRandomSource([&] {
        ++draws;
        return std::nextafter(1.0f, 0.0f);
    });
    gsShuffleDeck();
    QCOMPARE(draws, 52);
    for (int p = 1; p <= 52; ++p)
        QCOMPARE(gintDeck[p], 53 - p);
    gsSetRandomSource({});

    // The rig used by game tests deals exactly what it is given.
    const auto wanted = deckStartingWith({52, 1, 27, 13, 40});
    {
        RiggedShuffle rig(wanted);
        gsShuffleDeck();
    }
    for (int p = 1; p <= 52; ++p)
        QCOMPARE(gintDeck[p], wanted[p]);
}

void TestCards::shuffleNeverRepeatsBackToBack()
{
    // Clock seeding must not give the same deal to two quick shuffles.
    int previous[53];
    gsShuffleDeck();
    std::copy(std::begin(gintDeck), std::end(gintDeck), std::begin(previous));
    for (int i = 0; i < 2000; ++i) {
        gsShuffleDeck();
        QVERIFY(!std::equal(std::begin(gintDeck), std::end(gintDeck), std::begin(previous)));
        std::copy(std::begin(gintDeck), std::end(gintDeck), std::begin(previous));
    }
}

void TestCards::shuffleIsRoughlyUniform()
{
    // Each card lands in each place about 1/52 of the time.
    constexpr int rounds = 20800;
    static int counts[53][53];
    std::memset(counts, 0, sizeof counts);
    for (int i = 0; i < rounds; ++i) {
        gsShuffleDeck();
        for (int p = 1; p <= 52; ++p)
            ++counts[gintDeck[p]][p];
    }
    const double expected = rounds / 52.0;  // 400
    double chi = 0;
    for (int c = 1; c <= 52; ++c)
        for (int p = 1; p <= 52; ++p) {
            const double d = counts[c][p] - expected;
            chi += d * d / expected;
            QVERIFY2(counts[c][p] > expected * 0.7 && counts[c][p] < expected * 1.3,
                     qPrintable(QStringLiteral("card %1 at place %2: %3").arg(c).arg(p).arg(counts[c][p])));
        }
    // 2704 cells, about 2601 degrees of freedom: a fair shuffle stays well under 3000.
    QVERIFY2(chi < 3000, qPrintable(QString::number(chi)));
}

void TestCards::shuffleSurvivesBrokenSource()
{
    for (float bad : {1.0f, 2.5f, -0.5f, std::numeric_limits<float>::quiet_NaN()}) {
        gsSetRandomSource([bad] { return bad; });
        gsShuffleDeck();
        QVERIFY(isPermutation());
    }
    gsSetRandomSource({});
}

QTEST_GUILESS_MAIN(TestCards)
#include "tst_cards.moc"
