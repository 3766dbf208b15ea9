#pragma once
// The mail-order form, opened modally from the chooser: name and address,
// number of copies and destination, the amount due, and printing the order.

#include "order/orderprint.h"

#include <QDialog>
#include <memory>

class Announcer;
class OrderComboBox;
class OrderLineEdit;
class OrderPrinter;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

class frmOrder : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTextBoxes = 8;
    static constexpr int kCopiesBox = 7;
    static constexpr int kNoShipTo = -1;

    explicit frmOrder(QWidget* parent = nullptr);
    ~frmOrder() override;

    // Controls by their design names; optShipTo has indexes 0 and 2 only.
    OrderLineEdit* txtOrderInfo(int index) const;
    OrderComboBox* cboOrderInfo() const { return mCboOrderInfo; }
    OrderLineEdit* mskOrderInfo() const { return mMskOrderInfo; }
    QRadioButton* optShipTo(int index) const;
    QLabel* lblAmtDue() const { return mLblAmtDue; }
    Announcer* announcer() const { return mAnnouncer; }
    QPushButton* cmdPrint() const { return mCmdPrint; }
    QPushButton* cmdClose() const { return mCmdClose; }
    QFrame* frame() const { return mFrame1; }

    int shipTo() const { return mintShipTo; }
    qint32 shippingCharge() const { return mlngShipping; }
    qint32 amountDue() const { return mlngAmountDue; }
    // The order as it would be printed now.
    OrderDetails orderDetails() const;

    // The form's event handlers, also driven by tests.
    void txtOrderInfo_KeyPress(int index, int& aintKeyAscii);
    void txtOrderInfo_KeyUp(int index);
    void txtOrderInfo_GotFocus(int index);
    void txtOrderInfo_Validate(int index);
    void cboOrderInfo_KeyPress(int& aintKeyAscii);
    void mskOrderInfo_KeyPress(int& aintKeyAscii);
    void mskOrderInfo_GotFocus();
    void optShipTo_Click(int index);
    void cmdPrint_Click();
    void cmdClose_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void msSetMaxLength();
    void msCalcAmountDue();
    void msShowAmountDue(bool ablnNeedShipTo);
    void buildControls();
    QLabel* addLabel(const QString& text, int leftTwips, int topTwips, int height = 0);

    QFrame* mFrame1 = nullptr;
    OrderLineEdit* mTxtOrderInfo[kTextBoxes] = {};
    OrderComboBox* mCboOrderInfo = nullptr;
    OrderLineEdit* mMskOrderInfo = nullptr;
    QRadioButton* mOptShipTo[3] = {};
    QLabel* mLblAmtDue = nullptr;
    QPushButton* mCmdPrint = nullptr;
    QPushButton* mCmdClose = nullptr;
    QList<QLabel*> mLabel1;
    Announcer* mAnnouncer = nullptr;

    int mintShipTo = kNoShipTo;
    qint32 mlngShipping = 0;
    qint32 mlngAmountDue = 0;
    std::unique_ptr<OrderPrinter> mPrinter;
};
