#pragma once
// Keystroke filters of the order form's fields. A key is an ASCII-style key
// code: 13 Enter, 8 Backspace, below 32 a control key, 0 a refused key.

#include <QString>
#include <QValidator>

class QKeyEvent;
class QWidget;

namespace keyset {
inline constexpr char kName[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ ',.-\"&";
inline constexpr char kAddress[] = "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ ',.-#/&";
inline constexpr char kDigits[] = "1234567890";
inline constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// Space, digits, letters and the 32 punctuation characters.
QString printableAscii();
}

constexpr int kKeyEnter = 13;

// The key unchanged when it is a control key or allowed (case-insensitive
// test, the key itself keeps its case); 0 when refused.
int gintfValidateKey(const QString& astrAllowed, int aintKey);

// Enter with ablnTabOnEnter: swallowed, and a Tab keystroke sent to
// aobjTarget so the focus moves on. Any other key goes through
// gintfValidateKey.
void gsProcessKey(int& aintKey, const QString& astrAllowed, bool ablnTabOnEnter, QWidget* aobjTarget);

// The key code a key press types, or -1 for a key that types nothing
// (arrows, Home, Delete...), which no filter looks at.
int gintfKeyAscii(const QKeyEvent* event);

// Keeps pasted, dropped or otherwise inserted text to the same allowed
// characters as typing: refused characters are dropped, the rest stays.
class KeySetValidator : public QValidator {
public:
    KeySetValidator(QString allowed, bool refuseLeadingZero, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    QString mAllowed;
    bool mRefuseLeadingZero;
};
