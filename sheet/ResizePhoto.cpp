#include "ResizePhoto.h"

#include <cstring>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QImage>
#include <vips/vips8>

#include "ApplicationFolder.h"
#include "Numbers.h"
#include "PictureFiles.h"
#include "RuntimeError.h"

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

QImage Resample(const QImage& rgb, int targetWidth, int targetHeight)
{
    InitialiseVips();
    const double hscale = double(targetWidth) / rgb.width();
    const double vscale = double(targetHeight) / rgb.height();
    // gap 0: one Lanczos3 pass straight from the full photo, without a box pre-shrink; the
    // results are small, so the wide kernel costs little.
    vips::VOption* options = vips::VImage::option()
                                 ->set("vscale", vscale)
                                 ->set("kernel", VIPS_KERNEL_LANCZOS3)
                                 ->set("gap", 0.0);
    vips::VImage out = ToVips(rgb).resize(hscale, options);
    // libvips rounds the output size itself; should it ever land a pixel off, pad or trim to size.
    if (out.width() != targetWidth || out.height() != targetHeight)
        out = out.embed(0, 0, targetWidth, targetHeight,
                        vips::VImage::option()->set("extend", VIPS_EXTEND_COPY));
    return ToQImage(out);
}

} // namespace

void ResizePhoto(double PhotoWidth, double PhotoHeight)
{
    const QString source = ApplicationFile(QStringLiteral("FotoAppoggio.bmp"));
    const QString destination = ApplicationFile(QStringLiteral("FotoResize.bmp"));
    const QImage photo = LoadPicture(source).convertToFormat(QImage::Format_RGB888);
    const int32_t targetWidth = ToInt32(PhotoWidth);
    const int32_t targetHeight = ToInt32(PhotoHeight);
    if (targetWidth < 1 || targetHeight < 1)
        Raise(ErrorNumber::InvalidProcedureCall,
              QCoreApplication::translate("RuntimeError", "Invalid photo size: %1 x %2")
                  .arg(targetWidth)
                  .arg(targetHeight));
    QImage resized;
    try {
        resized = Resample(photo, targetWidth, targetHeight);
    } catch (const vips::VError& e) {
        Raise(ErrorNumber::InvalidPicture,
              QCoreApplication::translate("RuntimeError", "Cannot resample %1: %2")
                  .arg(source, QString::fromUtf8(e.what())));
    }
    SavePicture(resized, destination);
}
