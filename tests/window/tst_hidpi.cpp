// The board on a scaled desktop (run with QT_SCALE_FACTOR set; the scale the
// window must end up with in QUILLET_EXPECT_SCALE): sizes stay in board
// pixels, cards are their pictures of the scale pixel for pixel, and presses
// land where they do at 1x.

#include "core/blit.h"
#include "core/displayscale.h"
#include "core/gamechoices.h"
#include "core/msgbox.h"
#include "core/platform.h"
#include "core/scaledcards.h"
#include "games/clsBCastle.h"
#include "games/gamefactory.h"
#include "window/modScreen.h"
#include "gametable.h"

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyle>
#include <cmath>

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void wholeScale_data();
    void wholeScale();
    void fittingScale_data();
    void fittingScale();
    void picturesPerScale_data();
    void picturesPerScale();
    void dealtCardIsItsScaledPicture_data();
    void dealtCardIsItsScaledPicture();
    void dragAtScale();
    void messageIconsAreDrawnAtScale();
};

namespace {
int expectedScale() { return qEnvironmentVariableIntValue("QUILLET_EXPECT_SCALE"); }

QImage deviceBlock(const QImage& image, QPoint corner, int scale)
{
    QImage block = image.copy(corner.x() * scale, corner.y() * scale, kCardWidth * scale, kCardHeight * scale)
                       .convertToFormat(QImage::Format_RGB32);
    block.setDevicePixelRatio(1);  // a grab says what it was painted at
    return block;
}
}

void TestHiDpi::wholeScale_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("screens");
    QTest::addColumn<QString>("wholeScreens");
    QTest::newRow("1.25") << "1.25" << 1 << "1.25;2.5" << "1;3";
    QTest::newRow("1.5") << "1.5" << 2 << "DP-1=1.5;HDMI-1=1" << "DP-1=2;HDMI-1=1";
    QTest::newRow("1.75") << "1.75" << 2 << "a=1.75;" << "a=2";
    QTest::newRow("3") << "3" << 3 << "3" << "3";
    QTest::newRow("zero") << "0" << 1 << "x=0" << "x=1";
    QTest::newRow("negative") << "-2" << 1 << "-2;2" << "1;2";
    QTest::newRow("nonsense") << "abc" << 1 << "a=b;;c" << "a=1;1";
    QTest::newRow("not a number") << "nan" << 1 << "inf" << "1";
    QTest::newRow("huge") << "1e9" << 8 << "1e9" << "8";
}

void TestHiDpi::wholeScale()
{
    QFETCH(QString, given);
    QFETCH(int, scale);
    QFETCH(QString, screens);
    QFETCH(QString, wholeScreens);
    bool ok = false;
    double value = given.toDouble(&ok);
    QCOMPARE(gintfWholeScale(ok ? value : std::nan("")), scale);
    QCOMPARE(QString::fromLatin1(gstrfWholeScreenFactors(screens.toLatin1())), wholeScreens);
}

void TestHiDpi::fittingScale_data()
{
    QTest::addColumn<QSize>("screen");  // available area, device pixels
    QTest::addColumn<double>("desktop");
    QTest::addColumn<int>("scale");
    QTest::newRow("2560x1600 at 200%") << QSize(2560, 1600) << 2.0 << 2;
    QTest::newRow("3840x2160 at 300%") << QSize(3840, 2160) << 3.0 << 3;
    QTest::newRow("1920x1080 at 150%") << QSize(1920, 1080) << 1.5 << 1;
    QTest::newRow("1920x1080 at 200%") << QSize(1920, 1080) << 2.0 << 1;
    QTest::newRow("1600x1200 at 200%: 800 wide") << QSize(1600, 1200) << 2.0 << 1;
    QTest::newRow("800x600 at 100%: never below 1") << QSize(800, 600) << 1.0 << 1;
    QTest::newRow("0x0") << QSize(0, 0) << 2.0 << 1;
    QTest::newRow("absurd") << QSize(1 << 28, 1 << 28) << 40.0 << 8;
}

void TestHiDpi::fittingScale()
{
    QFETCH(QSize, screen);
    QFETCH(double, desktop);
    QFETCH(int, scale);
    QCOMPARE(gintfScaleForScreen(desktop, screen), scale);
    // The largest window holds every game's board on that screen.
    const int width = std::max(1, screen.width() / scale);
    gsSetScreenSize(width, std::max(1, screen.height() / scale));
    Board board;
    QMenuBar menu;
    menu.addMenu(QStringLiteral("&Game"));
    for (int c = kFirstChoice; c <= kLastChoice; ++c) {
        const auto game = gobjfCreateGame(c, board);
        QVERIFY(QRect(QPoint(), gszfLargestWindow(width)).contains(QRect(0, 0, game->prpClientRight(), game->prpClientBottom() + menu.sizeHint().height())));
    }
    gsSetScreenSize(0, 0);
}

void TestHiDpi::picturesPerScale_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("drawnSize");  // 1 or 2: the pictures the scale is made of
    for (int scale : {1, 2, 3, 4, 6})
        QTest::addRow("%dx", scale) << scale << (scale % 2 == 0 ? 2 : 1);
}

void TestHiDpi::picturesPerScale()
{
    QFETCH(int, scale);
    QFETCH(int, drawnSize);
    const ScaledCards& set = ScaledCards::forScale(scale);
    for (int n : {1, 27, 52, kCardBack}) {
        const QImage& drawn = drawnSize == 2 ? frmCards::imgCard2x(n) : frmCards::imgCard(n);
        QCOMPARE(set.picture(n).size(), QSize(kCardWidth, kCardHeight) * scale);
        QCOMPARE(set.picture(n), gimgfScaleBlocks(drawn, scale / drawnSize));
    }
    QCOMPARE(&ScaledCards::forScale(scale), &set);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, set.picture(0));
}

void TestHiDpi::dealtCardIsItsScaledPicture_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("place");  // deal place of the card
    QTest::addColumn<QPoint>("corner");
    // Golf's first free card; Beleaguered Castle's outermost card of row 1.
    QTest::newRow("Golf") << int(choice::Golf) << 29 << QPoint(20, 124);
    QTest::newRow("Beleaguered Castle") << int(choice::BCastle) << 1 << QPoint(162, 18);
}

void TestHiDpi::dealtCardIsItsScaledPicture()
{
    QFETCH(int, choice);
    QFETCH(int, place);
    QFETCH(QPoint, corner);
    const int scale = expectedScale();
    const int card = cardOf(7, 1);
    GameTable t(choice, deckWithCards({{place, card}}));
    frmMain& w = *t.window;
    QCOMPARE(w.board().scale(), scale);
    QCOMPARE(gintfWholeScale(w.devicePixelRatioF()), scale);

    // Everything the game and the window know is in board pixels.
    const QSize boardSize(t.game()->prpClientRight(), t.game()->prpClientBottom());
    QCOMPARE(w.picWork()->size(), boardSize);
    QCOMPARE(QSize(w.board().width(), w.board().height()), boardSize);
    QCOMPARE(w.board().picWork().size(), boardSize * scale);
    QCOMPARE(w.board().windowImage().size(), boardSize * scale);

    const QImage& picture = ScaledCards::forScale(scale).picture(card);
    QCOMPARE(deviceBlock(w.board().windowImage(), corner, scale), picture);
    // What the widget paints is that image copied 1:1.
    const QImage painted = w.picWork()->grab().toImage();
    QCOMPARE(painted.size(), boardSize * scale);
    QCOMPARE(deviceBlock(painted, corner, scale), picture);
    // The felt is the background picture in whole-pixel blocks.
    const QImage felt(gstrfProgramFolder() + QStringLiteral("/Main.bmp"));
    const QPoint bare(boardSize.width() - 100, 2);
    const QImage shown = w.board().windowImage();
    for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx)
            QCOMPARE(shown.pixel(bare.x() * scale + dx, bare.y() * scale + dy) | 0xff000000u,
                     felt.pixel(bare) | 0xff000000u);
}

void TestHiDpi::dragAtScale()
{
    const int scale = expectedScale();
    const int seven = cardOf(7, 1);
    const int eight = cardOf(8, 3);  // row 8's outer card: 7 of Hearts goes on it
    GameTable t(choice::BCastle, deckWithCards({{1, seven}, {48, eight}}));
    auto* game = dynamic_cast<clsBCastle*>(t.game());
    QVERIFY(game);
    const CardPlace& target = game->gudtfCardPlace(8, 6);
    QCOMPARE(target.card, eight);

    // Pressed 20 right of and 30 below the corner, in board pixels.
    t.press(QPoint(182, 48));
    QVERIFY(t.window->isHoldingImage());
    QCOMPARE(t.window->dragPosition(), QPoint(162, 18));
    QCOMPARE(t.window->dragImageSize(), QSize(kCardWidth, kCardHeight));
    QCOMPARE(t.window->board().picSave(), ScaledCards::forScale(scale).picture(seven));

    // Dragged past the board's edge, the image stops there as at 1x.
    auto move = [&](QPoint p) {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), t.window->picWork()->mapToGlobal(QPointF(p)), Qt::NoButton,
                      Qt::LeftButton, {});
        QApplication::sendEvent(t.window->picWork(), &e);
    };
    move(QPoint(-50, 48));
    QCOMPARE(t.window->dragPosition(), QPoint(0, 18));
    const QPoint drop = QPoint(qRound(target.left), qRound(target.top)) + QPoint(20, 30);
    move(drop);
    t.release(drop);
    const CardPlace& moved = game->gudtfCardPlace(8, 7);
    QCOMPARE(moved.card, seven);
    QVERIFY(t.conserved());
    QVERIFY(t.messages.errors().isEmpty());
    QCOMPARE(deviceBlock(t.shown(), QPoint(qRound(moved.left), qRound(moved.top)), scale),
             ScaledCards::forScale(scale).picture(seven));
}

void TestHiDpi::messageIconsAreDrawnAtScale()
{
    // Every device pixel drawn, none smoothed up from a smaller picture.
    const int side = QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize) * expectedScale();
    for (MsgIcon icon : {MsgIcon::Exclamation, MsgIcon::Information, MsgIcon::Critical})
        QCOMPARE(gpixfMessageIcon(icon, expectedScale()).size(), QSize(side, side));
}

int main(int argc, char** argv)
{
    gsUseWholeScale();
    QApplication app(argc, argv);
    TestHiDpi test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
