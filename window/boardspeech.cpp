#include "window/boardspeech.h"

#include "core/gamerules.h"
#include "window/accessfactory.h"
#include "window/announcer.h"
#include "window/boardaccessible.h"
#include "window/boardview.h"
#include "window/frmMain.h"

#include <QAccessible>
#include <QKeyEvent>

namespace {
// Where the keys press inside a framed card, clear of a fanned edge.
constexpr int kPressInset = 4;

bool isActKey(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

// Only these can change the table; arrows just move the frame.
bool changesTable(BoardSpeech::Action action, int key)
{
    return action != BoardSpeech::Action::Key || isActKey(key) || key == Qt::Key_Escape;
}

void notify(QAccessibleInterface* iface, QAccessible::Event type)
{
    QAccessibleEvent event(iface, type);
    QAccessible::updateAccessibility(&event);
}

QString placeWords(const SpotWords& spot) { return spot.card ? spot.place : QString(); }
}

BoardSpeech::Watch::Watch(BoardSpeech* speech, Action action, int key, QPointF at)
    : mSpeech(speech), mAction(action), mKey(key), mAt(at)
{
    if (mSpeech)
        mSpeech->begin(mAction, mKey);
}

BoardSpeech::Watch::~Watch()
{
    if (mSpeech)
        mSpeech->end(mAction, mKey, mAt);
}

BoardSpeech::BoardSpeech(frmMain& window, BoardView& board) : QObject(&window), mWindow(window), mBoard(board)
{
    gsInstallAccessibility();
    setObjectName(QStringLiteral("boardSpeech"));
    mAnnouncer = new Announcer(&window);
    mBoard.installEventFilter(this);
    connect(&window, &frmMain::keyFrameMoved, this, [this] { keyFrameMoved(); });
    // The board goes first as the window closes: its items go with it.
    connect(&board, &QObject::destroyed, this, [this] {
        mBoardGone = true;
        dropItems();
    });
}

BoardSpeech::~BoardSpeech() { dropItems(); }

void BoardSpeech::dropItems()
{
    mSpots.clear();
    for (BoardItem* item : mItems)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
    mItems.clear();
}

TableDescription BoardSpeech::describe() const
{
    return mWindow.game() ? mWindow.game()->describeTable() : TableDescription{};
}

void BoardSpeech::refresh()
{
    if (mDirty && !mBoardGone)
        adopt(describe(), false);
}

void BoardSpeech::adopt(TableDescription table, bool notifyChanges)
{
    mTable = std::move(table);
    mDirty = false;
    const std::vector<TableSpot> spots = gvecfTableSpots(mTable);
    std::vector<Spot> words;
    words.reserve(spots.size());
    for (const TableSpot& spot : spots)
        words.push_back({spot.rect, gstrfSpotName(mTable, spot), gstrfSpotDescription(mTable, spot)});
    // Items keep their identity by index; a client that has read one is
    // told when its words change.
    if (notifyChanges && gblnfScreenReaderOn()) {
        for (size_t i = 0; i < words.size() && i < mSpots.size() && i < mItems.size(); ++i) {
            if (words[i].name != mSpots[i].name)
                notify(mItems[i], QAccessible::NameChanged);
            if (words[i].description != mSpots[i].description)
                notify(mItems[i], QAccessible::DescriptionChanged);
        }
    }
    mSpots = std::move(words);
    if (mItems.size() > mSpots.size() && !mPurgePending) {
        // Items beyond the table answer as invalid until they go, which is
        // never inside a client's query.
        mPurgePending = true;
        QMetaObject::invokeMethod(this, [this] { purge(); }, Qt::QueuedConnection);
    }
}

void BoardSpeech::purge()
{
    mPurgePending = false;
    while (mItems.size() > mSpots.size()) {
        BoardItem* item = mItems.back();
        mItems.pop_back();
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
    }
}

int BoardSpeech::spotCount()
{
    refresh();
    return static_cast<int>(mSpots.size());
}

QString BoardSpeech::spotName(int index) const
{
    return index >= 0 && index < static_cast<int>(mSpots.size()) ? mSpots[index].name : QString();
}

QString BoardSpeech::spotDescription(int index) const
{
    return index >= 0 && index < static_cast<int>(mSpots.size()) ? mSpots[index].description : QString();
}

QRect BoardSpeech::spotRect(int index) const
{
    return index >= 0 && index < static_cast<int>(mSpots.size()) ? mSpots[index].rect : QRect();
}

int BoardSpeech::focusedSpot()
{
    const QRect frame = mBoard.keyFrame();
    if (frame.isEmpty())
        return -1;
    refresh();
    for (size_t i = 0; i < mSpots.size(); ++i)
        if (mSpots[i].rect == frame)
            return static_cast<int>(i);
    // A frame drawn round a whole card: the spot the keys would press.
    return spotAt(frame.topLeft() + QPoint(kPressInset, kPressInset));
}

int BoardSpeech::spotAt(QPoint boardPoint)
{
    refresh();
    for (int i = static_cast<int>(mSpots.size()) - 1; i >= 0; --i)
        if (mSpots[i].rect.contains(boardPoint))
            return i;
    return -1;
}

QAccessibleInterface* BoardSpeech::item(int index)
{
    if (index < 0 || index >= spotCount())
        return nullptr;
    while (static_cast<int>(mItems.size()) <= index) {
        auto* made = new BoardItem(this, static_cast<int>(mItems.size()));
        QAccessible::registerAccessibleInterface(made);
        mItems.push_back(made);
    }
    return mItems[index];
}

int BoardSpeech::indexOfItem(const QAccessibleInterface* wanted) const
{
    for (size_t i = 0; i < mItems.size() && i < mSpots.size(); ++i)
        if (mItems[i] == wanted)
            return static_cast<int>(i);
    return -1;
}

void BoardSpeech::sendFocus()
{
    if (!gblnfScreenReaderOn() || !mBoard.hasFocus())
        return;
    const int focused = focusedSpot();
    if (focused >= 0)
        notify(item(focused), QAccessible::Focus);
}

void BoardSpeech::keyFrameMoved()
{
    // Inside an action the table may still change: the focus follows once
    // the action is over and the words are fresh.
    if (mDepth > 0)
        mFocusPending = true;
    else
        sendFocus();
}

void BoardSpeech::begin(Action action, int key)
{
    if (mDepth++ > 0)
        return;
    mFocusPending = false;
    mWatching = changesTable(action, key) && gblnfScreenReaderOn();
    if (!mWatching)
        return;
    mBefore = describe();
    mHeldBefore = mWindow.hasSelection();
}

void BoardSpeech::end(Action action, int key, QPointF at)
{
    if (--mDepth > 0)
        return;
    const bool focusPending = std::exchange(mFocusPending, false);
    if (!mWatching) {
        if (changesTable(action, key))
            mDirty = true;
        if (focusPending)
            sendFocus();
        return;
    }
    mWatching = false;
    TableDescription after = describe();
    const QString text = mstrfWhatHappened(action, key, at, after);
    adopt(std::move(after), true);
    mBefore.clear();
    if (focusPending)
        sendFocus();
    mAnnouncer->say(text);
}

QString BoardSpeech::mstrfWhatHappened(Action action, int key, QPointF at, const TableDescription& after)
{
    switch (action) {
    case Action::New: mPicked = {}; return QStringLiteral("New game");
    case Action::Deal: return gstrfDealSaid(mBefore, after, mWindow.cardsLeft());
    case Action::Undo: {
        const QString moves = gstrfMovesSaid(mBefore, after);
        return moves.isEmpty() ? QStringLiteral("Undone") : QStringLiteral("Undone: ") + moves;
    }
    default: break;
    }
    const bool heldAfter = mWindow.hasSelection();
    // A press that picked something: remember what, for the release.
    const bool pressed = action == Action::Press || (action == Action::Key && isActKey(key) && !mHeldBefore);
    if (pressed) {
        const QPointF p = action == Action::Press ? at : mWindow.pressPosition();
        mPicked = gfSpotAt(mBefore, QPoint(static_cast<int>(p.x()), static_cast<int>(p.y())));
        if (heldAfter)  // lifted: only the keys tell, the mouse shows it
            return action == Action::Key && mPicked.isValid()
                       ? gstrfGroupName(mPicked) + QStringLiteral(" lifted from ") + mPicked.place
                       : QString();
    }
    if (action == Action::Key && !isActKey(key) && key != Qt::Key_Escape)
        return {};
    if (!pressed && !mHeldBefore)
        return {};  // a release with nothing picked
    const QString moves = gstrfMovesSaid(mBefore, after);
    if (!moves.isEmpty() || !mPicked.isValid() || !mPicked.card)
        return moves;
    const QString where = placeWords(mPicked);
    if (action == Action::Key && key == Qt::Key_Escape)
        return gstrfGroupName(mPicked) + QStringLiteral(" put back on ") + where;
    return gstrfCardName(mPicked.card) + QStringLiteral(" stays on ") + where;
}

bool BoardSpeech::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &mBoard && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
        if (plain && (key->key() == kRepeatKey || key->key() == kReadTableKey)) {
            if (!key->isAutoRepeat()) {
                if (key->key() == kRepeatKey)
                    mAnnouncer->repeat();
                else
                    mAnnouncer->say(gstrfWholeTable(describe()));
            }
            return true;
        }
    } else if (watched == &mBoard && event->type() == QEvent::FocusIn) {
        // Back on the board (window activated, dialog closed): where am I?
        QMetaObject::invokeMethod(this, [this] { sendFocus(); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
