#include "felt.h"

#include "../common/splitmix.h"

#include <QtGlobal>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Value noise on a grid that wraps, so the felt tiles without a seam.
class TiledNoise {
public:
    TiledNoise(int cellsX, int cellsY, std::uint64_t seed) : m_cx(cellsX), m_cy(cellsY)
    {
        Rng rng{seed};
        m_v.resize(std::size_t(cellsX * cellsY));
        for (double &v : m_v)
            v = rng.unit() * 2.0 - 1.0;
    }
    // x, y in cells.
    double at(double x, double y) const
    {
        const int ix = int(std::floor(x)), iy = int(std::floor(y));
        const double fx = x - ix, fy = y - iy;
        auto smooth = [](double t) { return t * t * (3 - 2 * t); };
        const double sx = smooth(fx), sy = smooth(fy);
        auto v = [&](int i, int j) {
            return m_v[std::size_t(((j % m_cy + m_cy) % m_cy) * m_cx + (i % m_cx + m_cx) % m_cx)];
        };
        const double top = v(ix, iy) + (v(ix + 1, iy) - v(ix, iy)) * sx;
        const double bot = v(ix, iy + 1) + (v(ix + 1, iy + 1) - v(ix, iy + 1)) * sx;
        return top + (bot - top) * sy;
    }

private:
    int m_cx, m_cy;
    std::vector<double> m_v;
};

} // namespace

QImage drawFelt()
{
    constexpr int w = 800, h = 600;
    const TiledNoise broad(8, 6, 11), mid(40, 30, 12);
    Rng grain{13};
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double cloud = 0.6 * broad.at(x / 100.0, y / 100.0) + 0.4 * mid.at(x / 20.0, y / 20.0);
            // A faint two-pixel weave, as on cloth.
            const double weave = ((x / 2 + y / 2) % 2 ? 1.0 : -1.0) * (0.6 + 0.4 * mid.at(y / 20.0, x / 20.0));
            const double speck = grain.unit() + grain.unit() - 1.0;
            const double d = 5.0 * cloud + 2.0 * weave + 4.0 * speck;
            auto ch = [&](double base, double k) { return qBound(0, int(std::lround(base + k * d)), 255); };
            img.setPixel(x, y, qRgb(ch(12, 0.4), ch(110, 1.0), ch(40, 0.6)));
        }
    }
    return img;
}
