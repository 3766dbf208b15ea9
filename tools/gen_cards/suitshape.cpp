#include "suitshape.h"

#include <cmath>

namespace {

bool insideHeart(double u, double v)
{
    const double cx = 0.5, cy = -0.48, r = 0.5;
    if ((u - cx) * (u - cx) + (v - cy) * (v - cy) <= r * r)
        return true;
    if ((u + cx) * (u + cx) + (v - cy) * (v - cy) <= r * r)
        return true;
    return v >= cy && v <= 1.0 && std::abs(u) <= 0.97 * (1.0 - v) / (1.0 - cy);
}

bool insideStem(double u, double v)
{
    if (v < 0.1 || v > 1.0)
        return false;
    const double t = (v - 0.1) / 0.9;
    return std::abs(u) <= 0.07 + 0.33 * t * t * t;
}

} // namespace

bool insideSuit(Suit s, double u, double v)
{
    switch (s) {
    case Suit::Hearts:
        return insideHeart(u, v);
    case Suit::Spades:
        return insideHeart(u, 1.0 - (v + 1.0) / 1.55 * 2.0) || insideStem(u, v);
    case Suit::Diamonds:
        return std::pow(std::abs(u) / 0.78, 0.9) + std::pow(std::abs(v), 0.9) <= 1.0;
    case Suit::Clubs: {
        auto disc = [&](double cx, double cy, double r) {
            return (u - cx) * (u - cx) + (v - cy) * (v - cy) <= r * r;
        };
        return disc(0, -0.56, 0.41) || disc(-0.55, 0.08, 0.41) || disc(0.55, 0.08, 0.41)
            || disc(0, -0.05, 0.25) || insideStem(u, v);
    }
    }
    return false;
}

Pixels suitPixels(Suit s, int w, int h)
{
    Pixels px(std::size_t(h), std::string(std::size_t(w), '.'));
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (insideSuit(s, (i + 0.5) / w * 2.0 - 1.0, (j + 0.5) / h * 2.0 - 1.0))
                px[std::size_t(j)][std::size_t(i)] = '#';
    return px;
}
