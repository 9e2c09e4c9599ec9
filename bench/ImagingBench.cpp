#include <algorithm>
#include <cmath>
#include <random>

#include <QImage>
#include <benchmark/benchmark.h>

#include "AdjustTone.h"
#include "CapturePixels.h"
#include "PixelGrid.h"

namespace {
const int Side = 2000;
const int Brightness = 12;
const int Contrast = -7;

double Smooth(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// A portrait-like picture: a lit wall in soft gradients, shoulders, hair and a shaded oval face,
// with low-frequency blotches and fine sensor noise, so that colours vary as in a real photo.
QImage Portrait(int width, int height)
{
    std::mt19937 random(20240611);
    std::normal_distribution<double> grain(0, 2.0);
    std::uniform_real_distribution<double> phase(0, 6.283);
    const double p1 = phase(random), p2 = phase(random), p3 = phase(random);

    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const double v = double(y) / height;
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width;
            const double blotch = std::sin(u * 7 + p1) * std::sin(v * 5 + p2) * 10
                + std::sin((u + v) * 13 + p3) * 4;
            // Wall: warm at the top left, cooler and darker towards the bottom right.
            double c[3] = {205 - 60 * v - 25 * u + blotch, 200 - 45 * v - 10 * u + blotch,
                           185 - 20 * v + 15 * u + blotch};

            const double fx = (u - 0.5) / 0.2, fy = (v - 0.42) / 0.27;
            const double face = 1 - Smooth(0.9, 1.0, std::hypot(fx, fy));
            // Hair fills a slightly larger oval around the face and a fringe over the forehead.
            const double head = 1 - Smooth(0.95, 1.05, std::hypot(fx / 1.15, (v - 0.36) / 0.31));
            const double hair = head * std::max(1 - face, 1 - Smooth(0.25, 0.3, v));
            const double neck = (1 - Smooth(0.06, 0.07, std::abs(u - 0.5))) * Smooth(0.55, 0.6, v);
            const double body
                = Smooth(0.7, 0.75, v) * (1 - Smooth(0.3, 0.4, std::abs(u - 0.5) - v + 0.7));
            const double light
                = 0.75 + 0.25 * std::clamp(1 - std::hypot(fx + 0.35, fy + 0.3) / 1.6, 0.0, 1.0);

            const double skin[3] = {225 * light, 170 * light, 140 * light};
            const double hairColour[3] = {60 + blotch, 40 + blotch, 30 + blotch};
            const double jacket[3] = {40 + 30 * u, 55 + 20 * v, 90 + blotch};
            for (int k = 0; k < 3; ++k) {
                c[k] = c[k] * (1 - neck) + skin[k] * 0.8 * neck;
                c[k] = c[k] * (1 - body) + jacket[k] * body;
                c[k] = c[k] * (1 - face) + skin[k] * face;
                c[k] = c[k] * (1 - hair) + hairColour[k] * hair;
                c[k] = std::clamp(std::round(c[k] + grain(random)), 0.0, 255.0);
            }
            line[x] = qRgb(int(c[0]), int(c[1]), int(c[2]));
        }
    }
    return picture;
}

const QImage& Photo()
{
    static const QImage photo = Portrait(Side, Side);
    return photo;
}

const PixelGrid& Grid()
{
    static const PixelGrid grid = [] {
        PixelGrid captured;
        captured.Dimension(Side, Side);
        CapturePixels(Photo(), captured, 0, 0, Side, Side);
        return captured;
    }();
    return grid;
}

// The plain evaluation, one pixel at a time, in the order the preview has always been drawn.
void AdjustToneScalar(const PixelGrid& grid, int brightness, int contrast, QImage& picture)
{
    for (int x = 0; x < picture.width(); ++x) {
        for (int y = 0; y < picture.height(); ++y) {
            picture.setPixel(x, y,
                             AdjustPixel(grid.RedGrid(x, y), grid.GreenGrid(x, y),
                                         grid.BlueGrid(x, y), brightness, contrast));
        }
    }
}

void BM_CapturePixels(benchmark::State& state)
{
    const QImage& photo = Photo();
    PixelGrid grid;
    for (auto _ : state) {
        grid.Dimension(Side, Side);
        CapturePixels(photo, grid, 0, 0, Side, Side);
        benchmark::DoNotOptimize(grid.BlueGrid.Row(Side - 1));
    }
}

void BM_AdjustTone(benchmark::State& state)
{
    QImage picture(Side, Side, QImage::Format_RGB32);
    QImage reference(Side, Side, QImage::Format_RGB32);
    AdjustTone(Grid(), Brightness, Contrast, picture);
    AdjustToneScalar(Grid(), Brightness, Contrast, reference);
    if (picture != reference) {
        state.SkipWithError("the kernel differs from the plain evaluation");
        return;
    }
    for (auto _ : state) {
        AdjustTone(Grid(), Brightness, Contrast, picture);
        benchmark::ClobberMemory();
    }
    const char* names[] = {"portable", "avx2", "avx512"};
    state.SetLabel(names[int(BestToneKernel())]);
}

void BM_AdjustToneScalar(benchmark::State& state)
{
    QImage picture(Side, Side, QImage::Format_RGB32);
    for (auto _ : state) {
        AdjustToneScalar(Grid(), Brightness, Contrast, picture);
        benchmark::ClobberMemory();
    }
}
} // namespace

BENCHMARK(BM_CapturePixels)->Name("BM_CapturePixels/2000x2000")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AdjustTone)
    ->Name("BM_AdjustTone/2000x2000")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_AdjustToneScalar)
    ->Name("BM_AdjustToneScalar/2000x2000")
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
