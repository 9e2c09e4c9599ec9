#include "CommonDialog.h"

#include <QFileDialog>

#include "RuntimeError.h"

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
    const QString description = Filter.section(QLatin1Char('|'), 0, 0);
    const QString pattern = Filter.section(QLatin1Char('|'), 1, 1);

    QFileDialog dialog(owner, DialogTitle, InitDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(Flags & OfnFileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Without CaseSensitive the pattern matches names in any letter case.
    dialog.setFilter(QDir::AllEntries | QDir::AllDirs | QDir::NoDotAndDotDot);
    dialog.setNameFilter(QStringLiteral("%1 (%2)").arg(
        description.section(QLatin1Char('('), 0, 0).trimmed(), pattern.toLower()));
    if (!FileName.isEmpty())
        dialog.selectFile(FileName);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        Cancelled();
        return;
    }
    FileName = dialog.selectedFiles().constFirst();
}
