#include "core/modCards.h"

#include <chrono>
#include <random>

int gintDeck[kCardCount + 1] = {};

namespace {
RandomSource& customSource()
{
    static RandomSource s;
    return s;
}

std::mt19937& engine()
{
    static std::mt19937 e;
    return e;
}

// Seeded from a high-resolution clock on every shuffle; the seed also mixes in
// a counter so that two shuffles within one clock tick still differ.
void seedFromClock()
{
    static unsigned counter = 0;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(ticks), static_cast<unsigned>(static_cast<unsigned long long>(ticks) >> 32),
                      ++counter};
    engine().seed(seq);
}

float nextRandom()
{
    if (customSource())
        return customSource()();
    // 24 random bits give every float in [0, 1) on a 2^-24 grid, never 1.
    return static_cast<float>(engine()() >> 8) / 16777216.0f;
}
}

void gsSetRandomSource(RandomSource source) { customSource() = std::move(source); }

float gsngfRandom()
{
    const float r = nextRandom();
    // A broken source (NaN, negative, 1 or more) still gives a value in range.
    if (!(r >= 0.0f))
        return 0.0f;
    return r < 1.0f ? r : 0.99999994f;
}

void gsShuffleDeck()
{
    seedFromClock();
    for (int p = 1; p <= kCardCount; ++p)
        gintDeck[p] = 0;
    for (int c = 1; c <= kCardCount; ++c) {
        float r = nextRandom();
        if (!(r >= 0.0f))  // also catches NaN from a broken source
            r = 0.0f;
        const int empty = 53 - c;
        int k = static_cast<int>(static_cast<float>(empty) * r) + 1;
        if (k > empty)  // a source that returns 1 or more must not leave the card out
            k = empty;
        int seen = 0;
        for (int p = 1; p <= kCardCount; ++p) {
            if (gintDeck[p] == 0 && ++seen == k) {
                gintDeck[p] = c;
                break;
            }
        }
    }
}

int gintfCardRank(int aintCard, bool ablnFaceValue)
{
    int rank = aintCard % 13;
    if (rank == 0)
        rank = 13;
    if (ablnFaceValue && rank > 10)
        rank = 10;
    return rank;
}

int gintfCardSuit(int aintCard) { return (aintCard - 1) / 13; }

bool gblnfIsRed(int aintCard)
{
    const int suit = gintfCardSuit(aintCard);
    return suit == 1 || suit == 2;
}

bool gblnfSameSuit(int aintCard1, int aintCard2) { return gintfCardSuit(aintCard1) == gintfCardSuit(aintCard2); }

bool gblnfInSequence(int aintCard1, int aintCard2, bool ablnWrap, bool ablnDescending, bool ablnSameSuit,
                     bool ablnAscending)
{
    const int r1 = gintfCardRank(aintCard1, false);
    const int r2 = gintfCardRank(aintCard2, false);
    bool fits;
    if (r1 == 1)
        fits = ablnWrap ? (r2 == 13 || r2 == 2) : (r2 == 2 && ablnAscending);
    else if (r1 == 13)
        fits = ablnWrap ? (r2 == 12 || r2 == 1) : (r2 == 12);
    else if (ablnDescending)
        fits = r1 - r2 == 1;
    else if (ablnAscending)
        fits = r2 - r1 == 1;
    else
        fits = r1 - r2 == 1 || r2 - r1 == 1;
    if (ablnSameSuit)
        fits = fits && gblnfSameSuit(aintCard1, aintCard2);
    return fits;
}

bool gblnfCardHit(float asngX, float asngY, float asngCardX, float asngCardY, bool ablnMouseDown,
                  float asngToleranceX, float asngToleranceY)
{
    if (ablnMouseDown) {
        const float right = asngCardX + static_cast<float>(kCardWidth);
        const float bottom = asngCardY + static_cast<float>(kCardHeight);
        return asngCardX <= asngX && asngX <= right && asngCardY <= asngY && asngY <= bottom;
    }
    const float dx = asngX - asngCardX;
    const float dy = asngY - asngCardY;
    return (dx < 0 ? -dx : dx) <= asngToleranceX && (dy < 0 ? -dy : dy) <= asngToleranceY;
}

bool gblnfAndNot(bool ablnFirst, bool ablnSecond) { return ablnFirst && !ablnSecond; }

void gsGetSequenceSize(int& aintWidth, int& aintHeight, int aintNumCards, int aintCardWidth, int aintCardHeight,
                       bool ablnVertical, int aintOffset)
{
    if (ablnVertical) {
        aintWidth = aintCardWidth;
        aintHeight = aintCardHeight + (aintNumCards - 1) * aintOffset;
    } else {
        aintWidth = aintCardWidth + (aintNumCards - 1) * aintOffset;
        aintHeight = aintCardHeight;
    }
}
