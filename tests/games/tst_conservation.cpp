// Random play through the real window path, for every game in the pack:
// after every step all 52 cards are present exactly once, no error was
// reported and the pointer is not left hidden.

#include "core/gamechoices.h"
#include "core/gamerules.h"
#include "core/platform.h"
#include "games/gamefactory.h"
#include "testsupport.h"
#include "window/frmMain.h"

#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>
#include <array>

namespace {
void send(QWidget* w, QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent e(type, p, w->mapToGlobal(p), button, held, {});
    QApplication::sendEvent(w, &e);
}

QString describe(const std::vector<CardLocation>& census)
{
    std::array<int, 53> seen{};
    QStringList problems;
    for (const CardLocation& c : census) {
        if (c.card < 1 || c.card > 52)
            problems << QStringLiteral("card number %1").arg(c.card);
        else
            ++seen[c.card];
    }
    for (int card = 1; card <= 52; ++card)
        if (seen[card] != 1)
            problems << QStringLiteral("card %1 seen %2 times").arg(card).arg(seen[card]);
    return problems.join(QStringLiteral("; "));
}
}

class TestConservation : public QObject {
    Q_OBJECT
private slots:
    void randomPlay_data();
    void randomPlay();
};

void TestConservation::randomPlay_data()
{
    QTest::addColumn<int>("choice");
    for (int choice = kFirstChoice; choice <= kLastChoice; ++choice) {
        // Only the games that are in the pack take part.
        Board probe;
        if (gobjfCreateGame(choice, probe))
            QTest::newRow(gfGameChoice(choice)->name) << choice;
    }
}

void TestConservation::randomPlay()
{
    QFETCH(int, choice);
    const int steps = qEnvironmentVariableIntValue("QUILLET_RANDOM_STEPS") > 0
                          ? qEnvironmentVariableIntValue("QUILLET_RANDOM_STEPS")
                          : 20000;
    const quint32 seed = 20261208u + static_cast<quint32>(choice);
    QRandomGenerator rng(seed);
    MessageRecorder messages;
    QPointer<frmMain> window = new frmMain;
    window->msLoadFormVariables(choice);
    window->show();
    QVERIFY(messages.calls.isEmpty());
    window->mnuGameNew_Click();
    QWidget* board = window->picWork();
    const int width = window->board().width();
    const int height = window->board().height();
    const bool drag = gfGameChoice(choice)->dragStyle;

    // Corners of cards that were picked up, so that drops often land on
    // real targets instead of empty felt.
    QList<QPoint> corners;
    int moves = 0, deals = 0, undos = 0, wins = 0;
    auto randomPoint = [&] {
        return QPointF(rng.bounded(width * 10) / 10.0, rng.bounded(height * 10) / 10.0);
    };

    for (int step = 0; step < steps; ++step) {
        const int action = static_cast<int>(rng.bounded(100));
        QString what;
        if (action < 75) {
            const QPointF at = randomPoint();
            send(board, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
            QPointF to = randomPoint();
            if (drag && window->isDragging() == false && gintfCursorDisplayCount() < 0) {
                const QPoint corner = window->dragPosition();
                const QPointF grab = at - QPointF(corner);
                if (!corners.contains(corner))
                    corners.append(corner);
                if (!corners.isEmpty() && rng.bounded(8) != 0) {
                    const QPoint target = corners.at(static_cast<int>(rng.bounded(corners.size())));
                    to = QPointF(target) + grab + QPointF(rng.bounded(41) - 20, rng.bounded(41) - 20);
                }
                const int hops = static_cast<int>(rng.bounded(4));
                for (int h = 1; h <= hops; ++h)
                    send(board, QEvent::MouseMove, at + (to - at) * h / hops, Qt::NoButton, Qt::LeftButton);
            }
            send(board, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
            ++moves;
            what = QStringLiteral("press (%1,%2) release (%3,%4)").arg(at.x()).arg(at.y()).arg(to.x()).arg(to.y());
        } else if (action < 87) {
            if (window->cmdDeal()->isEnabled()) {
                QTest::mouseClick(window->cmdDeal(), Qt::LeftButton);
                ++deals;
            }
            what = QStringLiteral("Deal");
        } else if (action < 98) {
            if (window->cmdUndo()->isEnabled()) {
                QTest::mouseClick(window->cmdUndo(), Qt::LeftButton);
                ++undos;
            }
            what = QStringLiteral("Undo");
        } else {
            window->mnuGameNew_Click();
            corners.clear();
            what = QStringLiteral("New");
        }
        if (window->isFinished()) {
            ++wins;
            window->mnuGameNew_Click();
            corners.clear();
        }
        const QString problem = describe(window->game()->census());
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("step %1 (%2): %3").arg(step).arg(what, problem)));
        if (!messages.errors().isEmpty())
            QFAIL(qPrintable(QStringLiteral("step %1 (%2): %3 / %4")
                                 .arg(step)
                                 .arg(what, messages.errors().first().title, messages.errors().first().text)));
        QVERIFY2(gintfCursorDisplayCount() == 0, qPrintable(QStringLiteral("step %1: pointer hidden").arg(step)));
    }
    qInfo("%s: %d gestures, %d deals, %d undos, %d wins", gfGameChoice(choice)->name, moves, deals, undos, wins);
    delete window.data();
}

QTEST_MAIN(TestConservation)
#include "tst_conservation.moc"
