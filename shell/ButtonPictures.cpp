#include "ApplicationFolder.h"
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
        {20, "CacheBottoni/passaporto.jpg"},  {21, "CacheBottoni/cartaidentita.jpg"},
        {22, "CacheBottoni/patente.jpg"},     {9, "CacheBottoni/esci.jpg"},
        {19, "CacheBottoni/indietro.jpg"},    {16, "CacheBottoni/stampa.jpg"},
        {18, "CacheBottoni/esci.jpg"},        {4, "CacheBottoni/Lumi_UP.jpg"},
        {3, "CacheBottoni/Lumi_DW.jpg"},      {0, "CacheBottoni/Contrasto_UP.jpg"},
        {5, "CacheBottoni/Contrasto_DW.jpg"}, {6, "CacheBottoni/apri.jpg"},
        {1, "CacheBottoni/ZoomUp.jpg"},       {2, "CacheBottoni/ZoomDown.jpg"},
        {13, "CacheBottoni/ok.jpg"},          {10, "CacheBottoni/indietro.jpg"},
        {17, "CacheBottoni/esci.jpg"},
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
