// Beleaguered Castle played through the real game window on fixed deals:
// the deal and the Aces, moves onto rows, foundations and empty rows, Undo,
// the drag itself and a whole game to the win.

#include "core/frmCards.h"
#include "core/gamechoices.h"
#include "core/platform.h"
#include "games/clsBCastle.h"
#include "testsupport.h"
#include "window/boardview.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <map>
#include <memory>
#include <set>

using Deck = std::array<int, 53>;
using DealMoves = std::map<int, int>;  // deal place -> card
Q_DECLARE_METATYPE(Deck)
Q_DECLARE_METATYPE(DealMoves)

namespace {

constexpr int S = 0, H = 1, D = 2, C = 3;

// Cards at the given deal places; unless placed, the Aces lie at 49..52 and
// every other card fills the free places in increasing order.
Deck deckWith(const std::map<int, int>& fixed)
{
    Deck deck{};
    std::set<int> used;
    for (const auto& [place, card] : fixed) {
        deck[place] = card;
        used.insert(card);
    }
    int acePlace = 49;
    for (int suit = S; suit <= C; ++suit) {
        const int ace = cardOf(1, suit);
        if (used.count(ace))
            continue;
        while (deck[acePlace] != 0)
            ++acePlace;
        deck[acePlace] = ace;
        used.insert(ace);
    }
    int place = 1;
    for (int card = 1; card <= 52; ++card) {
        if (used.count(card))
            continue;
        while (deck[place] != 0)
            ++place;
        deck[place] = card;
    }
    return deck;
}

// Row and place that deal place b (1..48) goes to.
std::pair<int, int> rowPlaceOf(int b)
{
    const int row = (b - 1) / 6 + 1;
    return {row, row <= 4 ? 6 * row - b + 1 : b - 6 * (row - 1)};
}

int foundationTop(int k) { return 18 + 95 * (k - 1); }
QPoint foundationCorner(int k) { return {332, foundationTop(k)}; }

// A game window on a rigged deal, with a fresh game dealt.
struct Table {
    MessageRecorder messages;
    RiggedShuffle rig;
    QPointer<frmMain> w;
    clsBCastle* game = nullptr;

    explicit Table(const Deck& deck) : rig(deck)
    {
        w = new frmMain;
        w->msLoadFormVariables(choice::BCastle);
        w->show();
        w->mnuGameNew_Click();
        game = dynamic_cast<clsBCastle*>(w->game());
    }
    ~Table()
    {
        if (w)
            delete w.data();
    }

    const QImage& screen() const { return w->board().windowImage(); }

    void press(QPoint p) { QTest::mousePress(w->picWork(), Qt::LeftButton, {}, p); }
    void move(QPoint p)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(w->picWork()->mapToGlobal(p)), Qt::NoButton,
                      Qt::LeftButton, {});
        QApplication::sendEvent(w->picWork(), &e);
    }
    void release(QPoint p) { QTest::mouseRelease(w->picWork(), Qt::LeftButton, {}, p); }

    int topPlace(int row) const
    {
        for (int p = clsBCastle::kPlaces; p >= 1; --p)
            if (game->gudtfCardPlace(row, p).card != 0)
                return p;
        return 0;
    }
    QPoint topCorner(int row) const
    {
        const CardPlace& c = game->gudtfCardPlace(row, topPlace(row));
        return {qRound(c.left), qRound(c.top)};
    }

    // Drags row's top card so that the dragged image's corner ends on `corner`.
    void drag(int row, QPoint corner)
    {
        const QPoint grab = topCorner(row) + QPoint(20, 30);
        press(grab);
        move((grab + corner + QPoint(20, 30)) / 2);
        move(corner + QPoint(20, 30));
        release(corner + QPoint(20, 30));
    }

    bool undoEnabled() const { return w->cmdUndo()->isEnabled(); }
};

bool showsCard(const QImage& screen, int picture, QPoint corner)
{
    const QImage face = frmCards::imgCard(picture).copy(0, 0, kCardWidth, kCardHeight);
    return screen.copy(corner.x(), corner.y(), kCardWidth, kCardHeight) == face;
}

// Every card once, Aces and whatever was built on them on the foundations.
void verifyConservation(const clsBCastle& game)
{
    const std::vector<CardLocation> cards = game.census();
    QCOMPARE(cards.size(), size_t(52));
    std::set<int> seen;
    int onFoundations = 0;
    for (const CardLocation& c : cards) {
        QVERIFY(c.card >= 1 && c.card <= 52);
        seen.insert(c.card);
        QVERIFY(c.where == CardWhere::Table || c.where == CardWhere::Foundation);
        if (c.where == CardWhere::Foundation)
            ++onFoundations;
    }
    QCOMPARE(seen.size(), size_t(52));
    int counted = 0;
    for (int k = 1; k <= 4; ++k)
        counted += game.gintfFoundationCount(k);
    QCOMPARE(onFoundations, counted);
}

// Rows 1, 2 and 6 hold a suit's Two to Seven, Two on top, so each can be
// emptied onto its foundation in six moves.
Deck emptiableRowsDeck()
{
    std::map<int, int> fixed;
    for (int i = 0; i < 6; ++i) {
        fixed[1 + i] = cardOf(2 + i, H);   // row 1, top first
        fixed[7 + i] = cardOf(2 + i, S);   // row 2
        fixed[36 - i] = cardOf(2 + i, D);  // row 6, top (place 6) first
    }
    return deckWith(fixed);
}

// Tops: row 1 Seven of Hearts, row 2 Six of Clubs, row 3 Two of Spades,
// row 4 Two of Diamonds, row 5 Eight of Spades, row 6 Nine of Diamonds,
// row 7 Three of Spades, row 8 Eight of Hearts.
Deck rulesDeck()
{
    return deckWith({{1, cardOf(7, H)},
                     {7, cardOf(6, C)},
                     {13, cardOf(2, S)},
                     {19, cardOf(2, D)},
                     {30, cardOf(8, S)},
                     {36, cardOf(9, D)},
                     {42, cardOf(3, S)},
                     {48, cardOf(8, H)}});
}

void emptyRowOntoFoundation(Table& t, int row, int foundation)
{
    while (t.topPlace(row) != 0)
        t.drag(row, foundationCorner(foundation));
}
}

class TestBCastle : public QObject {
    Q_OBJECT
private slots:
    void dealForcesAcesOntoFoundations_data();
    void dealForcesAcesOntoFoundations();
    void sevenGoesOnAnyEight_data();
    void sevenGoesOnAnyEight();
    void foundationTakesNextOfSuitWithin20Pixels_data();
    void foundationTakesNextOfSuitWithin20Pixels();
    void cardDroppedWhereItWasReturns();
    void undoOfFoundationMove();
    void pressOnNothingKeepsUndo();
    void emptyRowBandsAndScan();
    void emptyRightRowTakesNearDropAndBand();
    void dropNearOriginFillsEmptyRowOne();
    void undoWithNothingToTakeBack();
    void dragStaysInPlayAreaWithPointerHidden();
    void wholeGameToWin();
};

void TestBCastle::dealForcesAcesOntoFoundations_data()
{
    QTest::addColumn<Deck>("deck");
    // Deal place -> card expected there after the Aces have been moved out.
    QTest::addColumn<DealMoves>("moved");

    QTest::newRow("aces already last, reversed")
        << deckWith({{49, cardOf(1, C)}, {50, cardOf(1, D)}, {51, cardOf(1, H)}, {52, cardOf(1, S)}})
        << DealMoves{};
    // Kings of Spades..Clubs at 49..52 rotate through each Ace's place in
    // turn: the first Ace's place ends with the last King.
    QTest::newRow("aces spread")
        << deckWith({{1, cardOf(1, D)},
                     {12, cardOf(1, S)},
                     {30, cardOf(1, C)},
                     {48, cardOf(1, H)},
                     {49, cardOf(13, S)},
                     {50, cardOf(13, H)},
                     {51, cardOf(13, D)},
                     {52, cardOf(13, C)}})
        << DealMoves{{1, cardOf(13, C)}, {12, cardOf(13, D)}, {30, cardOf(13, H)}, {48, cardOf(13, S)}};
    QTest::newRow("two last, two spread")
        << deckWith({{5, cardOf(1, H)},
                     {20, cardOf(1, S)},
                     {49, cardOf(13, S)},
                     {50, cardOf(1, C)},
                     {51, cardOf(13, H)},
                     {52, cardOf(1, D)}})
        << DealMoves{{5, cardOf(13, H)}, {20, cardOf(13, S)}};
}

void TestBCastle::dealForcesAcesOntoFoundations()
{
    QFETCH(Deck, deck);
    QFETCH(DealMoves, moved);
    Table t(deck);
    QVERIFY(t.game);

    for (int k = 1; k <= 4; ++k) {
        const int ace = cardOf(1, k - 1);  // Spades, Hearts, Diamonds, Clubs from the top
        QCOMPARE(t.game->gintfTopCard(8 + k), ace);
        QCOMPARE(t.game->gintfFoundationCount(k), 1);
        QVERIFY(showsCard(t.screen(), ace, foundationCorner(k)));
    }
    // Every other card in the rows, where the deal puts it.
    for (int b = 1; b <= 48; ++b) {
        const auto [row, place] = rowPlaceOf(b);
        const int expected = moved.count(b) ? moved.at(b) : deck[b];
        QCOMPARE(t.game->gudtfCardPlace(row, place).card, expected);
    }
    verifyConservation(*t.game);

    for (int row = 1; row <= 8; ++row) {
        QCOMPARE(t.topPlace(row), 6);
        const QPoint corner(row <= 4 ? 162 : 502, 18 + 95 * ((row - 1) % 4));
        QCOMPARE(t.topCorner(row), corner);
        QVERIFY(showsCard(t.screen(), t.game->gintfTopCard(row), corner));
        for (int p = 1; p <= 6; ++p) {
            QCOMPARE(t.game->gudtfCardPlace(row, p).covered, p < 6);
            QVERIFY(t.game->gudtfCardPlace(row, p).faceUp);
        }
    }
    // Rows, then foundations; only a row's outer card moves, a left row's covered card shows its right-hand strip.
    const TableDescription table = t.game->describeTable();
    QCOMPARE(table[7].name + table[8].name, QStringLiteral("Row 8Foundation 1"));
    QVERIFY(table[0].cards[5].canPick && table[0].cards[5].canDrop);
    QVERIFY(!table[0].cards[4].canPick && !table[0].cards[4].canDrop);
    QVERIFY(table[8].cards[0].canDrop && !table[8].cards[0].canPick);
    QCOMPARE(table[0].cards[0].shown, QRect(265, 18, 12, kCardHeight));
    QVERIFY(!t.w->cmdDeal()->isEnabled());
    QVERIFY(!t.undoEnabled());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestBCastle::sevenGoesOnAnyEight_data()
{
    QTest::addColumn<int>("targetRow");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("on black Eight") << 5 << true;
    QTest::newRow("on Eight of its own suit") << 8 << true;
    QTest::newRow("on Six") << 2 << false;
    QTest::newRow("on Nine") << 6 << false;
}

void TestBCastle::sevenGoesOnAnyEight()
{
    QFETCH(int, targetRow);
    QFETCH(bool, accepted);
    Table t(rulesDeck());
    const int seven = cardOf(7, H);
    const int underSeven = t.game->gudtfCardPlace(1, 5).card;
    const QPoint targetCorner = t.topCorner(targetRow);

    t.drag(1, targetCorner);

    if (accepted) {
        QCOMPARE(t.topPlace(targetRow), 7);
        QCOMPARE(t.game->gintfTopCard(targetRow), seven);
        // Fanned a further 12 pixels outwards, over the Eight.
        const int step = targetRow <= 4 ? -12 : 12;
        const QPoint corner = targetCorner + QPoint(step, 0);
        QCOMPARE(t.topCorner(targetRow), corner);
        QVERIFY(t.game->gudtfCardPlace(targetRow, 6).covered);
        QVERIFY(showsCard(t.screen(), seven, corner));
        QCOMPARE(t.game->gintfTopCard(1), underSeven);
        QVERIFY(!t.game->gudtfCardPlace(1, 5).covered);
        QVERIFY(t.undoEnabled());
    } else {
        QCOMPARE(t.game->gintfTopCard(1), seven);
        QCOMPARE(t.topPlace(targetRow), 6);
        QVERIFY(!t.game->gudtfCardPlace(1, 6).lifted);
        QVERIFY(showsCard(t.screen(), seven, QPoint(162, 18)));
        QVERIFY(!t.undoEnabled());
    }
    verifyConservation(*t.game);
    QVERIFY(t.messages.calls.isEmpty());
}

void TestBCastle::foundationTakesNextOfSuitWithin20Pixels_data()
{
    QTest::addColumn<int>("fromRow");
    QTest::addColumn<QPoint>("corner");
    QTest::addColumn<int>("toRow");  // 0: refused

    QTest::newRow("Two of Spades on its Ace") << 3 << QPoint(332, 18) << 9;
    QTest::newRow("20 right and below") << 3 << QPoint(352, 38) << 9;
    QTest::newRow("20 left and below") << 3 << QPoint(312, 38) << 9;
    QTest::newRow("21 right") << 3 << QPoint(353, 18) << 0;
    QTest::newRow("21 below") << 3 << QPoint(332, 39) << 0;
    QTest::newRow("Two of Diamonds on Spades") << 4 << QPoint(332, 18) << 0;
    QTest::newRow("Two of Diamonds on its Ace") << 4 << QPoint(340, 200) << 11;
    QTest::newRow("Three of Spades on the Ace") << 7 << QPoint(332, 18) << 0;
    QTest::newRow("Seven 20 off the Eight's corner") << 1 << QPoint(522, 38) << 5;
    QTest::newRow("Seven 21 off the Eight's corner") << 1 << QPoint(523, 18) << 0;
    QTest::newRow("Seven 21 below the Eight") << 1 << QPoint(502, 39) << 0;
}

void TestBCastle::foundationTakesNextOfSuitWithin20Pixels()
{
    QFETCH(int, fromRow);
    QFETCH(QPoint, corner);
    QFETCH(int, toRow);
    Table t(rulesDeck());
    const int card = t.game->gintfTopCard(fromRow);
    const int targetCount = toRow ? t.topPlace(toRow) : 0;

    t.drag(fromRow, corner);

    if (toRow == 0) {
        QCOMPARE(t.game->gintfTopCard(fromRow), card);
        QCOMPARE(t.topPlace(fromRow), 6);
        for (int k = 1; k <= 4; ++k)
            QCOMPARE(t.game->gintfFoundationCount(k), 1);
        QVERIFY(!t.undoEnabled());
    } else {
        QCOMPARE(t.game->gintfTopCard(toRow), card);
        if (toRow > 8)
            QCOMPARE(t.game->gintfFoundationCount(toRow - 8), 2);
        else
            QCOMPARE(t.topPlace(toRow), targetCount + 1);
        QCOMPARE(t.topPlace(fromRow), 5);
        QVERIFY(t.undoEnabled());
    }
    verifyConservation(*t.game);
}

void TestBCastle::cardDroppedWhereItWasReturns()
{
    Table t(rulesDeck());
    // Without a move the drop is looked up at the card's own corner.
    t.press(QPoint(180, 60));
    t.release(QPoint(180, 60));
    QCOMPARE(t.game->gintfTopCard(1), cardOf(7, H));
    QVERIFY(!t.game->gudtfCardPlace(1, 6).lifted);
    QVERIFY(!t.undoEnabled());
    // Dragged away and brought back, likewise.
    t.drag(1, QPoint(165, 20));
    QCOMPARE(t.game->gintfTopCard(1), cardOf(7, H));
    QCOMPARE(t.topPlace(1), 6);
    QVERIFY(showsCard(t.screen(), cardOf(7, H), QPoint(162, 18)));
    QVERIFY(!t.undoEnabled());
    verifyConservation(*t.game);
}

void TestBCastle::undoOfFoundationMove()
{
    Table t(rulesDeck());
    const int two = cardOf(2, S);
    const int underTwo = t.game->gudtfCardPlace(3, 5).card;
    t.drag(3, foundationCorner(1));
    QCOMPARE(t.game->gintfTopCard(9), two);
    QVERIFY(showsCard(t.screen(), two, foundationCorner(1)));
    QVERIFY(showsCard(t.screen(), underTwo, QPoint(174, 208)));
    QVERIFY(t.undoEnabled());

    t.w->cmdUndo_Click();

    QVERIFY(!t.undoEnabled());
    QCOMPARE(t.game->gintfFoundationCount(1), 1);
    QCOMPARE(t.game->gintfTopCard(9), cardOf(1, S));
    QVERIFY(showsCard(t.screen(), cardOf(1, S), foundationCorner(1)));
    QCOMPARE(t.topPlace(3), 6);
    QCOMPARE(t.game->gintfTopCard(3), two);
    QCOMPARE(t.topCorner(3), QPoint(162, 208));
    QVERIFY(t.game->gudtfCardPlace(3, 5).covered);
    QVERIFY(!t.game->gudtfCardPlace(3, 6).covered);
    QVERIFY(showsCard(t.screen(), two, QPoint(162, 208)));
    verifyConservation(*t.game);

    // The Two can go up again, and Undo is then offered again.
    t.drag(3, foundationCorner(1));
    QCOMPARE(t.game->gintfTopCard(9), two);
    QVERIFY(t.undoEnabled());
    QVERIFY(t.messages.calls.isEmpty());
}

void TestBCastle::pressOnNothingKeepsUndo()
{
    Table t(rulesDeck());
    t.drag(3, foundationCorner(1));
    QVERIFY(t.undoEnabled());
    const int shown = gintfCursorDisplayCount();

    // A covered card's visible strip, a foundation's card, bare board.
    for (const QPoint p : {QPoint(225, 40), QPoint(340, 40), QPoint(100, 440)}) {
        t.press(p);
        QCOMPARE(gintfCursorDisplayCount(), shown);
        QVERIFY(t.undoEnabled());
        t.move(p + QPoint(30, 30));
        t.release(p + QPoint(30, 30));
        QVERIFY(t.undoEnabled());
        for (int row = 1; row <= 8; ++row)
            QVERIFY(!t.game->gudtfCardPlace(row, t.topPlace(row)).lifted);
    }
    // The last move is still the one taken back.
    t.w->cmdUndo_Click();
    QCOMPARE(t.game->gintfTopCard(3), cardOf(2, S));
    QCOMPARE(t.game->gintfFoundationCount(1), 1);
    verifyConservation(*t.game);
}

void TestBCastle::emptyRowBandsAndScan()
{
    const int two = cardOf(2, H);
    {
        // Row 2 still dealt: the band beside it has nowhere to put the card.
        Table t(emptiableRowsDeck());
        t.drag(1, QPoint(260, 150));
        QCOMPARE(t.game->gintfTopCard(1), two);
        QCOMPARE(t.topPlace(2), 6);
        QVERIFY(!t.undoEnabled());
        verifyConservation(*t.game);
    }
    {
        Table t(emptiableRowsDeck());
        emptyRowOntoFoundation(t, 2, 1);
        QCOMPARE(t.game->gintfTopCard(9), cardOf(7, S));
        QVERIFY(t.undoEnabled());
        // No place lies within 20 pixels of (260, 150): the band finds row 2.
        t.drag(1, QPoint(260, 150));
        QCOMPARE(t.topPlace(2), 1);
        QCOMPARE(t.game->gintfTopCard(2), two);
        QCOMPARE(t.topCorner(2), QPoint(222, 113));
        QVERIFY(showsCard(t.screen(), two, QPoint(222, 113)));
        QCOMPARE(t.topPlace(1), 5);
        QVERIFY(!t.undoEnabled());
        verifyConservation(*t.game);
    }
    {
        Table t(emptiableRowsDeck());
        emptyRowOntoFoundation(t, 2, 1);
        // Near row 2's place 1 (222, 113): a real target, so undoable.
        t.drag(1, QPoint(230, 100));
        QCOMPARE(t.game->gintfTopCard(2), two);
        QCOMPARE(t.topCorner(2), QPoint(222, 113));
        QVERIFY(t.undoEnabled());
        t.w->cmdUndo_Click();
        QCOMPARE(t.topPlace(2), 0);
        QVERIFY(!t.game->gudtfCardPlace(2, 1).present);
        QCOMPARE(t.game->gintfTopCard(1), two);
        QCOMPARE(t.topCorner(1), QPoint(162, 18));
        QVERIFY(t.game->gudtfCardPlace(1, 5).covered);
        QVERIFY(showsCard(t.screen(), two, QPoint(162, 18)));
        verifyConservation(*t.game);
        // The emptied row still takes a card.
        t.drag(1, QPoint(222, 113));
        QCOMPARE(t.game->gintfTopCard(2), two);
    }
}

void TestBCastle::emptyRightRowTakesNearDropAndBand()
{
    Table t(emptiableRowsDeck());
    emptyRowOntoFoundation(t, 6, 3);
    QCOMPARE(t.game->gintfTopCard(11), cardOf(7, D));
    const int two = cardOf(2, H);
    const TablePlace rowSix = t.game->describeTable()[5];
    QVERIFY(rowSix.emptyCanDrop && rowSix.empty == QRect(442, 113, kCardWidth, kCardHeight));

    t.drag(1, QPoint(455, 125));
    QCOMPARE(t.game->gintfTopCard(6), two);
    QCOMPARE(t.topCorner(6), QPoint(442, 113));
    QVERIFY(t.undoEnabled());
    t.w->cmdUndo_Click();
    QCOMPARE(t.topPlace(6), 0);
    QCOMPARE(t.game->gintfTopCard(1), two);

    // Beside the foundations, away from every place: the right band.
    t.drag(1, QPoint(480, 150));
    QCOMPARE(t.game->gintfTopCard(6), two);
    QCOMPARE(t.topCorner(6), QPoint(442, 113));
    QVERIFY(!t.undoEnabled());
    // A card then builds outwards from it.
    verifyConservation(*t.game);
    QVERIFY(t.messages.calls.isEmpty());
}

void TestBCastle::dropNearOriginFillsEmptyRowOne()
{
    Table t(emptiableRowsDeck());
    emptyRowOntoFoundation(t, 1, 2);
    QCOMPARE(t.game->gintfTopCard(10), cardOf(7, H));
    const int two = cardOf(2, S);

    // Places that never held a card answer for the board's corner.
    t.drag(2, QPoint(12, 15));
    QCOMPARE(t.topPlace(1), 1);
    QCOMPARE(t.game->gintfTopCard(1), two);
    QCOMPARE(t.topCorner(1), QPoint(222, 18));
    QVERIFY(showsCard(t.screen(), two, QPoint(222, 18)));
    QVERIFY(t.undoEnabled());
    verifyConservation(*t.game);
}

void TestBCastle::undoWithNothingToTakeBack()
{
    Table t(rulesDeck());
    const std::vector<CardLocation> before = t.game->census();
    // Straight after the deal, and a second time after an Undo.
    t.w->cmdUndo_Click();
    t.drag(3, foundationCorner(1));
    t.w->cmdUndo_Click();
    t.w->cmdUndo_Click();
    QVERIFY(t.messages.errors().isEmpty());
    QCOMPARE(t.game->gintfFoundationCount(1), 1);
    QCOMPARE(t.game->gintfTopCard(3), cardOf(2, S));
    const std::vector<CardLocation> after = t.game->census();
    QCOMPARE(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i)
        QCOMPARE(after[i].card, before[i].card);
}

void TestBCastle::dragStaysInPlayAreaWithPointerHidden()
{
    Table t(rulesDeck());
    QCOMPARE(t.w->playBottom(), 400);
    QCOMPARE(t.w->playRight(), 720);
    const int seven = cardOf(7, H);
    const int underSeven = t.game->gudtfCardPlace(1, 5).card;
    const int shown = gintfCursorDisplayCount();

    t.press(QPoint(172, 40));  // grabbed 10 right and 22 below the corner
    QVERIFY(gintfCursorDisplayCount() < shown);

    t.move(QPoint(400, 300));
    QCOMPARE(t.w->dragPosition(), QPoint(390, 278));
    QVERIFY(showsCard(t.screen(), seven, QPoint(390, 278)));
    // Lifted out of its row: the card it lay on shows whole.
    QVERIFY(showsCard(t.screen(), underSeven, QPoint(174, 18)));

    const QPoint sweep[] = {{710, 465}, {719, 10}, {300, 469}, {-40, -40}, {700, 200}, {50, 460}, {900, 900}};
    for (const QPoint p : sweep) {
        t.move(p);
        const QPoint at = t.w->dragPosition();
        QVERIFY2(at.x() >= 0 && at.y() >= 0, qPrintable(QStringLiteral("%1,%2").arg(at.x()).arg(at.y())));
        QVERIFY(at.x() + kCardWidth <= 720);
        QVERIFY(at.y() + kCardHeight <= 400);
        QVERIFY(showsCard(t.screen(), seven, at));
        QVERIFY(gintfCursorDisplayCount() < shown);
    }
    t.move(QPoint(710, 465));
    QCOMPARE(t.w->dragPosition(), QPoint(665, 321));
    t.move(QPoint(-40, -40));
    QCOMPARE(t.w->dragPosition(), QPoint(0, 0));

    t.release(QPoint(-40, -40));
    QCOMPARE(gintfCursorDisplayCount(), shown);
    QCOMPARE(t.game->gintfTopCard(1), seven);
    QVERIFY(showsCard(t.screen(), seven, QPoint(162, 18)));
    verifyConservation(*t.game);
}

void TestBCastle::wholeGameToWin()
{
    // Each suit's Two to Seven in one row and Eight to King in the next, the
    // lowest card on top; Aces last in no particular order.
    std::map<int, int> fixed;
    for (int suit = S; suit <= C; ++suit)
        for (int i = 0; i < 6; ++i) {
            if (suit < D) {
                fixed[12 * suit + 1 + i] = cardOf(2 + i, suit);
                fixed[12 * suit + 7 + i] = cardOf(8 + i, suit);
            } else {
                const int base = 24 + 12 * (suit - D);
                fixed[base + 6 - i] = cardOf(2 + i, suit);
                fixed[base + 12 - i] = cardOf(8 + i, suit);
            }
        }
    fixed[49] = cardOf(1, C);
    fixed[50] = cardOf(1, H);
    fixed[51] = cardOf(1, S);
    fixed[52] = cardOf(1, D);
    Table t(deckWith(fixed));

    int moves = 0;
    for (int suit = S; suit <= C; ++suit)
        for (int row = 2 * suit + 1; row <= 2 * suit + 2; ++row)
            while (t.topPlace(row) != 0) {
                QVERIFY(!t.game->gblnfGameOver());
                t.drag(row, foundationCorner(suit + 1));
                ++moves;
                QCOMPARE(t.game->gintfFoundationCount(suit + 1), 1 + (row - 2 * suit - 1) * 6 + (6 - t.topPlace(row)));
                verifyConservation(*t.game);
            }
    QCOMPARE(moves, 48);

    QVERIFY(t.game->gblnfGameOver());
    QVERIFY(t.w->isFinished());
    QCOMPARE(t.messages.calls.size(), 1);
    QCOMPARE(t.messages.calls[0].text, QStringLiteral("You Win!"));
    QCOMPARE(t.messages.calls[0].title, QStringLiteral("Beleaguered Castle"));
    QCOMPARE(t.messages.calls[0].icon, MsgIcon::None);
    QVERIFY(!t.undoEnabled());
    QVERIFY(!t.w->cmdDeal()->isEnabled());
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(t.game->gintfFoundationCount(k), 13);
        QVERIFY(showsCard(t.screen(), cardOf(13, k - 1), foundationCorner(k)));
    }
    // The finished board ignores the pointer.
    const int shown = gintfCursorDisplayCount();
    t.press(QPoint(350, 40));
    QCOMPARE(gintfCursorDisplayCount(), shown);
    t.release(QPoint(350, 40));
    QCOMPARE(t.messages.calls.size(), 1);
}

QTEST_MAIN(TestBCastle)
#include "tst_bcastle.moc"
