#include "ImageFileReader.h"

#include <cstdlib>

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "PictureHeader.h"
#include "RuntimeError.h"

#include <sys/mman.h>

namespace {

constexpr size_t HugePage = size_t(2) << 20;

[[noreturn]] void RaiseInvalidPicture(const QString& path, const QString& reason)
{
    Raise(ErrorNumber::InvalidPicture,
          QCoreApplication::translate("RuntimeError",
                                      "Invalid picture: %1 (%2). Choose another photo.")
              .arg(path, reason));
}

// Qt's default limit refuses the 48-megapixel photos that phones take.
void AllowLargePictures()
{
    const int limit = QImageReader::allocationLimit();
    if (limit != 0 && limit < MaximumDecodedMegabytes)
        QImageReader::setAllocationLimit(MaximumDecodedMegabytes);
}

// An image whose pixels the kernel may back with huge pages: a photo's first write then costs a
// few dozen page faults instead of tens of thousands, a third of the time of showing it.
QImage HugePageImage(QSize size, QImage::Format format)
{
    const QImage probe(1, 1, format);
    if (probe.isNull())
        return {};
    const qsizetype lineBytes = (qsizetype(size.width()) * probe.depth() + 31) / 32 * 4;
    const size_t bytes = size_t(lineBytes) * size_t(size.height());
    if (bytes < HugePage)
        return {};
    const size_t reserved = (bytes + HugePage - 1) / HugePage * HugePage;
    void* pixels = std::aligned_alloc(HugePage, reserved);
    if (!pixels)
        return {};
    madvise(pixels, reserved, MADV_HUGEPAGE);
    return QImage(static_cast<uchar*>(pixels), size.width(), size.height(), lineBytes, format,
                  std::free, pixels);
}

} // namespace

ImageFile ReadImageFile(const QString& path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        Raise(ErrorNumber::FileNotFound,
              QCoreApplication::translate("RuntimeError", "File not found: %1").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        RaiseInvalidPicture(path, FileErrorReason(file.errorString()));
    QByteArray data = file.readAll();
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);

    const QSize size = reader.size();
    if (!size.isValid())
        RaiseInvalidPicture(path, reader.errorString());
    if (qint64(size.width()) * size.height() * 4 > qint64(MaximumDecodedMegabytes) << 20)
        RaiseInvalidPicture(
            path,
            QCoreApplication::translate("RuntimeError",
                                        "too large: %1 x %2 pixels, more than %3 MB decoded")
                .arg(size.width())
                .arg(size.height())
                .arg(MaximumDecodedMegabytes));
    if (reader.format() == "jpeg" && !JpegReachesEnd(data))
        RaiseInvalidPicture(path,
                            QCoreApplication::translate("RuntimeError", "the file is truncated"));

    AllowLargePictures();
    ImageFile loaded;
    // The reader decodes into an image of the right size and format instead of allocating one.
    loaded.image = HugePageImage(size, reader.imageFormat());
    if (!reader.read(&loaded.image))
        RaiseInvalidPicture(path, reader.errorString());
    loaded.image.convertTo(QImage::Format_RGB32);

    const RecordedResolution recorded = ReadRecordedResolution(data);
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const double across = turned ? recorded.y : recorded.x;
    if (across > 0)
        loaded.dpiAcross = across;
    return loaded;
}
