// The game window: load, New, Deal, Undo, help, about and unload, driven
// against a fake game.

#include "core/helpviewer.h"
#include "core/platform.h"
#include "launcher/frmAbout.h"
#include "windowtestbase.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestGameWindow : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void loadReadsTheGameInOrder();
    void loadSizesBoardAndPanel_data();
    void loadSizesBoardAndPanel();
    void scorpionBoardFollowsScreenWidth();
    void newCallsTheGameAndSetsButtons_data();
    void newCallsTheGameAndSetsButtons();
    void dealAndUndoCarryButtonsAndCount();
    void monteCarloDealCaption();
    void scorpionLabelNeverShowsCount();
    void missingOperationIsReported();
    void noGameObjectIsReported();
    void badBackgroundSkipsTheRestOfLoad_data();
    void badBackgroundSkipsTheRestOfLoad();
    void helpMenuSendsCommands();
    void helpViewerOpensTopics();
    void aboutBoxCaption();
    void unloadReleasesGameAndClosesHelp();
};

void TestGameWindow::cleanup()
{
    gsSetProgramFolder(QString());
    gsSetScreenSize(0, 0);
    gsSetHelpHook({});
}

void TestGameWindow::loadReadsTheGameInOrder()
{
    WindowFixture f;
    frmMain* w = f.open(2, 720, 470, QStringLiteral("Beleaguered Castle"));
    QCOMPARE(f.fake->calls,
             QStringList({"prpClientRight", "prpClientBottom", "prpTitle", "prpTitle"}));
    QCOMPARE(w->windowTitle(), QStringLiteral("Beleaguered Castle"));
    QCOMPARE(w->action("mnuHelpAbout")->text(), QStringLiteral("&About Beleaguered Castle..."));
    QVERIFY(w->isInactive());
    QVERIFY(!w->cmdDeal()->isEnabled());
    QVERIFY(!w->cmdUndo()->isEnabled());
    QVERIFY(w->lblCardsLeft()->text().isEmpty());
    QVERIFY(f.messages.calls.isEmpty());
    // Menus as designed.
    QCOMPARE(w->action("mnuGameNew")->text(), QStringLiteral("&New"));
    QCOMPARE(w->action("mnuGameExit")->text(), QStringLiteral("E&xit"));
    QCOMPARE(w->action("mnuHelpIndex")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(w->action("mnuHelpHowToPlay")->text(), QStringLiteral("&How To Play"));
    QCOMPARE(w->action("mnuHelpCommands")->text(), QStringLiteral("&Commands"));
    QCOMPARE(w->action("mnuHelpUsingHelp")->text(), QStringLiteral("&Using Help"));
    const QList<QAction*> top = w->menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->text(), QStringLiteral("&Game"));
    QCOMPARE(top[1]->text(), QStringLiteral("&Help"));
    // A press before New reaches nothing.
    f.fake->calls.clear();
    QTest::mouseClick(w->picWork(), Qt::LeftButton, {}, QPoint(120, 120));
    QVERIFY(f.fake->calls.isEmpty());
}

void TestGameWindow::loadSizesBoardAndPanel_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QPoint>("panel");
    QTest::addColumn<int>("playRight");
    QTest::addColumn<int>("playBottom");
    QTest::newRow("Beleaguered Castle") << 2 << 720 << 470 << QPoint(632, 400) << 720 << 400;
    QTest::newRow("Golf") << 6 << 470 << 320 << QPoint(382, 250) << 470 << 250;
    QTest::newRow("Decade") << 4 << 697 << 240 << QPoint(609, 170) << 697 << 170;
    QTest::newRow("Maze") << 7 << 620 << 492 << QPoint(532, 422) << 532 << 492;
    QTest::newRow("Scorpion small screen") << 10 << 800 << 600 << QPoint(712, 492) << 712 << 562;
    QTest::newRow("Scorpion wide screen") << 10 << 780 << 560 << QPoint(692, 490) << 692 << 560;
}

void TestGameWindow::loadSizesBoardAndPanel()
{
    QFETCH(int, choice);
    QFETCH(int, right);
    QFETCH(int, bottom);
    QFETCH(QPoint, panel);
    QFETCH(int, playRight);
    QFETCH(int, playBottom);
    WindowFixture f;
    frmMain* w = f.open(choice, right, bottom);
    QCOMPARE(w->picWork()->size(), QSize(right, bottom));
    QCOMPARE(w->centralWidget()->size(), QSize(right, bottom));
    QCOMPARE(w->board().picWork().size(), QSize(right, bottom));
    QCOMPARE(w->board().windowImage().size(), QSize(right, bottom));
    // The client area is the board plus the menu bar, nothing more.
    QCOMPARE(w->height(), bottom + w->menuBar()->height());
    QCOMPARE(w->width(), right);
    QCOMPARE(w->picPlay()->size(), QSize(88, 70));
    QCOMPARE(w->picPlay()->pos(), panel);
    QCOMPARE(w->playRight(), playRight);
    QCOMPARE(w->playBottom(), playBottom);
}

void TestGameWindow::scorpionBoardFollowsScreenWidth()
{
    // The board size rule lives in the game; the window places the panel
    // by the size it is given.
    for (int screen : {800, 1024}) {
        gsSetScreenSize(screen, 768);
        WindowFixture f;
        const bool small = gintfScreenWidth() <= 800;
        frmMain* w = f.open(10, small ? 800 : 780, small ? 600 : 560, QStringLiteral("Scorpion"));
        QCOMPARE(w->picPlay()->pos(), small ? QPoint(712, 492) : QPoint(692, 490));
        QCOMPARE(w->playBottom(), small ? 562 : 560);
        // Centred on the screen.
        QVERIFY(qAbs(w->frameGeometry().center().x() - screen / 2) <= 4);
    }
}

void TestGameWindow::newCallsTheGameAndSetsButtons_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("dealEnabled");
    for (int c = 1; c <= 10; ++c)
        QTest::newRow(qPrintable(QString::number(c))) << c << (c == 4 || c == 6 || c == 9 || c == 10);
}

void TestGameWindow::newCallsTheGameAndSetsButtons()
{
    QFETCH(int, choice);
    QFETCH(bool, dealEnabled);
    WindowFixture f;
    frmMain* w = f.open(choice);
    w->cmdUndo()->setEnabled(true);
    w->cmdDeal()->setText(QStringLiteral("OK"));
    w->lblCardsLeft()->setText(QStringLiteral(" Cards Left: 3"));
    f.fake->calls.clear();
    w->action("mnuGameNew")->trigger();
    QCOMPARE(f.fake->calls, QStringList({"gsInitVar", "gsInitCardPsns", "gsInitNewGame"}));
    QCOMPARE(w->cmdDeal()->isEnabled(), dealEnabled);
    QVERIFY(!w->cmdUndo()->isEnabled());
    QCOMPARE(w->cmdDeal()->text(), QStringLiteral("&Deal"));
    QVERIFY(w->lblCardsLeft()->text().isEmpty());
    QVERIFY(!w->isInactive());
    QVERIFY(!w->isFinished());
    // The game drew its card and the window shows it.
    const QImage shown = w->board().windowImage().copy(100, 100, 55, 79);
    QCOMPARE(shown, w->board().picWork().copy(100, 100, 55, 79));
}

void TestGameWindow::dealAndUndoCarryButtonsAndCount()
{
    WindowFixture f;
    frmMain* w = f.open(6);
    w->mnuGameNew_Click();
    f.fake->calls.clear();
    f.fake->dealAnswer = true;
    f.fake->undoAnswer = false;
    f.fake->leftAnswer = 16;
    QTest::mouseClick(w->cmdDeal(), Qt::LeftButton);
    QCOMPARE(f.fake->calls, QStringList({"gsDealCard(false,false,0)"}));
    QCOMPARE(w->lblCardsLeft()->text(), QStringLiteral(" Cards Left: 16"));
    QVERIFY(w->cmdDeal()->isEnabled());
    QVERIFY(!w->cmdUndo()->isEnabled());

    // Undo gets Deal's state, false and the count, and rewrites the label.
    w->cmdUndo()->setEnabled(true);
    f.fake->calls.clear();
    f.fake->leftAnswer = 9;
    QTest::mouseClick(w->cmdUndo(), Qt::LeftButton);
    QCOMPARE(f.fake->calls, QStringList({"gsUndo(true,false,16)"}));
    QCOMPARE(w->lblCardsLeft()->text(), QStringLiteral(" Cards Left: 9"));
    QVERIFY(!w->cmdUndo()->isEnabled());

    // An empty label stays empty through Undo.
    w->mnuGameNew_Click();
    w->cmdUndo_Click();
    QVERIFY(w->lblCardsLeft()->text().isEmpty());
}

void TestGameWindow::monteCarloDealCaption()
{
    WindowFixture f;
    frmMain* w = f.open(8, 540, 446, QStringLiteral("Monte Carlo"));
    w->mnuGameNew_Click();
    QVERIFY(!w->cmdDeal()->isEnabled());
    f.fake->leftAnswer = 5;
    w->cmdDeal_Click();
    QCOMPARE(w->cmdDeal()->text(), QStringLiteral("&Deal"));
    f.fake->leftAnswer = 0;
    w->cmdDeal_Click();
    QCOMPARE(w->cmdDeal()->text(), QStringLiteral("OK"));
    QCOMPARE(w->lblCardsLeft()->text(), QStringLiteral(" Cards Left: 0"));
    w->mnuGameNew_Click();
    QCOMPARE(w->cmdDeal()->text(), QStringLiteral("&Deal"));
}

void TestGameWindow::scorpionLabelNeverShowsCount()
{
    WindowFixture f;
    frmMain* w = f.open(10, 780, 560, QStringLiteral("Scorpion"));
    w->mnuGameNew_Click();
    f.fake->leftAnswer = 0;
    w->cmdDeal_Click();
    QVERIFY(w->lblCardsLeft()->text().isEmpty());
    w->cmdUndo_Click();
    QVERIFY(w->lblCardsLeft()->text().isEmpty());
}

void TestGameWindow::missingOperationIsReported()
{
    WindowFixture f;
    frmMain* w = f.open(6);
    w->mnuGameNew_Click();
    f.fake->lacksDeal = true;
    w->cmdDeal()->setEnabled(true);
    w->cmdDeal_Click();
    QCOMPARE(f.messages.calls.size(), 1);
    QCOMPARE(f.messages.calls[0].title, QStringLiteral("Error In cmdDeal_Click"));
    QCOMPARE(f.messages.calls[0].text, QStringLiteral("Error 438 - Object doesn't support this property or method"));
    QCOMPARE(f.messages.calls[0].icon, MsgIcon::Exclamation);
}

void TestGameWindow::noGameObjectIsReported()
{
    MessageRecorder messages;
    frmMain::gsSetGameFactory([](int, Board&) { return std::unique_ptr<GameRules>(); });
    auto* w = new frmMain;
    w->msLoadFormVariables(42);
    w->show();
    QCOMPARE(messages.errors().size(), 1);
    QCOMPARE(messages.errors()[0].title, QStringLiteral("Error In Form_Load"));
    QVERIFY(messages.errors()[0].text.startsWith(QLatin1String("Error 91 - ")));
    messages.clear();
    w->mnuGameNew_Click();
    w->cmdDeal_Click();
    QCOMPARE(messages.errors().size(), 2);
    QCOMPARE(messages.errors()[1].title, QStringLiteral("Error In cmdDeal_Click"));
    delete w;
    frmMain::gsSetGameFactory({});
}

void TestGameWindow::badBackgroundSkipsTheRestOfLoad_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("Error 53 - File not found");
    QTest::newRow("corrupt") << QByteArray("BM this is not a picture") << QStringLiteral("Error 481 - Invalid picture");
    // A header that claims a picture of 60000 x 60000 pixels.
    QByteArray huge(54, '\0');
    huge[0] = 'B';
    huge[1] = 'M';
    huge[10] = 54;
    huge[14] = 40;
    huge[18] = char(0x60);
    huge[19] = char(0xEA);
    huge[22] = char(0x60);
    huge[23] = char(0xEA);
    huge[26] = 1;
    huge[28] = 24;
    // Refused before any pixels are allocated, whichever check stops it.
    QTest::newRow("absurdly large") << huge << QStringLiteral("Error 481 - Invalid picture");
}

void TestGameWindow::badBackgroundSkipsTheRestOfLoad()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    if (!content.isEmpty()) {
        QFile file(dir.path() + QStringLiteral("/Main.bmp"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    gsSetProgramFolder(dir.path());
    WindowFixture f;
    frmMain* w = f.open(2, 720, 470, QStringLiteral("Beleaguered Castle"));
    QCOMPARE(f.messages.calls.size(), 1);
    QCOMPARE(f.messages.calls[0].title, QStringLiteral("Error In Form_Load"));
    QCOMPARE(f.messages.calls[0].text, expected);
    // Steps after the picture never ran.
    QCOMPARE(w->windowTitle(), QStringLiteral("Quillet"));
    QCOMPARE(w->action("mnuHelpAbout")->text(), QStringLiteral("&About..."));
    QCOMPARE(w->picPlay()->pos(), QPoint(648, 176));
    QCOMPARE(w->playRight(), 0);
    QCOMPARE(w->playBottom(), 0);
    QCOMPARE(w->picWork()->size(), QSize(800, 600));
}

void TestGameWindow::helpMenuSendsCommands()
{
    QList<HelpCall> sent;
    gsSetHelpHook([&](const HelpCall& c) { sent.append(c); });
    WindowFixture f;
    frmMain* w = f.open(5, 471, 450, QStringLiteral("Fourteens"));
    w->action("mnuHelpIndex")->trigger();
    w->action("mnuHelpHowToPlay")->trigger();
    w->action("mnuHelpCommands")->trigger();
    w->action("mnuHelpUsingHelp")->trigger();
    QCOMPARE(sent.size(), 4);
    const int expected[4][2] = {{HELP_INDEX, 0}, {HELP_CONTEXT, 10}, {HELP_CONTEXT, 20}, {HELP_HELPONHELP, 0}};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(sent[i].helpFile, QStringLiteral("14.hlp"));
        QCOMPARE(sent[i].command, expected[i][0]);
        QCOMPARE(sent[i].data, expected[i][1]);
    }
    sent.clear();
    w->close();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent[0].command, HELP_QUIT);
    QCOMPARE(sent[0].helpFile, QStringLiteral("14.hlp"));
}

void TestGameWindow::helpViewerOpensTopics()
{
    QTemporaryDir dir;
    QFile file(dir.path() + QStringLiteral("/Test.hlp"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html><head><title>Test Help</title></head><body><a name=\"index\"></a><h1>Contents</h1>"
               "<p>first</p><a name=\"context-10\"></a><h2>How to play</h2><a name=\"context-20\"></a>"
               "<h2>Commands</h2></body></html>");
    file.close();
    gsSetProgramFolder(dir.path());
    QVERIFY(WinHelpA(nullptr, QStringLiteral("Test.hlp"), HELP_INDEX, 0));
    QCOMPARE(gstrfHelpViewerFile(), QStringLiteral("Test.hlp"));
    QCOMPARE(gstrfHelpViewerAnchor(), QStringLiteral("index"));
    QVERIFY(gstrfHelpViewerText().contains(QLatin1String("Contents")));
    QVERIFY(WinHelpA(nullptr, QStringLiteral("Test.hlp"), HELP_CONTEXT, 20));
    QCOMPARE(gstrfHelpViewerAnchor(), QStringLiteral("context-20"));
    QVERIFY(WinHelpA(nullptr, QStringLiteral("Test.hlp"), HELP_QUIT, 0));
    QVERIFY(gstrfHelpViewerFile().isEmpty());
    QCoreApplication::processEvents();

    // Using Help shows the viewer's own page.
    QVERIFY(WinHelpA(nullptr, QStringLiteral("Test.hlp"), HELP_HELPONHELP, 0));
    QVERIFY(gstrfHelpViewerText().contains(QLatin1String("Using Help")));

    // A missing file gets the viewer's own message, and a path never leaves the folder.
    QVERIFY(!WinHelpA(nullptr, QStringLiteral("Nothing.hlp"), HELP_INDEX, 0));
    QVERIFY(gstrfHelpViewerText().contains(QLatin1String("Cannot open the help file \"Nothing.hlp\"")));
    QVERIFY(!WinHelpA(nullptr, QStringLiteral("../../etc/passwd"), HELP_INDEX, 0));
    QVERIFY(!gstrfHelpViewerText().contains(QLatin1String("root:")));
    WinHelpA(nullptr, QString(), HELP_QUIT, 0);
}

void TestGameWindow::aboutBoxCaption()
{
    for (auto [choice, name] : {std::pair{10, "Scorpion"}, std::pair{1, "Baker's Dozen"}}) {
        WindowFixture f;
        frmMain* w = f.open(choice, 600, 400, QString::fromUtf8(name));
        QString caption;
        QTimer::singleShot(0, [&] {
            auto* about = w->findChild<frmAbout*>();
            QVERIFY(about);
            caption = about->windowTitle();
            QCOMPARE(about->size(), QSize(249, 165));
            QCOMPARE(about->label(3)->text(), QString(QChar(0x00A9)));
            about->accept();
        });
        w->action("mnuHelpAbout")->trigger();
        QCOMPARE(caption, QString::fromUtf8(name));
        QVERIFY(!w->findChild<frmAbout*>());
    }
}

void TestGameWindow::unloadReleasesGameAndClosesHelp()
{
    WindowFixture f;
    frmMain* w = f.open(6);
    bool unloaded = false;
    QObject::connect(w, &frmMain::unloaded, [&] { unloaded = true; });
    w->action("mnuGameExit")->trigger();
    QVERIFY(unloaded);
    QVERIFY(!w->game());
    QTRY_VERIFY(!f.window);  // the window deletes itself
}

QTEST_MAIN(TestGameWindow)
#include "tst_gamewindow.moc"
