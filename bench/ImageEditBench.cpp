#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "ImageEdit.h"
#include "PhotoPreview.h"
#include "SelectionFit.h"

#include <jpeglib.h>

namespace {

// A 24-megapixel phone-style photo: soft light, shapes with edges, and sensor grain. It stays
// in the temporary folder so that a bare decoder can be timed on the very same file.
QString PhotoFile()
{
    const QString path = QDir::temp().filePath(QStringLiteral("orvella-photo-6000x4000.jpg"));
    if (QFileInfo::exists(path))
        return path;
    const int width = 6000;
    const int height = 4000;
    QImage photo(width, height, QImage::Format_RGB32);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> grain(-6, 6);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double light = 0.5 + 0.5 * std::sin(x / 700.0) * std::cos(y / 500.0);
            const int base = int(60 + 150 * light);
            line[x] = qRgb(std::clamp(base + 30 + grain(random), 0, 255),
                           std::clamp(base + grain(random), 0, 255),
                           std::clamp(base - 20 + (x + y) / 100 % 40 + grain(random), 0, 255));
        }
    }
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv(i * 37 % 360, 120, 200, 160));
        painter.drawEllipse(QPoint(i * 613 % width, i * 397 % height), 300 + i * 11, 200 + i * 7);
    }
    painter.end();
    photo.save(path, "JPEG", 90);
    return path;
}

// Open, fit and paint the first fitted picture, as the open button does.
void BM_ShowImage(benchmark::State& state)
{
    const QString path = PhotoFile();
    ImageEdit edit;
    edit.resize(880, 611);
    edit.show();
    for (auto _ : state) {
        edit.ClearImage();
        edit.SetImageSource(path);
        edit.FitImage(ImageEdit::FitOnShow);
        edit.ShowImage();
        edit.SetViewPercentX(100);
        edit.SetViewPercentY(100);
        edit.FitImage(ImageEdit::FitNow);
        benchmark::DoNotOptimize(edit.grab());
    }
    state.SetLabel(path.toStdString());
}

// The photo shown in a control of the photo page's size at the start, at the zoom given in percent.
void ShowAtZoom(ImageEdit& edit, int16_t zoom)
{
    edit.resize(880, 611);
    edit.show();
    edit.SetImageSource(PhotoFile());
    edit.ShowImage();
    edit.SetViewZoom(zoom);
}

// One paint of the view after a scroll of three wheel steps, at the zoom given in percent: each
// scroll shows a new region, which the view rescales before it draws.
void BM_ScrollPaint(benchmark::State& state)
{
    constexpr int WheelScroll = 3 * 20;
    ImageEdit edit;
    ShowAtZoom(edit, int16_t(state.range(0)));
    auto* view = edit.findChild<QAbstractScrollArea*>();
    QScrollBar* bar = view->horizontalScrollBar();
    bar->setValue(bar->maximum() / 2);
    QCoreApplication::processEvents();
    if (!view->viewport()->isVisible() || bar->maximum() == 0)
        state.SkipWithError("the photo is not shown scrollable");
    for (auto _ : state) {
        bar->setValue(bar->value() + WheelScroll > bar->maximum() ? 0 : bar->value() + WheelScroll);
        view->viewport()->repaint();
    }
}

// One step of a selection drag at the zoom given in percent: the pointer moves, the band takes the
// passport's proportions (as the photo page keeps them) and the view paints it. The band keeps up
// with the pointer when this stays within a frame, 16 ms.
void BM_SelectionDragPaint(benchmark::State& state)
{
    ImageEdit edit;
    ShowAtZoom(edit, int16_t(state.range(0)));
    const int32_t width = edit.ImagePixelWidth();
    const int32_t height = edit.ImagePixelHeight();
    edit.SetSelectionShape([width, height](const QRect& drawn) {
        const SelectionRect kept = KeptSelection(
            {drawn.x(), drawn.y(), drawn.width(), drawn.height()}, 0, 0, width, height, 106, 138);
        return QRect(kept.Left, kept.Top, kept.Width, kept.Height);
    });
    QWidget* viewport = edit.findChild<QAbstractScrollArea*>()->viewport();
    QCoreApplication::processEvents();
    const auto send = [viewport](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    };
    send(QEvent::MouseButtonPress, QPointF(200, 150), Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 200;
        send(QEvent::MouseMove, QPointF(400 + step, 300 + step), Qt::LeftButton);
        viewport->repaint();
    }
    if (edit.Selection().isEmpty())
        state.SkipWithError("the drag drew no band");
    send(QEvent::MouseButtonRelease, QPointF(400, 300), Qt::NoButton);
}

// The decode alone through Qt, for comparison with the whole showing.
void BM_DecodeOnly(benchmark::State& state)
{
    const QString path = PhotoFile();
    for (auto _ : state) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        benchmark::DoNotOptimize(reader.read());
    }
}

// The open dialog's preview of the highlighted photo, as its preview box decodes it.
void BM_PreviewThumbnail(benchmark::State& state)
{
    const QString path = PhotoFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeThumbnail(path, QSize(238, 238)));
}

// libjpeg-turbo on its own, decoding at 1/8 of the size: the floor any preview could reach.
void BM_PreviewLibjpeg(benchmark::State& state)
{
    const QString path = PhotoFile();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray data = file.readAll();
    for (auto _ : state) {
        jpeg_decompress_struct decoder;
        jpeg_error_mgr errors;
        decoder.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&decoder);
        jpeg_mem_src(&decoder, reinterpret_cast<const unsigned char*>(data.constData()),
                     static_cast<unsigned long>(data.size()));
        jpeg_read_header(&decoder, TRUE);
        decoder.scale_num = 1;
        decoder.scale_denom = 8;
        jpeg_start_decompress(&decoder);
        QImage thumbnail(int(decoder.output_width), int(decoder.output_height),
                         QImage::Format_RGB888);
        while (decoder.output_scanline < decoder.output_height) {
            JSAMPROW row = thumbnail.scanLine(int(decoder.output_scanline));
            jpeg_read_scanlines(&decoder, &row, 1);
        }
        jpeg_finish_decompress(&decoder);
        jpeg_destroy_decompress(&decoder);
        benchmark::DoNotOptimize(thumbnail);
    }
}

} // namespace

BENCHMARK(BM_PreviewThumbnail)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PreviewLibjpeg)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ShowImage)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ScrollPaint)
    ->Arg(25)
    ->Arg(100)
    ->Arg(400)
    ->Arg(1600)
    ->Arg(6400)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SelectionDragPaint)
    ->Arg(100)
    ->Arg(6400)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DecodeOnly)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QImageReader::setAllocationLimit(512);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
