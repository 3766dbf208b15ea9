#pragma once
// Where the keyboard's frame goes from a spot of the board: the arrows move
// where they point, Tab and Shift+Tab step in reading order, Home and End go
// to the first and the last spot. Spots are board rectangles; the answer
// does not depend on the game, only on where its spots lie.

#include <QRect>
#include <vector>

enum class KeyStep { Left, Right, Up, Down, Next, Previous, First, Last };

// Sorts spots into reading order (top to bottom, then left to right) and
// drops repeats.
void gsSortSpots(std::vector<QRect>& spots);

// The spot to go to from `from` (which need not be a spot any more), or an
// empty rectangle when there are no spots. Left and Right go to the nearest
// spot that way whose rectangle overlaps `from`'s rows, else to the nearest
// spot that way, else round to the farthest the other way; Up and Down the
// same in columns. Next and Previous wrap round. `spots` in reading order.
QRect grectfKeyStep(const std::vector<QRect>& spots, const QRect& from, KeyStep step);

// The spot nearest to `from`, centre to centre; empty when there is none.
QRect grectfNearestSpot(const std::vector<QRect>& spots, const QRect& from);
