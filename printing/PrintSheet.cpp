#include "PrintSheet.h"

#include "CommonDialog.h"
#include "ImageEdit.h"
#include "Numbers.h"
#include "PrinterRuntime.h"
#include "WorkingFolder.h"

void PrintSheet(ImageEdit& sheet, CommonDialog& dialog)
{
    const QString previousPrinter = CurrentPrinter().DeviceName();

    dialog.CancelError = true;
    dialog.DialogTitle = QStringLiteral("Stampa Foto");
    dialog.Flags = PdHidePrintToFile | PdReturnDc | PdPrintSetup | PdNoPageNums;
    dialog.ShowPrinter();
    CurrentPrinter().SetCopies(ToInt16(int64_t(dialog.Copies)));

    // The shown sheet goes to the printer as it is, not read back from its file: a decoded JPEG
    // encoded again at every print would lose a little more each time.
    const QString sheetFile = WorkingFile(QStringLiteral("FotoGruppo.jpg"));
    sheet.SaveImageAs(sheetFile, ImageEdit::JpegFile);
    sheet.SetImageSource(sheetFile);
    sheet.PrintImage(ImageEdit::PrintAsSetUp);
    CurrentPrinter().EndDoc();

    RestorePrinter(previousPrinter);
}
