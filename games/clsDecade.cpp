#include "games/clsDecade.h"

#include "core/board.h"
#include "core/errors.h"
#include "core/msgbox.h"
#include "core/pileplaces.h"

namespace {
constexpr int kRowStep = 12;  // each card leaves the one before it this much showing
constexpr float kRowTop = 30;
constexpr float kDiscardLeft = 12;
constexpr float kDiscardTop = 135;
const char* const kBadTotal = "Total face value of the selected cards has to be 10, 20, or 30.";
}

clsDecade::clsDecade(Board& board)
    : GameRules(board), mintClientRight(697), mintClientBottom(240), mstrTitle(QStringLiteral("Decade"))
{
}

void clsDecade::gsInitVar()
{
    trapErrors("gsInitVar", [&] {
        for (RowSlot& slot : mRow)
            slot = {false, 0, slot.left, slot.top, false, false};
        mDiscard.clear();
        mPick.clear();
        mintRowCount = 0;
        mintDealt = 0;
        mintDiscarded = 0;
        mblnShuffled = false;
    });
}

void clsDecade::gsInitCardPsns()
{
    trapErrors("gsInitCardPsns", [&] {
        for (int i = 1; i <= kCardCount; ++i) {
            mRow[i].left = static_cast<float>(kRowStep * i);
            mRow[i].top = kRowTop;
        }
        mRow[kDiscardSlot].left = kDiscardLeft;
        mRow[kDiscardSlot].top = kDiscardTop;
    });
}

void clsDecade::gsInitNewGame()
{
    // The row starts empty: the first Deal lays its first card.
    trapErrors("gsInitNewGame", [&] {
        gsShuffleDeck();
        mblnShuffled = true;
    });
}

void clsDecade::gsDrawCards()
{
    trapErrors("gsDrawCards", [&] {
        Board& b = board();
        b.cls();
        for (int i = 1; i <= mintRowCount; ++i)
            if (mRow[i].present)
                b.drawCard(mRow[i].card, mRow[i].left, mRow[i].top);
        mDiscard.drawTop(b, mRow[kDiscardSlot].left, mRow[kDiscardSlot].top);
        b.presentBoard();
        b.refreshWindow();
    });
}

void clsDecade::gsDealCard(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    trapErrors("gsDealCard", [&] {
        // Never in the middle of a pick: the new card would join a row whose
        // ends are being taken.
        if (mblnShuffled && mblnfStockLeft() && !mPick.underWay()) {
            ++mintRowCount;
            ++mintDealt;
            RowSlot& slot = mRow[mintRowCount];
            slot.present = true;
            slot.card = gintDeck[mintDealt];
            slot.hasRight = false;
            slot.hasLeft = mintRowCount > 1;
            if (mintRowCount > 1)
                mRow[mintRowCount - 1].hasRight = true;
        }
        gsDrawCards();
        ablnDealEnabled = mblnfStockLeft() && !mPick.underWay();
        ablnUndoEnabled = mPick.underWay();
        aintCardsLeft = kCardCount - mintDealt;
    });
}

int clsDecade::gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence)
{
    Q_UNUSED(ablnMouseDown);
    Q_UNUSED(aintNumCardsInSequence);
    int result = 0;
    trapErrors("gintfGetSelectedCard", [&] {
        // From the right: the card in front wins where cards overlap.
        for (int i = mintRowCount; i >= 1; --i) {
            if (mRow[i].present && gblnfCardHit(asngX, asngY, mRow[i].left, mRow[i].top, true, 20, 20)) {
                result = i;
                return;
            }
        }
    });
    return result;
}

bool clsDecade::mblnfCardClicked(int aintSlot) const
{
    const RowSlot& slot = mRow[aintSlot];
    return slot.present && (!slot.hasLeft || !slot.hasRight);
}

// A click on the card of slot s takes it off the row: an end card once the
// row holds three, or the very last card of the pack.
bool clsDecade::mblnfPickAllowed(int aintSlot) const
{
    const bool inRow = aintSlot >= 1 && aintSlot <= mintRowCount && mRow[aintSlot].present;
    return inRow && (mblnfLastCard() || (mintRowCount >= kPickSize && mblnfCardClicked(aintSlot)));
}

bool clsDecade::mblnfCheckCardValTotal() const { return mPick.rankTotal(mDiscard, true) % 10 == 0; }

void clsDecade::gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom, int aintCardTo,
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
        const bool lastCard = mblnfLastCard();
        if (!mblnfPickAllowed(s)) {
            // Too few cards to pick from: the player needs to deal, if
            // there is anything left to deal.
            if (mintRowCount < kPickSize && !mPick.underWay() && mblnfStockLeft())
                ablnDealEnabled = true;
            return;
        }
        ablnDealEnabled = false;
        ablnUndoEnabled = true;
        mPick.pick(mDiscard, s, mRow[s].card);
        mRow[s].present = false;
        mRow[s].hasLeft = false;
        mRow[s].hasRight = false;
        gsDrawCards();
        if (s < kCardCount)
            mRow[s + 1].hasLeft = false;
        if (s > 1)
            mRow[s - 1].hasRight = false;

        if (mPick.count() < kPickSize && !lastCard)
            return;
        if (mblnfCheckCardValTotal()) {
            ablnUndoEnabled = false;
            mintDiscarded += mPick.count();
            mintRowCount -= mPick.count();
            mPick.keep();
            msUpdateCardStatus();
            gsDrawCards();
            if (mblnfStockLeft())
                ablnDealEnabled = true;
        } else {
            gMsgBox(QString::fromLatin1(kBadTotal), mstrTitle, MsgIcon::Exclamation);
            gsUndo(ablnDealEnabled, ablnUndoEnabled, aintCardsLeft);
        }
    });
}

void clsDecade::msUpdateCardStatus()
{
    // Close the row up to the left over the cards that went from its left end.
    int first = 1;
    while (first <= kCardCount && !mRow[first].present)
        ++first;
    if (first >= 2 && first <= kCardCount && mRow[first].present) {
        for (int k = 1; k <= mintRowCount; ++k) {
            RowSlot& to = mRow[k];
            to.card = mRow[first + k - 1].card;
            to.present = true;
            to.hasLeft = k > 1;
            to.hasRight = k < mintRowCount;
        }
    }
    // Slots past the row's end keep stale contents; make sure none counts.
    for (int k = mintRowCount + 1; k <= kCardCount; ++k)
        mRow[k].present = false;
    if (mintRowCount >= 1)
        mRow[mintRowCount].hasRight = false;
}

void clsDecade::gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsUndo", [&] {
        ablnUndoEnabled = false;
        mPick.giveBack(mDiscard, [&](const PileEntry& e) { mRow[e.source].present = true; });
        for (int i = 1; i <= mintRowCount; ++i) {
            mRow[i].hasRight = i < mintRowCount;
            mRow[i].hasLeft = i > 1;
        }
        gsDrawCards();
        ablnDealEnabled = mblnfStockLeft();
    });
}

bool clsDecade::gblnfGameOver()
{
    bool won = false;
    trapErrors("gblnfGameOver", [&] { won = mintDiscarded == kCardCount; });
    return won;
}

std::vector<CardLocation> clsDecade::census() const
{
    std::vector<CardLocation> where;
    if (!mblnShuffled)
        return where;
    for (int i = 1; i <= mintRowCount; ++i)
        if (mRow[i].present)
            where.push_back({mRow[i].card, CardWhere::Table});
    for (int p = mintDealt + 1; p <= kCardCount; ++p)
        where.push_back({gintDeck[p], CardWhere::Stock});
    for (int d = 1; d <= mDiscard.count(); ++d)
        where.push_back({mDiscard[d].card, CardWhere::Discard});
    return where;
}

TableDescription clsDecade::placesOnTable() const
{
    TableDescription table;
    if (!mblnShuffled)
        return table;
    TablePlace row{QStringLiteral("Row"), CardWhere::Table, {}, {}, false};
    for (int i = 1; i <= mintRowCount; ++i)
        if (mRow[i].present)
            row.cards.push_back({mRow[i].card, true, grectfCardFace(mRow[i].left, mRow[i].top), {},
                                 mblnfPickAllowed(i), false, {}});
    table.push_back(row);
    table.push_back(gplacefTopShownPile(mDiscard, QStringLiteral("Discard place"), CardWhere::Discard,
                                        mRow[kDiscardSlot].left, mRow[kDiscardSlot].top));
    table.push_back(gplacefUnshownStock(mintDealt));
    return table;
}

std::vector<QPoint> clsDecade::hotSpots() const
{
    // The two ends of the row (or the one card left), as they stand.
    std::vector<QPoint> spots;
    for (int i = 1; i <= mintRowCount; ++i)
        if (mblnfCardClicked(i))
            spots.emplace_back(static_cast<int>(mRow[i].left), static_cast<int>(mRow[i].top));
    return spots;
}
