// Maze played through the real game window on fixed deals: the deal and the
// Kings out, the move rules along the wrapping track, the 20-pixel drop,
// Undo and a whole game to the win.

#include "core/gamechoices.h"
#include "core/platform.h"
#include "dragtable.h"
#include "games/clsMaze.h"

#include <QtTest>

using Cells = std::map<int, int>;  // cell -> card
Q_DECLARE_METATYPE(Cells)

namespace {
constexpr int S = 0, H = 1, D = 2, C = 3;
constexpr int King = 13;

// The deck place whose card the deal puts into a cell (cells 9 and 18 get none).
int dealPlaceOf(int cell) { return cell <= 8 ? cell : cell <= 17 ? cell - 1 : cell - 2; }

std::array<int, 53> mazeDeck(const Cells& cells)
{
    std::map<int, int> fixed;
    for (const auto& [cell, card] : cells)
        fixed[dealPlaceOf(cell)] = card;
    return riggedDeck(fixed);
}

QPoint cellCorner(int cell) { return {qRound(clsMaze::gsngfCellX(cell)), qRound(clsMaze::gsngfCellY(cell))}; }

struct Table : DragTable<clsMaze> {
    explicit Table(const Cells& cells) : DragTable(choice::Maze, mazeDeck(cells)) {}
    int card(int cell) const { return game->gudtfCell(cell).card; }
    void moveCard(int from, int to, QPoint offset = {}) { drag(cellCorner(from), cellCorner(to) + offset); }
    int gaps() const
    {
        int n = 0;
        for (int c = 1; c <= clsMaze::kCells; ++c)
            n += card(c) == 0;
        return n;
    }
};
}

class TestMaze : public QObject {
    Q_OBJECT
private slots:
    void dealLeavesSixGaps();
    void moveRules_data();
    void moveRules();
    void undoTakesBackOneMove();
    void winTest_data();
    void winTest();
    void wholeGameToWin();
};

void TestMaze::dealLeavesSixGaps()
{
    Table t({{1, cardOf(King, S)}, {30, cardOf(King, H)}});
    QCOMPARE(QSize(t.w->board().width(), t.w->board().height()), QSize(620, 492));
    QCOMPARE(t.w->playRight(), 620 - 88);
    QCOMPARE(t.w->playBottom(), 492);
    QVERIFY(!t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    QCOMPARE(t.gaps(), 6);
    for (int cell : {1, 9, 18, 30})
        QCOMPARE(t.card(cell), 0);
    for (int c = 1; c <= clsMaze::kCells; ++c) {
        QVERIFY(gintfCardRank(t.card(c), false) != King || t.card(c) == 0);
        if (t.card(c) != 0)
            QVERIFY(showsCard(t.screen(), t.card(c), cellCorner(c)));
    }
    QCOMPARE(cellCorner(54), QPoint(460, 409));
    int kings = 0;
    for (const CardLocation& c : t.game->census())
        kings += c.where == CardWhere::Discard;
    QCOMPARE(kings, 4);
    QCOMPARE(t.game->census().size(), size_t(52));
    // Cells in reading order, then the Kings; a gap takes a drop, a card in hand stays listed undrawn.
    const TableDescription table = t.game->describeTable();
    QCOMPARE(table[9].name + table[54].name, QStringLiteral("Row 2, place 1Kings taken out"));
    QCOMPARE(table[54].cards.size(), size_t(4));
    QVERIFY(table[8].emptyCanDrop && table[8].empty == QRect(cellCorner(9), QSize(kCardWidth, kCardHeight)));
    QVERIFY(table[1].cards[0].canPick && !table[1].cards[0].face.isEmpty());
    t.press(cellCorner(2) + QPoint(10, 10));
    QVERIFY(t.game->describeTable()[1].cards[0].face.isEmpty());
    t.release(cellCorner(2) + QPoint(10, 10));
    // A press on a gap picks nothing up.
    t.press(cellCorner(9) + QPoint(10, 10));
    QCOMPARE(gintfCursorDisplayCount(), 0);
    t.release(cellCorner(9) + QPoint(10, 10));
}

void TestMaze::moveRules_data()
{
    QTest::addColumn<Cells>("cells");  // the gap is a King's cell
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("accepted");
    const int k = cardOf(King, C);
    const QPoint on;
    QTest::newRow("one above the card before") << Cells{{30, k}, {29, cardOf(5, H)}, {40, cardOf(6, H)}} << 40
                                               << 30 << on << true;
    QTest::newRow("one below the card after") << Cells{{30, k}, {31, cardOf(7, H)}, {40, cardOf(6, H)}} << 40 << 30
                                              << on << true;
    QTest::newRow("other suit") << Cells{{30, k}, {29, cardOf(5, H)}, {31, cardOf(2, C)}, {40, cardOf(6, S)}} << 40
                                << 30 << on << false;
    QTest::newRow("20 pixels off both ways") << Cells{{30, k}, {29, cardOf(5, H)}, {40, cardOf(6, H)}} << 40 << 30
                                             << QPoint(20, -20) << true;
    QTest::newRow("21 pixels off") << Cells{{30, k}, {29, cardOf(5, H)}, {40, cardOf(6, H)}} << 40 << 30
                                   << QPoint(21, 0) << false;
    QTest::newRow("Ace after any Queen") << Cells{{30, k}, {29, cardOf(12, C)}, {40, cardOf(1, H)}} << 40 << 30
                                         << on << true;
    QTest::newRow("Ace after a Jack") << Cells{{30, k}, {29, cardOf(11, H)}, {31, cardOf(5, C)}, {40, cardOf(1, H)}}
                                      << 40 << 30 << on << false;
    QTest::newRow("Ace after the gap lets nothing in")
        << Cells{{30, k}, {29, cardOf(9, C)}, {31, cardOf(1, H)}, {40, cardOf(2, H)}} << 40 << 30 << on << false;
    QTest::newRow("Ace into cell 1") << Cells{{1, k}, {54, cardOf(3, C)}, {2, cardOf(8, D)}, {40, cardOf(1, H)}} << 40
                                     << 1 << on << true;
    QTest::newRow("cell 1 follows cell 54") << Cells{{1, k}, {54, cardOf(5, H)}, {2, cardOf(2, C)}, {40, cardOf(6, H)}}
                                            << 40 << 1 << on << true;
    QTest::newRow("cell 54 comes before cell 1")
        << Cells{{54, k}, {1, cardOf(7, H)}, {53, cardOf(2, C)}, {40, cardOf(6, H)}} << 40 << 54 << on << true;
    QTest::newRow("row end runs on to the next row")
        << Cells{{28, k}, {27, cardOf(5, H)}, {29, cardOf(2, C)}, {40, cardOf(6, H)}} << 40 << 28 << on << true;
    QTest::newRow("cell 10 follows empty cell 9")
        << Cells{{10, k}, {8, cardOf(5, H)}, {11, cardOf(2, C)}, {40, cardOf(6, H)}} << 40 << 10 << on << false;
    QTest::newRow("onto a card") << Cells{{29, cardOf(5, H)}, {30, cardOf(9, C)}, {40, cardOf(6, H)}} << 40 << 30 << on
                                 << false;
    QTest::newRow("into the next gap along")
        << Cells{{30, k}, {29, cardOf(5, H)}, {31, cardOf(2, C)}, {28, cardOf(4, H)}} << 29 << 30 << on << false;
}

void TestMaze::moveRules()
{
    QFETCH(Cells, cells);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QPoint, offset);
    QFETCH(bool, accepted);
    Table t(cells);
    const int card = t.card(from);
    const int there = t.card(to);

    t.press(cellCorner(from) + QPoint(5, 30));
    t.move(cellCorner(to) + offset + QPoint(5, 30));
    QVERIFY(!showsCard(t.screen(), card, cellCorner(from)));  // lifted out of its cell
    QVERIFY(showsCard(t.screen(), card, cellCorner(to) + offset));
    t.release(cellCorner(to) + offset + QPoint(5, 30));
    QCOMPARE(gintfCursorDisplayCount(), 0);

    QCOMPARE(t.card(accepted ? to : from), card);
    QCOMPARE(t.card(accepted ? from : to), accepted ? 0 : there);
    QVERIFY(showsCard(t.screen(), card, cellCorner(accepted ? to : from)));
    QCOMPARE(t.undoEnabled(), accepted);
    QCOMPARE(t.gaps(), 6);
    QCOMPARE(t.game->census().size(), size_t(52));
    QVERIFY(t.messages.calls.isEmpty());
}

void TestMaze::undoTakesBackOneMove()
{
    Table t({{30, cardOf(King, C)}, {29, cardOf(5, H)}, {40, cardOf(6, H)}});
    t.moveCard(40, 30);
    QVERIFY(t.undoEnabled());
    t.w->cmdUndo_Click();
    QCOMPARE(t.card(40), cardOf(6, H));
    QCOMPARE(t.card(30), 0);
    QVERIFY(showsCard(t.screen(), cardOf(6, H), cellCorner(40)));
    QVERIFY(!t.undoEnabled());
    t.w->cmdUndo_Click();  // nothing more to take back
    QCOMPARE(t.card(40), cardOf(6, H));
    QCOMPARE(t.gaps(), 6);

    // A card picked up and dropped away from every gap forgets the move.
    t.moveCard(40, 30);
    t.moveCard(20, 20, QPoint(30, 40));
    QVERIFY(!t.undoEnabled());
    t.w->cmdUndo_Click();
    QCOMPARE(t.card(30), cardOf(6, H));
    QCOMPARE(t.game->census().size(), size_t(52));
    QVERIFY(t.messages.calls.isEmpty());
}

void TestMaze::winTest_data()
{
    QTest::addColumn<int>("firstCell");  // where the Ace of Spades starts
    QTest::addColumn<bool>("won");
    QTest::newRow("four runs from cell 1") << 1 << true;
    QTest::newRow("runs shifted, gaps between") << 3 << true;
    QTest::newRow("a run wrapping from cell 54 to cell 1") << 7 << false;
}

void TestMaze::winTest()
{
    QFETCH(int, firstCell);
    QFETCH(bool, won);
    // The 48 cards in order along the track from firstCell, skipping 9 and
    // 18; the Kings fill what is left.
    Cells cells;
    int cell = firstCell;
    for (int suit = S; suit <= C; ++suit)
        for (int rank = 1; rank <= 12; ++rank) {
            while (cell == 9 || cell == 18)
                cell = cell % 54 + 1;
            cells[cell] = cardOf(rank, suit);
            cell = cell % 54 + 1;
        }
    Table t(cells);
    QCOMPARE(t.gaps(), 6);
    QCOMPARE(t.game->gblnfGameOver(), won);
}

void TestMaze::wholeGameToWin()
{
    // In order but for the Five of Spades and the Ace of Hearts, which wait
    // at cells 51 and 52 while Kings hold their cells 5 and 14.
    Cells cells{{5, cardOf(King, S)}, {14, cardOf(King, H)}, {51, cardOf(5, S)}, {52, cardOf(1, H)}};
    int cell = 1;
    for (int suit = S; suit <= C; ++suit)
        for (int rank = 1; rank <= 12; ++rank) {
            if ((suit == S && rank == 5) || (suit == H && rank == 1))
                continue;
            while (cell == 5 || cell == 9 || cell == 14 || cell == 18)
                ++cell;
            cells[cell++] = cardOf(rank, suit);
        }
    Table t(cells);
    t.moveCard(52, 14);  // the Ace after the Queen of Spades
    QCOMPARE(t.card(14), cardOf(1, H));
    QVERIFY(!t.w->isFinished());
    t.moveCard(51, 5);
    QCOMPARE(t.card(5), cardOf(5, S));
    QVERIFY(t.w->isFinished());
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, QStringLiteral("You Win!"));
    QCOMPARE(t.messages.calls[0].title, QStringLiteral("Maze"));
    QVERIFY(!t.undoEnabled());
}

QTEST_MAIN(TestMaze)
#include "tst_maze.moc"
