// Draws the program's icon: two fanned cards, a heart Ace behind a spade
// Ace, on a rounded piece of green felt. Every size is drawn from the same
// shapes at its own resolution rather than scaled down from the largest, and
// the small sizes leave out the corner indices, which would only blur.
//
//   gen_icon OUTDIR        writes OUTDIR/quillet-16.png .. quillet-512.png
//
// Shapes are paths, never font glyphs, so the output does not depend on the
// fonts installed.

#include "../common/offscreen.h"
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cstdio>

namespace {

// Sizes of the hicolor theme's fixed-size folders; each has its double here
// too, so a 2x screen gets a drawn icon at every size it asks for.
const int kSizes[] = {16, 24, 32, 48, 64, 96, 128, 256, 512};

// The drawing is laid out on a 256 x 256 grid.
constexpr double kGrid = 256.0;
const QRectF kCard(-52, -74, 104, 148);
constexpr double kCardRadius = 12;

const QColor kRed(200, 20, 30);
const QColor kBlack(20, 20, 24);

QPainterPath heart(QPointF centre, double width)
{
    // Drawn in a unit box, point at the bottom.
    QPainterPath p;
    p.moveTo(0.5, 0.25);
    p.cubicTo(0.5, 0.0, 0.0, 0.0, 0.0, 0.3);
    p.cubicTo(0.0, 0.6, 0.5, 0.75, 0.5, 1.0);
    p.cubicTo(0.5, 0.75, 1.0, 0.6, 1.0, 0.3);
    p.cubicTo(1.0, 0.0, 0.5, 0.0, 0.5, 0.25);
    QTransform t;
    t.translate(centre.x() - width / 2, centre.y() - width / 2);
    t.scale(width, width);
    return t.map(p);
}

QPainterPath spade(QPointF centre, double width)
{
    // An upturned heart on a flared stem, in a unit box.
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.cubicTo(0.5, 0.22, 0.0, 0.3, 0.0, 0.56);
    p.cubicTo(0.0, 0.8, 0.3, 0.86, 0.47, 0.68);
    p.cubicTo(0.45, 0.82, 0.4, 0.92, 0.3, 1.0);
    p.lineTo(0.7, 1.0);
    p.cubicTo(0.6, 0.92, 0.55, 0.82, 0.53, 0.68);
    p.cubicTo(0.7, 0.86, 1.0, 0.8, 1.0, 0.56);
    p.cubicTo(1.0, 0.3, 0.5, 0.22, 0.5, 0.0);
    QTransform t;
    t.translate(centre.x() - width / 2, centre.y() - width / 2);
    t.scale(width, width);
    return t.map(p);
}

// A capital A as a filled outline, its box's top-left at x, y.
QPainterPath letterA(double x, double y, double height)
{
    const double w = height * 0.8;
    QPainterPath strokes;
    strokes.moveTo(x, y + height);
    strokes.lineTo(x + w / 2, y);
    strokes.lineTo(x + w, y + height);
    strokes.moveTo(x + w * 0.22, y + height * 0.64);
    strokes.lineTo(x + w * 0.78, y + height * 0.64);
    QPainterPathStroker stroker;
    stroker.setWidth(height * 0.2);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    // The apex's miter would poke above the letter's box.
    stroker.setMiterLimit(1.5);
    return stroker.createStroke(strokes).simplified();
}

void drawFelt(QPainter &p)
{
    const QRectF tile(14, 14, 228, 228);
    QRadialGradient felt(QPointF(110, 96), 190);
    felt.setColorAt(0.0, QColor(52, 150, 72));
    felt.setColorAt(1.0, QColor(18, 92, 42));
    p.setPen(QPen(QColor(10, 60, 26), 4));
    p.setBrush(felt);
    p.drawRoundedRect(tile, 40, 40);
}

// One card at its place; its face is drawn in the card's own coordinates.
template <typename Face>
void drawCard(QPainter &p, QPointF at, double degrees, double border, Face face)
{
    p.save();
    p.translate(at);
    p.rotate(degrees);
    // A soft shadow on the felt, then the card.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(kCard.translated(5, 7), kCardRadius, kCardRadius);
    p.setPen(QPen(QColor(90, 90, 100), border));
    p.setBrush(QColor(252, 252, 248));
    p.drawRoundedRect(kCard, kCardRadius, kCardRadius);
    p.setPen(Qt::NoPen);
    face(p);
    p.restore();
}

QImage drawIcon(int size)
{
    const bool small = size <= 32;
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    // Lines must stay about a pixel wide whatever the size.
    const double border = std::max(3.0, kGrid / size);

    drawFelt(p);
    drawCard(p, QPointF(100, 124), -15, border, [&](QPainter &q) {
        q.setBrush(kRed);
        // The front card hides this one's middle: large sizes show its
        // corner index, small ones a heart big enough to read as red.
        if (small) {
            q.drawPath(heart(QPointF(-12, 0), 62));
        } else {
            q.drawPath(letterA(-44, -66, 26));
            q.drawPath(heart(QPointF(-33, -24), 22));
        }
    });
    drawCard(p, QPointF(152, 134), 12, border, [&](QPainter &q) {
        q.setBrush(kBlack);
        if (!small) {
            q.drawPath(letterA(-44, -66, 26));
            q.drawPath(spade(QPointF(-33, -24), 22));
        }
        q.drawPath(spade(QPointF(0, small ? 2 : 10), small ? 80 : 66));
    });
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

int main(int argc, char **argv)
{
    gsDrawOffscreen();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: gen_icon OUTDIR\n");
        return 1;
    }
    const QDir out(args[0]);
    if (!out.exists() && !QDir().mkpath(args[0])) {
        std::fprintf(stderr, "gen_icon: cannot create %s\n", qPrintable(args[0]));
        return 1;
    }
    for (int size : kSizes) {
        const QString file = out.filePath(QStringLiteral("quillet-%1.png").arg(size));
        if (!drawIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "gen_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
