#include "RuntimeError.h"

#include <QCoreApplication>

RuntimeError::RuntimeError(int number, const QString& description)
    : std::runtime_error(description.toStdString())
    , number(number)
    , description(description)
{ }

QString StandardDescription(int number)
{
    switch (number) {
    case ErrorNumber::InvalidProcedureCall:
        return QCoreApplication::translate("RuntimeError", "Invalid procedure call or argument");
    case ErrorNumber::Overflow:
        return QCoreApplication::translate("RuntimeError", "Overflow");
    case ErrorNumber::OutOfMemory:
        return QCoreApplication::translate("RuntimeError", "Out of memory");
    case ErrorNumber::SubscriptOutOfRange:
        return QCoreApplication::translate("RuntimeError", "Subscript out of range");
    case ErrorNumber::DivisionByZero:
        return QCoreApplication::translate("RuntimeError", "Division by zero");
    case ErrorNumber::InternalError:
        return QCoreApplication::translate("RuntimeError", "Internal error");
    case ErrorNumber::FileNotFound:
        return QCoreApplication::translate("RuntimeError", "File not found");
    case ErrorNumber::PathFileAccess:
        return QCoreApplication::translate("RuntimeError", "Path/File access error");
    case ErrorNumber::InvalidPicture:
        return QCoreApplication::translate("RuntimeError", "Invalid picture");
    case ErrorNumber::PrinterError:
        return QCoreApplication::translate("RuntimeError", "Printer error");
    case ErrorNumber::CancelSelected:
        return QCoreApplication::translate("RuntimeError", "Cancel was selected.");
    default:
        return QCoreApplication::translate("RuntimeError",
                                           "Application-defined or object-defined error");
    }
}

void Raise(int number)
{
    throw RuntimeError(number, StandardDescription(number));
}

void Raise(int number, const QString& description)
{
    throw RuntimeError(number, description);
}
