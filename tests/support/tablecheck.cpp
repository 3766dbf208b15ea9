#include "tablecheck.h"

#include "core/board.h"
#include "core/gamerules.h"
#include "core/modCards.h"
#include "core/scaledcards.h"
#include "window/frmMain.h"

#include <cstring>
#include <map>

namespace {
// A card picture in the board's pixel format, kept per scale.
const QImage& pictureLike(int index, int scale, QImage::Format format)
{
    static std::map<std::pair<int, int>, QImage> kept;
    QImage& image = kept[{scale, index}];
    if (image.isNull())
        image = ScaledCards::forScale(scale).picture(index).convertToFormat(format);
    return image;
}

bool pixelsDiffer(const Board& board, const TableCard& card)
{
    const QImage& shown = board.windowImage();
    const int s = board.scale(), bytes = shown.depth() / 8;
    const QImage& picture = pictureLike(card.faceUp ? card.card : kCardBack, s, shown.format());
    const QRect r = card.shown;
    const QPoint offset = (r.topLeft() - card.face.topLeft()) * s;
    for (int y = 0; y < r.height() * s; ++y)
        if (std::memcmp(shown.constScanLine(r.top() * s + y) + r.left() * s * bytes,
                        picture.constScanLine(offset.y() + y) + offset.x() * bytes,
                        static_cast<size_t>(r.width() * s * bytes)) != 0)
            return true;
    return false;
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
    std::map<int, CardWhere> expected;  // card: where the census has it
    for (const CardLocation& c : game->census())
        expected[c.card] = c.where;
    std::map<int, int> listed;
    const Board& board = window.board();
    const QRect onBoard(0, 0, board.width(), board.height());
    const QRect held = window.isHoldingImage() ? QRect(window.dragPosition(), window.dragImageSize()) : QRect();
    for (const TablePlace& place : game->describeTable()) {
        if (!place.empty.isEmpty() && !onBoard.contains(place.empty))
            return place.name + QStringLiteral(": empty place off the board at ") + rectText(place.empty);
        for (const TableCard& card : place.cards) {
            const QString what = place.name + QStringLiteral(": card %1 ").arg(card.card);
            ++listed[card.card];
            const auto it = expected.find(card.card);
            if (it == expected.end() || it->second != place.where)
                return what + QStringLiteral("is not in the census at a place of kind %1").arg(int(place.where));
            if (card.shown.isEmpty() || held.intersects(card.shown))
                continue;
            if (!card.face.contains(card.shown) || !onBoard.contains(card.shown))
                return what + QStringLiteral("shows ") + rectText(card.shown) + QStringLiteral(" off its face or the board");
            if (pixelsDiffer(board, card))
                return what + QStringLiteral("is not what the board shows at ") + rectText(card.shown);
        }
    }
    for (const auto& [card, where] : expected)
        if (listed[card] != 1)
            return QStringLiteral("card %1 is described %2 times").arg(card).arg(listed[card]);
    if (listed.size() != expected.size())
        return QStringLiteral("the description lists %1 cards, the census %2").arg(listed.size()).arg(expected.size());
    return {};
}
