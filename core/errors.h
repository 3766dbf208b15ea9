#pragma once
// Run-time errors and the one shared reporter.
//
// A procedure that can fail runs its body through trapErrors(name, body): any
// error raised inside is reported once, under that procedure's name, and the
// procedure ends there with its outputs as far as they had got.

#include <QString>
#include <exception>
#include <utility>

namespace err {
// Numbers follow the classic run-time error table so reports read familiarly.
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int FileNotFound = 53;
constexpr int ObjectNotSet = 91;
constexpr int InvalidPicture = 481;
constexpr int DeviceUnavailable = 68;
constexpr int PrinterError = 482;
constexpr int NotSupported = 438;
constexpr int Unexpected = 440;
}

class RuntimeError : public std::exception {
public:
    RuntimeError(int number, QString description);
    int number() const { return mNumber; }
    const QString& description() const { return mDescription; }
    const char* what() const noexcept override { return mUtf8.constData(); }

private:
    int mNumber;
    QString mDescription;
    QByteArray mUtf8;
};

// Shows "Error In <procedure>" / "Error <number> - <description>" with the
// exclamation icon.
void gsReportError(int number, const QString& description, const QString& procedure);

// Raise the error a late-bound call gets when the object lacks the member.
[[noreturn]] void gsRaiseNotSupported();

// Raise error 9, a table index outside its bounds.
[[noreturn]] void gsRaiseSubscript();

// Translates whatever was thrown into a report under `procedure`.
void gsReportCurrentException(const QString& procedure);

// Runs body; reports and swallows any error under `procedure`.
// Returns true when the body ran to its end.
template <class Body>
bool trapErrors(const char* procedure, Body&& body)
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (...) {
        gsReportCurrentException(QString::fromLatin1(procedure));
        return false;
    }
}
