#pragma once
// A fanned column of card places (CheckedTable<CardPlace, 1, N>): the cards
// lie in places 1, 2, ... with no hole, and the last one is on top. A run is
// a card and every card after it, which moves as one group.

#include "core/cardplace.h"

// Place of the column's top card, 0 for an empty column.
template <class Column>
int gintfTopPlace(const Column& column)
{
    for (int p = Column::kLast; p >= Column::kFirst; --p)
        if (column[p].present && column[p].card != 0)
            return p;
    return 0;
}

// Place of the top card when lifted cards are left out, 0 when none remains.
template <class Column>
int gintfTopUnliftedPlace(const Column& column)
{
    for (int p = Column::kLast; p >= Column::kFirst; --p)
        if (column[p].present && column[p].card != 0 && !column[p].lifted)
            return p;
    return 0;
}

// Cards from aintPlace up to the last before the first empty place.
template <class Column>
int gintfRunLength(const Column& column, int aintPlace)
{
    int n = 0;
    for (int p = aintPlace; p <= Column::kLast && column[p].present && column[p].card != 0; ++p)
        ++n;
    return n;
}
