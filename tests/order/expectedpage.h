#pragma once
// The printed order page as the tests expect it, composed independently of
// the code under test.

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <utility>

namespace {
// A line as the page should show it, composed independently of the code
// under test: each text starts at its 1-based column.
QString cols(std::initializer_list<std::pair<int, const char*>> pieces)
{
    QString line;
    for (const auto& [column, text] : pieces) {
        while (line.size() < column - 1)
            line += QLatin1Char(' ');
        line += QString::fromLatin1(text);
    }
    return line;
}

// The full order's page (12 copies abroad, every line filled) from its
// title down to the blank line after the total.
QStringList fullOrderHead()
{
    return {
        cols({{24, "***** ORDER FORM *****"}}),
        QString(),
        cols({{3, "Name:"}, {15, "Jane Doe"}}),
        cols({{3, "Address:"}, {15, "12 Elm St"}}),
        cols({{15, "Apt 4"}}),
        cols({{15, "Rear Door"}}),
        cols({{15, "Springfield, IL 62701"}}),
        cols({{15, "Canada"}}),
        QString(),
        cols({{3, "Email:"}, {15, "jane@example.org"}}),
        QString(),
        cols({{3, "12 Copies @ US $10 each:"}, {30, "   120"}}),
        cols({{3, "Shipping Charge:"}, {30, "    25"}}),
        QString(),
        cols({{3, "Total:"}, {30, "  $145"}}),
        QString(),
    };
}

// A one-copy order to the USA with no second or third address line, no
// country and no e-mail, down to the blank line after the total.
QStringList oneCopyHead(const char* cityLine)
{
    return {
        cols({{24, "***** ORDER FORM *****"}}),
        QString(),
        cols({{3, "Name:"}, {15, "Bob"}}),
        cols({{3, "Address:"}, {15, "1 Main St"}}),
        cols({{15, cityLine}}),
        QString(),
        QString(),
        cols({{3, "1 Copy @ US $10 each:"}, {30, "    10"}}),
        cols({{3, "Shipping Charge:"}, {30, "     2"}}),
        QString(),
        cols({{3, "Total:"}, {30, "   $12"}}),
        QString(),
    };
}

// The lines after the total: payee, delivery, mailing address, thanks.
QStringList tail()
{
    return {
        cols({{3, "Make check payable to Quillet Software."}}),
        QString(),
        cols({{3, "Allow up to two weeks for delivery."}}),
        QString(),
        cols({{3, "Mail To:"}, {15, "Quillet Software"}}),
        cols({{15, "PO Box 100"}}),
        cols({{15, "Springfield, IL 62701"}}),
        cols({{15, "USA"}}),
        QString(),
        cols({{3, "Questions/Comment to support@quillet.example"}}),
        QString(),
        cols({{28, "THANK YOU!!!"}}),
    };
}

}
