#pragma once
// Describing the card places of the tableau games (CheckedTable<CardPlace,
// 1, N> columns, rows and piles) for describeTable(): one TableCard per
// place that holds a card, bottom up, drawn where the game draws it.

#include "core/cardplace.h"
#include "core/modCards.h"
#include "core/tabledescription.h"

#include <QRect>

// The whole card as the board draws it with its corner at (left, top):
// Board::drawCard rounds the corner the same way.
inline QRect grectfCardFace(float asngLeft, float asngTop)
{
    return QRect(gintfRoundHalfEven(asngLeft), gintfRoundHalfEven(asngTop), kCardWidth, kCardHeight);
}

// A place of that name and kind with no card yet.
inline TablePlace gudtfNewPlace(const QString& astrName, CardWhere aWhere = CardWhere::Table)
{
    TablePlace place;
    place.name = astrName;
    place.where = aWhere;
    return place;
}

// A card drawn at aFace (empty when not drawn), neither picked nor dropped on.
inline TableCard gudtfNewCard(int aintCard, bool ablnFaceUp, const QRect& aFace = QRect())
{
    TableCard card;
    card.card = aintCard;
    card.faceUp = ablnFaceUp;
    card.face = aFace;
    return card;
}

// A fanned column draws every card in its place except the lifted ones.
inline bool gblnfDrawnInPlace(const CardPlace& aPlace)
{
    return aPlace.present && !aPlace.lifted && aPlace.card != 0;
}

// Adds to aTarget the cards of aColumn, bottom up. aDrawn(p) tells whether
// the card at place p is drawn; aPick(p) and aDrop(p) what a press or a
// drop there can do now, as the game's own tests answer them.
template <class Column, class Drawn, class Pick, class Drop>
void gsAddColumnCards(TablePlace& aTarget, const Column& aColumn, Drawn aDrawn, Pick aPick, Drop aDrop)
{
    for (int p = Column::kFirst; p <= Column::kLast; ++p) {
        const CardPlace& place = aColumn[p];
        if (place.card == 0)
            continue;
        TableCard card = gudtfNewCard(place.card, place.faceUp);
        if (aDrawn(p))
            card.face = grectfCardFace(place.left, place.top);
        card.canPick = aPick(p);
        card.canDrop = aDrop(p);
        aTarget.cards.push_back(card);
    }
}

// The same for a column that draws every card in its place but the lifted.
template <class Column, class Pick, class Drop>
void gsAddColumnCards(TablePlace& aTarget, const Column& aColumn, Pick aPick, Drop aDrop)
{
    gsAddColumnCards(aTarget, aColumn, [&](int p) { return gblnfDrawnInPlace(aColumn[p]); }, aPick, aDrop);
}
