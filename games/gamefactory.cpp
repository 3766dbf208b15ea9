#include "games/gamefactory.h"

#include "core/gamechoices.h"
#include "core/gamerules.h"
#include "games/clsBCastle.h"
#include "games/clsBakersDozen.h"
#include "games/clsBisley.h"
#include "games/clsDecade.h"
#include "games/clsFourteens.h"
#include "games/clsGolf.h"
#include "games/clsMaze.h"
#include "games/clsMonteCarlo.h"
#include "games/clsPyramid.h"
#include "games/clsScorpion.h"

std::unique_ptr<GameRules> gobjfCreateGame(int aenmChoice, Board& board)
{
    switch (aenmChoice) {
    case choice::BakersDozen: return std::make_unique<clsBakersDozen>(board);
    case choice::BCastle: return std::make_unique<clsBCastle>(board);
    case choice::Bisley: return std::make_unique<clsBisley>(board);
    case choice::Decade: return std::make_unique<clsDecade>(board);
    case choice::Fourteens: return std::make_unique<clsFourteens>(board);
    case choice::Golf: return std::make_unique<clsGolf>(board);
    case choice::Maze: return std::make_unique<clsMaze>(board);
    case choice::MonteCarlo: return std::make_unique<clsMonteCarlo>(board);
    case choice::Pyramid: return std::make_unique<clsPyramid>(board);
    case choice::Scorpion: return std::make_unique<clsScorpion>(board);
    default:
        return nullptr;
    }
}
