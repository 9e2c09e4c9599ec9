#include "PhotoPreview.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace {
constexpr int PreviewSide = 240;
}

QImage DecodeThumbnail(const QString& path, const QSize& box)
{
    // Only regular files: a named pipe would hold the dialog until something wrote to it.
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid())
        return {};
    // The reader scales the picture as stored, before turning it upright; for JPEG it lets
    // libjpeg decode at 1/2, 1/4 or 1/8 of the size, which is most of the speed.
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize storedBox = turned ? box.transposed() : box;
    if (stored.width() > storedBox.width() || stored.height() > storedBox.height())
        reader.setScaledSize(stored.scaled(storedBox, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    return reader.read();
}

PhotoPreview::PhotoPreview(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("photoPreview"));
    setAlignment(Qt::AlignCenter);
    setFixedSize(PreviewSide, PreviewSide);
    setFrameShape(QFrame::StyledPanel);
}

void PhotoPreview::ShowFile(const QString& path)
{
    const QImage thumbnail = DecodeThumbnail(path, contentsRect().size());
    if (thumbnail.isNull())
        clear();
    else
        setPixmap(QPixmap::fromImage(thumbnail));
}
