#pragma once
// A real game window for one choice on a rigged deal, with New chosen, and
// the questions the game tests ask of it: where a card lies, what the board
// shows, which buttons are on. Clicks are real events, so disabled buttons
// ignore them.

#include "core/frmCards.h"
#include "core/gamerules.h"
#include "testsupport.h"
#include "window/boardview.h"
#include "window/frmMain.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <set>

class GameTable {
public:
    GameTable(int aenmChoice, const std::array<int, 53>& deck) : deck(deck), rig(deck)
    {
        window = new frmMain;
        window->msLoadFormVariables(aenmChoice);
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
    void click(QPoint p)
    {
        QTest::mousePress(window->picWork(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(window->picWork(), Qt::LeftButton, {}, p);
    }

    CardWhere whereIs(int card) const
    {
        for (const CardLocation& c : game()->census())
            if (c.card == card)
                return c.where;
        return CardWhere::Foundation;  // not found: a fault in any game here
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
        const std::vector<CardLocation> all = game()->census();
        std::set<int> cards;
        for (const CardLocation& c : all)
            if (c.card >= 1 && c.card <= 52)
                cards.insert(c.card);
        return all.size() == 52 && cards.size() == 52;
    }
    // The board shows `card` with its top-left corner at (x, y).
    // Only the top-left width x height of the card when those are given.
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
