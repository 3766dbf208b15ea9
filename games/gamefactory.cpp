#include "games/gamefactory.h"

#include "core/gamechoices.h"
#include "core/gamerules.h"
#include "games/clsBCastle.h"
#include "games/clsDecade.h"
#include "games/clsFourteens.h"
#include "games/clsGolf.h"

std::unique_ptr<GameRules> gobjfCreateGame(int aenmChoice, Board& board)
{
    Q_UNUSED(board);
    switch (aenmChoice) {
    case choice::BCastle: return std::make_unique<clsBCastle>(board);
    case choice::Decade: return std::make_unique<clsDecade>(board);
    case choice::Fourteens: return std::make_unique<clsFourteens>(board);
    case choice::Golf: return std::make_unique<clsGolf>(board);
    default:
        return nullptr;
    }
}
