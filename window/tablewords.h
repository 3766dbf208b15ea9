#pragma once
// The table in words for a player who cannot see it: the name and the
// surroundings of each spot, the whole table place by place, and what an
// action changed. Everything here reads a game's description of its table
// (core/tabledescription.h) and decides no rule.

#include "core/tabledescription.h"

#include <QPoint>
#include <QString>

// "Seven of Hearts, Column 3", "Face-down card, Column 3",
// "Foundation 2, empty", "Stock, 24 cards".
QString gstrfSpotName(const TableDescription& table, const TableSpot& spot);

// What a sighted player sees around a spot: its place's count and visible
// cards from the top down, and the cards lying over it.
QString gstrfSpotDescription(const TableDescription& table, const TableSpot& spot);

// Every place that shows, in the description's order.
QString gstrfWholeTable(const TableDescription& table);

// The card or empty place a press at `point` lands on, as the topmost spot
// there: the card number (0 for an empty place) and its place's name.
struct SpotWords {
    int card = 0;
    QString place;
    int above = 0;  // cards of the place lying on it
    bool isValid() const { return !place.isEmpty(); }
};
SpotWords gfSpotAt(const TableDescription& table, QPoint point);

// The cards that changed place between two descriptions, in words:
// "Seven of Hearts to Eight of Spades, Column 2", "Removed: Five of Clubs",
// clauses joined by "; ". Empty when nothing moved.
QString gstrfMovesSaid(const TableDescription& before, const TableDescription& after);

// A Deal: the cards that came from the stock (or newly appeared), and how
// many the stock still holds; `cardsLeft` when no place is a stock.
QString gstrfDealSaid(const TableDescription& before, const TableDescription& after, int cardsLeft);

// "Seven of Hearts and 2 more"
QString gstrfGroupName(const SpotWords& spot);
