#include "games/clsPyramid.h"

#include "core/board.h"
#include "core/errors.h"
#include "core/modCards.h"

namespace {
constexpr int kTop = 16;
constexpr int kRowStep = 30;      // each row shows the top 30 pixels of the row above
constexpr int kColumnStep = 64;   // card width plus a 9-pixel gap
constexpr int kHalfStep = 32;     // each row starts half a step left of the one above
constexpr int kFirstBottomSlot = 22;
}

clsPyramid::clsPyramid(Board& board)
    : GameRules(board), mintClientRight(560), mintClientBottom(400), mstrTitle(QStringLiteral("Pyramid"))
{
}

int clsPyramid::gintfRowOf(int aintSlot)
{
    int row = 1;
    while (row < kRows && aintSlot >= gintfFirstSlotOf(row + 1))
        ++row;
    return row;
}

void clsPyramid::gsInitVar()
{
    trapErrors("gsInitVar", [&] {
        mTable.resetCards(true, true);
        for (int s = kFirstBottomSlot; s <= kSlots; ++s)
            mTable[s].covered = false;
        mStock.reset(kSlots);
        mintCardsRemoved = 0;
    });
}

void clsPyramid::gsInitCardPsns()
{
    trapErrors("gsInitCardPsns", [&] {
        // The apex is centred on the board, which may put it on a half pixel.
        const float apexX = static_cast<float>(mintClientRight - kCardWidth) / 2.0f;
        for (int r = 1; r <= kRows; ++r) {
            const float y = static_cast<float>(kTop + (r - 1) * kRowStep);
            const float rowX = apexX - static_cast<float>(kHalfStep * (r - 1));
            for (int i = 0; i < r; ++i) {
                CardSlot& slot = mTable[gintfFirstSlotOf(r) + i];
                slot.x = rowX + static_cast<float>(kColumnStep * i);
                slot.y = y;
            }
        }
        mWastePsn = {static_cast<float>(gintfRoundHalfEven(apexX)), mTable[kSlots].y + kCardHeight + kRowStep};
    });
}

void clsPyramid::gsInitNewGame()
{
    trapErrors("gsInitNewGame", [&] {
        gsShuffleDeck();
        for (int s = 1; s <= kSlots; ++s)
            mTable[s].card = gintDeck[s];
        mStock.markDealtOut();
        gsDrawCards();
    });
}

void clsPyramid::gsDrawCards()
{
    trapErrors("gsDrawCards", [&] {
        Board& b = board();
        b.cls();
        if (mStock.dealtOut()) {
            mTable.draw(b);
            mStock.waste().drawTop(b, mWastePsn.left, mWastePsn.top);
        }
        b.presentBoard();
        b.refreshWindow();
    });
}

int clsPyramid::gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence)
{
    Q_UNUSED(ablnMouseDown);
    Q_UNUSED(aintNumCardsInSequence);
    int result = 0;
    trapErrors("gintfGetSelectedCard", [&] {
        if (!mStock.takesPlays())
            return;
        // The card in front wins; the felt that played supports left bare
        // is passed over too.
        result = mTable.freeSlotAt(asngX, asngY);
    });
    return result;
}

bool clsPyramid::mblnfSupportsGone(int aintSlot) const
{
    const int support = aintSlot + gintfRowOf(aintSlot);
    return !mTable[support].present && !mTable[support + 1].present;
}

void clsPyramid::msUpdateCardStatus(int aintSlot)
{
    const int row = gintfRowOf(aintSlot);
    if (row == 1)
        return;
    for (int z = gintfFirstSlotOf(row - 1); z < gintfFirstSlotOf(row); ++z)
        if (mblnfSupportsGone(z))
            mTable[z].covered = false;
}

// A card given back rests again on the cards of the row above it.
void clsPyramid::msCoverAbove(int aintSlot)
{
    const int row = gintfRowOf(aintSlot);
    if (row == 1)
        return;
    for (int z = gintfFirstSlotOf(row - 1); z < gintfFirstSlotOf(row); ++z) {
        const int support = z + row - 1;
        if (support == aintSlot || support + 1 == aintSlot)
            mTable[z].covered = true;
    }
}

void clsPyramid::gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom,
                             int aintCardTo, bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(asngX);
    Q_UNUSED(asngY);
    Q_UNUSED(aintPrevX);
    Q_UNUSED(aintPrevY);
    Q_UNUSED(aintCardTo);
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsPlaceCard", [&] {
        const int s = aintCardFrom;
        // Only a free card: a stale or forged slot must never take a card twice.
        const bool playable = mTable.contains(s) && mTable.isFree(s)
                              && mStock.fits(mTable[s].card);
        if (playable) {
            ++mintCardsRemoved;
            mTable[s].present = false;
            mStock.play(s, mTable[s].card);
            msUpdateCardStatus(s);
            gsDrawCards();
        }
        mStock.playButtons(ablnDealEnabled, ablnUndoEnabled);
    });
}

bool clsPyramid::gblnfGameOver()
{
    bool won = false;
    trapErrors("gblnfGameOver", [&] { won = mintCardsRemoved == kSlots; });
    return won;
}

void clsPyramid::gsDealCard(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    trapErrors("gsDealCard", [&] {
        mStock.deal(ablnDealEnabled, ablnUndoEnabled, aintCardsLeft);
        gsDrawCards();
    });
}

void clsPyramid::gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsUndo", [&] {
        // Latest play first, so a card whose supports were played in the
        // same run ends up covered again once they are back.
        const bool any = mStock.undoRun(ablnDealEnabled, ablnUndoEnabled, [&](int s) {
            mTable[s].present = true;  // it was free when played, and its supports are still gone
            msCoverAbove(s);
            --mintCardsRemoved;
        });
        if (any)
            gsDrawCards();
    });
}

std::vector<CardLocation> clsPyramid::census() const
{
    std::vector<CardLocation> where;
    if (!mStock.dealtOut())
        return where;
    mTable.addToCensus(where);
    mStock.addToCensus(where);
    return where;
}

TableDescription clsPyramid::placesOnTable() const
{
    TableDescription table;
    if (!mStock.dealtOut())
        return table;
    // Each row is drawn over the one above it.
    for (int r = 1; r <= kRows; ++r) {
        table.push_back({QStringLiteral("Pyramid row %1").arg(r), CardWhere::Table, {}, {}, false});
        mTable.describe(table.back(), gintfFirstSlotOf(r), gintfFirstSlotOf(r) + r - 1, 1,
                        [&](int s) { return mStock.takesPlays() && mTable.isFree(s); });
    }
    mStock.addPlaces(table, mWastePsn.left, mWastePsn.top);
    return table;
}

std::vector<QPoint> clsPyramid::hotSpots() const
{
    return mTable.freeSpots();
}
