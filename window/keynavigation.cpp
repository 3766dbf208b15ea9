#include "window/keynavigation.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace {
bool mblnfReadingOrder(const QRect& a, const QRect& b)
{
    return std::make_tuple(a.top(), a.left(), a.height(), a.width()) <
           std::make_tuple(b.top(), b.left(), b.height(), b.width());
}

// Centres in half pixels, so that they stay whole numbers.
int mintfCentreX(const QRect& r) { return 2 * r.left() + r.width(); }
int mintfCentreY(const QRect& r) { return 2 * r.top() + r.height(); }

QRect mrectfDirectional(const std::vector<QRect>& spots, const QRect& from, bool horizontal, int sign)
{
    const int fromAlong = horizontal ? mintfCentreX(from) : mintfCentreY(from);
    const int fromAcross = horizontal ? mintfCentreY(from) : mintfCentreX(from);
    const auto along = [&](const QRect& r) { return sign * ((horizontal ? mintfCentreX(r) : mintfCentreY(r)) - fromAlong); };
    const auto across = [&](const QRect& r) { return std::abs((horizontal ? mintfCentreY(r) : mintfCentreX(r)) - fromAcross); };
    // In line: the rectangles share rows (left, right) or columns (up, down).
    const auto inLine = [&](const QRect& r) {
        return horizontal ? r.top() <= from.bottom() && r.bottom() >= from.top()
                          : r.left() <= from.right() && r.right() >= from.left();
    };
    const QRect* best = nullptr;
    long long bestKey = LLONG_MAX;
    const auto consider = [&](const QRect& r, long long key) {
        if (key < bestKey) {
            bestKey = key;
            best = &r;
        }
    };
    // Ahead and in line: the nearest ahead, then the nearest across.
    for (const QRect& r : spots)
        if (r != from && along(r) > 0 && inLine(r))
            consider(r, static_cast<long long>(along(r)) * 1000000 + across(r));
    if (best)
        return *best;
    // Ahead: the nearest, centre to centre.
    for (const QRect& r : spots)
        if (r != from && along(r) > 0)
            consider(r, static_cast<long long>(along(r)) * along(r) + static_cast<long long>(across(r)) * across(r));
    if (best)
        return *best;
    // Round: the farthest the other way, in line first, then nearest across.
    for (const QRect& r : spots)
        if (r != from)
            consider(r, (inLine(r) ? 0 : 1LL << 40) + static_cast<long long>(along(r)) * 1000000 + across(r));
    return best ? *best : from;
}
}

void gsSortSpots(std::vector<QRect>& spots)
{
    std::sort(spots.begin(), spots.end(), mblnfReadingOrder);
    spots.erase(std::unique(spots.begin(), spots.end()), spots.end());
}

QRect grectfKeyStep(const std::vector<QRect>& spots, const QRect& from, KeyStep step)
{
    if (spots.empty())
        return {};
    switch (step) {
    case KeyStep::First: return spots.front();
    case KeyStep::Last: return spots.back();
    case KeyStep::Next: {
        const auto next = std::upper_bound(spots.begin(), spots.end(), from, mblnfReadingOrder);
        return next == spots.end() ? spots.front() : *next;
    }
    case KeyStep::Previous: {
        const auto at = std::lower_bound(spots.begin(), spots.end(), from, mblnfReadingOrder);
        return at == spots.begin() ? spots.back() : *(at - 1);
    }
    case KeyStep::Left: return mrectfDirectional(spots, from, true, -1);
    case KeyStep::Right: return mrectfDirectional(spots, from, true, 1);
    case KeyStep::Up: return mrectfDirectional(spots, from, false, -1);
    case KeyStep::Down: return mrectfDirectional(spots, from, false, 1);
    }
    return from;
}

QRect grectfNearestSpot(const std::vector<QRect>& spots, const QRect& from)
{
    if (spots.empty())
        return {};
    return *std::min_element(spots.begin(), spots.end(), [&](const QRect& a, const QRect& b) {
        const auto distance = [&](const QRect& r) {
            const long long dx = mintfCentreX(r) - mintfCentreX(from), dy = mintfCentreY(r) - mintfCentreY(from);
            return dx * dx + dy * dy;
        };
        return distance(a) < distance(b);
    });
}
