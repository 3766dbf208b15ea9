#pragma once
// One place of a game's card table, as the tableau games keep it: the card
// lying there, how it stands, and where it is drawn.

struct CardPlace {
    bool covered = false;  // another card lies on this one
    bool lifted = false;   // being dragged: not drawn in its place
    bool faceUp = false;
    bool present = false;  // the place holds a card
    int dealPlace = 0;     // position in the shuffled deck, for games that track it
    int card = 0;          // card number 1..52, 0 for none
    float left = 0;
    float top = 0;
};

// A card nothing lies on: in a column game the only one a press or a drop
// can reach.
inline bool gblnfUncoveredCard(const CardPlace& aPlace)
{
    return aPlace.present && !aPlace.covered && aPlace.card != 0;
}

// A remembered board position.
struct PlacePsn {
    float left = 0;
    float top = 0;
};
