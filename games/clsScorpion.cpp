#include "games/clsScorpion.h"

#include "core/board.h"
#include "core/cardrun.h"
#include "core/columnplaces.h"
#include "core/errors.h"
#include "core/platform.h"

namespace {
constexpr float kTolerance = 12;
constexpr int kFaceDownColumns = 3;
constexpr int kFaceDownPlaces = 4;
constexpr int kReserveSize = 3;
constexpr int kSuitSize = 13;

// Same suit, aintLower exactly one rank below aintUpper; nothing goes on an Ace.
bool gblnfBuildsDown(int aintUpper, int aintLower)
{
    return aintUpper != 0 && aintLower != 0 && gblnfInSequence(aintUpper, aintLower, false, true, true, false);
}

// A press picks up a face-up card still in its place, with all after it.
bool gblnfCanLift(const CardPlace& aPlace)
{
    return aPlace.present && aPlace.card != 0 && aPlace.faceUp && !aPlace.lifted;
}

// The place a dropped group can land on: the column's top card once the
// lifted cards are left out, when it shows its face; 0 for none.
template <class Column>
int gintfDropPlace(const Column& aColumn)
{
    const int t = gintfTopUnliftedPlace(aColumn);
    return t != 0 && aColumn[t].faceUp ? t : 0;
}
}

clsScorpion::clsScorpion(Board& board)
    : GameRules(board),
      // Small screens get the full 800 x 600; wider ones a board that leaves
      // room for the window's frame.
      mintClientRight(gintfScreenWidth() <= 800 ? 800 : 780),
      mintClientBottom(gintfScreenWidth() <= 800 ? 600 : 560),
      mstrTitle(QStringLiteral("Scorpion"))
{
}

int clsScorpion::gintfTopPlace(int aintColumn) const
{
    if (aintColumn < 1 || aintColumn > kColumns)
        return 0;
    return ::gintfTopPlace(mudtCards[aintColumn]);
}

void clsScorpion::gsInitVar()
{
    trapErrors("gsInitVar", [&] {
        for (int c = 1; c <= kColumns; ++c)
            for (int p = 1; p <= kPlaces; ++p) {
                CardPlace& place = at(c, p);
                place = CardPlace{};
                place.covered = p <= 6;
                place.faceUp = true;
            }
        mudtDealPsns.fill(PlacePsn{});
        mudtLifted.fill(LiftedCard{});
        mintLiftedCount = 0;
        mintPressedColumn = mintPressedPlace = 0;
        mintTargetColumn = mintTargetPlace = 0;
        mblnTurned = false;
        mintTurnedColumn = mintTurnedPlace = 0;
        mblnCanUndo = false;
        mblnDealtOut = false;
        mblnReserveDealt = false;
        mintReserve.fill(0);
    });
}

void clsScorpion::gsInitCardPsns()
{
    trapErrors("gsInitCardPsns", [&] {
        for (int c = 1; c <= kColumns; ++c)
            for (int p = 1; p <= 7; ++p)
                mudtDealPsns[7 * (c - 1) + p] = {gsngfPlaceLeft(p), gsngfColumnTop(c)};
    });
}

void clsScorpion::gsInitNewGame()
{
    trapErrors("gsInitNewGame", [&] {
        gsShuffleDeck();
        for (int c = 1; c <= kColumns; ++c)
            for (int p = 1; p <= 7; ++p) {
                const int b = 7 * (c - 1) + p;
                CardPlace& place = at(c, p);
                place.card = gintDeck[b];
                place.dealPlace = b;
                place.left = mudtDealPsns[b].left;
                place.top = mudtDealPsns[b].top;
                place.faceUp = !(c <= kFaceDownColumns && p <= kFaceDownPlaces);
                place.present = true;
                place.lifted = false;
            }
        for (int a = 1; a <= kReserveSize; ++a)
            mintReserve[a] = gintDeck[kDealt + a];
        mblnDealtOut = true;
        gsDrawCards();
    });
}

void clsScorpion::gsDrawCards()
{
    trapErrors("gsDrawCards", [&] {
        Board& b = board();
        b.cls();
        for (int c = 1; c <= kColumns; ++c)
            for (int p = 1; p <= kPlaces; ++p) {
                const CardPlace& place = mudtCards[c][p];
                if (place.present && !place.lifted && place.card != 0)
                    b.drawCard(place.faceUp ? place.card : kCardBack, place.left, place.top);
            }
        b.presentBoard();
    });
}

int clsScorpion::mintfFindTopCardIndex(int aintColumn)
{
    int top = 0;
    trapErrors("mintfFindTopCardIndex", [&] { top = ::gintfTopPlace(mudtCards[aintColumn]); });
    return top;
}

void clsScorpion::gsDealCard(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    trapErrors("gsDealCard", [&] {
        // Once per game: a second deal would lay the same three cards again.
        if (mblnDealtOut && !mblnReserveDealt) {
            Board& b = board();
            for (int a = 1; a <= kReserveSize; ++a) {
                const int t = mintfFindTopCardIndex(a);
                if (t > 0)
                    at(a, t).covered = true;
                CardPlace& place = at(a, t + 1);
                place.card = mintReserve[a];
                place.dealPlace = kDealt + a;
                place.faceUp = true;
                place.present = true;
                place.lifted = false;
                place.covered = false;
                place.left = gsngfPlaceLeft(t + 1);
                place.top = gsngfColumnTop(a);
                b.drawCard(place.card, place.left, place.top);
                b.presentBoard();
            }
            mblnReserveDealt = true;
            mblnCanUndo = false;
            b.refreshWindow();
        }
        ablnDealEnabled = false;
        ablnUndoEnabled = false;
        aintCardsLeft = 0;
    });
}

bool clsScorpion::mblnfCardIsThere(int aintColumn, int aintPlace)
{
    bool there = false;
    trapErrors("mblnfCardIsThere", [&] {
        there = gblnfCanLift(at(aintColumn, aintPlace));
    });
    return there;
}

int clsScorpion::mintfCardsInSequence(int aintColumn, int aintPlace, bool ablnMouseDown)
{
    int n = 0;
    trapErrors("mintfCardsInSequence", [&] {
        n = gintfRunLength(mudtCards[aintColumn], aintPlace);
        if (ablnMouseDown)
            for (int p = aintPlace; p < aintPlace + n; ++p)
                at(aintColumn, p).lifted = true;
    });
    return n;
}

int clsScorpion::gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence)
{
    int answer = 0;
    trapErrors("gintfGetSelectedCard", [&] {
        if (ablnMouseDown) {
            for (int c = 1; c <= kColumns; ++c)
                for (int p = kPlaces; p >= 1; --p) {
                    if (!mblnfCardIsThere(c, p))
                        continue;
                    const CardPlace& pressed = at(c, p);
                    if (!gblnfCardHit(asngX, asngY, pressed.left, pressed.top, true, kTolerance, kTolerance))
                        continue;
                    const int n = mintfCardsInSequence(c, p, true);
                    // A new group: the previous move can no longer be taken back.
                    mudtLifted.fill(LiftedCard{});
                    for (int j = 1; j <= n; ++j) {
                        const CardPlace& place = at(c, p + j - 1);
                        mudtLifted[j] = {place.dealPlace, c, p + j - 1, place.card, place.left, place.top};
                    }
                    mintLiftedCount = n;
                    mintPressedColumn = c;
                    mintPressedPlace = p;
                    mblnCanUndo = false;
                    aintNumCardsInSequence = n;
                    answer = pressed.dealPlace;
                    return;
                }
            return;
        }
        for (int c = 1; c <= kColumns; ++c) {
            const int t = gintfDropPlace(mudtCards[c]);
            if (t == 0)
                continue;
            const CardPlace& top = at(c, t);
            if (gblnfCardHit(asngX, asngY, top.left, top.top, false, kTolerance, kTolerance)) {
                mintTargetColumn = c;
                mintTargetPlace = t;
                answer = t;
                return;
            }
        }
    });
    return answer;
}

void clsScorpion::gsGetNewPsn(int aintCardFrom, int& aintPrevX, int& aintPrevY)
{
    Q_UNUSED(aintCardFrom);
    trapErrors("gsGetNewPsn", [&] {
        const CardPlace& pressed = at(mintPressedColumn, mintPressedPlace);
        aintPrevX = gintfRoundHalfEven(pressed.left);
        aintPrevY = gintfRoundHalfEven(pressed.top);
    });
}

bool clsScorpion::mblnfColEmpty(int aintX, int aintY, int& aintColumn)
{
    bool found = false;
    aintColumn = 0;
    trapErrors("mblnfColEmpty", [&] {
        for (int c = 1; c <= kColumns; ++c) {
            if (at(c, 1).card != 0)
                continue;
            if (gblnfCardHit(static_cast<float>(aintX), static_cast<float>(aintY), gsngfPlaceLeft(1),
                             gsngfColumnTop(c), false, kTolerance, kTolerance)) {
                aintColumn = c;
                found = true;
                return;
            }
        }
    });
    return found;
}

void clsScorpion::msResetCardStatus()
{
    trapErrors("msResetCardStatus", [&] {
        for (int c = 1; c <= kColumns; ++c)
            for (int p = 1; p <= kPlaces; ++p)
                at(c, p).lifted = false;
        msClearSelectedCards();
    });
}

void clsScorpion::msClearSelectedCards()
{
    trapErrors("msClearSelectedCards", [&] {
        for (int j = 1; j <= kPlaces; ++j) {
            LiftedCard& entry = mudtLifted[j];
            entry.dealPlace = entry.column = entry.place = entry.card = 0;
        }
        mintLiftedCount = 0;
        mintPressedColumn = mintPressedPlace = 0;
    });
}

void clsScorpion::msUpdateCardStatus(int aintStep)
{
    trapErrors("msUpdateCardStatus", [&] {
        const int n = mintLiftedCount;
        const int sc = mintPressedColumn;
        const int sp = mintPressedPlace;
        const int tc = mintTargetColumn;
        const int tp = mintTargetPlace;
        for (int j = 1; j <= n; ++j) {
            CardPlace& source = at(mudtLifted[j].column, mudtLifted[j].place);
            source.card = 0;
            source.dealPlace = 0;
            source.present = false;
            source.lifted = false;
        }
        if (sp > 1)
            at(sc, sp - 1).covered = false;
        if (tp > 0)
            at(tc, tp).covered = true;
        for (int j = 1; j <= n; ++j) {
            CardPlace& target = at(tc, tp + j);
            target.card = mudtLifted[j].card;
            target.dealPlace = mudtLifted[j].dealPlace;
            target.present = true;
            target.faceUp = true;
            target.lifted = false;
            target.covered = j < n;
            target.top = gsngfColumnTop(tc);
            target.left = tp > 0 ? at(tc, tp).left + static_cast<float>(aintStep * j)
                                 : gsngfPlaceLeft(1) + static_cast<float>(aintStep * (j - 1));
        }
    });
}

void clsScorpion::msFlipCard()
{
    trapErrors("msFlipCard", [&] {
        mblnTurned = false;
        mintTurnedColumn = mintTurnedPlace = 0;
        for (int c = 1; c <= kColumns; ++c)
            for (int p = 1; p <= kPlaces; ++p) {
                CardPlace& place = at(c, p);
                if (place.card == 0 || place.covered || place.faceUp)
                    continue;
                place.faceUp = true;
                mblnTurned = true;
                mintTurnedColumn = c;
                mintTurnedPlace = p;
                Board& b = board();
                b.drawCard(place.card, place.left, place.top);
                b.presentBoard();
                b.refreshWindow();
                return;
            }
    });
}

void clsScorpion::gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom,
                              int aintCardTo, bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(asngX);
    Q_UNUSED(asngY);
    Q_UNUSED(ablnDealEnabled);
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsPlaceCard", [&] {
        // Without a lifted group there is nothing to move, only to redraw.
        const bool holding = mintLiftedCount > 0 && mintPressedColumn != 0;
        bool legal = false;
        if (holding && aintCardTo != 0) {
            legal = mintTargetColumn != 0 &&
                    gblnfBuildsDown(at(mintTargetColumn, mintTargetPlace).card, mudtLifted[1].card);
        } else if (holding && aintCardFrom > 0) {
            int column = 0;
            if (mblnfColEmpty(aintPrevX, aintPrevY, column) && gintfCardRank(mudtLifted[1].card, false) == 13) {
                mintTargetColumn = column;
                mintTargetPlace = 0;
                legal = true;
            }
        }
        if (legal) {
            ablnUndoEnabled = true;
            msUpdateCardStatus(kFanStep);
            mblnCanUndo = true;
            gsDrawCards();
            msFlipCard();
        } else {
            msResetCardStatus();
            gsDrawCards();
        }
        board().presentBoard();
        board().refreshWindow();
    });
}

void clsScorpion::gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(ablnDealEnabled);
    Q_UNUSED(aintCardsLeft);
    ablnUndoEnabled = false;
    trapErrors("gsUndo", [&] {
        // Only the last move is remembered, and only until it is taken back.
        if (!mblnCanUndo)
            return;
        mblnCanUndo = false;
        const int n = mintLiftedCount;
        const int tc = mintTargetColumn;
        const int tp = mintTargetPlace;
        // Target first: a group put back on the card it came from stays put.
        for (int j = 1; j <= n; ++j) {
            CardPlace& target = at(tc, tp + j);
            target.covered = target.lifted = target.faceUp = target.present = false;
            target.dealPlace = 0;
            target.card = 0;
        }
        for (int j = 1; j <= n; ++j) {
            const LiftedCard& entry = mudtLifted[j];
            CardPlace& source = at(entry.column, entry.place);
            source.card = entry.card;
            source.dealPlace = entry.dealPlace;
            source.left = entry.left;
            source.top = entry.top;
            source.faceUp = true;
            source.present = true;
            source.lifted = false;
            source.covered = j < n;
        }
        if (tp > 0)
            at(tc, tp).covered = false;
        // The card the group lay on is covered by it again.
        if (mintPressedPlace > 1)
            at(mintPressedColumn, mintPressedPlace - 1).covered = true;
        if (mblnTurned) {
            CardPlace& turned = at(mintTurnedColumn, mintTurnedPlace);
            turned.faceUp = false;
            turned.covered = true;
        }
        mintPressedColumn = mintPressedPlace = 0;
        mintTargetColumn = mintTargetPlace = 0;
        mblnTurned = false;
        mintTurnedColumn = mintTurnedPlace = 0;
        gsDrawCards();
        board().refreshWindow();
    });
}

bool clsScorpion::gblnfGameOver()
{
    bool over = false;
    trapErrors("gblnfGameOver", [&] {
        if (!mblnDealtOut)
            return;
        for (int c = 1; c <= kColumns; ++c) {
            const Column& column = mudtCards[c];
            if (column[1].card == 0)
                continue;
            int links = 0;
            for (int k = 1; k < kSuitSize; ++k)
                if (gblnfBuildsDown(column[k].card, column[k + 1].card))
                    ++links;
            // King to Ace and nothing after the Ace.
            if (links < kSuitSize - 1 || column[kSuitSize + 1].card != 0)
                return;
        }
        over = true;
    });
    return over;
}

std::vector<CardLocation> clsScorpion::census() const
{
    std::vector<CardLocation> cards;
    if (!mblnDealtOut)
        return cards;
    for (int c = 1; c <= kColumns; ++c)
        for (int p = 1; p <= kPlaces; ++p)
            if (mudtCards[c][p].card != 0)
                cards.push_back({mudtCards[c][p].card, CardWhere::Table});
    if (!mblnReserveDealt)
        for (int a = 1; a <= kReserveSize; ++a)
            cards.push_back({mintReserve[a], CardWhere::Stock});
    return cards;
}

TableDescription clsScorpion::placesOnTable() const
{
    TableDescription table;
    if (!mblnDealtOut)
        return table;
    // The player sees the columns as rows fanned to the right, one above
    // the other, and the help calls them so.
    for (int c = 1; c <= kColumns; ++c) {
        const Column& column = mudtCards[c];
        TablePlace row = gudtfNewPlace(QStringLiteral("Row %1").arg(c));
        const int dropPlace = gintfDropPlace(column);
        gsAddColumnCards(
            row, column, [&](int p) { return gblnfCanLift(column[p]); }, [&](int p) { return p == dropPlace; });
        // An emptied row takes a King-headed group at its first place.
        if (row.cards.empty()) {
            row.empty = grectfCardFace(gsngfPlaceLeft(1), gsngfColumnTop(c));
            row.emptyCanDrop = true;
        }
        table.push_back(std::move(row));
    }
    // Unseen until Deal lays it out; then empty for the rest of the game.
    TablePlace reserve = gudtfNewPlace(QStringLiteral("Reserve"), CardWhere::Stock);
    for (int a = 1; a <= kReserveSize && !mblnReserveDealt; ++a)
        reserve.cards.push_back(gudtfNewCard(mintReserve[a], false));
    table.push_back(std::move(reserve));
    return table;
}

std::vector<QPoint> clsScorpion::hotSpots() const
{
    std::vector<QPoint> spots;
    if (!mblnDealtOut)
        return spots;
    for (int c = 1; c <= kColumns; ++c) {
        if (mudtCards[c][1].card == 0) {
            spots.emplace_back(qRound(gsngfPlaceLeft(1)), qRound(gsngfColumnTop(c)));
            continue;
        }
        for (int p = 1; p <= kPlaces; ++p) {
            const CardPlace& place = mudtCards[c][p];
            if (place.card != 0 && place.faceUp)
                spots.emplace_back(qRound(place.left), qRound(place.top));
        }
    }
    return spots;
}
