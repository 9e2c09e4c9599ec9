#include "ResizePhoto.h"

#include <cstring>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QImage>
#include <vips/vips8>

#include "Numbers.h"
#include "PictureFiles.h"
#include "RuntimeError.h"
#include "WorkingFolder.h"

namespace {
constexpr int Bands = 3;

void InitialiseVips()
{
    // A function-local static is initialised once even when threads race; a failed attempt
    // throws and is retried on the next call.
    [[maybe_unused]] static const bool initialised = [] {
        if (VIPS_INIT("orvella") != 0)
            Raise(ErrorNumber::InvalidPicture,
                  QCoreApplication::translate("RuntimeError", "Cannot start the image library: %1")
                      .arg(QString::fromUtf8(vips_error_buffer())));
        // Every call resamples a new picture, so cached operations would only hold memory.
        vips_cache_set_max(0);
        return true;
    }();
}

vips::VImage ToVips(const QImage& rgb)
{
    // QImage pads each row to 4 bytes; libvips wants them packed.
    const qsizetype rowBytes = qsizetype(rgb.width()) * Bands;
    std::vector<uchar> packed(rowBytes * rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(packed.data() + y * rowBytes, rgb.constScanLine(y), rowBytes);
    VipsImage* image = vips_image_new_from_memory_copy(packed.data(), packed.size(), rgb.width(),
                                                       rgb.height(), Bands, VIPS_FORMAT_UCHAR);
    if (!image)
        throw vips::VError();
    return vips::VImage(image);
}

QImage ToQImage(const vips::VImage& image)
{
    size_t size = 0;
    const std::unique_ptr<void, decltype(&g_free)> pixels(image.write_to_memory(&size), g_free);
    QImage rgb(image.width(), image.height(), QImage::Format_RGB888);
    const qsizetype rowBytes = qsizetype(image.width()) * Bands;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(rgb.scanLine(y), static_cast<const uchar*>(pixels.get()) + y * rowBytes,
                    rowBytes);
    return rgb;
}

} // namespace

QImage ResamplePhoto(const QImage& photo, QSize size)
{
    InitialiseVips();
    const QImage rgb = photo.convertToFormat(QImage::Format_RGB888);
    const double hscale = double(size.width()) / rgb.width();
    const double vscale = double(size.height()) / rgb.height();
    // One Lanczos3 resampling to the exact size. libvips' default gap shrinks by whole boxes
    // first, which keeps a flat colour exact at every factor; a single wide kernel with fixed-point
    // weights darkened white by up to 4 levels on large photos.
    try {
        vips::VOption* options
            = vips::VImage::option()->set("vscale", vscale)->set("kernel", VIPS_KERNEL_LANCZOS3);
        vips::VImage out = ToVips(rgb).resize(hscale, options);
        // libvips rounds the output size itself; should it ever land a pixel off, pad or trim.
        if (out.width() != size.width() || out.height() != size.height())
            out = out.embed(0, 0, size.width(), size.height(),
                            vips::VImage::option()->set("extend", VIPS_EXTEND_COPY));
        return ToQImage(out);
    } catch (const vips::VError& e) {
        Raise(ErrorNumber::InvalidPicture,
              QCoreApplication::translate("RuntimeError", "Cannot resample the photo: %1")
                  .arg(QString::fromUtf8(e.what())));
    }
}

QImage ReadAcceptedPhoto()
{
    return LoadPicture(WorkingFile(QStringLiteral("FotoAppoggio.bmp")))
        .convertToFormat(QImage::Format_RGB888);
}

void ResizePhoto(double PhotoWidth, double PhotoHeight)
{
    const QString destination = WorkingFile(QStringLiteral("FotoResize.bmp"));
    const QImage photo = ReadAcceptedPhoto();
    const int32_t targetWidth = ToInt32(PhotoWidth);
    const int32_t targetHeight = ToInt32(PhotoHeight);
    if (targetWidth < 1 || targetHeight < 1)
        Raise(ErrorNumber::InvalidProcedureCall,
              QCoreApplication::translate("RuntimeError", "Invalid photo size: %1 x %2")
                  .arg(targetWidth)
                  .arg(targetHeight));
    SavePicture(ResamplePhoto(photo, QSize(targetWidth, targetHeight)), destination);
}
