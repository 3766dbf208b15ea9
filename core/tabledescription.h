#pragma once
// The table as a player sees it, in words and rectangles: what a game
// answers when asked to describe itself. Keyboard play, the census tests and
// the screen-reader layer read it; none of them decides a rule from it.
//
// A game lists its places in the order it draws them (a later card lies over
// an earlier one where they overlap), each place's cards from the bottom up.
// For every card it gives where the whole card is drawn (`face`, empty when
// the card is not drawn at all: under a stock's top card, discarded, or held
// by a drag); gsFillShown() then works out from those which part of each
// card shows and which cards of other places lie over it.

#include <QRect>
#include <QString>
#include <vector>

// Where a card is, for the card-conservation census run on every game.
enum class CardWhere { Table, Stock, Waste, Foundation, Discard };

struct TableCard {
    int card = 0;          // 1..52
    bool faceUp = true;
    QRect face;            // the whole card as drawn, board pixels; empty when not drawn
    QRect shown;           // the part of it the player sees (filled by gsFillShown)
    bool canPick = false;  // a press here now picks it up (drag games) or clicks it
    bool canDrop = false;  // a held card dropped here could land
    std::vector<int> coveredBy;  // cards of other places lying over it (filled by gsFillShown)
};

struct TablePlace {
    QString name;                 // the game's own words: "Column 3", "Foundation 2", "Stock"
    CardWhere where = CardWhere::Table;  // what the census calls the cards here
    std::vector<TableCard> cards;        // bottom up
    QRect empty;                  // where the place shows while it holds no card; empty if it does not
    bool emptyCanDrop = false;    // a held card dropped on the empty place could land
};

using TableDescription = std::vector<TablePlace>;

// One thing the player can point at: a visible card or a shown empty place.
struct TableSpot {
    int place = 0;    // index into the description
    int card = -1;    // index into that place's cards; -1 for the empty place
    QRect rect;       // what shows of it
    bool canPick = false;
    bool canDrop = false;
};

// Fills every card's `shown` (the largest rectangle of its face that no
// later card covers) and `coveredBy` (the cards of other places whose faces
// lie over it). Only asked for when wanted: never on the drag path.
void gsFillShown(TableDescription& table);

// Every visible card and shown empty place, in the description's order.
std::vector<TableSpot> gvecfTableSpots(const TableDescription& table);

// "Seven of Hearts", "Ace of Spades".
QString gstrfCardName(int aintCard);
