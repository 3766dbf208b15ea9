// Monte Carlo through the real window on fixed deals: the neighbour test and
// its messages, Deal closing up and refilling, Undo, the "OK" caption, a win.

#include "core/gamechoices.h"
#include "gametable.h"
#include "tablesummary.h"

namespace {
QPoint cellPoint(int cell) { return {120 + 63 * ((cell - 1) % 5) + 27, 8 + 87 * ((cell - 1) / 5) + 40}; }
}

class TestMonteCarlo : public QObject {
    Q_OBJECT
private slots:
    void pairs_data();
    void pairs();
    void dealClosesUpAndRefills();
    void undoGivesBackAllSinceDeal();
    void wholeGameToAWin();
};

void TestMonteCarlo::pairs_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("sameRank");
    QTest::addColumn<QString>("message");
    QTest::newRow("diagonal 1-7") << 1 << 7 << true << QString();
    QTest::newRow("above 3-8") << 3 << 8 << true << QString();
    QTest::newRow("side by side 14-13") << 14 << 13 << true << QString();
    QTest::newRow("anti-diagonal 9-13") << 9 << 13 << true << QString();
    QTest::newRow("row end 5-6") << 5 << 6 << true << QStringLiteral("Cards not neighbors!");
    QTest::newRow("row end diagonal 10-6") << 10 << 6 << true << QStringLiteral("Cards not neighbors!");
    QTest::newRow("row ends 1-5") << 1 << 5 << true << QStringLiteral("Cards not neighbors!");
    QTest::newRow("far 1-25") << 1 << 25 << false << QStringLiteral("Cards not neighbors!");
    QTest::newRow("K Q 1-2") << 1 << 2 << false << QStringLiteral("Cards don't match!");
}

void TestMonteCarlo::pairs()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, sameRank);
    QFETCH(QString, message);
    const int a = cardOf(13, 0), b = sameRank ? cardOf(13, 1) : cardOf(12, 1);
    GameTable t(choice::MonteCarlo, dealWith({{first, a}, {second, b}}));
    QVERIFY(!t.dealEnabled());
    t.press(cellPoint(first));  // taken: listed in its row until the release, no longer drawn
    QCOMPARE(placesSummary(t.game()->describeTable()),
             QStringLiteral("Row 1: 5, Row 2: 5, Row 3: 5, Row 4: 5, Row 5: 5, Discard pile: 0, Stock: 27"));
    QVERIFY(t.game()->describeTable()[(first - 1) / 5].cards[(first - 1) % 5].face.isEmpty());
    QCOMPARE(pickableCards(t.game()->describeTable()).size(), 24);
    t.release(cellPoint(first));
    QCOMPARE(t.whereIs(a), CardWhere::Discard);
    QVERIFY(t.shows(32, 356, a));
    QVERIFY(!t.dealEnabled());
    QVERIFY(t.undoEnabled());
    t.click(cellPoint(second));
    const bool good = message.isEmpty();
    QCOMPARE(t.whereIs(b), good ? CardWhere::Discard : CardWhere::Table);
    QCOMPARE(t.whereIs(a), good ? CardWhere::Discard : CardWhere::Table);
    QCOMPARE(t.dealEnabled(), good);
    QCOMPARE(t.undoEnabled(), good);
    if (good) {
        QVERIFY(t.messages.calls.isEmpty());
    } else {
        QCOMPARE(t.messages.calls.size(), 1);
        QCOMPARE(t.messages.calls[0].text, message);
        QCOMPARE(t.messages.calls[0].title, QStringLiteral("Monte Carlo"));
        QCOMPARE(t.messages.calls[0].icon, MsgIcon::Information);
        QVERIFY(t.shows(t.game()->hotSpots()[first - 1].x(), t.game()->hotSpots()[first - 1].y(), a));
    }
    QVERIFY(t.conserved());
}

void TestMonteCarlo::dealClosesUpAndRefills()
{
    GameTable t(choice::MonteCarlo,
                dealWith({{2, cardOf(5, 0)}, {8, cardOf(5, 1)}, {13, cardOf(9, 0)}, {14, cardOf(9, 1)}}));
    for (int cell : {2, 8, 13, 14})
        t.click(cellPoint(cell));
    QVERIFY(t.dealEnabled());
    t.clickDeal();
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 23"));
    QVERIFY(!t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    std::vector<int> expected;
    for (int p = 1; p <= 25; ++p)
        if (p != 2 && p != 8 && p != 13 && p != 14)
            expected.push_back(t.deck[p]);
    for (int p = 26; p <= 29; ++p)
        expected.push_back(t.deck[p]);
    for (int cell = 1; cell <= 25; ++cell)
        QVERIFY2(t.shows(120 + 63 * ((cell - 1) % 5), 8 + 87 * ((cell - 1) / 5), expected[cell - 1]),
                 qPrintable(QString::number(cell)));
    QVERIFY(t.conserved());
}

void TestMonteCarlo::undoGivesBackAllSinceDeal()
{
    GameTable t(choice::MonteCarlo, dealWith({{1, cardOf(5, 0)}, {2, cardOf(5, 1)}, {3, cardOf(7, 0)},
                                              {4, cardOf(7, 1)}, {5, cardOf(2, 0)}}));
    const QImage before = t.shown().copy();
    for (int cell : {1, 2, 3, 4, 5})
        t.click(cellPoint(cell));
    QCOMPARE(t.count(CardWhere::Discard), 5);
    QVERIFY(!t.dealEnabled());
    t.clickUndo();
    QCOMPARE(t.count(CardWhere::Discard), 0);
    QCOMPARE(t.count(CardWhere::Table), 25);
    QVERIFY(!t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.shown() == before);
    // A press whose release never came gives its card back on the next Deal.
    t.click(cellPoint(1));
    t.click(cellPoint(2));
    t.press(cellPoint(3));
    QVERIFY(t.conserved());
    t.window->cmdDeal_Click();
    QVERIFY(t.conserved());
    QCOMPARE(t.count(CardWhere::Discard), 2);
    QVERIFY(t.messages.calls.isEmpty());
}

void TestMonteCarlo::wholeGameToAWin()
{
    // Consecutive deal places share a rank: cells 1 and 2 always make a pair.
    std::map<int, int> placed;
    for (int p = 1; p <= 52; ++p)
        placed[p] = cardOf((p - 1) / 4 + 1, (p - 1) % 4);
    GameTable t(choice::MonteCarlo, dealWith(placed));
    for (int pair = 1; pair <= 26; ++pair) {
        QVERIFY(!t.window->isFinished());
        t.click(cellPoint(1));
        t.click(cellPoint(2));
        QCOMPARE(t.count(CardWhere::Discard), 2 * pair);
        if (pair < 26) {
            QVERIFY(t.dealEnabled());
            t.clickDeal();
            QCOMPARE(t.window->cmdDeal()->text(),
                     t.count(CardWhere::Stock) == 0 ? QStringLiteral("OK") : QStringLiteral("&Deal"));
        }
        QVERIFY(t.conserved());
    }
    QVERIFY(t.window->isFinished());
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, QStringLiteral("You Win!"));
    QCOMPARE(t.messages.calls[0].title, QStringLiteral("Monte Carlo"));
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 0"));
    t.window->mnuGameNew_Click();
    QCOMPARE(t.window->cmdDeal()->text(), QStringLiteral("&Deal"));
}

QTEST_MAIN(TestMonteCarlo)
#include "tst_montecarlo.moc"
