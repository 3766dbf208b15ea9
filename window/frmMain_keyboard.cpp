// Playing from the keyboard. A frame marks one of the board's spots: the
// places where a press can pick a card up or, while a card is held, where a
// drop can land (the game's hotSpots(), in reading order). The keys make the
// same press, move and release calls the mouse makes, so every rule stays
// the game's own.
//
// Arrows step through the spots, Home and End go to the first and last;
// Space or Return clicks (click games) or lifts and drops (drag games);
// Escape puts a held card back.

#include "window/frmMain.h"

#include "core/errors.h"
#include "core/gamerules.h"
#include "core/modCards.h"

#include <algorithm>

namespace {
// A press lands a little inside the card, clear of any fanned edge.
constexpr float kPressInset = 4;

bool gblnfReadingOrder(QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); }

// The spot after (step > 0) or before `from` in reading order, wrapping
// round; `from` need not be a spot any more.
QPoint gptfStep(const std::vector<QPoint>& spots, QPoint from, int step)
{
    if (step > 0) {
        const auto next = std::upper_bound(spots.begin(), spots.end(), from, gblnfReadingOrder);
        return next == spots.end() ? spots.front() : *next;
    }
    const auto at = std::lower_bound(spots.begin(), spots.end(), from, gblnfReadingOrder);
    return at == spots.begin() ? spots.back() : *(at - 1);
}

QPoint gptfNearest(const std::vector<QPoint>& spots, QPoint from)
{
    return *std::min_element(spots.begin(), spots.end(), [from](QPoint a, QPoint b) {
        return (a - from).manhattanLength() < (b - from).manhattanLength();
    });
}

bool gblnfIsSpot(const std::vector<QPoint>& spots, QPoint p)
{
    return std::binary_search(spots.begin(), spots.end(), p, gblnfReadingOrder);
}
}

std::vector<QPoint> frmMain::mvecfKeySpots() const
{
    std::vector<QPoint> spots;
    if (mGame)
        spots = mGame->hotSpots();
    std::sort(spots.begin(), spots.end(), gblnfReadingOrder);
    spots.erase(std::unique(spots.begin(), spots.end()), spots.end());
    return spots;
}

void frmMain::msShowKeyFrame(QPoint spot, const std::vector<QPoint>& spots)
{
    // A card fanned under the next one shows only its strip: frame that.
    int width = kCardWidth;
    const auto next = std::upper_bound(spots.begin(), spots.end(), spot, gblnfReadingOrder);
    if (next != spots.end() && next->y() == spot.y() && next->x() - spot.x() < width)
        width = next->x() - spot.x();
    mKeySpot = spot;
    mKeyFrameShown = true;
    mPicWork->setKeyFrame(QRect(spot.x(), spot.y(), width, kCardHeight));
    emit keyFrameMoved(mPicWork->keyFrame());
}

void frmMain::msHideKeyFrame()
{
    const bool shown = mKeyFrameShown;
    mKeyFrameShown = false;
    mPicWork->setKeyFrame({});
    if (shown)
        emit keyFrameMoved({});
}

void frmMain::msKeyFrameFollowBoard()
{
    // The marked card may have gone: the frame moves to the nearest spot.
    if (!mKeyFrameShown)
        return;
    const std::vector<QPoint> spots = mvecfKeySpots();
    if (spots.empty() || mInactive)
        msHideKeyFrame();
    else if (!gblnfIsSpot(spots, mKeySpot))
        msShowKeyFrame(gptfNearest(spots, mKeySpot), spots);
}

void frmMain::msPointerPressed()
{
    // The mouse takes over: what the keyboard holds goes back first.
    if (mKeyGesture)
        msCancelGesture();
    msHideKeyFrame();
}

void frmMain::msKeyPress(QPoint spot)
{
    const float x = static_cast<float>(spot.x()) + kPressInset;
    const float y = static_cast<float>(spot.y()) + kPressInset;
    picWork_MouseDown(x, y);
    if (mCardFrom == 0)
        return;
    if (isDragGame()) {
        mKeyGesture = true;
        mKeyFrom = spot;
    } else {
        picWork_MouseUp(x, y);
    }
}

void frmMain::msKeyMoveHeld(QPoint spot, const std::vector<QPoint>& spots)
{
    msShowKeyFrame(spot, spots);
    // The pointer move that puts the image's corner on the spot, so the
    // play-area clamps apply as they do to the mouse.
    picWork_MouseMove(static_cast<float>(spot.x()) + mGrabX, static_cast<float>(spot.y()) + mGrabY);
}

bool frmMain::picWork_KeyDown(int aintKey, bool ablnRepeat)
{
    int step = 0;
    switch (aintKey) {
    case Qt::Key_Right:
    case Qt::Key_Down: step = 1; break;
    case Qt::Key_Left:
    case Qt::Key_Up: step = -1; break;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: break;
    default: return false;
    }
    trapErrors("picWork_KeyDown", [&] {
        // Nothing dealt, a game won, or the mouse's gesture under way.
        if (mInactive || mFinished || !mGame || (mCardFrom != 0 && !mKeyGesture))
            return;
        const bool act = aintKey == Qt::Key_Space || aintKey == Qt::Key_Return || aintKey == Qt::Key_Enter;
        // A held-down key acts once; only the arrows repeat.
        if ((act || aintKey == Qt::Key_Escape) && ablnRepeat)
            return;
        if (aintKey == Qt::Key_Escape) {
            msCancelGesture();
            return;
        }
        if (act && mKeyGesture) {
            picWork_MouseUp(mPointerX, mPointerY);
            msKeyFrameFollowBoard();
            return;
        }
        const std::vector<QPoint> spots = mvecfKeySpots();
        if (spots.empty())
            return;
        if (act && mKeyFrameShown && gblnfIsSpot(spots, mKeySpot)) {
            msKeyPress(mKeySpot);
            msKeyFrameFollowBoard();
            return;
        }
        QPoint target;
        if (!mKeyFrameShown)
            target = aintKey == Qt::Key_End ? spots.back() : spots.front();
        else if (step != 0)
            target = gptfStep(spots, mKeySpot, step);
        else if (aintKey == Qt::Key_Home)
            target = spots.front();
        else if (aintKey == Qt::Key_End)
            target = spots.back();
        else
            target = gptfNearest(spots, mKeySpot);  // the marked card went: show where the frame now is
        if (mKeyGesture)
            msKeyMoveHeld(target, spots);
        else
            msShowKeyFrame(target, spots);
    });
    return true;
}
