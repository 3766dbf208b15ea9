#pragma once
// A game that records every call the window makes and answers as told.

#include "core/board.h"
#include "core/errors.h"
#include "core/gamerules.h"

#include <QString>
#include <QStringList>
#include <functional>

class FakeGame : public GameRules {
public:
    explicit FakeGame(Board& board, int right = 470, int bottom = 320, QString title = QStringLiteral("Golf"))
        : GameRules(board), right(right), bottom(bottom), title(std::move(title))
    {
    }

    int prpClientRight() const override
    {
        calls << QStringLiteral("prpClientRight");
        return right;
    }
    int prpClientBottom() const override
    {
        calls << QStringLiteral("prpClientBottom");
        return bottom;
    }
    QString prpTitle() const override
    {
        calls << QStringLiteral("prpTitle");
        return title;
    }

    void gsInitVar() override { calls << QStringLiteral("gsInitVar"); }
    void gsInitCardPsns() override { calls << QStringLiteral("gsInitCardPsns"); }
    void gsInitNewGame() override
    {
        calls << QStringLiteral("gsInitNewGame");
        draw();
    }
    void gsDrawCards() override
    {
        calls << QStringLiteral("gsDrawCards");
        draw();
    }
    int gintfGetSelectedCard(float x, float y, bool down, int& count) override
    {
        calls << QStringLiteral("gintfGetSelectedCard(%1,%2,%3,%4)").arg(x).arg(y).arg(flag(down)).arg(count);
        if (down) {
            count = groupSize;
            return hitsCard(x, y) ? selectAnswer : 0;
        }
        return dropAnswer;
    }
    void gsGetNewPsn(int from, int& x, int& y) override
    {
        calls << QStringLiteral("gsGetNewPsn(%1)").arg(from);
        x = cardX;
        y = cardY;
    }
    void gsDrawCardBorder() override { calls << QStringLiteral("gsDrawCardBorder"); }
    void gsPlaceCard(float x, float y, int prevX, int prevY, int from, int to, bool& deal, bool& undo,
                     int& left) override
    {
        calls << QStringLiteral("gsPlaceCard(%1,%2,%3,%4,%5,%6,%7,%8,%9)")
                     .arg(x)
                     .arg(y)
                     .arg(prevX)
                     .arg(prevY)
                     .arg(from)
                     .arg(to)
                     .arg(flag(deal))
                     .arg(flag(undo))
                     .arg(left);
        if (placeHook)
            placeHook(deal, undo, left);
        if (tableHook)
            tableHook();
        if (placeThrows)
            throw RuntimeError(err::InvalidCall, QStringLiteral("Invalid procedure call or argument"));
        draw();
    }
    bool gblnfGameOver() override
    {
        calls << QStringLiteral("gblnfGameOver");
        return won;
    }
    void gsDealCard(bool& deal, bool& undo, int& left) override
    {
        calls << QStringLiteral("gsDealCard(%1,%2,%3)").arg(flag(deal)).arg(flag(undo)).arg(left);
        if (lacksDeal)
            GameRules::gsDealCard(deal, undo, left);
        deal = dealAnswer;
        undo = undoAnswer;
        left = leftAnswer;
        if (tableHook)
            tableHook();
    }
    void gsUndo(bool& deal, bool& undo, int& left) override
    {
        calls << QStringLiteral("gsUndo(%1,%2,%3)").arg(flag(deal)).arg(flag(undo)).arg(left);
        undo = false;
        left = leftAnswer;
        if (tableHook)
            tableHook();
    }
    std::vector<CardLocation> census() const override { return {}; }
    // One card at each spot, to pick up or drop on, unless a table is set.
    TableDescription placesOnTable() const override
    {
        if (!table.empty())
            return table;
        TableDescription places;
        for (const QPoint& spot : spots)
            places.push_back({QStringLiteral("Spot %1").arg(places.size() + 1), CardWhere::Table,
                              {{cardPicture, true, QRect(spot, QSize(55, 79)), {}, true, true, {}}}, {}, false});
        return places;
    }

    static QString flag(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

    // The one card this game shows, face up at (cardX, cardY).
    bool hitsCard(float x, float y) const
    {
        return x >= cardX && x <= cardX + 55 && y >= cardY && y <= cardY + 79;
    }
    void draw()
    {
        board().cls();
        board().drawCard(cardPicture, cardX, cardY);
        board().presentBoard();
    }

    int right, bottom;
    QString title;
    mutable QStringList calls;
    int selectAnswer = 7;
    int dropAnswer = 0;
    int groupSize = 1;
    int cardX = 100, cardY = 100;
    int cardPicture = 1;
    std::vector<QPoint> spots;
    TableDescription table;
    bool won = false;
    bool dealAnswer = true, undoAnswer = true;
    int leftAnswer = 16;
    bool lacksDeal = false;
    bool placeThrows = false;
    std::function<void(bool&, bool&, int&)> placeHook;
    // May change `table` when a card is placed, dealt or a move undone.
    std::function<void()> tableHook;
};
