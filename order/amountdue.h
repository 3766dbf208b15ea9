#pragma once
// What an order costs, in whole US dollars. Ship-to 0 is the USA; any other
// choice is "all other countries".

#include <QString>

// The copies box's number; empty counts as 0.
qint32 glngfCopiesValue(const QString& astrCopies);

// $2 for the first copy and $1 for each further one in the USA, $3 and $2
// elsewhere; nothing to ship for no copies.
qint32 glngfShippingCharge(qint32 alngCopies, int aintShipTo);

qint32 glngfAmountDue(qint32 alngCopies, qint32 alngShipping);
