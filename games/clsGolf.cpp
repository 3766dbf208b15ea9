#include "games/clsGolf.h"

#include "core/board.h"
#include "core/errors.h"
#include "core/modCards.h"
#include "core/msgbox.h"

#include <cmath>

namespace {
constexpr int kRows = 5;
constexpr int kMargin = 20;
constexpr int kColumnGap = 8;
constexpr int kFirstBottomSlot = 29;
const char* const kSequenceEnded = "Current sequence has ended.  Please click the Deal button for the next card.";
}

clsGolf::clsGolf(Board& board)
    : GameRules(board), mintClientRight(470), mintClientBottom(320), mstrTitle(QStringLiteral("Golf"))
{
}

void clsGolf::gsInitVar()
{
    trapErrors("gsInitVar", [&] {
        mTable.resetCards(false, false);
        mStock.reset(kSlots);
        mintCardsRemoved = 0;
        // A King from the last game must not block the next one.
        mblnSequenceEnded = false;
    });
}

void clsGolf::gsInitCardPsns()
{
    trapErrors("gsInitCardPsns", [&] {
        // Each row shows the top third of the card it lies on.
        const int rowStep = static_cast<int>(std::lround(kCardHeight / 3.0));
        for (int r = 1; r <= kRows; ++r) {
            float x = kMargin;
            const float y = static_cast<float>(kMargin + (r - 1) * rowStep);
            for (int c = 1; c <= kColumns; ++c) {
                CardSlot& slot = mTable[(r - 1) * kColumns + c];
                slot.x = x;
                slot.y = y;
                x += kCardWidth + kColumnGap;
            }
        }
        // The waste sits under the middle column, one row step below the table.
        mWastePsn = {mTable[4].x, mTable[32].y + kCardHeight + rowStep};
    });
}

void clsGolf::gsInitNewGame()
{
    trapErrors("gsInitNewGame", [&] {
        gsShuffleDeck();
        for (int s = 1; s <= kSlots; ++s) {
            mTable[s].present = true;
            mTable[s].card = gintDeck[s];
            mTable[s].covered = s < kFirstBottomSlot;
        }
        mStock.markDealtOut();
        gsDrawCards();
    });
}

void clsGolf::gsDrawCards()
{
    trapErrors("gsDrawCards", [&] {
        Board& b = board();
        b.cls();
        mTable.draw(b);
        mStock.waste().drawTop(b, mWastePsn.left, mWastePsn.top);
        b.presentBoard();
        b.refreshWindow();
    });
}

int clsGolf::gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence)
{
    Q_UNUSED(ablnMouseDown);
    Q_UNUSED(aintNumCardsInSequence);
    int result = 0;
    trapErrors("gintfGetSelectedCard", [&] {
        if (!mStock.takesPlays())
            return;
        const int candidate = mTable.freeSlotAt(asngX, asngY);
        if (candidate == 0)
            return;
        if (mblnSequenceEnded) {
            gMsgBox(QString::fromLatin1(kSequenceEnded), QStringLiteral("Quillet"), MsgIcon::None);
            return;
        }
        result = candidate;
    });
    return result;
}

void clsGolf::gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom, int aintCardTo,
                          bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(asngX);
    Q_UNUSED(asngY);
    Q_UNUSED(aintPrevX);
    Q_UNUSED(aintPrevY);
    Q_UNUSED(aintCardTo);
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsPlaceCard", [&] {
        const int s = aintCardFrom;
        // Only a free card, and never once a King has ended the run: a stale
        // or forged slot must not take a card twice or play past the King.
        const bool playable = mTable.contains(s) && mTable.isFree(s)
                              && !mblnSequenceEnded && mStock.fits(mTable[s].card);
        if (playable) {
            const int card = mTable[s].card;
            mblnSequenceEnded = gintfCardRank(card, false) == 13;
            ++mintCardsRemoved;
            mTable[s].present = false;
            mStock.play(s, card);
            if (s > kColumns)
                mTable[s - kColumns].covered = false;
            gsDrawCards();
        }
        mStock.playButtons(ablnDealEnabled, ablnUndoEnabled);
    });
}

bool clsGolf::gblnfGameOver()
{
    bool won = false;
    trapErrors("gblnfGameOver", [&] { won = mintCardsRemoved == kSlots; });
    return won;
}

void clsGolf::gsDealCard(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    trapErrors("gsDealCard", [&] {
        // Only a real deal lifts a King's block: with the stock spent, the
        // run goes on as it was.
        if (mStock.deal(ablnDealEnabled, ablnUndoEnabled, aintCardsLeft))
            mblnSequenceEnded = false;
        gsDrawCards();
    });
}

void clsGolf::gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsUndo", [&] {
        const bool any = mStock.undoRun(ablnDealEnabled, ablnUndoEnabled, [&](int s) {
            mTable[s].present = true;
            mTable[s].covered = false;
            if (s > kColumns)
                mTable[s - kColumns].covered = true;
            --mintCardsRemoved;
        });
        if (any)
            gsDrawCards();
        mblnSequenceEnded = false;
    });
}

std::vector<CardLocation> clsGolf::census() const
{
    std::vector<CardLocation> where;
    if (!mStock.dealtOut())
        return where;
    mTable.addToCensus(where);
    mStock.addToCensus(where);
    return where;
}

TableDescription clsGolf::placesOnTable() const
{
    TableDescription table;
    if (!mStock.dealtOut())
        return table;
    // A free card answers a press unless the run has ended on a King.
    const bool selecting = mStock.takesPlays() && !mblnSequenceEnded;
    for (int c = 1; c <= kColumns; ++c) {
        table.push_back({QStringLiteral("Column %1").arg(c), CardWhere::Table, {}, {}, false});
        mTable.describe(table.back(), c, kSlots, kColumns, [&](int s) { return selecting && mTable.isFree(s); });
    }
    mStock.addPlaces(table, mWastePsn.left, mWastePsn.top);
    return table;
}

std::vector<QPoint> clsGolf::hotSpots() const
{
    return mTable.freeSpots();
}
