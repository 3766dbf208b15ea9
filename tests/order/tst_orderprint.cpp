// The printed order page, the printer's font around a print, and print
// faults, through a printer that keeps its pages in memory.

#include "expectedpage.h"
#include "fakeprinter.h"
#include "order/frmOrder.h"
#include "order/orderfields.h"
#include "order/orderprint.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
OrderDetails fullOrder()
{
    OrderDetails o;
    o.name = QStringLiteral("  Jane Doe ");
    o.address1 = QStringLiteral("12 Elm St");
    o.address2 = QStringLiteral(" Apt 4");
    o.address3 = QStringLiteral("Rear Door");
    o.city = QStringLiteral("Springfield");
    o.state = QStringLiteral("Illinois - IL");
    o.zip = QStringLiteral("62701");
    o.country = QStringLiteral("Canada");
    o.email = QStringLiteral("jane@example.org");
    o.copies = QStringLiteral("12");
    o.shipping = 25;
    o.amountDue = QStringLiteral("$145");
    return o;
}

QStringList printed(const OrderDetails& order, FakePrinterLog& log, FakePrinter* configure = nullptr)
{
    FakePrinter own(&log);
    FakePrinter& printer = configure ? *configure : own;
    SavedPrinterFont saved;
    gsSavePrinterFont(printer, saved);
    msPrintOrder(printer, order);
    gsRestorePrinterFont(printer, saved);
    return log.lines;
}
}

class TestOrderPrint : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { gsSetPrinterFactory({}); }
    void composingAndAligning();
    void fullOrderPage();
    void emptyOptionalLinesAndOneCopy();
    void cityLineWithoutState();
    void amountsWiderThanTheirField();
    void fontIsPrintedInCourierAndRestored();
    void printerFaultEndsJobAndRestoresFont();
    void noPrinterReportsOnceAndKeepsGoing();
    void printingFromTheForm();
    void failedPrintKeepsTheFormAndItsFields();
    void faultInTheHandlerIsReportedUnderItsName();
};

void TestOrderPrint::composingAndAligning()
{
    QCOMPARE(gstrfComposeLine({}), QString());
    QCOMPARE(gstrfComposeLine({{1, "ab"}}), QStringLiteral("ab"));
    QCOMPARE(gstrfComposeLine({{3, "ab"}, {6, "c"}}), QStringLiteral("  ab c"));
    // A column already passed does not overwrite what is there.
    QCOMPARE(gstrfComposeLine({{1, "abcdef"}, {3, "X"}}), QStringLiteral("abcdefX"));
    QCOMPARE(gstrfRightAlign(QStringLiteral("10"), 6), QStringLiteral("    10"));
    QCOMPARE(gstrfRightAlign(QStringLiteral("$12"), 6), QStringLiteral("   $12"));
    QCOMPARE(gstrfRightAlign(QStringLiteral("123456"), 6), QStringLiteral("123456"));
}

void TestOrderPrint::fullOrderPage()
{
    MessageRecorder messages;
    FakePrinterLog log;
    const QStringList page = printed(fullOrder(), log);
    const QStringList expected = QStringList{QString()} + fullOrderHead() + tail();
    QCOMPARE(page.size(), 29);
    QCOMPARE(page, expected);
    // The amounts end in the same column (30 + 6 - 1).
    for (int i : {12, 13, 15})
        QCOMPARE(page.at(i).size(), 35);
    QCOMPARE(log.jobsEnded, 1);
    QVERIFY(messages.calls.isEmpty());
}

void TestOrderPrint::emptyOptionalLinesAndOneCopy()
{
    OrderDetails o;
    o.name = QStringLiteral("Bob");
    o.address1 = QStringLiteral("1 Main St");
    o.address2 = QStringLiteral("   ");
    o.city = QStringLiteral("Austin");
    o.state = QStringLiteral("Texas - TX");
    o.zip = QStringLiteral("73301");
    o.copies = QStringLiteral("1");
    o.shipping = 2;
    o.amountDue = QStringLiteral("$12");
    FakePrinterLog log;
    const QStringList page = printed(o, log);
    const QStringList expected = QStringList{QString()} + oneCopyHead("Austin, TX 73301") + tail();
    QCOMPARE(page, expected);
}

void TestOrderPrint::cityLineWithoutState()
{
    OrderDetails o = fullOrder();
    o.state.clear();
    o.zip = QStringLiteral("12345");
    FakePrinterLog log;
    QCOMPARE(printed(o, log).at(7), cols({{15, "Springfield"}}));
    // The odd entry without a dash still gives its two-letter code.
    o.state = QStringLiteral("North Dakota ND");
    FakePrinterLog log2;
    QCOMPARE(printed(o, log2).at(7), cols({{15, "Springfield, ND 12345"}}));
}

void TestOrderPrint::amountsWiderThanTheirField()
{
    MessageRecorder messages;
    OrderDetails o = fullOrder();
    o.copies = QStringLiteral("9999");
    o.shipping = 19999;
    o.amountDue = QStringLiteral("$119989");
    FakePrinterLog log;
    const QStringList page = printed(o, log);
    QVERIFY(messages.calls.isEmpty());
    QCOMPARE(page.size(), 29);
    QCOMPARE(page.at(12), cols({{3, "9999 Copies @ US $10 each:"}, {30, " 99990"}}));
    QCOMPARE(page.at(15), cols({{3, "Total:"}, {30, "$119989"}}));
}

void TestOrderPrint::fontIsPrintedInCourierAndRestored()
{
    FakePrinterLog log;
    FakePrinter printer(&log);
    printer.mFontName = QStringLiteral("Times New Roman");
    printer.mFontSize = 10.6;
    printer.mFontBold = true;
    printed(fullOrder(), log, &printer);
    QCOMPARE(log.fontsUsed.size(), 29);
    for (const QString& font : log.fontsUsed)
        QCOMPARE(font, QStringLiteral("Courier New 14 plain"));
    QCOMPARE(printer.mFontName, QStringLiteral("Times New Roman"));
    QCOMPARE(printer.mFontSize, 11.0);  // whole points, as saved
    QCOMPARE(printer.mFontBold, true);
}

void TestOrderPrint::printerFaultEndsJobAndRestoresFont()
{
    MessageRecorder messages;
    FakePrinterLog log;
    FakePrinter printer(&log);
    printer.failAtLine = 5;
    printed(fullOrder(), log, &printer);
    QCOMPARE(messages.calls.size(), 1);
    QCOMPARE(messages.calls.at(0).title, QStringLiteral("Error In msPrintOrder"));
    QCOMPARE(messages.calls.at(0).text, QStringLiteral("Error 482 - Printer error"));
    QCOMPARE(messages.calls.at(0).icon, MsgIcon::Exclamation);
    QCOMPARE(log.lines.size(), 4);
    QCOMPARE(log.jobsEnded, 1);
    QCOMPARE(printer.mFontName, QStringLiteral("Arial"));
    QCOMPARE(printer.mFontSize, 10.0);
    QCOMPARE(printer.mFontBold, true);
}

void TestOrderPrint::noPrinterReportsOnceAndKeepsGoing()
{
    MessageRecorder messages;
    FakePrinterLog log;
    FakePrinter printer(&log);
    printer.absent = true;
    printed(fullOrder(), log, &printer);
    // Saving and restoring the font fail quietly; only the print reports.
    QCOMPARE(messages.errors().size(), 1);
    QCOMPARE(messages.errors().at(0).title, QStringLiteral("Error In msPrintOrder"));
    QVERIFY(log.lines.isEmpty());
    QVERIFY(log.endDocCalls >= 1);
}

void TestOrderPrint::printingFromTheForm()
{
    MessageRecorder messages;
    FakePrinterLog log;
    FakePrinter* made = nullptr;
    gsSetPrinterFactory([&] {
        auto p = std::make_unique<FakePrinter>(&log);
        made = p.get();
        return p;
    });
    frmOrder form;
    form.show();
    QTest::keyClicks(form.txtOrderInfo(0), QStringLiteral("Jane Doe"));
    QTest::keyClicks(form.txtOrderInfo(1), QStringLiteral("12 Elm St"));
    QTest::keyClicks(form.txtOrderInfo(4), QStringLiteral("Springfield"));
    form.cboOrderInfo()->setCurrentIndex(form.cboOrderInfo()->findText(QStringLiteral("Illinois - IL")));
    QTest::keyClicks(form.mskOrderInfo(), QStringLiteral("627"));
    QTest::keyClicks(form.txtOrderInfo(7), QStringLiteral("3"));
    form.optShipTo(2)->click();
    QVERIFY(form.cmdPrint()->isEnabled());
    form.cmdPrint()->click();
    QVERIFY(messages.calls.isEmpty());
    QVERIFY(made);
    const QStringList& page = log.lines;
    QCOMPARE(page.size(), 25);
    QCOMPARE(page.at(3), cols({{3, "Name:"}, {15, "Jane Doe"}}));
    // A ZIP typed only in part prints as typed, without prompt characters.
    QCOMPARE(page.at(5), cols({{15, "Springfield, IL 627"}}));
    QCOMPARE(page.at(8), cols({{3, "3 Copies @ US $10 each:"}, {30, "    30"}}));
    QCOMPARE(page.at(9), cols({{3, "Shipping Charge:"}, {30, "     7"}}));
    QCOMPARE(page.at(11), cols({{3, "Total:"}, {30, "   $37"}}));
    QCOMPARE(made->mFontName, QStringLiteral("Arial"));
    // The printer is kept for the form's life: a second print reuses it.
    FakePrinter* first = made;
    form.cmdPrint()->click();
    QCOMPARE(made, first);
    QCOMPARE(log.jobsEnded, 2);
}

void TestOrderPrint::failedPrintKeepsTheFormAndItsFields()
{
    MessageRecorder messages;
    FakePrinterLog log;
    gsSetPrinterFactory([&] {
        auto p = std::make_unique<FakePrinter>(&log);
        p->absent = true;
        return p;
    });
    frmOrder form;
    form.show();
    QTest::keyClicks(form.txtOrderInfo(0), QStringLiteral("Jane Doe"));
    QTest::keyClicks(form.txtOrderInfo(7), QStringLiteral("2"));
    form.optShipTo(0)->click();
    form.cmdPrint()->click();
    QCOMPARE(messages.errors().size(), 1);
    QCOMPARE(messages.errors().at(0).title, QStringLiteral("Error In msPrintOrder"));
    QVERIFY(form.isVisible());
    QCOMPARE(form.txtOrderInfo(0)->text(), QStringLiteral("Jane Doe"));
    QCOMPARE(form.txtOrderInfo(7)->text(), QStringLiteral("2"));
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$23"));
    QVERIFY(form.cmdPrint()->isEnabled());
}

void TestOrderPrint::faultInTheHandlerIsReportedUnderItsName()
{
    MessageRecorder messages;
    gsSetPrinterFactory([]() -> std::unique_ptr<OrderPrinter> {
        throw RuntimeError(err::OutOfMemory, QStringLiteral("Out of memory"));
    });
    frmOrder form;
    form.cmdPrint_Click();
    QCOMPARE(messages.errors().size(), 1);
    QCOMPARE(messages.errors().at(0).title, QStringLiteral("Error In cmdPrint_Click"));
    QCOMPARE(messages.errors().at(0).text, QStringLiteral("Error 7 - Out of memory"));
}

QTEST_MAIN(TestOrderPrint)
#include "tst_orderprint.moc"
