#include "games/clsFourteens.h"

#include "core/board.h"
#include "core/errors.h"
#include "core/msgbox.h"
#include "core/pileplaces.h"

namespace {
constexpr int kColumnStep = kCardWidth + 2;
constexpr int kRowStep = 39;  // each card shows this much of the one above
constexpr int kMargin = 8;
constexpr int kFirstBottomSlot = 45;  // 45..52 are the bottom cards of the deal
constexpr int kPairSize = 2;
const char* const kBadPair = "Total face value of the selected cards has to be 14";
}

clsFourteens::clsFourteens(Board& board)
    : GameRules(board), mintClientRight(471), mintClientBottom(450), mstrTitle(QStringLiteral("Fourteens"))
{
}

void clsFourteens::gsInitVar()
{
    trapErrors("gsInitVar", [&] {
        mSlots.resetCards(true, true);
        for (int s = kFirstBottomSlot; s <= kCardCount; ++s)
            mSlots[s].covered = false;
        mDiscard.clear();
        mPair.clear();
        mintCardsRemoved = 0;
        mintCardsRemaining = kCardCount;
        mblnDealtOut = false;
    });
}

void clsFourteens::gsInitCardPsns()
{
    trapErrors("gsInitCardPsns", [&] {
        for (int s = 1; s <= kCardCount; ++s) {
            const int row = (s - 1) / kColumns;
            const int column = (s - 1) % kColumns;
            mSlots[s].x = static_cast<float>(kMargin + kColumnStep * column);
            mSlots[s].y = static_cast<float>(kMargin + kRowStep * row);
        }
        // Under the middle of the table, one row step below the longest column.
        mDiscardPsn = {mSlots[4].x + 27, mSlots[52].y + kCardHeight + kRowStep};
    });
}

void clsFourteens::gsInitNewGame()
{
    trapErrors("gsInitNewGame", [&] {
        gsShuffleDeck();
        for (int s = 1; s <= kCardCount; ++s)
            mSlots[s].card = gintDeck[s];
        mblnDealtOut = true;
        gsDrawCards();
    });
}

void clsFourteens::gsDrawCards()
{
    trapErrors("gsDrawCards", [&] {
        Board& b = board();
        b.cls();
        mSlots.draw(b);
        mDiscard.drawTop(b, mDiscardPsn.left, mDiscardPsn.top);
        b.presentBoard();
        b.refreshWindow();
    });
}

int clsFourteens::gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence)
{
    Q_UNUSED(ablnMouseDown);
    Q_UNUSED(aintNumCardsInSequence);
    int result = 0;
    trapErrors("gintfGetSelectedCard", [&] {
        if (!mblnDealtOut)
            return;
        result = mSlots.freeSlotAt(asngX, asngY);
    });
    return result;
}

bool clsFourteens::mblnfCardClicked(int aintSlot) const
{
    // Only a free card: a covered one, even in the top row, stays put.
    return mSlots.isFree(aintSlot);
}

bool clsFourteens::mblnfCheckCardValTotal() const { return mPair.rankTotal(mDiscard, false) % 14 == 0; }

void clsFourteens::gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom,
                               int aintCardTo, bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(asngX);
    Q_UNUSED(asngY);
    Q_UNUSED(aintPrevX);
    Q_UNUSED(aintPrevY);
    Q_UNUSED(aintCardTo);
    trapErrors("gsPlaceCard", [&] {
        const int s = aintCardFrom;
        if (!mblnDealtOut || s < 1 || s > kCardCount || mintCardsRemaining < kPairSize || !mblnfCardClicked(s))
            return;
        ablnDealEnabled = false;
        ablnUndoEnabled = true;
        mPair.pick(mDiscard, s, mSlots[s].card);
        mSlots[s].present = false;
        mSlots[s].covered = false;
        if (s > kColumns)
            mSlots[s - kColumns].covered = false;
        gsDrawCards();

        if (mPair.count() < kPairSize)
            return;
        if (mblnfCheckCardValTotal()) {
            ablnUndoEnabled = false;
            mintCardsRemaining -= kPairSize;
            mintCardsRemoved += kPairSize;
            mPair.keep();
            gsDrawCards();
        } else {
            gMsgBox(QString::fromLatin1(kBadPair), mstrTitle, MsgIcon::Exclamation);
            gsUndo(ablnDealEnabled, ablnUndoEnabled, aintCardsLeft);
        }
    });
}

void clsFourteens::gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(ablnDealEnabled);
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsUndo", [&] {
        ablnUndoEnabled = false;
        mPair.giveBack(mDiscard, [&](const PileEntry& e) {
            mSlots[e.source].present = true;
            mSlots[e.source].covered = false;
            if (e.source > kColumns)
                mSlots[e.source - kColumns].covered = true;
        });
        gsDrawCards();
    });
}

bool clsFourteens::gblnfGameOver()
{
    bool won = false;
    trapErrors("gblnfGameOver", [&] { won = mintCardsRemoved == kCardCount; });
    return won;
}

std::vector<CardLocation> clsFourteens::census() const
{
    std::vector<CardLocation> where;
    if (!mblnDealtOut)
        return where;
    mSlots.addToCensus(where);
    for (int d = 1; d <= mDiscard.count(); ++d)
        where.push_back({mDiscard[d].card, CardWhere::Discard});
    return where;
}

TableDescription clsFourteens::placesOnTable() const
{
    TableDescription table;
    if (!mblnDealtOut)
        return table;
    for (int c = 1; c <= kColumns; ++c) {
        table.push_back({QStringLiteral("Column %1").arg(c), CardWhere::Table, {}, {}, false});
        mSlots.describe(table.back(), c, kCardCount, kColumns, [&](int s) { return mblnfCardClicked(s); });
    }
    table.push_back(gplacefTopShownPile(mDiscard, QStringLiteral("Discard pile"), CardWhere::Discard,
                                        mDiscardPsn.left, mDiscardPsn.top));
    return table;
}

std::vector<QPoint> clsFourteens::hotSpots() const { return mSlots.freeSpots(); }
