// Measures one drag move of the game window (the game's full redraw of an
// 800 x 600 board with 52 cards, laying the saved image, copying the board to
// the window, all clipped to the dragged image's old and new rectangles) next
// to a plain memory copy of what such a move must copy at the least: the
// damaged area cleared and copied to the window, and the saved image laid.
//
// Usage: bench_drag [moves] [--castle]   (runs offscreen; prints ns per move,
// the copy baselines, and last "ratio: X" = drag move / same-pixel plain
// copy). With --castle it drags the outermost card of Beleaguered Castle's
// first row on a real deal instead of the 52-card bench board.

#include "core/board.h"
#include "core/gamerules.h"
#include "core/modCards.h"
#include "window/frmMain.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
constexpr int kBoardW = 800, kBoardH = 600;

// 52 face-up cards fanned in seven columns, as the largest board holds them.
class FullBoardGame : public GameRules {
public:
    using GameRules::GameRules;
    int prpClientRight() const override { return kBoardW; }
    int prpClientBottom() const override { return kBoardH; }
    QString prpTitle() const override { return QStringLiteral("Bench"); }
    void gsInitVar() override {}
    void gsInitCardPsns() override
    {
        for (int i = 0; i < 52; ++i) {
            x[i] = 10 + (i % 7) * 90;
            y[i] = 10 + (i / 7) * 20;
        }
    }
    void gsInitNewGame() override
    {
        gsShuffleDeck();
        gsDrawCards();
    }
    void gsDrawCards() override
    {
        board().cls();
        for (int i = 0; i < 52; ++i)
            board().drawCard(gintDeck[i + 1], x[i], y[i]);
        board().presentBoard();
    }
    int gintfGetSelectedCard(float, float, bool, int&) override { return 52; }
    void gsGetNewPsn(int, int& px, int& py) override
    {
        px = x[51];
        py = y[51];
    }
    void gsPlaceCard(float, float, int, int, int, int, bool&, bool&, int&) override { gsDrawCards(); }
    bool gblnfGameOver() override { return false; }
    std::vector<CardLocation> census() const override { return {}; }

private:
    int x[52] = {}, y[52] = {};
};

using Clock = std::chrono::steady_clock;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int moves = 3000;
    bool castle = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--castle") == 0)
            castle = true;
        else
            moves = std::max(100, std::atoi(argv[i]));
    }
    constexpr int batch = 100;

    if (!castle)
        frmMain::gsSetGameFactory([](int, Board& board) { return std::make_unique<FullBoardGame>(board); });
    frmMain window;
    window.msLoadFormVariables(2);  // Beleaguered Castle, or the bench board in its place
    window.show();
    window.mnuGameNew_Click();
    if (castle)
        window.picWork_MouseDown(172, 28);
    else
        window.picWork_MouseDown(40, 300);

    // The damaged area of a move, as the window is told of it.
    long long damagedPixels = 0;
    const Board::DamageHandler show = window.board().damageHandler();
    window.board().setDamageHandler([&](const QRect& r) {
        damagedPixels += static_cast<long long>(r.width()) * r.height();
        show(r);
    });
    constexpr int probeMoves = 100;
    for (int i = 0; i < probeMoves; ++i)
        window.picWork_MouseMove(100.0f + static_cast<float>(i % 500), 100.0f + static_cast<float>(i % 400));
    const long long damagePerMove = damagedPixels / probeMoves;
    window.board().setDamageHandler(show);
    const long long pixelsPerMove = 2 * damagePerMove + static_cast<long long>(kCardWidth) * kCardHeight;
    std::vector<uint32_t> from(static_cast<size_t>(pixelsPerMove), 0x00336633u);
    std::vector<uint32_t> to(static_cast<size_t>(pixelsPerMove));
    std::vector<uint32_t> boardFrom(static_cast<size_t>(kBoardW) * kBoardH, 0x00336633u);
    std::vector<uint32_t> boardTo(boardFrom.size());

    std::vector<double> dragNs, copyNs, boardCopyNs;
    int step = 0;
    for (int done = 0; done < moves; done += batch) {
        auto t0 = Clock::now();
        for (int i = 0; i < batch; ++i, ++step)
            window.picWork_MouseMove(100.0f + static_cast<float>(step % 500), 100.0f + static_cast<float>(step % 400));
        auto t1 = Clock::now();
        for (int i = 0; i < batch; ++i) {
            std::memcpy(to.data(), from.data(), to.size() * sizeof(uint32_t));
            from[static_cast<size_t>(i)] = to[static_cast<size_t>(i) + 1];  // keep the copy observable
        }
        auto t2 = Clock::now();
        for (int i = 0; i < batch; ++i) {
            std::memcpy(boardTo.data(), boardFrom.data(), boardTo.size() * sizeof(uint32_t));
            boardFrom[static_cast<size_t>(i)] = boardTo[static_cast<size_t>(i) + 1];
        }
        auto t3 = Clock::now();
        dragNs.push_back(std::chrono::duration<double, std::nano>(t1 - t0).count() / batch);
        copyNs.push_back(std::chrono::duration<double, std::nano>(t2 - t1).count() / batch);
        boardCopyNs.push_back(std::chrono::duration<double, std::nano>(t3 - t2).count() / batch);
    }
    window.picWork_MouseUp(300, 300);

    const double drag = median(dragNs);
    const double copy = median(copyNs);
    const double boardCopy = median(boardCopyNs);
    if (castle)
        std::printf("board: Beleaguered Castle, %d moves\n", moves);
    else
        std::printf("board: %d x %d, 52 cards, %d moves\n", kBoardW, kBoardH, moves);
    std::printf("damaged pixels per drag move: %lld\n", damagePerMove);
    std::printf("pixels a move must copy (clear and show the damage, lay the saved image): %lld\n", pixelsPerMove);
    std::printf("drag move: %.1f us\n", drag / 1000.0);
    std::printf("plain copy of the same pixels: %.1f us\n", copy / 1000.0);
    std::printf("plain copy of one board (%d pixels): %.1f us (drag move = %.2f boards)\n", kBoardW * kBoardH,
                boardCopy / 1000.0, drag / boardCopy);
    std::printf("ratio: %.2f\n", drag / copy);
    return 0;
}
