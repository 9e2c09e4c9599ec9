#pragma once

#include <cstdint>

#include <QObject>
#include <QString>

class QWidget;

// The common dialogs, one object for the open-file and the printer dialog. Settings are made on
// it and kept between uses; once cancel reporting is switched on, every later cancel of either
// dialog raises the cancel error (32755).
class CommonDialog : public QObject
{
    Q_OBJECT

public:
    explicit CommonDialog(QWidget* owner);

    QString InitDir;
    QString DialogTitle;
    QString FileName;
    // "description|pattern", the pattern matched in any letter case.
    QString Filter;
    int32_t Flags = 0;
    bool CancelError = false;
    // The number of copies chosen in the printer dialog.
    int32_t Copies = 1;

    // The open-file dialog: on OK FileName is the chosen file's full path; a cancel leaves it as
    // it was set, or raises the cancel error when CancelError is on.
    void ShowOpen();
    // The printer dialog, on the current printer: on OK the chosen printer, with its settings,
    // becomes the current printer and Copies its copy count.
    void ShowPrinter();

private:
    void Cancelled();

    QWidget* owner;
};

// The places the open dialog's side bar offers besides the computer: the user's home, Pictures,
// Desktop and Downloads where they exist, then every removable volume among the mounted ones
// (those desktops mount under /media, /run/media or /mnt), in the order given.
QStringList SidebarPlaces(const QString& home, const QStringList& userFolders,
                          const QStringList& mountedRoots);

// Open-dialog flags: the chosen file must exist; the extension may differ from the filter's.
constexpr int32_t OfnFileMustExist = 0x1000;
constexpr int32_t OfnExtensionDifferent = 0x400;
// Printer-dialog flags: no print-to-file choice; return a device context; the print-setup form;
// no page-range choice.
constexpr int32_t PdHidePrintToFile = 0x100000;
constexpr int32_t PdReturnDc = 0x100;
constexpr int32_t PdPrintSetup = 0x40;
constexpr int32_t PdNoPageNums = 0x8;
