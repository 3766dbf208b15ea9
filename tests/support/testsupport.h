#pragma once
// Helpers shared by the test suites.

#include "core/msgbox.h"
#include "core/modCards.h"

#include <QList>
#include <array>
#include <map>
#include <vector>

// Records every message box instead of showing it, while alive.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    QList<MessageBoxCall> calls;
    // Messages titled "Error In ...".
    QList<MessageBoxCall> errors() const;
    void clear() { calls.clear(); }
};

// Makes the next shuffles produce the given deal, while alive: deck[p] is the
// card at deal place p (1..52; element 0 unused). Draws a deal makes after
// its shuffle come from `afterwards` in turn, when given.
class RiggedShuffle {
public:
    explicit RiggedShuffle(const std::array<int, 53>& deck, std::vector<float> afterwards = {});
    ~RiggedShuffle();
};

// A deal with the listed cards at places 1, 2, ... and the remaining cards
// after them in increasing order.
std::array<int, 53> deckStartingWith(const std::vector<int>& first);

// A deal with the listed cards at their places (place -> card) and the
// remaining cards in the free places in increasing order.
std::array<int, 53> deckWithCards(const std::map<int, int>& fixed);

// Card number from rank (1..13) and suit (0 Spades, 1 Hearts, 2 Diamonds,
// 3 Clubs).
constexpr int cardOf(int rank, int suit) { return suit * 13 + rank; }
