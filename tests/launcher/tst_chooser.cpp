// The game chooser: hit regions, hover outline, opening a game and coming
// back, Exit, and the order form.

#include "core/gamechoices.h"
#include "launcher/frmMenu.h"
#include "windowtestbase.h"

#include <QAccessible>
#include <QDialog>
#include <QFrame>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>

class TestChooser : public QObject {
    Q_OBJECT
private slots:
    void windowAsDesigned();
    void regionsHaveInclusiveEdges();
    void hoverShowsOneOutline();
    void clickOpensGameAndComesBack();
    void clickInGapDoesNothing();
    void keysMoveAndOpenLikeThePointer_data();
    void keysMoveAndOpenLikeThePointer();
    void exitEndsTheProgram();
    void orderFormIsModalOverChooser();
    void entriesAreAccessibleItems();
};

void TestChooser::windowAsDesigned()
{
    frmMenu menu;
    menu.show();
    QCOMPARE(menu.windowTitle(), QStringLiteral("Quillet"));
    QCOMPARE(menu.centralWidget()->size(), QSize(457, 318));
    QCOMPARE(menu.picture()->size(), QSize(464, 324));
    QCOMPARE(menu.menuBar()->actions().size(), 1);
    QCOMPARE(menu.menuBar()->actions()[0]->text(), QStringLiteral("&Order"));
    QVERIFY(!menu.menuBar()->actions()[0]->menu());
    for (int i = 1; i <= 11; ++i)
        QVERIFY(!menu.outline(i)->isVisible());
    // The outlines frame their regions in the picture.
    QCOMPARE(menu.outline(1)->geometry(), QRect(menu.pictureWidgetPoint(32, 96), QSize(155, 25)));
    QCOMPARE(menu.outline(11)->geometry(), QRect(menu.pictureWidgetPoint(192, 272), QSize(58, 25)));
}

void TestChooser::regionsHaveInclusiveEdges()
{
    frmMenu menu;
    QCOMPARE(menu.mintfChoice(187, 121), 1);
    QCOMPARE(menu.mintfChoice(32, 96), 1);
    QCOMPARE(menu.mintfChoice(188, 121), 0);
    QCOMPARE(menu.mintfChoice(187, 122), 0);
    QCOMPARE(menu.mintfChoice(31.5f, 100), 0);
    QCOMPARE(menu.mintfChoice(220, 152), 2);
    QCOMPARE(menu.mintfChoice(300, 100), 6);
    QCOMPARE(menu.mintfChoice(377, 248), 10);
    QCOMPARE(menu.mintfChoice(272, 224), 10);
    QCOMPARE(menu.mintfChoice(250, 297), 11);
    QCOMPARE(menu.mintfChoice(250, 297.5f), 0);
    QCOMPARE(menu.mintfChoice(0, 0), 0);
    // Every region answers its own number at its centre.
    const int centres[11][2] = {{109, 108}, {126, 138}, {77, 171}, {76, 204}, {88, 233}, {317, 108},
                                {316, 137}, {345, 171}, {332, 205}, {324, 236}, {221, 284}};
    for (int i = 0; i < 11; ++i)
        QCOMPARE(menu.mintfChoice(centres[i][0], centres[i][1]), i + 1);
}

void TestChooser::hoverShowsOneOutline()
{
    frmMenu menu;
    menu.show();
    QTest::mouseMove(menu.picture(), menu.pictureWidgetPoint(300, 105));
    QTRY_COMPARE(menu.currentChoice(), 6);
    for (int i = 1; i <= 11; ++i)
        QCOMPARE(menu.outline(i)->isVisible(), i == 6);
    // The gap between two names hides it again.
    menu.Picture1_MouseMove(300, 123);
    QCOMPARE(menu.currentChoice(), 0);
    for (int i = 1; i <= 11; ++i)
        QVERIFY(!menu.outline(i)->isVisible());
    menu.Picture1_MouseMove(40, 100);
    QVERIFY(menu.outline(1)->isVisible());
}

void TestChooser::clickOpensGameAndComesBack()
{
    WindowFixture f;  // fake games behind the window
    frmMain::gsSetGameFactory([&f](int choice, Board& board) {
        auto game = std::make_unique<FakeGame>(board, 470, 320, choice == 6 ? "Golf" : "Other");
        f.fake = game.get();
        return game;
    });
    frmMenu menu;
    menu.show();
    menu.Picture1_MouseMove(300, 105);
    QTest::mouseClick(menu.picture(), Qt::LeftButton, {}, menu.pictureWidgetPoint(300, 105));
    QVERIFY(!menu.isVisible());
    QCOMPARE(menu.currentChoice(), 0);
    QVERIFY(!menu.outline(6)->isVisible());
    frmMain* game = menu.gameWindow();
    QVERIFY(game);
    QVERIFY(game->isVisible());
    QCOMPARE(game->windowTitle(), QStringLiteral("Golf"));

    game->close();
    QVERIFY(menu.isVisible());
    for (int i = 1; i <= 11; ++i)
        QVERIFY(!menu.outline(i)->isVisible());
    QTRY_VERIFY(!menu.gameWindow());

    // The next game gets a fresh window.
    menu.Picture1_MouseMove(40, 130);
    menu.Picture1_Click();
    QVERIFY(menu.gameWindow());
    QCOMPARE(menu.gameWindow()->windowTitle(), QStringLiteral("Other"));
    menu.gameWindow()->close();
}

void TestChooser::clickInGapDoesNothing()
{
    frmMenu menu;
    menu.show();
    menu.Picture1_MouseMove(250, 60);
    menu.Picture1_Click();
    QVERIFY(menu.isVisible());
    QVERIFY(!menu.gameWindow());
    QCOMPARE(menu.currentChoice(), 0);
}

void TestChooser::keysMoveAndOpenLikeThePointer_data()
{
    QTest::addColumn<QPoint>("pointer");  // where the pointer rests first
    QTest::addColumn<QString>("keys");  // Down, Up, Left, Right
    QTest::addColumn<int>("outlined");
    QTest::newRow("first arrow, then number order, wrapping") << QPoint() << "UDDDDDDDDDDDD" << 2;
    QTest::newRow("up from 1 is Exit") << QPoint() << "DU" << 11;
    QTest::newRow("across at the same height") << QPoint() << "DDRDL" << 3;
    QTest::newRow("Exit to the left column") << QPoint() << "DUL" << 5;
    QTest::newRow("Exit to the right column") << QPoint() << "DUR" << 10;
    QTest::newRow("on from the hovered entry") << QPoint(300, 200) << "LU" << 3;
}

void TestChooser::keysMoveAndOpenLikeThePointer()
{
    QFETCH(QPoint, pointer);
    QFETCH(QString, keys);
    QFETCH(int, outlined);
    frmMenu menu;
    menu.show();
    menu.Picture1_MouseMove(pointer.x(), pointer.y());
    const std::array arrows{Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right};
    for (QChar k : keys)
        QTest::keyClick(&menu, arrows[QStringLiteral("DULR").indexOf(k)]);
    for (int i = 1; i <= 11; ++i)
        QCOMPARE(menu.outline(i)->isVisible(), i == outlined);
    // Return opens what a click opens, Exit ends; back in the chooser, Down starts at 1.
    QTest::keyClick(&menu, Qt::Key_Return);
    QVERIFY(!menu.isVisible());
    if (outlined == 11)
        return;
    QCOMPARE(menu.gameWindow()->windowTitle(), QString::fromUtf8(gfGameChoice(outlined)->name));
    menu.gameWindow()->close();
    QTest::keyClick(&menu, Qt::Key_Down);
    QCOMPARE(menu.currentChoice(), 1);
}

void TestChooser::exitEndsTheProgram()
{
    WindowFixture f;
    frmMain::gsSetGameFactory([](int, Board& board) { return std::make_unique<FakeGame>(board); });
    frmMenu menu;
    menu.show();
    bool ended = false;
    connect(&menu, &frmMenu::programEnded, [&] { ended = true; });
    menu.Picture1_MouseMove(221, 284);
    menu.Picture1_Click();
    QVERIFY(ended);
    QVERIFY(!menu.isVisible());
}

void TestChooser::orderFormIsModalOverChooser()
{
    frmMenu menu;
    menu.show();
    bool chooserVisible = false;
    QString title;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(form);
        title = form->windowTitle();
        modal = form->isModal();
        chooserVisible = menu.isVisible();
        form->reject();
    });
    menu.menuBar()->actions()[0]->trigger();
    QCOMPARE(title, QStringLiteral("Order Form"));
    QVERIFY(modal);
    QVERIFY(chooserVisible);
}

void TestChooser::entriesAreAccessibleItems()
{
    frmMenu menu;
    menu.show();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu.picture());
    QCOMPARE(list->childCount(), 11);
    for (const auto& [i, name] : {std::pair{0, "1. Baker's Dozen"}, {9, "10. Scorpion"}, {10, "Exit"}})
        QCOMPARE(list->child(i)->text(QAccessible::Name), QString(name));
    // The outlined entry is the focused item, whether keys or pointer outlined it.
    QVERIFY(!list->focusChild());
    menu.Picture1_KeyDown(Qt::Key_Down, false);
    QCOMPARE(list->focusChild(), list->child(0));
    menu.Picture1_MouseMove(300, 105);
    QCOMPARE(list->focusChild(), list->child(5));
    QCOMPARE(list->child(5)->rect(), QRect(menu.outline(6)->mapToGlobal(QPoint()), menu.outline(6)->size()));
}

QTEST_MAIN(TestChooser)
#include "tst_chooser.moc"
