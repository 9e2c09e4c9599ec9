#include "AdjustTone.h"

#include <cstring>
#include <vector>

#include <QtConcurrent/QtConcurrentMap>

#include "ColourModel.h"
#include "RuntimeError.h"

namespace {
const double OneThird = 1.0 / 3.0;
const double TwoThirds = 2.0 / 3.0;

// Channels are non-negative whole numbers here; anything not below 255 packs as 255.
int Channel(double value)
{
    return value < 255 ? static_cast<int>(value) : 255;
}

// A picture row and the three grid rows it is computed from.
struct RowJob
{
    const int32_t* red;
    const int32_t* green;
    const int32_t* blue;
    QRgb* out;
};

void PortableRow(const RowJob& row, int width, int32_t brightness, int32_t contrast)
{
    for (int x = 0; x < width; ++x)
        row.out[x] = AdjustPixel(row.red[x], row.green[x], row.blue[x], brightness, contrast);
}

// The vector helpers are always inlined, so the calling convention for vectors never applies.
#pragma GCC diagnostic ignored "-Wpsabi"

// The same evaluation on N pixels at once, in GCC vector types so that one body serves every
// instruction set. Each lane takes exactly the operations the scalar code takes: both sides of a
// branch are computed and the lane's own condition selects, in the scalar code's order of tests.
typedef double Double4 __attribute__((vector_size(32)));
typedef int32_t Int4 __attribute__((vector_size(16)));
typedef double Double8 __attribute__((vector_size(64)));
typedef int32_t Int8 __attribute__((vector_size(32)));

template<class D> [[gnu::always_inline]] inline D Hue2Rgb(const D& m1, const D& m2, const D& hue)
{
    D t = hue < 0 ? hue + 1 : hue;
    t = t > 1 ? t - 1 : t;
    const D rising = m1 + ((m2 - m1) * 6) * t;
    const D falling = m1 + ((m2 - m1) * (TwoThirds - t)) * 6;
    return 6 * t < 1 ? rising : (2 * t < 1 ? m2 : (3 * t < 2 ? falling : m1));
}

// |floor(v)| with anything not below 255 (NaN included) as 255. Clamping first keeps the
// conversion to int exact; floor is truncation corrected by one where truncation went up.
template<class D, class I> [[gnu::always_inline]] inline I ChannelLanes(const D& value)
{
    D v = value < 256 ? value : 256;
    v = v > -257 ? v : -257;
    I whole = __builtin_convertvector(v, I);
    whole += __builtin_convertvector(__builtin_convertvector(whole, D) > v, I);
    whole = whole < 0 ? -whole : whole;
    return whole > 255 ? 255 : whole;
}

template<class D, class I>
[[gnu::always_inline]] inline void AdjustLanes(const int32_t* red, const int32_t* green,
                                               const int32_t* blue, double lightnessShift,
                                               double saturationShift, QRgb* out)
{
    I ri, gi, bi;
    std::memcpy(&ri, red, sizeof ri);
    std::memcpy(&gi, green, sizeof gi);
    std::memcpy(&bi, blue, sizeof bi);
    const D r = __builtin_convertvector(ri, D) / 255;
    const D g = __builtin_convertvector(gi, D) / 255;
    const D b = __builtin_convertvector(bi, D) / 255;

    // RgbToHsl.
    D mn = g < r ? g : r;
    mn = b < mn ? b : mn;
    D mx = g > r ? g : r;
    mx = b > mx ? b : mx;
    const D d = mx - mn;
    const D lightness = (mx + mn) / 2;
    D saturation = d / (lightness < 0.5 ? mx + mn : (2 - mx) - mn);
    // Each hue branch reads the two channels that are not the maximum, so only those two are
    // divided. When neither red nor green is the maximum, blue is.
    const auto redMax = r == mx;
    const auto greenMax = g == mx;
    const D first = redMax ? b : (greenMax ? r : g);
    const D second = redMax ? g : (greenMax ? b : r);
    const D offset = redMax ? 0 : (greenMax ? OneThird : TwoThirds);
    // The red branch has no offset: 0 + x is exactly x for its positive x.
    D hue = (offset + ((mx - first) / 6 + d / 2) / d) - ((mx - second) / 6 + d / 2) / d;
    hue = hue < 0 ? hue + 1 : hue;
    hue = hue > 1 ? hue - 1 : hue;
    const auto grey = d == 0;
    hue = grey ? 0 : hue;
    saturation = grey ? 0 : saturation;

    const D l = lightness + lightnessShift;
    const D s = saturation + saturationShift;

    // HslToRgb.
    const D m2 = l < 0.5 ? l * (1 + s) : (l + s) - (s * l);
    const D m1 = 2 * l - m2;
    const auto flat = s == 0;
    const D flatValue = l * 255;
    const D rv = flat ? flatValue : Hue2Rgb(m1, m2, hue + OneThird) * 255;
    const D gv = flat ? flatValue : Hue2Rgb(m1, m2, hue) * 255;
    const D bv = flat ? flatValue : Hue2Rgb(m1, m2, hue - OneThird) * 255;

    const auto opaque = static_cast<int32_t>(0xFF000000u);
    const I words = opaque | ChannelLanes<D, I>(rv) << 16 | ChannelLanes<D, I>(gv) << 8
        | ChannelLanes<D, I>(bv);
    std::memcpy(out, &words, sizeof words);
}

template<class D, class I>
[[gnu::always_inline]] inline void VectorRow(const RowJob& row, int width, int32_t brightness,
                                             int32_t contrast)
{
    const double lightnessShift = brightness / 100.0;
    const double saturationShift = contrast / 100.0;
    constexpr int lanes = sizeof(I) / sizeof(int32_t);
    int x = 0;
    for (; x + lanes <= width; x += lanes)
        AdjustLanes<D, I>(row.red + x, row.green + x, row.blue + x, lightnessShift, saturationShift,
                          row.out + x);
    for (; x < width; ++x)
        row.out[x] = AdjustPixel(row.red[x], row.green[x], row.blue[x], brightness, contrast);
}

#if defined(__x86_64__)
[[gnu::target("avx2")]] void Avx2Row(const RowJob& row, int width, int32_t brightness,
                                     int32_t contrast)
{
    VectorRow<Double4, Int4>(row, width, brightness, contrast);
}

[[gnu::target("avx512f,avx512vl,avx512dq")]] void Avx512Row(const RowJob& row, int width,
                                                            int32_t brightness, int32_t contrast)
{
    VectorRow<Double8, Int8>(row, width, brightness, contrast);
}
#endif

using RowFunction = void (*)(const RowJob&, int, int32_t, int32_t);

RowFunction RowFunctionOf(ToneKernel kernel)
{
#if defined(__x86_64__)
    if (kernel == ToneKernel::Avx512)
        return Avx512Row;
    if (kernel == ToneKernel::Avx2)
        return Avx2Row;
#endif
    return PortableRow;
}

bool Covers(const ChannelGrid& grid, int width, int height)
{
    return width == 0 || height == 0 || grid.Contains(width - 1, height - 1);
}
} // namespace

QRgb AdjustPixel(int32_t red, int32_t green, int32_t blue, int32_t brightness, int32_t contrast)
{
    HslColour hsl = RgbToHsl(red, green, blue);
    hsl.L = hsl.L + brightness / 100.0;
    hsl.S = hsl.S + contrast / 100.0;
    const RgbColour rgb = HslToRgb(hsl.H, hsl.S, hsl.L);
    return qRgb(Channel(rgb.R), Channel(rgb.G), Channel(rgb.B));
}

bool IsSupported(ToneKernel kernel)
{
#if defined(__x86_64__)
    if (kernel == ToneKernel::Avx512) {
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl")
            && __builtin_cpu_supports("avx512dq");
    }
    if (kernel == ToneKernel::Avx2)
        return __builtin_cpu_supports("avx2");
    return true;
#else
    return kernel == ToneKernel::Portable;
#endif
}

ToneKernel BestToneKernel()
{
    for (const ToneKernel kernel : {ToneKernel::Avx512, ToneKernel::Avx2}) {
        if (IsSupported(kernel))
            return kernel;
    }
    return ToneKernel::Portable;
}

void AdjustTone(const PixelGrid& grid, int32_t brightness, int32_t contrast, QImage& picture)
{
    AdjustTone(grid, brightness, contrast, picture, BestToneKernel());
}

void AdjustTone(const PixelGrid& grid, int32_t brightness, int32_t contrast, QImage& picture,
                ToneKernel kernel)
{
    const int width = picture.width();
    const int height = picture.height();
    if (!Covers(grid.RedGrid, width, height) || !Covers(grid.GreenGrid, width, height)
        || !Covers(grid.BlueGrid, width, height))
        Raise(ErrorNumber::SubscriptOutOfRange);
    if (!IsSupported(kernel))
        Raise(ErrorNumber::InvalidProcedureCall);
    if (picture.format() != QImage::Format_RGB32)
        picture.convertTo(QImage::Format_RGB32);

    // Rows are fetched here, on this thread: scanLine() may detach the picture.
    std::vector<RowJob> rows(height);
    for (int y = 0; y < height; ++y) {
        rows[y] = {grid.RedGrid.Row(y), grid.GreenGrid.Row(y), grid.BlueGrid.Row(y),
                   reinterpret_cast<QRgb*>(picture.scanLine(y))};
    }
    const RowFunction rowFunction = RowFunctionOf(kernel);
    QtConcurrent::blockingMap(
        rows, [=](const RowJob& row) { rowFunction(row, width, brightness, contrast); });
}
