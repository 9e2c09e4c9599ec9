#include <functional>
#include <iostream>

#include <QComboBox>
#include <QFile>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "ButtonIndex.h"
#include "CupsOutput.h"
#include "MessageBoxWatch.h"
#include "PrinterRuntime.h"
#include "SheetPage.h"

using namespace CupsOutput;

namespace {
// A passport copy at 100 pixels per inch: 106 x 138 pixels.
constexpr double CopyWidthMm = 106 * 0.254;
constexpr double CopyHeightMm = 138 * 0.254;
constexpr double ToleranceMm = 0.15;
constexpr int MeasuringDpi = 254;
const QColor FlatPhoto(30, 60, 170);

// Hands `act` the next modal widget that is not `open`, once it is up.
void WhenModalOver(QWidget* open, std::function<void(QWidget*)> act, int triesLeft = 400)
{
    QTimer::singleShot(10, [=]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != open)
            act(modal);
        else if (triesLeft > 0)
            WhenModalOver(open, act, triesLeft - 1);
    });
}

// Answers the next printer dialog as a user would: picks the queue, opens its properties, picks
// the paper there by its name and prints.
void ChoosePrinterAndPaper(const QString& queue, const QString& paper)
{
    WhenModal([=](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        printers->setCurrentIndex(printers->findText(queue));
        WhenModalOver(dialog, [=](QWidget* properties) {
            auto* sizes = properties->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
            EXPECT_GE(sizes->findText(paper), 0) << paper.toStdString();
            sizes->setCurrentIndex(sizes->findText(paper));
            static_cast<QDialog*>(properties)->accept();
        });
        dialog->findChild<QPushButton*>(QStringLiteral("properties"))->click();
        static_cast<QDialog*>(dialog)->accept();
    });
}

// The name a queue's PPD gives one of its papers.
QString PaperName(const char* queue, const char* key)
{
    return PaperOf(QString::fromUtf8(queue), QString::fromUtf8(key)).name();
}

// Prints the shown sheet through the print button on that queue and paper and waits for its PDF.
Landed PrintThroughTheButton(SheetPage& page, MessageBoxWatch& messages, const char* queue,
                             const char* paper)
{
    const QStringList before = JobsSoFar();
    ChoosePrinterAndPaper(QString::fromUtf8(queue), PaperName(queue, paper));
    page.form.Image1_Click(Button::Print);
    if (messages.seen.shown)
        return {};
    return WaitForJob(before);
}
} // namespace

TEST(PhotoPaper, PassportCopiesPrintAtTrueSizeAt300PpiOnEveryPaperThatHoldsThem)
{
    // The page of the PDF is the paper as the printer's PPD gives it, in points.
    const struct
    {
        const char* queue;
        const char* paper;
        QSizeF page;
        bool turned;
    } cases[] = {
        // Dye-sublimation 100 x 148 mm postcard, which the printer takes with its bleed.
        {"OrvellaFotoSub", "Postcard", {299.52, 449.28}, true},
        // 4 x 6 in with margins: the sheet's border is cut.
        {"OrvellaFotoMargini", "w288h432", {288, 432}, true},
        // 4 x 6 in borderless: the whole sheet, exactly.
        {"OrvellaFotoSenzaMargini", "w288h432", {288, 432}, true},
        {"OrvellaFotoMargini", "w283h425", {283, 425}, true}, // 10 x 15 cm with margins
        {"OrvellaFotoMargini", "A6", {297, 420}, true},
        {"OrvellaFotoMargini", "A4", {595, 842}, false},
        {"OrvellaFotoMargini", "Letter", {612, 792}, false},
    };
    SheetPage page(Button::Passport, FlatPhoto);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.queue) + " " + c.paper);
        MessageBoxWatch messages;
        const Landed landed = PrintThroughTheButton(page, messages, c.queue, c.paper);
        EXPECT_FALSE(messages.seen.shown)
            << messages.seen.title.toStdString() << ": " << messages.seen.text.toStdString();
        ASSERT_FALSE(landed.pdf.isEmpty()) << "no PDF came out";
        EXPECT_EQ(Queue(landed.job), c.queue);

        EXPECT_NEAR(Pages(landed.pdf).size.width(), c.page.width(), 1);
        EXPECT_NEAR(Pages(landed.pdf).size.height(), c.page.height(), 1);
        const QList<PdfImage> images = Images(landed.pdf);
        ASSERT_EQ(images.size(), 1);
        EXPECT_EQ(images[0].xPpi, 300);
        EXPECT_EQ(images[0].yPpi, 300);

        const QList<QRectF> copies
            = CopiesInMillimetres(Render(landed.pdf, MeasuringDpi), MeasuringDpi, FlatPhoto);
        ASSERT_EQ(copies.size(), 8);
        // Turned, the copies stand in four rows of two, their width running down the paper.
        EXPECT_EQ(copies[1].top() == copies[0].top() && copies[2].top() != copies[0].top(),
                  c.turned);
        for (const QRectF& copy : copies) {
            const QSizeF expected
                = c.turned ? QSizeF(CopyHeightMm, CopyWidthMm) : QSizeF(CopyWidthMm, CopyHeightMm);
            EXPECT_NEAR(copy.width(), expected.width(), ToleranceMm);
            EXPECT_NEAR(copy.height(), expected.height(), ToleranceMm);
        }
        std::cout << "[ measured ] " << c.queue << " " << c.paper << (c.turned ? " turned" : "")
                  << ": picture " << images[0].pixels.width() << " x " << images[0].pixels.height()
                  << " at " << images[0].xPpi << " ppi; copy 1 " << copies[0].width() << " x "
                  << copies[0].height() << " mm, copy 8 " << copies[7].width() << " x "
                  << copies[7].height() << " mm" << std::endl;
    }
}

TEST(PhotoPaper, CopiesThatWouldBeCutAreRefusedNamingThePaperAndTheSizeTheyNeed)
{
    // Identity-card copies with their marks need 136.1 x 94.0 mm; 10 x 15 cm paper with margins
    // prints 93.5 mm across.
    SheetPage page(Button::IdentityCard, FlatPhoto);
    const QStringList before = JobsSoFar();
    MessageBoxWatch messages;
    ChoosePrinterAndPaper(QStringLiteral("OrvellaFotoMargini"),
                          PaperName("OrvellaFotoMargini", "w283h425"));
    page.form.Image1_Click(Button::Print);

    EXPECT_EQ(messages.seen.title, "482");
    EXPECT_EQ(messages.seen.text,
              "Errore della stampante: le foto con i loro segni di taglio richiedono 136,1 x 94,0 "
              "mm, più dell'area stampabile della carta 10cm x 15cm sulla stampante "
              "OrvellaFotoMargini (93,5 x 139,3 mm). Scegliere una carta più grande nelle "
              "proprietà della stampante.");
    QTest::qWait(300);
    EXPECT_TRUE(NoJobPending());
    EXPECT_EQ(CompletedJobs(), before);
}

TEST(PhotoPaper, EveryPrintOfASheetIsTheSameFinePictureOfTheSheetSaved)
{
    SheetPage page;
    QList<QImage> printed;
    QByteArray firstFile;
    for (int print = 1; print <= 4; ++print) {
        MessageBoxWatch messages;
        const Landed landed = PrintThroughTheButton(page, messages, "OrvellaStampaA", "A4");
        ASSERT_FALSE(landed.pdf.isEmpty()) << "print " << print;
        printed.append(FirstImage(landed.pdf));
        QFile file(page.SheetFile());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        if (print == 1)
            firstFile = file.readAll();
        else
            EXPECT_EQ(file.readAll(), firstFile) << "FotoGruppo.jpg of print " << print;
    }
    ASSERT_EQ(printed[0].size(), QSize(1800, 1200));
    for (int print = 1; print < printed.size(); ++print)
        EXPECT_EQ(printed[print], printed[0]) << "print " << print + 1;

    const QImage saved(page.SheetFile());
    const QImage shrunk = BoxDownscaled(printed[0], 3);
    const Difference sheet = Compare(shrunk, saved, saved.rect());
    EXPECT_LT(sheet.mean, 3);
    // The first copy and its surroundings, where the photo's detail is.
    const QRect copy(35, 41, 106, 138);
    const Difference copies = Compare(shrunk, saved, copy);
    EXPECT_LT(copies.mean, 3);
    std::cout << "[ measured ] printed picture shrunk 3x against FotoGruppo.jpg: sheet "
              << sheet.mean << " levels mean, " << sheet.psnr << " dB; first copy " << copies.mean
              << " levels mean, " << copies.psnr << " dB" << std::endl;
}
