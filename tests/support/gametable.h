#pragma once
// A real game window for one choice on a rigged deal, New already chosen,
// with real clicks on the board and the buttons and a look at the census.

#include "core/frmCards.h"
#include "core/gamerules.h"
#include "testsupport.h"
#include "window/boardview.h"
#include "window/frmMain.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <map>
#include <set>

// A deal with the given cards at the given places; the rest fill the
// remaining places in card order.
inline std::array<int, 53> dealWith(const std::map<int, int>& placed)
{
    std::array<int, 53> deck{};
    std::set<int> used;
    for (const auto& [place, card] : placed) {
        deck[place] = card;
        used.insert(card);
    }
    int next = 1;
    for (int p = 1; p <= 52; ++p) {
        if (deck[p] != 0)
            continue;
        while (used.count(next))
            ++next;
        deck[p] = next++;
    }
    return deck;
}

class GameTable {
public:
    GameTable(int choice, const std::array<int, 53>& deck) : deck(deck), rig(deck)
    {
        window = new frmMain;
        window->msLoadFormVariables(choice);
        window->show();
        window->mnuGameNew_Click();
    }
    ~GameTable()
    {
        if (window)
            delete window.data();
    }

    GameRules* game() const { return window->game(); }
    QString label() const { return window->lblCardsLeft()->text(); }
    bool dealEnabled() const { return window->cmdDeal()->isEnabled(); }
    bool undoEnabled() const { return window->cmdUndo()->isEnabled(); }
    const QImage& shown() { return window->board().windowImage(); }
    void clickDeal() { QTest::mouseClick(window->cmdDeal(), Qt::LeftButton); }
    void clickUndo() { QTest::mouseClick(window->cmdUndo(), Qt::LeftButton); }
    void press(QPoint p) { QTest::mousePress(window->picWork(), Qt::LeftButton, {}, p); }
    void release(QPoint p) { QTest::mouseRelease(window->picWork(), Qt::LeftButton, {}, p); }
    void click(QPoint p)
    {
        press(p);
        release(p);
    }
    int selects(QPoint p)
    {
        int count = 0;
        return game()->gintfGetSelectedCard(static_cast<float>(p.x()), static_cast<float>(p.y()), true, count);
    }
    CardWhere whereIs(int card) const
    {
        for (const CardLocation& c : game()->census())
            if (c.card == card)
                return c.where;
        return CardWhere::Foundation;  // lost: no game here has a foundation
    }
    int count(CardWhere where) const
    {
        int n = 0;
        for (const CardLocation& c : game()->census())
            n += c.where == where;
        return n;
    }
    bool conserved() const
    {
        std::set<int> cards;
        const std::vector<CardLocation> all = game()->census();
        for (const CardLocation& c : all)
            if (c.card >= 1 && c.card <= 52)
                cards.insert(c.card);
        return all.size() == 52 && cards.size() == 52;
    }
    // The board shows `card` with its top-left corner at (x, y); only the
    // top-left width x height of it when those are given.
    bool shows(int x, int y, int card, int width = kCardWidth, int height = kCardHeight)
    {
        const QImage here = shown().copy(x, y, width, height).convertToFormat(QImage::Format_RGB32);
        const QImage face = frmCards::imgCard(card).copy(0, 0, width, height).convertToFormat(QImage::Format_RGB32);
        return here == face;
    }

    std::array<int, 53> deck;
    MessageRecorder messages;
    RiggedShuffle rig;
    QPointer<frmMain> window;
};
