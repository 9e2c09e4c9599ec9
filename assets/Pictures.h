#pragma once

#include <array>

#include <QLatin1StringView>

// The pictures the program carries as resources, and the names of those it reads from its
// application folder (drawn at build time by the asset generator).
namespace Pictures {

// The page and splash background, 1024 x 768.
extern const QLatin1StringView Background;

// The document samples: passport and identity card portrait (35 x 50), driving licence landscape
// (56 x 35).
extern const QLatin1StringView PassportSample;
extern const QLatin1StringView IdentityCardSample;
extern const QLatin1StringView DrivingLicenceSample;

// The fifteen button picture files, relative to the application folder; the last one is the
// pressed look common to every button.
extern const std::array<QLatin1StringView, 15> ButtonFiles;
extern const QLatin1StringView PressedButton;

} // namespace Pictures
