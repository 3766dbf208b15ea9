#include "core/errors.h"

#include "core/msgbox.h"

#include <new>
#include <stdexcept>

RuntimeError::RuntimeError(int number, QString description)
    : mNumber(number), mDescription(std::move(description)), mUtf8(mDescription.toUtf8())
{
}

void gsReportError(int number, const QString& description, const QString& procedure)
{
    gMsgBox(QStringLiteral("Error ") + QString::number(number) + QStringLiteral(" - ") + description,
            QStringLiteral("Error In ") + procedure, MsgIcon::Exclamation);
}

void gsRaiseNotSupported()
{
    throw RuntimeError(err::NotSupported, QStringLiteral("Object doesn't support this property or method"));
}

void gsRaiseSubscript()
{
    throw RuntimeError(err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

void gsReportCurrentException(const QString& procedure)
{
    try {
        throw;
    } catch (const RuntimeError& e) {
        gsReportError(e.number(), e.description(), procedure);
    } catch (const std::bad_alloc&) {
        gsReportError(err::OutOfMemory, QStringLiteral("Out of memory"), procedure);
    } catch (const std::out_of_range&) {
        gsReportError(err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"), procedure);
    } catch (const std::overflow_error&) {
        gsReportError(err::Overflow, QStringLiteral("Overflow"), procedure);
    } catch (const std::exception& e) {
        gsReportError(err::Unexpected, QString::fromLocal8Bit(e.what()), procedure);
    } catch (...) {
        gsReportError(err::Unexpected, QStringLiteral("Unexpected error"), procedure);
    }
}
