#pragma once

#include <cstdint>

// The picture buttons of the control array Image1, by index; the indices are the buttons' own.
namespace Button {
enum Index : int16_t {
    ContrastUp = 0,
    ZoomIn = 1,
    ZoomOut = 2,
    BrightnessDown = 3,
    BrightnessUp = 4,
    ContrastDown = 5,
    Open = 6,
    FrameFace = 7,
    ExitDocumentPage = 9,
    BackToDocumentPage = 10,
    Ok = 13,
    Print = 16,
    ExitPhotoPage = 17,
    ExitSheetPage = 18,
    BackToPhotoPage = 19,
    Passport = 20,
    IdentityCard = 21,
    DrivingLicence = 22,
};
} // namespace Button
