#include "core/helpplacement.h"

#include <algorithm>

namespace {
// Narrower than this, the text no longer reads well beside the board.
constexpr int kMinBesideWidth = 240;

qint64 hidden(const QRect& a, const QRect& b)
{
    const QRect i = a.intersected(b);
    return i.isEmpty() ? 0 : qint64(i.width()) * i.height();
}
}

QRect grectfHelpViewerPlace(const QSize& viewer, const QRect& owner, const QRect& screen)
{
    const int w = std::min(viewer.width(), screen.width());
    const int h = std::min(viewer.height(), screen.height());
    auto clampY = [&](int y) { return std::clamp(y, screen.top(), screen.bottom() + 1 - h); };
    auto clampX = [&](int x, int width) { return std::clamp(x, screen.left(), screen.right() + 1 - width); };
    if (owner.isEmpty())
        return QRect(screen.left() + (screen.width() - w) / 2, screen.top() + (screen.height() - h) / 2, w, h);

    const int roomRight = screen.right() - owner.right();
    const int roomLeft = owner.left() - screen.left();
    const int y = clampY(owner.top());
    if (roomRight >= w)
        return QRect(owner.right() + 1, y, w, h);
    if (roomLeft >= w)
        return QRect(owner.left() - w, y, w, h);
    // A narrower viewer beside the board hides nothing at all.
    if (std::max(roomRight, roomLeft) >= kMinBesideWidth) {
        if (roomRight >= roomLeft)
            return QRect(owner.right() + 1, y, roomRight, h);
        return QRect(screen.left(), y, roomLeft, h);
    }
    // Otherwise try the screen's edges and the board's sides; the first of
    // equal candidates (right of the board) wins.
    const int xs[] = {clampX(owner.right() + 1, w), clampX(screen.right() + 1 - w, w), clampX(owner.left() - w, w),
                      clampX(screen.left(), w)};
    const int ys[] = {y, clampY(owner.bottom() + 1), clampY(owner.top() - h), clampY(screen.top()),
                      clampY(screen.bottom() + 1 - h)};
    QRect best;
    qint64 bestHidden = -1;
    for (int x : xs)
        for (int yy : ys) {
            const QRect r(x, yy, w, h);
            const qint64 area = hidden(r, owner);
            if (bestHidden < 0 || area < bestHidden) {
                best = r;
                bestHidden = area;
            }
        }
    return best;
}
