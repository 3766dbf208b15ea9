// Keyboard play goes through the pointer path: in every game the same move
// made with the keys and with the mouse ends alike (cards, buttons, every
// pixel of the board, the pointer shown), and a refused one changes nothing.

#include "core/gamechoices.h"
#include "core/platform.h"
#include "testsupport.h"
#include "window/boardview.h"
#include "window/frmMain.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

namespace {
void key(frmMain* w, int k)
{
    QKeyEvent e(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(w->picWork(), &e);
}

void mouse(frmMain* w, QEvent::Type type, QPointF p)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, p, w->picWork()->mapToGlobal(p), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  held, {});
    QApplication::sendEvent(w->picWork(), &e);
}

// Home, then Right until the frame marks `spot`.
bool frameTo(frmMain* w, QPoint spot)
{
    key(w, Qt::Key_Home);
    for (int i = 0; i < 200 && w->picWork()->keyFrame().topLeft() != spot; ++i)
        key(w, Qt::Key_Right);
    return w->picWork()->keyFrame().topLeft() == spot;
}

// One deal in two windows: the mouse plays one, the keys the other.
struct Twins {
    MessageRecorder messages;
    QPointer<frmMain> byMouse, byKeys;
    QRandomGenerator rng;
    int moves = 0, refusals = 0;

    Twins(int choice, quint32 seed) : rng(seed)
    {
        for (QPointer<frmMain>* w : {&byMouse, &byKeys}) {
            gsSetSeededRandomSource(seed);
            *w = new frmMain;
            (*w)->msLoadFormVariables(choice);
            (*w)->show();
            (*w)->mnuGameNew_Click();
        }
        gsSetRandomSource({});
    }
    ~Twins()
    {
        delete byMouse.data();
        delete byKeys.data();
    }
    QPoint anySpot()
    {
        const std::vector<QPoint> spots = byMouse->game()->hotSpots();
        return spots.empty() ? QPoint() : spots[rng.bounded(static_cast<int>(spots.size()))];
    }
    QPointF onCard(QPoint spot) { return QPointF(spot) + QPointF(2 + rng.bounded(9), 2 + rng.bounded(9)); }
    // Refused: the cards stay, or the game says why and puts them back.
    void tally(const std::vector<CardLocation>& before, qsizetype messagesBefore)
    {
        const bool refused = sameCensus(before, byKeys->game()->census()) || messages.calls.size() > messagesBefore;
        ++(refused ? refusals : moves);
    }
    QString differs() const
    {
        if (!sameCensus(byMouse->game()->census(), byKeys->game()->census()))
            return QStringLiteral("cards");
        if (byMouse->cmdDeal()->isEnabled() != byKeys->cmdDeal()->isEnabled() ||
            byMouse->cmdUndo()->isEnabled() != byKeys->cmdUndo()->isEnabled())
            return QStringLiteral("buttons");
        if (byMouse->board().windowImage() != byKeys->board().windowImage())
            return QStringLiteral("board pixels");
        return gintfCursorDisplayCount() == 0 && messages.errors().isEmpty() ? QString() : QStringLiteral("pointer or error");
    }
};

void addGames(bool dragGames)
{
    QTest::addColumn<int>("choice");
    for (int c = kFirstChoice; c <= kLastChoice; ++c)
        if (gfGameChoice(c)->dragStyle == dragGames)
            QTest::newRow(gfGameChoice(c)->name) << c;
}
}

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void clickGameKeysAsMouse_data() { addGames(false); }
    void clickGameKeysAsMouse();
    void dragGameKeysAsMouse_data() { addGames(true); }
    void dragGameKeysAsMouse();
};

void TestKeyboard::clickGameKeysAsMouse()
{
    QFETCH(int, choice);
    Twins t(choice, 11);
    for (int round = 0; round < 80; ++round) {
        if (round % 10 == 0 && t.byMouse->cmdDeal()->isEnabled()) {
            t.byMouse->cmdDeal_Click();
            t.byKeys->cmdDeal_Click();
        }
        const QPoint spot = t.anySpot();
        if (spot.isNull())
            break;
        const auto before = t.byKeys->game()->census();
        const qsizetype said = t.messages.calls.size();
        const QPointF at = t.onCard(spot);
        mouse(t.byMouse, QEvent::MouseButtonPress, at);
        mouse(t.byMouse, QEvent::MouseButtonRelease, at);
        QVERIFY(frameTo(t.byKeys, spot));
        key(t.byKeys, Qt::Key_Space);
        t.tally(before, said);
        QCOMPARE(t.differs(), QString());
    }
    QVERIFY(t.moves > 0 && t.refusals > 0);
}

void TestKeyboard::dragGameKeysAsMouse()
{
    QFETCH(int, choice);
    Twins t(choice, 5);
    for (int round = 0; round < 3000 && (t.moves < 2 || t.refusals < 2); ++round) {
        const QPoint from = t.anySpot();
        const QPoint to = t.anySpot();
        // Escape is a drag back to the press and a release there.
        const bool escape = round % 4 == 3;
        const auto before = t.byKeys->game()->census();
        const qsizetype said = t.messages.calls.size();
        const QPointF at = t.onCard(from);
        mouse(t.byMouse, QEvent::MouseButtonPress, at);
        const bool picked = t.byMouse->isHoldingImage();
        const QPointF drop = QPointF(to) + at - QPointF(t.byMouse->dragPosition());
        mouse(t.byMouse, QEvent::MouseMove, drop);
        mouse(t.byMouse, QEvent::MouseMove, escape ? at : drop);
        mouse(t.byMouse, QEvent::MouseButtonRelease, escape ? at : drop);

        QVERIFY(frameTo(t.byKeys, from));
        key(t.byKeys, Qt::Key_Space);
        QCOMPARE(t.byKeys->isKeyGesture(), picked);
        if (picked) {
            QVERIFY(frameTo(t.byKeys, to));
            key(t.byKeys, escape ? Qt::Key_Escape : Qt::Key_Space);
            if (escape)
                QVERIFY(sameCensus(before, t.byKeys->game()->census()));
            else
                t.tally(before, said);
        }
        QCOMPARE(t.differs(), QString());
    }
    QVERIFY(t.moves >= 2 && t.refusals >= 2);
    // Closed while the keys hold a card: the pointer shows again.
    for (const QPoint& spot : t.byKeys->game()->hotSpots())
        if (!t.byKeys->isKeyGesture() && frameTo(t.byKeys, spot))
            key(t.byKeys, Qt::Key_Space);
    QVERIFY(t.byKeys->isKeyGesture());
    t.byKeys->close();
    QCOMPARE(gintfCursorDisplayCount(), 0);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
