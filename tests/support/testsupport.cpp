#include "testsupport.h"

#include <memory>

MessageRecorder::MessageRecorder()
{
    gsSetMessageBoxHook([this](const MessageBoxCall& call) { calls.append(call); });
}

MessageRecorder::~MessageRecorder() { gsSetMessageBoxHook({}); }

QList<MessageBoxCall> MessageRecorder::errors() const
{
    QList<MessageBoxCall> found;
    for (const MessageBoxCall& c : calls)
        if (c.title.startsWith(QLatin1String("Error In ")))
            found.append(c);
    return found;
}

RiggedShuffle::RiggedShuffle(const std::array<int, 53>& deck, std::vector<float> afterwards)
{
    // The shuffle puts card c into the k-th still-empty place, k drawn as
    // int((53 - c) * r) + 1: work out each r that picks the wanted place.
    std::array<int, 53> placeOf{};
    for (int p = 1; p <= 52; ++p)
        placeOf[deck[p]] = p;
    auto draws = std::make_shared<std::vector<float>>();
    std::array<bool, 53> used{};
    for (int c = 1; c <= 52; ++c) {
        int k = 0;
        for (int p = 1; p <= placeOf[c]; ++p)
            if (!used[p])
                ++k;
        used[placeOf[c]] = true;
        draws->push_back((static_cast<float>(k) - 0.5f) / static_cast<float>(53 - c));
    }
    auto next = std::make_shared<size_t>(0);
    auto after = std::make_shared<std::vector<float>>(std::move(afterwards));
    gsSetRandomSource([draws, next, after] {
        // Each shuffle is 52 draws; what a deal draws after it comes next.
        const size_t i = *next;
        ++*next;
        if (i >= draws->size() && !after->empty()) {
            const size_t j = i - draws->size();
            if (j < after->size())
                return (*after)[j];
        }
        return (*draws)[i % draws->size()];
    });
}

RiggedShuffle::~RiggedShuffle() { gsSetRandomSource({}); }

std::array<int, 53> deckStartingWith(const std::vector<int>& first)
{
    std::array<int, 53> deck{};
    std::array<bool, 53> taken{};
    int p = 1;
    for (int card : first) {
        deck[p++] = card;
        taken[card] = true;
    }
    for (int card = 1; card <= 52; ++card)
        if (!taken[card])
            deck[p++] = card;
    return deck;
}

std::array<int, 53> deckWithCards(const std::map<int, int>& fixed)
{
    std::array<int, 53> deck{};
    std::array<bool, 53> used{};
    for (const auto& [place, card] : fixed) {
        deck[place] = card;
        used[card] = true;
    }
    int place = 1;
    for (int card = 1; card <= 52; ++card) {
        if (used[card])
            continue;
        while (deck[place] != 0)
            ++place;
        deck[place] = card;
    }
    return deck;
}
