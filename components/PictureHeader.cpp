#include "PictureHeader.h"

#include <cstdint>
#include <cstring>
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

// The position after the entropy-coded data that starts at `at`: the next marker that is not a
// stuffed zero or a restart marker.
qsizetype SkipEntropyData(const Bytes& bytes, qsizetype at)
{
    const qsizetype size = bytes.data.size();
    while (at + 1 < size) {
        const void* found = std::memchr(bytes.data.data() + at, 0xFF, size_t(size - at - 1));
        if (!found)
            return size;
        at = static_cast<const char*>(found) - bytes.data.data();
        const uint8_t next = bytes.U8(at + 1);
        if (next != 0x00 && next != 0xFF && !(next >= 0xD0 && next <= 0xD7))
            return at;
        at += next == 0xFF ? 1 : 2;
    }
    return size;
}

// Walks the marker segments of a JPEG stream, handing each (marker, payload) to `visit` until it
// returns false. Returns true when the walk reached the end-of-image marker.
template<typename Visit> bool WalkJpeg(const Bytes& bytes, Visit visit)
{
    qsizetype at = 2;
    while (bytes.Has(at, 2)) {
        if (bytes.U8(at) != 0xFF)
            return false;
        const uint8_t marker = bytes.U8(at + 1);
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        if (marker == 0xD9)
            return true;
        if (IsStandalone(marker)) {
            at += 2;
            continue;
        }
        if (!bytes.Has(at + 2, 2))
            return false;
        const qsizetype length = bytes.U16(at + 2);
        if (length < 2 || !bytes.Has(at + 2, length))
            return false;
        if (!visit(marker, bytes.data.sliced(at + 4, length - 2)))
            return false;
        at += 2 + length;
        if (marker == 0xDA)
            at = SkipEntropyData(bytes, at);
    }
    return false;
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

bool JpegReachesEnd(QByteArrayView file)
{
    const Bytes bytes {file};
    return IsJpeg(bytes) && WalkJpeg(bytes, [](uint8_t, QByteArrayView) { return true; });
}
