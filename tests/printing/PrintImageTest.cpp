#include <functional>
#include <optional>

#include <QPageSize>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "CupsOutput.h"
#include "Errors.h"
#include "ImageEdit.h"
#include "PrinterRuntime.h"
#include "RuntimeError.h"

using namespace CupsOutput;

namespace {
// A control showing a black 600 x 400 sheet, so that the ink on paper is the sheet, on the
// default queue with the paper asked for.
struct BlackSheet
{
    QTemporaryDir dir;
    ImageEdit edit;
    explicit BlackSheet(QPageSize::PageSizeId paper)
    {
        QImage sheet(600, 400, QImage::Format_RGB32);
        sheet.fill(Qt::black);
        const QString path = dir.filePath(QStringLiteral("nero.bmp"));
        sheet.save(path, "BMP");
        edit.SetImageSource(path);
        edit.ShowImage();
        MakeCurrentPrinter(QPrinterInfo::defaultPrinter());
        EXPECT_TRUE(CurrentPrinter().Device().setPageSize(QPageSize(paper)));
    }
};
} // namespace

TEST(PrintImage, PutsTheSheetAtTrueSizeInTheMiddleOfThePaperTurnedOnlyWhenItMustBe)
{
    constexpr int dpi = 50;
    const struct
    {
        QPageSize::PageSizeId paper;
        QSize inked; // pixels at 50 dpi
    } cases[] = {
        {QPageSize::A4, {300, 200}},
        {QPageSize::A5, {200, 300}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QPageSize(c.paper).name().toStdString());
        BlackSheet sheet(c.paper);
        const QStringList before = JobsSoFar();
        sheet.edit.PrintImage(1);
        CurrentPrinter().EndDoc();
        const Landed landed = WaitForJob(before);
        ASSERT_FALSE(landed.pdf.isEmpty());

        const QSizeF paper = QPageSize(c.paper).size(QPageSize::Point);
        EXPECT_NEAR(Pages(landed.pdf).size.width(), paper.width(), 1);
        EXPECT_NEAR(Pages(landed.pdf).size.height(), paper.height(), 1);
        const QList<PdfImage> images = Images(landed.pdf);
        ASSERT_EQ(images.size(), 1);
        EXPECT_EQ(images[0].xPpi, 100);
        EXPECT_EQ(images[0].yPpi, 100);

        const QImage page = Render(landed.pdf, dpi);
        const QRect inked = Inked(page);
        EXPECT_NEAR(inked.width(), c.inked.width(), 1);
        EXPECT_NEAR(inked.height(), c.inked.height(), 1);
        EXPECT_NEAR(inked.center().x(), page.width() / 2.0, 1);
        EXPECT_NEAR(inked.center().y(), page.height() / 2.0, 1);
    }
}

TEST(PrintImage, RefusesAPaperSmallerThanTheSheetAndPrintsNothing)
{
    BlackSheet sheet(QPageSize::EnvelopeMonarch);
    const QStringList before = JobsSoFar();
    const auto error = ErrorOf([&] { sheet.edit.PrintImage(1); });
    CurrentPrinter().EndDoc();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), 482);
    EXPECT_EQ(error->Description().toStdString(),
              "Errore della stampante: il foglio richiede 152,4 x 101,6 mm, più dell'area "
              "stampabile della carta Envelope Monarch sulla stampante OrvellaStampaA (98,4 x "
              "190,5 mm). Scegliere una carta più grande nelle proprietà della stampante.");
    QTest::qWait(300);
    EXPECT_TRUE(NoJobPending());
    EXPECT_EQ(CompletedJobs(), before);
}

TEST(PrintImage, CollectsPagesUntilEndDocSendsThem)
{
    BlackSheet sheet(QPageSize::A4);
    const QStringList before = JobsSoFar();
    sheet.edit.PrintImage(1);
    sheet.edit.PrintImage(1);
    QTest::qWait(300);
    EXPECT_EQ(CompletedJobs(), before);
    CurrentPrinter().EndDoc();
    const Landed landed = WaitForJob(before);
    ASSERT_FALSE(landed.pdf.isEmpty());
    EXPECT_EQ(Pages(landed.pdf).count, 2);
}
