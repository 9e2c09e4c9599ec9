#include "PrinterRuntime.h"

#include <QCoreApplication>
#include <QPainter>
#include <cups/cups.h>

#include "RuntimeError.h"

namespace {
std::unique_ptr<RuntimePrinter>& Current()
{
    static std::unique_ptr<RuntimePrinter> current;
    return current;
}

// The printer's plugin goes with the application: let the printer go first.
void ReleasePrinter()
{
    Current().reset();
}

[[noreturn]] void PrinterFailed(const QString& what)
{
    Raise(ErrorNumber::PrinterError,
          QCoreApplication::translate("RuntimeError", "Printer error: %1").arg(what));
}
} // namespace

RuntimePrinter::RuntimePrinter(std::unique_ptr<QPrinter> device)
    : device(std::move(device))
{ }

RuntimePrinter::~RuntimePrinter()
{
    KillDoc();
}

QString RuntimePrinter::DeviceName() const
{
    return device->printerName();
}

int16_t RuntimePrinter::Copies() const
{
    return int16_t(device->copyCount());
}

void RuntimePrinter::SetCopies(int16_t copies)
{
    if (copies < 1)
        Raise(ErrorNumber::InvalidProcedureCall,
              QCoreApplication::translate("RuntimeError", "Invalid procedure call: %1 copies")
                  .arg(copies));
    device->setCopyCount(copies);
}

QPrinter& RuntimePrinter::Device()
{
    return *device;
}

QPainter& RuntimePrinter::NewPage()
{
    if (document) {
        if (!device->newPage())
            PrinterFailed(
                QCoreApplication::translate("RuntimeError", "cannot start a new page on %1")
                    .arg(DeviceName()));
        return *document;
    }
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(device.get()))
        PrinterFailed(QCoreApplication::translate("RuntimeError", "cannot start printing on %1")
                          .arg(DeviceName()));
    document = std::move(painter);
    return *document;
}

void RuntimePrinter::EndDoc()
{
    if (!document)
        return;
    const bool ended = document->end();
    document.reset();
    if (!ended || device->printerState() == QPrinter::Error)
        PrinterFailed(
            QCoreApplication::translate("RuntimeError", "the document could not be sent to %1")
                .arg(DeviceName()));
    // Qt hands the document to the print system without looking at the answer; the answer to that
    // last request is still there to read. A job accepted onto a stopped printer is a success.
    if (device->outputFileName().isEmpty() && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        PrinterFailed(QCoreApplication::translate("RuntimeError", "%1 did not take the job: %2")
                          .arg(DeviceName(), QString::fromUtf8(cupsLastErrorString())));
}

void RuntimePrinter::KillDoc()
{
    if (!document)
        return;
    device->abort();
    document->end();
    document.reset();
}

RuntimePrinter& CurrentPrinter()
{
    if (!Current()) {
        QPrinterInfo queue = QPrinterInfo::defaultPrinter();
        if (queue.isNull()) {
            const QList<QPrinterInfo> installed = Printers();
            if (installed.isEmpty())
                PrinterFailed(
                    QCoreApplication::translate("RuntimeError", "no printer is installed"));
            queue = installed.constFirst();
        }
        MakeCurrentPrinter(queue);
    }
    return *Current();
}

void MakeCurrentPrinter(const QPrinterInfo& queue)
{
    MakeCurrentPrinter(std::make_unique<QPrinter>(queue, QPrinter::HighResolution));
}

void MakeCurrentPrinter(std::unique_ptr<QPrinter> device)
{
    [[maybe_unused]] static const bool released = [] {
        qAddPostRoutine(ReleasePrinter);
        return true;
    }();
    Current() = std::make_unique<RuntimePrinter>(std::move(device));
}

QList<QPrinterInfo> Printers()
{
    return QPrinterInfo::availablePrinters();
}

qsizetype FirstPrinterNamed(const QStringList& deviceNames, const QString& name)
{
    return deviceNames.indexOf(name);
}

void RestorePrinter(const QString& deviceName)
{
    const QList<QPrinterInfo> installed = Printers();
    QStringList names;
    for (const QPrinterInfo& queue : installed)
        names.append(queue.printerName());
    const qsizetype first = FirstPrinterNamed(names, deviceName);
    if (first >= 0)
        MakeCurrentPrinter(installed.at(first));
}
