#include "ApplicationFolder.h"

#include <QCoreApplication>

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
}
