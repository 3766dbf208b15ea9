#include "order/orderfields.h"

#include "order/keyfilters.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {
// True when the key may go on to the control.
bool filterKey(const KeyPressHandler& handler, QKeyEvent* event)
{
    int key = gintfKeyAscii(event);
    if (key < 0 || !handler)
        return true;
    handler(key);
    if (key == 0) {
        event->accept();
        return false;
    }
    return true;
}
}

OrderLineEdit::OrderLineEdit(QWidget* parent) : QLineEdit(parent) {}

int OrderLineEdit::firstOpenPosition() const
{
    const QString mask = inputMask();
    if (mask.isEmpty())
        return static_cast<int>(text().size());
    // The blank follows the mask's last ';' (a space when the mask names none).
    const qsizetype semicolon = mask.lastIndexOf(QLatin1Char(';'));
    const QChar blank = semicolon >= 0 && semicolon + 1 < mask.size() ? mask.at(semicolon + 1) : QLatin1Char(' ');
    const QString shown = displayText();
    const qsizetype open = shown.indexOf(blank);
    return static_cast<int>(open >= 0 ? open : shown.size());
}

// A masked box types over the position at the cursor; a cursor left past
// the blanks would drop the keys off the end of the mask. Clicks and typing
// never start beyond the first blank, so every digit typed lands.
void OrderLineEdit::keepCursorOnTypedText()
{
    if (inputMask().isEmpty() || hasSelectedText())
        return;
    const int open = firstOpenPosition();
    if (cursorPosition() > open)
        setCursorPosition(open);
}

void OrderLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (!filterKey(onKeyPress, event))
        return;
    if (gintfKeyAscii(event) >= 32)
        keepCursorOnTypedText();
    QLineEdit::keyPressEvent(event);
}

void OrderLineEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        keepCursorOnTypedText();
}

void OrderLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        keepCursorOnTypedText();
}

void OrderLineEdit::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    if (onKeyUp && !event->isAutoRepeat())
        onKeyUp();
}

void OrderLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (onGotFocus)
        onGotFocus();
}

void OrderLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another window or opening a menu is not leaving the box.
    if (onValidate && event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        onValidate();
}

OrderComboBox::OrderComboBox(QWidget* parent) : QComboBox(parent) {}

void OrderComboBox::keyPressEvent(QKeyEvent* event)
{
    if (filterKey(onKeyPress, event))
        QComboBox::keyPressEvent(event);
}
