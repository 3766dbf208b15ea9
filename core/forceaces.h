#pragma once
// Games that start with the four Aces laid out as foundations take them out
// of the shuffled deck into one block of four deal places, in suit order.

// Moves the four Aces of gintDeck into deal places aintFirstPlace ..
// aintFirstPlace + 3, Spades, Hearts, Diamonds, Clubs. Every Ace outside the
// block, taken in increasing place order, is exchanged in turn with each
// non-Ace of the block; the block is then sorted by card number. Every other
// card ends up outside the block, none is lost.
void gsForceAces(int aintFirstPlace);
