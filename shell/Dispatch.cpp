#include <algorithm>
#include <iterator>
#include <new>

#include <QCoreApplication>
#include <QMessageBox>
#include <QScopeGuard>

#include "ButtonIndex.h"
#include "Documents.h"
#include "FrmMain.h"
#include "ImageEdit.h"
#include "PrintSheet.h"
#include "RuntimeError.h"

QString FormatStep(int value)
{
    return value > 0 ? QLatin1Char('+') + QString::number(value) : QString::number(value);
}

void ShowError(QWidget* parent, int number, const QString& description)
{
    // Events that keep failing while a box is up (a resize, say) would stack a box each: the one
    // on screen already tells the user.
    static bool showing = false;
    if (showing)
        return;
    showing = true;
    const auto done = qScopeGuard([] { showing = false; });
    QMessageBox box(QMessageBox::Warning, QString::number(number), description, QMessageBox::Ok,
                    parent);
    box.exec();
}

void ShowWarning(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ERRORE"), text, QMessageBox::Ok, parent);
    box.exec();
}

void ReportErrorsOf(QWidget* parent, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const RuntimeError& e) {
        if (e.Number() != ErrorNumber::CancelSelected)
            ShowError(parent, e.Number(), e.Description());
    } catch (const std::bad_alloc&) {
        ShowError(parent, ErrorNumber::OutOfMemory, StandardDescription(ErrorNumber::OutOfMemory));
    } catch (const std::exception& e) {
        ShowError(parent, ErrorNumber::InternalError,
                  QCoreApplication::translate("RuntimeError", "Internal error: %1")
                      .arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        ShowError(parent, ErrorNumber::InternalError,
                  StandardDescription(ErrorNumber::InternalError));
    }
}

void FrmMain::Image1_Click(int16_t index)
{
    // Guarded commands act only while a photo is shown; the exit commands end the program, so no
    // readout is rewritten after them.
    struct Command
    {
        int16_t index;
        bool guarded;
        bool endsProgram;
        void (*action)(FrmMain&);
    };
    static const Command commands[] = {
        {Button::Passport, false, false, [](FrmMain& f) { f.ChooseDocument(Button::Passport); }},
        {Button::IdentityCard, false, false,
         [](FrmMain& f) { f.ChooseDocument(Button::IdentityCard); }},
        {Button::DrivingLicence, false, false,
         [](FrmMain& f) { f.ChooseDocument(Button::DrivingLicence); }},
        {Button::Open, false, false, [](FrmMain& f) { f.OpenPhoto(); }},
        {Button::ZoomIn, true, false, [](FrmMain& f) { f.StepZoom(+1); }},
        {Button::ZoomOut, true, false, [](FrmMain& f) { f.StepZoom(-1); }},
        {Button::BrightnessUp, true, false, [](FrmMain& f) { f.StepTone(f.Brightness, +1); }},
        {Button::BrightnessDown, true, false, [](FrmMain& f) { f.StepTone(f.Brightness, -1); }},
        {Button::ContrastUp, true, false, [](FrmMain& f) { f.StepTone(f.Contrast, +1); }},
        {Button::ContrastDown, true, false, [](FrmMain& f) { f.StepTone(f.Contrast, -1); }},
        {Button::Ok, true, false, [](FrmMain& f) { f.AcceptPhoto(); }},
        {Button::FrameFace, true, false, [](FrmMain& f) { f.FrameFace(); }},
        {Button::Print, false, false,
         [](FrmMain& f) { PrintSheet(*f.ImgEditFotoGruppo, *f.CommonDialog1); }},
        {Button::BackToDocumentPage, false, false, [](FrmMain& f) { f.PreviousPage(); }},
        {Button::BackToPhotoPage, false, false, [](FrmMain& f) { f.PreviousPage(); }},
        {Button::ExitDocumentPage, false, true, [](FrmMain& f) { f.ExitProgram(); }},
        {Button::ExitPhotoPage, false, true, [](FrmMain& f) { f.ExitProgram(); }},
        {Button::ExitSheetPage, false, true, [](FrmMain& f) { f.ExitProgram(); }},
    };
    const auto command = std::find_if(std::begin(commands), std::end(commands),
                                      [index](const Command& c) { return c.index == index; });
    ReportErrorsOf(this, [this, command] {
        if (command == std::end(commands)) {
            RefreshReadouts();
            return;
        }
        if (command->guarded && !ImgEdit1->HasImage())
            return;
        command->action(*this);
        if (!command->endsProgram)
            RefreshReadouts();
    });
}

void FrmMain::ChooseDocument(int16_t index)
{
    if (const Document* d = DocumentOfButton(index)) {
        Globals.PhotoWidth = HundredthsOfInch(d->WidthMm);
        Globals.PhotoHeight = HundredthsOfInch(d->HeightMm);
        CopiesPerSheet = d->Copies;
        DocumentKind = d->Kind;
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
