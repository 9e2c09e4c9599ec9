#include "CommonDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>

#include "PhotoPreview.h"
#include "PrinterRuntime.h"
#include "RuntimeError.h"

namespace {
constexpr QSize OpenDialogSize(900, 480);

QList<QUrl> Sidebar()
{
    QStringList userFolders;
    for (const auto location : {QStandardPaths::PicturesLocation, QStandardPaths::DesktopLocation,
                                QStandardPaths::DownloadLocation})
        userFolders.append(QStandardPaths::writableLocation(location));
    QStringList mountedRoots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            mountedRoots.append(volume.rootPath());
    // The computer first, as the dialog offers it.
    QList<QUrl> urls {QUrl(QStringLiteral("file:"))};
    for (const QString& place : SidebarPlaces(QDir::homePath(), userFolders, mountedRoots))
        urls.append(QUrl::fromLocalFile(place));
    return urls;
}
} // namespace

QStringList SidebarPlaces(const QString& home, const QStringList& userFolders,
                          const QStringList& mountedRoots)
{
    QStringList places {home};
    for (const QString& folder : userFolders)
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && !places.contains(folder))
            places.append(folder);
    for (const QString& root : mountedRoots)
        for (const QLatin1StringView removable :
             {QLatin1StringView("/media/"), QLatin1StringView("/run/media/"),
              QLatin1StringView("/mnt/")})
            if (root.startsWith(removable) && root.size() > removable.size()
                && !places.contains(root))
                places.append(root);
    return places;
}

CommonDialog::CommonDialog(QWidget* owner)
    : QObject(owner)
    , owner(owner)
{ }

void CommonDialog::Cancelled()
{
    if (CancelError)
        Raise(ErrorNumber::CancelSelected);
}

void CommonDialog::ShowOpen()
{
    // The filter is shown in the user's language; its pattern stays as set.
    const QString shown = tr(Filter.toUtf8().constData());
    const QString description = shown.section(QLatin1Char('|'), 0, 0);
    const QString pattern = Filter.section(QLatin1Char('|'), 1, 1);

    QFileDialog dialog(owner, DialogTitle, InitDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(Flags & OfnFileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Names only: the detail view writes its dates in the system's language, not in Italian.
    dialog.setViewMode(QFileDialog::List);
    dialog.setSidebarUrls(Sidebar());
    // Without CaseSensitive the pattern matches names in any letter case.
    dialog.setFilter(QDir::AllEntries | QDir::AllDirs | QDir::NoDotAndDotDot);
    dialog.setNameFilter(QStringLiteral("%1 (%2)").arg(
        description.section(QLatin1Char('('), 0, 0).trimmed(), pattern.toLower()));
    if (!FileName.isEmpty())
        dialog.selectFile(FileName);

    // The preview stands beside the list of files; the dialog grows so the list keeps its room.
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* preview = new PhotoPreview(&dialog);
        grid->addWidget(preview, 1, grid->columnCount());
        connect(&dialog, &QFileDialog::currentChanged, preview, &PhotoPreview::ShowFile);
        dialog.resize(dialog.sizeHint().expandedTo(OpenDialogSize));
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        Cancelled();
        return;
    }
    FileName = dialog.selectedFiles().constFirst();
}

void CommonDialog::ShowPrinter()
{
    // The dialog sets its printer as the user goes along: it works on a copy, which replaces the
    // current printer only on OK.
    RuntimePrinter& current = CurrentPrinter();
    auto printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(current.DeviceName()),
                                              QPrinter::HighResolution);
    printer->setPageLayout(current.Device().pageLayout());
    printer->setCopyCount(current.Copies());

    QPrintDialog dialog(printer.get(), owner);
    dialog.setWindowTitle(DialogTitle);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, !(Flags & PdHidePrintToFile));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, !(Flags & PdNoPageNums));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) {
        Cancelled();
        return;
    }
    Copies = printer->copyCount();
    MakeCurrentPrinter(std::move(printer));
}
