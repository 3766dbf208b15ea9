#include "games/clsBCastle.h"

#include "core/board.h"
#include "core/columnplaces.h"
#include "core/errors.h"
#include "core/forceaces.h"
#include "core/modCards.h"

namespace {
constexpr int kClientRight = 720;
constexpr int kClientBottom = 470;
constexpr int kFirstTop = 18;
constexpr int kPileGap = 16;                       // between piles stacked in a column
constexpr int kPileStep = kCardHeight + kPileGap;  // 95: one pile's top to the next
constexpr int kFanStep = 12;                       // how much of a covered card shows
constexpr int kDealtPerRow = 6;
constexpr float kTolerance = 20;

// The foundations' column, centred on the board.
constexpr int kFoundationLeft = (kClientRight - kCardWidth) / 2;  // 332
// Place 1 of the rows sits one card's width away from the foundations.
constexpr int kLeftRowsStart = kFoundationLeft - kCardWidth - kCardWidth;   // 222
constexpr int kRightRowsStart = kFoundationLeft + kCardWidth + kCardWidth;  // 442

}

clsBCastle::clsBCastle(Board& board)
    : GameRules(board),
      mintClientRight(kClientRight),
      mintClientBottom(kClientBottom),
      mstrTitle(QStringLiteral("Beleaguered Castle"))
{
}

CardPlace& clsBCastle::at(int aintRow, int aintPlace) { return mudtCards[aintRow][aintPlace]; }
const CardPlace& clsBCastle::at(int aintRow, int aintPlace) const { return mudtCards[aintRow][aintPlace]; }
PlacePsn& clsBCastle::psnAt(int aintRow, int aintPlace) { return mudtPsns[aintRow][aintPlace]; }

int& clsBCastle::foundCount(int aintRow)
{
    if (!isFoundation(aintRow))
        gsRaiseSubscript();
    return mintFoundCount[aintRow - kTableauRows];
}

int clsBCastle::gintfFoundationCount(int aintFoundation) const
{
    if (aintFoundation < 1 || aintFoundation > 4)
        return 0;
    return mintFoundCount[aintFoundation];
}

int clsBCastle::gintfTopCard(int aintRow) const
{
    if (aintRow < 1 || aintRow > kRows)
        return 0;
    if (isFoundation(aintRow)) {
        const int count = mintFoundCount[aintRow - kTableauRows];
        return count >= 1 && count <= kPlaces ? mudtCards[aintRow][count].card : 0;
    }
    for (int p = kPlaces; p >= 1; --p)
        if (mudtCards[aintRow][p].card != 0)
            return mudtCards[aintRow][p].card;
    return 0;
}

void clsBCastle::gsInitVar()
{
    trapErrors("gsInitVar", [&] {
        for (int r = 1; r <= kRows; ++r)
            for (int p = 1; p <= kPlaces; ++p) {
                CardPlace& c = mudtCards[r][p];
                c = CardPlace{};
                c.covered = r <= kTableauRows && p < kDealtPerRow;
                c.faceUp = true;
                // A foundation's places 2..6 stand present without a card
                // until cards arrive; only the card field is ever tested there.
                c.present = p <= kDealtPerRow;
                mudtPsns[r][p] = PlacePsn{};
            }
        mintFoundCount.fill(1);
        mintLiftedRow = mintLiftedPlace = 0;
        mintTargetRow = mintTargetPlace = 0;
    });
}

void clsBCastle::gsInitCardPsns()
{
    trapErrors("gsInitCardPsns", [&] {
        float top = kFirstTop;
        for (int k = 1; k <= 4; ++k) {
            const int row = kTableauRows + k;
            at(row, 1).left = kFoundationLeft;
            at(row, 1).top = top;
            psnAt(row, 1) = {static_cast<float>(kFoundationLeft), top};
            top += kPileStep;
        }
        const struct {
            int firstRow;
            float start;
            float step;
        } sides[] = {{1, kLeftRowsStart, -kFanStep}, {5, kRightRowsStart, kFanStep}};
        for (const auto& side : sides) {
            top = kFirstTop;
            for (int row = side.firstRow; row < side.firstRow + 4; ++row) {
                float left = side.start;
                for (int p = 1; p <= kDealtPerRow; ++p) {
                    at(row, p).left = left;
                    at(row, p).top = top;
                    psnAt(row, p) = {left, top};
                    left += side.step;
                }
                top += kPileStep;
            }
        }
    });
}

void clsBCastle::msForceAces()
{
    // The foundations are dealt from places 49..52.
    trapErrors("msForceAces", [&] { gsForceAces(49); });
}

void clsBCastle::gsInitNewGame()
{
    trapErrors("gsInitNewGame", [&] {
        gsShuffleDeck();
        msForceAces();
        // Deal place 1 is row 1's outermost card; the left rows are dealt
        // from the outside in, the right rows from the inside out.
        for (int r = 1; r <= 4; ++r)
            for (int p = 1; p <= kDealtPerRow; ++p)
                at(r, p).card = gintDeck[kDealtPerRow * r - p + 1];
        for (int r = 5; r <= kTableauRows; ++r)
            for (int p = 1; p <= kDealtPerRow; ++p)
                at(r, p).card = gintDeck[kDealtPerRow * (r - 1) + p];
        for (int k = 1; k <= 4; ++k)
            at(kTableauRows + k, 1).card = gintDeck[48 + k];
        gsDrawCards();
    });
}

void clsBCastle::gsDrawCards()
{
    trapErrors("gsDrawCards", [&] {
        Board& b = board();
        b.cls();
        // Outwards, so each card covers all but a 12-pixel strip of the one before.
        for (int r = 1; r <= kTableauRows; ++r)
            for (int p = 1; p <= kPlaces; ++p) {
                const CardPlace& c = mudtCards[r][p];
                if (c.present && !c.lifted && c.card != 0)
                    b.drawCard(c.card, c.left, c.top);
            }
        for (int row = kFirstFoundation; row <= kRows; ++row) {
            const CardPlace& c = at(row, foundCount(row));
            if (c.card != 0)
                b.drawCard(c.card, c.left, c.top);
        }
        b.presentBoard();
    });
}

bool clsBCastle::mblnfCardIsThere(int aintRow, int aintPlace, bool ablnMouseDown, bool& ablnRowEmpty)
{
    bool there = false;
    ablnRowEmpty = false;
    trapErrors("mblnfCardIsThere", [&] {
        const bool topCard = gblnfUncoveredCard(at(aintRow, aintPlace));
        if (ablnMouseDown) {
            there = topCard;
            return;
        }
        // An empty row takes a drop near any of its places.
        ablnRowEmpty = !at(aintRow, 1).present;
        there = ablnRowEmpty || topCard;
    });
    return there;
}

int clsBCastle::gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence)
{
    Q_UNUSED(aintNumCardsInSequence);  // one card moves at a time
    int answer = 0;
    trapErrors("gintfGetSelectedCard", [&] {
        bool rowEmpty = false;
        if (ablnMouseDown) {
            for (int row = 1; row <= kRows; ++row)
                for (int p = kPlaces; p >= 1; --p) {
                    if (!mblnfCardIsThere(row, p, true, rowEmpty))
                        continue;
                    const CardPlace& c = at(row, p);
                    if (!gblnfCardHit(asngX, asngY, c.left, c.top, true, kTolerance, kTolerance))
                        continue;
                    // A foundation's card never moves again.
                    if (row <= kTableauRows) {
                        at(row, p).lifted = true;
                        mintLiftedRow = row;
                        mintLiftedPlace = p;
                        mintTargetRow = mintTargetPlace = 0;
                        answer = row;
                    }
                    return;
                }
            return;
        }

        for (int row = kFirstFoundation; row <= kRows; ++row) {
            const PlacePsn& psn = psnAt(row, 1);
            if (gblnfCardHit(asngX, asngY, psn.left, psn.top, false, kTolerance, kTolerance)) {
                mintTargetRow = row;
                mintTargetPlace = foundCount(row);
                answer = row;
                return;
            }
        }
        for (int row = 1; row <= kRows; ++row)
            for (int p = kPlaces; p >= 1; --p) {
                if (!mblnfCardIsThere(row, p, false, rowEmpty))
                    continue;
                const CardPlace& c = at(row, p);
                if (!gblnfCardHit(asngX, asngY, c.left, c.top, false, kTolerance, kTolerance))
                    continue;
                mintTargetRow = row;
                mintTargetPlace = rowEmpty ? 0 : p;
                answer = row;
                return;
            }
    });
    return answer;
}

void clsBCastle::gsGetNewPsn(int aintCardFrom, int& aintPrevX, int& aintPrevY)
{
    Q_UNUSED(aintCardFrom);
    trapErrors("gsGetNewPsn", [&] {
        const CardPlace& c = at(mintLiftedRow, mintLiftedPlace);
        aintPrevX = gintfRoundHalfEven(c.left);
        aintPrevY = gintfRoundHalfEven(c.top);
    });
}

bool clsBCastle::mblnfRowEmpty(int aintX, int aintY, int& aintRow)
{
    bool found = false;
    aintRow = 0;
    trapErrors("mblnfRowEmpty", [&] {
        // Wide bands beside the foundations, one per row, so that a card
        // dropped roughly where an empty row begins still lands there.
        if (aintY < 0)
            return;
        const int band = aintY / kPileStep;
        int row = 0;
        if (aintX + kCardWidth < kFoundationLeft && aintX >= kLeftRowsStart) {
            if (band + 1 <= 4)
                row = band + 1;
        } else if (aintX > kFoundationLeft + kCardWidth + kPileGap && aintX <= kRightRowsStart + kCardWidth) {
            if (band + 5 <= kTableauRows)
                row = band + 5;
        }
        if (row == 0)
            return;
        for (int p = 1; p <= kPlaces; ++p)
            if (at(row, p).card != 0)
                return;
        aintRow = row;
        found = true;
    });
    return found;
}

void clsBCastle::msResetCardStatus()
{
    trapErrors("msResetCardStatus", [&] {
        for (int r = 1; r <= kRows; ++r)
            for (int p = 1; p <= kPlaces; ++p)
                mudtCards[r][p].lifted = false;
    });
}

void clsBCastle::msUpdateCardStatus(int aintStep, int aintRow, int aintPlace)
{
    trapErrors("msUpdateCardStatus", [&] {
        if (aintRow > 0 && aintPlace == 0) {
            mintTargetRow = aintRow;
            mintTargetPlace = 0;
        }
        const int n = mintTargetPlace + 1;
        CardPlace& from = at(mintLiftedRow, mintLiftedPlace);
        CardPlace& to = at(mintTargetRow, n);
        to.card = from.card;
        to.covered = false;
        to.faceUp = true;
        to.present = true;
        to.lifted = false;
        if (isFoundation(mintTargetRow))
            ++foundCount(mintTargetRow);
        if (n == 1) {
            const PlacePsn& psn = psnAt(mintTargetRow, 1);
            to.left = psn.left;
            to.top = psn.top;
        } else {
            CardPlace& under = at(mintTargetRow, n - 1);
            to.left = under.left + static_cast<float>(aintStep);
            to.top = under.top;
            psnAt(mintTargetRow, n) = {to.left, to.top};
            under.covered = true;
        }
        from.card = 0;
        from.present = false;
        from.lifted = false;
        if (mintLiftedPlace > 1)
            at(mintLiftedRow, mintLiftedPlace - 1).covered = false;
    });
}

void clsBCastle::gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom,
                             int aintCardTo, bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(asngX);
    Q_UNUSED(asngY);
    Q_UNUSED(ablnDealEnabled);
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsPlaceCard", [&] {
        // Without a lifted card there is nothing to move, only to redraw.
        const bool holding = mintLiftedRow != 0;
        if (aintCardTo != 0) {
            bool legal = false;
            if (holding) {
                const int lifted = at(mintLiftedRow, mintLiftedPlace).card;
                if (mintTargetRow >= 1 && mintTargetRow <= kTableauRows) {
                    if (mintTargetPlace != 0)
                        legal = gblnfInSequence(at(mintTargetRow, mintTargetPlace).card, lifted, false, true, false,
                                                false);
                    else
                        legal = true;
                } else if (isFoundation(mintTargetRow)) {
                    legal = gblnfInSequence(at(mintTargetRow, foundCount(mintTargetRow)).card, lifted, false, false,
                                            true, true);
                }
            }
            if (legal) {
                ablnUndoEnabled = true;
                const int step = mintTargetRow <= 4 ? -kFanStep : mintTargetRow <= kTableauRows ? kFanStep : 0;
                msUpdateCardStatus(step, aintCardFrom, aintCardTo);
            } else {
                msResetCardStatus();
            }
        } else {
            int row = 0;
            // Undo is left as the press left it: the bands move no record.
            if (holding && mblnfRowEmpty(aintPrevX, aintPrevY, row) && aintCardFrom > 0)
                msUpdateCardStatus(0, row, 0);
            else
                msResetCardStatus();
        }
        gsDrawCards();
        board().presentBoard();
        board().refreshWindow();
    });
}

bool clsBCastle::gblnfGameOver()
{
    bool over = false;
    trapErrors("gblnfGameOver", [&] {
        for (int r = 1; r <= kTableauRows; ++r)
            for (int p = 1; p <= kPlaces; ++p)
                if (at(r, p).card != 0)
                    return;
        over = true;
    });
    return over;
}

void clsBCastle::gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(ablnDealEnabled);
    Q_UNUSED(aintCardsLeft);
    ablnUndoEnabled = false;
    trapErrors("gsUndo", [&] {
        // Only the last move is remembered, and only until it is taken back.
        if (mintLiftedRow == 0 || mintTargetRow == 0)
            return;
        const bool foundation = isFoundation(mintTargetRow);
        const int n = foundation ? foundCount(mintTargetRow) : mintTargetPlace + 1;
        CardPlace& moved = at(mintTargetRow, n);
        CardPlace& back = at(mintLiftedRow, mintLiftedPlace);
        const PlacePsn& home = psnAt(mintLiftedRow, mintLiftedPlace);
        back.card = moved.card;
        back.faceUp = true;
        back.present = true;
        back.lifted = false;
        back.covered = false;
        back.left = home.left;
        back.top = home.top;
        if (mintLiftedPlace >= 2)
            at(mintLiftedRow, mintLiftedPlace - 1).covered = true;
        moved.card = 0;
        moved.covered = false;
        moved.faceUp = false;
        moved.present = false;
        moved.lifted = false;
        at(mintTargetRow, mintTargetPlace <= 1 ? 1 : mintTargetPlace).covered = false;
        if (foundation)
            --foundCount(mintTargetRow);
        mintLiftedRow = mintLiftedPlace = 0;
        mintTargetRow = mintTargetPlace = 0;
        gsDrawCards();
        board().refreshWindow();
    });
}

std::vector<CardLocation> clsBCastle::census() const
{
    std::vector<CardLocation> cards;
    for (int r = 1; r <= kTableauRows; ++r)
        for (int p = 1; p <= kPlaces; ++p)
            if (mudtCards[r][p].card != 0)
                cards.push_back({mudtCards[r][p].card, CardWhere::Table});
    for (int r = kFirstFoundation; r <= kRows; ++r) {
        const int count = mintFoundCount[r - kTableauRows];
        for (int p = 1; p <= count && p <= kPlaces; ++p)
            if (mudtCards[r][p].card != 0)
                cards.push_back({mudtCards[r][p].card, CardWhere::Foundation});
    }
    return cards;
}

TableDescription clsBCastle::placesOnTable() const
{
    // No card lies anywhere before the first deal.
    if (census().empty())
        return {};
    // Drawn rows first, then the foundations, as gsDrawCards lays them.
    TableDescription table;
    for (int r = 1; r <= kTableauRows; ++r) {
        const auto& cards = mudtCards[r];
        TablePlace row = gudtfNewPlace(QStringLiteral("Row %1").arg(r));
        const auto top = [&](int p) { return gblnfUncoveredCard(cards[p]); };
        gsAddColumnCards(row, cards, top, top);
        // An empty row takes any card at its first place.
        if (row.cards.empty()) {
            const PlacePsn& psn = mudtPsns[r][1];
            row.empty = grectfCardFace(psn.left, psn.top);
            row.emptyCanDrop = true;
        }
        table.push_back(std::move(row));
    }
    for (int k = 1; k <= 4; ++k) {
        const int count = mintFoundCount[k];
        TablePlace foundation = gudtfNewPlace(QStringLiteral("Foundation %1").arg(k), CardWhere::Foundation);
        // Only the top card is drawn; foundation cards never move again.
        const auto top = [&](int p) { return p == count; };
        gsAddColumnCards(foundation, mudtCards[kTableauRows + k], top, [](int) { return false; }, top);
        table.push_back(std::move(foundation));
    }
    return table;
}

std::vector<QPoint> clsBCastle::hotSpots() const
{
    // Each row's top card (or its place 1 when empty) and each foundation.
    std::vector<QPoint> spots;
    for (int r = 1; r <= kTableauRows; ++r) {
        int top = 0;
        for (int p = kPlaces; p >= 1 && top == 0; --p)
            if (mudtCards[r][p].card != 0)
                top = p;
        const PlacePsn& psn = mudtPsns[r][top == 0 ? 1 : top];
        spots.push_back({static_cast<int>(psn.left), static_cast<int>(psn.top)});
    }
    for (int r = kFirstFoundation; r <= kRows; ++r)
        spots.push_back({static_cast<int>(mudtPsns[r][1].left), static_cast<int>(mudtPsns[r][1].top)});
    return spots;
}
