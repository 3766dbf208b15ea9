// Draws the picture of the game chooser: wooden planks, the title, and the
// numbered game names, each inside the box the chooser outlines when the
// mouse is over it; once at 460 x 320 and once at twice that for 2x screens,
// with everything at twice its place and size.
//
//   gen_chooser FILE.bmp [FONTFILE]     writes FILE.bmp and FILE-2x.bmp
//
// The script font is needed only here, never at run time.

#include "../common/offscreen.h"
#include "../common/bmpfile.h"
#include "../common/splitmix.h"

#include <QFile>
#include <QFontDatabase>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 320;

struct Entry {
    const char *text;
    QRect box;
};

// These boxes are where the chooser looks for clicks; keep them in step.
const Entry kEntries[] = {
    {"1. Baker's Dozen", {32, 96, 155, 25}},
    {"2. Beleaguered Castle", {32, 125, 188, 27}},
    {"3. Bisley", {32, 158, 91, 27}},
    {"4. Decade", {32, 192, 89, 25}},
    {"5. Fourteens", {32, 221, 113, 25}},
    {"6. Golf", {280, 96, 75, 25}},
    {"7. Maze", {280, 126, 73, 22}},
    {"8. Monte Carlo", {280, 160, 131, 23}},
    {"9. Pyramid", {280, 193, 105, 25}},
    {"10. Scorpion", {272, 224, 105, 24}},
    {"Exit", {192, 272, 58, 25}},
};
constexpr int kExit = 10;

constexpr int kLeftPad = 5;
// Room for the one-pixel outline plus a pixel of air on every side.
constexpr int kInset = 2;

const char *const kFontFiles[] = {
    "/usr/share/fonts/opentype/dancingscript/DancingScript-Bold.otf",
    "/usr/share/fonts/truetype/dancingscript/DancingScript-Bold.ttf",
};


// Smooth value noise on an integer lattice hashed from a seed.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : m_seed(seed) { }
    double at(double x, double y) const
    {
        const double fx = std::floor(x), fy = std::floor(y);
        const auto ix = std::int64_t(fx), iy = std::int64_t(fy);
        auto s = [](double t) { return t * t * (3 - 2 * t); };
        const double sx = s(x - fx), sy = s(y - fy);
        const double top = lerp(corner(ix, iy), corner(ix + 1, iy), sx);
        const double bottom = lerp(corner(ix, iy + 1), corner(ix + 1, iy + 1), sx);
        return lerp(top, bottom, sy);
    }

private:
    static double lerp(double a, double b, double t) { return a + (b - a) * t; }
    double corner(std::int64_t i, std::int64_t j) const
    {
        Rng r{m_seed ^ (std::uint64_t(i) * 0x9e3779b97f4a7c15ull) ^ (std::uint64_t(j) * 0xc2b2ae3d27d4eb4full)};
        return r.unit() * 2.0 - 1.0;
    }
    std::uint64_t m_seed;
};

QRgb shade(double r, double g, double b, double k)
{
    auto c = [](double v) { return qBound(0, int(std::lround(v)), 255); };
    return qRgb(c(r * k), c(g * k), c(b * k));
}

// Board edges fall between the rows of names, so each name sits on one board.
const int kSeams[] = {0, 46, 92, 123, 155, 189, 219, 259, 300, kHeight};
// Roughly where the title's ink lies; joints keep clear of it.
const QRect kTitleArea(120, 0, 220, 92);

// A butt joint somewhere no text is drawn.
int jointFor(int top, int bottom, Rng &rng)
{
    std::vector<bool> free(kWidth, true);
    auto block = [&](const QRect &r) {
        if (r.bottom() < top || r.top() >= bottom)
            return;
        for (int x = std::max(0, r.left() - 6); x <= std::min(kWidth - 1, r.right() + 6); ++x)
            free[std::size_t(x)] = false;
    };
    block(kTitleArea);
    for (const Entry &e : kEntries)
        block(e.box);
    std::vector<int> xs;
    for (int x = 16; x < kWidth - 16; ++x)
        if (free[std::size_t(x)])
            xs.push_back(x);
    return xs.empty() ? -1 : xs[std::size_t(rng.below(int(xs.size())))];
}

// The wood is laid out in 1x pixels; at a finer scale the grain is sampled
// at each finer pixel's centre, and gaps and joints stay a 1x pixel wide.
QImage planks(int scale)
{
    QImage img(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
    Rng rng{20240601};
    for (std::size_t p = 0; p + 1 < std::size(kSeams); ++p) {
        const int top = kSeams[p], bottom = kSeams[p + 1];
        const int joint = jointFor(top, bottom, rng);
        const double tone[2] = {0.93 + 0.12 * rng.unit(), 0.93 + 0.12 * rng.unit()};
        const Noise bend(rng.next()), rings[2] = {Noise(rng.next()), Noise(rng.next())}, fibre(rng.next());
        for (int sy = top * scale; sy < bottom * scale; ++sy) {
            const int y = sy / scale;
            const double fy = (sy + 0.5) / scale - 0.5;
            for (int sx = 0; sx < kWidth * scale; ++sx) {
                const int x = sx / scale;
                const double fx = (sx + 0.5) / scale - 0.5;
                const int piece = joint >= 0 && x > joint ? 1 : 0;
                // Grain lines follow slow bends along the board.
                const double f = (fy - top) + 6.0 * bend.at(fx / 150.0, piece * 7.0) + 1.5 * bend.at(fx / 40.0, 3.0);
                const double ring = std::max(0.0, rings[piece].at(fx / 400.0, f / 2.6));
                const double fib = fibre.at(fx / 30.0, f * 1.3);
                double k = tone[piece] * (1.0 - 0.22 * ring * ring) + 0.025 * fib;
                if (y == top)
                    k *= 0.5; // gap between boards
                else if (y == top + 1)
                    k *= 1.07;
                else if (y == bottom - 1)
                    k *= 0.82;
                if (x == joint)
                    k *= 0.55;
                else if (x == joint + 1)
                    k *= 1.06;
                img.setPixel(sx, sy, shade(206, 152, 94, k));
            }
        }
    }
    return img;
}

QFont scriptFont(const QString &family, int pixelSize)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Bounds of the pixels actually touched when text is drawn with its
// baseline origin at 0, 0.
QRect inkRect(const QString &text, const QFont &font)
{
    QImage probe(1200, 400, QImage::Format_ARGB32_Premultiplied);
    probe.fill(Qt::transparent);
    {
        QPainter p(&probe);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(QPointF(100, 250), text);
    }
    QRect r;
    for (int y = 0; y < probe.height(); ++y)
        for (int x = 0; x < probe.width(); ++x)
            if (qAlpha(probe.pixel(x, y)) > 0)
                r |= QRect(x, y, 1, 1);
    return r.translated(-100, -250);
}

QRect scaled(const QRect &r, int scale)
{
    return {r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale};
}

QRect room(const Entry &e, int scale = 1)
{
    return scaled(e.box.adjusted(kInset, kInset, -kInset, -kInset), scale);
}

// Biggest pixel size at which the text fits its box.
int fittingSize(const QString &family, const Entry &e)
{
    const QRect r = room(e);
    const int maxWidth = r.width() - (kLeftPad - kInset);
    for (int size = 40; size > 6; --size) {
        const QRect ink = inkRect(QString::fromUtf8(e.text), scriptFont(family, size));
        if (ink.width() <= maxWidth && ink.height() <= r.height())
            return size;
    }
    return 6;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "gen_chooser: %s\n", qPrintable(message));
    return 1;
}

// The picture at scale 1 or 2; the names' size is chosen at 1x so that both
// pictures set them alike.
QImage drawChooser(const QString &family, int scale, QString *error)
{
    QImage img = planks(scale);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Title, centred above the list, engraved: a light edge under dark ink.
    const QString title = QStringLiteral("Quillet");
    const QFont titleFont = scriptFont(family, 72 * scale);
    const QRect titleInk = inkRect(title, titleFont);
    const QPointF titleAt((kWidth * scale - titleInk.width()) / 2 - titleInk.left(), 80 * scale - titleInk.bottom());
    p.setFont(titleFont);
    p.setPen(QColor(255, 236, 200, 200));
    p.drawText(titleAt + QPointF(1.5, 1.5) * scale, title);
    p.setPen(QColor(92, 38, 12));
    p.drawText(titleAt, title);

    // One size for every name, unless some name would get too small for it.
    int common = 1000;
    for (const Entry &e : kEntries)
        common = std::min(common, fittingSize(family, e));

    for (int i = 0; i < int(std::size(kEntries)); ++i) {
        const Entry &e = kEntries[i];
        const QString text = QString::fromUtf8(e.text);
        const QFont font = scriptFont(family, common * scale);
        const QRect ink = inkRect(text, font);
        const QRect box = scaled(e.box, scale), r = room(e, scale);
        const int left = i == kExit ? box.left() + (box.width() - ink.width()) / 2 : box.left() + kLeftPad * scale;
        const int top = r.top() + (r.height() - ink.height()) / 2;
        const QPoint at(left - ink.left(), top - ink.top());
        if (!r.contains(ink.translated(at))) {
            *error = QStringLiteral("\"%1\" does not fit its box at %2x").arg(text).arg(scale);
            return QImage();
        }
        p.setFont(font);
        p.setPen(QColor(255, 230, 190, 150));
        p.drawText(at + QPointF(1, 1) * scale, text);
        p.setPen(QColor(178, 16, 16));
        p.drawText(at, text);
        std::printf("%dx %-24s size %d ink %d,%d %dx%d in %d,%d %dx%d\n", scale, e.text, common * scale,
                    ink.left() + at.x(), ink.top() + at.y(), ink.width(), ink.height(), box.x(), box.y(),
                    box.width(), box.height());
    }
    return img;
}

} // namespace

int main(int argc, char **argv)
{
    gsDrawOffscreen();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.size() > 2)
        return fail(QStringLiteral("usage: gen_chooser FILE.bmp [FONTFILE]"));

    QString fontFile = args.value(1);
    for (const char *candidate : kFontFiles)
        if (fontFile.isEmpty() && QFile::exists(QString::fromLatin1(candidate)))
            fontFile = QString::fromLatin1(candidate);
    const int fontId = fontFile.isEmpty() ? -1 : QFontDatabase::addApplicationFont(fontFile);
    if (fontId < 0)
        return fail(QStringLiteral("no script font; install fonts-dancingscript or name the font file"));
    const QString family = QFontDatabase::applicationFontFamilies(fontId).value(0);

    QString base = args[0];
    if (base.endsWith(QLatin1String(".bmp")))
        base.chop(4);
    for (int scale : {1, 2}) {
        const QString path = scale == 1 ? args[0] : base + QStringLiteral("-2x.bmp");
        QString error;
        const QImage img = drawChooser(family, scale, &error);
        if (img.isNull())
            return fail(error);
        if (!writeBmp24(img, path, &error))
            return fail(error);
    }
    return 0;
}
