#pragma once
// Creates the game object for a choice number; nullptr for a choice outside
// 1..10 or a game not in the pack yet.

#include <memory>

class Board;
class GameRules;

std::unique_ptr<GameRules> gobjfCreateGame(int aenmChoice, Board& board);
