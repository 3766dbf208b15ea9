// Printing on a machine with no printer: the fault is reported under
// "msPrintOrder" and the form keeps everything typed.

#include "order/frmOrder.h"
#include "order/orderfields.h"
#include "order/printerlayer.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestOrderNoPrinter : public QObject {
    Q_OBJECT
private slots:
    void printWithoutAPrinter();
};

void TestOrderNoPrinter::printWithoutAPrinter()
{
    QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "the print system should be out of reach here");
    MessageRecorder messages;
    frmOrder form;
    form.show();
    QTest::keyClicks(form.txtOrderInfo(0), QStringLiteral("Jane Doe"));
    QTest::keyClicks(form.txtOrderInfo(1), QStringLiteral("12 Elm St"));
    QTest::keyClicks(form.txtOrderInfo(7), QStringLiteral("3"));
    form.optShipTo(0)->click();
    form.cmdPrint()->click();

    QCOMPARE(messages.calls.size(), 1);
    QCOMPARE(messages.calls.at(0).title, QStringLiteral("Error In msPrintOrder"));
    QVERIFY2(messages.calls.at(0).text.startsWith(QLatin1String("Error 482 - ")), qPrintable(messages.calls.at(0).text));
    QCOMPARE(messages.calls.at(0).icon, MsgIcon::Exclamation);
    QVERIFY(form.isVisible());
    QCOMPARE(form.txtOrderInfo(0)->text(), QStringLiteral("Jane Doe"));
    QCOMPARE(form.txtOrderInfo(1)->text(), QStringLiteral("12 Elm St"));
    QCOMPARE(form.txtOrderInfo(7)->text(), QStringLiteral("3"));
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$34"));
    QVERIFY(form.cmdPrint()->isEnabled());

    // Trying again reports again, and still nothing is lost.
    form.cmdPrint()->click();
    QCOMPARE(messages.calls.size(), 2);
    QCOMPARE(messages.calls.at(1).title, QStringLiteral("Error In msPrintOrder"));
    QCOMPARE(form.txtOrderInfo(0)->text(), QStringLiteral("Jane Doe"));
}

int main(int argc, char* argv[])
{
    // Point the print system at a server that does not exist, before Qt
    // asks it for printers.
    qputenv("CUPS_SERVER", "/nonexistent/quillet-test/cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QApplication app(argc, argv);
    TestOrderNoPrinter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_orderprint_noprinter.moc"
