#include "ApplicationFolder.h"
#include "ButtonFiles.h"
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
        QLatin1StringView file;
    } table[] = {
        {Button::Passport, ButtonFile::Passport},
        {Button::IdentityCard, ButtonFile::IdentityCard},
        {Button::DrivingLicence, ButtonFile::DrivingLicence},
        {Button::ExitDocumentPage, ButtonFile::Exit},
        {Button::BackToPhotoPage, ButtonFile::Back},
        {Button::Print, ButtonFile::Print},
        {Button::ExitSheetPage, ButtonFile::Exit},
        {Button::BrightnessUp, ButtonFile::BrightnessUp},
        {Button::BrightnessDown, ButtonFile::BrightnessDown},
        {Button::ContrastUp, ButtonFile::ContrastUp},
        {Button::ContrastDown, ButtonFile::ContrastDown},
        {Button::Open, ButtonFile::Open},
        {Button::ZoomIn, ButtonFile::ZoomIn},
        {Button::ZoomOut, ButtonFile::ZoomOut},
        {Button::Ok, ButtonFile::Ok},
        {Button::FrameFace, ButtonFile::FrameFace},
        {Button::BackToDocumentPage, ButtonFile::Back},
        {Button::ExitPhotoPage, ButtonFile::Exit},
    };
    for (const auto& row : table)
        Image1.at(row.index)->SetPicture(LoadPicture(ApplicationFile(ButtonFile::Path(row.file))));
}

void FrmMain::Image1_MouseDown(int16_t index)
{
    PictBackup->SetPicture(Image1.at(index)->Picture());
    // Read anew at every press, so a changed file shows at the next press.
    Image1.at(index)->SetPicture(
        LoadPicture(ApplicationFile(ButtonFile::Path(ButtonFile::Pressed))));
}

void FrmMain::Image1_MouseUp(int16_t index)
{
    Image1.at(index)->SetPicture(PictBackup->Picture());
}
