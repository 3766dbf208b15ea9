#include "cardface.h"

#include "palette.h"
#include "pixelart.h"
#include "suitshape.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kMidX = (kCardWidth - 1) / 2;
constexpr int kMidY = (kCardHeight - 1) / 2;

// The outline's top-left corner, mirrored into the other three; past it the
// edges run straight, one card pixel thick.
const Bitmap kCorner1x = {"..",
                          ".#"};
const Bitmap kCorner2x = {"..##",
                          ".###",
                          "###.",
                          "##.."};

// A picture at its scale, addressed in card pixels.
class Canvas {
public:
    explicit Canvas(int scale)
        : s(scale), img(kCardWidth * scale, kCardHeight * scale, QImage::Format_RGB32)
    {
        img.fill(White);
    }

    QRect device(const QRect &r) const { return {r.x() * s, r.y() * s, r.width() * s, r.height() * s}; }

    // A hand-drawn bitmap at this scale.
    Pixels art(const Bitmap &bm) const { return s == 1 ? toPixels(bm) : scale2x(toPixels(bm)); }

    // The corner index: its own drawing at each scale.
    Pixels glyph(int rank) const { return toPixels(s == 1 ? rankGlyph(rank) : rankGlyph2x(rank)); }

    // A suit sign: hand-drawn at 1x, where every pixel counts; finer
    // scales draw the outline itself at the same size.
    Pixels sign(Suit suit, const Bitmap &hand) const
    {
        return s == 1 ? toPixels(hand) : suitPixels(suit, bitmapWidth(hand) * s, int(hand.size()) * s);
    }

    void plot(int x, int y, QRgb c)
    {
        if (img.rect().contains(x, y))
            img.setPixel(x, y, c);
    }

    void fill(const QRect &r, QRgb c)
    {
        const QRect d = device(r);
        for (int y = d.top(); y <= d.bottom(); ++y)
            for (int x = d.left(); x <= d.right(); ++x)
                img.setPixel(x, y, c);
    }

    // A one-card-pixel line just inside r.
    void frame(const QRect &r, QRgb c)
    {
        fill(QRect(r.left(), r.top(), r.width(), 1), c);
        fill(QRect(r.left(), r.bottom(), r.width(), 1), c);
        fill(QRect(r.left(), r.top(), 1, r.height()), c);
        fill(QRect(r.right(), r.top(), 1, r.height()), c);
    }

    // Ink of art (at this scale) with its top-left at card pixel x, y; when
    // upsideDown it is turned half a circle about its own centre.
    void stamp(const Pixels &px, int x, int y, QRgb c, bool upsideDown = false)
    {
        const int h = int(px.size());
        const int w = h ? int(px[0].size()) : 0;
        for (int r = 0; r < h; ++r)
            for (int col = 0; col < w; ++col)
                if (px[std::size_t(r)][std::size_t(col)] == '#')
                    plot(x * s + (upsideDown ? w - 1 - col : col), y * s + (upsideDown ? h - 1 - r : r), c);
    }

    // Every pixel's half-turn partner of r takes its colour.
    void copyHalfTurn(const QRect &r)
    {
        const QRect d = device(r);
        for (int y = d.top(); y <= d.bottom(); ++y)
            for (int x = d.left(); x <= d.right(); ++x)
                img.setPixel(img.width() - 1 - x, img.height() - 1 - y, img.pixel(x, y));
    }

    const int s;
    QImage img;
};

// White card with a black outline whose corners are rounded off; the
// pixels outside the corners stay white so every card is a plain rectangle.
Canvas blankCard(int scale)
{
    Canvas c(scale);
    c.frame(QRect(0, 0, kCardWidth, kCardHeight), Black);
    const Bitmap &corner = scale == 1 ? kCorner1x : kCorner2x;
    const int n = int(corner.size()), w = c.img.width(), h = c.img.height();
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const QRgb ink = corner[std::size_t(y)][std::size_t(x)] == '#' ? Black : White;
            c.img.setPixel(x, y, ink);
            c.img.setPixel(w - 1 - x, y, ink);
            c.img.setPixel(x, h - 1 - y, ink);
            c.img.setPixel(w - 1 - x, h - 1 - y, ink);
        }
    }
    return c;
}

// Index and suit sign in the top-left corner, and turned in the bottom-right.
// Games that fan cards show only the 12 columns at the left or the right, or
// the 16 rows at the top: each of those strips must tell the card. An Ace's
// top rows are otherwise empty, so it shows its suit beside the index too.
void drawCorner(Canvas &c, int rank, Suit suit)
{
    c.stamp(c.glyph(rank), 1 + (12 - bitmapWidth(rankGlyph(rank))) / 2, 3, inkOf(suit));
    c.stamp(c.sign(suit, pip(suit)), 2, 16, inkOf(suit));
    c.copyHalfTurn(QRect(QPoint(1, 2), QPoint(11, 26)));
    if (rank == 1) {
        const QRect beside(12, 4, 7, 7);
        c.stamp(c.sign(suit, smallPip(suit)), beside.left(), beside.top(), inkOf(suit));
        c.copyHalfTurn(beside);
    }
}

void drawPips(Canvas &c, int rank, Suit suit)
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
    const Pixels sign = c.sign(suit, pip(suit));
    for (const At &a : at)
        c.stamp(sign, a.x - 4, a.y - 4, inkOf(suit), a.y > kMidY);
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

void drawCourt(Canvas &c, int rank, Suit suit)
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
    const Pixels art = c.art(courtArt(rank));
    const int x0 = frame.left() + 1, y0 = frame.top() + 1;
    for (int r = 0; r < int(art.size()); ++r)
        for (int col = 0; col < int(art[std::size_t(r)].size()); ++col)
            c.img.setPixel(x0 * c.s + col, y0 * c.s + r, colourOf(art[std::size_t(r)][std::size_t(col)]));
    c.stamp(c.sign(suit, smallPip(suit)), x0 + 1, y0 + 1, inkOf(suit));
    c.copyHalfTurn(QRect(x0, y0, frame.width() - 2, kMidY - y0));

    // The middle band holds its own half-turn partners: its upper half
    // continues the figure above, the rest is that turned.
    const QRect band = c.device(QRect(x0, kMidY, frame.width() - 2, 1));
    const int w = c.img.width(), h = c.img.height();
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = band.top(); y <= band.bottom(); ++y) {
            for (int x = band.left(); x <= band.right(); ++x) {
                const int px = w - 1 - x, py = h - 1 - y;
                const bool upper = y < py || (y == py && x <= px);
                if (pass == 0 && upper)
                    c.img.setPixel(x, y, c.img.pixel(x, band.top() - 1));
                else if (pass == 1 && !upper)
                    c.img.setPixel(x, y, c.img.pixel(px, py));
            }
        }
    }
    c.frame(frame, Blue);
}

} // namespace

QImage drawFace(int rank, Suit suit, int scale)
{
    Canvas c = blankCard(scale);
    if (rank == 1)
        c.stamp(suitPixels(suit, 25 * scale, 27 * scale), kMidX - 12, kMidY - 13, inkOf(suit));
    else if (rank <= 10)
        drawPips(c, rank, suit);
    else
        drawCourt(c, rank, suit);
    drawCorner(c, rank, suit);
    return c.img;
}

QImage drawBack(int scale)
{
    Canvas c = blankCard(scale);
    const int s = scale, period = 6 * s;
    const QRect field(QPoint(4, 4), QPoint(kCardWidth - 5, kCardHeight - 5));
    const QRect d = c.device(field);
    auto wrap = [&](int t) { return (t % period + period) % period; };
    for (int y = d.top(); y <= d.bottom(); ++y) {
        for (int x = d.left(); x <= d.right(); ++x) {
            // Diagonals through the card's centre, measured from pixel
            // centres, so the lattice is the same either way up.
            const int a = wrap(x + y + 1 - (kMidX + kMidY + 1) * s);
            const int b = wrap(x - y + (kMidY - kMidX) * s);
            const double dot = std::abs(a - (3 * s + (s - 1) / 2.0)) + std::abs(b - (3 * s + (s - 1) / 2.0));
            QRgb ink = Red;
            if (a < s || b < s)
                ink = White;
            else if (dot <= s)
                ink = DarkRed;
            c.img.setPixel(x, y, ink);
        }
    }
    c.frame(field, DarkRed);
    return c.img;
}
