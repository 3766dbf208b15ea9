// Pointer handling: selection, dragging with the saved image, the drag
// limits, placement and the win, through real mouse events on the board.

#include "core/gamechoices.h"
#include "core/platform.h"
#include "window/keynavigation.h"
#include "windowtestbase.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

namespace {
void press(QWidget* w, QPointF p)
{
    QMouseEvent e(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(w, &e);
}
void move(QWidget* w, QPointF p)
{
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(w, &e);
}
void release(QWidget* w, QPointF p)
{
    QMouseEvent e(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(w, &e);
}
}

class TestPointer : public QObject {
    Q_OBJECT
private slots:
    void dragPicksUpSavesAndPlaces();
    void dragStaysWithinPlayArea_data();
    void dragStaysWithinPlayArea();
    void dragPositionRoundsHalfToEven();
    void pressAndReleaseWithoutMoving();
    void pressOnEmptyBoardDoesNothing();
    void secondPressIsIgnored();
    void scorpionGroupImageSize();
    void foundationBordersAfterSaving();
    void clickGameSelectsAndActs();
    void winStopsTheBoard();
    void errorNeverLeavesPointerHidden();
    void closingMidDragShowsPointer();
    void menuOpenedMidDragEndsTheDrag();
    void keysMakeTheMouseCalls_data();
    void keysMakeTheMouseCalls();
    void arrowsMoveWhereTheyPoint_data();
    void arrowsMoveWhereTheyPoint();
};

void TestPointer::dragPicksUpSavesAndPlaces()
{
    WindowFixture f;
    frmMain* w = f.open(2, 720, 470, QStringLiteral("Beleaguered Castle"));
    w->mnuGameNew_Click();
    w->cmdUndo()->setEnabled(true);
    const QImage cardPixels = w->board().picWork().copy(100, 100, 55, 79);
    f.fake->calls.clear();
    f.fake->dropAnswer = 5;

    press(w->picWork(), QPointF(110, 130));
    QCOMPARE(gintfCursorDisplayCount(), -1);
    QVERIFY(!w->cmdUndo()->isEnabled());
    QCOMPARE(f.fake->calls, QStringList({"gintfGetSelectedCard(110,130,true,0)", "gsGetNewPsn(7)"}));
    QCOMPARE(w->board().picSave().size(), QSize(55, 79));
    QCOMPARE(w->board().picSave(), cardPixels);

    // The image follows the pointer at the grab offset, over the redrawn board.
    f.fake->calls.clear();
    f.fake->cardPicture = 20;  // the game redraws something else under it
    move(w->picWork(), QPointF(310, 230));
    QVERIFY(w->isDragging());
    QCOMPARE(w->dragPosition(), QPoint(300, 200));
    QCOMPARE(f.fake->calls, QStringList({"gsDrawCards"}));
    QCOMPARE(w->board().windowImage().copy(300, 200, 55, 79), cardPixels);
    QCOMPARE(w->board().picWork().copy(300, 200, 55, 79), cardPixels);

    // The drop is looked up at the image's corner, not at the pointer.
    f.fake->calls.clear();
    release(w->picWork(), QPointF(312, 233));
    QCOMPARE(f.fake->calls, QStringList({"gintfGetSelectedCard(300,200,false,1)",
                                         "gsPlaceCard(312,233,300,200,7,5,false,false,0)", "gblnfGameOver"}));
    QCOMPARE(gintfCursorDisplayCount(), 0);
    QVERIFY(!w->isDragging());
    // After the release moves go nowhere.
    f.fake->calls.clear();
    move(w->picWork(), QPointF(50, 50));
    QVERIFY(f.fake->calls.isEmpty());
}

void TestPointer::dragStaysWithinPlayArea_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QPoint>("limit");  // largest corner of a 55 x 79 image
    QTest::newRow("Beleaguered Castle") << 2 << 720 << 470 << QPoint(720 - 55, 400 - 79);
    QTest::newRow("Maze") << 7 << 620 << 492 << QPoint(532 - 55, 492 - 79);
    QTest::newRow("Scorpion 800") << 10 << 800 << 600 << QPoint(712 - 55, 562 - 79);
}

void TestPointer::dragStaysWithinPlayArea()
{
    QFETCH(int, choice);
    QFETCH(int, right);
    QFETCH(int, bottom);
    QFETCH(QPoint, limit);
    WindowFixture f;
    frmMain* w = f.open(choice, right, bottom, QStringLiteral("Game"));
    w->mnuGameNew_Click();
    press(w->picWork(), QPointF(110, 110));
    move(w->picWork(), QPointF(-200, -300));
    QCOMPARE(w->dragPosition(), QPoint(0, 0));
    move(w->picWork(), QPointF(5000, 5000));
    QCOMPARE(w->dragPosition(), limit);
    move(w->picWork(), QPointF(60, 5000));
    QCOMPARE(w->dragPosition(), QPoint(50, limit.y()));
    release(w->picWork(), QPointF(60, 5000));
    QCOMPARE(gintfCursorDisplayCount(), 0);
}

void TestPointer::dragPositionRoundsHalfToEven()
{
    WindowFixture f;
    frmMain* w = f.open(2, 720, 470);
    w->mnuGameNew_Click();
    press(w->picWork(), QPointF(110.5, 120.5));  // grab offset 10.5, 20.5
    move(w->picWork(), QPointF(121, 141));  // 110.5, 120.5
    QCOMPARE(w->dragPosition(), QPoint(110, 120));
    move(w->picWork(), QPointF(122, 142));  // 111.5, 121.5
    QCOMPARE(w->dragPosition(), QPoint(112, 122));
    release(w->picWork(), QPointF(122, 142));
}

void TestPointer::pressAndReleaseWithoutMoving()
{
    WindowFixture f;
    frmMain* w = f.open(2, 720, 470);
    w->mnuGameNew_Click();
    f.fake->calls.clear();
    press(w->picWork(), QPointF(120, 120));
    release(w->picWork(), QPointF(120, 120));
    // The drop is looked up at the card's own place.
    QCOMPARE(f.fake->calls.at(2), QStringLiteral("gintfGetSelectedCard(100,100,false,1)"));
    QVERIFY(f.fake->calls.at(3).startsWith(QLatin1String("gsPlaceCard(120,120,100,100,7,0,")));
    QCOMPARE(gintfCursorDisplayCount(), 0);
}

void TestPointer::pressOnEmptyBoardDoesNothing()
{
    WindowFixture f;
    frmMain* w = f.open(2, 720, 470);
    w->mnuGameNew_Click();
    w->cmdUndo()->setEnabled(true);
    f.fake->calls.clear();
    press(w->picWork(), QPointF(400, 300));
    QCOMPARE(gintfCursorDisplayCount(), 0);
    QVERIFY(w->cmdUndo()->isEnabled());
    move(w->picWork(), QPointF(420, 320));
    release(w->picWork(), QPointF(420, 320));
    QCOMPARE(f.fake->calls, QStringList({"gintfGetSelectedCard(400,300,true,0)"}));
}

void TestPointer::secondPressIsIgnored()
{
    WindowFixture f;
    frmMain* w = f.open(2, 720, 470);
    w->mnuGameNew_Click();
    press(w->picWork(), QPointF(120, 120));
    // Another button before any move: still one gesture, one hidden pointer.
    press(w->picWork(), QPointF(120, 120));
    QCOMPARE(gintfCursorDisplayCount(), -1);
    move(w->picWork(), QPointF(200, 200));
    f.fake->calls.clear();
    press(w->picWork(), QPointF(120, 120));
    QVERIFY(f.fake->calls.isEmpty());
    release(w->picWork(), QPointF(200, 200));
    QCOMPARE(gintfCursorDisplayCount(), 0);
    QCOMPARE(f.fake->calls.filter(QStringLiteral("gsPlaceCard")).size(), 1);
}

void TestPointer::scorpionGroupImageSize()
{
    WindowFixture f;
    frmMain* w = f.open(10, 780, 560, QStringLiteral("Scorpion"));
    w->mnuGameNew_Click();
    f.fake->groupSize = 4;
    press(w->picWork(), QPointF(120, 120));
    QCOMPARE(w->board().picSave().size(), QSize(91, 79));
    QCOMPARE(w->board().picSave(), w->board().picWork().copy(100, 100, 91, 79));
    move(w->picWork(), QPointF(5000, 5000));
    QCOMPARE(w->dragPosition(), QPoint(692 - 91, 560 - 79));
    release(w->picWork(), QPointF(0, 0));
    // Other drag games always drag one card's image.
    WindowFixture g;
    frmMain* other = g.open(2, 720, 470);
    other->mnuGameNew_Click();
    g.fake->groupSize = 4;
    press(other->picWork(), QPointF(120, 120));
    QCOMPARE(other->board().picSave().size(), QSize(55, 79));
    release(other->picWork(), QPointF(120, 120));
}

void TestPointer::foundationBordersAfterSaving()
{
    for (int choice : {1, 3, 2, 7}) {
        WindowFixture f;
        frmMain* w = f.open(choice, 744, 490);
        w->mnuGameNew_Click();
        f.fake->calls.clear();
        press(w->picWork(), QPointF(120, 120));
        QCOMPARE(f.fake->calls.contains(QStringLiteral("gsDrawCardBorder")), choice == 1 || choice == 3);
        release(w->picWork(), QPointF(120, 120));
    }
}

void TestPointer::clickGameSelectsAndActs()
{
    WindowFixture f;
    frmMain* w = f.open(6);
    w->mnuGameNew_Click();
    w->cmdUndo()->setEnabled(false);
    f.fake->placeHook = [](bool& deal, bool& undo, int& left) {
        deal = false;
        undo = true;
        left = 12;
    };
    f.fake->calls.clear();
    QTest::mousePress(w->picWork(), Qt::RightButton, {}, QPoint(120, 120));
    QCOMPARE(gintfCursorDisplayCount(), 0);
    move(w->picWork(), QPointF(300, 200));
    QTest::mouseRelease(w->picWork(), Qt::RightButton, {}, QPoint(300, 200));
    QCOMPARE(f.fake->calls, QStringList({"gintfGetSelectedCard(120,120,true,0)",
                                         "gsPlaceCard(300,200,0,0,7,0,true,false,0)", "gblnfGameOver"}));
    QVERIFY(!w->cmdDeal()->isEnabled());
    QVERIFY(w->cmdUndo()->isEnabled());
    QCOMPARE(w->cardsLeft(), 12);
    QVERIFY(w->lblCardsLeft()->text().isEmpty());  // shown at the next Deal or Undo
}

void TestPointer::winStopsTheBoard()
{
    WindowFixture f;
    frmMain* w = f.open(6, 470, 320, QStringLiteral("Golf"));
    w->mnuGameNew_Click();
    f.fake->won = true;
    f.fake->placeHook = [](bool& deal, bool& undo, int&) { deal = undo = true; };
    QTest::mouseClick(w->picWork(), Qt::LeftButton, {}, QPoint(120, 120));
    QCOMPARE(f.messages.calls.size(), 1);
    QCOMPARE(f.messages.calls[0].text, QStringLiteral("You Win!"));
    QCOMPARE(f.messages.calls[0].title, QStringLiteral("Golf"));
    QCOMPARE(f.messages.calls[0].icon, MsgIcon::None);
    QVERIFY(w->isFinished());
    QVERIFY(!w->cmdDeal()->isEnabled());
    QVERIFY(!w->cmdUndo()->isEnabled());
    f.fake->calls.clear();
    QTest::mouseClick(w->picWork(), Qt::LeftButton, {}, QPoint(120, 120));
    QVERIFY(f.fake->calls.isEmpty());
    w->mnuGameNew_Click();
    QVERIFY(!w->isFinished());
    f.fake->calls.clear();
    f.fake->won = false;
    QTest::mouseClick(w->picWork(), Qt::LeftButton, {}, QPoint(120, 120));
    QVERIFY(!f.fake->calls.isEmpty());
}

void TestPointer::errorNeverLeavesPointerHidden()
{
    WindowFixture f;
    frmMain* w = f.open(2, 720, 470);
    w->mnuGameNew_Click();
    f.fake->placeThrows = true;
    press(w->picWork(), QPointF(120, 120));
    move(w->picWork(), QPointF(200, 200));
    release(w->picWork(), QPointF(200, 200));
    QCOMPARE(gintfCursorDisplayCount(), 0);
    QCOMPARE(f.messages.errors().size(), 1);
    QCOMPARE(f.messages.errors()[0].title, QStringLiteral("Error In picWork_MouseUp"));
    // The next gesture works normally.
    f.fake->placeThrows = false;
    press(w->picWork(), QPointF(120, 120));
    QCOMPARE(gintfCursorDisplayCount(), -1);
    release(w->picWork(), QPointF(120, 120));
    QCOMPARE(gintfCursorDisplayCount(), 0);
}

void TestPointer::closingMidDragShowsPointer()
{
    WindowFixture f;
    frmMain* w = f.open(2, 720, 470);
    w->mnuGameNew_Click();
    press(w->picWork(), QPointF(120, 120));
    move(w->picWork(), QPointF(200, 200));
    QCOMPARE(gintfCursorDisplayCount(), -1);
    w->close();
    QCOMPARE(gintfCursorDisplayCount(), 0);
}

void TestPointer::menuOpenedMidDragEndsTheDrag()
{
    WindowFixture f;
    frmMain* w = f.open(2, 720, 470);
    w->mnuGameNew_Click();
    f.fake->dropAnswer = 3;
    press(w->picWork(), QPointF(120, 120));
    move(w->picWork(), QPointF(220, 230));
    f.fake->calls.clear();
    // Alt+G while the button is held: the menu takes the pointer.
    auto* menu = w->findChild<QMenu*>(QStringLiteral("mnuGame"));
    menu->popup(w->mapToGlobal(QPoint(0, 0)));
    QCOMPARE(f.fake->calls, QStringList({"gintfGetSelectedCard(200,210,false,1)",
                                         "gsPlaceCard(220,230,200,210,7,3,false,false,0)", "gblnfGameOver"}));
    QCOMPARE(gintfCursorDisplayCount(), 0);
    menu->close();
    // The board takes the next gesture.
    f.fake->calls.clear();
    press(w->picWork(), QPointF(120, 120));
    QCOMPARE(f.fake->calls.size(), 2);
    release(w->picWork(), QPointF(120, 120));
    QCOMPARE(gintfCursorDisplayCount(), 0);
}

void TestPointer::keysMakeTheMouseCalls_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("dropAnswer");
    // > Right, < Left, H Home, E End, space, e Escape; p and r the mouse
    // pressed on the card and released at the second spot.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QList<QPoint>>("mouse");  // press, moves, release; (-1,-1) starts the next gesture
    // The spots lie at (100, 100) (the card), (300, 200) and (700, 440); keys press 4 pixels inside one.
    const QPoint card(104, 104), other(304, 204), edge(704, 444);
    QTest::newRow("click game: a click") << 6 << 0 << ">H " << QList<QPoint>{card, card};
    QTest::newRow("click game: nothing there") << 6 << 0 << ">> " << QList<QPoint>{other, other};
    QTest::newRow("drag game: a drop") << 2 << 5 << "> > " << QList<QPoint>{card, other, other};
    QTest::newRow("drag game: refused, wrapping") << 2 << 0 << "> < " << QList<QPoint>{card, edge, edge};
    QTest::newRow("drag game: held at the panel") << 2 << 5 << "> >> " << QList<QPoint>{card, other, edge, edge};
    QTest::newRow("drag game: Escape") << 2 << 5 << "> Ee" << QList<QPoint>{card, edge, card, card};
    // The mouse takes over what the keys hold: it goes back, and keys wait for the release.
    QTest::newRow("drag game: mouse after keys") << 2 << 5 << "> p> r"
                                                << QList<QPoint>{card, card, {-1, -1}, card, other};
}

void TestPointer::keysMakeTheMouseCalls()
{
    QFETCH(int, choice);
    QFETCH(int, dropAnswer);
    QFETCH(QString, keys);
    QFETCH(QList<QPoint>, mouse);
    const std::array codes{Qt::Key_Right, Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Space, Qt::Key_Escape};
    QStringList calls[2];  // by the keys, by the mouse
    for (int by = 0; by < 2; ++by) {
        WindowFixture f;
        frmMain* w = f.open(choice, 720, 470);
        w->mnuGameNew_Click();
        f.fake->spots = {{100, 100}, {300, 200}, {700, 440}};
        f.fake->dropAnswer = dropAnswer;
        f.fake->calls.clear();
        if (by == 0)
            for (QChar k : keys)
                if (k == 'p' || k == 'r')
                    (k == 'p' ? press : release)(w->picWork(), k == 'p' ? QPointF(104, 104) : QPointF(304, 204));
                else
                    QTest::keyClick(w->picWork(), codes[QStringLiteral("><HE e").indexOf(k)]);
        else
            for (int i = 0, start = 0; i < mouse.size(); ++i) {
                const bool last = i + 1 == mouse.size() || mouse[i + 1] == QPoint(-1, -1);
                if (mouse[i] == QPoint(-1, -1))
                    start = i + 1;
                else
                    (i == start ? press : last ? release : move)(w->picWork(), mouse[i]);
            }
        calls[by] = f.fake->calls;
        QCOMPARE(gintfCursorDisplayCount(), 0);
    }
    QCOMPARE(calls[0], calls[1]);
}

void TestPointer::arrowsMoveWhereTheyPoint_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("keys");   // < > ^ v the arrows, T Tab, B Shift+Tab, H Home, E End, D Deal
    QTest::addColumn<QString>("place");  // the framed spot's place and card, 1 the bottom one, 0 empty
    using namespace choice;
    QTest::newRow("Golf: down a column") << Golf << "H>>vvvv" << "Column 3 #5";
    QTest::newRow("Golf: the waste") << Golf << "DH>>vvvvv" << "Waste pile #1";
    QTest::newRow("Pyramid: apex to the base") << Pyramid << "Hvvvvvv>" << "Pyramid row 7 #2";
    QTest::newRow("Decade: along the row") << Decade << "DDDH>>" << "Row #3";
    QTest::newRow("Decade: round the row") << Decade << "DDDH<" << "Row #3";
    QTest::newRow("Fourteens: across and down") << Fourteens << "H>>>>>>>vvvvv" << "Column 8 #6";
    QTest::newRow("Monte Carlo: round") << MonteCarlo << "H<^" << "Row 5 #5";
    QTest::newRow("Monte Carlo: across and down") << MonteCarlo << "H>>vvTB" << "Row 3 #3";
    QTest::newRow("Scorpion: first row to the seventh") << Scorpion << "Hvvvvvv" << "Row 7 #1";
    QTest::newRow("Scorpion: along a row") << Scorpion << "Hv>>>>>>" << "Row 2 #7";
    QTest::newRow("Beleaguered Castle: across and down") << BCastle << "H>>>v" << "Row 2 #3";
    QTest::newRow("Baker's Dozen: foundation, down, across") << BakersDozen << "Hvvv>" << "Column 6 #3";
    QTest::newRow("Bisley: round") << Bisley << "H<^" << "Column 4 #3";
    QTest::newRow("Maze: down, round to the top row") << Maze << "Hvvvvvv>" << "Row 1, place 2 #1";
}

void TestPointer::arrowsMoveWhereTheyPoint()
{
    QFETCH(int, choice);
    QFETCH(QString, keys);
    QFETCH(QString, place);
    std::array<int, 53> deck{};
    for (int p = 1; p <= 52; ++p)
        deck[p] = p * 7 % 52 + 1;
    RiggedShuffle rig(deck);
    MessageRecorder messages;
    QPointer<frmMain> w = new frmMain;
    w->msLoadFormVariables(choice);
    w->show();
    w->mnuGameNew_Click();
    const std::array codes{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Backtab,
                           Qt::Key_Home, Qt::Key_End};
    for (QChar k : keys)
        if (k == 'D')
            w->cmdDeal_Click();
        else
            QTest::keyClick(w->picWork(), codes[QStringLiteral("<>^vTBHE").indexOf(k)]);
    const TableDescription table = w->game()->describeTable();
    std::vector<QRect> spots;
    QString framed;
    for (const TableSpot& spot : gvecfTableSpots(table)) {
        spots.push_back(spot.rect);
        if (spot.rect == w->picWork()->keyFrame())
            framed = QStringLiteral("%1 #%2").arg(table[spot.place].name).arg(spot.card + 1);
    }
    delete w.data();
    QCOMPARE(framed, place);
    // From every spot the arrows alone reach every other.
    gsSortSpots(spots);
    for (const QRect& start : spots) {
        std::vector<QRect> reached{start};
        for (size_t i = 0; i < reached.size(); ++i)
            for (KeyStep step : {KeyStep::Left, KeyStep::Right, KeyStep::Up, KeyStep::Down}) {
                const QRect next = grectfKeyStep(spots, reached[i], step);
                if (std::find(reached.begin(), reached.end(), next) == reached.end())
                    reached.push_back(next);
            }
        QVERIFY2(reached.size() == spots.size(), qPrintable(QStringLiteral("%1 of %2 spots reached from (%3,%4)")
                                                                  .arg(reached.size()).arg(spots.size())
                                                                  .arg(start.x()).arg(start.y())));
    }
}

QTEST_MAIN(TestPointer)
#include "tst_pointer.moc"
