#include "order/orderprint.h"

#include "core/errors.h"
#include "order/vendor.h"

#include <cmath>

namespace {
constexpr int kLabelColumn = 3;
constexpr int kValueColumn = 15;
constexpr int kAmountColumn = 30;
constexpr int kAmountWidth = 6;

// The font steps and the closing of a job must not stop one another.
template <class Step>
void ignoreErrors(Step&& step)
{
    try {
        step();
    } catch (...) {
    }
}

PrintLine at(int column, const QString& text) { return {{column, text}}; }

PrintLine labelled(const QString& label, const QString& value)
{
    return {{kLabelColumn, label}, {kValueColumn, value}};
}

PrintLine amountLine(const QString& label, const QString& amount)
{
    return {{kLabelColumn, label}, {kAmountColumn, gstrfRightAlign(amount, kAmountWidth)}};
}

bool filled(const QString& text) { return !text.trimmed().isEmpty(); }
}

QString gstrfRightAlign(const QString& astrText, int aintWidth)
{
    if (astrText.size() >= aintWidth)
        return astrText;
    return QString(aintWidth - astrText.size(), QLatin1Char(' ')) + astrText;
}

QList<PrintLine> gobjfOrderPage(const OrderDetails& o)
{
    const QString payee = QString::fromLatin1(gstrPayee);
    const qint32 copies = o.copies.trimmed().toInt();
    QList<PrintLine> page;
    page << PrintLine{};
    page << at(24, QStringLiteral("***** ORDER FORM *****"));
    page << PrintLine{};
    page << labelled(QStringLiteral("Name:"), o.name.trimmed());
    page << labelled(QStringLiteral("Address:"), o.address1.trimmed());
    if (filled(o.address2))
        page << at(kValueColumn, o.address2.trimmed());
    if (filled(o.address3))
        page << at(kValueColumn, o.address3.trimmed());
    QString cityLine = o.city.trimmed();
    if (!o.state.isEmpty())
        cityLine += QStringLiteral(", ") + o.state.right(2) + QLatin1Char(' ') + o.zip.trimmed();
    page << at(kValueColumn, cityLine);
    if (filled(o.country))
        page << at(kValueColumn, o.country.trimmed());
    page << PrintLine{};
    if (filled(o.email))
        page << labelled(QStringLiteral("Email:"), o.email.trimmed());
    page << PrintLine{};
    page << amountLine(o.copies + (copies == 1 ? QStringLiteral(" Copy") : QStringLiteral(" Copies")) +
                           QStringLiteral(" @ US $10 each:"),
                       QString::number(copies * 10));
    page << amountLine(QStringLiteral("Shipping Charge:"), QString::number(o.shipping));
    page << PrintLine{};
    page << amountLine(QStringLiteral("Total:"), o.amountDue);
    page << PrintLine{};
    page << at(kLabelColumn, QStringLiteral("Make check payable to ") + payee + QLatin1Char('.'));
    page << PrintLine{};
    page << at(kLabelColumn, QStringLiteral("Allow up to two weeks for delivery."));
    page << PrintLine{};
    page << labelled(QStringLiteral("Mail To:"), payee);
    page << at(kValueColumn, QString::fromLatin1(gstrVendorAddress1));
    page << at(kValueColumn, QString::fromLatin1(gstrVendorAddress2));
    page << at(kValueColumn, QStringLiteral("USA"));
    page << PrintLine{};
    page << at(kLabelColumn, QStringLiteral("Questions/Comment to ") + QString::fromLatin1(gstrSupportEmail));
    page << PrintLine{};
    page << at(28, QStringLiteral("THANK YOU!!!"));
    return page;
}

void gsSavePrinterFont(OrderPrinter& aobjPrinter, SavedPrinterFont& audtSaved)
{
    audtSaved = {};
    ignoreErrors([&] { audtSaved.name = aobjPrinter.fontName(); });
    ignoreErrors([&] { audtSaved.size = static_cast<int>(std::lround(aobjPrinter.fontSize())); });
    ignoreErrors([&] { audtSaved.bold = aobjPrinter.fontBold(); });
}

void gsRestorePrinterFont(OrderPrinter& aobjPrinter, const SavedPrinterFont& audtSaved)
{
    if (audtSaved.name)
        ignoreErrors([&] { aobjPrinter.setFontName(*audtSaved.name); });
    if (audtSaved.size)
        ignoreErrors([&] { aobjPrinter.setFontSize(*audtSaved.size); });
    if (audtSaved.bold)
        ignoreErrors([&] { aobjPrinter.setFontBold(*audtSaved.bold); });
}

void msPrintOrder(OrderPrinter& aobjPrinter, const OrderDetails& audtOrder)
{
    const bool printed = trapErrors("msPrintOrder", [&] {
        aobjPrinter.setFontName(QStringLiteral("Courier New"));
        aobjPrinter.setFontSize(14);
        aobjPrinter.setFontBold(false);
        for (const PrintLine& line : gobjfOrderPage(audtOrder))
            aobjPrinter.printLine(line);
        aobjPrinter.endDoc();
    });
    if (!printed)
        ignoreErrors([&] { aobjPrinter.endDoc(); });
}
