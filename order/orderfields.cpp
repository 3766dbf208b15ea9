#include "order/orderfields.h"

#include "order/keyfilters.h"

#include <QFocusEvent>
#include <QKeyEvent>

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

void OrderLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (filterKey(onKeyPress, event))
        QLineEdit::keyPressEvent(event);
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
