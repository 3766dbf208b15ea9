#include "core/pileplaces.h"

#include "core/board.h"
#include "core/cardpile.h"
#include "core/modCards.h"

TablePlace gplacefUnshownStock(int aintCardsDealt)
{
    TablePlace stock{QStringLiteral("Stock"), CardWhere::Stock, {}, {}, false};
    for (int p = kCardCount; p > aintCardsDealt; --p)
        stock.cards.push_back({gintDeck[p], false, {}, {}, false, false, {}});
    return stock;
}

TablePlace gplacefTopShownPile(const CardPile& pile, const QString& astrName, CardWhere aenmWhere, float asngX,
                               float asngY)
{
    TablePlace place{astrName, aenmWhere, {}, {}, false};
    for (int e = 1; e <= pile.count(); ++e)
        place.cards.push_back({pile[e].card, true, e == pile.count() ? grectfCardFace(asngX, asngY) : QRect(), {},
                               false, false, {}});
    return place;
}

QRect grectfCardFace(float asngX, float asngY)
{
    return {gintfRoundHalfEven(asngX), gintfRoundHalfEven(asngY), kCardWidth, kCardHeight};
}
