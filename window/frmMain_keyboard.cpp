// Playing from the keyboard. A frame marks one spot of the board: exactly
// what shows of a card or of an empty place, as the game describes its
// table; every one can be visited, so that the whole table can be looked at
// (and read out), and while a card is held only those a drop can land on.
// The keys make the same press, move and release calls the mouse makes, so
// every rule stays the game's own.
//
// Arrows move where they point, Tab and Shift+Tab step in reading order,
// Home and End go to the first and last spot (window/keynavigation.h);
// Space or Return clicks (click games) or lifts and drops (drag games);
// Escape puts a held card back.

#include "window/frmMain.h"

#include "core/errors.h"
#include "core/gamerules.h"
#include "window/keynavigation.h"

#include <algorithm>

namespace {
// A press lands a little inside what shows of the card, clear of its edge.
constexpr int kPressInset = 4;

bool gblnfIsSpot(const std::vector<QRect>& spots, const QRect& r)
{
    return std::find(spots.begin(), spots.end(), r) != spots.end();
}
}

std::vector<QRect> frmMain::mvecfKeySpots() const
{
    std::vector<QRect> spots;
    if (!mGame)
        return spots;
    const bool holding = mKeyGesture;
    for (const TableSpot& spot : gvecfTableSpots(mGame->describeTable()))
        if (spot.canDrop || !holding)
            spots.push_back(spot.rect);
    gsSortSpots(spots);
    return spots;
}

void frmMain::msShowKeyFrame(const QRect& spot)
{
    mKeySpot = spot;
    mKeyFrameShown = true;
    mPicWork->setKeyFrame(spot);
    emit keyFrameMoved(spot);
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
    const std::vector<QRect> spots = mvecfKeySpots();
    if (spots.empty() || mInactive)
        msHideKeyFrame();
    else if (!gblnfIsSpot(spots, mKeySpot))
        msShowKeyFrame(grectfNearestSpot(spots, mKeySpot));
}

void frmMain::msPointerPressed()
{
    // The mouse takes over: what the keyboard holds goes back first.
    if (mKeyGesture)
        msCancelGesture();
    msHideKeyFrame();
}

void frmMain::msKeyPress(const QRect& spot)
{
    const float x = static_cast<float>(spot.left() + std::min(kPressInset, spot.width() / 2));
    const float y = static_cast<float>(spot.top() + std::min(kPressInset, spot.height() / 2));
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

void frmMain::msKeyMoveHeld(const QRect& spot)
{
    msShowKeyFrame(spot);
    // The pointer move that puts the image's corner on the spot's, so the
    // play-area clamps apply as they do to the mouse.
    picWork_MouseMove(static_cast<float>(spot.left()) + mGrabX, static_cast<float>(spot.top()) + mGrabY);
}

bool frmMain::picWork_KeyDown(int aintKey, bool ablnRepeat)
{
    KeyStep step = KeyStep::First;
    bool act = false;
    switch (aintKey) {
    case Qt::Key_Left: step = KeyStep::Left; break;
    case Qt::Key_Right: step = KeyStep::Right; break;
    case Qt::Key_Up: step = KeyStep::Up; break;
    case Qt::Key_Down: step = KeyStep::Down; break;
    case Qt::Key_Tab: step = KeyStep::Next; break;
    case Qt::Key_Backtab: step = KeyStep::Previous; break;
    case Qt::Key_Home: step = KeyStep::First; break;
    case Qt::Key_End: step = KeyStep::Last; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: act = true; break;
    case Qt::Key_Escape: break;
    default: return false;
    }
    trapErrors("picWork_KeyDown", [&] {
        // Nothing dealt, a game won, or the mouse's gesture under way.
        if (mInactive || mFinished || !mGame || (mCardFrom != 0 && !mKeyGesture))
            return;
        // A held-down key acts once; only the moving keys repeat.
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
        const std::vector<QRect> spots = mvecfKeySpots();
        if (spots.empty())
            return;
        if (act && mKeyFrameShown && gblnfIsSpot(spots, mKeySpot)) {
            msKeyPress(mKeySpot);
            msKeyFrameFollowBoard();
            return;
        }
        QRect target;
        if (!mKeyFrameShown)
            target = grectfKeyStep(spots, {}, aintKey == Qt::Key_End ? KeyStep::Last : KeyStep::First);
        else if (act)
            target = grectfNearestSpot(spots, mKeySpot);  // the marked card went: show where the frame now is
        else
            target = grectfKeyStep(spots, mKeySpot, step);
        if (mKeyGesture)
            msKeyMoveHeld(target);
        else
            msShowKeyFrame(target);
    });
    return true;
}
