#pragma once
// Checks that what the game window shows is what a full redraw would show.

#include <QString>

class frmMain;

// Empty when the window's image equals, pixel for pixel, a full unclipped
// redraw of the game's current state (with the held card or group laid at
// its drag position, and the empty board before the first New); otherwise
// the first stale pixels found. Leaves the board, the window image and the
// display exactly as they were; cheap enough to call after every step of a
// long random play (a full redraw plus a compare, no allocation after the
// first call).
QString staleBoardPixels(frmMain& window);
