#include "tablecheck.h"

#include "core/board.h"
#include "core/gamerules.h"
#include "core/modCards.h"
#include "core/scaledcards.h"
#include "window/frmMain.h"

#include <cstring>
#include <map>

namespace {
const char* whereName(CardWhere where)
{
    switch (where) {
    case CardWhere::Table: return "Table";
    case CardWhere::Stock: return "Stock";
    case CardWhere::Waste: return "Waste";
    case CardWhere::Foundation: return "Foundation";
    case CardWhere::Discard: return "Discard";
    }
    return "?";
}

// A card picture in the board's pixel format, kept per scale.
const QImage& pictureLike(int index, int scale, QImage::Format format)
{
    static std::map<std::pair<int, int>, QImage> kept;
    QImage& image = kept[{scale, index}];
    if (image.isNull())
        image = ScaledCards::forScale(scale).picture(index).convertToFormat(format);
    return image;
}

QString pixelsDiffer(const Board& board, const TableCard& card)
{
    const QImage& shown = board.windowImage();
    const int s = board.scale();
    const QImage& picture = pictureLike(card.faceUp ? card.card : kCardBack, s, shown.format());
    const int bytes = shown.depth() / 8;
    const QRect r = card.shown;
    const QPoint offset = (r.topLeft() - card.face.topLeft()) * s;
    for (int y = 0; y < r.height() * s; ++y) {
        const uchar* a = shown.constScanLine(r.top() * s + y) + r.left() * s * bytes;
        const uchar* b = picture.constScanLine(offset.y() + y) + offset.x() * bytes;
        if (std::memcmp(a, b, static_cast<size_t>(r.width() * s * bytes)) != 0)
            return QStringLiteral("device row %1 of its shown part differs").arg(y);
    }
    return {};
}

QString rectText(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
}

QString tableMismatch(frmMain& window)
{
    GameRules* game = window.game();
    if (!game)
        return {};
    const TableDescription table = game->describeTable();
    const std::vector<CardLocation> census = game->census();

    std::map<int, CardWhere> expected;
    for (const CardLocation& c : census)
        expected[c.card] = c.where;
    std::map<int, int> listed;
    const Board& board = window.board();
    const QRect onBoard(0, 0, board.width(), board.height());
    const QRect held = window.isHoldingImage() ? QRect(window.dragPosition(), window.dragImageSize()) : QRect();
    for (const TablePlace& place : table) {
        if (!place.empty.isEmpty() && !onBoard.contains(place.empty))
            return place.name + QStringLiteral(": empty place ") + rectText(place.empty) + QStringLiteral(" off the board");
        for (const TableCard& card : place.cards) {
            const QString what = place.name + QStringLiteral(": card %1 ").arg(card.card);
            ++listed[card.card];
            const auto it = expected.find(card.card);
            if (it == expected.end())
                return what + QStringLiteral("is not in the census");
            if (it->second != place.where)
                return what + QStringLiteral("is at a %1 place, the census says %2")
                                  .arg(QLatin1String(whereName(place.where)), QLatin1String(whereName(it->second)));
            if (card.shown.isEmpty())
                continue;
            if (!card.face.contains(card.shown) || !onBoard.contains(card.shown))
                return what + QStringLiteral("shows ") + rectText(card.shown) + QStringLiteral(" outside its face ") +
                       rectText(card.face) + QStringLiteral(" or the board");
            if (held.intersects(card.shown))
                continue;
            const QString pixels = pixelsDiffer(board, card);
            if (!pixels.isEmpty())
                return what + QStringLiteral("at ") + rectText(card.shown) + QStringLiteral(": ") + pixels;
        }
    }
    for (const CardLocation& c : census)
        if (listed[c.card] != 1)
            return QStringLiteral("card %1 is described %2 times").arg(c.card).arg(listed[c.card]);
    if (listed.size() != expected.size())
        return QStringLiteral("the description lists %1 cards, the census %2").arg(listed.size()).arg(expected.size());
    return {};
}
