// Prints orders through the real form on the system's default printer and
// reads the pages back. scripts/printer-setup.sh makes a PDF printer the
// default; without one the test is skipped, except in CI, where it fails.

#include "expectedpage.h"
#include "order/frmOrder.h"
#include "order/orderfields.h"
#include "order/printerlayer.h"
#include "testsupport.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace {
bool inCi() { return qEnvironmentVariable("CI") == QLatin1String("true"); }

// Where cups-pdf writes its pages: its configured folder first, then the
// usual defaults.
QStringList outputFolders()
{
    QStringList folders;
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QString user = qEnvironmentVariable("USER", QStringLiteral("root"));
        for (const QString& line : QString::fromLocal8Bit(conf.readAll()).split(QLatin1Char('\n'))) {
            if (!line.startsWith(QLatin1String("Out ")) && !line.startsWith(QLatin1String("Out\t")))
                continue;
            QString dir = line.mid(4).trimmed();
            dir.replace(QLatin1String("${HOME}"), QDir::homePath());
            dir.replace(QLatin1String("${USER}"), user);
            folders << dir;
        }
    }
    folders << QDir::homePath() + QStringLiteral("/PDF") << QStringLiteral("/var/spool/cups-pdf/ANONYMOUS")
            << QStringLiteral("/var/spool/cups-pdf/quillet");
    folders.removeDuplicates();
    return folders;
}

// The newest PDF written after `since`, once its size has settled.
QString waitForPdf(const QDateTime& since, const QStringList& seen)
{
    QDeadlineTimer deadline(90000);
    QString found;
    qint64 lastSize = -1;
    while (!deadline.hasExpired()) {
        QFileInfo newest;
        for (const QString& folder : outputFolders()) {
            const QFileInfoList files =
                QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
            for (const QFileInfo& f : files)
                if (f.lastModified() >= since && !seen.contains(f.absoluteFilePath()) &&
                    (!newest.exists() || f.lastModified() > newest.lastModified()))
                    newest = f;
        }
        if (newest.exists()) {
            if (newest.absoluteFilePath() == found && newest.size() == lastSize && lastSize > 0)
                return found;
            found = newest.absoluteFilePath();
            lastSize = newest.size();
        }
        QTest::qWait(500);
    }
    return QString();
}

// The page's text, one string per printed line. Liberation Mono 14 points
// advances 8.4 points a character, so pdftotext can place every character
// in its own column.
QStringList pageText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-fixed"), QStringLiteral("8.4"),
                                          pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (QString& l : lines) {
        l.remove(QLatin1Char('\f'));
        while (l.endsWith(QLatin1Char(' ')))
            l.chop(1);
    }
    while (!lines.isEmpty() && lines.first().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Compares the page with the expected lines (the leading blank line of the
// page cannot show in text), allowing the whole page to sit further right
// by the printer's margin.
void comparePage(const QStringList& page, const QStringList& expected)
{
    QCOMPARE(page.size(), expected.size());
    const int nameAt = static_cast<int>(page.at(2).indexOf(QLatin1String("Name:")));
    QVERIFY2(nameAt >= 2, qPrintable(page.at(2)));
    const int shift = nameAt - 2;
    for (int i = 0; i < page.size(); ++i) {
        const QString want = expected.at(i).isEmpty() ? QString() : QString(shift, QLatin1Char(' ')) + expected.at(i);
        QCOMPARE(page.at(i), want);
    }
}
}

class TestOrderPrintReal : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fullOrderOnPaper();
    void oneCopyWithoutOptionalLines();

private:
    QString printThrough(frmOrder& form);
    QStringList mSeen;
};

void TestOrderPrintReal::initTestCase()
{
    gsSetPrinterFactory({});
    QString missing;
    if (QPrinterInfo::defaultPrinter().isNull())
        missing = QStringLiteral("no default printer (scripts/printer-setup.sh sets one up)");
    else if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        missing = QStringLiteral("pdftotext is not installed");
    if (!missing.isEmpty()) {
        if (inCi())
            QFAIL(qPrintable(missing));
        QSKIP(qPrintable(missing));
    }
}

QString TestOrderPrintReal::printThrough(frmOrder& form)
{
    MessageRecorder messages;
    // File times have whole-second precision on some file systems.
    const QDateTime since = QDateTime::currentDateTime().addSecs(-1);
    form.cmdPrint()->click();
    if (!messages.calls.isEmpty())
        return QStringLiteral("message: ") + messages.calls.first().title + QStringLiteral(" / ") +
               messages.calls.first().text;
    const QString pdf = waitForPdf(since, mSeen);
    mSeen << pdf;
    return pdf;
}

void TestOrderPrintReal::fullOrderOnPaper()
{
    frmOrder form;
    form.show();
    QTest::keyClicks(form.txtOrderInfo(0), QStringLiteral("Jane Doe"));
    QTest::keyClicks(form.txtOrderInfo(1), QStringLiteral("12 Elm St"));
    QTest::keyClicks(form.txtOrderInfo(2), QStringLiteral("Apt 4"));
    QTest::keyClicks(form.txtOrderInfo(3), QStringLiteral("Rear Door"));
    QTest::keyClicks(form.txtOrderInfo(4), QStringLiteral("Springfield"));
    form.cboOrderInfo()->setCurrentIndex(form.cboOrderInfo()->findText(QStringLiteral("Illinois - IL")));
    QTest::keyClicks(form.mskOrderInfo(), QStringLiteral("62701"));
    QTest::keyClicks(form.txtOrderInfo(5), QStringLiteral("Canada"));
    QTest::keyClicks(form.txtOrderInfo(6), QStringLiteral("jane@example.org"));
    QTest::keyClicks(form.txtOrderInfo(7), QStringLiteral("12"));
    form.optShipTo(2)->click();
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$145"));

    const QString pdf = printThrough(form);
    QVERIFY2(pdf.endsWith(QLatin1String(".pdf")), qPrintable(QStringLiteral("no page came out: ") + pdf));
    const QStringList page = pageText(pdf);
    comparePage(page, fullOrderHead() + tail());
    // Printing leaves the form as it was.
    QVERIFY(form.isVisible());
    QCOMPARE(form.txtOrderInfo(0)->text(), QStringLiteral("Jane Doe"));
    QFile::remove(pdf);
}

void TestOrderPrintReal::oneCopyWithoutOptionalLines()
{
    frmOrder form;
    form.show();
    QTest::keyClicks(form.txtOrderInfo(0), QStringLiteral("Bob"));
    QTest::keyClicks(form.txtOrderInfo(1), QStringLiteral("1 Main St"));
    QTest::keyClicks(form.txtOrderInfo(4), QStringLiteral("Toronto"));
    QTest::keyClicks(form.txtOrderInfo(7), QStringLiteral("1"));
    form.optShipTo(0)->click();
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$12"));

    const QString pdf = printThrough(form);
    QVERIFY2(pdf.endsWith(QLatin1String(".pdf")), qPrintable(QStringLiteral("no page came out: ") + pdf));
    const QStringList page = pageText(pdf);
    comparePage(page, oneCopyHead("Toronto") + tail());
    QFile::remove(pdf);
}

QTEST_MAIN(TestOrderPrintReal)
#include "tst_orderprint_real.moc"
