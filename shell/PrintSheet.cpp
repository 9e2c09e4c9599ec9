#include "ApplicationFolder.h"
#include "CommonDialog.h"
#include "FrmMain.h"
#include "ImageEdit.h"
#include "Numbers.h"
#include "PrinterRuntime.h"

void FrmMain::PrintSheet()
{
    const QString previousPrinter = CurrentPrinter().DeviceName();

    CommonDialog1->CancelError = true;
    CommonDialog1->DialogTitle = QStringLiteral("Stampa Foto");
    CommonDialog1->Flags = PdHidePrintToFile | PdReturnDc | PdPrintSetup | PdNoPageNums;
    CommonDialog1->ShowPrinter();
    CurrentPrinter().SetCopies(ToInt16(int64_t(CommonDialog1->Copies)));

    // The shown sheet goes to the printer as it is, not read back from its file: a decoded JPEG
    // encoded again at every print would lose a little more each time.
    const QString sheet = ApplicationFile(QStringLiteral("FotoGruppo.jpg"));
    ImgEditFotoGruppo->SaveImageAs(sheet, ImageEdit::JpegFile);
    ImgEditFotoGruppo->SetImageSource(sheet);
    ImgEditFotoGruppo->PrintImage(1);
    CurrentPrinter().EndDoc();

    RestorePrinter(previousPrinter);
}
