#include "games/gamefactory.h"

#include "core/gamechoices.h"
#include "core/gamerules.h"
#include "games/clsBCastle.h"
#include "games/clsGolf.h"
#include "games/clsMaze.h"
#include "games/clsScorpion.h"

std::unique_ptr<GameRules> gobjfCreateGame(int aenmChoice, Board& board)
{
    Q_UNUSED(board);
    switch (aenmChoice) {
    case choice::BCastle: return std::make_unique<clsBCastle>(board);
    case choice::Golf: return std::make_unique<clsGolf>(board);
    case choice::Maze: return std::make_unique<clsMaze>(board);
    case choice::Scorpion: return std::make_unique<clsScorpion>(board);
    default:
        return nullptr;
    }
}
