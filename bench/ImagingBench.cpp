#include <QImage>
#include <benchmark/benchmark.h>

#include "AdjustTone.h"
#include "CapturePixels.h"
#include "DrawnPortrait.h"
#include "PixelGrid.h"

namespace {
const int Side = 2000;
const int Brightness = 12;
const int Contrast = -7;

const QImage& Photo()
{
    static const QImage photo = DrawnPortrait(Side, Side);
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
