#include "order/orderaccessible.h"

#include "order/frmOrder.h"
#include "order/orderfields.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <utility>

void gsNameOrderFields(frmOrder& form)
{
    QWidget* copies = form.txtOrderInfo(frmOrder::kCopiesBox);
    const struct {
        QWidget* field;
        const char* name;
        const char* description;
        const char* label;  // the label beside it, if any
    } fields[] = {
        {form.txtOrderInfo(0), "Name", "", "Name:"},
        {form.txtOrderInfo(1), "Address", "", "Address:"},
        {form.txtOrderInfo(2), "Address, line 2", "", nullptr},
        {form.txtOrderInfo(3), "Address, line 3", "", nullptr},
        {form.txtOrderInfo(4), "City", "", "City:"},
        {form.cboOrderInfo(), "State (USA Only)", "", "State (USA Only):"},
        {form.mskOrderInfo(), "Zip Code", "Five digits", "Zip Code:"},
        {form.txtOrderInfo(5), "Country (if not USA)", "", "Country (if not USA):"},
        {form.txtOrderInfo(6), "Email Address", "Optional, for support purpose only", "Email Address:"},
        {copies, "# of Copies", "US $10 each", "# of Copies (US $10 each):"},
        {form.optShipTo(0), nullptr, "Ship To", nullptr},
        {form.optShipTo(2), nullptr, "Ship To", nullptr},
    };
    const QList<QLabel*> labels = form.frame()->findChildren<QLabel*>();
    for (const auto& f : fields) {
        if (f.name)
            f.field->setAccessibleName(QString::fromUtf8(f.name));
        f.field->setAccessibleDescription(QString::fromUtf8(f.description));
        if (!f.label)
            continue;
        for (QLabel* label : labels)
            if (label->text() == QLatin1String(f.label))
                label->setBuddy(f.field);
    }
    form.lblAmtDue()->setAccessibleName(QStringLiteral("Amount Due"));
}
