// The capture of a large selection and the composition of a sheet, as the program runs them.
#include <cstdlib>

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "AppFolder.h"
#include "ButtonIndex.h"
#include "ComposeSheet.h"
#include "DrawnPortrait.h"
#include "FrmMain.h"
#include "ImageEdit.h"
#include "PictureBox.h"
#include "PrintRendering.h"
#include "ResizePhoto.h"

namespace {
void BM_CaptureSelection(benchmark::State& state)
{
    TemporaryApplicationFolder folder;
    FrmMain form;
    form.Form_Load();
    const QString path = folder.Path("ritratto.bmp");
    DrawnPortrait(2400, 2400).save(path, "BMP");
    form.ImgEdit1->SetImageSource(path);
    form.ImgEdit1->ShowImage();
    form.Globals.DefaultSelectionWidth = 1000;
    form.Globals.DefaultSelectionHeight = 1000;
    form.SelectionWidth = 2000;
    form.SelectionHeight = 2000;
    form.ImgEdit1->SelectRect(200, 200, 2000, 2000);
    for (auto _ : state)
        form.ImgEdit1_SelectionDrawn(200, 200, 2000, 2000);
    if (form.Globals.Grid.RedGrid.UpperX() != 2000)
        state.SkipWithError("the capture did not fill a 2000 x 2000 grid");
}
BENCHMARK(BM_CaptureSelection)->Unit(benchmark::kMillisecond)->UseRealTime();

// INQUADRA VISO on a 6000 x 4000 photo of a real portrait, from the click to the captured preview
// painted with its verdict.
void BM_FrameFace(benchmark::State& state)
{
    TemporaryApplicationFolder folder;
    FrmMain form;
    form.Form_Load();
    form.show();
    form.Image1_Click(Button::Passport);
    // The person fills the frame's height as a portrait takes it, the head a third of it.
    const QImage portrait
        = QImage(QStringLiteral(PORTRAITS_DIR "/astronaut.png"))
              .scaled(4000, 4000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage photo(6000, 4000, QImage::Format_RGB32);
    photo.fill(portrait.pixel(3000, 20));
    QPainter(&photo).drawImage(QPoint(1000, 0), portrait);
    const QString path = folder.Path("ritratto.bmp");
    photo.save(path, "BMP");
    form.ImgEdit1->SetImageSource(path);
    form.ImgEdit1->ShowImage();
    form.Globals.DefaultSelectionWidth = 106;
    form.Globals.DefaultSelectionHeight = 138;
    // The models are loaded at start, before anyone can click.
    SharedLandmarkModel();
    for (auto _ : state) {
        form.Image1_Click(Button::FrameFace);
        form.repaint();
    }
    if (form.PreviewFraming != Framing::Fits)
        state.SkipWithError("INQUADRA VISO did not frame the head");
}
BENCHMARK(BM_FrameFace)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ComposeSheet(benchmark::State& state)
{
    TemporaryApplicationFolder folder;
    DrawnPortrait(1500, 1950).save(folder.Path("FotoAppoggio.bmp"), "BMP");
    QWidget window;
    auto* photo = new ImageEdit(&window);
    auto* sheet = new ImageEdit(&window);
    auto* preview = new PictureBox(&window);
    sheet->resize(445, 306);
    const SheetControls controls {photo, sheet, preview, [] { QCoreApplication::processEvents(); }};
    for (auto _ : state)
        benchmark::DoNotOptimize(ComposeSheet(controls, {1, 8, 27 / 25.4 * 100, 35 / 25.4 * 100}));
    if (QImage(folder.Path("Passaporto.jpg")).size() != QSize(600, 400))
        state.SkipWithError("no 600 x 400 sheet was saved");
}
BENCHMARK(BM_ComposeSheet)
    ->Name("BM_ComposeSheet/passport")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// What the first print of a passport sheet adds: the sheet three times finer, each copy
// resampled from the accepted photo.
void BM_PrintRendering(benchmark::State& state)
{
    TemporaryApplicationFolder folder;
    DrawnPortrait(1500, 1950).save(folder.Path("FotoAppoggio.bmp"), "BMP");
    const QImage sheetTemplate(folder.Path("TaglioPP.jpg"));
    QList<PlacedCopy> copies;
    for (int i = 0; i < 8; ++i)
        copies.append({QPoint(35 + (i % 4) * 141, 41 + (i / 4) * 179), {}});
    for (auto _ : state) {
        const QImage fine = ResamplePhoto(ReadAcceptedPhoto(), {318, 414});
        benchmark::DoNotOptimize(RenderFineSheet(sheetTemplate, fine, copies, Qt::black, 3));
    }
}
BENCHMARK(BM_PrintRendering)
    ->Name("BM_PrintRendering/passport")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
