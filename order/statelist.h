#pragma once
// The state list of the order form. An entry's last two characters are the
// state's postal code.

#include <QStringList>

class QComboBox;

// The 50 states in list order.
const QStringList& gstrfStateEntries();

// Clears the list, then an empty first entry and the 50 states.
void gsLoadStateList(QComboBox* aobjList);
