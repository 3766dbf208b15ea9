// Decade played through the real game window on fixed deals: the row that
// Deal builds, which cards a pick may take, the total test, closing up,
// Undo of an unfinished pick, the last card and the win.

#include "core/gamechoices.h"
#include "gametable.h"
#include "tablesummary.h"

#include <QtTest>

namespace {
const QString kBadTotal = QStringLiteral("Total face value of the selected cards has to be 10, 20, or 30.");
const QPoint kDiscardPlace(12, 135);

int slotLeft(int slot) { return 12 * slot; }
// On the strip of the card that only it covers while it is in the row.
QPoint stripPoint(int slot) { return {slotLeft(slot) + 6, 70}; }

// Distinct cards of the given ranks, suits taken in turn for each rank.
std::vector<int> cardsOfRanks(const std::vector<int>& ranks)
{
    std::array<int, 14> used{};
    std::vector<int> cards;
    for (int r : ranks)
        cards.push_back(cardOf(r, used[r]++));
    return cards;
}

class DecadeTable : public GameTable {
public:
    explicit DecadeTable(const std::vector<int>& firstRanks)
        : GameTable(choice::Decade, deckStartingWith(cardsOfRanks(firstRanks)))
    {
    }
    void deal(int times)
    {
        for (int i = 0; i < times; ++i)
            clickDeal();
    }
    void pick(int slot) { click(stripPoint(slot)); }
    // The row as the board shows it, left to right: card k at 12 x k.
    bool rowShows(const std::vector<int>& cards)
    {
        for (size_t k = 1; k <= cards.size(); ++k) {
            const bool last = k == cards.size();
            if (!shows(slotLeft(static_cast<int>(k)), 30, cards[k - 1], last ? kCardWidth : 12))
                return false;
        }
        return cards.empty() || !shows(slotLeft(static_cast<int>(cards.size()) + 1), 30, deck[1], 12);
    }
};

// Ranks of a deal that can be played out in threes from the left end, each
// three dealt and then picked first, last, middle; the 52nd card, a Jack,
// goes alone.
const std::vector<int> kWinningRanks = {
    7, 12, 3, 5, 7, 8, 10, 9, 1, 10, 4, 6, 9, 8, 3, 11, 4, 6, 4, 13, 6, 2, 13, 8, 11, 7, 3, 1, 1, 8,
    5, 10, 5, 12, 13, 13, 2, 1, 7, 9, 9, 2, 11, 10, 12, 4, 12, 6, 3, 5, 2, 11,
};

void playThrees(DecadeTable& t, int threes)
{
    for (int i = 0; i < threes; ++i) {
        t.deal(3);
        t.pick(1);
        t.pick(3);
        t.pick(2);
    }
}
}

class TestDecade : public QObject {
    Q_OBJECT
private slots:
    void newShowsAnEmptyBoardAndDealBuildsTheRow();
    void picksComeFromTheEnds_data();
    void picksComeFromTheEnds();
    void thirdPickTestsTheTotal_data();
    void thirdPickTestsTheTotal();
    void undoTakesBackAnUnfinishedPick_data();
    void undoTakesBackAnUnfinishedPick();
    void shortRowClickOffersDealOnlyWithStockLeft_data();
    void shortRowClickOffersDealOnlyWithStockLeft();
    void wholeGameToAWin();
};

void TestDecade::newShowsAnEmptyBoardAndDealBuildsTheRow()
{
    DecadeTable t({});
    QCOMPARE(t.window->windowTitle(), QStringLiteral("Decade"));
    QCOMPARE(t.window->board().width(), 697);
    QCOMPARE(t.window->board().height(), 240);
    QCOMPARE(t.window->action("mnuHelpAbout")->text(), QStringLiteral("&About Decade..."));
    QVERIFY(t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.label().isEmpty());
    QCOMPARE(t.count(CardWhere::Stock), 52);
    QVERIFY(!t.shows(12, 30, t.deck[1]));
    QCOMPARE(t.game()->hotSpots().size(), size_t(0));

    t.deal(1);
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 51"));
    QVERIFY(t.rowShows({t.deck[1]}));
    QVERIFY(t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    t.deal(1);
    QVERIFY(t.rowShows({t.deck[1], t.deck[2]}));
    QCOMPARE(placesSummary(t.game()->describeTable()), QStringLiteral("Row: 2, Discard place: 0, Stock: 50"));
    QVERIFY(pickableCards(t.game()->describeTable()).isEmpty());  // too few cards to pick from
    t.deal(50);
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 0"));
    QVERIFY(!t.dealEnabled());
    QVERIFY(t.rowShows(std::vector<int>(t.deck.begin() + 1, t.deck.end())));
    QVERIFY(t.shows(624, 30, t.deck[52]));
    const TableDescription table = t.game()->describeTable();
    QCOMPARE(pickableCards(table), (QList<int>{t.deck[1], t.deck[52]}));
    QCOMPARE(table[0].cards[0].shown, QRect(12, 30, 12, 79));
    QCOMPARE(t.count(CardWhere::Table), 52);
    QVERIFY(t.conserved());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestDecade::picksComeFromTheEnds_data()
{
    // A row of five, Two to Six; no third pick happens here.
    QTest::addColumn<std::vector<int>>("clicks");
    QTest::addColumn<std::vector<int>>("picked");
    QTest::newRow("middle is never first") << std::vector<int>{3} << std::vector<int>{};
    QTest::newRow("second is not an end") << std::vector<int>{2} << std::vector<int>{};
    QTest::newRow("first") << std::vector<int>{1} << std::vector<int>{1};
    QTest::newRow("last") << std::vector<int>{5} << std::vector<int>{5};
    QTest::newRow("last, then the new last") << std::vector<int>{5, 4} << std::vector<int>{5, 4};
    QTest::newRow("last, then the first") << std::vector<int>{5, 1} << std::vector<int>{5, 1};
    QTest::newRow("first, then the new first") << std::vector<int>{1, 2} << std::vector<int>{1, 2};
    QTest::newRow("first, then a middle card") << std::vector<int>{1, 4} << std::vector<int>{1};
    QTest::newRow("a picked card again") << std::vector<int>{1, 1} << std::vector<int>{1};
}

void TestDecade::picksComeFromTheEnds()
{
    QFETCH(std::vector<int>, clicks);
    QFETCH(std::vector<int>, picked);
    DecadeTable t({2, 3, 4, 5, 6});
    t.deal(5);
    for (int slot : clicks)
        t.pick(slot);
    for (int slot = 1; slot <= 5; ++slot) {
        const bool wasPicked = std::find(picked.begin(), picked.end(), slot) != picked.end();
        QCOMPARE(t.whereIs(t.deck[slot]), wasPicked ? CardWhere::Discard : CardWhere::Table);
    }
    QCOMPARE(t.undoEnabled(), !picked.empty());
    QCOMPARE(t.dealEnabled(), picked.empty());
    if (!picked.empty())
        QVERIFY(t.shows(kDiscardPlace.x(), kDiscardPlace.y(), t.deck[picked.back()]));
    QVERIFY(t.conserved());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestDecade::thirdPickTestsTheTotal_data()
{
    QTest::addColumn<std::vector<int>>("ranks");  // the row, left to right
    QTest::addColumn<std::vector<int>>("picks");
    QTest::addColumn<bool>("accepted");
    using V = std::vector<int>;
    QTest::newRow("A 9 K makes 20") << V{1, 9, 13} << V{1, 2, 3} << true;
    QTest::newRow("10 J Q makes 30") << V{10, 11, 12} << V{3, 1, 2} << true;
    QTest::newRow("2 3 5 makes 10") << V{2, 3, 5} << V{1, 3, 2} << true;
    QTest::newRow("K K K makes 30") << V{13, 13, 13} << V{1, 2, 3} << true;
    QTest::newRow("2 3 4 makes 9") << V{2, 3, 4} << V{1, 2, 3} << false;
    QTest::newRow("A A A makes 3") << V{1, 1, 1} << V{3, 2, 1} << false;
    QTest::newRow("J J 9 makes 29") << V{11, 11, 9} << V{1, 2, 3} << false;
    QTest::newRow("from both ends, row closes up") << V{4, 2, 7, 10, 6} << V{1, 5, 4} << true;
    QTest::newRow("from the right, row stays") << V{4, 2, 7, 5, 8} << V{5, 4, 3} << true;
    QTest::newRow("from the left, row closes up") << V{3, 7, 10, 2, 6} << V{1, 2, 3} << true;
    QTest::newRow("from both ends, refused") << V{4, 2, 7, 5, 6} << V{5, 1, 2} << false;
}

void TestDecade::thirdPickTestsTheTotal()
{
    QFETCH(std::vector<int>, ranks);
    QFETCH(std::vector<int>, picks);
    QFETCH(bool, accepted);
    DecadeTable t(ranks);
    const int n = static_cast<int>(ranks.size());
    t.deal(n);
    const QImage before = t.shown().copy();
    for (int slot : picks)
        t.pick(slot);

    std::vector<int> row;
    for (int slot = 1; slot <= n; ++slot)
        if (!accepted || std::find(picks.begin(), picks.end(), slot) == picks.end())
            row.push_back(t.deck[slot]);
    QVERIFY(t.rowShows(row));
    for (int card : row)
        QCOMPARE(t.whereIs(card), CardWhere::Table);
    QCOMPARE(t.count(CardWhere::Discard), accepted ? 3 : 0);
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.dealEnabled());
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: %1").arg(52 - n));
    if (accepted) {
        QVERIFY(t.messages.calls.isEmpty());
        QVERIFY(t.shows(kDiscardPlace.x(), kDiscardPlace.y(), t.deck[picks.back()]));
        // The row's new ends are the ones that may be picked now.
        QCOMPARE(t.game()->hotSpots().size(), row.size() >= 2 ? size_t(2) : row.size());
    } else {
        QCOMPARE(t.messages.calls.size(), 1);
        QCOMPARE(t.messages.calls[0].text, kBadTotal);
        QCOMPARE(t.messages.calls[0].title, QStringLiteral("Decade"));
        QCOMPARE(t.messages.calls[0].icon, MsgIcon::Exclamation);
        QVERIFY(t.shown() == before);
    }
    QVERIFY(t.conserved());
}

void TestDecade::undoTakesBackAnUnfinishedPick_data()
{
    QTest::addColumn<int>("picks");
    QTest::addColumn<bool>("discardedBefore");
    QTest::newRow("one pick, nothing discarded yet") << 1 << false;
    QTest::newRow("two picks, nothing discarded yet") << 2 << false;
    QTest::newRow("one pick after a discard") << 1 << true;
    QTest::newRow("two picks after a discard") << 2 << true;
}

void TestDecade::undoTakesBackAnUnfinishedPick()
{
    QFETCH(int, picks);
    QFETCH(bool, discardedBefore);
    // 10 J Q go first when asked for; then A 2 3 4, which never make ten in two.
    DecadeTable t(discardedBefore ? std::vector<int>{10, 11, 12, 1, 2, 3, 4} : std::vector<int>{1, 2, 3, 4});
    const int offset = discardedBefore ? 3 : 0;
    if (discardedBefore)
        playThrees(t, 1);
    t.deal(4);
    const QImage before = t.shown().copy();
    t.pick(4);
    if (picks == 2)
        t.pick(1);
    QVERIFY(t.undoEnabled());
    QVERIFY(!t.dealEnabled());
    t.clickUndo();
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.dealEnabled());
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: %1").arg(48 - offset));
    QVERIFY(t.shown() == before);
    QVERIFY(t.rowShows({t.deck[offset + 1], t.deck[offset + 2], t.deck[offset + 3], t.deck[offset + 4]}));
    QCOMPARE(t.shows(kDiscardPlace.x(), kDiscardPlace.y(), t.deck[2]), discardedBefore);
    QCOMPARE(t.count(CardWhere::Discard), offset);
    // The same cards can be picked again, from either end.
    t.pick(1);
    QCOMPARE(t.whereIs(t.deck[offset + 1]), CardWhere::Discard);
    QVERIFY(t.conserved());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestDecade::shortRowClickOffersDealOnlyWithStockLeft_data()
{
    QTest::addColumn<bool>("stockLeft");
    QTest::newRow("two cards, stock left") << true;
    QTest::newRow("last card, stock empty") << false;
}

void TestDecade::shortRowClickOffersDealOnlyWithStockLeft()
{
    QFETCH(bool, stockLeft);
    DecadeTable t(kWinningRanks);
    if (stockLeft) {
        t.deal(2);
        t.pick(1);
        t.pick(2);
        QCOMPARE(t.count(CardWhere::Table), 2);
    } else {
        playThrees(t, 17);
        t.deal(1);
        QVERIFY(!t.dealEnabled());
    }
    // A click that picks nothing (as a stale slot would) with the Deal
    // button off: Deal comes on only when there is something to deal.
    bool deal = false, undo = false;
    int left = t.window->cardsLeft();
    t.game()->gsPlaceCard(0, 0, 0, 0, 2, 0, deal, undo, left);
    QCOMPARE(deal, stockLeft);
    QVERIFY(!undo);
    QCOMPARE(t.count(CardWhere::Discard), stockLeft ? 0 : 51);
    QVERIFY(t.conserved());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestDecade::wholeGameToAWin()
{
    DecadeTable t(kWinningRanks);
    for (int i = 0; i < 17; ++i) {
        playThrees(t, 1);
        QVERIFY2(t.messages.calls.isEmpty(), qPrintable(QStringLiteral("three %1").arg(i + 1)));
        QCOMPARE(t.count(CardWhere::Discard), 3 * (i + 1));
        QVERIFY(!t.game()->gblnfGameOver());
        QVERIFY(t.conserved());
    }
    t.deal(1);
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 0"));
    QVERIFY(!t.dealEnabled());
    QCOMPARE(t.count(CardWhere::Table), 1);
    t.pick(1);
    QVERIFY(t.game()->gblnfGameOver());
    QVERIFY(t.window->isFinished());
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, QStringLiteral("You Win!"));
    QCOMPARE(t.messages.calls[0].title, QStringLiteral("Decade"));
    QCOMPARE(t.messages.calls[0].icon, MsgIcon::None);
    QVERIFY(!t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    QCOMPARE(t.count(CardWhere::Discard), 52);
    QVERIFY(t.shows(kDiscardPlace.x(), kDiscardPlace.y(), t.deck[52]));
    QVERIFY(!t.shows(12, 30, t.deck[52]));
    if (qEnvironmentVariableIsSet("QUILLET_SHOTS"))
        t.shown().save(qEnvironmentVariable("QUILLET_SHOTS") + QStringLiteral("/decade-win.png"));
}

QTEST_MAIN(TestDecade)
#include "tst_decade.moc"
