#include "PictureFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

#include "RuntimeError.h"

QImage LoadPicture(const QString& path)
{
    if (!QFileInfo(path).isFile())
        Raise(ErrorNumber::FileNotFound,
              QCoreApplication::translate("RuntimeError", "File not found: %1").arg(path));
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull())
        Raise(ErrorNumber::InvalidPicture,
              QCoreApplication::translate("RuntimeError", "Invalid picture: %1 (%2)")
                  .arg(path, reader.errorString()));
    return picture;
}

void SavePicture(const QImage& picture, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "BMP") || !file.commit())
        Raise(ErrorNumber::PathFileAccess,
              QCoreApplication::translate("RuntimeError",
                                          "Path/File access error: cannot write %1 (%2)")
                  .arg(path, FileErrorReason(file.errorString())));
}
