#pragma once
// A game's table description in short words, for comparing in tests.
#include "core/gamerules.h"

// "Column 1: 5, Stock: 16": each place and its card count.
inline QString placesSummary(const TableDescription& table)
{
    QStringList parts;
    for (const TablePlace& place : table)
        parts << QStringLiteral("%1: %2").arg(place.name).arg(place.cards.size());
    return parts.join(QStringLiteral(", "));
}

// The cards a press would take, in the description's order.
inline QList<int> pickableCards(const TableDescription& table)
{
    QList<int> cards;
    for (const TablePlace& place : table)
        for (const TableCard& card : place.cards)
            cards << (card.canPick ? QList<int>{card.card} : QList<int>{});
    return cards;
}
