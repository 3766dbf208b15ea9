#include "games/clsMaze.h"

#include "core/board.h"
#include "core/columnplaces.h"
#include "core/errors.h"

namespace {
constexpr float kTolerance = 20;
constexpr int kRunLength = 12;  // Ace to Queen
constexpr int kRuns = 4;

// Cells 9 and 18 are left empty by the deal.
int gintfDealNumberOf(int aintCell)
{
    if (aintCell <= 8)
        return aintCell;
    if (aintCell == 9 || aintCell == 18)
        return 0;
    return aintCell <= 17 ? aintCell - 1 : aintCell - 2;
}

// A press picks up a card lying in its cell; a drop finds a cell whose card
// is not there: a gap, or the cell of the card in hand.
bool gblnfCanPickUp(const clsMaze::Cell& aCell) { return aCell.present && aCell.card != 0; }
bool gblnfTakesDrop(const clsMaze::Cell& aCell) { return !aCell.present; }

int gintfCellBefore(int aintCell) { return aintCell == 1 ? clsMaze::kCells : aintCell - 1; }
int gintfCellAfter(int aintCell) { return aintCell == clsMaze::kCells ? 1 : aintCell + 1; }

// aintHigher is aintLower's suit and exactly one rank above it.
bool gblnfOneAbove(int aintHigher, int aintLower)
{
    return aintHigher != 0 && aintLower != 0 && gblnfInSequence(aintHigher, aintLower, false, true, true, false);
}
}

clsMaze::clsMaze(Board& board)
    : GameRules(board), mintClientRight(620), mintClientBottom(492), mstrTitle(QStringLiteral("Maze"))
{
}

void clsMaze::gsInitVar()
{
    trapErrors("gsInitVar", [&] {
        for (Cell& cell : mudtCells) {
            cell = Cell{};
            cell.present = true;
        }
        mintLastFrom = mintLastTo = 0;
        mblnDealtOut = false;
        mintKingsOut.fill(0);
    });
}

void clsMaze::gsInitCardPsns()
{
    trapErrors("gsInitCardPsns", [&] {
        for (int c = 1; c <= kCells; ++c) {
            mudtCells[c].x = gsngfCellX(c);
            mudtCells[c].y = gsngfCellY(c);
            mudtCells[c].dealNumber = gintfDealNumberOf(c);
        }
    });
}

void clsMaze::gsInitNewGame()
{
    trapErrors("gsInitNewGame", [&] {
        gsShuffleDeck();
        for (int c = 1; c <= kCells; ++c) {
            const int i = gintfDealNumberOf(c);
            mudtCells[c].card = i == 0 ? 0 : gintDeck[i];
        }
        mblnDealtOut = true;
        msFindFourKings();
        gsDrawCards();
    });
}

void clsMaze::msFindFourKings()
{
    trapErrors("msFindFourKings", [&] {
        int kings = 0;
        for (Cell& cell : mudtCells) {
            const bool king = cell.card != 0 && gintfCardRank(cell.card, false) == 13;
            if (king && kings < 4)
                mintKingsOut[++kings] = cell.card;
            if (king || cell.card == 0) {
                cell.dealNumber = 0;
                cell.card = 0;
                cell.present = false;
            }
        }
    });
}

void clsMaze::gsDrawCards()
{
    trapErrors("gsDrawCards", [&] {
        Board& b = board();
        b.cls();
        for (const Cell& cell : mudtCells)
            if (cell.present && cell.card != 0)
                b.drawCard(cell.card, cell.x, cell.y);
        b.presentBoard();
    });
}

int clsMaze::gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence)
{
    Q_UNUSED(aintNumCardsInSequence);  // one card moves at a time
    int answer = 0;
    trapErrors("gintfGetSelectedCard", [&] {
        for (int c = kCells; c >= 1; --c) {
            Cell& cell = mudtCells[c];
            if (!gblnfCardHit(asngX, asngY, cell.x, cell.y, ablnMouseDown, kTolerance, kTolerance))
                continue;
            if (ablnMouseDown) {
                if (gblnfCanPickUp(cell)) {
                    cell.present = false;  // in the player's hand
                    answer = c;
                }
            } else if (gblnfTakesDrop(cell)) {
                answer = c;
            }
            return;
        }
    });
    return answer;
}

void clsMaze::gsGetNewPsn(int aintCardFrom, int& aintPrevX, int& aintPrevY)
{
    trapErrors("gsGetNewPsn", [&] {
        const Cell& cell = mudtCells[aintCardFrom];
        aintPrevX = gintfRoundHalfEven(cell.x);
        aintPrevY = gintfRoundHalfEven(cell.y);
    });
}

bool clsMaze::mblnfOkToPut(int aintFrom, int aintTo)
{
    bool ok = false;
    trapErrors("mblnfOkToPut", [&] {
        if (aintTo == aintFrom)
            return;
        const int card = mudtCells[aintFrom].card;
        const int before = mudtCells[gintfCellBefore(aintTo)].card;
        const int after = mudtCells[gintfCellAfter(aintTo)].card;
        const bool ace = gintfCardRank(card, false) == 1;
        ok = gblnfOneAbove(card, before) || gblnfOneAbove(after, card) ||
             (ace && before != 0 && gintfCardRank(before, false) == 12) || (ace && aintTo == 1);
    });
    return ok;
}

void clsMaze::msUpdateCardStatus(int aintFrom, int aintTo)
{
    trapErrors("msUpdateCardStatus", [&] {
        Cell& from = mudtCells[aintFrom];
        Cell& to = mudtCells[aintTo];
        to.card = from.card;
        to.dealNumber = from.dealNumber;
        to.present = true;
        from.card = 0;
        from.dealNumber = 0;
        from.present = false;
    });
}

void clsMaze::gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom, int aintCardTo,
                          bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(asngX);
    Q_UNUSED(asngY);
    Q_UNUSED(aintPrevX);
    Q_UNUSED(aintPrevY);
    Q_UNUSED(ablnDealEnabled);
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsPlaceCard", [&] {
        // Only a card in hand can move; a gap is never "moved" into another.
        if (!mudtCells.contains(aintCardFrom)) {
            gsDrawCards();
            board().refreshWindow();
            return;
        }
        const bool holding = mudtCells[aintCardFrom].card != 0 && !mudtCells[aintCardFrom].present;
        if (holding && mudtCells.contains(aintCardTo) && !mudtCells[aintCardTo].present && mudtCells[aintCardTo].card == 0 &&
            mblnfOkToPut(aintCardFrom, aintCardTo)) {
            ablnUndoEnabled = true;
            mintLastFrom = aintCardFrom;
            mintLastTo = aintCardTo;
            msUpdateCardStatus(aintCardFrom, aintCardTo);
        } else {
            mintLastFrom = mintLastTo = 0;
            if (mudtCells[aintCardFrom].card != 0)
                mudtCells[aintCardFrom].present = true;
        }
        gsDrawCards();
        board().presentBoard();
        board().refreshWindow();
    });
}

void clsMaze::gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(ablnDealEnabled);
    Q_UNUSED(aintCardsLeft);
    ablnUndoEnabled = false;
    trapErrors("gsUndo", [&] {
        if (mintLastFrom == 0 || mintLastTo == 0)
            return;
        const int to = mintLastTo;
        const int from = mintLastFrom;
        mintLastFrom = mintLastTo = 0;
        msUpdateCardStatus(to, from);
        gsDrawCards();
        board().refreshWindow();
    });
}

bool clsMaze::gblnfGameOver()
{
    bool over = false;
    trapErrors("gblnfGameOver", [&] {
        if (!mblnDealtOut)
            return;
        int list[kRuns * kRunLength];
        int n = 0;
        for (const Cell& cell : mudtCells)
            if (cell.dealNumber != 0) {
                if (n == kRuns * kRunLength)
                    return;
                list[n++] = cell.card;
            }
        if (n != kRuns * kRunLength)
            return;
        for (int i = 0; i < n; ++i)
            if (i % kRunLength != 0 && !gblnfOneAbove(list[i], list[i - 1]))
                return;
        over = true;
    });
    return over;
}

std::vector<CardLocation> clsMaze::census() const
{
    std::vector<CardLocation> cards;
    if (!mblnDealtOut)
        return cards;
    for (const Cell& cell : mudtCells)
        if (cell.card != 0)
            cards.push_back({cell.card, CardWhere::Table});
    for (int k = 1; k <= 4; ++k)
        if (mintKingsOut[k] != 0)
            cards.push_back({mintKingsOut[k], CardWhere::Discard});
    return cards;
}

TableDescription clsMaze::placesOnTable() const
{
    TableDescription table;
    if (!mblnDealtOut)
        return table;
    for (int c = 1; c <= kCells; ++c) {
        const Cell& cell = mudtCells[c];
        TablePlace place =
            gudtfNewPlace(QStringLiteral("Row %1, place %2").arg((c - 1) / kColumns + 1).arg((c - 1) % kColumns + 1));
        const QRect face = grectfCardFace(cell.x, cell.y);
        if (cell.card != 0) {
            TableCard card = gudtfNewCard(cell.card, true, cell.present ? face : QRect());
            card.canPick = gblnfCanPickUp(cell);
            place.cards.push_back(card);
        } else {
            place.empty = face;
            place.emptyCanDrop = gblnfTakesDrop(cell);
        }
        table.push_back(std::move(place));
    }
    TablePlace kings = gudtfNewPlace(QStringLiteral("Kings taken out"), CardWhere::Discard);
    for (int k = 1; k <= 4; ++k)
        if (mintKingsOut[k] != 0)
            kings.cards.push_back(gudtfNewCard(mintKingsOut[k], true));
    table.push_back(std::move(kings));
    return table;
}

std::vector<QPoint> clsMaze::hotSpots() const
{
    // Every cell is either a card to pick up or a gap to fill.
    std::vector<QPoint> spots;
    if (!mblnDealtOut)
        return spots;
    for (const Cell& cell : mudtCells)
        spots.emplace_back(qRound(cell.x), qRound(cell.y));
    return spots;
}
