#include "order/printerlayer.h"

#include "core/errors.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

QString gstrfComposeLine(const PrintLine& aobjLine)
{
    QString line;
    for (const PrintPiece& piece : aobjLine) {
        const qsizetype start = qMax(piece.column, 1) - 1;
        if (line.size() < start)
            line.append(QString(start - line.size(), QLatin1Char(' ')));
        line.append(piece.text);
    }
    return line;
}

namespace {
class DefaultPrinter : public OrderPrinter {
public:
    DefaultPrinter() : mFontName(QGuiApplication::font().family()) {}
    ~DefaultPrinter() override
    {
        if (mPainter.isActive())
            mPainter.end();
    }

    QString fontName() const override { return mFontName; }
    void setFontName(const QString& name) override { mFontName = name; }
    double fontSize() const override { return mFontSize; }
    void setFontSize(double points) override { mFontSize = points; }
    bool fontBold() const override { return mFontBold; }
    void setFontBold(bool bold) override { mFontBold = bold; }

    void printLine(const PrintLine& line) override
    {
        if (!mPainter.isActive())
            startJob();
        QFont font(mFontName);
        font.setPointSizeF(mFontSize > 0 ? mFontSize : 10);
        font.setBold(mFontBold);
        // Columns count characters: a missing face must fall back to a
        // fixed-pitch one, not to a proportional sans.
        font.setStyleHint(QFont::TypeWriter);
        mPainter.setFont(font);
        const QFontMetricsF metrics(font, mPrinter.get());
        const double pageHeight = mPrinter->pageLayout().paintRectPixels(mPrinter->resolution()).height();
        if (mY + metrics.height() > pageHeight && mY > 0) {
            if (!mPrinter->newPage())
                throw RuntimeError(err::PrinterError, QStringLiteral("Printer error: a new page could not be started"));
            mY = 0;
        }
        mPainter.drawText(QPointF(0, mY + metrics.ascent()), gstrfComposeLine(line));
        mY += metrics.lineSpacing();
    }

    void endDoc() override
    {
        if (!mPainter.isActive())
            return;
        const bool sent = mPainter.end();
        mPrinter.reset();
        mY = 0;
        if (!sent)
            throw RuntimeError(err::PrinterError, QStringLiteral("Printer error: the page could not be sent"));
    }

private:
    void startJob()
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            throw RuntimeError(err::PrinterError, QStringLiteral("Printer error: there is no default printer"));
        mPrinter = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (!mPrinter->isValid())
            throw RuntimeError(err::PrinterError,
                               QStringLiteral("Printer error: the printer \"%1\" cannot be used").arg(info.printerName()));
        mPrinter->setDocName(QStringLiteral("Quillet Order Form"));
        if (!mPainter.begin(mPrinter.get()))
            throw RuntimeError(err::PrinterError,
                               QStringLiteral("Printer error: the printer \"%1\" did not start the job").arg(info.printerName()));
        mY = 0;
    }

    QString mFontName;
    double mFontSize = 10;
    bool mFontBold = false;
    std::unique_ptr<QPrinter> mPrinter;
    QPainter mPainter;
    double mY = 0;
};

PrinterFactory& factory()
{
    static PrinterFactory f;
    return f;
}
}

std::unique_ptr<OrderPrinter> gobjfNewPrinter()
{
    if (factory())
        return factory()();
    return std::make_unique<DefaultPrinter>();
}

void gsSetPrinterFactory(PrinterFactory f) { factory() = std::move(f); }
