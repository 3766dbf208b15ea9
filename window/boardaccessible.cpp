#include "window/boardaccessible.h"

#include "window/boardspeech.h"
#include "window/boardview.h"

#include <QWidget>

BoardAccessible::BoardAccessible(BoardView* board) : QAccessibleWidget(board, QAccessible::List) {}

BoardSpeech* BoardAccessible::speech() const { return widget()->window()->findChild<BoardSpeech*>(); }

QString BoardAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return QStringLiteral("Table");
    return QAccessibleWidget::text(t);
}

int BoardAccessible::childCount() const
{
    BoardSpeech* s = speech();
    return s ? s->spotCount() : 0;
}

QAccessibleInterface* BoardAccessible::child(int index) const
{
    BoardSpeech* s = speech();
    return s ? s->item(index) : nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    BoardSpeech* s = speech();
    return s ? s->indexOfItem(child) : -1;
}

QAccessibleInterface* BoardAccessible::focusChild() const
{
    BoardSpeech* s = speech();
    if (!s || !widget()->hasFocus())
        return nullptr;
    const int focused = s->focusedSpot();
    return focused >= 0 ? s->item(focused) : nullptr;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const
{
    BoardSpeech* s = speech();
    if (!s)
        return nullptr;
    const int found = s->spotAt(widget()->mapFromGlobal(QPoint(x, y)));
    return found >= 0 ? s->item(found) : nullptr;
}

bool BoardItem::isValid() const { return mSpeech && mIndex < mSpeech->spotCount(); }

QWindow* BoardItem::window() const { return mSpeech ? mSpeech->board()->window()->windowHandle() : nullptr; }

QAccessibleInterface* BoardItem::parent() const
{
    return mSpeech ? QAccessible::queryAccessibleInterface(mSpeech->board()) : nullptr;
}

QString BoardItem::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    switch (t) {
    case QAccessible::Name: return mSpeech->spotName(mIndex);
    case QAccessible::Description: return mSpeech->spotDescription(mIndex);
    default: return {};
    }
}

QRect BoardItem::rect() const
{
    if (!isValid())
        return {};
    const QRect r = mSpeech->spotRect(mIndex);
    return QRect(mSpeech->board()->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State BoardItem::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.focusable = true;
    s.selectable = true;
    s.focused = mSpeech->board()->hasFocus() && mSpeech->focusedSpot() == mIndex;
    s.selected = s.focused;
    return s;
}
