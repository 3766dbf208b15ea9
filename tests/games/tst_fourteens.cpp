// Fourteens played through the real game window on fixed deals: the layout,
// which cards are free, the pair test, the card freed above a picked one,
// Undo of the first card of a pair and the win.

#include "core/gamechoices.h"
#include "gametable.h"
#include "tablesummary.h"

#include <QtTest>
#include <map>

namespace {
const QString kBadPair = QStringLiteral("Total face value of the selected cards has to be 14");
const QPoint kDiscardPile(206, 360);

int slotX(int slot) { return 8 + 57 * ((slot - 1) % 8); }
int slotY(int slot) { return 8 + 39 * ((slot - 1) / 8); }
// Low on the card: only it covers that part once the slot below is empty.
QPoint facePoint(int slot) { return {slotX(slot) + 27, slotY(slot) + 60}; }
// On the strip that shows while the slot below still holds a card.
QPoint stripPoint(int slot) { return {slotX(slot) + 27, slotY(slot) + 20}; }

// A deal with the given cards in the given slots; the rest in card order.
std::array<int, 53> dealWith(const std::map<int, int>& placed)
{
    std::array<int, 53> deck{};
    std::array<bool, 53> used{};
    for (const auto& [slot, card] : placed) {
        deck[slot] = card;
        used[card] = true;
    }
    int next = 1;
    for (int s = 1; s <= 52; ++s) {
        if (deck[s] != 0)
            continue;
        while (used[next])
            ++next;
        deck[s] = next++;
    }
    return deck;
}

class FourteensTable : public GameTable {
public:
    explicit FourteensTable(const std::map<int, int>& placed) : GameTable(choice::Fourteens, dealWith(placed)) {}
    void pick(int slot) { click(facePoint(slot)); }
    int selects(QPoint p)
    {
        int count = 0;
        return game()->gintfGetSelectedCard(static_cast<float>(p.x()), static_cast<float>(p.y()), true, count);
    }
};
}

class TestFourteens : public QObject {
    Q_OBJECT
private slots:
    void newDealsEightColumnsAndFreesOnlyTheBottoms();
    void pairsMakeFourteen_data();
    void pairsMakeFourteen();
    void pickedCardFreesTheOneAbove_data();
    void pickedCardFreesTheOneAbove();
    void undoPutsBackTheFirstCardOnly_data();
    void undoPutsBackTheFirstCardOnly();
    void wholeGameToAWin();
};

void TestFourteens::newDealsEightColumnsAndFreesOnlyTheBottoms()
{
    FourteensTable t({});
    QCOMPARE(t.window->windowTitle(), QStringLiteral("Fourteens"));
    QCOMPARE(t.window->board().width(), 471);
    QCOMPARE(t.window->board().height(), 450);
    QCOMPARE(t.window->action("mnuHelpAbout")->text(), QStringLiteral("&About Fourteens..."));
    QVERIFY(!t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.label().isEmpty());
    QCOMPARE(t.count(CardWhere::Table), 52);
    QVERIFY(t.conserved());

    // Seven cards in columns 1 to 4, six in 5 to 8, each showing its top
    // 39 pixels; the bottom cards in full.
    for (int s = 1; s <= 52; ++s) {
        const bool bottom = s >= 45;
        QVERIFY2(t.shows(slotX(s), slotY(s), t.deck[s], kCardWidth, bottom ? kCardHeight : 39),
                 qPrintable(QString::number(s)));
    }
    QCOMPARE(slotX(48), 407);
    QCOMPARE(slotY(52), 242);
    QVERIFY(!t.shows(kDiscardPile.x(), kDiscardPile.y(), t.deck[52]));

    // Exactly the eight bottom cards answer a press, wherever on them.
    for (int s = 1; s <= 52; ++s) {
        const int expected = s >= 45 ? s : 0;
        QCOMPARE(t.selects(stripPoint(s)), expected);
    }
    QCOMPARE(t.game()->hotSpots().size(), size_t(8));
    QVERIFY(t.messages.calls.isEmpty());
    const TableDescription table = t.game()->describeTable();
    QCOMPARE(placesSummary(table).section(QStringLiteral(", "), 3),
             QStringLiteral("Column 4: 7, Column 5: 6, Column 6: 6, Column 7: 6, Column 8: 6, Discard pile: 0"));
    QCOMPARE(pickableCards(table), (QList<int>{t.deck[49], t.deck[50], t.deck[51], t.deck[52], t.deck[45],
                                               t.deck[46], t.deck[47], t.deck[48]}));
    QCOMPARE(table[0].cards[0].shown, QRect(8, 8, 55, 39));
}

void TestFourteens::pairsMakeFourteen_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<bool>("pair");
    QTest::newRow("A K") << 1 << 13 << true;
    QTest::newRow("K A") << 13 << 1 << true;
    QTest::newRow("2 Q") << 2 << 12 << true;
    QTest::newRow("3 J") << 3 << 11 << true;
    QTest::newRow("4 10") << 4 << 10 << true;
    QTest::newRow("5 9") << 5 << 9 << true;
    QTest::newRow("6 8") << 6 << 8 << true;
    QTest::newRow("7 7") << 7 << 7 << true;
    QTest::newRow("9 4") << 9 << 4 << false;
    QTest::newRow("Q Q") << 12 << 12 << false;
    QTest::newRow("K K") << 13 << 13 << false;
    QTest::newRow("A A") << 1 << 1 << false;
    QTest::newRow("J 4") << 11 << 4 << false;
}

void TestFourteens::pairsMakeFourteen()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(bool, pair);
    // A good pair from columns 7 and 8 goes first, so the pile has a top.
    const int a = cardOf(first, 0), b = cardOf(second, 1);
    FourteensTable t({{47, cardOf(6, 2)}, {48, cardOf(8, 3)}, {45, a}, {46, b}});
    t.pick(47);
    t.pick(48);
    QCOMPARE(t.count(CardWhere::Discard), 2);
    const QImage before = t.shown().copy();

    t.pick(45);
    QCOMPARE(t.whereIs(a), CardWhere::Discard);
    QVERIFY(t.shows(kDiscardPile.x(), kDiscardPile.y(), a));
    QVERIFY(t.undoEnabled());
    t.pick(46);
    QCOMPARE(t.whereIs(a), pair ? CardWhere::Discard : CardWhere::Table);
    QCOMPARE(t.whereIs(b), pair ? CardWhere::Discard : CardWhere::Table);
    QVERIFY(!t.undoEnabled());
    QVERIFY(!t.dealEnabled());
    if (pair) {
        QVERIFY(t.messages.calls.isEmpty());
        QVERIFY(t.shows(kDiscardPile.x(), kDiscardPile.y(), b));
    } else {
        QCOMPARE(t.messages.calls.size(), 1);
        QCOMPARE(t.messages.calls[0].text, kBadPair);
        QCOMPARE(t.messages.calls[0].title, QStringLiteral("Fourteens"));
        QCOMPARE(t.messages.calls[0].icon, MsgIcon::Exclamation);
        QVERIFY(t.shown() == before);
        QCOMPARE(t.selects(stripPoint(37)), 0);  // covered again
    }
    QVERIFY(t.conserved());
}

void TestFourteens::pickedCardFreesTheOneAbove_data()
{
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<bool>("pair");
    QTest::newRow("7 on 7") << 7 << 7 << true;
    QTest::newRow("A under K") << 1 << 13 << true;
    QTest::newRow("9 under 4") << 9 << 4 << false;
}

void TestFourteens::pickedCardFreesTheOneAbove()
{
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(bool, pair);
    // Column 1: slot 49 at the bottom, slot 41 above it, then 33.
    const int low = cardOf(lower, 0), up = cardOf(upper, 2);
    FourteensTable t({{49, low}, {41, up}});
    QCOMPARE(t.selects(stripPoint(41)), 0);
    t.click(stripPoint(41));
    QCOMPARE(t.whereIs(up), CardWhere::Table);

    t.pick(49);
    QCOMPARE(t.whereIs(low), CardWhere::Discard);
    QCOMPARE(t.selects(facePoint(41)), 41);
    QCOMPARE(t.selects(stripPoint(33)), 0);
    QVERIFY(!t.shows(slotX(49), slotY(49), low));
    t.pick(41);
    QCOMPARE(t.whereIs(up), pair ? CardWhere::Discard : CardWhere::Table);
    QCOMPARE(t.whereIs(low), pair ? CardWhere::Discard : CardWhere::Table);
    QCOMPARE(t.selects(stripPoint(33)), pair ? 33 : 0);
    QCOMPARE(t.selects(facePoint(49)), pair ? 0 : 49);
    QCOMPARE(t.messages.calls.size(), pair ? 0 : 1);
    QVERIFY(t.conserved());
}

void TestFourteens::undoPutsBackTheFirstCardOnly_data()
{
    QTest::addColumn<bool>("afterAPair");
    QTest::newRow("first card of the game") << false;
    QTest::newRow("after a good pair") << true;
}

void TestFourteens::undoPutsBackTheFirstCardOnly()
{
    QFETCH(bool, afterAPair);
    const int five = cardOf(5, 0), nine = cardOf(9, 1), queen = cardOf(12, 2);
    FourteensTable t({{50, five}, {51, nine}, {52, queen}});
    if (afterAPair) {
        t.pick(50);
        t.pick(51);
        QVERIFY(!t.undoEnabled());
        t.window->cmdUndo_Click();  // even forced, a finished pair stays
        QCOMPARE(t.whereIs(five), CardWhere::Discard);
        QCOMPARE(t.whereIs(nine), CardWhere::Discard);
    }
    const QImage before = t.shown().copy();
    t.pick(52);
    QVERIFY(t.undoEnabled());
    QCOMPARE(t.selects(facePoint(44)), 44);
    t.clickUndo();
    QVERIFY(!t.undoEnabled());
    QVERIFY(!t.dealEnabled());
    QCOMPARE(t.whereIs(queen), CardWhere::Table);
    QCOMPARE(t.selects(stripPoint(44)), 0);
    QVERIFY(t.shown() == before);
    QCOMPARE(t.shows(kDiscardPile.x(), kDiscardPile.y(), nine), afterAPair);
    QCOMPARE(t.count(CardWhere::Discard), afterAPair ? 2 : 0);
    QVERIFY(t.messages.calls.isEmpty());
    QVERIFY(t.conserved());
}

void TestFourteens::wholeGameToAWin()
{
    // Cleared column by column, each bottom to top; consecutive cards of
    // that order make the pairs.
    std::vector<int> order;
    for (int c = 1; c <= 8; ++c)
        for (int s = (c <= 4 ? 48 + c : 40 + c); s >= 1; s -= 8)
            order.push_back(s);
    QCOMPARE(order.size(), size_t(52));
    std::map<int, int> placed;
    std::array<int, 14> used{};
    const std::vector<std::pair<int, int>> pairs = {{1, 13}, {2, 12}, {3, 11}, {4, 10}, {5, 9}, {6, 8}, {7, 7}};
    size_t next = 0;
    for (const auto& [r1, r2] : pairs) {
        const int times = r1 == r2 ? 2 : 4;
        for (int i = 0; i < times; ++i) {
            placed[order[next++]] = cardOf(r1, used[r1]++);
            placed[order[next++]] = cardOf(r2, used[r2]++);
        }
    }
    FourteensTable t(placed);
    for (size_t i = 0; i < order.size(); ++i) {
        QVERIFY(!t.window->isFinished());
        t.pick(order[i]);
        QVERIFY2(t.whereIs(t.deck[order[i]]) == CardWhere::Discard, qPrintable(QStringLiteral("pick %1").arg(i)));
        // Once, midway: the first card of a pair back, and again.
        if (i == 20) {
            t.clickUndo();
            QCOMPARE(t.whereIs(t.deck[order[i]]), CardWhere::Table);
            t.pick(order[i]);
        }
        QCOMPARE(t.undoEnabled(), i % 2 == 0 && !t.window->isFinished());
        QVERIFY(t.conserved());
    }
    QVERIFY(t.game()->gblnfGameOver());
    QVERIFY(t.window->isFinished());
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, QStringLiteral("You Win!"));
    QCOMPARE(t.messages.calls[0].title, QStringLiteral("Fourteens"));
    QCOMPARE(t.messages.calls[0].icon, MsgIcon::None);
    QVERIFY(!t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    QCOMPARE(t.count(CardWhere::Discard), 52);
    QVERIFY(t.shows(kDiscardPile.x(), kDiscardPile.y(), t.deck[order.back()]));
}

QTEST_MAIN(TestFourteens)
#include "tst_fourteens.moc"
