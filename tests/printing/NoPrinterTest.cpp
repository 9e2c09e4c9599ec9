#include <functional>
#include <optional>

#include <QFile>
#include <gtest/gtest.h>

#include "ButtonIndex.h"
#include "CommonDialog.h"
#include "ModalDriver.h"
#include "PrinterRuntime.h"
#include "RuntimeError.h"
#include "SheetPage.h"

// These run with CUPS_SERVER pointing at no scheduler: no printer is installed.

TEST(NoPrinter, PrintIsReportedInTheDispatchersBoxAndWritesNothing)
{
    ASSERT_TRUE(Printers().isEmpty());
    SheetPage page;
    ASSERT_EQ(page.form.CurrentPage, 2);
    SeenMessage seen;
    AcceptNextMessage(&seen);
    page.form.LblLuminosita->setText(QStringLiteral("x"));
    page.form.Image1_Click(Button::Print);

    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "482");
    EXPECT_EQ(seen.text, "Errore della stampante: nessuna stampante installata");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttonCount, 1);
    EXPECT_FALSE(QFile::exists(page.SheetFile()));
    EXPECT_EQ(page.form.LblLuminosita->text(), "x");
}

TEST(NoPrinter, TheDialogAndTheControlRaiseThePrinterError)
{
    SheetPage page;
    const std::function<void()> actions[] = {
        [&] { page.form.CommonDialog1->ShowPrinter(); },
        [&] { page.form.ImgEditFotoGruppo->PrintImage(1); },
    };
    for (const auto& action : actions) {
        int number = 0;
        try {
            action();
        } catch (const RuntimeError& error) {
            number = error.Number();
        }
        EXPECT_EQ(number, 482);
    }
}
