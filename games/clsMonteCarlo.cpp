#include "games/clsMonteCarlo.h"

#include "core/board.h"
#include "core/errors.h"
#include "core/modCards.h"
#include "core/msgbox.h"
#include "core/pileplaces.h"

#include <cstdlib>

namespace {
constexpr int kLeft = 120;
constexpr int kTop = 8;
constexpr int kGap = 8;
constexpr int kDiscardX = 32;
constexpr int kDiscardY = 356;
constexpr int kGoodPair = 0;
constexpr int kNoMatch = 1;
constexpr int kNotNeighbours = 2;
}

clsMonteCarlo::clsMonteCarlo(Board& board)
    : GameRules(board), mintClientRight(540), mintClientBottom(446), mstrTitle(QStringLiteral("Monte Carlo"))
{
}

void clsMonteCarlo::gsInitVar()
{
    trapErrors("gsInitVar", [&] {
        mGrid.resetCards(false, false);
        mDiscard.clear();
        mintTakenSinceDeal = 0;
        mintDiscardAtLastDeal = 0;
        mintCardsDealt = kCells;
        mintCardsOnGrid = kCells;
        mintTaken = 0;
        mblnDealtOut = false;
    });
}

void clsMonteCarlo::gsInitCardPsns()
{
    trapErrors("gsInitCardPsns", [&] {
        for (int r = 1; r <= kSide; ++r)
            for (int c = 1; c <= kSide; ++c) {
                CardSlot& cell = mGrid[(r - 1) * kSide + c];
                cell.x = static_cast<float>(kLeft + (kCardWidth + kGap) * (c - 1));
                cell.y = static_cast<float>(kTop + (kCardHeight + kGap) * (r - 1));
            }
        mDiscardPsn = {kDiscardX, kDiscardY};
    });
}

void clsMonteCarlo::gsInitNewGame()
{
    trapErrors("gsInitNewGame", [&] {
        gsShuffleDeck();
        for (int i = 1; i <= kCells; ++i) {
            mGrid[i].present = true;
            mGrid[i].card = gintDeck[i];
        }
        mblnDealtOut = true;
        gsDrawCards();
    });
}

void clsMonteCarlo::gsDrawCards()
{
    trapErrors("gsDrawCards", [&] {
        Board& b = board();
        b.cls();
        mGrid.draw(b);
        mDiscard.drawTop(b, mDiscardPsn.left, mDiscardPsn.top);
        b.presentBoard();
        b.refreshWindow();
    });
}

// A card taken by a press whose release never came goes back to its cell.
void clsMonteCarlo::msGiveBackTaken()
{
    if (mintTaken == 0)
        return;
    mGrid[mintTaken].present = true;
    mintTaken = 0;
}

int clsMonteCarlo::gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence)
{
    Q_UNUSED(ablnMouseDown);
    Q_UNUSED(aintNumCardsInSequence);
    int result = 0;
    trapErrors("gintfGetSelectedCard", [&] {
        msGiveBackTaken();
        const int i = mGrid.freeSlotAt(asngX, asngY);
        if (i != 0) {
            // Off the grid at once; the board changes only on the release.
            mGrid[i].present = false;
            mintTaken = i;
            result = i;
        }
    });
    return result;
}

int clsMonteCarlo::mintfCheckCard() const
{
    const PileEntry& first = mDiscard[mDiscard.count() - 1];
    const PileEntry& second = mDiscard[mDiscard.count()];
    const int d = std::abs(first.source - second.source);
    const int rowsApart = std::abs(gintfRowOf(first.source) - gintfRowOf(second.source));
    // Row numbers keep the end of one row from touching the start of the next.
    const bool neighbours = (d == 1 && rowsApart == 0) || d == kSide
                            || ((d == kSide - 1 || d == kSide + 1) && rowsApart == 1);
    if (!neighbours)
        return kNotNeighbours;
    return gintfCardRank(first.card, false) == gintfCardRank(second.card, false) ? kGoodPair : kNoMatch;
}

void clsMonteCarlo::msGiveBackTop()
{
    mGrid[mDiscard.pop().source].present = true;
    --mintTakenSinceDeal;
    ++mintCardsOnGrid;
}

void clsMonteCarlo::gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom,
                                int aintCardTo, bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(asngX);
    Q_UNUSED(asngY);
    Q_UNUSED(aintPrevX);
    Q_UNUSED(aintPrevY);
    Q_UNUSED(aintCardTo);
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsPlaceCard", [&] {
        // Only the card the press took: a stale or forged cell must never
        // put a card on the pile that is still on the grid.
        if (aintCardFrom == 0 || aintCardFrom != mintTaken)
            return;
        const int s = mintTaken;
        mintTaken = 0;
        ablnUndoEnabled = true;
        ++mintTakenSinceDeal;
        --mintCardsOnGrid;
        mDiscard.push(s, mGrid[s].card);
        if (mDiscard.count() % 2 == 1) {
            ablnDealEnabled = false;
            gsDrawCards();
            return;
        }
        const int check = mintfCheckCard();
        if (check == kGoodPair) {
            gsDrawCards();
            ablnDealEnabled = true;
            return;
        }
        gMsgBox(check == kNoMatch ? QStringLiteral("Cards don't match!") : QStringLiteral("Cards not neighbors!"),
                QStringLiteral("Monte Carlo"), MsgIcon::Information);
        msGiveBackTop();
        msGiveBackTop();
        gsDrawCards();
        ablnDealEnabled = mintTakenSinceDeal > 0 && mintTakenSinceDeal % 2 == 0;
        ablnUndoEnabled = mintTakenSinceDeal > 0;
    });
}

bool clsMonteCarlo::gblnfGameOver()
{
    bool won = false;
    trapErrors("gblnfGameOver", [&] { won = mDiscard.count() == kCardCount; });
    return won;
}

void clsMonteCarlo::msMoveCards()
{
    int last = kCells;
    while (last > 1 && !mGrid[last].present)
        --last;
    int i = 1;
    while (i <= last) {
        while (i <= last && mGrid[i].present)
            ++i;
        int j = i + 1;
        while (j <= last && !mGrid[j].present)
            ++j;
        if (i > last || j > last)
            break;
        mGrid[i].present = true;
        mGrid[i].card = mGrid[j].card;
        mGrid[j].present = false;
        ++i;
    }
}

void clsMonteCarlo::msFillTable()
{
    int i = 1;
    while (i <= kCells && mGrid[i].present)
        ++i;
    for (; i <= kCells && mintCardsDealt < kCardCount; ++i) {
        ++mintCardsDealt;
        mGrid[i].present = true;
        mGrid[i].card = gintDeck[mintCardsDealt];
        ++mintCardsOnGrid;
    }
}

void clsMonteCarlo::gsDealCard(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    trapErrors("gsDealCard", [&] {
        msGiveBackTaken();
        if (mblnDealtOut) {
            // A deal never keeps half a pair: the lone card goes back first.
            if (mDiscard.count() % 2 == 1 && mDiscard.count() > mintDiscardAtLastDeal)
                msGiveBackTop();
            mintDiscardAtLastDeal = mDiscard.count();
            msMoveCards();
            msFillTable();
        }
        gsDrawCards();
        ablnDealEnabled = false;
        ablnUndoEnabled = false;
        aintCardsLeft = kCardCount - mintCardsDealt;
        mintTakenSinceDeal = 0;
    });
}

void clsMonteCarlo::gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsUndo", [&] {
        msGiveBackTaken();
        ablnUndoEnabled = false;
        if (mDiscard.count() != mintDiscardAtLastDeal) {
            while (mDiscard.count() > mintDiscardAtLastDeal)
                msGiveBackTop();
            gsDrawCards();
        }
        if (mintCardsDealt == kCardCount || mintCardsOnGrid == kCells)
            ablnDealEnabled = false;
        mintDiscardAtLastDeal = mDiscard.count();
    });
}

std::vector<CardLocation> clsMonteCarlo::census() const
{
    std::vector<CardLocation> where;
    if (!mblnDealtOut)
        return where;
    // The card a press has taken is still on the grid until it is discarded.
    for (int i = 1; i <= kCells; ++i)
        if (mGrid[i].present || i == mintTaken)
            where.push_back({mGrid[i].card, CardWhere::Table});
    for (int p = mintCardsDealt + 1; p <= kCardCount; ++p)
        where.push_back({gintDeck[p], CardWhere::Stock});
    for (int e = 1; e <= mDiscard.count(); ++e)
        where.push_back({mDiscard[e].card, CardWhere::Discard});
    return where;
}

TableDescription clsMonteCarlo::placesOnTable() const
{
    TableDescription table;
    if (!mblnDealtOut)
        return table;
    // A card a press has taken stays in its row, not drawn, until the
    // release discards it.
    for (int r = 1; r <= kSide; ++r) {
        table.push_back({QStringLiteral("Row %1").arg(r), CardWhere::Table, {}, {}, false});
        mGrid.describe(table.back(), (r - 1) * kSide + 1, r * kSide, 1, [&](int i) { return mGrid.isFree(i); },
                       mintTaken);
    }
    table.push_back(gplacefTopShownPile(mDiscard, QStringLiteral("Discard pile"), CardWhere::Discard,
                                        mDiscardPsn.left, mDiscardPsn.top));
    table.push_back(gplacefUnshownStock(mintCardsDealt));
    return table;
}

std::vector<QPoint> clsMonteCarlo::hotSpots() const { return mGrid.freeSpots(); }
