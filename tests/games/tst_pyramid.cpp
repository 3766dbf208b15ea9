// Pyramid through the real window on fixed deals: layout, what can be
// selected, freeing the row above, run Undo, Deal and a win.

#include "core/gamechoices.h"
#include "games/clsPyramid.h"
#include "gametable.h"
#include "tablesummary.h"

namespace {
constexpr int kFirstStock = 29;
int rowOf(int slot) { return clsPyramid::gintfRowOf(slot); }
// Positions as drawn: the apex column at 252 for a 560-pixel board.
int slotX(int slot)
{
    const int r = rowOf(slot);
    return 252 - 32 * (r - 1) + 64 * (slot - clsPyramid::gintfFirstSlotOf(r));
}
int slotY(int slot) { return 16 + 30 * (rowOf(slot) - 1); }
QPoint facePoint(int slot) { return {slotX(slot) + 27, slotY(slot) + 60}; }
QPoint stripPoint(int slot) { return {slotX(slot) + 27, slotY(slot) + 10}; }
QPoint gapPoint(int slot) { return {slotX(slot) + 27, slotY(slot) + 70}; }
}

class TestPyramid : public QObject {
    Q_OBJECT
private slots:
    void layoutAndFirstDeal();
    void selection_data();
    void selection();
    void freeingTheRowAbove_data();
    void freeingTheRowAbove();
    void undoCoversAgainAndDealForgets();
    void wholeGameToAWin();
};

void TestPyramid::layoutAndFirstDeal()
{
    GameTable t(choice::Pyramid, dealWith({}));
    auto* game = static_cast<clsPyramid*>(t.game());
    QCOMPARE(t.window->board().width(), 560);
    QCOMPARE(game->gsngfPsnX(1), 252.5f);
    QCOMPARE(game->gsngfPsnX(22), 60.5f);
    QCOMPARE(game->gsngfPsnX(clsPyramid::kWasteSlot), 252.0f);
    QCOMPARE(game->gsngfPsnY(clsPyramid::kWasteSlot), 305.0f);
    QVERIFY(t.shows(slotX(22), slotY(22), t.deck[22]));
    QVERIFY(t.shows(slotX(28), slotY(28), t.deck[28]));
    QVERIFY(t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.label().isEmpty());
    // Nothing is selectable before the first deal.
    QCOMPARE(t.selects(facePoint(22)), 0);
    t.clickDeal();
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 23"));
    QVERIFY(t.shows(252, 305, t.deck[kFirstStock]));
    QCOMPARE(t.game()->hotSpots().size(), size_t(7));
    QVERIFY(t.conserved());
    const TableDescription table = t.game()->describeTable();
    QCOMPARE(placesSummary(table).section(QStringLiteral(", "), 5),
             QStringLiteral("Pyramid row 6: 6, Pyramid row 7: 7, Waste pile: 1, Stock: 23"));
    QCOMPARE(pickableCards(table), QList<int>(t.deck.begin() + 22, t.deck.begin() + 29));
    QCOMPARE(table[0].cards[0].shown, QRect(252, 16, 55, 30));  // the apex's top strip
    QCOMPARE(table[0].cards[0].coveredBy, (std::vector<int>{t.deck[2], t.deck[3], t.deck[5]}));
}

void TestPyramid::selection_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("slot");
    QTest::newRow("bottom card") << facePoint(25) << 25;
    QTest::newRow("covered strip") << stripPoint(16) << 0;
    QTest::newRow("gap between supports") << gapPoint(16) << 0;
    QTest::newRow("apex strip") << stripPoint(1) << 0;
    QTest::newRow("lower card over upper") << QPoint(slotX(22) + 50, slotY(22) + 2) << 22;
    QTest::newRow("right edge inclusive") << QPoint(slotX(28) + 55, slotY(28) + 79) << 28;
    QTest::newRow("felt") << QPoint(5, 5) << 0;
}

void TestPyramid::selection()
{
    QFETCH(QPoint, point);
    QFETCH(int, slot);
    GameTable t(choice::Pyramid, dealWith({}));
    t.clickDeal();
    QCOMPARE(t.selects(point), slot);
}

void TestPyramid::freeingTheRowAbove_data()
{
    QTest::addColumn<QList<int>>("played");
    QTest::addColumn<QList<int>>("freed");
    QTest::newRow("22 alone") << QList<int>{22} << QList<int>{};
    QTest::newRow("22 23") << QList<int>{22, 23} << QList<int>{16};
    QTest::newRow("23 22") << QList<int>{23, 22} << QList<int>{16};
    QTest::newRow("27 28") << QList<int>{28, 27} << QList<int>{21};
    QTest::newRow("22 23 24") << QList<int>{22, 23, 24} << QList<int>{16, 17};
}

void TestPyramid::freeingTheRowAbove()
{
    QFETCH(QList<int>, played);
    QFETCH(QList<int>, freed);
    // A King on the waste, then Ace, King, Ace ...: each fits the last.
    std::map<int, int> placed = {{kFirstStock, cardOf(13, 0)}};
    for (int i = 0; i < played.size(); ++i)
        placed[played[i]] = i % 2 == 0 ? cardOf(1, i / 2) : cardOf(13, 1 + i / 2);
    GameTable t(choice::Pyramid, dealWith(placed));
    t.clickDeal();
    for (int s : played) {
        t.click(facePoint(s));
        QCOMPARE(t.whereIs(placed[s]), CardWhere::Waste);
    }
    for (int s = 1; s <= 21; ++s)
        QCOMPARE(t.selects(facePoint(s)) == s, freed.contains(s));
    QVERIFY(t.undoEnabled());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestPyramid::undoCoversAgainAndDealForgets()
{
    const int two = cardOf(2, 0), three = cardOf(3, 1), four = cardOf(4, 2);
    GameTable t(choice::Pyramid, dealWith({{kFirstStock, cardOf(1, 0)}, {22, two}, {23, three}, {16, four},
                                           {24, cardOf(9, 0)}, {kFirstStock + 1, cardOf(8, 0)}}));
    t.clickDeal();
    const QImage afterDeal = t.shown().copy();
    t.click(facePoint(24));  // a 9 on an Ace: refused
    QCOMPARE(t.whereIs(cardOf(9, 0)), CardWhere::Table);
    QVERIFY(!t.undoEnabled());
    t.click(facePoint(22));
    t.click(facePoint(23));
    t.click(facePoint(16));
    QCOMPARE(t.whereIs(four), CardWhere::Waste);
    t.clickUndo();
    QCOMPARE(t.count(CardWhere::Waste), 1);
    QVERIFY(t.shown() == afterDeal);
    QCOMPARE(t.selects(stripPoint(16)), 0);
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.dealEnabled());
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 23"));
    t.click(facePoint(22));
    t.clickDeal();
    QVERIFY(!t.undoEnabled());
    t.window->cmdUndo_Click();
    QCOMPARE(t.whereIs(two), CardWhere::Waste);
    QVERIFY(t.conserved());
}

void TestPyramid::wholeGameToAWin()
{
    // A King dealt, then the pyramid from the bottom row up, each card one
    // rank above the last, round from King to Ace.
    std::vector<int> order;
    for (int r = 7; r >= 1; --r)
        for (int s = clsPyramid::gintfFirstSlotOf(r); s < clsPyramid::gintfFirstSlotOf(r) + r; ++s)
            order.push_back(s);
    std::map<int, int> placed = {{kFirstStock, cardOf(13, 3)}};
    std::array<int, 14> suits{};
    for (size_t i = 0; i < order.size(); ++i) {
        const int rank = static_cast<int>(i % 13) + 1;
        placed[order[i]] = cardOf(rank, suits[rank]++);
    }
    GameTable t(choice::Pyramid, dealWith(placed));
    t.clickDeal();
    for (size_t i = 0; i < order.size(); ++i) {
        QVERIFY(!t.window->isFinished());
        t.click(facePoint(order[i]));
        QVERIFY2(t.whereIs(placed[order[i]]) == CardWhere::Waste, qPrintable(QString::number(order[i])));
        QVERIFY(t.conserved());
    }
    QVERIFY(t.window->isFinished());
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, QStringLiteral("You Win!"));
    QCOMPARE(t.messages.calls[0].title, QStringLiteral("Pyramid"));
    QVERIFY(!t.dealEnabled());
    QVERIFY(!t.undoEnabled());
}

QTEST_MAIN(TestPyramid)
#include "tst_pyramid.moc"
