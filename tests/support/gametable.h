#pragma once
// A real game window on a rigged deal, with a fresh game dealt, and the
// pointer gestures a player makes on its board.

#include "core/frmCards.h"
#include "testsupport.h"
#include "window/boardview.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <map>

template <class Game>
struct GameTable {
    MessageRecorder messages;
    RiggedShuffle rig;
    QPointer<frmMain> w;
    Game* game = nullptr;

    GameTable(int choice, const std::array<int, 53>& deck) : rig(deck)
    {
        w = new frmMain;
        w->msLoadFormVariables(choice);
        w->show();
        w->mnuGameNew_Click();
        game = dynamic_cast<Game*>(w->game());
    }
    ~GameTable()
    {
        if (w)
            delete w.data();
    }

    const QImage& screen() const { return w->board().windowImage(); }
    void press(QPoint p) { QTest::mousePress(w->picWork(), Qt::LeftButton, {}, p); }
    void move(QPoint p)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(w->picWork()->mapToGlobal(p)), Qt::NoButton,
                      Qt::LeftButton, {});
        QApplication::sendEvent(w->picWork(), &e);
    }
    void release(QPoint p) { QTest::mouseRelease(w->picWork(), Qt::LeftButton, {}, p); }

    // Grabs the card whose corner is `from` (at `grab` inside it) and drags
    // until the dragged image's corner stands on `to`.
    void drag(QPoint from, QPoint to, QPoint grab = QPoint(5, 30))
    {
        press(from + grab);
        move((from + to) / 2 + grab);
        move(to + grab);
        release(to + grab);
    }

    bool undoEnabled() const { return w->cmdUndo()->isEnabled(); }
    bool dealEnabled() const { return w->cmdDeal()->isEnabled(); }
};

// The screen shows `picture` (a face, or 53 for the back) whole at `corner`,
// or, with `width` below 55, its left strip of that width; a card reaching
// past the board's bottom edge is compared as far as it shows.
inline bool showsCard(const QImage& screen, int picture, QPoint corner, int width = kCardWidth)
{
    const int height = std::min(kCardHeight, screen.height() - corner.y());
    const QImage face = frmCards::imgCard(picture).copy(0, 0, width, height);
    return screen.copy(corner.x(), corner.y(), width, height) == face;
}

// A deal with the given cards at the given deal places; the other cards fill
// the free places in increasing order, Kings last unless `kingsLast` is false.
inline std::array<int, 53> riggedDeck(const std::map<int, int>& fixed, bool kingsLast = true)
{
    std::array<int, 53> deck{};
    std::array<bool, 53> used{};
    for (const auto& [place, card] : fixed) {
        deck[place] = card;
        used[card] = true;
    }
    auto fill = [&](bool kings) {
        int place = 1;
        for (int card = 1; card <= 52; ++card) {
            if (used[card] || (kingsLast && (card % 13 == 0) != kings))
                continue;
            while (deck[place] != 0)
                ++place;
            deck[place] = card;
            used[card] = true;
        }
    };
    fill(false);
    fill(true);
    return deck;
}
