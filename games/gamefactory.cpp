#include "games/gamefactory.h"

#include "core/gamechoices.h"
#include "core/gamerules.h"

std::unique_ptr<GameRules> gobjfCreateGame(int aenmChoice, Board& board)
{
    Q_UNUSED(board);
    switch (aenmChoice) {
    default:
        return nullptr;
    }
}
