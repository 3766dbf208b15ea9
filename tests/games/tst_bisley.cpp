// Bisley played through the real game window on fixed deals: the deal and
// its Aces, which cards may be picked up, the three kinds of drop, Undo, a
// press whose release never comes, and a whole game to the win.

#include "core/gamechoices.h"
#include "dragtable.h"
#include "games/clsBisley.h"

#include <map>

using Deck = std::array<int, 53>;
Q_DECLARE_METATYPE(Deck)

namespace {
constexpr int S = 0, H = 1, D = 2, C = 3;
using Table = DragTable<clsBisley>;

Deck deckWith(const std::map<int, int>& fixed) { return deckWithCards(fixed); }

QPoint corner(int pile)
{
    if (pile >= clsBisley::kFirstKingPile)
        return {2 + (pile - clsBisley::kFirstKingPile) * 57, 4};
    return {2 + (pile - 1) % 13 * 57, 87 + (pile - 1) / 13 * 83};
}

// Aces in place; row 4 (piles 40..52) holds the cards the drop rules need.
Deck rulesDeck()
{
    return deckWith({{1, cardOf(1, S)}, {2, cardOf(1, H)}, {3, cardOf(1, D)}, {4, cardOf(1, C)},
                     {40, cardOf(2, S)}, {41, cardOf(3, S)}, {42, cardOf(13, H)}, {43, cardOf(2, H)},
                     {44, cardOf(12, H)}, {45, cardOf(7, D)}, {46, cardOf(8, D)}, {47, cardOf(6, D)},
                     {48, cardOf(9, C)}, {49, cardOf(7, C)}, {35, cardOf(8, C)}});
}
}

class TestBisley : public QObject {
    Q_OBJECT
private slots:
    void dealForcesAces_data();
    void dealForcesAces();
    void drops_data();
    void drops();
    void pressesThatPickNothingUp_data();
    void pressesThatPickNothingUp();
    void columnPlaysFromTheBottom();
    void undoTakesBackTheLastMoveOnce();
    void pressWithoutRelease();
    void wholeGameToWin();
};

void TestBisley::dealForcesAces_data()
{
    QTest::addColumn<Deck>("deck");
    QTest::newRow("aces in places 1 to 4, reversed")
        << deckWith({{1, cardOf(1, C)}, {2, cardOf(1, D)}, {3, cardOf(1, H)}, {4, cardOf(1, S)}});
    QTest::newRow("aces in suit order already")
        << deckWith({{1, cardOf(1, S)}, {2, cardOf(1, H)}, {3, cardOf(1, D)}, {4, cardOf(1, C)}});
    QTest::newRow("aces spread") << deckWith({{9, cardOf(1, H)}, {20, cardOf(1, C)}, {40, cardOf(1, S)},
                                              {52, cardOf(1, D)}});
    QTest::newRow("two in place, two spread")
        << deckWith({{2, cardOf(1, D)}, {3, cardOf(1, S)}, {27, cardOf(1, C)}, {51, cardOf(1, H)}});
}

void TestBisley::dealForcesAces()
{
    QFETCH(Deck, deck);
    Table t(choice::Bisley, deck);
    QVERIFY(t.game);
    std::set<int> others;
    for (int p = 1; p <= 52; ++p)
        if (gintfCardRank(deck[p], false) != 1)
            others.insert(deck[p]);
    for (int pile = 1; pile <= 4; ++pile) {
        QCOMPARE(t.game->gintfPileHeight(pile), 1);
        QCOMPARE(t.game->gintfTopCard(pile), cardOf(1, pile - 1));
        QVERIFY(t.showsCard(cardOf(1, pile - 1), corner(pile)));
    }
    for (int pile = 5; pile <= 52; ++pile) {
        QCOMPARE(t.game->gintfPileHeight(pile), 1);
        QVERIFY(others.erase(t.game->gintfTopCard(pile)) == 1);
        QVERIFY(t.showsCard(t.game->gintfTopCard(pile), corner(pile)));
    }
    for (int pile = 53; pile <= 56; ++pile) {
        QCOMPARE(t.game->gintfPileHeight(pile), 0);
        QVERIFY(t.showsOutline(corner(pile)));
    }
    // Ace foundations, the columns top row first, King foundations; a column gives up its bottom card only.
    const TableDescription table = t.game->describeTable();
    QCOMPARE(table[4].name + table[20].name, QStringLiteral("Column 1King foundation 4"));
    QVERIFY(table[4].cards.size() == 3 && table[8].cards.size() == 4);
    QVERIFY(!table[8].cards[2].canPick && table[8].cards[3].canPick);
    QVERIFY(!table[0].cards[0].canPick && table[0].cards[0].canDrop && table[20].emptyCanDrop);
    QCOMPARE(table[20].empty, QRect(corner(56), QSize(kCardWidth, kCardHeight)));
    verifyAllCards(*t.game);
    QVERIFY(!t.w->cmdDeal()->isEnabled());
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.w->lblCardsLeft()->text().isEmpty());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestBisley::drops_data()
{
    QTest::addColumn<int>("prepFrom");  // a move made first, 0 for none
    QTest::addColumn<int>("prepTo");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QPoint>("offset");  // of the drop from the target's corner
    QTest::addColumn<bool>("accepted");

    const QPoint on(0, 0);
    QTest::newRow("Two on its Ace") << 0 << 0 << 40 << 1 << on << true;
    QTest::newRow("Three on the Ace") << 0 << 0 << 41 << 1 << on << false;
    QTest::newRow("Two on another suit's Ace") << 0 << 0 << 43 << 1 << on << false;
    QTest::newRow("Three on its Two") << 40 << 1 << 41 << 1 << on << true;
    QTest::newRow("King on its King place") << 0 << 0 << 42 << 54 << on << true;
    QTest::newRow("King on another suit's place") << 0 << 0 << 42 << 53 << on << false;
    QTest::newRow("Queen on an empty King place") << 0 << 0 << 44 << 54 << on << false;
    QTest::newRow("Queen on its King") << 42 << 54 << 44 << 54 << on << true;
    QTest::newRow("one up in suit") << 0 << 0 << 45 << 46 << on << true;
    QTest::newRow("one down in suit") << 0 << 0 << 45 << 47 << on << true;
    QTest::newRow("two ranks away") << 0 << 0 << 47 << 46 << on << false;
    QTest::newRow("another suit") << 0 << 0 << 49 << 46 << on << false;
    QTest::newRow("20 pixels off") << 0 << 0 << 45 << 46 << QPoint(20, -20) << true;
    QTest::newRow("21 pixels right") << 0 << 0 << 45 << 46 << QPoint(21, 0) << false;
    QTest::newRow("21 pixels up") << 0 << 0 << 45 << 46 << QPoint(0, -21) << false;
    QTest::newRow("on a card that is not a column bottom") << 0 << 0 << 49 << 35 << on << false;
    QTest::newRow("back on its own pile") << 0 << 0 << 45 << 45 << QPoint(5, 5) << false;
}

void TestBisley::drops()
{
    QFETCH(int, prepFrom);
    QFETCH(int, prepTo);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QPoint, offset);
    QFETCH(bool, accepted);
    Table t(choice::Bisley, rulesDeck());
    if (prepFrom) {
        t.drag(corner(prepFrom), corner(prepTo));
        QCOMPARE(t.game->gintfPileHeight(prepFrom), 0);
    }
    const int card = t.game->gintfTopCard(from);
    const int toHeight = t.game->gintfPileHeight(to);

    t.drag(corner(from), corner(to) + offset);

    if (accepted) {
        QCOMPARE(t.game->gintfTopCard(to), card);
        QCOMPARE(t.game->gintfPileHeight(to), toHeight + 1);
        QCOMPARE(t.game->gintfPileHeight(from), 0);
        QVERIFY(t.showsCard(card, corner(to)));
        QVERIFY(t.undoEnabled());
    } else {
        QCOMPARE(t.game->gintfTopCard(from), card);
        QCOMPARE(t.game->gintfPileHeight(to), toHeight);
        QVERIFY(!t.game->gudtfCardPlace(from, 1).lifted);
        QVERIFY(t.showsCard(card, corner(from)));
        QVERIFY(!t.undoEnabled());
    }
    for (int pile = 53; pile <= 56; ++pile)
        QVERIFY(t.showsOutline(corner(pile)));
    verifyAllCards(*t.game);
    QVERIFY(t.messages.calls.isEmpty());
}

void TestBisley::pressesThatPickNothingUp_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("Ace foundation") << corner(2) + QPoint(10, 10);
    QTest::newRow("empty King foundation") << corner(54) + QPoint(10, 10);
    QTest::newRow("card with a card below it") << corner(20) + QPoint(10, 10);
    QTest::newRow("top row card with a card below it") << corner(9) + QPoint(54, 78);
    QTest::newRow("bare table") << QPoint(400, 40);
    QTest::newRow("below the grid") << QPoint(300, 440);
}

void TestBisley::pressesThatPickNothingUp()
{
    QFETCH(QPoint, at);
    Table t(choice::Bisley, rulesDeck());
    t.drag(corner(45), corner(46));
    QVERIFY(t.undoEnabled());
    const int shown = gintfCursorDisplayCount();

    t.press(at);
    QCOMPARE(gintfCursorDisplayCount(), shown);
    QVERIFY(t.undoEnabled());
    t.move(at + QPoint(40, 40));
    QVERIFY(!t.w->isDragging());
    t.release(at + QPoint(40, 40));
    QVERIFY(t.undoEnabled());
    // The last move is still the one taken back.
    t.w->cmdUndo_Click();
    QCOMPARE(t.game->gintfTopCard(45), cardOf(7, D));
    QCOMPARE(t.game->gintfPileHeight(46), 1);
    verifyAllCards(*t.game);
}

void TestBisley::columnPlaysFromTheBottom()
{
    // Column 1 of rows 2 to 4 holds the Spades Two to Four, lowest at the
    // bottom: each goes up in turn, and the card above is free only then.
    Table t(choice::Bisley, deckWith({{1, cardOf(1, S)}, {2, cardOf(1, H)}, {3, cardOf(1, D)}, {4, cardOf(1, C)},
                                      {40, cardOf(2, S)}, {27, cardOf(3, S)}, {14, cardOf(4, S)}}));
    t.drag(corner(27), corner(1));
    QCOMPARE(t.game->gintfPileHeight(27), 1);
    for (int pile : {40, 27, 14}) {
        t.drag(corner(pile), corner(1));
        QCOMPARE(t.game->gintfPileHeight(pile), 0);
    }
    QCOMPARE(t.game->gintfTopCard(1), cardOf(4, S));
    QCOMPARE(t.game->gintfPileHeight(1), 4);
    // An emptied grid place takes nothing.
    const int seven = t.game->gintfTopCard(45);
    t.drag(corner(45), corner(40));
    QCOMPARE(t.game->gintfTopCard(45), seven);
    QCOMPARE(t.game->gintfPileHeight(40), 0);
    verifyAllCards(*t.game);
}

void TestBisley::undoTakesBackTheLastMoveOnce()
{
    Table t(choice::Bisley, rulesDeck());
    t.drag(corner(42), corner(54));
    t.drag(corner(44), corner(54));
    QCOMPARE(t.game->gintfTopCard(54), cardOf(12, H));
    t.w->cmdUndo_Click();
    QVERIFY(!t.undoEnabled());
    QCOMPARE(t.game->gintfTopCard(44), cardOf(12, H));
    QVERIFY(t.showsCard(cardOf(12, H), corner(44)));
    QCOMPARE(t.game->gintfTopCard(54), cardOf(13, H));
    QVERIFY(t.showsCard(cardOf(13, H), corner(54)));
    // A second Undo takes nothing more back.
    t.w->cmdUndo_Click();
    QCOMPARE(t.game->gintfTopCard(54), cardOf(13, H));
    QCOMPARE(t.game->gintfPileHeight(42), 0);
    verifyAllCards(*t.game);
    QVERIFY(t.messages.calls.isEmpty());
}

void TestBisley::pressWithoutRelease()
{
    Table t(choice::Bisley, rulesDeck());
    const int shown = gintfCursorDisplayCount();
    // The release never reaches the board; a later press does, as happens
    // when another window takes the button's release.
    t.press(corner(45) + QPoint(10, 10));
    QVERIFY(gintfCursorDisplayCount() < shown);
    int n = 0;
    QVERIFY(t.game->gintfGetSelectedCard(corner(47).x() + 10, corner(47).y() + 10, true, n) == 47);
    QVERIFY(!t.game->gudtfCardPlace(45, 1).lifted);
    t.release(corner(45) + QPoint(10, 10));
    QCOMPARE(gintfCursorDisplayCount(), shown);
    t.game->gsDrawCards();
    for (int pile = 5; pile <= 52; ++pile)
        QVERIFY(t.showsCard(t.game->gintfTopCard(pile), corner(pile)));
    // New in mid-gesture brings the pointer back and deals afresh.
    t.press(corner(45) + QPoint(10, 10));
    t.w->mnuGameNew_Click();
    QCOMPARE(gintfCursorDisplayCount(), shown);
    for (int pile = 5; pile <= 52; ++pile)
        QVERIFY(!t.game->gudtfCardPlace(pile, 1).lifted);
    verifyAllCards(*t.game);
    QVERIFY(t.messages.errors().isEmpty());
}

void TestBisley::wholeGameToWin()
{
    // The 48 non-Aces by rank, then suit, laid from row 4 upwards: each is
    // a column bottom by the time its turn comes.
    std::map<int, int> fixed{{1, cardOf(1, S)}, {2, cardOf(1, H)}, {3, cardOf(1, D)}, {4, cardOf(1, C)}};
    std::vector<int> order;
    for (int rank = 2; rank <= 13; ++rank)
        for (int suit = S; suit <= C; ++suit)
            order.push_back(cardOf(rank, suit));
    std::vector<int> piles;
    for (int row = 4; row >= 1; --row)
        for (int column = row == 1 ? 5 : 1; column <= 13; ++column)
            piles.push_back((row - 1) * 13 + column);
    for (size_t i = 0; i < order.size(); ++i)
        fixed[piles[i]] = order[i];
    Table t(choice::Bisley, deckWith(fixed));

    for (size_t i = 0; i < order.size(); ++i) {
        QVERIFY(!t.w->isFinished());
        const int suit = gintfCardSuit(order[i]);
        t.drag(corner(piles[i]), corner(suit + 1));
        QCOMPARE(t.game->gintfTopCard(suit + 1), order[i]);
        verifyAllCards(*t.game);
    }
    QVERIFY(t.game->gblnfGameOver());
    QVERIFY(t.w->isFinished());
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, QStringLiteral("You Win!"));
    QCOMPARE(t.messages.calls[0].title, QStringLiteral("Bisley"));
    QVERIFY(!t.undoEnabled());
    for (int pile = 1; pile <= 4; ++pile)
        QVERIFY(t.showsCard(cardOf(13, pile - 1), corner(pile)));
    if (qEnvironmentVariableIsSet("QUILLET_SHOTS"))
        t.screen().save(qEnvironmentVariable("QUILLET_SHOTS") + QStringLiteral("/bisley-win.png"));
}

QTEST_MAIN(TestBisley)
#include "tst_bisley.moc"
