// Draws the card pictures (52 faces and a back) as 16-colour BMPs, at 1x and
// at 2x, and the felt of the game table.
//
//   gen_cards OUTDIR               writes OUTDIR/01.bmp .. 53.bmp (55 x 79)
//                                  and OUTDIR/2x/01.bmp .. 53.bmp (110 x 158)
//   gen_cards --table FILE.bmp     writes the 800 x 600 table felt

#include "../common/offscreen.h"
#include "../common/bmpfile.h"
#include "cardart.h"
#include "cardface.h"
#include "felt.h"
#include "palette.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

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
    for (int r = 1; r <= 13 && e.isEmpty(); ++r)
        e = check(rankGlyph2x(r), 22, 22, "a 2x index glyph");
    for (int s = 0; s < 4 && e.isEmpty(); ++s) {
        e = check(pip(Suit(s)), 9, 9, "a pip");
        if (e.isEmpty())
            e = check(smallPip(Suit(s)), 7, 7, "a small pip");
    }
    for (int r = 11; r <= 13 && e.isEmpty(); ++r)
        e = check(courtArt(r), 27, 34, "a court figure");
    return e;
}

// Pictures 1..52 are the faces in card-number order, 53 the back.
QString writeCards(const QDir &out, int scale)
{
    if (!QDir().mkpath(out.path()))
        return QStringLiteral("cannot create %1").arg(out.path());
    QString error;
    for (int n = 1; n <= 53; ++n) {
        const QImage img = n == 53 ? drawBack(scale) : drawFace((n - 1) % 13 + 1, Suit((n - 1) / 13), scale);
        const QString path = out.filePath(QStringLiteral("%1.bmp").arg(n, 2, 10, QLatin1Char('0')));
        if (!writeBmp4(img, kPalette, path, &error))
            return error;
    }
    return QString();
}

} // namespace

int main(int argc, char **argv)
{
    gsDrawOffscreen();
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString error = checkArt();
    if (!error.isEmpty())
        return fail(error);

    if (args.size() == 2 && args[0] == QLatin1String("--table"))
        return writeBmp24(drawFelt(), args[1], &error) ? 0 : fail(error);
    if (args.size() != 1 || args[0].startsWith(QLatin1Char('-')))
        return fail(QStringLiteral("usage: gen_cards OUTDIR | gen_cards --table FILE.bmp"));

    const QDir out(args[0]);
    error = writeCards(out, 1);
    if (error.isEmpty())
        error = writeCards(QDir(out.filePath(QStringLiteral("2x"))), 2);
    return error.isEmpty() ? 0 : fail(error);
}
