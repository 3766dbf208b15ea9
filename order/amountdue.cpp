#include "order/amountdue.h"

qint32 glngfCopiesValue(const QString& astrCopies)
{
    // Leading digits only, like reading a number off a form.
    qint32 value = 0;
    for (QChar c : astrCopies.trimmed()) {
        if (!c.isDigit() || c.unicode() > '9' || value > 99999999)
            break;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

qint32 glngfShippingCharge(qint32 alngCopies, int aintShipTo)
{
    // Without this, no copies would still be charged for shipping one less.
    if (alngCopies <= 0)
        return 0;
    if (aintShipTo == 0)
        return (alngCopies - 1) + 2;
    return (alngCopies - 1) * 2 + 3;
}

qint32 glngfAmountDue(qint32 alngCopies, qint32 alngShipping) { return alngCopies * 10 + alngShipping; }
