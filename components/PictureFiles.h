#pragma once

#include <QImage>
#include <QString>

// Reads a picture file: a missing file raises 53, one that is not a readable picture 481; both
// descriptions name the file.
QImage LoadPicture(const QString& path);

// Writes a picture as a Windows bitmap; a file that cannot be written raises 75 naming it, and no
// half-written file is left behind.
void SavePicture(const QImage& picture, const QString& path);
