#pragma once

#include <cstdint>
#include <memory>

#include <QList>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>
#include <QStringList>

class QPainter;

// The printer the program prints to: one installed queue and the settings chosen for it. Pages
// drawn on it collect in one document until EndDoc sends it to the queue.
class RuntimePrinter
{
public:
    explicit RuntimePrinter(std::unique_ptr<QPrinter> device);
    ~RuntimePrinter();
    RuntimePrinter(const RuntimePrinter&) = delete;
    RuntimePrinter& operator=(const RuntimePrinter&) = delete;

    QString DeviceName() const;
    int16_t Copies() const;
    void SetCopies(int16_t copies);

    // The Qt printer behind it, for the printer dialog and for the settings of the next document.
    QPrinter& Device();

    // A painter on a new page: the first page begins the document.
    QPainter& NewPage();
    // Sends the document to the queue; without one there is nothing to send.
    void EndDoc();
    // Drops the document unsent.
    void KillDoc();

private:
    std::unique_ptr<QPrinter> device;
    std::unique_ptr<QPainter> document;
};

// The current printer: the system's default queue (or else the first installed one) until
// another is made current. Raises the printer error (482) when no printer is installed.
RuntimePrinter& CurrentPrinter();
void MakeCurrentPrinter(const QPrinterInfo& queue);
void MakeCurrentPrinter(std::unique_ptr<QPrinter> device);

// The installed printers, in the system's order.
QList<QPrinterInfo> Printers();

// The index of the first name equal to `name`, letter case significant; -1 when none is.
qsizetype FirstPrinterNamed(const QStringList& deviceNames, const QString& name);

// Makes the first installed printer named `deviceName` current again; when none is, the current
// printer stays.
void RestorePrinter(const QString& deviceName);
