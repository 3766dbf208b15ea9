// A gesture whose release can no longer come: the window was hidden,
// minimised, moved off the current workspace or deactivated, or the board
// lost its pointer grab or its keyboard focus. The gesture ends as a release
// where the press was, so the held cards go back, the pointer shows again
// and the next press starts afresh.

#include "window/frmMain.h"

#include <QEvent>
#include <QWindow>

void frmMain::msCancelGesture()
{
    if (mCardFrom == 0)
        return;
    const bool byKeys = mKeyGesture;
    // The image goes back over its own place, so the drop finds the place
    // the card came from.
    if (isDragGame() && mDragging)
        picWork_MouseMove(mPressX, mPressY);
    picWork_MouseUp(mPressX, mPressY);
    if (byKeys && mKeyFrameShown)
        msShowKeyFrame(mKeyFrom);
}

void frmMain::hideEvent(QHideEvent* event)
{
    msCancelGesture();
    QMainWindow::hideEvent(event);
}

void frmMain::changeEvent(QEvent* event)
{
    if ((event->type() == QEvent::ActivationChange && !isActiveWindow()) ||
        (event->type() == QEvent::WindowStateChange && isMinimized()))
        msCancelGesture();
    QMainWindow::changeEvent(event);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // An X window unmapped from outside (another workspace, a minimise by
    // the window manager) is only told that it is no longer exposed.
    if (event->type() == QEvent::Expose && watched == windowHandle() && !windowHandle()->isExposed())
        msCancelGesture();
    return QMainWindow::eventFilter(watched, event);
}
