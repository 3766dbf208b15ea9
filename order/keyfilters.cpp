#include "order/keyfilters.h"

#include "core/errors.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
// Only ASCII letters fold: a non-ASCII letter whose capital happens to be an
// ASCII one (dotless i, long s) must not slip through as that letter.
QChar asciiUpper(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - 32) : c;
}
}

QString keyset::printableAscii()
{
    QString all;
    for (char16_t c = 32; c <= 126; ++c)
        all.append(QChar(c));
    return all;
}

int gintfValidateKey(const QString& astrAllowed, int aintKey)
{
    int result = 0;
    trapErrors("gintfValidateKey", [&] {
        if (aintKey < 32) {
            result = aintKey;
            return;
        }
        if (aintKey > 0xFFFF)
            return;
        const QChar key = asciiUpper(QChar(static_cast<char16_t>(aintKey)));
        for (QChar allowed : astrAllowed)
            if (asciiUpper(allowed) == key) {
                result = aintKey;
                return;
            }
    });
    return result;
}

void gsProcessKey(int& aintKey, const QString& astrAllowed, bool ablnTabOnEnter, QWidget* aobjTarget)
{
    trapErrors("gsProcessKey", [&] {
        if (aintKey == kKeyEnter) {
            if (ablnTabOnEnter) {
                aintKey = 0;
                if (aobjTarget) {
                    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
                    QCoreApplication::sendEvent(aobjTarget, &tab);
                }
            }
            return;
        }
        aintKey = gintfValidateKey(astrAllowed, aintKey);
    });
}

int gintfKeyAscii(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    // Ctrl+letter is a control code (Ctrl+V 22, Ctrl+C 3...), never a letter.
    if (mods & (Qt::ControlModifier | Qt::MetaModifier)) {
        if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
            return event->key() - Qt::Key_A + 1;
        return -1;
    }
    if (mods & Qt::AltModifier)
        return -1;
    const QString text = event->text();
    if (text.isEmpty())
        return -1;
    return text.at(0).unicode();
}

KeySetValidator::KeySetValidator(QString allowed, bool refuseLeadingZero, QObject* parent)
    : QValidator(parent), mAllowed(std::move(allowed)), mRefuseLeadingZero(refuseLeadingZero)
{
}

QValidator::State KeySetValidator::validate(QString& input, int& pos) const
{
    QString kept;
    kept.reserve(input.size());
    int newPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        bool keep = c.unicode() >= 32 && gintfValidateKey(mAllowed, c.unicode()) != 0;
        if (keep && mRefuseLeadingZero && kept.isEmpty() && c == QLatin1Char('0'))
            keep = false;
        if (keep)
            kept.append(c);
        else if (i < pos)
            --newPos;
    }
    input = kept;
    pos = newPos;
    return Acceptable;
}
