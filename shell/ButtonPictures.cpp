#include "ApplicationFolder.h"
#include "ButtonIndex.h"
#include "FrmMain.h"
#include "ImageControl.h"
#include "PictureBox.h"
#include "PictureFiles.h"

void FrmMain::LoadButtonPictures()
{
    static const struct
    {
        int16_t index;
        const char* file;
    } table[] = {
        {Button::Passport, "CacheBottoni/passaporto.jpg"},
        {Button::IdentityCard, "CacheBottoni/cartaidentita.jpg"},
        {Button::DrivingLicence, "CacheBottoni/patente.jpg"},
        {Button::ExitDocumentPage, "CacheBottoni/esci.jpg"},
        {Button::BackToPhotoPage, "CacheBottoni/indietro.jpg"},
        {Button::Print, "CacheBottoni/stampa.jpg"},
        {Button::ExitSheetPage, "CacheBottoni/esci.jpg"},
        {Button::BrightnessUp, "CacheBottoni/Lumi_UP.jpg"},
        {Button::BrightnessDown, "CacheBottoni/Lumi_DW.jpg"},
        {Button::ContrastUp, "CacheBottoni/Contrasto_UP.jpg"},
        {Button::ContrastDown, "CacheBottoni/Contrasto_DW.jpg"},
        {Button::Open, "CacheBottoni/apri.jpg"},
        {Button::ZoomIn, "CacheBottoni/ZoomUp.jpg"},
        {Button::ZoomOut, "CacheBottoni/ZoomDown.jpg"},
        {Button::Ok, "CacheBottoni/ok.jpg"},
        {Button::BackToDocumentPage, "CacheBottoni/indietro.jpg"},
        {Button::ExitPhotoPage, "CacheBottoni/esci.jpg"},
    };
    for (const auto& row : table)
        Image1.at(row.index)->SetPicture(LoadPicture(ApplicationFile(QLatin1String(row.file))));
}

void FrmMain::Image1_MouseDown(int16_t index)
{
    PictBackup->SetPicture(Image1.at(index)->Picture());
    // Read anew at every press, so a changed file shows at the next press.
    Image1.at(index)->SetPicture(
        LoadPicture(ApplicationFile(QStringLiteral("CacheBottoni/buttonvoid.jpg"))));
}

void FrmMain::Image1_MouseUp(int16_t index)
{
    Image1.at(index)->SetPicture(PictBackup->Picture());
}
