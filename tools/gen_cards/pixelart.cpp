#include "pixelart.h"

#include <algorithm>

int bitmapWidth(const Bitmap &bm)
{
    int w = 0;
    for (auto row : bm)
        w = std::max(w, int(row.size()));
    return w;
}

Pixels toPixels(const Bitmap &bm)
{
    const std::size_t w = std::size_t(bitmapWidth(bm));
    Pixels px;
    for (auto row : bm)
        px.push_back(std::string(row).append(w - row.size(), '.'));
    return px;
}

Pixels scale2x(const Pixels &px)
{
    const int h = int(px.size());
    const int w = h ? int(px[0].size()) : 0;
    // Beyond the edge the edge pixel repeats, so art that reaches the edge
    // keeps its square corners there.
    auto at = [&](int x, int y) { return px[std::size_t(std::clamp(y, 0, h - 1))][std::size_t(std::clamp(x, 0, w - 1))]; };
    Pixels out(std::size_t(2 * h), std::string(std::size_t(2 * w), '.'));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const char p = at(x, y), up = at(x, y - 1), right = at(x + 1, y), left = at(x - 1, y),
                       down = at(x, y + 1);
            char *top = &out[std::size_t(2 * y)][std::size_t(2 * x)];
            char *bottom = &out[std::size_t(2 * y + 1)][std::size_t(2 * x)];
            top[0] = left == up && left != down && up != right ? up : p;
            top[1] = up == right && up != left && right != down ? right : p;
            bottom[0] = down == left && down != right && left != up ? left : p;
            bottom[1] = right == down && right != up && down != left ? down : p;
        }
    }
    return out;
}
