#include "core/tabledescription.h"

#include <algorithm>
#include <array>

namespace {
struct Drawn {
    int place;
    int card;
};

// The largest rectangle inside `face` that none of `over` touches; among
// equals the one nearest the top-left. Edges are tried only where some
// rectangle starts or ends, which is where the best one must lie.
QRect mrectfLargestUncovered(const QRect& face, const std::vector<QRect>& over)
{
    if (over.empty())
        return face;
    std::vector<int> xs{face.left(), face.left() + face.width()};
    std::vector<int> ys{face.top(), face.top() + face.height()};
    for (const QRect& r : over) {
        xs.push_back(std::clamp(r.left(), face.left(), face.left() + face.width()));
        xs.push_back(std::clamp(r.left() + r.width(), face.left(), face.left() + face.width()));
        ys.push_back(std::clamp(r.top(), face.top(), face.top() + face.height()));
        ys.push_back(std::clamp(r.top() + r.height(), face.top(), face.top() + face.height()));
    }
    for (std::vector<int>* v : {&xs, &ys}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }
    QRect best;
    long long bestArea = 0;
    for (size_t y1 = 0; y1 < ys.size(); ++y1)
        for (size_t x1 = 0; x1 < xs.size(); ++x1)
            for (size_t y2 = ys.size() - 1; y2 > y1; --y2)
                for (size_t x2 = xs.size() - 1; x2 > x1; --x2) {
                    const long long area = static_cast<long long>(xs[x2] - xs[x1]) * (ys[y2] - ys[y1]);
                    if (area <= bestArea)
                        break;  // narrower ones are smaller still
                    const QRect candidate(xs[x1], ys[y1], xs[x2] - xs[x1], ys[y2] - ys[y1]);
                    if (std::none_of(over.begin(), over.end(), [&](const QRect& r) { return r.intersects(candidate); })) {
                        best = candidate;
                        bestArea = area;
                        break;
                    }
                }
    return best;
}
}

void gsFillShown(TableDescription& table)
{
    std::vector<Drawn> order;
    for (int p = 0; p < static_cast<int>(table.size()); ++p)
        for (int c = 0; c < static_cast<int>(table[p].cards.size()); ++c)
            if (!table[p].cards[c].face.isEmpty())
                order.push_back({p, c});
    for (TablePlace& place : table)
        for (TableCard& card : place.cards) {
            card.shown = QRect();
            card.coveredBy.clear();
        }
    std::vector<QRect> over;
    for (size_t i = 0; i < order.size(); ++i) {
        TableCard& card = table[order[i].place].cards[order[i].card];
        over.clear();
        for (size_t j = i + 1; j < order.size(); ++j) {
            const TableCard& above = table[order[j].place].cards[order[j].card];
            if (!above.face.intersects(card.face))
                continue;
            over.push_back(above.face);
            if (order[j].place != order[i].place)
                card.coveredBy.push_back(above.card);
        }
        card.shown = mrectfLargestUncovered(card.face, over);
    }
}

std::vector<TableSpot> gvecfTableSpots(const TableDescription& table)
{
    std::vector<TableSpot> spots;
    for (int p = 0; p < static_cast<int>(table.size()); ++p) {
        const TablePlace& place = table[p];
        if (place.cards.empty() && !place.empty.isEmpty())
            spots.push_back({p, -1, place.empty, false, place.emptyCanDrop});
        for (int c = 0; c < static_cast<int>(place.cards.size()); ++c) {
            const TableCard& card = place.cards[c];
            if (!card.shown.isEmpty())
                spots.push_back({p, c, card.shown, card.canPick, card.canDrop});
        }
    }
    return spots;
}

QString gstrfCardName(int aintCard)
{
    static const std::array<const char*, 13> ranks{"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                                   "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
    static const std::array<const char*, 4> suits{"Spades", "Hearts", "Diamonds", "Clubs"};
    if (aintCard < 1 || aintCard > 52)
        return QStringLiteral("Card");
    return QStringLiteral("%1 of %2").arg(QLatin1String(ranks[(aintCard - 1) % 13]),
                                          QLatin1String(suits[(aintCard - 1) / 13]));
}
