#pragma once
// Opens a game window on a fake game, and cleans up after each test.

#include "fakegame.h"
#include "testsupport.h"
#include "window/frmMain.h"

#include <QPointer>
#include <QTest>

class WindowFixture {
public:
    // The fake game the window created last (owned by the window).
    FakeGame* fake = nullptr;
    QPointer<frmMain> window;
    MessageRecorder messages;

    // Opens choice `choice` with a fake game of the given board size.
    frmMain* open(int choice, int right = 470, int bottom = 320, const QString& title = QStringLiteral("Golf"))
    {
        frmMain::gsSetGameFactory([this, right, bottom, title](int, Board& board) {
            auto game = std::make_unique<FakeGame>(board, right, bottom, title);
            fake = game.get();
            return game;
        });
        window = new frmMain;
        window->msLoadFormVariables(choice);
        window->show();
        return window;
    }

    ~WindowFixture()
    {
        if (window)
            delete window.data();
        frmMain::gsSetGameFactory({});
    }
};
