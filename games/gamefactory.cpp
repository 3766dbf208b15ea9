#include "games/gamefactory.h"

#include "core/gamechoices.h"
#include "core/gamerules.h"
#include "games/clsBCastle.h"
#include "games/clsGolf.h"
#include "games/clsMonteCarlo.h"
#include "games/clsPyramid.h"

std::unique_ptr<GameRules> gobjfCreateGame(int aenmChoice, Board& board)
{
    Q_UNUSED(board);
    switch (aenmChoice) {
    case choice::BCastle: return std::make_unique<clsBCastle>(board);
    case choice::Golf: return std::make_unique<clsGolf>(board);
    case choice::MonteCarlo: return std::make_unique<clsMonteCarlo>(board);
    case choice::Pyramid: return std::make_unique<clsPyramid>(board);
    default:
        return nullptr;
    }
}
