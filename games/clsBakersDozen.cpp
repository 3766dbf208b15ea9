#include "games/clsBakersDozen.h"

#include "core/board.h"
#include "core/columnplaces.h"
#include "core/errors.h"
#include "core/modCards.h"

#include <utility>

namespace {
constexpr int kClientRight = 782;
constexpr int kClientBottom = 496;
constexpr int kTableauLeft = 3;
constexpr int kTableauTop = 90;
constexpr int kColumnStep = kCardWidth + 5;  // 60
constexpr int kCascadeStep = 16;             // how much of a covered card shows
constexpr int kFoundationBand = 4 * kColumnStep - 5;
constexpr int kFoundationLeft = (kClientRight - kFoundationBand) / 2;  // 273, centred
constexpr int kFoundationTop = 5;
constexpr float kTolerance = 20;
constexpr QRgb kOutline = 0xff000000;
constexpr int kFoundationSlotBase = 39;  // a foundation's answer is its column + 39

bool isKing(int card) { return gintfCardRank(card, false) == 13; }
}

clsBakersDozen::clsBakersDozen(Board& board)
    : GameRules(board),
      mintClientRight(kClientRight),
      mintClientBottom(kClientBottom),
      mstrTitle(QStringLiteral("Baker's Dozen"))
{
}

int& clsBakersDozen::foundCount(int aintColumn)
{
    if (!isFoundation(aintColumn))
        gsRaiseSubscript();
    return mintFoundCount[aintColumn - kFirstFoundation + 1];
}

int clsBakersDozen::gintfFoundationCount(int aintFoundation) const
{
    return CheckedTable<int, 1, 4>::contains(aintFoundation) ? mintFoundCount[aintFoundation] : 0;
}

int clsBakersDozen::gintfTopLevel(int aintColumn) const
{
    if (aintColumn < 1 || aintColumn > kColumns)
        return 0;
    if (isFoundation(aintColumn))
        return mintFoundCount[aintColumn - kFirstFoundation + 1];
    for (int l = kLevels; l >= 1; --l) {
        const CardPlace& c = mudtCards[aintColumn][l];
        if (c.present && !c.covered && c.card != 0)
            return l;
    }
    return 0;
}

int clsBakersDozen::gintfTopCard(int aintColumn) const
{
    const int level = gintfTopLevel(aintColumn);
    return level == 0 ? 0 : mudtCards[aintColumn][level].card;
}

void clsBakersDozen::gsInitVar()
{
    trapErrors("gsInitVar", [&] {
        for (int col = 1; col <= kColumns; ++col)
            for (int l = 1; l <= kLevels; ++l) {
                CardPlace& c = mudtCards[col][l];
                c = CardPlace{};
                c.covered = l < kDealtLevels;
                c.present = l <= kDealtLevels;
                c.faceUp = true;
            }
        mintFoundCount.fill(0);
        mPicked = mTarget = mUndoFrom = mUndoTo = Spot{};
    });
}

void clsBakersDozen::gsInitCardPsns()
{
    trapErrors("gsInitCardPsns", [&] {
        for (int col = 1; col <= kColumns; ++col)
            for (int l = 1; l <= kLevels; ++l) {
                CardPlace& c = mudtCards[col][l];
                if (isFoundation(col)) {
                    c.left = static_cast<float>(kFoundationLeft + (col - kFirstFoundation) * kColumnStep);
                    c.top = kFoundationTop;
                } else {
                    c.left = static_cast<float>(kTableauLeft + (col - 1) * kColumnStep);
                    c.top = static_cast<float>(kTableauTop + (l - 1) * kCascadeStep);
                }
            }
    });
}

void clsBakersDozen::msRepositionKings()
{
    trapErrors("msRepositionKings", [&] {
        // A King below the back row changes places with a random back-row
        // card that is no King: one draw from the shuffle's own source picks
        // among those cards, so the choice always ends at once.
        for (int p = kTableauColumns + 1; p <= kCardCount; ++p) {
            if (!isKing(gintDeck[p]))
                continue;
            int free = 0;
            for (int k = 1; k <= kTableauColumns; ++k)
                if (!isKing(gintDeck[k]))
                    ++free;
            int pick = static_cast<int>(static_cast<float>(free) * gsngfRandom()) + 1;
            if (pick > free)
                pick = free;
            for (int k = 1; k <= kTableauColumns; ++k)
                if (!isKing(gintDeck[k]) && --pick == 0) {
                    std::swap(gintDeck[k], gintDeck[p]);
                    break;
                }
        }
    });
}

void clsBakersDozen::gsInitNewGame()
{
    trapErrors("gsInitNewGame", [&] {
        gsShuffleDeck();
        msRepositionKings();
        // Row by row: deal places 1..13, which hold every King, are the back.
        for (int l = 1; l <= kDealtLevels; ++l)
            for (int col = 1; col <= kTableauColumns; ++col)
                mudtCards[col][l].card = gintDeck[(l - 1) * kTableauColumns + col];
        gsDrawCards();
    });
}

void clsBakersDozen::gsDrawCards()
{
    trapErrors("gsDrawCards", [&] {
        Board& b = board();
        b.cls();
        // Back to front, so each column cascades with its top card whole.
        for (int col = 1; col <= kColumns; ++col)
            for (int l = 1; l <= kLevels; ++l) {
                const CardPlace& c = mudtCards[col][l];
                if (c.card != 0 && c.present && !c.lifted)
                    b.drawCard(c.card, c.left, c.top);
            }
        // Outlined before the board is shown, so that the empty foundations
        // are visible from the deal on.
        gsDrawCardBorder();
        b.presentBoard();
    });
}

void clsBakersDozen::gsDrawCardBorder()
{
    trapErrors("gsDrawCardBorder", [&] {
        for (int col = kFirstFoundation; col <= kColumns; ++col) {
            const int left = gintfRoundHalfEven(mudtCards[col][1].left);
            board().drawOutline(left - 1, kFoundationTop - 1, kCardWidth + 2, kCardHeight + 2, kOutline);
        }
    });
}

void clsBakersDozen::msClearLifted()
{
    for (auto& column : mudtCards)
        for (CardPlace& c : column)
            c.lifted = false;
}

int clsBakersDozen::gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence)
{
    Q_UNUSED(aintNumCardsInSequence);  // one card moves at a time
    int answer = 0;
    trapErrors("gintfGetSelectedCard", [&] {
        if (!ablnMouseDown) {
            mTarget = Spot{};
            for (int col = kFirstFoundation; col <= kColumns; ++col) {
                const CardPlace& c = mudtCards[col][1];
                if (gblnfCardHit(asngX, asngY, c.left, c.top, false, kTolerance, kTolerance)) {
                    mTarget = {col, foundCount(col)};
                    answer = col + kFoundationSlotBase;
                    return;
                }
            }
        }
        for (int col = 1; col <= kTableauColumns; ++col)
            for (int l = kLevels; l >= 1; --l) {
                const CardPlace& c = mudtCards[col][l];
                // Only a column's top card: a covered card is never taken.
                if (!gblnfUncoveredCard(c))
                    continue;
                if (!gblnfCardHit(asngX, asngY, c.left, c.top, ablnMouseDown, kTolerance, kTolerance))
                    continue;
                if (ablnMouseDown) {
                    // A press whose release never came must not leave a card lifted.
                    msClearLifted();
                    mudtCards[col][l].lifted = true;
                    mPicked = {col, l};
                    mTarget = Spot{};
                } else {
                    mTarget = {col, l};
                }
                answer = (l - 1) * kTableauColumns + col;
                return;
            }
    });
    return answer;
}

void clsBakersDozen::gsGetNewPsn(int aintCardFrom, int& aintPrevX, int& aintPrevY)
{
    Q_UNUSED(aintCardFrom);
    trapErrors("gsGetNewPsn", [&] {
        const CardPlace& c = at(mPicked);
        aintPrevX = gintfRoundHalfEven(c.left);
        aintPrevY = gintfRoundHalfEven(c.top);
    });
}

bool clsBakersDozen::mblnfLegal() const
{
    if (mPicked.column == 0 || mTarget.column == 0 || mTarget.column == mPicked.column)
        return false;
    const CardPlace& moving = at(mPicked);
    if (!moving.lifted || moving.card == 0)
        return false;
    const int m = moving.card;
    if (isFoundation(mTarget.column)) {
        if (mTarget.level == 0)
            return gintfCardRank(m, false) == 1;
        return gblnfInSequence(at(mTarget).card, m, false, false, true, true);
    }
    // An empty column is never a target, so it is never refilled.
    if (mTarget.level == 0)
        return false;
    return gblnfInSequence(at(mTarget).card, m, false, true, false, false);
}

void clsBakersDozen::msUpdateCardStatus()
{
    trapErrors("msUpdateCardStatus", [&] {
        const Spot from = mPicked;
        const Spot to = {mTarget.column, mTarget.level + 1};
        CardPlace& source = at(from);
        CardPlace& dest = at(to);
        dest.card = source.card;
        dest.covered = false;
        dest.present = true;
        dest.lifted = false;
        if (from.level > 1)
            mudtCards[from.column][from.level - 1].covered = false;
        if (isFoundation(to.column))
            ++foundCount(to.column);
        else
            mudtCards[to.column][mTarget.level].covered = true;
        source.card = 0;
        source.present = false;
        source.lifted = false;
        source.covered = false;
        mUndoFrom = from;
        mUndoTo = to;
    });
}

void clsBakersDozen::gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom,
                                 int aintCardTo, bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(asngX);
    Q_UNUSED(asngY);
    Q_UNUSED(aintPrevX);
    Q_UNUSED(aintPrevY);
    Q_UNUSED(aintCardFrom);
    Q_UNUSED(ablnDealEnabled);
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsPlaceCard", [&] {
        if (aintCardTo != 0 && mblnfLegal()) {
            ablnUndoEnabled = true;
            msUpdateCardStatus();
        } else {
            msClearLifted();
        }
        mPicked = mTarget = Spot{};
        gsDrawCards();
        board().refreshWindow();
    });
}

bool clsBakersDozen::gblnfGameOver()
{
    bool over = false;
    trapErrors("gblnfGameOver", [&] {
        for (int k = 1; k <= 4; ++k)
            if (mintFoundCount[k] != 13)
                return;
        over = true;
    });
    return over;
}

void clsBakersDozen::gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(ablnDealEnabled);
    Q_UNUSED(aintCardsLeft);
    ablnUndoEnabled = false;
    trapErrors("gsUndo", [&] {
        // Only the last move is remembered, and only until it is taken back.
        const Spot s = mUndoFrom;
        const Spot p = mUndoTo;
        mUndoFrom = mUndoTo = Spot{};
        if (s.column == 0 || p.column == 0 || at(p).card == 0)
            return;
        msClearLifted();
        if (isFoundation(p.column))
            --foundCount(p.column);
        CardPlace& back = at(s);
        back.card = at(p).card;
        back.present = true;
        back.lifted = false;
        back.covered = false;
        if (s.level > 1)
            mudtCards[s.column][s.level - 1].covered = true;
        CardPlace& moved = at(p);
        moved.card = 0;
        moved.covered = false;
        moved.present = false;
        moved.lifted = false;
        if (p.level > 1)
            mudtCards[p.column][p.level - 1].covered = false;
        gsDrawCards();
        board().refreshWindow();
    });
}

std::vector<CardLocation> clsBakersDozen::census() const
{
    std::vector<CardLocation> cards;
    for (int col = 1; col <= kColumns; ++col)
        for (int l = 1; l <= kLevels; ++l)
            if (mudtCards[col][l].card != 0)
                cards.push_back({mudtCards[col][l].card, isFoundation(col) ? CardWhere::Foundation : CardWhere::Table});
    return cards;
}

TableDescription clsBakersDozen::placesOnTable() const
{
    // No card lies anywhere before the first deal.
    if (census().empty())
        return {};
    // Columns, then foundations, as gsDrawCards lays them.
    TableDescription table;
    for (int col = 1; col <= kTableauColumns; ++col) {
        const auto& cards = mudtCards[col];
        TablePlace column = gudtfNewPlace(QStringLiteral("Column %1").arg(col));
        // An emptied column is never refilled: it shows nothing to drop on.
        const auto top = [&](int l) { return gblnfUncoveredCard(cards[l]); };
        gsAddColumnCards(column, cards, top, top);
        table.push_back(std::move(column));
    }
    for (int col = kFirstFoundation; col <= kColumns; ++col) {
        const int count = mintFoundCount[col - kFirstFoundation + 1];
        TablePlace foundation =
            gudtfNewPlace(QStringLiteral("Foundation %1").arg(col - kFirstFoundation + 1), CardWhere::Foundation);
        // Every card lies at one place, the top one drawn last; none moves again.
        gsAddColumnCards(
            foundation, mudtCards[col], [](int) { return false; }, [&](int l) { return l == count; });
        // The outline of an empty foundation takes any Ace.
        if (count == 0) {
            foundation.empty = grectfCardFace(mudtCards[col][1].left, mudtCards[col][1].top);
            foundation.emptyCanDrop = true;
        }
        table.push_back(std::move(foundation));
    }
    return table;
}

std::vector<QPoint> clsBakersDozen::hotSpots() const
{
    std::vector<QPoint> spots;
    for (int col = 1; col <= kColumns; ++col) {
        const int level = isFoundation(col) ? 1 : gintfTopLevel(col);
        if (level == 0)
            continue;
        const CardPlace& c = mudtCards[col][level];
        spots.emplace_back(gintfRoundHalfEven(c.left), gintfRoundHalfEven(c.top));
    }
    return spots;
}
