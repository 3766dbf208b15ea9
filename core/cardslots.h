#pragma once
// The face-up table of a click game, slot by slot: the card lying in each
// slot, whether a card of the next row still rests on it, and where it is
// drawn. Only a free card (there, and nothing resting on it) can be played;
// where cards overlap, the higher slot lies in front.

#include "core/board.h"
#include "core/checkedtable.h"
#include "core/gamerules.h"
#include "core/modCards.h"
#include "core/pileplaces.h"

#include <QPoint>
#include <vector>

struct CardSlot {
    bool present = false;
    int card = 0;
    bool covered = false;
    float x = 0;
    float y = 0;
};

template <int Slots>
class CardSlots : public CheckedTable<CardSlot, 1, Slots> {
public:
    // A new game's empty table; the slots keep their places.
    void resetCards(bool ablnPresent, bool ablnCovered)
    {
        for (CardSlot& slot : *this) {
            slot.present = ablnPresent;
            slot.card = 0;
            slot.covered = ablnCovered;
        }
    }

    bool isFree(int aintSlot) const
    {
        const CardSlot& slot = (*this)[aintSlot];
        return gblnfAndNot(slot.present, slot.covered);
    }

    // The free card at a board point, with the usual 20 pixels' leeway, or 0.
    // Covered cards are passed over so the free one showing beneath is found.
    int freeSlotAt(float asngX, float asngY) const
    {
        for (int s = Slots; s >= 1; --s) {
            const CardSlot& slot = (*this)[s];
            if (gblnfCardHit(asngX, asngY, slot.x, slot.y, true, 20, 20) && isFree(s))
                return s;
        }
        return 0;
    }

    void draw(Board& board) const
    {
        for (const CardSlot& slot : *this)
            if (slot.present && slot.card != 0)
                board.drawCard(slot.card, slot.x, slot.y);
    }

    void addToCensus(std::vector<CardLocation>& where) const
    {
        for (const CardSlot& slot : *this)
            if (slot.present)
                where.push_back({slot.card, CardWhere::Table});
    }

    // The cards of slots aintFirst, aintFirst + aintStep, ... up to aintLast,
    // in drawing order, onto aPlace; canPick(slot) tells whether a press would
    // take the card. The slot whose card a press has lifted stays listed
    // there, not drawn.
    template <class CanPick>
    void describe(TablePlace& aPlace, int aintFirst, int aintLast, int aintStep, CanPick&& canPick,
                  int aintLifted = 0) const
    {
        for (int s = aintFirst; s <= aintLast; s += aintStep) {
            const CardSlot& slot = (*this)[s];
            if (s == aintLifted)
                aPlace.cards.push_back({slot.card, true, {}, {}, false, false, {}});
            else if (slot.present && slot.card != 0)
                aPlace.cards.push_back({slot.card, true, grectfCardFace(slot.x, slot.y), {}, canPick(s), false, {}});
        }
    }

    std::vector<QPoint> freeSpots() const
    {
        std::vector<QPoint> spots;
        for (int s = 1; s <= Slots; ++s)
            if (isFree(s)) {
                const CardSlot& slot = (*this)[s];
                spots.push_back({gintfRoundHalfEven(slot.x), gintfRoundHalfEven(slot.y)});
            }
        return spots;
    }
};
