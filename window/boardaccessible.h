#pragma once
// The board as a screen reader sees it: a list whose items are the spots of
// the game's description of its table, each named with its card and place.
// The item the keyboard's frame marks is the focused one. The items and the
// words are kept by the window's BoardSpeech; these interfaces only answer.

#include "window/boardspeech.h"

#include <QAccessibleWidget>
#include <QPointer>

class BoardView;

class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardView* board);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    BoardSpeech* speech() const;
};

// One spot of the table. It holds no words of its own: it reads them from
// the speech's current table at its index, so it can never tell of a card
// that is no longer there; an item beyond the table's spots is invalid.
class BoardItem : public QAccessibleInterface {
public:
    BoardItem(BoardSpeech* speech, int index) : mSpeech(speech), mIndex(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

    int index() const { return mIndex; }

private:
    QPointer<BoardSpeech> mSpeech;
    int mIndex;
};
