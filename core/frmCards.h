#pragma once
// The store of the 53 card pictures: 1..52 the faces in card-number order,
// 53 the back. Loaded on first use from the program's resources and kept in
// the board's surface format so drawing a card is a plain copy.

#include <QImage>

namespace frmCards {
// Index 1..53. Any other index is a run-time error.
const QImage& imgCard(int index);
// The same card drawn for 2x screens, twice as wide and high.
const QImage& imgCard2x(int index);
}
