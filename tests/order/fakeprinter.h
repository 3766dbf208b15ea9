#pragma once
// A printer that keeps its pages in memory, for the printout tests.

#include "core/errors.h"
#include "order/printerlayer.h"

#include <QStringList>

struct FakePrinterLog {
    QStringList lines;           // every line of every job, as composed text
    QStringList fontsUsed;       // "name size bold" at each printed line
    int jobsEnded = 0;           // endDoc calls that closed an open job
    int endDocCalls = 0;
};

class FakePrinter : public OrderPrinter {
public:
    explicit FakePrinter(FakePrinterLog* log) : mLog(log) {}

    // No printer at all: every call fails, as a missing device would.
    bool absent = false;
    // Fails when printing this line of a job (1 = first); 0 never.
    int failAtLine = 0;

    QString mFontName = QStringLiteral("Arial");
    double mFontSize = 10;
    bool mFontBold = true;

    QString fontName() const override { check(); return mFontName; }
    void setFontName(const QString& name) override { check(); mFontName = name; }
    double fontSize() const override { check(); return mFontSize; }
    void setFontSize(double points) override { check(); mFontSize = points; }
    bool fontBold() const override { check(); return mFontBold; }
    void setFontBold(bool bold) override { check(); mFontBold = bold; }

    void printLine(const PrintLine& line) override
    {
        check();
        ++mLineInJob;
        mJobOpen = true;
        if (failAtLine && mLineInJob == failAtLine)
            throw RuntimeError(err::PrinterError, QStringLiteral("Printer error"));
        mLog->lines << gstrfComposeLine(line);
        mLog->fontsUsed << QStringLiteral("%1 %2 %3").arg(mFontName).arg(mFontSize).arg(mFontBold ? "bold" : "plain");
    }

    void endDoc() override
    {
        ++mLog->endDocCalls;
        check();
        if (mJobOpen)
            ++mLog->jobsEnded;
        mJobOpen = false;
        mLineInJob = 0;
    }

private:
    void check() const
    {
        if (absent)
            throw RuntimeError(err::PrinterError, QStringLiteral("Printer error: there is no default printer"));
    }

    FakePrinterLog* mLog;
    bool mJobOpen = false;
    int mLineInJob = 0;
};
