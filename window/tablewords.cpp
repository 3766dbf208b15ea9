#include "window/tablewords.h"

#include <QStringList>
#include <map>

namespace {
struct Where {
    int place = -1;
    int index = -1;
    bool faceUp = true;
};

std::map<int, Where> mapfCardPlaces(const TableDescription& table)
{
    std::map<int, Where> where;
    for (int p = 0; p < static_cast<int>(table.size()); ++p)
        for (int c = 0; c < static_cast<int>(table[p].cards.size()); ++c)
            where[table[p].cards[c].card] = {p, c, table[p].cards[c].faceUp};
    return where;
}

QString cardsCount(int count)
{
    return count == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(count);
}

QString faceDownCount(int count)
{
    return count == 1 ? QStringLiteral("face-down card") : QStringLiteral("%1 face-down cards").arg(count);
}

// "A", "A and B", "A, B and C"
QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.back();
}

// The visible cards of a place from the top down, face-down runs counted.
QStringList visibleTopDown(const TablePlace& place)
{
    QStringList words;
    int faceDown = 0;
    for (auto it = place.cards.rbegin(); it != place.cards.rend(); ++it) {
        if (it->shown.isEmpty())
            continue;
        if (!it->faceUp) {
            ++faceDown;
            continue;
        }
        if (faceDown > 0)
            words << faceDownCount(faceDown);
        faceDown = 0;
        words << gstrfCardName(it->card);
    }
    if (faceDown > 0)
        words << faceDownCount(faceDown);
    return words;
}

bool isShown(const TablePlace& place)
{
    if (place.cards.empty())
        return !place.empty.isEmpty();
    for (const TableCard& card : place.cards)
        if (!card.shown.isEmpty())
            return true;
    return false;
}

// "Column 3, 6 cards: Seven of Hearts, Eight of Spades, 4 face-down cards"
QString placeSummary(const TablePlace& place)
{
    if (place.cards.empty())
        return place.name + QStringLiteral(", empty");
    QString text = place.name + QStringLiteral(", ") + cardsCount(static_cast<int>(place.cards.size()));
    const QStringList cards = visibleTopDown(place);
    // A stock shows only its back: its count says all there is.
    const bool onlyBacks = cards.size() == 1 && !place.cards.back().faceUp;
    if (!cards.isEmpty() && !onlyBacks)
        text += QStringLiteral(": ") + cards.join(QStringLiteral(", "));
    return text;
}

QString destination(const TableDescription& after, const Where& lead)
{
    const TablePlace& place = after[lead.place];
    if (lead.index > 0 && place.where != CardWhere::Foundation) {
        const TableCard& below = place.cards[lead.index - 1];
        if (below.faceUp)
            return gstrfCardName(below.card) + QStringLiteral(", ") + place.name;
    }
    return place.name;
}
}

QString gstrfSpotName(const TableDescription& table, const TableSpot& spot)
{
    if (spot.place < 0 || spot.place >= static_cast<int>(table.size()))
        return {};
    const TablePlace& place = table[spot.place];
    if (spot.card < 0 || spot.card >= static_cast<int>(place.cards.size()))
        return place.name + QStringLiteral(", empty");
    const TableCard& card = place.cards[spot.card];
    if (card.faceUp)
        return gstrfCardName(card.card) + QStringLiteral(", ") + place.name;
    if (place.where == CardWhere::Stock && spot.card + 1 == static_cast<int>(place.cards.size()))
        return place.name + QStringLiteral(", ") + cardsCount(static_cast<int>(place.cards.size()));
    return QStringLiteral("Face-down card, ") + place.name;
}

QString gstrfSpotDescription(const TableDescription& table, const TableSpot& spot)
{
    if (spot.place < 0 || spot.place >= static_cast<int>(table.size()))
        return {};
    const TablePlace& place = table[spot.place];
    QString text = placeSummary(place) + QLatin1Char('.');
    if (spot.card >= 0 && spot.card < static_cast<int>(place.cards.size())) {
        QStringList over;
        for (int card : place.cards[spot.card].coveredBy)
            over << gstrfCardName(card);
        if (!over.isEmpty())
            text += QStringLiteral(" Covered by ") + listed(over) + QLatin1Char('.');
    }
    return text;
}

QString gstrfWholeTable(const TableDescription& table)
{
    QStringList places;
    for (const TablePlace& place : table)
        if (isShown(place))
            places << placeSummary(place);
    if (places.isEmpty())
        return QStringLiteral("No cards on the table.");
    return places.join(QStringLiteral(". ")) + QLatin1Char('.');
}

SpotWords gfSpotAt(const TableDescription& table, QPoint point)
{
    SpotWords found;
    for (const TableSpot& spot : gvecfTableSpots(table)) {
        if (!spot.rect.contains(point))
            continue;
        const TablePlace& place = table[spot.place];
        found.place = place.name;
        found.card = spot.card >= 0 ? place.cards[spot.card].card : 0;
        found.above = spot.card >= 0 ? static_cast<int>(place.cards.size()) - spot.card - 1 : 0;
    }
    return found;
}

QString gstrfGroupName(const SpotWords& spot)
{
    QString text = spot.card ? gstrfCardName(spot.card) : spot.place;
    if (spot.above > 0)
        text += QStringLiteral(" and %1 more").arg(spot.above);
    return text;
}

QString gstrfMovesSaid(const TableDescription& before, const TableDescription& after)
{
    const std::map<int, Where> was = mapfCardPlaces(before);
    const std::map<int, Where> now = mapfCardPlaces(after);
    // Moved cards grouped by where they went; the lowest of each group leads.
    std::map<std::pair<int, int>, std::pair<Where, int>> groups;  // (from, to) -> (lead, count)
    QStringList removed, turned, clauses;
    for (const auto& [card, from] : was) {
        const auto to = now.find(card);
        const bool discarded = to == now.end() || after[to->second.place].where == CardWhere::Discard;
        if (discarded && before[from.place].where != CardWhere::Discard) {
            removed << gstrfCardName(card);
            continue;
        }
        if (to == now.end())
            continue;
        if (before[from.place].name != after[to->second.place].name) {
            auto [it, fresh] = groups.try_emplace({from.place, to->second.place}, to->second, 0);
            if (to->second.index < it->second.first.index)
                it->second.first = to->second;
            ++it->second.second;
        } else if (!from.faceUp && to->second.faceUp) {
            turned << gstrfCardName(card);
        }
    }
    for (const auto& [key, group] : groups) {
        const auto& [lead, count] = group;
        if (after[lead.place].where == CardWhere::Discard)
            continue;
        const int card = after[lead.place].cards[lead.index].card;
        QString clause = gstrfCardName(card);
        if (count > 1)
            clause += QStringLiteral(" and %1 more").arg(count - 1);
        clauses << clause + QStringLiteral(" to ") + destination(after, lead);
    }
    // A long shuffle of the layout is summed up, not read out.
    if (clauses.size() > 3) {
        const int more = static_cast<int>(clauses.size()) - 3;
        clauses = clauses.mid(0, 3);
        clauses << (more == 1 ? QStringLiteral("1 more move") : QStringLiteral("%1 more moves").arg(more));
    }
    if (!removed.isEmpty())
        clauses << QStringLiteral("Removed: ") + listed(removed);
    if (!turned.isEmpty())
        clauses << listed(turned) + QStringLiteral(" turned up");
    return clauses.join(QStringLiteral("; "));
}

QString gstrfDealSaid(const TableDescription& before, const TableDescription& after, int cardsLeft)
{
    const std::map<int, Where> was = mapfCardPlaces(before);
    QStringList dealt;
    bool hasStock = false;
    int left = 0;
    for (const TablePlace& place : after) {
        if (place.where == CardWhere::Stock) {
            hasStock = true;
            left += static_cast<int>(place.cards.size());
            continue;
        }
        for (const TableCard& card : place.cards) {
            const auto from = was.find(card.card);
            const bool fromStock = from == was.end() || before[from->second.place].where == CardWhere::Stock;
            if (fromStock && card.faceUp)
                dealt << gstrfCardName(card.card);
        }
    }
    QString text = QStringLiteral("Deal");
    if (!dealt.isEmpty())
        text += QStringLiteral(": ") + dealt.join(QStringLiteral(", "));
    return text + QStringLiteral(", %1 left").arg(hasStock ? left : cardsLeft);
}
