// The order form: its controls, the keystroke filters of every field, the
// amount due and when Print is allowed, and closing up the address lines.

#include "order/addresslines.h"
#include "order/amountdue.h"
#include "order/frmOrder.h"
#include "order/keyfilters.h"
#include "order/orderfields.h"
#include "order/statelist.h"
#include "testsupport.h"
#include "window/announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
QString typed(QLineEdit* box, const QString& keys)
{
    box->clear();
    QTest::keyClicks(box, keys);
    return box->text();
}

// A key that types text outside Latin-1 letters keys, like an accented
// letter from a keyboard layout.
void typeText(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

void pasteInto(QLineEdit* box, const QString& text)
{
    QApplication::clipboard()->setText(text);
    box->paste();
}

QStringList lines(const QList<QLineEdit*>& boxes)
{
    QStringList l;
    for (QLineEdit* b : boxes)
        l << b->text();
    return l;
}
}

class TestOrderForm : public QObject {
    Q_OBJECT
private slots:
    void controlsAtTheirPlaces();
    void fieldsReadWithTheirLabels();
    void labelsAreNotClipped();
    void stateList();
    void validateKey();
    void processKey();
    void nameCityCountryFilter();
    void addressFilter();
    void emailFilter();
    void copiesFilter();
    void stateListKeys();
    void zipBox();
    void clickIntoMaskedBoxThenType_data();
    void clickIntoMaskedBoxThenType();
    void tabIntoMaskedBoxThenType();
    void pasteIsFiltered();
    void maximumLengths();
    void enterMovesToTheNextField();
    void focusSelectsAll();
    void amountsAndPrintEnabling();
    void noCopiesCostNothing();
    void pasteByMouseUpdatesTheAmount();
    void amountRules();
    void alignInputClosesUpInOrder();
    void leavingABoxClosesUpTheAddress();
    void escapeKeepsTheFormOpen();
};

void TestOrderForm::controlsAtTheirPlaces()
{
    frmOrder form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Order Form"));
    QVERIFY(form.isModal());
    const struct {
        const char* name;
        int left, top, width;
    } places[] = {
        {"txtOrderInfo_0", 80, 16, 257}, {"txtOrderInfo_1", 80, 40, 257}, {"txtOrderInfo_2", 80, 64, 257},
        {"txtOrderInfo_3", 80, 88, 257}, {"cboOrderInfo", 120, 136, 129}, {"mskOrderInfo", 80, 160, 49},
        {"txtOrderInfo_5", 144, 184, 193}, {"txtOrderInfo_6", 104, 216, 233}, {"txtOrderInfo_7", 176, 280, 33},
        {"lblAmtDue", 107, 360, -1},     {"cmdPrint", 272, 472, 65},      {"cmdClose", 344, 472, 65},
    };
    for (const auto& p : places) {
        auto* w = form.findChild<QWidget*>(QString::fromLatin1(p.name));
        QVERIFY2(w, p.name);
        QCOMPARE(w->x(), p.left);
        QCOMPARE(w->y(), p.top);
        if (p.width > 0)
            QCOMPARE(w->width(), p.width);
    }
    QCOMPARE(form.cmdPrint()->height(), 25);
    QCOMPARE(form.txtOrderInfo(4)->y(), 112);
    QCOMPARE(form.optShipTo(0)->y(), 312);
    QCOMPARE(form.optShipTo(2)->y(), 328);
    QVERIFY(!form.optShipTo(1));
    QCOMPARE(form.optShipTo(0)->text(), QStringLiteral("USA: $2  Each additional copy add $1"));
    QCOMPARE(form.optShipTo(2)->text(), QStringLiteral("All other countries: $3  Each additional copy add $2"));
    QCOMPARE(form.cmdPrint()->text(), QStringLiteral("&Print"));
    QCOMPARE(form.cmdClose()->text(), QStringLiteral("&Close"));
    QVERIFY(!form.cmdPrint()->isEnabled());
    QCOMPARE(form.shipTo(), -1);
    QCOMPARE(form.lblAmtDue()->text(), QString());

    QStringList texts;
    for (QLabel* l : form.frame()->findChildren<QLabel*>())
        if (l != form.lblAmtDue())
            texts << l->text();
    for (const char* t : {"Name:", "Address:", "City:", "State (USA Only):", "Zip Code:", "Country (if not USA):",
                          "Email Address:", "(Optional, for support purpose only)", "# of Copies (US $10 each):",
                          "Ship To:", "* Amount Due:",
                          "* Payment must be in U.S. dollars and drawn against a U.S. bank.   Please do not send cash.",
                          "Make check payable to Quillet Software", "Allow up to two weeks for delivery.",
                          "THANK YOU!"})
        QVERIFY2(texts.contains(QString::fromLatin1(t)), t);
    auto* thanks = form.findChildren<QLabel*>().last();
    QCOMPARE(thanks->text(), QStringLiteral("THANK YOU!"));
    QCOMPARE(thanks->pos(), QPoint(174, 480));
}

void TestOrderForm::labelsAreNotClipped()
{
    frmOrder form;
    form.show();
    const QList<QWidget*> controls = form.frame()->findChildren<QWidget*>();
    for (QLabel* label : form.frame()->findChildren<QLabel*>()) {
        if (label == form.lblAmtDue())
            continue;
        const QRect shown = label->geometry();
        QVERIFY2(form.frame()->contentsRect().contains(shown), qPrintable(label->text()));
        if (label->wordWrap()) {
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
            continue;
        }
        QVERIFY2(label->sizeHint().width() <= shown.width(), qPrintable(label->text()));
        QVERIFY2(label->sizeHint().height() <= shown.height(), qPrintable(label->text()));
        // A caption must not run under the control beside it.
        for (QWidget* other : controls)
            if (other != label && !qobject_cast<QLabel*>(other) && other->parentWidget() == form.frame())
                QVERIFY2(!shown.intersects(other->geometry()),
                         qPrintable(label->text() + QStringLiteral(" overlaps ") + other->objectName()));
    }
    // Four digits fit in the copies box.
    QLineEdit* copies = form.txtOrderInfo(7);
    const int room = copies->width() - 2 * copies->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
    QVERIFY(copies->fontMetrics().horizontalAdvance(QStringLiteral("8888")) <= room);
}

void TestOrderForm::stateList()
{
    frmOrder form;
    QComboBox* list = form.cboOrderInfo();
    QCOMPARE(list->count(), 51);
    QCOMPARE(list->itemText(0), QString());
    QCOMPARE(list->itemText(1), QStringLiteral("Alaska - AK"));
    QCOMPARE(list->itemText(2), QStringLiteral("Alabama - AL"));
    QCOMPARE(list->itemText(34), QStringLiteral("North Dakota ND"));
    QCOMPARE(list->itemText(50), QStringLiteral("Wyoming - WY"));
    QSet<QString> codes;
    for (int i = 1; i < list->count(); ++i) {
        const QString code = list->itemText(i).right(2);
        QVERIFY2(code.size() == 2 && code == code.toUpper() && code.at(0).isLetter(), qPrintable(list->itemText(i)));
        codes.insert(code);
    }
    QCOMPARE(codes.size(), 50);
    // Loading again starts from a clean list.
    gsLoadStateList(list);
    QCOMPARE(list->count(), 51);
}

void TestOrderForm::validateKey()
{
    const QString name = QString::fromLatin1(keyset::kName);
    QCOMPARE(gintfValidateKey(name, 'a'), int('a'));
    QCOMPARE(gintfValidateKey(name, 'Z'), int('Z'));
    QCOMPARE(gintfValidateKey(name, '"'), int('"'));
    QCOMPARE(gintfValidateKey(name, '5'), 0);
    QCOMPARE(gintfValidateKey(name, '#'), 0);
    QCOMPARE(gintfValidateKey(name, 8), 8);
    QCOMPARE(gintfValidateKey(QString(), 22), 22);
    // Allowed lists in lower case work the same.
    QCOMPARE(gintfValidateKey(QStringLiteral("abc"), 'B'), int('B'));
    // Non-ASCII letters that capitalise to an ASCII one stay out.
    QCOMPARE(gintfValidateKey(name, 0x131), 0);
    QCOMPARE(gintfValidateKey(name, 0x17F), 0);
    QCOMPARE(gintfValidateKey(name, 0xE9), 0);
}

void TestOrderForm::processKey()
{
    int key = kKeyEnter;
    gsProcessKey(key, QStringLiteral("A"), false, nullptr);
    QCOMPARE(key, kKeyEnter);
    gsProcessKey(key, QStringLiteral("A"), true, nullptr);
    QCOMPARE(key, 0);
    key = 'a';
    gsProcessKey(key, QStringLiteral("A"), true, nullptr);
    QCOMPARE(key, int('a'));
    key = 'b';
    gsProcessKey(key, QStringLiteral("A"), true, nullptr);
    QCOMPARE(key, 0);
}

void TestOrderForm::nameCityCountryFilter()
{
    frmOrder form;
    for (int i : {0, 4, 5}) {
        QLineEdit* box = form.txtOrderInfo(i);
        QCOMPARE(typed(box, QStringLiteral("jOhn 3 o'Neil-Smith, Jr. & \"Co\"#/9")),
                 QStringLiteral("jOhn  o'Neil-Smith, Jr. & \"Co\""));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("jOhn  o'Neil-Smith, Jr. & \"C"));
    }
}

void TestOrderForm::addressFilter()
{
    frmOrder form;
    for (int i : {1, 2, 3})
        QCOMPARE(typed(form.txtOrderInfo(i), QStringLiteral("12b Elm St. #4/5, O'Hare & Co-op; \"x\"@!")),
                 QStringLiteral("12b Elm St. #4/5, O'Hare & Co-op x"));
}

void TestOrderForm::emailFilter()
{
    frmOrder form;
    const QString all = keyset::printableAscii();
    QCOMPARE(all.size(), 95);
    QLineEdit* box = form.txtOrderInfo(6);
    box->setMaxLength(200);
    QCOMPARE(typed(box, all), all);
    box->clear();
    typeText(box, QStringLiteral("j\u00e9@x.org\u0131"));
    QCOMPARE(box->text(), QStringLiteral("j@x.org"));
    // Accented letters are no letters of the name's set either.
    typeText(form.txtOrderInfo(0), QStringLiteral("Ren\u00e9e"));
    QCOMPARE(form.txtOrderInfo(0)->text(), QStringLiteral("Rene"));
}

void TestOrderForm::copiesFilter()
{
    frmOrder form;
    QLineEdit* box = form.txtOrderInfo(7);
    QCOMPARE(typed(box, QStringLiteral("0")), QString());
    QCOMPARE(typed(box, QStringLiteral("10")), QStringLiteral("10"));
    QCOMPARE(typed(box, QStringLiteral("0a1 x0")), QStringLiteral("10"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("1"));
    // Typing over a selected count cannot leave a leading 0 either.
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("0"));
    QVERIFY(!box->text().startsWith(QLatin1Char('0')));
}

void TestOrderForm::stateListKeys()
{
    frmOrder form;
    QComboBox* list = form.cboOrderInfo();
    QTest::keyClick(list, Qt::Key_W);
    QVERIFY(list->currentText().startsWith(QLatin1Char('W')));
    const int chosen = list->currentIndex();
    QTest::keyClick(list, Qt::Key_5);
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(list->currentIndex(), chosen);
    // A new search once the typing pause has passed.
    QTest::qWait(QApplication::keyboardInputInterval() + 100);
    QTest::keyClicks(list, QStringLiteral("t"));
    QVERIFY(list->currentText().startsWith(QLatin1Char('T')));
}

void TestOrderForm::zipBox()
{
    frmOrder form;
    QLineEdit* zip = form.mskOrderInfo();
    QCOMPARE(typed(zip, QStringLiteral("12a-34")), QStringLiteral("1234"));
    QCOMPARE(typed(zip, QStringLiteral("1234567")), QStringLiteral("12345"));
    QCOMPARE(typed(zip, QString()), QString());
    QTest::keyClicks(zip, QStringLiteral("62"));
    // What is printed is what was typed, no prompts or blanks.
    QCOMPARE(form.orderDetails().zip, QStringLiteral("62"));
}

static QList<OrderLineEdit*> maskedBoxes(const frmOrder& form)
{
    QList<OrderLineEdit*> boxes;
    for (OrderLineEdit* box : form.findChildren<OrderLineEdit*>())
        if (!box->inputMask().isEmpty())
            boxes.append(box);
    return boxes;
}

void TestOrderForm::clickIntoMaskedBoxThenType_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<double>("where");  // across the box, 0 left edge to 1 right edge
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty, left edge") << QString() << 0.05 << "98765" << "98765";
    QTest::newRow("empty, middle") << QString() << 0.5 << "123" << "123__";
    QTest::newRow("empty, near right end") << QString() << 0.9 << "98765" << "98765";
    QTest::newRow("empty, right edge") << QString() << 0.99 << "4" << "4____";
    QTest::newRow("part filled, right end") << "12" << 0.9 << "345" << "12345";
    QTest::newRow("part filled, middle") << "1" << 0.6 << "2" << "12___";
    // A filled box keeps the click where it is, so a digit can be mended.
    QTest::newRow("filled, typed over") << "12345" << 0.05 << "9" << "92345";
}

void TestOrderForm::clickIntoMaskedBoxThenType()
{
    QFETCH(QString, before);
    QFETCH(double, where);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    frmOrder form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QList<OrderLineEdit*> boxes = maskedBoxes(form);
    QVERIFY(boxes.contains(form.mskOrderInfo()));
    for (OrderLineEdit* box : boxes) {
        box->setText(before);
        form.txtOrderInfo(0)->setFocus();
        const QPoint at(int(box->width() * where), box->height() / 2);
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, keys);
        QCOMPARE(box->displayText(), shown);
    }
    QString digits = shown;
    digits.remove(QLatin1Char('_'));
    QCOMPARE(form.orderDetails().zip, digits);
}

void TestOrderForm::tabIntoMaskedBoxThenType()
{
    frmOrder form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (const QString& before : {QString(), QStringLiteral("12"), QStringLiteral("12345")}) {
        form.mskOrderInfo()->setText(before);
        form.mskOrderInfo()->setCursorPosition(5);
        form.cboOrderInfo()->setFocus();
        QTest::keyClick(form.cboOrderInfo(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.mskOrderInfo());
        QTest::keyClicks(form.mskOrderInfo(), QStringLiteral("98765"));
        QCOMPARE(form.orderDetails().zip, QStringLiteral("98765"));
    }
}

void TestOrderForm::pasteIsFiltered()
{
    frmOrder form;
    QLineEdit* name = form.txtOrderInfo(0);
    pasteInto(name, QStringLiteral("Jo3hn\tSmith#1"));
    QCOMPARE(name->text(), QStringLiteral("JohnSmith"));
    name->setText(QStringLiteral("Ann"));
    name->setCursorPosition(1);
    name->insert(QStringLiteral("x9y"));
    QCOMPARE(name->text(), QStringLiteral("Axynn"));
    QCOMPARE(name->cursorPosition(), 3);
    QLineEdit* copies = form.txtOrderInfo(7);
    pasteInto(copies, QStringLiteral("007a"));
    QCOMPARE(copies->text(), QStringLiteral("7"));
    QLineEdit* address = form.txtOrderInfo(1);
    pasteInto(address, QStringLiteral("5 Oak Rd.\n@Box"));
    QCOMPARE(address->text(), QStringLiteral("5 Oak Rd.Box"));
    QLineEdit* zip = form.mskOrderInfo();
    zip->setCursorPosition(0);
    pasteInto(zip, QStringLiteral("98"));
    QCOMPARE(zip->text(), QStringLiteral("98"));
    QLineEdit* email = form.txtOrderInfo(6);
    pasteInto(email, QStringLiteral("a\u00e9b@c.d"));
    QCOMPARE(email->text(), QStringLiteral("ab@c.d"));
}

void TestOrderForm::maximumLengths()
{
    frmOrder form;
    const QString sixty(60, QLatin1Char('a'));
    for (int i = 0; i <= 6; ++i) {
        QCOMPARE(form.txtOrderInfo(i)->maxLength(), 50);
        QCOMPARE(typed(form.txtOrderInfo(i), sixty).size(), 50);
    }
    QCOMPARE(form.txtOrderInfo(7)->maxLength(), 4);
    QCOMPARE(typed(form.txtOrderInfo(7), QStringLiteral("123456")), QStringLiteral("1234"));
    pasteInto(form.txtOrderInfo(0), sixty);
    QCOMPARE(form.txtOrderInfo(0)->text().size(), 50);
}

void TestOrderForm::enterMovesToTheNextField()
{
    frmOrder form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QList<QWidget*> chain = {form.txtOrderInfo(0), form.txtOrderInfo(1), form.txtOrderInfo(2),
                                   form.txtOrderInfo(3), form.txtOrderInfo(4), form.cboOrderInfo(),
                                   form.mskOrderInfo(),  form.txtOrderInfo(5), form.txtOrderInfo(6),
                                   form.txtOrderInfo(7)};
    form.txtOrderInfo(0)->setFocus();
    for (int i = 0; i + 1 < chain.size(); ++i) {
        QCOMPARE(QApplication::focusWidget(), chain.at(i));
        QTest::keyClick(chain.at(i), i % 2 ? Qt::Key_Enter : Qt::Key_Return);
    }
    QCOMPARE(QApplication::focusWidget(), chain.last());
    QTest::keyClicks(chain.last(), QStringLiteral("2"));
    QTest::keyClick(chain.last(), Qt::Key_Return);
    QVERIFY(QApplication::focusWidget() != chain.last());
    for (int i = 0; i <= 7; ++i)
        QCOMPARE(form.txtOrderInfo(i)->text(), i == 7 ? QStringLiteral("2") : QString());
    QCOMPARE(form.cboOrderInfo()->currentIndex(), 0);
    // Enter never reaches the buttons.
    QVERIFY(form.isVisible());
}

void TestOrderForm::focusSelectsAll()
{
    frmOrder form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (int i = 0; i <= 7; ++i)
        form.txtOrderInfo(i)->setText(i == 7 ? QStringLiteral("12") : QStringLiteral("Some text"));
    form.mskOrderInfo()->setText(QStringLiteral("123"));
    for (int i = 0; i <= 7; ++i) {
        form.cmdClose()->setFocus();
        form.txtOrderInfo(i)->setCursorPosition(1);
        form.txtOrderInfo(i)->setFocus(Qt::OtherFocusReason);
        QCOMPARE(form.txtOrderInfo(i)->selectedText(), form.txtOrderInfo(i)->text());
    }
    form.mskOrderInfo()->setCursorPosition(2);
    form.mskOrderInfo()->setFocus(Qt::MouseFocusReason);
    QCOMPARE(form.mskOrderInfo()->selectionStart(), 0);
    QVERIFY(form.mskOrderInfo()->selectedText().startsWith(QStringLiteral("123")));
    // Typing replaces the whole ZIP.
    QTest::keyClicks(form.mskOrderInfo(), QStringLiteral("9"));
    QCOMPARE(form.mskOrderInfo()->text(), QStringLiteral("9"));
}

void TestOrderForm::amountsAndPrintEnabling()
{
    frmOrder form;
    QSignalSpy said(form.announcer(), &Announcer::said);
    QLineEdit* copies = form.txtOrderInfo(7);
    // Copies alone enable nothing until a destination is chosen.
    QTest::keyClicks(copies, QStringLiteral("1"));
    QVERIFY(!form.cmdPrint()->isEnabled());
    QCOMPARE(form.lblAmtDue()->text(), QString());
    form.optShipTo(0)->click();
    QCOMPARE(form.shipTo(), 0);
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$12"));
    QCOMPARE(form.shippingCharge(), 2);
    QVERIFY(form.cmdPrint()->isEnabled());
    // Later keys in the copies box follow the chosen destination.
    QTest::keyClicks(copies, QStringLiteral("0"));
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$111"));
    QTest::keyClick(copies, Qt::Key_Backspace);
    QTest::keyClick(copies, Qt::Key_Backspace);
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$0"));
    QVERIFY(!form.cmdPrint()->isEnabled());
    QTest::keyClicks(copies, QStringLiteral("3"));
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$34"));
    form.optShipTo(2)->click();
    QCOMPARE(form.shipTo(), 2);
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$37"));
    QCOMPARE(form.shippingCharge(), 7);
    QCOMPARE(form.amountDue(), 37);
    QVERIFY(form.cmdPrint()->isEnabled());
    // Keys in other boxes change nothing.
    QTest::keyClicks(form.txtOrderInfo(0), QStringLiteral("Ann"));
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$37"));
    // A screen reader hears each new amount once.
    QStringList amounts;
    for (const QList<QVariant>& s : said)
        amounts << s[0].toString();
    QCOMPARE(amounts, QStringList({"Amount Due: $12", "Amount Due: $111", "Amount Due: $12", "Amount Due: $0",
                                   "Amount Due: $34", "Amount Due: $37"}));
}

void TestOrderForm::fieldsReadWithTheirLabels()
{
    frmOrder form;
    const QList<QPair<QWidget*, QString>> fields = {
        {form.txtOrderInfo(0), "Name"}, {form.txtOrderInfo(1), "Address"}, {form.txtOrderInfo(4), "City"},
        {form.cboOrderInfo(), "State (USA Only)"}, {form.mskOrderInfo(), "Zip Code"},
        {form.txtOrderInfo(5), "Country (if not USA)"}, {form.txtOrderInfo(6), "Email Address"},
        {form.txtOrderInfo(7), "# of Copies"}, {form.optShipTo(0), form.optShipTo(0)->text()},
        {form.optShipTo(2), form.optShipTo(2)->text()}};
    for (const auto& [field, name] : fields) {
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(field);
        QCOMPARE(read->text(QAccessible::Name), name);
        // The label beside a field is tied to it, as its reader tells.
        if (field != form.txtOrderInfo(1) && !qobject_cast<QRadioButton*>(field))
            QVERIFY(!read->relations(QAccessible::Label).isEmpty());
    }
}

void TestOrderForm::noCopiesCostNothing()
{
    frmOrder form;
    form.optShipTo(2)->click();
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$0"));
    QCOMPARE(form.shippingCharge(), 0);
    QVERIFY(!form.cmdPrint()->isEnabled());
    form.optShipTo(0)->click();
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$0"));
    QVERIFY(!form.cmdPrint()->isEnabled());
}

void TestOrderForm::pasteByMouseUpdatesTheAmount()
{
    frmOrder form;
    form.optShipTo(0)->click();
    pasteInto(form.txtOrderInfo(7), QStringLiteral("4"));
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$45"));
    QVERIFY(form.cmdPrint()->isEnabled());
    form.txtOrderInfo(7)->selectAll();
    form.txtOrderInfo(7)->del();
    QCOMPARE(form.lblAmtDue()->text(), QStringLiteral("$0"));
    QVERIFY(!form.cmdPrint()->isEnabled());
}

void TestOrderForm::amountRules()
{
    QCOMPARE(glngfCopiesValue(QString()), 0);
    QCOMPARE(glngfCopiesValue(QStringLiteral("12")), 12);
    QCOMPARE(glngfShippingCharge(1, 0), 2);
    QCOMPARE(glngfShippingCharge(5, 0), 6);
    QCOMPARE(glngfShippingCharge(1, 2), 3);
    QCOMPARE(glngfShippingCharge(3, 2), 7);
    QCOMPARE(glngfShippingCharge(0, 0), 0);
    QCOMPARE(glngfShippingCharge(0, 2), 0);
    QCOMPARE(glngfAmountDue(9999, glngfShippingCharge(9999, 2)), 119989);
}

void TestOrderForm::alignInputClosesUpInOrder()
{
    QLineEdit a, b, c;
    const QList<QLineEdit*> boxes = {&a, &b, &c};
    auto run = [&](const QString& x, const QString& y, const QString& z) {
        a.setText(x);
        b.setText(y);
        c.setText(z);
        gsAlignInput(boxes);
        return lines(boxes);
    };
    QCOMPARE(run("", "A", ""), QStringList({"A", "", ""}));
    QCOMPARE(run("", "A", "B"), QStringList({"A", "B", ""}));
    QCOMPARE(run("", "", "B"), QStringList({"B", "", ""}));
    QCOMPARE(run("A", "", "B"), QStringList({"A", "B", ""}));
    QCOMPARE(run("  ", "A", " "), QStringList({"A", "", ""}));
    QCOMPARE(run("A", "B", "C"), QStringList({"A", "B", "C"}));
    QCOMPARE(run(" A", "", ""), QStringList({" A", "", ""}));
    MessageRecorder messages;
    gsAlignInput({&a, nullptr});
    QCOMPARE(messages.errors().size(), 1);
    QCOMPARE(messages.errors().at(0).title, QStringLiteral("Error In gsAlignInput"));
}

void TestOrderForm::leavingABoxClosesUpTheAddress()
{
    frmOrder form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.txtOrderInfo(2)->setFocus();
    QTest::keyClicks(form.txtOrderInfo(2), QStringLiteral("A"));
    form.txtOrderInfo(3)->setFocus();
    QTest::keyClicks(form.txtOrderInfo(3), QStringLiteral("B"));
    // Leaving line 3 by Enter closes the lines up, in their own order.
    QTest::keyClick(form.txtOrderInfo(3), Qt::Key_Return);
    QCOMPARE(lines({form.txtOrderInfo(1), form.txtOrderInfo(2), form.txtOrderInfo(3)}),
             QStringList({"A", "B", ""}));
    // Leaving any other box does it too.
    form.txtOrderInfo(1)->clear();
    form.txtOrderInfo(0)->setFocus();
    form.txtOrderInfo(6)->setFocus();
    QCOMPARE(lines({form.txtOrderInfo(1), form.txtOrderInfo(2), form.txtOrderInfo(3)}),
             QStringList({"B", "", ""}));
}

void TestOrderForm::escapeKeepsTheFormOpen()
{
    frmOrder form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.txtOrderInfo(0)->setFocus();
    QTest::keyClicks(form.txtOrderInfo(0), QStringLiteral("Ann"));
    QTest::keyClick(form.txtOrderInfo(0), Qt::Key_Escape);
    QVERIFY(form.isVisible());
    QCOMPARE(form.txtOrderInfo(0)->text(), QStringLiteral("Ann"));
    form.cmdClose()->click();
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(TestOrderForm)
#include "tst_orderform.moc"
