#include "games/clsBisley.h"

#include "core/board.h"
#include "core/cardrun.h"
#include "core/columnplaces.h"
#include "core/errors.h"
#include "core/forceaces.h"
#include "core/modCards.h"

namespace {
constexpr int kClientRight = 744;
constexpr int kClientBottom = 490;
constexpr int kGridLeft = 2;
constexpr int kGridTop = 87;
constexpr int kColumnStep = kCardWidth + 2;  // 57
constexpr int kRowStep = kCardHeight + 4;    // 83
constexpr int kKingTop = 4;
constexpr float kTolerance = 20;
constexpr QRgb kOutline = 0xff000000;

bool isGridPile(int pile) { return pile >= 1 && pile <= clsBisley::kGridPiles; }
bool isTableauPile(int pile) { return pile >= 5 && pile <= clsBisley::kGridPiles; }
bool isKingPile(int pile) { return pile >= clsBisley::kFirstKingPile && pile <= clsBisley::kPiles; }
}

clsBisley::clsBisley(Board& board)
    : GameRules(board), mintClientRight(kClientRight), mintClientBottom(kClientBottom), mstrTitle(QStringLiteral("Bisley"))
{
}

int clsBisley::gintfPileHeight(int aintPile) const
{
    return CheckedTable<int, 1, kPiles>::contains(aintPile) ? mintHeight[aintPile] : 0;
}

int clsBisley::gintfTopCard(int aintPile) const
{
    const int height = gintfPileHeight(aintPile);
    return height == 0 ? 0 : mudtCards[aintPile][height].card;
}

void clsBisley::gsInitVar()
{
    trapErrors("gsInitVar", [&] {
        for (int p = 1; p <= kPiles; ++p) {
            for (int l = 1; l <= kLevels; ++l) {
                CardPlace& c = mudtCards[p][l];
                c = CardPlace{};
                c.faceUp = true;
                c.present = isGridPile(p);
            }
            mudtPsns[p] = PlacePsn{};
        }
        mintHeight.fill(0);
        mintTakenFrom = mintDroppedOn = 0;
        mintUndoFrom = mintUndoTo = 0;
    });
}

void clsBisley::gsInitCardPsns()
{
    trapErrors("gsInitCardPsns", [&] {
        for (int p = 1; p <= kPiles; ++p) {
            PlacePsn psn;
            if (isGridPile(p)) {
                const int row = (p - 1) / kColumns;
                const int column = (p - 1) % kColumns;
                psn = {static_cast<float>(kGridLeft + column * kColumnStep),
                       static_cast<float>(kGridTop + row * kRowStep)};
            } else {
                // Each King foundation stands above its suit's Ace.
                psn = {static_cast<float>(kGridLeft + (p - kFirstKingPile) * kColumnStep),
                       static_cast<float>(kKingTop)};
            }
            mudtPsns[p] = psn;
            for (int l = 1; l <= kLevels; ++l) {
                mudtCards[p][l].left = psn.left;
                mudtCards[p][l].top = psn.top;
            }
        }
    });
}

void clsBisley::msForceAces()
{
    // The Ace foundations are dealt from places 1..4.
    trapErrors("msForceAces", [&] { gsForceAces(1); });
}

void clsBisley::gsInitNewGame()
{
    trapErrors("gsInitNewGame", [&] {
        gsShuffleDeck();
        msForceAces();
        for (int p = 1; p <= kGridPiles; ++p) {
            mudtCards[p][1].card = gintDeck[p];
            mintHeight[p] = 1;
        }
        gsDrawCards();
    });
}

void clsBisley::gsDrawCards()
{
    trapErrors("gsDrawCards", [&] {
        Board& b = board();
        b.cls();
        // Only the uppermost card a pile shows is drawn: a lifted card's
        // pile shows what lies beneath it.
        for (int p = 1; p <= kPiles; ++p)
            for (int l = mintHeight[p]; l >= 1; --l) {
                const CardPlace& c = mudtCards[p][l];
                if (!c.lifted && c.present && c.card != 0) {
                    b.drawCard(c.card, c.left, c.top);
                    break;
                }
            }
        // Outlined before the board is shown, so that an empty King
        // foundation is visible from the deal on.
        gsDrawCardBorder();
        b.presentBoard();
    });
}

void clsBisley::gsDrawCardBorder()
{
    trapErrors("gsDrawCardBorder", [&] {
        for (int p = kFirstKingPile; p <= kPiles; ++p) {
            const int left = gintfRoundHalfEven(mudtPsns[p].left);
            const int top = gintfRoundHalfEven(mudtPsns[p].top);
            board().drawOutline(left - 1, top - 1, kCardWidth + 2, kCardHeight + 2, kOutline);
        }
    });
}

bool clsBisley::mblnfBottomColumn(int aintPile) const
{
    // Columns empty from the bottom up, so the row below tells.
    if (aintPile >= 5 && aintPile <= kGridPiles - kColumns)
        return mintHeight[aintPile + kColumns] == 0;
    return true;
}

bool clsBisley::mblnfReachable(int aintPile) const
{
    // What a press or a drop can find: a King foundation, full or not, or
    // the top card of a grid pile at the bottom of its column.
    return isKingPile(aintPile) || (mintHeight[aintPile] > 0 && mblnfBottomColumn(aintPile));
}

void clsBisley::msResetCardStatus()
{
    trapErrors("msResetCardStatus", [&] {
        for (auto& pile : mudtCards)
            for (CardPlace& c : pile)
                c.lifted = false;
    });
}

int clsBisley::gintfGetSelectedCard(float asngX, float asngY, bool ablnMouseDown, int& aintNumCardsInSequence)
{
    Q_UNUSED(aintNumCardsInSequence);  // one card moves at a time
    int answer = 0;
    trapErrors("gintfGetSelectedCard", [&] {
        int found = 0;
        for (int p = kPiles; p >= 1 && found == 0; --p) {
            const PlacePsn& psn = mudtPsns[p];
            if (isKingPile(p)) {
                if (gblnfCardHit(asngX, asngY, psn.left, psn.top, ablnMouseDown, kTolerance, kTolerance))
                    found = p;
            } else if (mblnfReachable(p)) {
                const CardPlace& c = topOf(p);
                if (gblnfCardHit(asngX, asngY, c.left, c.top, ablnMouseDown, kTolerance, kTolerance))
                    found = p;
            }
        }
        if (!ablnMouseDown) {
            mintDroppedOn = found;
            answer = found;
            return;
        }
        // A press whose release never came must not leave a card lifted.
        msResetCardStatus();
        // Foundation cards never move again.
        if (!isTableauPile(found))
            return;
        topOf(found).lifted = true;
        mintTakenFrom = found;
        mintDroppedOn = 0;
        answer = found;
    });
    return answer;
}

void clsBisley::gsGetNewPsn(int aintCardFrom, int& aintPrevX, int& aintPrevY)
{
    trapErrors("gsGetNewPsn", [&] {
        const PlacePsn& psn = mudtPsns[aintCardFrom];
        aintPrevX = gintfRoundHalfEven(psn.left);
        aintPrevY = gintfRoundHalfEven(psn.top);
    });
}

bool clsBisley::mblnfLegal(int aintFrom, int aintTo) const
{
    if (!isTableauPile(aintFrom) || aintFrom == aintTo || mintHeight[aintFrom] == 0)
        return false;
    const CardPlace& moving = mudtCards[aintFrom][mintHeight[aintFrom]];
    if (!moving.lifted)
        return false;
    const int m = moving.card;
    const int t = gintfTopCard(aintTo);
    if (isKingPile(aintTo)) {
        if (t == 0)
            return gintfCardRank(m, false) == 13 && aintTo == kFirstKingPile + gintfCardSuit(m);
        return gblnfInSequence(t, m, false, true, true, false);
    }
    if (t == 0)  // an emptied grid pile is never refilled
        return false;
    if (aintTo <= 4)
        return gblnfInSequence(t, m, false, false, true, true);
    return gblnfInSequence(t, m, false, false, true, false);
}

void clsBisley::msUpdateCardStatus(int aintFrom, int aintTo)
{
    trapErrors("msUpdateCardStatus", [&] {
        CardPlace& from = topOf(aintFrom);
        const int card = from.card;
        ++mintHeight[aintTo];
        CardPlace& to = topOf(aintTo);
        to.card = card;
        to.lifted = false;
        to.present = true;
        from.card = 0;
        from.lifted = false;
        --mintHeight[aintFrom];
        mintUndoFrom = aintFrom;
        mintUndoTo = aintTo;
    });
}

void clsBisley::gsPlaceCard(float asngX, float asngY, int aintPrevX, int aintPrevY, int aintCardFrom, int aintCardTo,
                            bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(asngX);
    Q_UNUSED(asngY);
    Q_UNUSED(aintPrevX);
    Q_UNUSED(aintPrevY);
    Q_UNUSED(ablnDealEnabled);
    Q_UNUSED(aintCardsLeft);
    trapErrors("gsPlaceCard", [&] {
        if (aintCardTo != 0 && CheckedTable<int, 1, kPiles>::contains(aintCardTo) && mblnfLegal(aintCardFrom, aintCardTo)) {
            ablnUndoEnabled = true;
            msUpdateCardStatus(aintCardFrom, aintCardTo);
        } else {
            msResetCardStatus();
        }
        gsDrawCards();
        board().refreshWindow();
    });
}

bool clsBisley::gblnfGameOver()
{
    bool over = false;
    trapErrors("gblnfGameOver", [&] {
        for (int p = 5; p <= kGridPiles; ++p)
            if (mintHeight[p] != 0)
                return;
        over = true;
    });
    return over;
}

void clsBisley::gsUndo(bool& ablnDealEnabled, bool& ablnUndoEnabled, int& aintCardsLeft)
{
    Q_UNUSED(ablnDealEnabled);
    Q_UNUSED(aintCardsLeft);
    ablnUndoEnabled = false;
    trapErrors("gsUndo", [&] {
        // Only the last move is remembered, and only until it is taken back.
        const int s = mintUndoFrom;
        const int d = mintUndoTo;
        mintUndoFrom = mintUndoTo = 0;
        if (s == 0 || d == 0 || mintHeight[d] == 0)
            return;
        msResetCardStatus();
        CardPlace& moved = topOf(d);
        const int card = moved.card;
        moved.card = 0;
        moved.present = false;
        --mintHeight[d];
        ++mintHeight[s];
        CardPlace& back = topOf(s);
        back.card = card;
        back.present = true;
        back.left = mudtPsns[s].left;
        back.top = mudtPsns[s].top;
        gsDrawCards();
        board().refreshWindow();
    });
}

std::vector<CardLocation> clsBisley::census() const
{
    std::vector<CardLocation> cards;
    for (int p = 1; p <= kPiles; ++p)
        for (int l = 1; l <= mintHeight[p]; ++l) {
            const bool foundation = p <= 4 || isKingPile(p);
            cards.push_back({mudtCards[p][l].card, foundation ? CardWhere::Foundation : CardWhere::Table});
        }
    return cards;
}

TableDescription clsBisley::placesOnTable() const
{
    // No card lies anywhere before the first deal.
    if (census().empty())
        return {};
    // A pile draws only its uppermost card not in hand. A press takes the
    // top card of a tableau pile it reaches; a drop lands on any it reaches.
    const auto addPile = [&](TablePlace& place, int p) {
        const auto& levels = mudtCards[p];
        const int drawn = gintfTopUnliftedPlace(levels);
        const int top = mblnfReachable(p) ? mintHeight[p] : 0;
        gsAddColumnCards(
            place, levels, [&](int l) { return l == drawn; }, [&](int l) { return l == top && isTableauPile(p); },
            [&](int l) { return l == top; });
    };
    TableDescription table;
    for (int p = 1; p <= 4; ++p) {
        TablePlace ace = gudtfNewPlace(QStringLiteral("Ace foundation %1").arg(p), CardWhere::Foundation);
        addPile(ace, p);
        table.push_back(std::move(ace));
    }
    // A column of the grid, top row first; columns 1 to 4 start below their Aces.
    for (int c = 1; c <= kColumns; ++c) {
        TablePlace column = gudtfNewPlace(QStringLiteral("Column %1").arg(c));
        for (int p = c; p <= kGridPiles; p += kColumns)
            if (isTableauPile(p))
                addPile(column, p);
        table.push_back(std::move(column));
    }
    for (int p = kFirstKingPile; p <= kPiles; ++p) {
        TablePlace king =
            gudtfNewPlace(QStringLiteral("King foundation %1").arg(p - kFirstKingPile + 1), CardWhere::Foundation);
        addPile(king, p);
        // The outline of an empty King foundation takes its suit's King.
        if (king.cards.empty()) {
            king.empty = grectfCardFace(mudtPsns[p].left, mudtPsns[p].top);
            king.emptyCanDrop = true;
        }
        table.push_back(std::move(king));
    }
    return table;
}

std::vector<QPoint> clsBisley::hotSpots() const
{
    std::vector<QPoint> spots;
    for (int p = 1; p <= kPiles; ++p) {
        const bool place = isKingPile(p) || (mintHeight[p] > 0 && mblnfBottomColumn(p));
        if (place)
            spots.emplace_back(gintfRoundHalfEven(mudtPsns[p].left), gintfRoundHalfEven(mudtPsns[p].top));
    }
    return spots;
}
