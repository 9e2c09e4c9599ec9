#pragma once

#include <QImage>
#include <QLabel>
#include <QSize>
#include <QString>

// A photo decoded straight at thumbnail size, upright as its camera recorded it, fitting `box`;
// a null image for anything that is not a readable picture file.
QImage DecodeThumbnail(const QString& path, const QSize& box);

// The open dialog's preview of the highlighted photo.
class PhotoPreview : public QLabel
{
    Q_OBJECT

public:
    explicit PhotoPreview(QWidget* parent = nullptr);

    // Shows the photo in `path`, or nothing where it is no picture (a folder, a broken file).
    void ShowFile(const QString& path);
};
