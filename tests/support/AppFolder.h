#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ApplicationFolder.h"

// A fresh application folder for one test: the pictures the built program reads, copied from the
// build's application folder, and nothing else. The program's files go there until it is gone.
// Its name has spaces and accents, as a user's folders often do, so every test runs the program's
// file handling over such a path.
class TemporaryApplicationFolder
{
public:
    TemporaryApplicationFolder()
    {
        const QDir built(QStringLiteral(ORVELLA_APP_DIR));
        QDir(dir.path()).mkdir(QStringLiteral("CacheBottoni"));
        const QDir buttons(built.filePath(QStringLiteral("CacheBottoni")));
        for (const QString& name : buttons.entryList(QDir::Files))
            QFile::copy(buttons.filePath(name), Path(QStringLiteral("CacheBottoni/") + name));
        for (const QString& name : built.entryList({QStringLiteral("Taglio*.jpg")}, QDir::Files))
            QFile::copy(built.filePath(name), Path(name));
        SetApplicationFolder(dir.path());
    }
    ~TemporaryApplicationFolder() { SetApplicationFolder(QString()); }

    QString Path(const QString& relative) const { return dir.path() + QLatin1Char('/') + relative; }
    QString Root() const { return dir.path(); }

private:
    QTemporaryDir dir {QDir::tempPath() + QStringLiteral("/Programmi di Niccolò e Zoë-XXXXXX")};
};
