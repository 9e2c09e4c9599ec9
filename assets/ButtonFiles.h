#pragma once

#include <QLatin1StringView>
#include <QString>

// The button pictures, in the folder CacheBottoni/ of the application folder, by the button they
// dress. The asset generator draws them and the program reads them under these names only.
namespace ButtonFile {
inline constexpr QLatin1StringView Folder("CacheBottoni");

inline constexpr QLatin1StringView Passport("passaporto.jpg");
inline constexpr QLatin1StringView IdentityCard("cartaidentita.jpg");
inline constexpr QLatin1StringView DrivingLicence("patente.jpg");
inline constexpr QLatin1StringView Exit("esci.jpg");
inline constexpr QLatin1StringView Back("indietro.jpg");
inline constexpr QLatin1StringView Print("stampa.jpg");
inline constexpr QLatin1StringView BrightnessUp("Lumi_UP.jpg");
inline constexpr QLatin1StringView BrightnessDown("Lumi_DW.jpg");
inline constexpr QLatin1StringView ContrastUp("Contrasto_UP.jpg");
inline constexpr QLatin1StringView ContrastDown("Contrasto_DW.jpg");
inline constexpr QLatin1StringView Open("apri.jpg");
inline constexpr QLatin1StringView ZoomIn("ZoomUp.jpg");
inline constexpr QLatin1StringView ZoomOut("ZoomDown.jpg");
inline constexpr QLatin1StringView Ok("ok.jpg");
inline constexpr QLatin1StringView FrameFace("inquadra.jpg");
// Shown on a button while it is held down.
inline constexpr QLatin1StringView Pressed("buttonvoid.jpg");

// A button picture's path relative to the application folder.
inline QString Path(QLatin1StringView file)
{
    return Folder + QLatin1Char('/') + file;
}
} // namespace ButtonFile
