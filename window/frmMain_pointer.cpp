// Pointer handling on the board: selection, dragging and placement.
//
// Drag games: the press picks a card (or group) up, its pixels are saved once
// into picSave, and every move lets the game redraw the whole board and lays
// the saved pixels on top at the new place; the release drops it where the
// dragged image's top-left corner lies. Click games: the press selects and
// the release acts. The move path only copies pixels: no allocation.
//
// After the first move of a drag the board is clipped to the dragged image's
// old and new rectangles while the game redraws, so a move costs about two
// image areas and only those reach the display.

#include "window/frmMain.h"

#include "core/errors.h"
#include "core/gamechoices.h"
#include "core/gamerules.h"
#include "core/modCards.h"
#include "core/platform.h"
#include "window/boardview.h"

#include <QPushButton>

namespace {
constexpr int kScorpionFanOffset = 12;

// Keeps a dragged image of `size` within 0..limit along one axis.
void gsKeepWithin(int& aintCoordinate, int aintSize, int aintLimit)
{
    if (aintCoordinate < 0)
        aintCoordinate = 0;
    else if (aintCoordinate + aintSize > aintLimit)
        aintCoordinate = aintLimit - aintSize;
}

// The board's clip lasts for one move, whatever happens inside it.
class ClipScope {
public:
    ClipScope(Board& board, const QRect& before, const QRect& after) : mBoard(board) { mBoard.setClip(before, after); }
    ~ClipScope() { mBoard.clearClip(); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    Board& mBoard;
};
}

void frmMain::msEndGesture()
{
    mCardFrom = 0;
    mCardTo = 0;
    mDragging = false;
    mKeyGesture = false;
    if (mCursorHidden) {
        mCursorHidden = false;
        gintfShowCursor(true);
    }
}

void frmMain::msFinishGesture()
{
    // As if released where the pointer last was: the drop is where the
    // dragged image stands. Only Space drops what the keyboard holds.
    if (mKeyGesture)
        msCancelGesture();
    else if (mCardFrom != 0)
        picWork_MouseUp(mPointerX, mPointerY);
}

void frmMain::picWork_MouseDown(float x, float y)
{
    try {
        // One gesture at a time: a second button pressed while a card is
        // held must not pick up (and hide the pointer for) another.
        if (mInactive || mFinished || mDragging || mCardFrom != 0)
            return;
        GameRules* game = mGame.get();
        if (!game)
            throw RuntimeError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
        mCardsInSequence = 0;
        mPointerX = mPressX = x;
        mPointerY = mPressY = y;
        mCardFrom = game->gintfGetSelectedCard(x, y, true, mCardsInSequence);
        if (mCardFrom == 0)
            return;
        if (!isDragGame())
            return;
        gintfShowCursor(false);
        mCursorHidden = true;
        game->gsGetNewPsn(mCardFrom, mDragX, mDragY);
        mGrabX = x - static_cast<float>(mDragX);
        mGrabY = y - static_cast<float>(mDragY);
        mCmdUndo->setEnabled(false);
        if (mChoice == choice::Scorpion && mCardsInSequence >= 2)
            gsGetSequenceSize(mImageWidth, mImageHeight, mCardsInSequence, kCardWidth, kCardHeight, false,
                              kScorpionFanOffset);
        else {
            mImageWidth = kCardWidth;
            mImageHeight = kCardHeight;
        }
        mBoard.sizePicSave(mImageWidth, mImageHeight);
        mBoard.savePicSave(mDragX, mDragY);
        if (mChoice == choice::BakersDozen || mChoice == choice::Bisley)
            game->gsDrawCardBorder();
    } catch (...) {
        // The pointer is never left hidden behind an error message.
        msEndGesture();
        gsReportCurrentException(QStringLiteral("picWork_MouseDown"));
    }
}

void frmMain::picWork_MouseMove(float x, float y)
{
    try {
        if (mCardFrom == 0 || !isDragGame() || !mGame)
            return;
        const bool firstMove = !mDragging;
        mDragging = true;
        mPointerX = x;
        mPointerY = y;
        const QRect before(mDragX, mDragY, mImageWidth, mImageHeight);
        mDragX = gintfRoundHalfEven(x - mGrabX);
        mDragY = gintfRoundHalfEven(y - mGrabY);
        gsKeepWithin(mDragX, mImageWidth, mPlayRight);
        gsKeepWithin(mDragY, mImageHeight, mPlayBottom);
        const QRect after(mDragX, mDragY, mImageWidth, mImageHeight);
        if (firstMove) {
            // The press may have changed more than the picked card's place
            // (outlines, a lifted group): the first move redraws everything
            // and the board finds what changed.
            mGame->gsDrawCards();
            mBoard.layPicSave(mDragX, mDragY);
            mBoard.presentBoard();
        } else {
            // Between two moves only the dragged image has moved.
            ClipScope clip(mBoard, before, after);
            mGame->gsDrawCards();
            mBoard.layPicSave(mDragX, mDragY);
            mBoard.presentBoard();
        }
    } catch (...) {
        msEndGesture();
        gsReportCurrentException(QStringLiteral("picWork_MouseMove"));
    }
}

void frmMain::picWork_MouseUp(float x, float y)
{
    try {
        if (mCardFrom == 0)
            return;
        GameRules* game = mGame.get();
        if (!game)
            throw RuntimeError(err::ObjectNotSet, QStringLiteral("Object variable or With block variable not set"));
        if (isDragGame())
            mCardTo = game->gintfGetSelectedCard(static_cast<float>(mDragX), static_cast<float>(mDragY), false,
                                                 mCardsInSequence);
        else
            mCardTo = 0;
        bool dealEnabled = mCmdDeal->isEnabled();
        bool undoEnabled = mCmdUndo->isEnabled();
        const int cardFrom = mCardFrom;
        const int cardTo = mCardTo;
        // The gesture is over whatever the game does next.
        msEndGesture();
        game->gsPlaceCard(x, y, mDragX, mDragY, cardFrom, cardTo, dealEnabled, undoEnabled, mCardsLeft);
        mCmdDeal->setEnabled(dealEnabled);
        mCmdUndo->setEnabled(undoEnabled);
        if (mGame && mGame->gblnfGameOver())
            msGameWon();
    } catch (...) {
        msEndGesture();
        gsReportCurrentException(QStringLiteral("picWork_MouseUp"));
    }
}
