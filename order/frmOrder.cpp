#include "order/frmOrder.h"

#include "core/errors.h"
#include "order/addresslines.h"
#include "order/amountdue.h"
#include "order/keyfilters.h"
#include "order/orderaccessible.h"
#include "order/orderfields.h"
#include "order/printerlayer.h"
#include "order/statelist.h"
#include "order/vendor.h"
#include "window/announcer.h"
#include "window/modScreen.h"

#include <QFont>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
// The layout is drawn in twips; 15 to a pixel.
constexpr int px(int twips) { return twips / 15; }

constexpr int kRowHeight = 21;
constexpr int kFrameLeft = 8;
constexpr int kFrameTop = 6;
constexpr int kFrameWidth = 540;
constexpr int kFrameHeight = 510;

constexpr int kCityBox = 4;
constexpr int kCountryBox = 5;
constexpr int kEmailBox = 6;

QString allowedKeys(int index)
{
    switch (index) {
    case 1:
    case 2:
    case 3: return QString::fromLatin1(keyset::kAddress);
    case kEmailBox: return keyset::printableAscii();
    case frmOrder::kCopiesBox: return QString::fromLatin1(keyset::kDigits);
    default: return QString::fromLatin1(keyset::kName);
    }
}
}

frmOrder::frmOrder(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmOrder"));
    setWindowTitle(QStringLiteral("Order Form"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    // Sized so the designed pixel layout holds whatever the desktop's font.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(kFrameLeft * 2 + kFrameWidth, kFrameTop * 2 + kFrameHeight);
    buildControls();
    gsNameOrderFields(*this);
    mAnnouncer = new Announcer(this);
    Form_Load();
}

frmOrder::~frmOrder() = default;

QLabel* frmOrder::addLabel(const QString& text, int leftTwips, int topTwips, int height)
{
    auto* label = new QLabel(text, mFrame1);
    label->setObjectName(QStringLiteral("Label1_%1").arg(mLabel1.size()));
    label->setTextFormat(Qt::PlainText);
    label->adjustSize();
    if (height > 0) {
        // Beside a control: centred on it.
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setGeometry(px(leftTwips), px(topTwips), label->width(), height);
    } else {
        label->move(px(leftTwips), px(topTwips));
    }
    mLabel1.append(label);
    return label;
}

void frmOrder::buildControls()
{
    mFrame1 = new QFrame(this);
    mFrame1->setObjectName(QStringLiteral("Frame1"));
    mFrame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    mFrame1->setGeometry(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);

    // Creation order is the tab order.
    auto makeBox = [this](int index, int top, int left, int width) {
        auto* box = new OrderLineEdit(mFrame1);
        box->setObjectName(QStringLiteral("txtOrderInfo_%1").arg(index));
        box->setGeometry(px(left), px(top), px(width), kRowHeight);
        box->setValidator(new KeySetValidator(allowedKeys(index), index == kCopiesBox, box));
        box->onKeyPress = [this, index](int& key) { txtOrderInfo_KeyPress(index, key); };
        box->onKeyUp = [this, index] { txtOrderInfo_KeyUp(index); };
        box->onGotFocus = [this, index] { txtOrderInfo_GotFocus(index); };
        box->onValidate = [this, index] { txtOrderInfo_Validate(index); };
        mTxtOrderInfo[index] = box;
    };

    addLabel(QStringLiteral("Name:"), 240, 240, kRowHeight);
    makeBox(0, 240, 1200, 3855);
    addLabel(QStringLiteral("Address:"), 240, 600, kRowHeight);
    makeBox(1, 600, 1200, 3855);
    makeBox(2, 960, 1200, 3855);
    makeBox(3, 1320, 1200, 3855);
    addLabel(QStringLiteral("City:"), 240, 1680, kRowHeight);
    makeBox(kCityBox, 1680, 1200, 2535);

    addLabel(QStringLiteral("State (USA Only):"), 240, 2040, kRowHeight);
    mCboOrderInfo = new OrderComboBox(mFrame1);
    mCboOrderInfo->setObjectName(QStringLiteral("cboOrderInfo"));
    mCboOrderInfo->setGeometry(px(1800), px(2040), px(1935), kRowHeight);
    mCboOrderInfo->setMaxVisibleItems(12);
    mCboOrderInfo->onKeyPress = [this](int& key) { cboOrderInfo_KeyPress(key); };

    addLabel(QStringLiteral("Zip Code:"), 240, 2400, kRowHeight);
    mMskOrderInfo = new OrderLineEdit(mFrame1);
    mMskOrderInfo->setObjectName(QStringLiteral("mskOrderInfo"));
    mMskOrderInfo->setGeometry(px(1200), px(2400), px(735), kRowHeight);
    // Five digits, any of them still open: text() then holds just the
    // digits typed, never the prompt characters.
    mMskOrderInfo->setInputMask(QStringLiteral("00000;_"));
    mMskOrderInfo->onKeyPress = [this](int& key) { mskOrderInfo_KeyPress(key); };
    mMskOrderInfo->onGotFocus = [this] { mskOrderInfo_GotFocus(); };

    addLabel(QStringLiteral("Country (if not USA):"), 240, 2760, kRowHeight);
    makeBox(kCountryBox, 2760, 2160, 2895);
    addLabel(QStringLiteral("Email Address:"), 240, 3240, kRowHeight);
    makeBox(kEmailBox, 3240, 1560, 3495);
    addLabel(QStringLiteral("(Optional, for support purpose only)"), 5160, 3240, kRowHeight);
    addLabel(QStringLiteral("# of Copies (US $10 each):"), 240, 4200, kRowHeight);
    makeBox(kCopiesBox, 4200, 2640, 495);
    // A paste or drop by mouse changes the count without a key: the amount
    // must follow it all the same, or a stale amount would be printed.
    connect(mTxtOrderInfo[kCopiesBox], &QLineEdit::textEdited, this, [this] { txtOrderInfo_KeyUp(kCopiesBox); });

    addLabel(QStringLiteral("Ship To:"), 240, 4680, px(4920) - px(4680));
    const struct {
        int index, top;
        const char* caption;
    } options[2] = {{0, 4680, "USA: $2  Each additional copy add $1"},
                    {2, 4920, "All other countries: $3  Each additional copy add $2"}};
    for (const auto& o : options) {
        auto* option = new QRadioButton(QString::fromLatin1(o.caption), mFrame1);
        option->setObjectName(QStringLiteral("optShipTo_%1").arg(o.index));
        option->setGeometry(px(1200), px(o.top), px(5160), px(4920) - px(4680));
        const int index = o.index;
        connect(option, &QRadioButton::clicked, this, [this, index] { optShipTo_Click(index); });
        mOptShipTo[o.index] = option;
    }

    addLabel(QStringLiteral("* Amount Due:"), 240, 5400, kRowHeight);
    mLblAmtDue = new QLabel(mFrame1);
    mLblAmtDue->setObjectName(QStringLiteral("lblAmtDue"));
    mLblAmtDue->setTextFormat(Qt::PlainText);
    mLblAmtDue->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mLblAmtDue->setGeometry(px(1605), px(5400), px(1500), kRowHeight);

    QLabel* payment = addLabel(
        QStringLiteral("* Payment must be in U.S. dollars and drawn against a U.S. bank.   Please do not send cash."), 240,
        5760);
    payment->setWordWrap(true);
    payment->setGeometry(px(240), px(5760), kFrameWidth - 2 * px(240), px(6360) - px(5760) - 4);
    payment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addLabel(QStringLiteral("Make check payable to ") + QString::fromLatin1(gstrPayee), 240, 6360);
    addLabel(QStringLiteral("Allow up to two weeks for delivery."), 240, 6720);

    mCmdPrint = new QPushButton(QStringLiteral("&Print"), mFrame1);
    mCmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    mCmdPrint->setGeometry(px(4080), px(7080), px(975), px(375));
    mCmdClose = new QPushButton(QStringLiteral("&Close"), mFrame1);
    mCmdClose->setObjectName(QStringLiteral("cmdClose"));
    mCmdClose->setGeometry(px(5160), px(7080), px(975), px(375));
    // Enter moves between fields here; it must never print by surprise.
    for (QPushButton* button : {mCmdPrint, mCmdClose}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(mCmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(mCmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });

    QLabel* thanks = addLabel(QStringLiteral("THANK YOU!"), 2610, 7200);
    QFont bold = thanks->font();
    bold.setBold(true);
    thanks->setFont(bold);
    thanks->adjustSize();
}

void frmOrder::Form_Load()
{
    gsLoadStateList(mCboOrderInfo);
    gsCenterForm(this);
    mintShipTo = kNoShipTo;
    msSetMaxLength();
    mCmdPrint->setEnabled(false);
}

void frmOrder::msSetMaxLength()
{
    trapErrors("msSetMaxLength", [&] {
        for (int i = 0; i < kTextBoxes; ++i)
            mTxtOrderInfo[i]->setMaxLength(i == kCopiesBox ? 4 : 50);
    });
}

OrderLineEdit* frmOrder::txtOrderInfo(int index) const
{
    return index >= 0 && index < kTextBoxes ? mTxtOrderInfo[index] : nullptr;
}

QRadioButton* frmOrder::optShipTo(int index) const
{
    return index >= 0 && index < 3 ? mOptShipTo[index] : nullptr;
}

void frmOrder::txtOrderInfo_KeyPress(int index, int& aintKeyAscii)
{
    // A copies count never starts with 0.
    if (index == kCopiesBox && aintKeyAscii == '0' && mTxtOrderInfo[index]->text().isEmpty()) {
        aintKeyAscii = 0;
        return;
    }
    gsProcessKey(aintKeyAscii, allowedKeys(index), true, mTxtOrderInfo[index]);
}

void frmOrder::txtOrderInfo_KeyUp(int index)
{
    if (index == kCopiesBox && mintShipTo != kNoShipTo)
        msShowAmountDue(true);
}

void frmOrder::txtOrderInfo_GotFocus(int index)
{
    OrderLineEdit* box = mTxtOrderInfo[index];
    box->setSelection(0, static_cast<int>(box->text().size()));
}

void frmOrder::txtOrderInfo_Validate(int)
{
    gsAlignInput({mTxtOrderInfo[1], mTxtOrderInfo[2], mTxtOrderInfo[3]});
}

void frmOrder::cboOrderInfo_KeyPress(int& aintKeyAscii)
{
    gsProcessKey(aintKeyAscii, QString::fromLatin1(keyset::kLetters), true, mCboOrderInfo);
}

void frmOrder::mskOrderInfo_KeyPress(int& aintKeyAscii)
{
    gsProcessKey(aintKeyAscii, QString::fromLatin1(keyset::kDigits), true, mMskOrderInfo);
}

void frmOrder::mskOrderInfo_GotFocus()
{
    // The whole mask, blanks included, so typing replaces every digit.
    mMskOrderInfo->setSelection(0, static_cast<int>(mMskOrderInfo->displayText().size()));
}

void frmOrder::optShipTo_Click(int index)
{
    mintShipTo = index;
    msShowAmountDue(false);
}

void frmOrder::msCalcAmountDue()
{
    const qint32 copies = glngfCopiesValue(mTxtOrderInfo[kCopiesBox]->text());
    mlngShipping = glngfShippingCharge(copies, mintShipTo);
    mlngAmountDue = glngfAmountDue(copies, mlngShipping);
}

void frmOrder::msShowAmountDue(bool ablnNeedShipTo)
{
    msCalcAmountDue();
    const QString due = QStringLiteral("$") + QString::number(mlngAmountDue);
    // A label's new text is not read out by itself: say it.
    if (due != mLblAmtDue->text())
        mAnnouncer->say(QStringLiteral("Amount Due: ") + due);
    mLblAmtDue->setText(due);
    const QString copies = mTxtOrderInfo[kCopiesBox]->text();
    bool enable = !copies.isEmpty() && glngfCopiesValue(copies) > 0;
    if (ablnNeedShipTo)
        enable = enable && mintShipTo != kNoShipTo;
    mCmdPrint->setEnabled(enable);
}

OrderDetails frmOrder::orderDetails() const
{
    OrderDetails o;
    o.name = mTxtOrderInfo[0]->text();
    o.address1 = mTxtOrderInfo[1]->text();
    o.address2 = mTxtOrderInfo[2]->text();
    o.address3 = mTxtOrderInfo[3]->text();
    o.city = mTxtOrderInfo[kCityBox]->text();
    o.state = mCboOrderInfo->currentText();
    o.zip = mMskOrderInfo->text();
    o.country = mTxtOrderInfo[kCountryBox]->text();
    o.email = mTxtOrderInfo[kEmailBox]->text();
    o.copies = mTxtOrderInfo[kCopiesBox]->text();
    o.shipping = mlngShipping;
    o.amountDue = mLblAmtDue->text();
    return o;
}

void frmOrder::cmdPrint_Click()
{
    trapErrors("cmdPrint_Click", [&] {
        if (!mPrinter)
            mPrinter = gobjfNewPrinter();
        SavedPrinterFont saved;
        gsSavePrinterFont(*mPrinter, saved);
        msPrintOrder(*mPrinter, orderDetails());
        gsRestorePrinterFont(*mPrinter, saved);
    });
}

void frmOrder::cmdClose_Click() { close(); }

void frmOrder::keyPressEvent(QKeyEvent* event)
{
    // Escape would throw away everything typed: only Close closes the form.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
