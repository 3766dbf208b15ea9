#pragma once
// Checks a game's description of its table against its census and against
// the board the player sees.

#include <QString>

class frmMain;

// Empty when the description of the window's game lists each card of the
// census exactly once, at a place of the census's kind, and every card and
// empty place that shows lies on the board, where it shows exactly that part
// of its picture (face or back) at the board's scale. The held card or group
// of a drag is laid over the board: what it hides is not compared.
// Otherwise the first problem found.
QString tableMismatch(frmMain& window);
