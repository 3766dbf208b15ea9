#pragma once
// A drag game's real window on a rigged deal, with a fresh game dealt, and
// the gestures and checks its rule tests share.

#include "core/frmCards.h"
#include "core/gamerules.h"
#include "core/modCards.h"
#include "core/platform.h"
#include "testsupport.h"
#include "window/boardview.h"
#include "window/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <map>
#include <set>

template <class Game>
struct DragTable {
    MessageRecorder messages;
    RiggedShuffle rig;
    QPointer<frmMain> w;
    Game* game = nullptr;

    DragTable(int choice, const std::array<int, 53>& deck, std::vector<float> afterwards = {})
        : rig(deck, std::move(afterwards))
    {
        w = new frmMain;
        w->msLoadFormVariables(choice);
        w->show();
        w->mnuGameNew_Click();
        game = dynamic_cast<Game*>(w->game());
    }
    ~DragTable()
    {
        if (w)
            delete w.data();
    }

    const QImage& screen() const { return w->board().windowImage(); }
    bool undoEnabled() const { return w->cmdUndo()->isEnabled(); }

    void press(QPoint p) { QTest::mousePress(w->picWork(), Qt::LeftButton, {}, p); }
    void move(QPoint p)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(w->picWork()->mapToGlobal(p)), Qt::NoButton,
                      Qt::LeftButton, {});
        QApplication::sendEvent(w->picWork(), &e);
    }
    void release(QPoint p) { QTest::mouseRelease(w->picWork(), Qt::LeftButton, {}, p); }

    bool dealEnabled() const { return w->cmdDeal()->isEnabled(); }

    // Picks up the card whose corner is `from` (at `grab` inside it) and drags
    // it so that the dragged image's corner ends on `to`.
    void drag(QPoint from, QPoint to, QPoint grab = QPoint(5, 30))
    {
        press(from + grab);
        move((from + to) / 2 + grab);
        move(to + grab);
        release(to + grab);
    }

    bool showsCard(int picture, QPoint corner) const
    {
        const QImage face = frmCards::imgCard(picture).copy(0, 0, kCardWidth, kCardHeight);
        return screen().copy(corner.x(), corner.y(), kCardWidth, kCardHeight) == face;
    }

    // The outline round a card place whose corner is `corner`, on screen.
    bool showsOutline(QPoint corner) const
    {
        const QRgb black = 0xff000000;
        const QImage& s = screen();
        return s.pixel(corner.x() - 1, corner.y() - 1) == black &&
               s.pixel(corner.x() + kCardWidth, corner.y() + kCardHeight) == black &&
               s.pixel(corner.x() + 20, corner.y() - 1) == black && s.pixel(corner.x() - 1, corner.y() + 40) == black;
    }
};

// Every card exactly once.
inline void verifyAllCards(const GameRules& game)
{
    const std::vector<CardLocation> cards = game.census();
    QCOMPARE(cards.size(), size_t(52));
    std::set<int> seen;
    for (const CardLocation& c : cards) {
        QVERIFY(c.card >= 1 && c.card <= 52);
        seen.insert(c.card);
    }
    QCOMPARE(seen.size(), size_t(52));
}

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
