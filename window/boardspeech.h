#pragma once
// What a screen reader hears of the game window's board: the table's spots
// as accessible items, the spot under the keyboard's frame as the focused
// one, and once after every action what it did ("Seven of Hearts to Eight of
// Spades, Column 2"). Everything is derived from the game's description of
// its table, before and after the action; no rule is decided here.
//
// With no screen reader listening nothing is described: an action only
// marks the table as changed, and the drag path never gets here at all.
//
// Two keys on the board: R says the last sentence again, T reads the whole
// table place by place.

#include "core/tabledescription.h"
#include "window/tablewords.h"

#include <QObject>
#include <QPointF>
#include <QRect>
#include <QString>
#include <vector>

class Announcer;
class BoardItem;
class BoardView;
class QAccessibleInterface;
class frmMain;

class BoardSpeech : public QObject {
    Q_OBJECT
public:
    static constexpr int kRepeatKey = Qt::Key_R;
    static constexpr int kReadTableKey = Qt::Key_T;

    enum class Action { Press, Release, Key, Deal, Undo, New };

    BoardSpeech(frmMain& window, BoardView& board);
    ~BoardSpeech() override;

    // Brackets one action of the player's: the table before it and after it
    // tell what it did. Nested actions count as the outermost one.
    class Watch {
    public:
        Watch(BoardSpeech* speech, Action action, int key = 0, QPointF at = {});
        ~Watch();
        Watch(const Watch&) = delete;
        Watch& operator=(const Watch&) = delete;

    private:
        BoardSpeech* mSpeech;
        Action mAction;
        int mKey;
        QPointF mAt;
    };

    // The board was drawn on: the words are stale until asked for again.
    void tableChanged() { mDirty = true; }

    // The table's spots, as the accessible items read them.
    int spotCount();
    QString spotName(int index) const;
    QString spotDescription(int index) const;
    QRect spotRect(int index) const;  // board pixels
    int focusedSpot();                // the spot the frame marks, or -1
    int spotAt(QPoint boardPoint);    // the topmost spot there, or -1
    QAccessibleInterface* item(int index);
    int indexOfItem(const QAccessibleInterface* item) const;

    BoardView* board() const { return &mBoard; }
    Announcer* announcer() const { return mAnnouncer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Spot {
        QRect rect;
        QString name;
        QString description;
    };

    void begin(Action action, int key);
    void end(Action action, int key, QPointF at);
    QString mstrfWhatHappened(Action action, int key, QPointF at, const TableDescription& after);
    TableDescription describe() const;
    void refresh();
    void adopt(TableDescription table, bool notify);
    void purge();
    void dropItems();
    void sendFocus();
    void keyFrameMoved();

    frmMain& mWindow;
    BoardView& mBoard;
    Announcer* mAnnouncer;
    TableDescription mTable;
    std::vector<Spot> mSpots;
    std::vector<BoardItem*> mItems;  // registered once each, by index
    bool mDirty = true;
    bool mPurgePending = false;
    bool mBoardGone = false;

    // The action under way.
    int mDepth = 0;
    bool mWatching = false;
    bool mFocusPending = false;
    bool mHeldBefore = false;
    TableDescription mBefore;
    // The card the current gesture picked, and its place.
    SpotWords mPicked;
};
