#include "JpegFiles.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE Rgb32Space = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE Rgb32Space = JCS_EXT_XRGB;
#endif
constexpr int CmykBands = 4;
constexpr int MaximumLevel = 255;
constexpr int DotsPerInchUnit = 1;

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    JpegFault fault;
    char message[JMSG_LENGTH_MAX];
};

ErrorManager& ErrorsOf(j_common_ptr info)
{
    return *reinterpret_cast<ErrorManager*>(info->err);
}

[[noreturn]] void Stop(j_common_ptr info, JpegFault fault)
{
    ErrorManager& errors = ErrorsOf(info);
    errors.fault = fault;
    (*info->err->format_message)(info, errors.message);
    std::longjmp(errors.jump, 1);
}

[[noreturn]] void OnError(j_common_ptr info)
{
    Stop(info, JpegFault::Unreadable);
}

// libjpeg reports missing and damaged data as warnings and goes on with grey.
void OnMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    switch (info->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
        Stop(info, JpegFault::Truncated);
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
        Stop(info, JpegFault::Corrupt);
    default:
        return;
    }
}

void InstallErrorManager(j_common_ptr info, ErrorManager& errors)
{
    info->err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    errors.fault = JpegFault::None;
    errors.message[0] = '\0';
}

// Adobe's CMYK JPEGs store their inks inverted: each value is how much of the paper shows.
void CmykToRgb32(const JSAMPLE* cmyk, QRgb* out, JDIMENSION width)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += CmykBands) {
        const int k = cmyk[3];
        out[x] = qRgb(cmyk[0] * k / MaximumLevel, cmyk[1] * k / MaximumLevel,
                      cmyk[2] * k / MaximumLevel);
    }
}

// Kept apart from the caller so that the long jump of an error passes no C++ destructor.
bool Decode(jpeg_decompress_struct& info, ErrorManager& errors, QByteArrayView file, QImage& canvas,
            std::vector<JSAMPLE>& cmykRow)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(file.data()),
                 static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : Rgb32Space;
    if (int(info.image_width) != canvas.width() || int(info.image_height) != canvas.height()) {
        errors.fault = JpegFault::Unreadable;
        return false;
    }
    jpeg_start_decompress(&info);
    if (cmyk)
        cmykRow.resize(size_t(info.output_width) * CmykBands);
    while (info.output_scanline < info.output_height) {
        uchar* line = canvas.scanLine(int(info.output_scanline));
        JSAMPROW row = cmyk ? cmykRow.data() : line;
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk)
            CmykToRgb32(row, reinterpret_cast<QRgb*>(line), info.output_width);
    }
    jpeg_finish_decompress(&info);
    return true;
}

bool Encode(jpeg_compress_struct& info, ErrorManager& errors, const QImage& rgb32, int quality,
            int dotsPerInch, unsigned char*& buffer, unsigned long& size)
{
    if (setjmp(errors.jump))
        return false;
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb32.width());
    info.image_height = JDIMENSION(rgb32.height());
    info.input_components = 4;
    info.in_color_space = Rgb32Space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Every colour sample kept: subsampled chroma blurs the copies' colour edges.
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    info.write_JFIF_header = TRUE;
    info.density_unit = DotsPerInchUnit;
    info.X_density = UINT16(dotsPerInch);
    info.Y_density = UINT16(dotsPerInch);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(rgb32.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

JpegDecoding DecodeJpeg(QByteArrayView file, QImage& canvas)
{
    jpeg_decompress_struct info {};
    ErrorManager errors {};
    InstallErrorManager(reinterpret_cast<j_common_ptr>(&info), errors);
    std::vector<JSAMPLE> cmykRow;
    const bool decoded = Decode(info, errors, file, canvas, cmykRow);
    jpeg_destroy_decompress(&info);
    if (decoded)
        return {};
    return {errors.fault, QString::fromLocal8Bit(errors.message)};
}

QByteArray EncodeJpeg(const QImage& picture, int quality, int dotsPerInch)
{
    const QImage rgb32 = picture.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info {};
    ErrorManager errors {};
    InstallErrorManager(reinterpret_cast<j_common_ptr>(&info), errors);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool encoded = Encode(info, errors, rgb32, quality, dotsPerInch, buffer, size);
    jpeg_destroy_compress(&info);
    QByteArray bytes;
    if (encoded)
        bytes = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}
