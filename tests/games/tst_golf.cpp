// Golf played through the real game window on fixed deals: selection, the
// wrap rule, the King that ends a run, Deal, run Undo, the win and what the
// board shows.

#include "core/frmCards.h"
#include "core/gamechoices.h"
#include "core/gamerules.h"
#include "games/clsGolf.h"
#include "gametable.h"
#include "tablesummary.h"
#include "testsupport.h"
#include "window/boardview.h"
#include "window/frmMain.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <map>
#include <memory>
#include <set>

namespace {
const QString kRunEnded =
    QStringLiteral("Current sequence has ended.  Please click the Deal button for the next card.");

constexpr int kFirstStockPlace = 36;

int slotOf(int row, int column) { return (row - 1) * 7 + column; }
int slotX(int slot) { return 20 + 63 * ((slot - 1) % 7); }
int slotY(int slot) { return 20 + 26 * ((slot - 1) / 7); }
// On the lower part of a card, which only it covers once the slot below is empty.
QPoint facePoint(int slot) { return {slotX(slot) + 27, slotY(slot) + 60}; }
// On the strip that shows while the slot below still holds a card.
QPoint stripPoint(int slot) { return {slotX(slot) + 27, slotY(slot) + 12}; }
const QPoint kEmptyBoard(300, 290);

// Deals (dealWith) put tableau slot s at place s and the stock from place 36.

bool sameBlock(const QImage& image, int x, int y, int card, int height = kCardHeight)
{
    const QImage shown = image.copy(x, y, kCardWidth, height).convertToFormat(QImage::Format_RGB32);
    const QImage face = frmCards::imgCard(card).copy(0, 0, kCardWidth, height).convertToFormat(QImage::Format_RGB32);
    return shown == face;
}

// A Golf window on a rigged deal, with New already chosen.
class GolfTable : public GameTable {
public:
    explicit GolfTable(const std::array<int, 53>& deck) : GameTable(choice::Golf, deck) {}

    void moveHeld(QPoint p)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(p), window->picWork()->mapToGlobal(QPointF(p)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(window->picWork(), &move);
    }
    void play(int slot) { click(facePoint(slot)); }
};
}

class TestGolf : public QObject {
    Q_OBJECT
private slots:
    void newLaysTheTableFaceUp();
    void nothingSelectableBeforeFirstDeal();
    void rankFitsWithKingAndAceTouching_data();
    void rankFitsWithKingAndAceTouching();
    void kingFromTableEndsRunUntilDealOrUndo();
    void coveredStripIsPassedOver();
    void selectionBoundsAreInclusive_data();
    void selectionBoundsAreInclusive();
    void releaseAnywherePlaysTheSelectedCard();
    void undoTakesBackTheWholeRun();
    void dealForgetsTheRun();
    void emptyStockKeepsUndoAndTheKingsBlock();
    void gsPlaceCardRefusesCardsThatAreNotFree();
    void newStartsAfresh();
    void wholeGameToAWin();
};

void TestGolf::newLaysTheTableFaceUp()
{
    GolfTable t(dealWith({}));
    QCOMPARE(t.window->windowTitle(), QStringLiteral("Golf"));
    QCOMPARE(t.game()->prpClientRight(), 470);
    QCOMPARE(t.game()->prpClientBottom(), 320);
    QCOMPARE(t.window->board().width(), 470);
    QCOMPARE(t.window->board().height(), 320);

    QVERIFY(t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.label().isEmpty());
    QCOMPARE(t.count(CardWhere::Table), 35);
    QCOMPARE(t.count(CardWhere::Stock), 17);
    QVERIFY(t.conserved());

    // The bottom row in full, every other row as the top strip left showing.
    for (int c = 1; c <= 7; ++c) {
        QVERIFY2(sameBlock(t.shown(), slotX(slotOf(5, c)), 124, t.deck[slotOf(5, c)]), qPrintable(QString::number(c)));
        for (int r = 1; r <= 4; ++r)
            QVERIFY(sameBlock(t.shown(), slotX(slotOf(r, c)), slotY(slotOf(r, c)), t.deck[slotOf(r, c)], 26));
    }
    QCOMPARE(slotX(slotOf(5, 7)), 398);
    // No waste yet.
    QVERIFY(!sameBlock(t.shown(), 209, 229, t.deck[kFirstStockPlace]));

    t.clickDeal();
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 16"));
    QVERIFY(t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    QVERIFY(sameBlock(t.shown(), 209, 229, t.deck[kFirstStockPlace]));
    QCOMPARE(t.whereIs(t.deck[kFirstStockPlace]), CardWhere::Waste);
    QVERIFY(t.conserved());
    QVERIFY(t.messages.calls.isEmpty());
    const TableDescription table = t.game()->describeTable();
    QCOMPARE(placesSummary(table), QStringLiteral("Column 1: 5, Column 2: 5, Column 3: 5, Column 4: 5, Column 5: 5, "
                                                  "Column 6: 5, Column 7: 5, Waste pile: 1, Stock: 16"));
    QCOMPARE(pickableCards(table), QList<int>(t.deck.begin() + 29, t.deck.begin() + 36));
    QCOMPARE(table[1].cards[0].shown, QRect(83, 20, 55, 26));  // a covered card's top strip
}

void TestGolf::nothingSelectableBeforeFirstDeal()
{
    // The 6 would fit a 5 or a 7, were there a waste.
    GolfTable t(dealWith({{29, cardOf(6, 1)}}));
    t.play(29);
    t.click(stripPoint(1));
    QCOMPARE(t.selects(facePoint(29)), 0);
    QCOMPARE(t.count(CardWhere::Table), 35);
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.dealEnabled());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestGolf::rankFitsWithKingAndAceTouching_data()
{
    QTest::addColumn<int>("wasteRank");
    QTest::addColumn<int>("cardRank");
    QTest::addColumn<bool>("fits");
    QTest::newRow("K takes Q") << 13 << 12 << true;
    QTest::newRow("K takes A") << 13 << 1 << true;
    QTest::newRow("K refuses J") << 13 << 11 << false;
    QTest::newRow("K refuses K") << 13 << 13 << false;
    QTest::newRow("A takes K") << 1 << 13 << true;
    QTest::newRow("A takes 2") << 1 << 2 << true;
    QTest::newRow("A refuses 3") << 1 << 3 << false;
    QTest::newRow("A refuses Q") << 1 << 12 << false;
    QTest::newRow("7 takes 6") << 7 << 6 << true;
    QTest::newRow("7 takes 8") << 7 << 8 << true;
    QTest::newRow("7 refuses 7") << 7 << 7 << false;
    QTest::newRow("7 refuses 9") << 7 << 9 << false;
    QTest::newRow("Q takes K") << 12 << 13 << true;
    QTest::newRow("2 takes A") << 2 << 1 << true;
}

void TestGolf::rankFitsWithKingAndAceTouching()
{
    QFETCH(int, wasteRank);
    QFETCH(int, cardRank);
    QFETCH(bool, fits);
    // Suits differ: only the rank counts.
    const int card = cardOf(cardRank, 2);
    GolfTable t(dealWith({{kFirstStockPlace, cardOf(wasteRank, 0)}, {29, card}}));
    t.clickDeal();
    t.play(29);
    QCOMPARE(t.whereIs(card) == CardWhere::Waste, fits);
    QCOMPARE(t.undoEnabled(), fits);
    QVERIFY(t.dealEnabled());
    QVERIFY(sameBlock(t.shown(), 209, 229, fits ? card : cardOf(wasteRank, 0)));
    QVERIFY(t.messages.calls.isEmpty());
    QVERIFY(t.conserved());
}

void TestGolf::kingFromTableEndsRunUntilDealOrUndo()
{
    const int king = cardOf(13, 1), queen = cardOf(12, 2), ace = cardOf(1, 3);
    GolfTable t(dealWith({{kFirstStockPlace, cardOf(12, 0)},
                          {kFirstStockPlace + 1, cardOf(11, 0)},
                          {29, king},
                          {30, queen},
                          {31, ace}}));
    t.clickDeal();
    t.play(29);
    QCOMPARE(t.whereIs(king), CardWhere::Waste);
    QVERIFY(t.undoEnabled());
    QVERIFY(t.messages.calls.isEmpty());
    QVERIFY(pickableCards(t.game()->describeTable()).isEmpty());

    // Both would fit a King; every press on a free card says why not.
    t.play(30);
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, kRunEnded);
    QCOMPARE(t.messages.calls[0].title, QStringLiteral("Quillet"));
    QCOMPARE(t.messages.calls[0].icon, MsgIcon::None);
    t.play(31);
    t.play(30);
    QCOMPARE(t.messages.calls.size(), 3);
    QCOMPARE(t.whereIs(queen), CardWhere::Table);
    QCOMPARE(t.whereIs(ace), CardWhere::Table);
    // Presses that find no free card stay silent.
    t.click(kEmptyBoard);
    t.click(stripPoint(slotOf(4, 2)));
    QCOMPARE(t.messages.calls.size(), 3);
    QVERIFY(t.undoEnabled());

    t.clickUndo();
    QCOMPARE(t.whereIs(king), CardWhere::Table);
    QVERIFY(!t.undoEnabled());
    t.play(30);  // a Queen on the dealt Queen: refused, silently
    QCOMPARE(t.whereIs(queen), CardWhere::Table);
    QCOMPARE(t.messages.calls.size(), 3);

    t.play(29);
    t.clickDeal();  // the Jack
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 15"));
    t.play(30);
    QCOMPARE(t.whereIs(queen), CardWhere::Waste);
    QCOMPARE(t.messages.calls.size(), 3);
    QVERIFY(t.conserved());
}

void TestGolf::coveredStripIsPassedOver()
{
    const int seven = cardOf(7, 3), five = cardOf(5, 1), six = cardOf(6, 2);
    GolfTable t(dealWith({{kFirstStockPlace, cardOf(6, 0)}, {22, seven}, {29, five}, {30, six}}));
    t.clickDeal();
    // The 7 fits the 6 but still lies under the 5.
    t.click(stripPoint(22));
    QCOMPARE(t.whereIs(seven), CardWhere::Table);
    QCOMPARE(t.selects(stripPoint(22)), 0);
    QVERIFY(!t.undoEnabled());

    t.play(29);  // 5 on 6
    t.play(30);  // 6 on 5
    QCOMPARE(t.whereIs(five), CardWhere::Waste);
    QCOMPARE(t.whereIs(six), CardWhere::Waste);
    // Uncovered now, the whole card answers, down to where the 5 lay.
    QCOMPARE(t.selects(QPoint(slotX(22) + 5, slotY(22) + 79)), 22);
    QCOMPARE(t.selects(stripPoint(15)), 0);
    t.click(stripPoint(22));
    QCOMPARE(t.whereIs(seven), CardWhere::Waste);
    // The card above comes fully into view.
    QVERIFY(sameBlock(t.shown(), slotX(15), slotY(15), t.deck[15]));
    QVERIFY(sameBlock(t.shown(), 209, 229, seven));
    QVERIFY(t.messages.calls.isEmpty());
}

void TestGolf::selectionBoundsAreInclusive_data()
{
    // Slot 29 lies at (20, 124); its card reaches x 75 and y 203.
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("selects");
    QTest::newRow("top-left corner") << QPoint(20, 124) << true;
    QTest::newRow("right edge") << QPoint(75, 150) << true;
    QTest::newRow("bottom edge") << QPoint(40, 203) << true;
    QTest::newRow("bottom-right corner") << QPoint(75, 203) << true;
    QTest::newRow("right of it") << QPoint(76, 150) << false;
    QTest::newRow("below it") << QPoint(40, 204) << false;
    QTest::newRow("left of it") << QPoint(19, 150) << false;
}

void TestGolf::selectionBoundsAreInclusive()
{
    QFETCH(QPoint, point);
    QFETCH(bool, selects);
    const int five = cardOf(5, 1);
    GolfTable t(dealWith({{kFirstStockPlace, cardOf(6, 0)}, {29, five}}));
    t.clickDeal();
    t.press(point);
    t.release(kEmptyBoard);
    QCOMPARE(t.whereIs(five) == CardWhere::Waste, selects);
}

void TestGolf::releaseAnywherePlaysTheSelectedCard()
{
    const int five = cardOf(5, 1), four = cardOf(4, 2), nine = cardOf(9, 3);
    GolfTable t(dealWith({{kFirstStockPlace, cardOf(6, 0)}, {29, five}, {30, four}, {35, nine}}));
    t.clickDeal();
    // Released over another card: the 5 still goes to the waste.
    t.press(facePoint(29));
    t.moveHeld(QPoint(200, 10));
    t.release(facePoint(30));
    QCOMPARE(t.whereIs(five), CardWhere::Waste);
    QCOMPARE(t.whereIs(four), CardWhere::Table);

    // Released over the waste: a 9 on a 5 is still refused.
    t.press(facePoint(35));
    t.release(QPoint(236, 260));
    QCOMPARE(t.whereIs(nine), CardWhere::Table);
    QVERIFY(t.undoEnabled());

    t.press(facePoint(30));
    t.release(QPoint(465, 5));
    QCOMPARE(t.whereIs(four), CardWhere::Waste);
    QVERIFY(t.messages.calls.isEmpty());
    QVERIFY(t.conserved());
}

void TestGolf::undoTakesBackTheWholeRun()
{
    // 5 dealt, then 6 7 8 9 10 from the first three columns.
    const std::vector<int> runSlots = {29, 22, 30, 23, 31};
    const std::vector<int> cards = {cardOf(6, 1), cardOf(7, 2), cardOf(8, 3), cardOf(9, 1), cardOf(10, 2)};
    std::map<int, int> placed = {{kFirstStockPlace, cardOf(5, 0)}};
    for (size_t i = 0; i < runSlots.size(); ++i)
        placed[runSlots[i]] = cards[i];
    GolfTable t(dealWith(placed));
    t.clickDeal();
    const QImage afterDeal = t.shown().copy();

    for (int slot : runSlots)
        t.play(slot);
    for (int card : cards)
        QCOMPARE(t.whereIs(card), CardWhere::Waste);
    QCOMPARE(t.selects(facePoint(15)), 15);
    QCOMPARE(t.selects(facePoint(16)), 16);
    QCOMPARE(t.selects(facePoint(24)), 24);
    QVERIFY(t.undoEnabled());

    t.clickUndo();
    for (int card : cards)
        QCOMPARE(t.whereIs(card), CardWhere::Table);
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.dealEnabled());
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 16"));
    QVERIFY(t.shown() == afterDeal);
    // Covered again: only their strips show, and those select nothing.
    for (int slot : {15, 16, 22, 23, 24})
        QCOMPARE(t.selects(stripPoint(slot)), 0);
    QCOMPARE(t.count(CardWhere::Waste), 1);
    QVERIFY(t.conserved());

    // The run can be played again from the start.
    t.play(29);
    QCOMPARE(t.whereIs(cards[0]), CardWhere::Waste);
    QVERIFY(t.messages.calls.isEmpty());
}

void TestGolf::dealForgetsTheRun()
{
    const int six = cardOf(6, 1);
    GolfTable t(dealWith({{kFirstStockPlace, cardOf(5, 0)}, {kFirstStockPlace + 1, cardOf(2, 3)}, {29, six}}));
    t.clickDeal();
    t.play(29);
    QVERIFY(t.undoEnabled());
    t.clickDeal();
    QVERIFY(!t.undoEnabled());
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 15"));
    // Even forced, Undo has nothing left to take back.
    t.window->cmdUndo_Click();
    QCOMPARE(t.whereIs(six), CardWhere::Waste);
    QVERIFY(sameBlock(t.shown(), 209, 229, cardOf(2, 3)));
    QCOMPARE(t.count(CardWhere::Waste), 3);
    QVERIFY(t.conserved());
}

void TestGolf::emptyStockKeepsUndoAndTheKingsBlock()
{
    const int jack = cardOf(11, 1), king = cardOf(13, 2), queen = cardOf(12, 1);
    GolfTable t(dealWith({{52, cardOf(12, 0)}, {29, jack}, {30, king}, {31, queen}}));
    for (int i = 1; i <= 17; ++i) {
        QVERIFY(t.dealEnabled());
        t.clickDeal();
        QCOMPARE(t.label(), QStringLiteral(" Cards Left: %1").arg(17 - i));
    }
    QVERIFY(!t.dealEnabled());
    QCOMPARE(t.count(CardWhere::Stock), 0);

    t.play(29);  // J on the last card, a Q
    QCOMPARE(t.whereIs(jack), CardWhere::Waste);
    QVERIFY(t.undoEnabled());
    QVERIFY(!t.dealEnabled());
    t.clickUndo();
    QCOMPARE(t.whereIs(jack), CardWhere::Table);
    QVERIFY(!t.undoEnabled());
    QVERIFY(!t.dealEnabled());
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 0"));

    // A Deal with nothing left to deal neither lifts the King's block nor
    // makes the run permanent.
    t.play(30);
    QCOMPARE(t.whereIs(king), CardWhere::Waste);
    t.window->cmdDeal_Click();
    QVERIFY(!t.dealEnabled());
    QVERIFY(t.undoEnabled());
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 0"));
    t.play(31);
    QCOMPARE(t.whereIs(queen), CardWhere::Table);
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, kRunEnded);
    t.clickUndo();
    QCOMPARE(t.whereIs(king), CardWhere::Table);
    QVERIFY(sameBlock(t.shown(), 209, 229, cardOf(12, 0)));
    QVERIFY(t.conserved());
}

void TestGolf::gsPlaceCardRefusesCardsThatAreNotFree()
{
    const int six = cardOf(6, 1), four = cardOf(4, 2);
    GolfTable t(dealWith({{kFirstStockPlace, cardOf(5, 0)}, {22, four}, {29, six}}));
    t.clickDeal();
    GameRules* g = t.game();
    bool deal = true, undo = true;
    int left = 16;
    // Covered (the 4 under the 6), out of range, or already played: never taken.
    g->gsPlaceCard(0, 0, 0, 0, 22, 0, deal, undo, left);
    QCOMPARE(t.whereIs(four), CardWhere::Table);
    QVERIFY(deal);
    QVERIFY(!undo);
    g->gsPlaceCard(0, 0, 0, 0, 0, 0, deal, undo, left);
    g->gsPlaceCard(0, 0, 0, 0, 36, 0, deal, undo, left);
    QCOMPARE(t.count(CardWhere::Waste), 1);
    g->gsPlaceCard(0, 0, 0, 0, 29, 0, deal, undo, left);
    QCOMPARE(t.whereIs(six), CardWhere::Waste);
    QVERIFY(undo);
    QCOMPARE(left, 16);
    g->gsPlaceCard(0, 0, 0, 0, 29, 0, deal, undo, left);  // the 6 again, onto itself
    QCOMPARE(t.count(CardWhere::Waste), 2);
    QVERIFY(t.conserved());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestGolf::newStartsAfresh()
{
    const int king = cardOf(13, 1), queen = cardOf(12, 2);
    GolfTable t(dealWith({{kFirstStockPlace, cardOf(12, 0)}, {29, king}, {30, queen}}));
    t.clickDeal();
    t.play(29);  // the run ends on the King
    QVERIFY(t.undoEnabled());

    t.window->mnuGameNew_Click();  // the same rigged deal again
    QVERIFY(t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.label().isEmpty());
    QCOMPARE(t.count(CardWhere::Table), 35);
    QCOMPARE(t.count(CardWhere::Stock), 17);
    t.play(30);
    QVERIFY(t.messages.calls.isEmpty());

    t.clickDeal();
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 16"));
    t.play(29);
    QCOMPARE(t.whereIs(king), CardWhere::Waste);
    QVERIFY(t.messages.calls.isEmpty());
}

void TestGolf::wholeGameToAWin()
{
    // The game by rank: a negative number is a deal of that rank, a positive
    // one a play from the table, taken column by column, bottom card first.
    const std::vector<int> game = {
        -13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 13,  // down the ranks, round to a King
        -5, 6, 7, 8, 9, 10, 11, 12,                     // after the King, a fresh run
        -3, 2, 1, 2, 3, 4,                              //
        -10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 13,             // the 35th card, a King, wins
    };
    std::map<int, int> placed;
    std::array<int, 14> suitsUsed{};
    std::vector<int> order;  // slot of each play, or 0 for a deal
    int plays = 0, deals = 0;
    for (int step : game) {
        const int rank = std::abs(step);
        QVERIFY(suitsUsed[rank] < 4);
        const int card = cardOf(rank, suitsUsed[rank]++);
        if (step < 0) {
            placed[kFirstStockPlace + deals++] = card;
            order.push_back(0);
        } else {
            const int slot = slotOf(5 - plays % 5, plays / 5 + 1);
            ++plays;
            placed[slot] = card;
            order.push_back(slot);
        }
    }
    QCOMPARE(plays, 35);

    GolfTable t(dealWith(placed));
    int played = 0, sinceDeal = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        QVERIFY(!t.window->isFinished());
        if (order[i] == 0) {
            t.clickDeal();
            sinceDeal = 0;
            continue;
        }
        const int card = t.deck[order[i]];
        t.play(order[i]);
        QVERIFY2(t.whereIs(card) == CardWhere::Waste, qPrintable(QStringLiteral("step %1").arg(i)));
        ++played;
        ++sinceDeal;
        // Once, midway through a run: take it back and play it again.
        if (played == 17) {
            t.clickUndo();
            QVERIFY(!t.undoEnabled());
            for (size_t back = i + 1 - static_cast<size_t>(sinceDeal); back <= i; ++back) {
                QCOMPARE(t.whereIs(t.deck[order[back]]), CardWhere::Table);
                t.play(order[back]);
            }
        }
        QVERIFY(t.conserved());
        if (played < 35) {
            QVERIFY(!t.game()->gblnfGameOver());
            QVERIFY(t.undoEnabled());
        }
    }
    QVERIFY(t.game()->gblnfGameOver());
    QVERIFY(t.window->isFinished());
    QCOMPARE(t.label(), QStringLiteral(" Cards Left: 13"));
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, QStringLiteral("You Win!"));
    QCOMPARE(t.messages.calls[0].title, QStringLiteral("Golf"));
    QCOMPARE(t.messages.calls[0].icon, MsgIcon::None);
    QVERIFY(!t.dealEnabled());
    QVERIFY(!t.undoEnabled());
    QCOMPARE(t.count(CardWhere::Table), 0);
    QCOMPARE(t.count(CardWhere::Stock), 13);
    // The board: an empty table, the winning King on the waste.
    QVERIFY(sameBlock(t.shown(), 209, 229, t.deck[order.back()]));
    QVERIFY(!sameBlock(t.shown(), 20, 124, t.deck[29]));
}

QTEST_MAIN(TestGolf)
#include "tst_golf.moc"
