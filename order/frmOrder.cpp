#include "order/frmOrder.h"

frmOrder::frmOrder(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOrder"));
    setWindowTitle(QStringLiteral("Order Form"));
}
