#include <new>

#include <QMessageBox>

#include "DocumentPhotos.h"
#include "FrmMain.h"
#include "ImageEdit.h"
#include "RuntimeError.h"

namespace {
bool IsGuarded(int16_t index)
{
    switch (index) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 13:
        return true;
    default:
        return false;
    }
}
} // namespace

QString FormatStep(int value)
{
    return value > 0 ? QLatin1Char('+') + QString::number(value) : QString::number(value);
}

void ShowError(QWidget* parent, int number, const QString& description)
{
    QMessageBox box(QMessageBox::Warning, QString::number(number), description, QMessageBox::Ok,
                    parent);
    box.exec();
}

void FrmMain::Image1_Click(int16_t index)
{
    try {
        if (IsGuarded(index) && !ImgEdit1->HasImage())
            return;
        switch (index) {
        case 20:
        case 21:
        case 22:
            ChooseDocument(index);
            break;
        case 6:
            OpenPhoto();
            break;
        case 1:
            StepZoom(+1);
            break;
        case 2:
            StepZoom(-1);
            break;
        case 4:
            StepTone(Brightness, +1);
            break;
        case 3:
            StepTone(Brightness, -1);
            break;
        case 0:
            StepTone(Contrast, +1);
            break;
        case 5:
            StepTone(Contrast, -1);
            break;
        case 13:
            AcceptPhoto();
            break;
        case 16:
            PrintSheet();
            break;
        case 10:
        case 19:
            PreviousPage();
            break;
        case 9:
        case 17:
        case 18:
            ExitProgram();
            return;
        default:
            break;
        }
        RefreshReadouts();
    } catch (const RuntimeError& e) {
        if (e.Number() != ErrorNumber::CancelSelected)
            ShowError(this, e.Number(), e.Description());
    } catch (const std::bad_alloc&) {
        ShowError(this, ErrorNumber::OutOfMemory, StandardDescription(ErrorNumber::OutOfMemory));
    }
}

void FrmMain::ChooseDocument(int16_t index)
{
    for (const DocumentPhoto& d : DocumentPhotos) {
        if (d.index != index)
            continue;
        Globals.PhotoWidth = d.widthMm / 25.4 * 100;
        Globals.PhotoHeight = d.heightMm / 25.4 * 100;
        CopiesPerSheet = d.copies;
        DocumentKind = d.kind;
    }
    NextPage();
}

void FrmMain::ExitProgram()
{
    close();
    Q_EMIT ProgramEnded();
}

void FrmMain::RefreshReadouts()
{
    LblLuminosita->setText(FormatStep(Brightness));
    LblContrasto->setText(FormatStep(Contrast));
}
