#pragma once
// The card model every game shares: numbering, rank, suit, the shuffled deck
// and the small tests games use to decide moves and hits.
//
// Card numbers run 1..52 in suit blocks of thirteen (Spades, Hearts, Diamonds,
// Clubs), each Ace to King.

#include <functional>

constexpr int kCardWidth = 55;
constexpr int kCardHeight = 79;
constexpr int kCardCount = 52;
constexpr int kCardBack = 53;  // picture index of the back

// gintDeck[1..52]: card number at each deal place; element 0 is unused.
extern int gintDeck[kCardCount + 1];

void gsShuffleDeck();
int gintfCardRank(int aintCard, bool ablnFaceValue);
int gintfCardSuit(int aintCard);  // 0 Spades, 1 Hearts, 2 Diamonds, 3 Clubs
bool gblnfIsRed(int aintCard);
bool gblnfSameSuit(int aintCard1, int aintCard2);
bool gblnfInSequence(int aintCard1, int aintCard2, bool ablnWrap, bool ablnDescending, bool ablnSameSuit,
                     bool ablnAscending);
bool gblnfCardHit(float asngX, float asngY, float asngCardX, float asngCardY, bool ablnMouseDown,
                  float asngToleranceX, float asngToleranceY);
bool gblnfAndNot(bool ablnFirst, bool ablnSecond);
void gsGetSequenceSize(int& aintWidth, int& aintHeight, int aintNumCards, int aintCardWidth, int aintCardHeight,
                       bool ablnVertical, int aintOffset);

// The shuffle draws from this source: uniform in [0, 1). Tests replace it to
// get fixed deals; an empty function restores the clock-seeded generator.
using RandomSource = std::function<float()>;
void gsSetRandomSource(RandomSource source);
// The next draw from that same source, in [0, 1), without re-seeding: for a
// deal's own random choices after its shuffle.
float gsngfRandom();
