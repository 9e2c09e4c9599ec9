#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "FaceCheck.h"
#include "GreyMeasures.h"
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

// A 6000 x 4000 photo of a real portrait: the person filling the frame's height as a portrait
// takes it (the head a third of the height), or standing further off (a fifth).
QImage PortraitPhoto(int personHeight)
{
    const QImage portrait
        = RealPhoto("astronaut.png")
              .scaled(personHeight, personHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage photo(6000, 4000, QImage::Format_RGB32);
    photo.fill(portrait.pixel(personHeight * 3 / 4, 10));
    QPainter(&photo).drawImage(QPoint(3000 - personHeight / 2, 4000 - personHeight), portrait);
    return photo;
}

// The face to frame in the whole photo.
void BM_FindHeadInPhoto(benchmark::State& state)
{
    const QImage photo = PortraitPhoto(int(state.range(0)));
    FindHeadInPhoto(photo);
    for (auto _ : state)
        benchmark::DoNotOptimize(FindHeadInPhoto(photo));
    if (!FindHeadInPhoto(photo))
        state.SkipWithError("no face found");
}
BENCHMARK(BM_FindHeadInPhoto)->Arg(4000)->Arg(2400)->Unit(benchmark::kMillisecond);

void BM_ReducedGrey(benchmark::State& state)
{
    const QImage capture = Capture();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReducedGrey(capture, 361));
}
BENCHMARK(BM_ReducedGrey)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
