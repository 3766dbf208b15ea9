// What a screen reader gets of the game window: the table's spots as items, the framed one focused, actions said.

#include "core/gamechoices.h"
#include "window/announcer.h"
#include "window/boardspeech.h"
#include "windowtestbase.h"

#include <QAccessible>
#include <QtTest>

namespace {
constexpr int kSevenHearts = cardOf(7, 1), kEightSpades = cardOf(8, 0), kFourClubs = cardOf(4, 3);

// A place at `at`: a column fans its cards (negative: face down), others stack them; a discard pile does not show.
TablePlace place(const char* name, std::vector<int> cards, QPoint at = {}, CardWhere where = CardWhere::Table)
{
    TablePlace p{name, where, {}, where != CardWhere::Discard ? QRect(at, QSize(55, 79)) : QRect(), false};
    const int fan = where == CardWhere::Table ? 16 : 0;
    for (size_t i = 0; i < cards.size(); ++i)
        p.cards.push_back({std::abs(cards[i]), cards[i] > 0, p.empty.translated(0, fan * int(i))});
    return p;
}

// Seven of Hearts alone at (100, 100), where the fake game answers a press.
TableDescription tableBefore()
{
    return {place("Column 2", {kEightSpades}, {20, 100}), place("Column 3", {kSevenHearts}, {100, 100}),
            place("Foundation 1", {}, {300, 10}, CardWhere::Foundation),
            place("Stock", {-1, -2, -kFourClubs}, {400, 10}, CardWhere::Stock),
            place("Discard", {}, {}, CardWhere::Discard)};
}

// The top card of place `from` moved onto place `to`, turned face up.
TableDescription moved(int from, int to)
{
    TableDescription t = tableBefore();
    TableCard card = t[from].cards.back();
    t[from].cards.pop_back();
    const int fan = t[to].where == CardWhere::Table ? 16 * int(t[to].cards.size()) : 0;
    card.face = t[to].empty.translated(0, fan);
    card.faceUp = true;
    t[to].cards.push_back(card);
    return t;
}

QAccessibleInterface* boardOf(frmMain* w) { return QAccessible::queryAccessibleInterface(w->picWork()); }
}

class TestAccessible : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { gsPretendScreenReader(true); }
    void boardItemsAreTheTable_data();
    void boardItemsAreTheTable();
    void actionsAreSaidOnce_data();
    void actionsAreSaidOnce();
    void itemsNeverTellOfGoneCards();
};

void TestAccessible::boardItemsAreTheTable_data()
{
    QTest::addColumn<int>("choice");
    for (int c = kFirstChoice; c <= kLastChoice; ++c)
        QTest::newRow(gfGameChoice(c)->name) << c;
}

void TestAccessible::boardItemsAreTheTable()
{
    QFETCH(int, choice);
    MessageRecorder messages;
    RiggedShuffle deal(deckStartingWith({}));
    std::unique_ptr<frmMain> w = std::make_unique<frmMain>();
    w->msLoadFormVariables(choice);
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->mnuGameNew_Click();
    QTest::keyClick(w->picWork(), Qt::Key_Right);
    if (w->picWork()->keyFrame().isEmpty()) {  // a table that starts empty: deal first
        w->cmdDeal_Click();
        QTest::keyClick(w->picWork(), Qt::Key_Right);
    }
    const TableDescription table = w->game()->describeTable();
    QAccessibleInterface* board = boardOf(w.get());
    const std::vector<TableSpot> spots = gvecfTableSpots(table);
    QCOMPARE(board->childCount(), int(spots.size()));
    const QRect onScreen(w->picWork()->mapToGlobal(QPoint()), w->picWork()->size());
    for (int i = 0; i < board->childCount(); ++i) {
        QAccessibleInterface* item = board->child(i);
        QVERIFY(item->text(QAccessible::Name).contains(table[spots[i].place].name));
        QCOMPARE(item->rect(), spots[i].rect.translated(onScreen.topLeft()));
        QVERIFY2(onScreen.contains(item->rect()), qPrintable(item->text(QAccessible::Name)));
    }
    // The framed spot is the focused item, and follows the frame.
    for (int step = 0; step < 3; ++step) {
        QAccessibleInterface* focused = board->focusChild();
        const QRect frame = w->picWork()->keyFrame();
        QVERIFY(focused && focused->state().focused);
        QCOMPARE(focused->rect(), frame.translated(onScreen.topLeft()));
        QTest::keyClick(w->picWork(), Qt::Key_Right);
    }
    QVERIFY(messages.errors().isEmpty());
}

void TestAccessible::actionsAreSaidOnce_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("gesture");  // mouse, keys (Space, Space), lift (Space, Escape), deal, undo, new
    QTest::addColumn<TableDescription>("after");
    QTest::addColumn<QStringList>("said");
    const QString seven = QStringLiteral("Seven of Hearts"), lifted = seven + " lifted from Column 3";
    const auto row = [](const char* name, int choice, const char* gesture, const TableDescription& after,
                        const QStringList& said) { QTest::newRow(name) << choice << QString(gesture) << after << said; };
    row("drop on a card", choice::BCastle, "mouse", moved(1, 0), {seven + " to Eight of Spades, Column 2"});
    row("drop on a foundation", choice::BCastle, "mouse", moved(1, 2), {seven + " to Foundation 1"});
    row("refused", choice::BCastle, "mouse", tableBefore(), {seven + " stays on Column 3"});
    row("keys", choice::BCastle, "keys", moved(1, 2), {lifted, seven + " to Foundation 1"});
    row("put back", choice::BCastle, "lift", tableBefore(), {lifted, seven + " put back on Column 3"});
    row("click removes", choice::Pyramid, "mouse", moved(1, 4), {"Removed: " + seven});
    row("click by key", choice::Pyramid, "keys", moved(1, 4), {"Removed: " + seven});
    row("deal", choice::Golf, "deal", moved(3, 1), {"Deal: Four of Clubs, 2 left"});
    row("undo", choice::Golf, "undo", moved(1, 3), {"Undone: " + seven + " to Stock"});
    row("new", choice::Golf, "new", tableBefore(), {"New game"});
}

void TestAccessible::actionsAreSaidOnce()
{
    QFETCH(int, choice);
    QFETCH(QString, gesture);
    QFETCH(TableDescription, after);
    QFETCH(QStringList, said);
    WindowFixture f;
    frmMain* w = f.open(choice);
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->mnuGameNew_Click();
    f.fake->table = tableBefore();
    f.fake->spots = {QPoint(100, 100)};
    f.fake->tableHook = [&] { f.fake->table = after; };
    QStringList heard;
    QObject::connect(w->speech()->announcer(), &Announcer::said, [&](const QString& s) { heard << s; });
    QWidget* board = w->picWork();
    if (gesture == "mouse") {
        QTest::mousePress(board, Qt::LeftButton, {}, QPoint(110, 110));
        QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(110, 110));
    } else if (gesture == "keys" || gesture == "lift") {
        QTest::keyClick(board, Qt::Key_End);
        QTest::keyClick(board, Qt::Key_Space);
        if (w->isKeyGesture())
            QTest::keyClick(board, gesture == "keys" ? Qt::Key_Space : Qt::Key_Escape);
    } else {
        (w->*(gesture == "deal" ? &frmMain::cmdDeal_Click
                                : gesture == "undo" ? &frmMain::cmdUndo_Click : &frmMain::mnuGameNew_Click))();
    }
    QCOMPARE(heard, said);
    // R says the last sentence again; T reads the table place by place.
    QTest::keyClick(board, Qt::Key_R);
    QCOMPARE(heard.last(), said.last());
    QTest::keyClick(board, Qt::Key_T);
    QVERIFY2(heard.last().startsWith("Column 2, "), qPrintable(heard.last()));
}

void TestAccessible::itemsNeverTellOfGoneCards()
{
    WindowFixture f;
    frmMain* w = f.open(choice::Golf);
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->mnuGameNew_Click();
    f.fake->table = tableBefore();
    w->speech()->tableChanged();
    QAccessibleInterface* board = boardOf(w);
    QCOMPARE(board->childCount(), 4);
    QCOMPARE(board->child(3)->text(QAccessible::Name), QStringLiteral("Stock, 3 cards"));
    QCOMPARE(board->child(2)->text(QAccessible::Description), QStringLiteral("Foundation 1, empty."));
    f.fake->spots = {QPoint(100, 100)};
    QTest::keyClick(w->picWork(), Qt::Key_End);
    QCOMPARE(board->focusChild()->text(QAccessible::Name), QStringLiteral("Seven of Hearts, Column 3"));
    QPointer<BoardSpeech> speech = w->speech();
    const QAccessible::Id last = QAccessible::uniqueId(board->child(3));
    // A deal empties the table: the old items answer nothing, then go.
    f.fake->tableHook = [&] { f.fake->table = {place("Column 3", {kSevenHearts, kEightSpades}, {100, 100})}; };
    w->cmdDeal_Click();
    QAccessibleInterface* gone = QAccessible::accessibleInterface(last);
    QVERIFY(!gone || (!gone->isValid() && gone->text(QAccessible::Name).isEmpty()));
    QCOMPARE(board->child(0)->text(QAccessible::Name), QStringLiteral("Seven of Hearts, Column 3"));
    QCOMPARE(board->child(0)->text(QAccessible::Description),
             QStringLiteral("Column 3, 2 cards: Eight of Spades, Seven of Hearts."));
    QTRY_VERIFY(!QAccessible::accessibleInterface(last));
    // A closed window leaves no item behind.
    const QAccessible::Id first = QAccessible::uniqueId(board->child(0));
    delete w;
    QVERIFY(!speech);
    QVERIFY(!QAccessible::accessibleInterface(first));
}

QTEST_MAIN(TestAccessible)
#include "tst_accessible.moc"
