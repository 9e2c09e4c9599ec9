#include "ApplicationFolder.h"

#include <QCoreApplication>

#include "WorkingFolder.h"

namespace {
QString& Override()
{
    static QString folder;
    return folder;
}
} // namespace

QString ApplicationFolder()
{
    return Override().isEmpty() ? QCoreApplication::applicationDirPath() : Override();
}

QString ApplicationFile(const QString& relativePath)
{
    return ApplicationFolder() + QLatin1Char('/') + relativePath;
}

void SetApplicationFolder(const QString& folder)
{
    Override() = folder;
    DecideWorkingFolder();
}
