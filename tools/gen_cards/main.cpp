// Draws the card pictures (52 faces and a back) as 16-colour BMPs, and the
// felt of the game table.
//
//   gen_cards OUTDIR               writes OUTDIR/01.bmp .. 53.bmp
//   gen_cards --table FILE.bmp     writes the 800 x 600 table felt

#include "bmpfile.h"
#include "cardart.h"

#include <QDir>
#include "../common/splitmix.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 55;
constexpr int kHeight = 79;
constexpr int kMidX = (kWidth - 1) / 2;
constexpr int kMidY = (kHeight - 1) / 2;

// The classic 16 colours in their usual palette order.
constexpr QRgb Black = 0xff000000, DarkRed = 0xff800000, DarkGreen = 0xff008000,
               Olive = 0xff808000, DarkBlue = 0xff000080, Purple = 0xff800080,
               Teal = 0xff008080, LightGrey = 0xffc0c0c0, Grey = 0xff808080,
               Red = 0xffff0000, Green = 0xff00ff00, Yellow = 0xffffff00,
               Blue = 0xff0000ff, Magenta = 0xffff00ff, Cyan = 0xff00ffff,
               White = 0xffffffff;
constexpr Palette16 kPalette = {Black, DarkRed, DarkGreen, Olive, DarkBlue, Purple, Teal, LightGrey,
                                Grey, Red, Green, Yellow, Blue, Magenta, Cyan, White};

bool isRed(Suit s)
{
    return s == Suit::Hearts || s == Suit::Diamonds;
}

QRgb inkOf(Suit s)
{
    return isRed(s) ? Red : Black;
}

void plot(QImage &img, int x, int y, QRgb c)
{
    if (img.rect().contains(x, y))
        img.setPixel(x, y, c);
}

// Stamps a one-colour bitmap with its top-left at x, y; when upsideDown it is
// turned half a circle about its own centre.
void stamp(QImage &img, const Bitmap &bm, int x, int y, QRgb c, bool upsideDown = false)
{
    const int h = int(bm.size());
    for (int r = 0; r < h; ++r) {
        const int w = int(bm[r].size());
        for (int col = 0; col < w; ++col) {
            if (bm[r][col] != '#')
                continue;
            if (upsideDown)
                plot(img, x + w - 1 - col, y + h - 1 - r, c);
            else
                plot(img, x + col, y + r, c);
        }
    }
}

int bitmapWidth(const Bitmap &bm)
{
    int w = 0;
    for (auto row : bm)
        w = std::max(w, int(row.size()));
    return w;
}

// Pixel (x, y) takes the colour of its half-turn partner inside rect.
void copyHalfTurn(QImage &img, const QRect &from)
{
    for (int y = from.top(); y <= from.bottom(); ++y)
        for (int x = from.left(); x <= from.right(); ++x)
            img.setPixel(kWidth - 1 - x, kHeight - 1 - y, img.pixel(x, y));
}

// White card with a black outline whose corners are cut one pixel in; the
// cut-off corner pixels stay white so every card is a plain rectangle.
QImage blankCard()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(White);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Black);
    p.drawLine(2, 0, kWidth - 3, 0);
    p.drawLine(2, kHeight - 1, kWidth - 3, kHeight - 1);
    p.drawLine(0, 2, 0, kHeight - 3);
    p.drawLine(kWidth - 1, 2, kWidth - 1, kHeight - 3);
    p.drawPoint(1, 1);
    p.drawPoint(kWidth - 2, 1);
    p.drawPoint(1, kHeight - 2);
    p.drawPoint(kWidth - 2, kHeight - 2);
    return img;
}

// Index and suit sign in the top-left corner. Games that fan cards show only
// columns 0..11, or only rows 0..15, so these must tell the card on their own.
void drawCorner(QImage &img, int rank, Suit suit)
{
    const Bitmap &glyph = rankGlyph(rank);
    const int gw = bitmapWidth(glyph);
    stamp(img, glyph, 1 + (12 - gw) / 2, 3, inkOf(suit));
    stamp(img, pip(suit), 2, 16, inkOf(suit));
    copyHalfTurn(img, QRect(QPoint(1, 2), QPoint(11, 26)));
}

void drawPips(QImage &img, int rank, Suit suit)
{
    constexpr int L = 17, M = kMidX, R = 37;
    constexpr int row4[] = {11, 30, 48, 67};
    constexpr int top = 11, bottom = 67;
    struct At { int x, y; };
    std::vector<At> at;
    auto both = [&](int y) { at.push_back({L, y}); at.push_back({R, y}); };
    switch (rank) {
    case 2: at = {{M, top}, {M, bottom}}; break;
    case 3: at = {{M, top}, {M, kMidY}, {M, bottom}}; break;
    case 4: both(top); both(bottom); break;
    case 5: both(top); both(bottom); at.push_back({M, kMidY}); break;
    case 6: both(top); both(kMidY); both(bottom); break;
    case 7: both(top); both(kMidY); both(bottom); at.push_back({M, 25}); break;
    case 8: both(top); both(kMidY); both(bottom); at.push_back({M, 25}); at.push_back({M, 53}); break;
    case 9: for (int y : row4) both(y); at.push_back({M, kMidY}); break;
    case 10: for (int y : row4) both(y); at.push_back({M, 20}); at.push_back({M, 58}); break;
    }
    for (const At &a : at)
        stamp(img, pip(suit), a.x - 4, a.y - 4, inkOf(suit), a.y > kMidY);
}

// Suit outlines in a box u, v in [-1, 1], v pointing down.
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

// Samples pixel centres so the shape comes out mirror-symmetric.
void drawBigPip(QImage &img, Suit s, int cx, int cy, int w, int h)
{
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const double u = (i + 0.5) / w * 2.0 - 1.0;
            const double v = (j + 0.5) / h * 2.0 - 1.0;
            if (insideSuit(s, u, v))
                plot(img, cx - w / 2 + i, cy - h / 2 + j, inkOf(s));
        }
    }
}

struct CourtColours {
    QRgb robe, shadow, accent;
};

CourtColours courtColours(Suit s)
{
    switch (s) {
    case Suit::Spades: return {Blue, DarkBlue, Red};
    case Suit::Hearts: return {Red, DarkRed, Blue};
    case Suit::Diamonds: return {Purple, DarkBlue, Red};
    case Suit::Clubs: return {DarkGreen, Black, Red};
    }
    return {};
}

void drawCourt(QImage &img, int rank, Suit suit)
{
    // The frame sits between the two corner indexes.
    const QRect frame(QPoint(13, 4), QPoint(41, 74));
    const CourtColours cc = courtColours(suit);
    auto colourOf = [&](char ch) -> QRgb {
        switch (ch) {
        case 'k': return Black;
        case 'y': return Yellow;
        case 'o': return Olive;
        case 'g': return LightGrey;
        case 'G': return Grey;
        case 'r': return Red;
        case 'e': return DarkGreen;
        case 'R': return cc.robe;
        case 'D': return cc.shadow;
        case 'A': return cc.accent;
        default: return White;
        }
    };
    const Bitmap &art = courtArt(rank);
    const int x0 = frame.left() + 1, y0 = frame.top() + 1;
    for (int r = 0; r < int(art.size()); ++r)
        for (int c = 0; c < int(art[r].size()); ++c)
            img.setPixel(x0 + c, y0 + r, colourOf(art[r][c]));
    stamp(img, smallPip(suit), x0 + 1, y0 + 1, inkOf(suit));
    copyHalfTurn(img, QRect(x0, y0, frame.width() - 2, kMidY - y0));
    // The middle row is its own half-turn partner: continue each half into it.
    for (int x = x0; x < frame.right(); ++x)
        img.setPixel(x, kMidY, img.pixel(x, x <= kMidX ? kMidY - 1 : kMidY + 1));

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Blue);
    p.drawRect(frame.adjusted(0, 0, -1, -1));
}

QImage face(int rank, Suit suit)
{
    QImage img = blankCard();
    if (rank == 1)
        drawBigPip(img, suit, kMidX, kMidY, 25, 27);
    else if (rank <= 10)
        drawPips(img, rank, suit);
    else
        drawCourt(img, rank, suit);
    drawCorner(img, rank, suit);
    return img;
}

QImage back()
{
    QImage img = blankCard();
    const QRect field(QPoint(4, 4), QPoint(kWidth - 5, kHeight - 5));
    for (int y = field.top(); y <= field.bottom(); ++y) {
        for (int x = field.left(); x <= field.right(); ++x) {
            // Centred on the card so the lattice is the same either way up.
            const int a = (x - kMidX + y - kMidY + 600) % 6;
            const int b = (x - kMidX - (y - kMidY) + 600) % 6;
            QRgb c = Red;
            if (a == 0 || b == 0)
                c = White;
            else if (a == 3 && b == 3)
                c = DarkRed;
            img.setPixel(x, y, c);
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(DarkRed);
    p.drawRect(field.adjusted(0, 0, -1, -1));
    return img;
}


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

QImage felt()
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

int fail(const QString &message)
{
    std::fprintf(stderr, "gen_cards: %s\n", qPrintable(message));
    return 1;
}

// A mistyped bitmap row would shift the picture silently, so check sizes.
QString checkArt()
{
    auto check = [](const Bitmap &bm, int w, int h, const char *what) -> QString {
        bool ok = int(bm.size()) == h;
        for (auto row : bm)
            ok = ok && int(row.size()) <= w && (w != 27 || int(row.size()) == w);
        return ok ? QString() : QStringLiteral("%1 is not %2 x %3").arg(QLatin1String(what)).arg(w).arg(h);
    };
    QString e;
    for (int r = 1; r <= 13 && e.isEmpty(); ++r)
        e = check(rankGlyph(r), 11, 11, "an index glyph");
    for (int s = 0; s < 4 && e.isEmpty(); ++s) {
        e = check(pip(Suit(s)), 9, 9, "a pip");
        if (e.isEmpty())
            e = check(smallPip(Suit(s)), 7, 7, "a small pip");
    }
    for (int r = 11; r <= 13 && e.isEmpty(); ++r)
        e = check(courtArt(r), 27, 34, "a court figure");
    return e;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString error = checkArt();
    if (!error.isEmpty())
        return fail(error);

    if (args.size() == 2 && args[0] == QLatin1String("--table"))
        return writeBmp24(felt(), args[1], &error) ? 0 : fail(error);
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-')))
        return fail(QStringLiteral("usage: gen_cards OUTDIR | gen_cards --table FILE.bmp"));

    const QDir out(args[0]);
    if (!QDir().mkpath(out.path()))
        return fail(QStringLiteral("cannot create %1").arg(out.path()));
    for (int n = 1; n <= 53; ++n) {
        const Suit suit = Suit((n - 1) / 13);
        const int rank = (n - 1) % 13 + 1;
        const QImage img = n == 53 ? back() : face(rank, suit);
        const QString path = out.filePath(QStringLiteral("%1.bmp").arg(n, 2, 10, QLatin1Char('0')));
        if (!writeBmp4(img, kPalette, path, &error))
            return fail(error);
    }
    return 0;
}
