#pragma once
// Closing up the address lines of the order form.

#include <QList>

class QLineEdit;

// Moves the filled boxes up, keeping their order; the boxes left over at
// the end are emptied. A box holding only spaces counts as empty.
void gsAlignInput(const QList<QLineEdit*>& aobjBoxes);
