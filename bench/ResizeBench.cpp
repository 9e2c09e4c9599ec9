#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "ApplicationFolder.h"
#include "ResizePhoto.h"

namespace {
// An accepted photo as large as a generous selection on a phone picture.
QImage Photo(int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(x * 255 / width, y * 255 / height, (x ^ y) & 0xff);
    }
    return photo;
}

void BM_ResizePhoto(benchmark::State& state)
{
    QTemporaryDir folder;
    SetApplicationFolder(folder.path());
    Photo(1500, 1950).save(ApplicationFile(QStringLiteral("FotoAppoggio.bmp")), "BMP");
    const double widthMm[] = {27, 40, 54};
    const double heightMm[] = {35, 45, 60};
    const auto document = state.range(0);
    for (auto _ : state)
        ResizePhoto(widthMm[document] / 25.4 * 100, heightMm[document] / 25.4 * 100);
    SetApplicationFolder(QString());
}
} // namespace

BENCHMARK(BM_ResizePhoto)
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
