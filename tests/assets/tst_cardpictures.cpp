// Checks the committed pictures in assets/ directly, so a regenerated set
// that breaks what the games rely on is caught before it ships.

#include "core/frmCards.h"
#include "launcher/chooserpicture.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QTest>

#ifndef QUILLET_SOURCE_DIR
#error "QUILLET_SOURCE_DIR must name the source tree"
#endif

namespace {

constexpr int kCardWidth = 55;
constexpr int kCardHeight = 79;
// Columns that stay visible when cards overlap sideways, and rows that stay
// visible when they overlap downwards.
constexpr int kStripWidth = 12;
constexpr int kStripHeight = 16;

QString assetPath(const QString &name)
{
    return QStringLiteral(QUILLET_SOURCE_DIR "/assets/") + name;
}

// Pictures for 2x screens are twice the size, in a folder of their own.
QString cardPath(int n, int scale = 1)
{
    return assetPath(QStringLiteral("cards/%1%2.bmp").arg(scale == 2 ? QStringLiteral("2x/") : QString()).arg(n, 2, 10, QLatin1Char('0')));
}

int suitOf(int n) { return (n - 1) / 13; }
int rankOf(int n) { return n % 13 == 0 ? 13 : n % 13; }
bool isRed(int n) { return suitOf(n) == 1 || suitOf(n) == 2; }

struct BmpHeader {
    bool ok = false;
    int width = 0, height = 0, bitCount = 0, compression = -1;
    QByteArray palette;
};

BmpHeader readHeader(const QString &path)
{
    BmpHeader h;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return h;
    const QByteArray b = f.readAll();
    if (b.size() < 54 || !b.startsWith("BM"))
        return h;
    auto u32 = [&](int at) {
        return int(quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 | quint8(b[at + 3]) << 24);
    };
    h.width = u32(18);
    h.height = std::abs(u32(22));
    h.bitCount = quint8(b[28]) | quint8(b[29]) << 8;
    h.compression = u32(30);
    const int headerSize = u32(14);
    const int dataOffset = u32(10);
    h.palette = b.mid(14 + headerSize, dataOffset - 14 - headerSize);
    h.ok = headerSize >= 40;
    return h;
}

QImage card(int n, int scale = 1)
{
    return QImage(cardPath(n, scale)).convertToFormat(QImage::Format_RGB32);
}

QRect scaled(const QRect &r, int scale)
{
    return {r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale};
}

QByteArray region(const QImage &img, const QRect &r)
{
    QByteArray out;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            out.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
        }
    return out;
}

// Ink regardless of its colour, so one rank can be compared across suits.
QByteArray inkMask(const QImage &img, const QRect &r)
{
    QByteArray out;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            out.append(img.pixel(x, y) == 0xffffffffu ? '.' : '#');
    return out;
}

void addCardRows(int last, std::initializer_list<int> scales = {1})
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("scale");
    for (int scale : scales)
        for (int n = 1; n <= last; ++n)
            QTest::addRow("%dx/%02d", scale, n) << n << scale;
}

} // namespace

class CardPictures : public QObject {
    Q_OBJECT

private slots:
    void fileFormat_data() { addCardRows(53, {1, 2}); }
    void fileFormat()
    {
        QFETCH(int, n);
        QFETCH(int, scale);
        const BmpHeader h = readHeader(cardPath(n, scale));
        QVERIFY2(h.ok, qPrintable(cardPath(n, scale)));
        QCOMPARE(h.width, kCardWidth * scale);
        QCOMPARE(h.height, kCardHeight * scale);
        QCOMPARE(h.bitCount, 4);
        QCOMPARE(h.compression, 0);
        QCOMPARE(h.palette.size(), 16 * 4);

        // The program carries exactly the committed picture.
        const QImage &shipped = scale == 2 ? frmCards::imgCard2x(n) : frmCards::imgCard(n);
        QCOMPARE(shipped.format(), QImage::Format_RGB32);
        QCOMPARE(shipped, card(n, scale));
    }

    void sharedPalette()
    {
        const QByteArray first = readHeader(cardPath(1)).palette;
        for (int scale : {1, 2})
            for (int n = 1; n <= 53; ++n)
                QVERIFY2(readHeader(cardPath(n, scale)).palette == first, qPrintable(cardPath(n, scale)));
    }

    // Corners are copied onto the table with the rest of the rectangle, so
    // they must be the same on every card; the outline must be whole.
    void outlineAndCorners_data() { addCardRows(53); }
    void outlineAndCorners()
    {
        QFETCH(int, n);
        const QImage img = card(n);
        const int r = kCardWidth - 1, b = kCardHeight - 1;
        const QPoint outside[] = {{0, 0}, {1, 0}, {0, 1}, {r, 0}, {r - 1, 0}, {r, 1},
                                  {0, b}, {1, b}, {0, b - 1}, {r, b}, {r - 1, b}, {r, b - 1}};
        for (const QPoint &p : outside)
            QVERIFY2(img.pixel(p) == 0xffffffffu, qPrintable(QStringLiteral("corner %1,%2").arg(p.x()).arg(p.y())));
        for (int x = 2; x <= r - 2; ++x) {
            QCOMPARE(img.pixel(x, 0), 0xff000000u);
            QCOMPARE(img.pixel(x, b), 0xff000000u);
        }
        for (int y = 2; y <= b - 2; ++y) {
            QCOMPARE(img.pixel(0, y), 0xff000000u);
            QCOMPARE(img.pixel(r, y), 0xff000000u);
        }
    }

    // Whatever a fanned card leaves showing names it: no two faces look
    // the same there.
    void stripIdentifiesCard_data()
    {
        QTest::addColumn<QRect>("strip");
        QTest::addColumn<int>("scale");
        for (int scale : {1, 2}) {
            QTest::addRow("top %dx", scale) << QRect(0, 0, kCardWidth, kStripHeight) << scale;
            QTest::addRow("left %dx", scale) << QRect(0, 0, kStripWidth, kCardHeight) << scale;
            QTest::addRow("right %dx", scale) << QRect(kCardWidth - kStripWidth, 0, kStripWidth, kCardHeight) << scale;
        }
    }
    void stripIdentifiesCard()
    {
        QFETCH(QRect, strip);
        QFETCH(int, scale);
        QHash<QByteArray, int> seen;
        for (int n = 1; n <= 52; ++n) {
            const int same = seen.value(region(card(n, scale), scaled(strip, scale)));
            QVERIFY2(same == 0, qPrintable(QStringLiteral("cards %1 and %2").arg(same).arg(n)));
            seen.insert(region(card(n, scale), scaled(strip, scale)), n);
        }
    }

    void topStripIdentifiesRank()
    {
        const QRect strip(0, 0, kCardWidth, kStripHeight);
        for (int a = 1; a <= 52; ++a)
            for (int b = a + 1; b <= 52; ++b)
                if (rankOf(a) != rankOf(b))
                    QVERIFY2(region(card(a), strip) != region(card(b), strip),
                             qPrintable(QStringLiteral("cards %1 and %2").arg(a).arg(b)));
    }

    // The index alone, in the corner of the top strip, names the rank: the
    // same shape in every suit and a different one for every rank.
    void indexShapeIsPerRank()
    {
        const QRect index(1, 2, kStripWidth - 1, kStripHeight - 2);
        QSet<QByteArray> shapes;
        for (int rank = 1; rank <= 13; ++rank) {
            const QByteArray spade = inkMask(card(rank), index);
            for (int suit = 1; suit < 4; ++suit)
                QCOMPARE(inkMask(card(suit * 13 + rank), index), spade);
            shapes.insert(spade);
        }
        QCOMPARE(shapes.size(), 13);
    }

    // Inside the strip, only the index and sign in the suit's colour; below
    // them the strip stays blank so nothing else can be mistaken for them.
    void stripHoldsOnlyIndexAndSign_data() { addCardRows(52); }
    void stripHoldsOnlyIndexAndSign()
    {
        QFETCH(int, n);
        const QImage img = card(n);
        const QRgb ink = isRed(n) ? 0xffff0000u : 0xff000000u;
        int inkInSign = 0;
        for (int y = 2; y < kCardHeight / 2; ++y) {
            for (int x = 1; x < kStripWidth; ++x) {
                const QRgb c = img.pixel(x, y);
                if (y <= 26) {
                    QVERIFY2(c == ink || c == 0xffffffffu, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                    inkInSign += y >= 16 && c == ink;
                } else {
                    QVERIFY2(c == 0xffffffffu, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                }
            }
        }
        QVERIFY(inkInSign > 20);
    }

    void sameSuitSignOnEveryRank()
    {
        const QRect sign(1, kStripHeight, kStripWidth - 1, 11);
        QSet<QByteArray> suits;
        for (int suit = 0; suit < 4; ++suit) {
            const QByteArray first = region(card(suit * 13 + 1), sign);
            for (int rank = 2; rank <= 13; ++rank)
                QCOMPARE(region(card(suit * 13 + rank), sign), first);
            suits.insert(inkMask(card(suit * 13 + 1), sign));
        }
        QCOMPARE(suits.size(), 4);
    }

    // Cards read the same either way up.
    void bottomCornerIsTopCornerTurned_data() { addCardRows(52, {1, 2}); }
    void bottomCornerIsTopCornerTurned()
    {
        QFETCH(int, n);
        QFETCH(int, scale);
        const QImage img = card(n, scale);
        for (int y = 0; y < 27 * scale; ++y)
            for (int x = 0; x < kStripWidth * scale; ++x)
                QCOMPARE(img.pixel(img.width() - 1 - x, img.height() - 1 - y), img.pixel(x, y));
    }

    void backDiffersFromFaces()
    {
        const QImage back = card(53);
        int patterned = 0;
        const QRect middle(8, 8, kCardWidth - 16, kCardHeight - 16);
        for (int y = middle.top(); y <= middle.bottom(); ++y)
            for (int x = middle.left(); x <= middle.right(); ++x)
                patterned += back.pixel(x, y) != 0xffffffffu;
        QVERIFY(patterned > middle.width() * middle.height() / 2);
        for (int n = 1; n <= 52; ++n)
            QVERIFY(region(card(n), back.rect()) != region(back, back.rect()));
    }

    void tableAndChooser()
    {
        const BmpHeader table = readHeader(assetPath(QStringLiteral("Main.bmp")));
        QVERIFY(table.ok);
        QVERIFY(table.width >= 800 && table.height >= 600);
        QVERIFY(table.bitCount == 24);
        QVERIFY(!QImage(assetPath(QStringLiteral("Main.bmp"))).isNull());

        for (int scale : {1, 2}) {
            const QString name = scale == 1 ? QStringLiteral("chooser.bmp") : QStringLiteral("chooser-2x.bmp");
            const BmpHeader chooser = readHeader(assetPath(name));
            QVERIFY(chooser.ok);
            QCOMPARE(chooser.width, 460 * scale);
            QCOMPARE(chooser.height, 320 * scale);
            QCOMPARE(chooser.bitCount, 24);
            QCOMPARE(QImage(assetPath(name)).size(), QSize(460, 320) * scale);
        }
    }

    // The chooser shows the finest picture the screen can use, in the
    // same logical size.
    void chooserPictureForScreen_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("scale");
        QTest::newRow("1") << 1.0 << 1;
        QTest::newRow("1.25") << 1.25 << 1;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("2") << 2.0 << 2;
        QTest::newRow("3") << 3.0 << 3;
        QTest::newRow("4") << 4.0 << 4;
    }
    void chooserPictureForScreen()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, scale);
        const QImage &picture = gimgfChooserPicture(ratio);
        QCOMPARE(picture.size(), QSize(460, 320) * scale);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(460, 320));
        // Whole-pixel blocks of the drawn picture: never smoothed.
        const QImage drawn = gimgfChooserPicture(scale % 2 == 0 ? 2.0 : 1.0);
        const int block = scale % 2 == 0 ? scale / 2 : scale;
        for (const QPoint p : {QPoint(0, 0), QPoint(217, 141), QPoint(drawn.width() - 1, drawn.height() - 1)})
            for (const QPoint d : {QPoint(0, 0), QPoint(block - 1, block - 1)})
                QCOMPARE(picture.pixel(p * block + d), drawn.pixel(p));
    }
};

QTEST_GUILESS_MAIN(CardPictures)
#include "tst_cardpictures.moc"
