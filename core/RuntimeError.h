#pragma once

#include <stdexcept>

#include <QString>

// The numbered errors the program reports; the numbers are what the message boxes show as titles.
namespace ErrorNumber {
constexpr int InvalidProcedureCall = 5;
constexpr int Overflow = 6;
constexpr int OutOfMemory = 7;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int InternalError = 51;
constexpr int FileNotFound = 53;
constexpr int PathFileAccess = 75;
constexpr int InvalidPicture = 481;
constexpr int PrinterError = 482;
constexpr int CancelSelected = 32755;
} // namespace ErrorNumber

class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const QString& description);

    int Number() const { return number; }
    const QString& Description() const { return description; }

private:
    int number;
    QString description;
};

// The standard description of a number, for errors that need no more detail.
QString StandardDescription(int number);

[[noreturn]] void Raise(int number);
[[noreturn]] void Raise(int number, const QString& description);
