#include "PictureHeader.h"

#include <cstdint>
#include <optional>

namespace {

constexpr double CentimetresPerInch = 2.54;
constexpr double MetresPerInch = 0.0254;

struct Bytes
{
    QByteArrayView data;
    bool bigEndian = true;

    bool Has(qsizetype at, qsizetype count) const
    {
        return at >= 0 && count >= 0 && at <= data.size() - count;
    }
    uint8_t U8(qsizetype at) const { return uint8_t(data[at]); }
    uint32_t U16(qsizetype at) const
    {
        return bigEndian ? (U8(at) << 8 | U8(at + 1)) : (U8(at + 1) << 8 | U8(at));
    }
    uint32_t U32(qsizetype at) const
    {
        return bigEndian ? (U16(at) << 16 | U16(at + 2)) : (U16(at + 2) << 16 | U16(at));
    }
};

bool IsJpeg(const Bytes& bytes)
{
    return bytes.Has(0, 3) && bytes.U8(0) == 0xFF && bytes.U8(1) == 0xD8 && bytes.U8(2) == 0xFF;
}

bool IsStandalone(uint8_t marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

// Walks the marker segments of a JPEG stream, handing each (marker, payload) to `visit` until it
// returns false or the segments end.
template<typename Visit> void WalkJpeg(const Bytes& bytes, Visit visit)
{
    qsizetype at = 2;
    while (bytes.Has(at, 2)) {
        if (bytes.U8(at) != 0xFF)
            return;
        const uint8_t marker = bytes.U8(at + 1);
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        if (marker == 0xD9)
            return;
        if (IsStandalone(marker)) {
            at += 2;
            continue;
        }
        if (!bytes.Has(at + 2, 2))
            return;
        const qsizetype length = bytes.U16(at + 2);
        if (length < 2 || !bytes.Has(at + 2, length))
            return;
        if (!visit(marker, bytes.data.sliced(at + 4, length - 2)))
            return;
        at += 2 + length;
    }
}

std::optional<RecordedResolution> JfifResolution(QByteArrayView payload)
{
    const Bytes bytes {payload};
    if (!payload.startsWith(QByteArrayView("JFIF\0", 5)) || !bytes.Has(0, 12))
        return std::nullopt;
    const uint8_t units = bytes.U8(7);
    const double x = bytes.U16(8);
    const double y = bytes.U16(10);
    if (units == 1 && x > 0 && y > 0)
        return RecordedResolution {x, y};
    if (units == 2 && x > 0 && y > 0)
        return RecordedResolution {x * CentimetresPerInch, y * CentimetresPerInch};
    return std::nullopt;
}

double Rational(const Bytes& tiff, qsizetype at)
{
    if (!tiff.Has(at, 8) || tiff.U32(at + 4) == 0)
        return 0;
    return double(tiff.U32(at)) / double(tiff.U32(at + 4));
}

// XResolution, YResolution and ResolutionUnit from the first image directory of an EXIF block.
std::optional<RecordedResolution> ExifResolution(QByteArrayView payload)
{
    if (!payload.startsWith(QByteArrayView("Exif\0\0", 6)))
        return std::nullopt;
    Bytes tiff {payload.sliced(6)};
    if (!tiff.Has(0, 8))
        return std::nullopt;
    if (tiff.data.startsWith("II"))
        tiff.bigEndian = false;
    else if (!tiff.data.startsWith("MM"))
        return std::nullopt;
    const qsizetype directory = tiff.U32(4);
    if (!tiff.Has(directory, 2))
        return std::nullopt;
    double x = 0;
    double y = 0;
    uint32_t unit = 2;
    const qsizetype count = tiff.U16(directory);
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype entry = directory + 2 + i * 12;
        if (!tiff.Has(entry, 12))
            break;
        switch (tiff.U16(entry)) {
        case 0x011A:
            x = Rational(tiff, tiff.U32(entry + 8));
            break;
        case 0x011B:
            y = Rational(tiff, tiff.U32(entry + 8));
            break;
        case 0x0128:
            unit = tiff.U16(entry + 8);
            break;
        }
    }
    if (x <= 0 || y <= 0 || (unit != 2 && unit != 3))
        return std::nullopt;
    const double perInch = unit == 3 ? CentimetresPerInch : 1;
    return RecordedResolution {x * perInch, y * perInch};
}

RecordedResolution JpegResolution(const Bytes& bytes)
{
    std::optional<RecordedResolution> jfif;
    std::optional<RecordedResolution> exif;
    WalkJpeg(bytes, [&](uint8_t marker, QByteArrayView payload) {
        if (marker == 0xE0 && !jfif)
            jfif = JfifResolution(payload);
        else if (marker == 0xE1 && !exif)
            exif = ExifResolution(payload);
        return marker != 0xDA;
    });
    return jfif.value_or(exif.value_or(RecordedResolution {}));
}

RecordedResolution BmpResolution(const Bytes& bytes)
{
    const qsizetype info = 14;
    if (!bytes.Has(info, 4) || bytes.U32(info) < 40 || !bytes.Has(info, 40))
        return {};
    const auto x = int32_t(bytes.U32(info + 24));
    const auto y = int32_t(bytes.U32(info + 28));
    if (x <= 0 || y <= 0)
        return {};
    return {x * MetresPerInch, y * MetresPerInch};
}

constexpr QByteArrayView PngSignature("\x89PNG\r\n\x1A\n", 8);

enum BmpCompression : uint32_t { BmpRgb = 0, BmpRle8 = 1, BmpRle4 = 2, BmpBitFields = 3 };

// Walks an RLE8 or RLE4 stream from `at`; true when it reaches its end-of-bitmap mark.
bool RleReachesEnd(const Bytes& bytes, qsizetype at, bool fourBit)
{
    while (bytes.Has(at, 2)) {
        const uint8_t count = bytes.U8(at);
        const uint8_t code = bytes.U8(at + 1);
        at += 2;
        if (count > 0 || code == 0)
            continue;
        if (code == 1)
            return true;
        if (code == 2) {
            at += 2;
            continue;
        }
        const qsizetype literal = fourBit ? (code + 1) / 2 : code;
        at += (literal + 1) / 2 * 2;
    }
    return false;
}

bool BmpIsWhole(const Bytes& bytes)
{
    const qsizetype info = 14;
    if (!bytes.Has(0, info + 4))
        return false;
    const qsizetype pixels = bytes.U32(10);
    const uint32_t infoSize = bytes.U32(info);
    qint64 width = 0;
    qint64 height = 0;
    uint32_t bitCount = 0;
    uint32_t compression = BmpRgb;
    if (infoSize == 12 && bytes.Has(info, 12)) {
        width = bytes.U16(info + 4);
        height = bytes.U16(info + 6);
        bitCount = bytes.U16(info + 10);
    } else if (infoSize >= 40 && bytes.Has(info, 40)) {
        width = int32_t(bytes.U32(info + 4));
        height = int32_t(bytes.U32(info + 8));
        bitCount = bytes.U16(info + 14);
        compression = bytes.U32(info + 16);
    } else {
        return false;
    }
    if (pixels > bytes.data.size())
        return false;
    if (compression == BmpRle8 || compression == BmpRle4)
        return RleReachesEnd(bytes, pixels, compression == BmpRle4);
    if (compression != BmpRgb && compression != BmpBitFields)
        return true;
    const qint64 rowBytes = (qAbs(width) * bitCount + 31) / 32 * 4;
    return rowBytes == 0 || qAbs(height) <= (bytes.data.size() - pixels) / rowBytes;
}

// Skips a chain of GIF data sub-blocks starting at `at`; -1 when the file ends first.
qsizetype SkipGifSubBlocks(const Bytes& bytes, qsizetype at)
{
    while (bytes.Has(at, 1)) {
        const uint8_t length = bytes.U8(at);
        if (length == 0)
            return at + 1;
        at += 1 + length;
    }
    return -1;
}

qsizetype GifColourTableBytes(uint8_t flags)
{
    return (flags & 0x80) ? 3 * (qsizetype(2) << (flags & 0x07)) : 0;
}

bool GifIsWhole(const Bytes& bytes)
{
    const qsizetype screen = 6;
    if (!bytes.Has(screen, 7))
        return false;
    qsizetype at = screen + 7 + GifColourTableBytes(bytes.U8(screen + 4));
    while (bytes.Has(at, 1)) {
        switch (bytes.U8(at)) {
        case 0x3B:
            return true;
        case 0x21:
            at = SkipGifSubBlocks(bytes, at + 2);
            break;
        case 0x2C:
            if (!bytes.Has(at, 10))
                return false;
            at = SkipGifSubBlocks(bytes, at + 10 + GifColourTableBytes(bytes.U8(at + 9)) + 1);
            break;
        default:
            return false;
        }
        if (at < 0)
            return false;
    }
    return false;
}

bool PngIsWhole(const Bytes& bytes)
{
    qsizetype at = PngSignature.size();
    while (bytes.Has(at, 12)) {
        const qsizetype length = bytes.U32(at);
        if (bytes.data.sliced(at + 4, 4) == QByteArrayView("IEND"))
            return true;
        at += 12 + length;
    }
    return false;
}

} // namespace

RecordedResolution ReadRecordedResolution(QByteArrayView file)
{
    const Bytes bytes {file};
    if (IsJpeg(bytes))
        return JpegResolution(bytes);
    if (file.startsWith("BM"))
        return BmpResolution(Bytes {file, false});
    return {};
}

bool PictureIsWhole(QByteArrayView file)
{
    if (file.startsWith("BM"))
        return BmpIsWhole(Bytes {file, false});
    if (file.startsWith("GIF87a") || file.startsWith("GIF89a"))
        return GifIsWhole(Bytes {file, false});
    if (file.startsWith(PngSignature))
        return PngIsWhole(Bytes {file});
    return true;
}
