// Damage tracking: a drag move repaints only the dragged image's old and new
// rectangles, other changes only what changed, exposes everything; and what
// the window shows always equals a full redraw of the game's state.

#include "boardcheck.h"
#include "core/gamechoices.h"
#include "core/gamerules.h"
#include "games/gamefactory.h"
#include "windowtestbase.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QWindow>
#include <QtTest>
#include <algorithm>
#include <chrono>

namespace {
void send(QWidget* w, QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent e(type, p, w->mapToGlobal(p), button, held, {});
    QApplication::sendEvent(w, &e);
}
void press(QWidget* w, QPointF p) { send(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
void move(QWidget* w, QPointF p) { send(w, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
void release(QWidget* w, QPointF p) { send(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }

// Records what the board asks the display to repaint and what the widget
// then paints.
class DamageRecorder : public QObject {
public:
    explicit DamageRecorder(frmMain* w) : mBoard(w->picWork())
    {
        Board::DamageHandler original = w->board().damageHandler();
        w->board().setDamageHandler([this, original](const QRect& r) {
            requested += r;
            original(r);
        });
        mBoard->installEventFilter(this);
    }
    void clear()
    {
        requested = QRegion();
        painted = QRegion();
    }
    // Lets pending repaints happen.
    void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }

    QRegion requested;
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Compared with the board kept from the start: while the window is
        // being destroyed it is no longer a frmMain to ask.
        if (watched == mBoard && event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QWidget* mBoard;
};

// What the display holds for the board, read back from the backing store.
QImage shownOnDisplay(frmMain* w)
{
    const QPoint at = w->picWork()->mapTo(w, QPoint(0, 0));
    return w->screen()
        ->grabWindow(w->winId(), at.x(), at.y(), w->picWork()->width(), w->picWork()->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QString displayDiffers(frmMain* w)
{
    // The panel lies over the board; everything else must match.
    QImage shown = shownOnDisplay(w).copy(w->board().windowImage().rect());
    QImage image = w->board().windowImage().copy();
    const QRect panel = w->picPlay()->geometry().intersected(image.rect());
    for (QImage* i : {&shown, &image})
        for (int y = panel.top(); y <= panel.bottom(); ++y)
            for (int x = panel.left(); x <= panel.right(); ++x)
                i->setPixel(x, y, 0);
    if (shown != image)
        return QStringLiteral("the display differs from the window image");
    return {};
}
}

class TestDamage : public QObject {
    Q_OBJECT
private slots:
    void dragMoveDamagesOldAndNewImage_data();
    void dragMoveDamagesOldAndNewImage();
    void exposeRepaintsEverything();
    void staleCheckFindsStalePixels();
    void realGamesNeverShowStalePixels_data();
    void realGamesNeverShowStalePixels();
};

void TestDamage::dragMoveDamagesOldAndNewImage_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("group");
    QTest::addColumn<QPoint>("step");
    QTest::addColumn<int>("rectangles");
    QTest::newRow("card, small step") << int(choice::BCastle) << 1 << QPoint(3, 2) << 1;
    QTest::newRow("card, long jump") << int(choice::BCastle) << 1 << QPoint(200, 120) << 2;
    QTest::newRow("Scorpion group of 4") << int(choice::Scorpion) << 4 << QPoint(-5, 7) << 1;
    QTest::newRow("no step") << int(choice::BCastle) << 1 << QPoint(0, 0) << 1;
}

void TestDamage::dragMoveDamagesOldAndNewImage()
{
    QFETCH(int, choice);
    QFETCH(int, group);
    QFETCH(QPoint, step);
    QFETCH(int, rectangles);
    WindowFixture f;
    frmMain* w = f.open(choice, 720, 470, QStringLiteral("Beleaguered Castle"));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->mnuGameNew_Click();
    f.fake->groupSize = group;
    DamageRecorder damage(w);
    damage.flush();

    press(w->picWork(), QPointF(110, 130));
    move(w->picWork(), QPointF(150, 150));  // the first move redraws everything
    damage.flush();
    QCOMPARE(staleBoardPixels(*w), QString());
    damage.clear();

    const QSize size = w->dragImageSize();
    const QRect before(w->dragPosition(), size);
    const long long copiedBefore = w->board().pixelsCopied();
    move(w->picWork(), QPointF(150, 150) + step);
    const QRect after(w->dragPosition(), size);
    QCOMPARE(after.topLeft() - before.topLeft(), step);
    // One rectangle round both when that is no larger than the two.
    const QRegion expected = rectangles == 1 ? QRegion(before.united(after)) : QRegion(before).united(after);
    QCOMPARE(damage.requested, expected);
    QCOMPARE(damage.requested.rectCount(), rectangles);
    // Clear, the card under it, the saved image, the copy to the window:
    // a few image areas, never the board.
    const long long copied = w->board().pixelsCopied() - copiedBefore;
    const long long imageArea = static_cast<long long>(size.width()) * size.height();
    QVERIFY2(copied <= 8 * imageArea, qPrintable(QString::number(copied)));
    damage.flush();
    QCOMPARE(damage.painted, expected);
    QCOMPARE(staleBoardPixels(*w), QString());
    QCOMPARE(displayDiffers(w), QString());

    // The drop repaints what changed, not the board.
    damage.clear();
    release(w->picWork(), QPointF(150, 150) + step);
    damage.flush();
    QVERIFY(damage.painted.boundingRect() != w->picWork()->rect());
    QCOMPARE(staleBoardPixels(*w), QString());
    QCOMPARE(displayDiffers(w), QString());
}

void TestDamage::exposeRepaintsEverything()
{
    WindowFixture f;
    frmMain* w = f.open(choice::BCastle, 720, 470, QStringLiteral("Beleaguered Castle"));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->mnuGameNew_Click();
    DamageRecorder damage(w);
    damage.flush();
    QTest::qWait(20);
    damage.clear();
    w->hide();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTRY_VERIFY(damage.painted.contains(w->picWork()->rect()));
    QCOMPARE(damage.painted.boundingRect(), w->picWork()->rect());
    QCOMPARE(displayDiffers(w), QString());
    // The board is painted from an image the backing store takes as it is.
    const QImage::Format format = w->picWork()->backingStoreFormat();
    QVERIFY2(format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied,
             qPrintable(QString::number(format)));
}

void TestDamage::staleCheckFindsStalePixels()
{
    WindowFixture f;
    frmMain* w = f.open(choice::BCastle, 720, 470, QStringLiteral("Beleaguered Castle"));
    QCOMPARE(staleBoardPixels(*w), QString());  // the empty board before New
    w->mnuGameNew_Click();
    QCOMPARE(staleBoardPixels(*w), QString());
    const QImage before = w->board().windowImage().copy();

    // The game's state moves on without a redraw: its old card is stale.
    f.fake->cardX = 300;
    const QString problem = staleBoardPixels(*w);
    QVERIFY(problem.contains(QLatin1String("row 100 from x = 100")));
    // The check itself changes nothing.
    QCOMPARE(w->board().windowImage(), before);
    QVERIFY(!w->board().isClipped());
    f.fake->gsDrawCards();
    QCOMPARE(staleBoardPixels(*w), QString());

    // Mid-drag the held image counts as shown where it is dragged.
    press(w->picWork(), QPointF(310, 130));
    move(w->picWork(), QPointF(350, 180));
    move(w->picWork(), QPointF(352, 181));
    QCOMPARE(staleBoardPixels(*w), QString());
    release(w->picWork(), QPointF(352, 181));
}

void TestDamage::realGamesNeverShowStalePixels_data()
{
    QTest::addColumn<int>("choice");
    for (int c = kFirstChoice; c <= kLastChoice; ++c) {
        Board probe;
        if (gobjfCreateGame(c, probe))
            QTest::newRow(gfGameChoice(c)->name) << c;
    }
}

void TestDamage::realGamesNeverShowStalePixels()
{
    QFETCH(int, choice);
    MessageRecorder messages;
    QPointer<frmMain> w = new frmMain;
    w->msLoadFormVariables(choice);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->mnuGameNew_Click();
    DamageRecorder damage(w);
    QRandomGenerator rng(4242u + static_cast<quint32>(choice));
    QWidget* board = w->picWork();
    std::vector<double> checkUs;
    for (int step = 0; step < 300; ++step) {
        const std::vector<QPoint> spots = w->game()->hotSpots();
        const auto pick = [&] {
            return spots.empty() ? QPointF(rng.bounded(board->width()), rng.bounded(board->height()))
                                 : QPointF(spots[rng.bounded(static_cast<quint32>(spots.size()))]) + QPointF(20, 30);
        };
        const int action = static_cast<int>(rng.bounded(10));
        if (action < 8) {
            const QPointF from = pick();
            const QPointF to = pick();
            press(board, from);
            for (int h = 1; h <= 5; ++h) {
                move(board, from + (to - from) * h / 5);
                damage.flush();
                // A click game redraws on the release, not while the button is held.
                if (gfGameChoice(choice)->dragStyle)
                    QVERIFY2(staleBoardPixels(*w).isEmpty(), qPrintable(staleBoardPixels(*w)));
            }
            release(board, to);
            damage.flush();
            QVERIFY2(staleBoardPixels(*w).isEmpty(), qPrintable(staleBoardPixels(*w)));
        } else if (action == 8 && w->cmdDeal()->isEnabled()) {
            w->cmdDeal_Click();
        } else if (w->cmdUndo()->isEnabled()) {
            w->cmdUndo_Click();
        }
        if (w->isFinished())
            w->mnuGameNew_Click();
        damage.flush();
        const auto t0 = std::chrono::steady_clock::now();
        const QString stale = staleBoardPixels(*w);
        checkUs.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
        QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("step %1: %2").arg(step).arg(stale)));
        QVERIFY2(displayDiffers(w).isEmpty(), qPrintable(QStringLiteral("step %1").arg(step)));
        QVERIFY(messages.errors().isEmpty());
    }
    std::sort(checkUs.begin(), checkUs.end());
    qInfo("staleBoardPixels: median %.0f us", checkUs[checkUs.size() / 2]);
    QVERIFY(checkUs[checkUs.size() / 2] < 2000);
    delete w.data();
}

QTEST_MAIN(TestDamage)
#include "tst_damage.moc"
