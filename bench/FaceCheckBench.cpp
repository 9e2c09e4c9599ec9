#include <QImage>
#include <benchmark/benchmark.h>

#include "FaceCheck.h"
#include "Portraits.h"

namespace {
// A capture of 2000 x 2000 pixels that frames the astronaut's head as an identity photo would.
QImage Capture()
{
    const QRect framing = AstronautFraming(0.755, 1.0);
    return RealPhoto("astronaut.png")
        .copy(framing)
        .scaled(2000, 2000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void BM_FaceCheck(benchmark::State& state)
{
    const QImage capture = Capture();
    for (auto _ : state)
        benchmark::DoNotOptimize(CheckFace(capture));
}
BENCHMARK(BM_FaceCheck)->Unit(benchmark::kMillisecond);

void BM_ReducedGrey(benchmark::State& state)
{
    const QImage capture = Capture();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReducedGrey(capture, 361));
}
BENCHMARK(BM_ReducedGrey)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
