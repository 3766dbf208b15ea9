#include "order/statelist.h"

#include <QComboBox>

const QStringList& gstrfStateEntries()
{
    // "North Dakota ND" is written without the dash on purpose: orders key
    // on the last two characters only.
    static const QStringList entries = {
        QStringLiteral("Alaska - AK"),         QStringLiteral("Alabama - AL"),        QStringLiteral("Arkansas - AR"),
        QStringLiteral("Arizona - AZ"),        QStringLiteral("California - CA"),    QStringLiteral("Colorado - CO"),
        QStringLiteral("Connecticut - CT"),    QStringLiteral("Delaware - DE"),       QStringLiteral("Florida - FL"),
        QStringLiteral("Georgia - GA"),        QStringLiteral("Hawaii - HI"),         QStringLiteral("Idaho - ID"),
        QStringLiteral("Iowa - IA"),           QStringLiteral("Illinois - IL"),       QStringLiteral("Indiana - IN"),
        QStringLiteral("Kansas - KS"),         QStringLiteral("Kentucky - KY"),       QStringLiteral("Louisiana - LA"),
        QStringLiteral("Maine - ME"),          QStringLiteral("Massachusetts - MA"),  QStringLiteral("Maryland - MD"),
        QStringLiteral("Michigan - MI"),       QStringLiteral("Minnesota - MN"),      QStringLiteral("Missouri - MO"),
        QStringLiteral("Mississippi - MS"),    QStringLiteral("Montana - MT"),        QStringLiteral("Nebraska - NE"),
        QStringLiteral("Nevada - NV"),         QStringLiteral("New Hampshire - NH"),  QStringLiteral("New Jersey - NJ"),
        QStringLiteral("New Mexico - NM"),     QStringLiteral("New York - NY"),       QStringLiteral("North Carolina - NC"),
        QStringLiteral("North Dakota ND"),     QStringLiteral("Ohio - OH"),           QStringLiteral("Oklahoma - OK"),
        QStringLiteral("Oregon - OR"),         QStringLiteral("Pennsylvania - PA"),   QStringLiteral("Rhode Island - RI"),
        QStringLiteral("South Carolina - SC"), QStringLiteral("South Dakota - SD"),   QStringLiteral("Tennessee - TN"),
        QStringLiteral("Texas - TX"),          QStringLiteral("Utah - UT"),           QStringLiteral("Vermont - VT"),
        QStringLiteral("Virginia - VA"),       QStringLiteral("Washington - WA"),     QStringLiteral("West Virginia - WV"),
        QStringLiteral("Wisconsin - WI"),      QStringLiteral("Wyoming - WY"),
    };
    return entries;
}

void gsLoadStateList(QComboBox* aobjList)
{
    aobjList->clear();
    aobjList->addItem(QString());
    aobjList->addItems(gstrfStateEntries());
}
