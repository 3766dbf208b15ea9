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
        mTable.fill(TableSlot{});
        mWaste.clear();
        mintCardsRemoved = 0;
        mintPlaysSinceDeal = 0;
        mintCardsDealt = kSlots;
        // A King from the last game must not block the next one.
        mblnSequenceEnded = false;
        mblnDealtOut = false;
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
                mPsn[(r - 1) * kColumns + c] = {x, y};
                x += kCardWidth + kColumnGap;
            }
        }
        // The waste sits under the middle column, one row step below the table.
        mPsn[kWasteSlot] = {mPsn[4].x, mPsn[32].y + kCardHeight + rowStep};
    });
}

void clsGolf::gsInitNewGame()
{
    trapErrors("gsInitNewGame", [&] {
        gsShuffleDeck();
        for (int s = 1; s <= kSlots; ++s)
            mTable[s] = {true, gintDeck[s], s < kFirstBottomSlot};
        mblnDealtOut = true;
        gsDrawCards();
    });
}

void clsGolf::gsDrawCards()
{
    trapErrors("gsDrawCards", [&] {
        Board& b = board();
        b.cls();
        for (int s = 1; s <= kSlots; ++s)
            if (mTable[s].present)
                b.drawCard(mTable[s].card, mPsn[s].x, mPsn[s].y);
        mWaste.drawTop(b, mPsn[kWasteSlot].x, mPsn[kWasteSlot].y);
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
        if (mWaste.empty())
            return;
        int candidate = 0;
        // From the bottom row up, so the card in front wins; covered cards
        // are passed over so the one showing beneath the point can be found.
        for (int s = kSlots; s >= 1; --s) {
            if (gblnfCardHit(asngX, asngY, mPsn[s].x, mPsn[s].y, true, 20, 20)
                && gblnfAndNot(mTable[s].present, mTable[s].covered)) {
                candidate = s;
                break;
            }
        }
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

bool clsGolf::mblnfFits(int aintCard) const
{
    if (mWaste.empty())
        return false;
    return gblnfInSequence(mWaste.topCard(), aintCard, true, false, false, false);
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
        const bool playable = s >= 1 && s <= kSlots && gblnfAndNot(mTable[s].present, mTable[s].covered)
                              && !mblnSequenceEnded && mblnfFits(mTable[s].card);
        if (playable) {
            const int card = mTable[s].card;
            mblnSequenceEnded = gintfCardRank(card, false) == 13;
            ++mintPlaysSinceDeal;
            ++mintCardsRemoved;
            mTable[s].present = false;
            mWaste.push(s, card);
            if (s > kColumns)
                mTable[s - kColumns].covered = false;
            gsDrawCards();
        }
        ablnDealEnabled = mblnfCanDeal();
        ablnUndoEnabled = mintPlaysSinceDeal > 0;
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
        const bool dealt = mblnDealtOut && mintCardsDealt < kCardCount;
        if (dealt) {
            ++mintCardsDealt;
            mWaste.push(0, gintDeck[mintCardsDealt]);
        }
        gsDrawCards();
        ablnDealEnabled = mblnfCanDeal();
        aintCardsLeft = kCardCount - mintCardsDealt;
        // Only a real deal starts a fresh run: with the stock spent, a Deal
        // must neither lift a King's block nor lose the run's Undo.
        if (dealt) {
            mblnSequenceEnded = false;
            mintPlaysSinceDeal = 0;
        }
        ablnUndoEnabled = mintPlaysSinceDeal > 0;
    });
}

void clsGolf::gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsUndo", [&] {
        ablnUndoEnabled = false;
        if (mintPlaysSinceDeal > 0) {
            while (mintPlaysSinceDeal > 0) {
                const int s = mWaste.pop().source;
                mTable[s].present = true;
                mTable[s].covered = false;
                if (s > kColumns)
                    mTable[s - kColumns].covered = true;
                --mintCardsRemoved;
                --mintPlaysSinceDeal;
            }
            gsDrawCards();
        }
        ablnDealEnabled = mblnfCanDeal();
        mblnSequenceEnded = false;
    });
}

std::vector<CardLocation> clsGolf::census() const
{
    std::vector<CardLocation> where;
    if (!mblnDealtOut)
        return where;
    for (int s = 1; s <= kSlots; ++s)
        if (mTable[s].present)
            where.push_back({mTable[s].card, CardWhere::Table});
    for (int p = mintCardsDealt + 1; p <= kCardCount; ++p)
        where.push_back({gintDeck[p], CardWhere::Stock});
    for (int w = 1; w <= mWaste.count(); ++w)
        where.push_back({mWaste[w].card, CardWhere::Waste});
    return where;
}

std::vector<QPoint> clsGolf::hotSpots() const
{
    // Only the free cards can be played; the release plays wherever it lands.
    std::vector<QPoint> spots;
    for (int s = 1; s <= kSlots; ++s)
        if (mTable[s].present && !mTable[s].covered)
            spots.push_back({static_cast<int>(mPsn[s].x), static_cast<int>(mPsn[s].y)});
    return spots;
}
