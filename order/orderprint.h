#pragma once
// The printed order: one page of fixed-pitch text on the printer, with the
// printer's own font put back afterwards.

#include "order/printerlayer.h"

#include <QString>
#include <optional>

// What the form holds at the moment of printing.
struct OrderDetails {
    QString name;
    QString address1;
    QString address2;
    QString address3;
    QString city;
    QString state;  // the state list's entry, e.g. "Illinois - IL"; may be empty
    QString zip;
    QString country;
    QString email;
    QString copies;
    qint32 shipping = 0;
    QString amountDue;  // the amount caption, e.g. "$12"
};

// A setting that could not be read stays unset and is not written back.
struct SavedPrinterFont {
    std::optional<QString> name;
    std::optional<int> size;
    std::optional<bool> bold;
};

// The page, line by line.
QList<PrintLine> gobjfOrderPage(const OrderDetails& audtOrder);

// Text right-aligned in a field of awidth characters; longer text is kept
// whole.
QString gstrfRightAlign(const QString& astrText, int aintWidth);

// Reading or restoring the font never fails: a step that errs is skipped.
void gsSavePrinterFont(OrderPrinter& aobjPrinter, SavedPrinterFont& audtSaved);
void gsRestorePrinterFont(OrderPrinter& aobjPrinter, const SavedPrinterFont& audtSaved);

// Prints the page and ends the job; a fault is reported under
// "msPrintOrder" and the job is ended all the same.
void msPrintOrder(OrderPrinter& aobjPrinter, const OrderDetails& audtOrder);
