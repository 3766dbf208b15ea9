// The chooser from the keyboard: the arrows move the same green outline the
// pointer shows, and Return or Space opens the outlined entry as a click on
// it would. The pointer and the keys share one current choice.

#include "launcher/frmMenu.h"

#include <QFrame>
#include <QKeyEvent>
#include <climits>

int frmMenu::mintfChoiceBeside(int aintChoice, int aintSide) const
{
    // The entry of the other column nearest in height; from Exit, the
    // column on the side of the key.
    const int middle = mShpChoice[kExitChoice]->geometry().center().x();
    const QPoint from = mShpChoice[aintChoice]->geometry().center();
    const bool toLeft = aintChoice == kExitChoice ? aintSide < 0 : from.x() > middle;
    int best = aintChoice;
    int bestGap = INT_MAX;
    for (int i = 1; i < kExitChoice; ++i) {
        const QPoint c = mShpChoice[i]->geometry().center();
        const int gap = std::abs(c.y() - from.y());
        if ((c.x() < middle) == toLeft && gap < bestGap) {
            best = i;
            bestGap = gap;
        }
    }
    return best;
}

void frmMenu::Picture1_KeyDown(int aintKey, bool ablnRepeat)
{
    int next = mCurrentChoice;
    switch (aintKey) {
    case Qt::Key_Down: next = mCurrentChoice % kChoiceCount + 1; break;
    case Qt::Key_Up: next = (mCurrentChoice + kChoiceCount - 2) % kChoiceCount + 1; break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        next = mCurrentChoice == 0 ? 1 : mintfChoiceBeside(mCurrentChoice, aintKey == Qt::Key_Left ? -1 : 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!ablnRepeat)
            Picture1_Click();
        return;
    default: return;
    }
    // The first arrow outlines the first entry.
    mCurrentChoice = mCurrentChoice == 0 ? 1 : next;
    for (int i = 1; i <= kChoiceCount; ++i)
        mShpChoice[i]->setVisible(i == mCurrentChoice);
}

void frmMenu::keyPressEvent(QKeyEvent* event)
{
    Picture1_KeyDown(event->key(), event->isAutoRepeat());
    QMainWindow::keyPressEvent(event);
}
