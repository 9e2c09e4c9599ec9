#include <functional>
#include <iostream>

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "ButtonIndex.h"
#include "CommonDialog.h"
#include "CupsOutput.h"
#include "MessageBoxWatch.h"
#include "PrinterRuntime.h"
#include "SheetPage.h"

using namespace CupsOutput;

namespace {
// The queues the test fixture installs; the first is the system default.
const QString DefaultQueue = QStringLiteral("OrvellaStampaA");
const QString SecondQueue = QStringLiteral("OrvellaStampaB");

struct DialogSeen
{
    bool shown = false;
    QString title;
    bool printToFile = true;
    bool pageRange = true;
    QString startedOn;
};

// Drives the next printer dialog: reads it, picks `queue` (empty: leaves it) and `copies`, then
// runs `beforeClosing` and accepts or cancels it.
void AnswerPrinterDialog(
    DialogSeen* seen, const QString& queue, int copies, bool accept,
    std::function<void()> beforeClosing = [] {})
{
    WhenModal([=](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        seen->shown = true;
        seen->title = dialog->windowTitle();
        seen->printToFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
        seen->pageRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        seen->startedOn = printers->currentText();
        if (!queue.isEmpty())
            printers->setCurrentIndex(printers->findText(queue));
        dialog->findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(copies);
        beforeClosing();
        if (accept)
            static_cast<QDialog*>(dialog)->accept();
        else
            dialog->reject();
    });
}

class PrintSheet : public testing::Test
{
protected:
    void SetUp() override
    {
        MakeCurrentPrinter(QPrinterInfo::printerInfo(DefaultQueue));
        ASSERT_EQ(page.form.CurrentPage, 2);
        ASSERT_TRUE(page.form.ImgEditFotoGruppo->HasImage());
        before = JobsSoFar();
    }

    SheetPage page;
    QStringList before;
};
} // namespace

TEST_F(PrintSheet, PrintsTheSheetFileAtTrueSizeOnTheChosenQueueInTheChosenCopies)
{
    ASSERT_EQ(QPrinterInfo::defaultPrinter().printerName(), DefaultQueue);
    DialogSeen dialog;
    MessageBoxWatch messages;
    AnswerPrinterDialog(&dialog, SecondQueue, 2, true);
    page.form.LblLuminosita->setText(QStringLiteral("x"));
    QElapsedTimer click;
    click.start();
    page.form.Image1_Click(Button::Print);
    const qint64 clickMs = click.elapsed();
    const Landed landed = WaitForJob(before);

    EXPECT_EQ(dialog.title, "Stampa Foto");
    EXPECT_EQ(page.form.CommonDialog1->Flags, 1048904);
    EXPECT_FALSE(dialog.printToFile);
    EXPECT_FALSE(dialog.pageRange);
    EXPECT_EQ(dialog.startedOn, DefaultQueue);
    EXPECT_FALSE(messages.seen.shown)
        << messages.seen.title.toStdString() << ": " << messages.seen.text.toStdString();
    EXPECT_EQ(page.form.LblLuminosita->text(), "0");
    EXPECT_EQ(CurrentPrinter().DeviceName(), DefaultQueue);

    ASSERT_EQ(QImage(page.SheetFile()).size(), QSize(600, 400));
    ASSERT_FALSE(landed.pdf.isEmpty()) << "no PDF came out";
    std::cout << "[ measured ] click (dialog answered by the test included) " << clickMs
              << " ms; the PDF landed " << landed.milliseconds << " ms after the click returned"
              << std::endl;
    RecordProperty("click_ms", int(clickMs));
    RecordProperty("landed_ms", int(landed.milliseconds));
    EXPECT_EQ(Queue(landed.job), SecondQueue);
    // The job carries the sheet file's name, which the PDF printer writes into the file's name.
    EXPECT_TRUE(QFileInfo(landed.pdf).fileName().startsWith(QLatin1String("FotoGruppo")))
        << landed.pdf.toStdString();

    const PdfPages pages = Pages(landed.pdf);
    EXPECT_EQ(pages.count, 2);
    EXPECT_EQ(pages.size, QSizeF(595, 842)); // A4, the queue's paper
    // The sheet three times finer: 300 pixels per inch.
    const QList<PdfImage> images = Images(landed.pdf);
    ASSERT_EQ(images.size(), 2);
    for (const PdfImage& image : images) {
        EXPECT_EQ(image.pixels, QSize(1800, 1200));
        EXPECT_EQ(image.xPpi, 300);
        EXPECT_EQ(image.yPpi, 300);
    }
}

TEST_F(PrintSheet, CancelPrintsNothingSaysNothingAndLeavesTheSheetFile)
{
    QFile earlier(page.SheetFile());
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("the earlier sheet");
    earlier.close();
    DialogSeen dialog;
    MessageBoxWatch messages;
    AnswerPrinterDialog(&dialog, SecondQueue, 3, false);
    page.form.LblLuminosita->setText(QStringLiteral("x"));
    page.form.Image1_Click(Button::Print);

    EXPECT_TRUE(dialog.shown);
    EXPECT_FALSE(messages.seen.shown);
    EXPECT_EQ(page.form.LblLuminosita->text(), "x");
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "the earlier sheet");
    EXPECT_EQ(CurrentPrinter().DeviceName(), DefaultQueue);
    EXPECT_EQ(CurrentPrinter().Copies(), 1);
    EXPECT_TRUE(page.form.CommonDialog1->CancelError);
    QTest::qWait(300);
    EXPECT_TRUE(NoJobPending());
    EXPECT_EQ(CompletedJobs(), before);
}

TEST_F(PrintSheet, AfterAPrintCancellingTheOpenDialogChangesNothing)
{
    DialogSeen dialog;
    MessageBoxWatch messages;
    AnswerPrinterDialog(&dialog, QString(), 1, true);
    page.form.Image1_Click(Button::Print);
    const Landed landed = WaitForJob(before);
    ASSERT_FALSE(landed.pdf.isEmpty());
    EXPECT_EQ(Queue(landed.job), DefaultQueue);
    EXPECT_EQ(Pages(landed.pdf).count, 1);

    page.form.Image1_Click(Button::BackToPhotoPage);
    ASSERT_EQ(page.form.CurrentPage, 1);
    const QString photo = page.form.PhotoPath;
    page.form.ZoomPercent = 321;
    page.form.LblZoom->setText(QStringLiteral("z"));
    page.form.LblLuminosita->setText(QStringLiteral("x"));
    bool openDialogShown = false;
    WhenModal([&](QWidget* modal) {
        openDialogShown = qobject_cast<QFileDialog*>(modal) != nullptr;
        static_cast<QDialog*>(modal)->reject();
    });
    page.form.Image1_Click(Button::Open);

    EXPECT_TRUE(openDialogShown);
    EXPECT_FALSE(messages.seen.shown);
    EXPECT_EQ(page.form.ZoomPercent, 321);
    EXPECT_EQ(page.form.LblZoom->text(), "z");
    EXPECT_EQ(page.form.LblLuminosita->text(), "x");
    EXPECT_EQ(page.form.PhotoPath, photo);
    EXPECT_TRUE(page.form.ImgEdit1->HasImage());
}

TEST_F(PrintSheet, AJobThePrintSystemRefusesIsAPrinterErrorWithItsReason)
{
    const QString refusing = QStringLiteral("OrvellaRifiuta");
    const QString vanishing = QStringLiteral("OrvellaTemporanea");
    ASSERT_TRUE(QProcess::execute(QStringLiteral("/usr/sbin/lpadmin"),
                                  {"-p", vanishing, "-v", "cups-pdf:/", "-E", "-P",
                                   "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"})
                == 0);
    const auto removeVanishing = [&] {
        RunTool(QStringLiteral("/usr/sbin/lpadmin"), {"-x", vanishing});
    };
    const struct
    {
        const char* how;
        QString queue;
        std::function<void()> beforeClosing;
        const char* reason;
    } cases[] = {
        {"a queue that rejects jobs", refusing, [] {}, "not accepting jobs"},
        // libcups gives the reason in its own words; the job is refused all the same.
        {"a queue removed while the dialog is open", vanishing, removeVanishing,
         "non ha accettato la stampa: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        DialogSeen dialog;
        MessageBoxWatch messages;
        AnswerPrinterDialog(&dialog, c.queue, 1, true, c.beforeClosing);
        page.form.Image1_Click(Button::Print);

        EXPECT_EQ(messages.seen.title, "482");
        EXPECT_TRUE(messages.seen.text.contains(c.queue)) << messages.seen.text.toStdString();
        EXPECT_TRUE(messages.seen.text.contains(QLatin1String(c.reason)))
            << messages.seen.text.toStdString();
    }
    removeVanishing();
    QTest::qWait(300);
    EXPECT_TRUE(NoJobPending());
    EXPECT_EQ(CompletedJobs(), before);
}

TEST_F(PrintSheet, AJobAcceptedOntoAStoppedPrinterIsASuccess)
{
    ASSERT_EQ(QProcess::execute(QStringLiteral("/usr/sbin/cupsdisable"), {SecondQueue}), 0);
    DialogSeen dialog;
    MessageBoxWatch messages;
    AnswerPrinterDialog(&dialog, SecondQueue, 1, true);
    page.form.Image1_Click(Button::Print);
    EXPECT_FALSE(messages.seen.shown)
        << messages.seen.title.toStdString() << ": " << messages.seen.text.toStdString();
    QTest::qWait(300);
    EXPECT_TRUE(RunTool(QStringLiteral("lpstat"), {"-o", SecondQueue}).contains(SecondQueue));

    ASSERT_EQ(QProcess::execute(QStringLiteral("/usr/sbin/cupsenable"), {SecondQueue}), 0);
    const Landed landed = WaitForJob(before);
    ASSERT_FALSE(landed.pdf.isEmpty());
    EXPECT_EQ(Queue(landed.job), SecondQueue);
}

TEST_F(PrintSheet, UnwritableSheetFileIsReportedAndThePrinterStaysAsChosen)
{
    ASSERT_TRUE(QDir().mkdir(page.SheetFile()));
    DialogSeen dialog;
    MessageBoxWatch messages;
    AnswerPrinterDialog(&dialog, SecondQueue, 3, true);
    page.form.Image1_Click(Button::Print);

    EXPECT_TRUE(messages.seen.shown);
    EXPECT_EQ(messages.seen.title, "75");
    EXPECT_TRUE(messages.seen.text.contains(page.SheetFile())) << messages.seen.text.toStdString();
    // The steps before the failure keep their effect; the restore never ran.
    EXPECT_EQ(CurrentPrinter().DeviceName(), SecondQueue);
    EXPECT_EQ(CurrentPrinter().Copies(), 3);
    QTest::qWait(300);
    EXPECT_TRUE(NoJobPending());
    EXPECT_EQ(CompletedJobs(), before);
}
