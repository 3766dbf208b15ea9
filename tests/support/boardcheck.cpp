#include "boardcheck.h"

#include "core/blit.h"
#include "core/board.h"
#include "core/gamerules.h"
#include "window/frmMain.h"

#include <cstring>

namespace {
// Reused between calls: a check must not cost an allocation each time.
QImage& scratch(int slot, const QImage& like)
{
    static QImage images[2];
    QImage& image = images[slot];
    if (image.size() != like.size() || image.format() != like.format())
        image = QImage(like.size(), like.format());
    return image;
}

// The first differing pixel of two same-sized images, or an empty string.
QString firstDifference(const QImage& shown, const QImage& expected)
{
    if (shown.size() != expected.size())
        return QStringLiteral("window image is %1 x %2, a redraw %3 x %4")
            .arg(shown.width())
            .arg(shown.height())
            .arg(expected.width())
            .arg(expected.height());
    const size_t rowBytes = static_cast<size_t>(shown.width()) * 4;
    for (int y = 0; y < shown.height(); ++y) {
        const auto* a = reinterpret_cast<const quint32*>(shown.constScanLine(y));
        const auto* b = reinterpret_cast<const quint32*>(expected.constScanLine(y));
        if (std::memcmp(a, b, rowBytes) == 0)
            continue;
        int x = 0;
        while (a[x] == b[x])
            ++x;
        int last = shown.width() - 1;
        while (a[last] == b[last])
            --last;
        return QStringLiteral("stale pixels in row %1 from x = %2 to %3: shown #%4, a full redraw gives #%5")
            .arg(y)
            .arg(x)
            .arg(last)
            .arg(a[x] & 0xffffff, 6, 16, QLatin1Char('0'))
            .arg(b[x] & 0xffffff, 6, 16, QLatin1Char('0'));
    }
    return {};
}
}

QString staleBoardPixels(frmMain& window)
{
    Board& board = window.board();
    if (board.isClipped())
        return QStringLiteral("the board is still clipped");
    GameRules* game = window.game();
    // Before the first New the board is empty.
    if (!game || (window.isInactive() && !window.isFinished()))
        return firstDifference(board.windowImage(), board.clearImage());

    // Redraw the whole board as the game draws it, without telling the
    // display, then put everything back.
    QImage& savedWork = scratch(0, board.picWork());
    QImage& savedWindow = scratch(1, board.windowImage());
    gsCopyWhole(savedWork, board.picWork());
    gsCopyWhole(savedWindow, board.windowImage());
    const Board::DamageHandler handler = board.damageHandler();
    board.setDamageHandler({});
    game->gsDrawCards();
    if (window.isHoldingImage())
        board.layPicSave(window.dragPosition().x(), window.dragPosition().y());
    const QString problem = firstDifference(savedWindow, board.picWork());
    gsCopyWhole(board.picWork(), savedWork);
    // The redraw may have presented: the window image goes back as it was
    // (the board offers no writable window image; it is not shared, so the
    // write does not detach).
    gsCopyWhole(const_cast<QImage&>(board.windowImage()), savedWindow);
    board.setDamageHandler(handler);
    return problem;
}
