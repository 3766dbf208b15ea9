// Scorpion played through the real game window on fixed deals: the deal and
// board size, group moves and their rules, Kings into empty columns, cards
// turning up and down, the reserve, Undo and a whole game to the win.

#include "core/gamechoices.h"
#include "core/platform.h"
#include "dragtable.h"
#include "games/clsScorpion.h"

#include <QFrame>
#include <QLabel>
#include <QtTest>

using Fixed = std::map<int, int>;  // deal place -> card
Q_DECLARE_METATYPE(Fixed)

namespace {
constexpr int S = 0, H = 1, D = 2, C = 3;
int b(int column, int place) { return 7 * (column - 1) + place; }
QPoint corner(int column, int place)
{
    return {qRound(clsScorpion::gsngfPlaceLeft(place)), qRound(clsScorpion::gsngfColumnTop(column))};
}

struct Table : DragTable<clsScorpion> {
    explicit Table(const Fixed& fixed) : DragTable(choice::Scorpion, riggedDeck(fixed)) {}
    int top(int column) const { return game->gintfTopPlace(column); }
    int card(int column, int place) const { return game->gudtfCardPlace(column, place).card; }
    // Drags the group headed by (column, place) onto the top card of `onto`.
    void moveOnto(int column, int place, int onto) { drag(corner(column, place), corner(onto, top(onto))); }
};

// Column 2 reads 3, 4, 5, 6 (face down), 9, 8, 7 of Spades and column 7 ends
// on the Ten: column 2 empties onto column 7 in five moves.
Fixed emptiableColumnTwo()
{
    const int ranks[] = {3, 4, 5, 6, 9, 8, 7};
    Fixed fixed{{b(7, 7), cardOf(10, S)}};
    for (int p = 1; p <= 7; ++p)
        fixed[b(2, p)] = cardOf(ranks[p - 1], S);
    return fixed;
}

void emptyColumnTwo(Table& t)
{
    for (int place : {5, 4, 3, 2, 1})
        t.moveOnto(2, place, 7);
}
}

class TestScorpion : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { gsSetScreenSize(0, 0); }
    void dealAndBoardSize_data();
    void dealAndBoardSize();
    void groupMoves_data();
    void groupMoves();
    void kingIntoEmptyColumn_data();
    void kingIntoEmptyColumn();
    void faceDownCardTurnsAndUndoTurnsItBack();
    void reserveDealtOnce();
    void groupBackOnItsOwnCardCountsAsMove();
    void dealInMidDragPutsTheGroupDownFirst();
    void wholeGameToWin();
};

void TestScorpion::dealAndBoardSize_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<QSize>("boardSize");
    QTest::addColumn<QPoint>("panel");
    QTest::newRow("800-wide screen") << 800 << QSize(800, 600) << QPoint(712, 492);
    QTest::newRow("wider screen") << 1024 << QSize(780, 560) << QPoint(692, 490);
}

void TestScorpion::dealAndBoardSize()
{
    QFETCH(int, screenWidth);
    QFETCH(QSize, boardSize);
    QFETCH(QPoint, panel);
    gsSetScreenSize(screenWidth, 768);
    Table t({});
    QCOMPARE(QSize(t.w->board().width(), t.w->board().height()), boardSize);
    QCOMPARE(t.w->picPlay()->pos(), panel);
    QCOMPARE(t.w->playRight(), panel.x());
    QCOMPARE(t.w->playBottom(), panel.y() + 70);
    QVERIFY(t.w->action("mnuHelpAbout")->text() == QStringLiteral("&About Scorpion..."));
    QVERIFY(t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    for (int c = 1; c <= 7; ++c) {
        QCOMPARE(t.top(c), 7);
        for (int p = 1; p <= 7; ++p) {
            const bool down = c <= 3 && p <= 4;
            QCOMPARE(t.game->gudtfCardPlace(c, p).faceUp, !down);
            const int picture = down ? kCardBack : t.card(c, p);
            QVERIFY2(showsCard(t.screen(), picture, corner(c, p), p == 7 ? kCardWidth : 12),
                     qPrintable(QStringLiteral("column %1 place %2").arg(c).arg(p)));
        }
    }
    QCOMPARE(t.game->census().size(), size_t(52));  // the reserve waits in the stock
    // Rows and the reserve; a face-down card is no pick, a covered one shows its 12-pixel strip.
    const TableDescription table = t.game->describeTable();
    QCOMPARE(table.size(), size_t(8));
    QCOMPARE(table[2].name + table[7].name, QStringLiteral("Row 3Reserve"));
    QCOMPARE(table[7].cards.size(), size_t(3));
    QVERIFY(!table[0].cards[3].canPick && table[0].cards[4].canPick);
    QVERIFY(!table[0].cards[5].canDrop && table[0].cards[6].canDrop);
    QCOMPARE(table[4].cards[2].shown, QRect(corner(5, 3), QSize(12, kCardHeight)));
    // Pressing a face-down card or bare board picks nothing up.
    for (const QPoint p : {corner(1, 4) + QPoint(5, 5), QPoint(400, 300)}) {
        t.press(p);
        QVERIFY(gintfCursorDisplayCount() == 0);
        t.release(p);
    }
    t.w->cmdDeal_Click();
    QVERIFY(t.w->lblCardsLeft()->text().isEmpty());
    QVERIFY(t.game->describeTable()[7].cards.empty());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestScorpion::groupMoves_data()
{
    QTest::addColumn<Fixed>("fixed");
    QTest::addColumn<QPoint>("dropCorner");
    QTest::addColumn<bool>("accepted");
    const int seven = cardOf(7, H);
    const QPoint onTop = corner(4, 7);
    QTest::newRow("Seven on its Eight") << Fixed{{b(5, 3), seven}, {b(4, 7), cardOf(8, H)}} << onTop << true;
    QTest::newRow("12 pixels off") << Fixed{{b(5, 3), seven}, {b(4, 7), cardOf(8, H)}} << onTop + QPoint(12, -12)
                                   << true;
    QTest::newRow("13 pixels off") << Fixed{{b(5, 3), seven}, {b(4, 7), cardOf(8, H)}} << onTop + QPoint(13, 0)
                                   << false;
    QTest::newRow("Seven on another suit's Eight") << Fixed{{b(5, 3), seven}, {b(4, 7), cardOf(8, S)}} << onTop
                                                   << false;
    QTest::newRow("Eight with a card after it") << Fixed{{b(5, 3), seven}, {b(4, 6), cardOf(8, H)}}
                                                << corner(4, 6) << false;
    QTest::newRow("Seven on its Nine") << Fixed{{b(5, 3), seven}, {b(4, 7), cardOf(9, H)}} << onTop << false;
    QTest::newRow("Ace on its Two") << Fixed{{b(5, 3), cardOf(1, H)}, {b(4, 7), cardOf(2, H)}} << onTop << true;
    QTest::newRow("nothing on an Ace") << Fixed{{b(5, 3), cardOf(2, H)}, {b(4, 7), cardOf(1, H)}} << onTop << false;
    QTest::newRow("face-down card is no target") << Fixed{{b(5, 3), seven}, {b(1, 4), cardOf(8, H)}}
                                                 << corner(1, 4) << false;
}

void TestScorpion::groupMoves()
{
    QFETCH(Fixed, fixed);
    QFETCH(QPoint, dropCorner);
    QFETCH(bool, accepted);
    Table t(fixed);
    const int head = t.card(5, 3);
    t.press(corner(5, 3) + QPoint(5, 30));
    // Five cards come away, in sequence or not: image 55 + 12 x 4 wide.
    QCOMPARE(t.w->board().picSave().size(), QSize(103, 79));
    t.move(dropCorner + QPoint(5, 30));
    QVERIFY(showsCard(t.screen(), head, dropCorner, 12));
    QVERIFY(showsCard(t.screen(), t.card(5, 2), corner(5, 2)));  // uncovered once the group is lifted
    t.release(dropCorner + QPoint(5, 30));
    QCOMPARE(gintfCursorDisplayCount(), 0);

    if (accepted) {
        QCOMPARE(t.top(5), 2);
        QCOMPARE(t.top(4), 12);
        QCOMPARE(t.card(4, 8), head);
        QVERIFY(showsCard(t.screen(), t.card(4, 12), corner(4, 12)));
        QVERIFY(t.undoEnabled());
        t.w->cmdUndo_Click();
        QVERIFY(!t.undoEnabled());
    }
    QCOMPARE(t.top(5), 7);
    QCOMPARE(t.top(4), 7);
    QCOMPARE(t.card(5, 3), head);
    QVERIFY(showsCard(t.screen(), t.card(5, 7), corner(5, 7)));
    QVERIFY(!t.undoEnabled());
    for (int p = 1; p <= 7; ++p)
        QVERIFY(!t.game->gudtfCardPlace(5, p).lifted);
    QCOMPARE(t.game->census().size(), size_t(52));
    QVERIFY(t.messages.calls.isEmpty());
}

void TestScorpion::kingIntoEmptyColumn_data()
{
    QTest::addColumn<int>("place");   // of column 5; the King is at place 5
    QTest::addColumn<QPoint>("offset");  // from column 2's first place
    QTest::addColumn<bool>("accepted");
    QTest::newRow("King-headed group") << 5 << QPoint(0, 0) << true;
    QTest::newRow("12 pixels off") << 5 << QPoint(12, 12) << true;
    QTest::newRow("13 pixels off") << 5 << QPoint(13, 0) << false;
    QTest::newRow("group not headed by a King") << 6 << QPoint(0, 0) << false;
}

void TestScorpion::kingIntoEmptyColumn()
{
    QFETCH(int, place);
    QFETCH(QPoint, offset);
    QFETCH(bool, accepted);
    Fixed fixed = emptiableColumnTwo();
    fixed[b(5, 5)] = cardOf(13, H);
    Table t(fixed);
    emptyColumnTwo(t);
    QCOMPARE(t.top(2), 0);
    const int head = t.card(5, place);

    t.drag(corner(5, place), corner(2, 1) + offset);

    if (accepted) {
        QCOMPARE(t.top(2), 8 - place);
        QCOMPARE(t.card(2, 1), head);
        QCOMPARE(t.top(5), place - 1);
        QVERIFY(showsCard(t.screen(), head, corner(2, 1), 12));
        t.w->cmdUndo_Click();
        QCOMPARE(t.top(2), 0);
    }
    QCOMPARE(t.top(5), 7);
    QCOMPARE(t.card(5, place), head);
    // A group lifted from place 1 cannot go back into its own column.
    t.drag(corner(6, 1), corner(6, 1));
    QCOMPARE(t.top(6), 7);
    QVERIFY(!t.undoEnabled());
    QCOMPARE(t.game->census().size(), size_t(52));
}

void TestScorpion::faceDownCardTurnsAndUndoTurnsItBack()
{
    Table t(emptiableColumnTwo());
    t.moveOnto(2, 5, 7);
    QVERIFY(t.game->gudtfCardPlace(2, 4).faceUp);
    QVERIFY(showsCard(t.screen(), cardOf(6, S), corner(2, 4)));
    QCOMPARE(t.top(7), 10);

    t.w->cmdUndo_Click();
    QVERIFY(!t.game->gudtfCardPlace(2, 4).faceUp);
    QVERIFY(t.game->gudtfCardPlace(2, 4).covered);
    QVERIFY(showsCard(t.screen(), kCardBack, corner(2, 4), 12));
    QCOMPARE(t.top(2), 7);
    QCOMPARE(t.top(7), 7);
    QVERIFY(!t.undoEnabled());
    // A second Undo has nothing to take back.
    t.w->cmdUndo_Click();
    QCOMPARE(t.top(2), 7);
    QVERIFY(t.messages.calls.isEmpty());
}

void TestScorpion::reserveDealtOnce()
{
    Table t(emptiableColumnTwo());
    const int reserve[] = {gintDeck[50], gintDeck[51], gintDeck[52]};
    emptyColumnTwo(t);
    QVERIFY(t.undoEnabled());

    t.w->cmdDeal_Click();

    // Right after a move: the move can no longer be undone.
    QVERIFY(!t.undoEnabled());
    QVERIFY(!t.dealEnabled());
    QCOMPARE(t.card(1, 8), reserve[0]);
    QCOMPARE(t.game->gudtfCardPlace(1, 8).left, 85.f);
    QVERIFY(showsCard(t.screen(), reserve[0], corner(1, 8)));
    QCOMPARE(t.card(2, 1), reserve[1]);  // an empty column gets it as its first card
    QVERIFY(showsCard(t.screen(), reserve[1], QPoint(1, 82)));
    QCOMPARE(t.card(3, 8), reserve[2]);
    QVERIFY(t.game->gudtfCardPlace(3, 7).covered);
    QVERIFY(t.w->lblCardsLeft()->text().isEmpty());
    t.w->cmdUndo_Click();
    QCOMPARE(t.top(7), 14);
    // Dealing again (were the button ever enabled) lays nothing twice.
    bool deal = true, undo = true;
    int left = 0;
    t.game->gsDealCard(deal, undo, left);
    QCOMPARE(t.top(1), 8);
    QCOMPARE(t.game->census().size(), size_t(52));
    QVERIFY(t.messages.calls.isEmpty());
}

void TestScorpion::groupBackOnItsOwnCardCountsAsMove()
{
    Table t({{b(5, 6), cardOf(8, D)}, {b(5, 7), cardOf(7, D)}});
    // A click without moving drops the image where it lifted from, 12 pixels
    // right of the card it lay on.
    t.press(corner(5, 7) + QPoint(20, 20));
    t.release(corner(5, 7) + QPoint(20, 20));
    QCOMPARE(t.top(5), 7);
    QVERIFY(t.undoEnabled());
    t.w->cmdUndo_Click();
    QCOMPARE(t.top(5), 7);
    QCOMPARE(t.card(5, 7), cardOf(7, D));
    QVERIFY(showsCard(t.screen(), cardOf(7, D), corner(5, 7)));
    QVERIFY(t.game->gudtfCardPlace(5, 6).covered);
}

void TestScorpion::dealInMidDragPutsTheGroupDownFirst()
{
    Table t({});
    // Column 1 from its first face-up card, held over bare board when the
    // keyboard deals: the group goes back, then the reserve lands after it.
    t.press(corner(1, 5) + QPoint(5, 30));
    t.move(QPoint(400, 300));
    t.w->cmdDeal_Click();
    QCOMPARE(gintfCursorDisplayCount(), 0);
    QCOMPARE(t.top(1), 8);
    for (int p = 1; p <= 8; ++p)
        QVERIFY(t.card(1, p) != 0 && !t.game->gudtfCardPlace(1, p).lifted);
    t.release(QPoint(400, 300));
    QCOMPARE(t.top(1), 8);
    QCOMPARE(t.game->census().size(), size_t(52));
    QVERIFY(t.messages.calls.isEmpty());
}

void TestScorpion::wholeGameToWin()
{
    // Columns 1-4 hold King to Seven of a suit; the rest lie in 5-7 and the
    // reserve (Three, Two, Ace of Clubs), ready to be put in order.
    Fixed fixed;
    for (int suit = S; suit <= C; ++suit)
        for (int p = 1; p <= 7; ++p)
            fixed[b(suit + 1, p)] = cardOf(14 - p, suit);
    const int rest[] = {cardOf(6, S), cardOf(5, S), cardOf(4, S), cardOf(3, S), cardOf(2, S), cardOf(1, S),
                        cardOf(6, H), cardOf(5, H), cardOf(4, H), cardOf(3, H), cardOf(2, H), cardOf(1, H),
                        cardOf(6, D), cardOf(5, D), cardOf(4, D), cardOf(3, D), cardOf(2, D), cardOf(1, D),
                        cardOf(6, C), cardOf(5, C), cardOf(4, C), cardOf(3, C), cardOf(2, C), cardOf(1, C)};
    for (int i = 0; i < 24; ++i)
        fixed[29 + i] = rest[i];
    Table t(fixed);

    t.w->cmdDeal_Click();
    const int moves[][3] = {{1, 8, 7}, {2, 8, 7}, {3, 8, 7}, {5, 7, 2}, {5, 1, 1}, {6, 6, 3},
                            {6, 1, 2}, {7, 5, 4}, {7, 1, 3}};
    for (const auto& m : moves) {
        QVERIFY(!t.w->isFinished());
        t.moveOnto(m[0], m[1], m[2]);
        QVERIFY2(t.top(m[0]) == m[1] - 1, qPrintable(QStringLiteral("%1,%2").arg(m[0]).arg(m[1])));
        QCOMPARE(t.game->census().size(), size_t(52));
    }
    for (int c = 1; c <= 4; ++c)
        QCOMPARE(t.top(c), 13);
    QVERIFY(t.w->isFinished());
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, QStringLiteral("You Win!"));
    QCOMPARE(t.messages.calls[0].title, QStringLiteral("Scorpion"));
    QVERIFY(!t.undoEnabled());
    QVERIFY(!t.dealEnabled());
}

QTEST_MAIN(TestScorpion)
#include "tst_scorpion.moc"
