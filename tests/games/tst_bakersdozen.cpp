// Baker's Dozen played through the real game window on fixed deals: the
// Kings brought to the back row, which cards may be picked up, drops on the
// columns and foundations, an emptied column, Undo, a press whose release
// never comes, and a whole game to the win.

#include "core/gamechoices.h"
#include "dragtable.h"
#include "games/clsBakersDozen.h"

#include <map>

using Deck = std::array<int, 53>;
using DealMoves = std::map<int, int>;  // deal place -> card found there after the deal
Q_DECLARE_METATYPE(Deck)
Q_DECLARE_METATYPE(DealMoves)
Q_DECLARE_METATYPE(std::vector<float>)

namespace {
constexpr int S = 0, H = 1, D = 2, C = 3;
constexpr int kFoundation = clsBakersDozen::kFirstFoundation;  // column of foundation 1
using Table = DragTable<clsBakersDozen>;

// The listed cards at their deal places; Kings not listed go to the first
// free back-row places, every other card to the free places in order.
Deck deckWith(std::map<int, int> fixed)
{
    std::set<int> used;
    for (const auto& entry : fixed)
        used.insert(entry.second);
    int back = 1;
    for (int suit = S; suit <= C; ++suit) {
        if (used.count(cardOf(13, suit)))
            continue;
        while (fixed.count(back))
            ++back;
        fixed[back] = cardOf(13, suit);
    }
    return deckWithCards(fixed);
}

QPoint corner(int column, int level = 4)
{
    if (column >= kFoundation)
        return {273 + (column - kFoundation) * 60, 5};
    return {3 + (column - 1) * 60, 90 + (level - 1) * 16};
}
int columnOf(int place) { return (place - 1) % 13 + 1; }
int levelOf(int place) { return (place - 1) / 13 + 1; }

// Front cards: column 1 Seven of Hearts, 2 Eight of Spades, 3 Nine of
// Diamonds, 4 Seven of Clubs, 6 Two of Diamonds, 7 Two of Spades; column 13
// holds the four Aces, Diamonds in front, then Spades, Hearts, Clubs.
Deck rulesDeck()
{
    return deckWith({{40, cardOf(7, H)}, {41, cardOf(8, S)}, {42, cardOf(9, D)}, {43, cardOf(7, C)},
                     {44, cardOf(9, C)}, {45, cardOf(2, D)}, {46, cardOf(2, S)}, {13, cardOf(1, C)},
                     {26, cardOf(1, H)}, {39, cardOf(1, S)}, {52, cardOf(1, D)}});
}
}

class TestBakersDozen : public QObject {
    Q_OBJECT
private slots:
    void kingsGoToTheBackRow_data();
    void kingsGoToTheBackRow();
    void kingsOnManyDeals();
    void drops_data();
    void drops();
    void pressesThatPickNothingUp_data();
    void pressesThatPickNothingUp();
    void emptiedColumnIsNeverRefilled();
    void undoRestoresCoveredFlagsAndCounts();
    void pressWithoutRelease();
    void wholeGameToWin();
};

void TestBakersDozen::kingsGoToTheBackRow_data()
{
    QTest::addColumn<Deck>("deck");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<DealMoves>("moved");

    const std::map<int, int> spread{{20, cardOf(13, S)}, {30, cardOf(13, H)}, {40, cardOf(13, D)},
                                    {52, cardOf(13, C)}};
    const Deck spreadDeck = deckWith(spread);
    QTest::newRow("Kings already at the back")
        << deckWith({{1, cardOf(13, C)}, {5, cardOf(13, H)}, {9, cardOf(13, S)}, {13, cardOf(13, D)}})
        << std::vector<float>{} << DealMoves{};
    // Each King takes the first back-row card that is no King.
    QTest::newRow("first free place drawn")
        << spreadDeck << std::vector<float>{0, 0, 0, 0}
        << DealMoves{{1, cardOf(13, S)}, {2, cardOf(13, H)}, {3, cardOf(13, D)}, {4, cardOf(13, C)},
                     {20, spreadDeck[1]}, {30, spreadDeck[2]}, {40, spreadDeck[3]}, {52, spreadDeck[4]}};
    const DealMoves lastFree{{13, cardOf(13, S)}, {12, cardOf(13, H)}, {11, cardOf(13, D)}, {10, cardOf(13, C)},
                             {20, spreadDeck[13]}, {30, spreadDeck[12]}, {40, spreadDeck[11]},
                             {52, spreadDeck[10]}};
    QTest::newRow("last free place drawn") << spreadDeck << std::vector<float>{0.9999f, 0.9999f, 0.9999f, 0.9999f}
                                           << lastFree;
    QTest::newRow("a source that answers 1") << spreadDeck << std::vector<float>{1, 1, 1, 1} << lastFree;
    const Deck oneBack = deckWith({{13, cardOf(13, S)}, {14, cardOf(13, H)}, {27, cardOf(13, D)}, {40, cardOf(13, C)}});
    QTest::newRow("one at the back, three below")
        << oneBack << std::vector<float>{0.5f, 0.5f, 0.5f}
        << DealMoves{{13, cardOf(13, S)}, {7, cardOf(13, H)}, {6, cardOf(13, D)}, {8, cardOf(13, C)},
                     {14, oneBack[7]}, {27, oneBack[6]}, {40, oneBack[8]}};
}

void TestBakersDozen::kingsGoToTheBackRow()
{
    QFETCH(Deck, deck);
    QFETCH(std::vector<float>, draws);
    QFETCH(DealMoves, moved);
    Table t(choice::BakersDozen, deck, draws);
    QVERIFY(t.game);
    for (int p = 1; p <= 52; ++p) {
        const int expected = moved.count(p) ? moved.at(p) : deck[p];
        QCOMPARE(t.game->gudtfCardPlace(columnOf(p), levelOf(p)).card, expected);
    }
    for (int column = 1; column <= 13; ++column) {
        QCOMPARE(t.game->gintfTopLevel(column), 4);
        for (int level = 1; level <= 4; ++level)
            QCOMPARE(t.game->gudtfCardPlace(column, level).covered, level < 4);
        QVERIFY(t.showsCard(t.game->gintfTopCard(column), corner(column)));
    }
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(t.game->gintfFoundationCount(k + 1), 0);
        QVERIFY(t.showsOutline(corner(kFoundation + k)));
    }
    verifyAllCards(*t.game);
    QVERIFY(!t.w->cmdDeal()->isEnabled());
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestBakersDozen::kingsOnManyDeals()
{
    // The real random source: every deal ends with each King at the back
    // of a column, none lost or doubled.
    MessageRecorder messages;
    QPointer<frmMain> w = new frmMain;
    w->msLoadFormVariables(choice::BakersDozen);
    w->show();
    auto* game = dynamic_cast<clsBakersDozen*>(w->game());
    QVERIFY(game);
    for (int deal = 0; deal < 300; ++deal) {
        w->mnuGameNew_Click();
        int kings = 0;
        for (int column = 1; column <= 13; ++column) {
            QCOMPARE(game->gintfTopLevel(column), 4);
            for (int level = 1; level <= 4; ++level)
                if (gintfCardRank(game->gudtfCardPlace(column, level).card, false) == 13) {
                    QCOMPARE(level, 1);
                    ++kings;
                }
        }
        QCOMPARE(kings, 4);
        verifyAllCards(*game);
    }
    QVERIFY(messages.calls.isEmpty());
    delete w.data();
}

void TestBakersDozen::drops_data()
{
    QTest::addColumn<int>("prepFrom");  // a move made first, 0 for none
    QTest::addColumn<int>("prepTo");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");  // column; 14..17 the foundations
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("accepted");

    const QPoint on(0, 0);
    QTest::newRow("Seven on an Eight of another suit") << 0 << 0 << 1 << 2 << on << true;
    QTest::newRow("Seven on a Nine") << 0 << 0 << 1 << 3 << on << false;
    QTest::newRow("Seven on a Seven") << 0 << 0 << 1 << 4 << on << false;
    QTest::newRow("Two on an Ace") << 0 << 0 << 6 << 13 << on << false;
    QTest::newRow("Ace on the first empty foundation") << 0 << 0 << 13 << 14 << on << true;
    QTest::newRow("Ace on the last empty foundation") << 0 << 0 << 13 << 17 << on << true;
    QTest::newRow("Two on an empty foundation") << 0 << 0 << 6 << 14 << on << false;
    QTest::newRow("Two on its Ace") << 13 << 14 << 6 << 14 << on << true;
    QTest::newRow("Two on another suit's Ace") << 13 << 14 << 7 << 14 << on << false;
    QTest::newRow("20 pixels off") << 0 << 0 << 1 << 2 << QPoint(-20, 20) << true;
    QTest::newRow("21 pixels right") << 0 << 0 << 1 << 2 << QPoint(21, 0) << false;
    QTest::newRow("21 pixels below a foundation") << 0 << 0 << 13 << 15 << QPoint(0, 21) << false;
    QTest::newRow("back on its own column") << 0 << 0 << 1 << 1 << QPoint(4, 4) << false;
}

void TestBakersDozen::drops()
{
    QFETCH(int, prepFrom);
    QFETCH(int, prepTo);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QPoint, offset);
    QFETCH(bool, accepted);
    Table t(choice::BakersDozen, rulesDeck());
    if (prepFrom) {
        t.drag(corner(prepFrom, t.game->gintfTopLevel(prepFrom)), corner(prepTo, t.game->gintfTopLevel(prepTo)));
        QVERIFY(t.undoEnabled());
    }
    const int fromLevel = t.game->gintfTopLevel(from);
    const int toLevel = t.game->gintfTopLevel(to);
    const int card = t.game->gintfTopCard(from);

    t.drag(corner(from, fromLevel), corner(to, toLevel) + offset);

    if (accepted) {
        QCOMPARE(t.game->gintfTopCard(to), card);
        QCOMPARE(t.game->gintfTopLevel(to), toLevel + 1);
        QCOMPARE(t.game->gintfTopLevel(from), fromLevel - 1);
        QVERIFY(t.showsCard(card, corner(to, toLevel + 1)));
        QVERIFY(t.undoEnabled());
    } else {
        QCOMPARE(t.game->gintfTopCard(from), card);
        QCOMPARE(t.game->gintfTopLevel(to), toLevel);
        QVERIFY(!t.game->gudtfCardPlace(from, fromLevel).lifted);
        QVERIFY(t.showsCard(card, corner(from, fromLevel)));
        QVERIFY(!t.undoEnabled());
    }
    for (int k = 0; k < 4; ++k)
        QVERIFY(t.showsOutline(corner(kFoundation + k)));
    verifyAllCards(*t.game);
    QVERIFY(t.messages.calls.isEmpty());
}

void TestBakersDozen::pressesThatPickNothingUp_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("covered card's strip") << corner(1, 1) + QPoint(10, 5);
    QTest::newRow("foundation holding an Ace") << corner(kFoundation) + QPoint(10, 10);
    QTest::newRow("empty foundation") << corner(kFoundation + 1) + QPoint(10, 10);
    QTest::newRow("bare table") << QPoint(300, 400);
}

void TestBakersDozen::pressesThatPickNothingUp()
{
    QFETCH(QPoint, at);
    Table t(choice::BakersDozen, rulesDeck());
    t.drag(corner(13), corner(kFoundation));
    QCOMPARE(t.game->gintfFoundationCount(1), 1);
    QVERIFY(t.undoEnabled());
    const int shown = gintfCursorDisplayCount();

    t.press(at);
    QCOMPARE(gintfCursorDisplayCount(), shown);
    t.move(at + QPoint(30, 30));
    QVERIFY(!t.w->isDragging());
    t.release(at + QPoint(30, 30));
    QVERIFY(t.undoEnabled());
    t.w->cmdUndo_Click();
    QCOMPARE(t.game->gintfFoundationCount(1), 0);
    QCOMPARE(t.game->gintfTopCard(13), cardOf(1, D));
    verifyAllCards(*t.game);
}

void TestBakersDozen::emptiedColumnIsNeverRefilled()
{
    Table t(choice::BakersDozen, rulesDeck());
    for (int k = 0; k < 4; ++k)
        t.drag(corner(13, 4 - k), corner(kFoundation + k));
    QCOMPARE(t.game->gintfTopLevel(13), 0);
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(t.game->gintfFoundationCount(k), 1);
    // Columns, then foundations: the emptied column offers no drop, a back card shows its 16-pixel strip.
    const TableDescription table = t.game->describeTable();
    QCOMPARE(table[12].name + table[16].name, QStringLiteral("Column 13Foundation 4"));
    QVERIFY(table[12].cards.empty() && table[12].empty.isEmpty());
    QVERIFY(table[16].cards[0].canDrop && !table[16].cards[0].canPick);
    QVERIFY(!table[0].cards[2].canPick && table[0].cards[3].canPick && table[0].cards[3].canDrop);
    QCOMPARE(table[0].cards[0].shown, QRect(corner(1, 1), QSize(kCardWidth, 16)));
    // Neither where its back card lay nor where its front card lay.
    for (const QPoint spot : {corner(13, 1), corner(13, 4)}) {
        t.drag(corner(1), spot);
        QCOMPARE(t.game->gintfTopCard(1), cardOf(7, H));
        QCOMPARE(t.game->gintfTopLevel(13), 0);
        QVERIFY(!t.undoEnabled());
    }
    const int shown = gintfCursorDisplayCount();
    t.press(corner(13) + QPoint(10, 10));
    QCOMPARE(gintfCursorDisplayCount(), shown);
    t.release(corner(13) + QPoint(10, 10));
    verifyAllCards(*t.game);
}

void TestBakersDozen::undoRestoresCoveredFlagsAndCounts()
{
    Table t(choice::BakersDozen, rulesDeck());
    t.drag(corner(1), corner(2));
    QVERIFY(t.game->gudtfCardPlace(2, 4).covered);
    QVERIFY(!t.game->gudtfCardPlace(1, 3).covered);
    QVERIFY(t.showsCard(cardOf(7, H), corner(2, 5)));

    t.w->cmdUndo_Click();
    QVERIFY(!t.undoEnabled());
    QCOMPARE(t.game->gintfTopCard(1), cardOf(7, H));
    QCOMPARE(t.game->gintfTopLevel(1), 4);
    QVERIFY(t.game->gudtfCardPlace(1, 3).covered);
    QCOMPARE(t.game->gintfTopLevel(2), 4);
    QVERIFY(!t.game->gudtfCardPlace(2, 4).covered);
    QCOMPARE(t.game->gudtfCardPlace(2, 5).card, 0);
    QVERIFY(t.showsCard(cardOf(7, H), corner(1)));
    QVERIFY(t.showsCard(cardOf(8, S), corner(2)));

    t.drag(corner(13), corner(kFoundation + 2));
    QCOMPARE(t.game->gintfFoundationCount(3), 1);
    QVERIFY(!t.game->gudtfCardPlace(13, 3).covered);
    t.w->cmdUndo_Click();
    QCOMPARE(t.game->gintfFoundationCount(3), 0);
    QCOMPARE(t.game->gintfTopCard(13), cardOf(1, D));
    QVERIFY(t.game->gudtfCardPlace(13, 3).covered);
    QVERIFY(t.showsCard(cardOf(1, D), corner(13)));
    QVERIFY(t.showsOutline(corner(kFoundation + 2)));
    // Nothing more to take back.
    t.w->cmdUndo_Click();
    QCOMPARE(t.game->gintfTopCard(13), cardOf(1, D));
    verifyAllCards(*t.game);
    QVERIFY(t.messages.calls.isEmpty());
}

void TestBakersDozen::pressWithoutRelease()
{
    Table t(choice::BakersDozen, rulesDeck());
    const int shown = gintfCursorDisplayCount();
    // The release never reaches the board; a later press reaches the game.
    t.press(corner(1) + QPoint(10, 10));
    QVERIFY(gintfCursorDisplayCount() < shown);
    int n = 0;
    QVERIFY(t.game->gintfGetSelectedCard(corner(2).x() + 10, corner(2).y() + 10, true, n) != 0);
    QVERIFY(!t.game->gudtfCardPlace(1, 4).lifted);
    t.release(corner(1) + QPoint(10, 10));
    QCOMPARE(gintfCursorDisplayCount(), shown);
    for (int column = 1; column <= 13; ++column)
        QVERIFY(t.showsCard(t.game->gintfTopCard(column), corner(column)));
    t.press(corner(1) + QPoint(10, 10));
    t.w->mnuGameNew_Click();
    QCOMPARE(gintfCursorDisplayCount(), shown);
    QVERIFY(!t.game->gudtfCardPlace(1, 4).lifted);
    verifyAllCards(*t.game);
    QVERIFY(t.messages.errors().isEmpty());
}

void TestBakersDozen::wholeGameToWin()
{
    // All 52 by rank, then suit, from the front row back: each card is on
    // top of its column when its turn comes, and the Kings are at the back.
    std::vector<int> order;
    for (int rank = 1; rank <= 13; ++rank)
        for (int suit = S; suit <= C; ++suit)
            order.push_back(cardOf(rank, suit));
    std::map<int, int> fixed;
    std::vector<int> places;
    for (int level = 4; level >= 1; --level)
        for (int column = 1; column <= 13; ++column)
            places.push_back((level - 1) * 13 + column);
    for (size_t i = 0; i < order.size(); ++i)
        fixed[places[i]] = order[i];
    Table t(choice::BakersDozen, deckWith(fixed));

    for (size_t i = 0; i < order.size(); ++i) {
        QVERIFY(!t.w->isFinished());
        const int suit = gintfCardSuit(order[i]);
        t.drag(corner(columnOf(places[i]), levelOf(places[i])), corner(kFoundation + suit));
        QCOMPARE(t.game->gintfTopCard(kFoundation + suit), order[i]);
        verifyAllCards(*t.game);
    }
    QVERIFY(t.game->gblnfGameOver());
    QVERIFY(t.w->isFinished());
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, QStringLiteral("You Win!"));
    QCOMPARE(t.messages.calls[0].title, QStringLiteral("Baker's Dozen"));
    QVERIFY(!t.undoEnabled());
    for (int k = 0; k < 4; ++k)
        QVERIFY(t.showsCard(cardOf(13, k), corner(kFoundation + k)));
    if (qEnvironmentVariableIsSet("QUILLET_SHOTS"))
        t.screen().save(qEnvironmentVariable("QUILLET_SHOTS") + QStringLiteral("/bdozen-win.png"));
}

QTEST_MAIN(TestBakersDozen)
#include "tst_bakersdozen.moc"
