#pragma once
// The printer as the order printout sees it: a current font (name, size,
// bold) that stays set between jobs, lines of text placed at character
// columns, and the end of a job, which sends the page.

#include <QList>
#include <QString>
#include <functional>
#include <memory>

// Text starting at a character column of a line (first column 1).
struct PrintPiece {
    int column;
    QString text;
};
// An empty line prints as a blank line.
using PrintLine = QList<PrintPiece>;

// The line as characters: each piece padded out to its column with spaces.
// A piece whose column is already passed follows straight on.
QString gstrfComposeLine(const PrintLine& aobjLine);

class OrderPrinter {
public:
    virtual ~OrderPrinter() = default;
    virtual QString fontName() const = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual double fontSize() const = 0;
    virtual void setFontSize(double points) = 0;
    virtual bool fontBold() const = 0;
    virtual void setFontBold(bool bold) = 0;
    // Starts a job if none is open. Throws RuntimeError on a printer fault.
    virtual void printLine(const PrintLine& line) = 0;
    // Sends the open job, if any.
    virtual void endDoc() = 0;
};

// The system's default printer (chosen when each job starts), or whatever
// the installed factory makes.
std::unique_ptr<OrderPrinter> gobjfNewPrinter();

// Tests print elsewhere; an empty factory restores the default printer.
using PrinterFactory = std::function<std::unique_ptr<OrderPrinter>()>;
void gsSetPrinterFactory(PrinterFactory factory);
