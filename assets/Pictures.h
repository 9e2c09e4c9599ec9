#pragma once

#include <QLatin1StringView>

// The pictures the program carries as resources (drawn at build time by the asset generator).
namespace Pictures {

// The page and splash background, 1024 x 768.
extern const QLatin1StringView Background;

// The document samples: passport and identity card portrait (35 x 50), driving licence landscape
// (56 x 35).
extern const QLatin1StringView PassportSample;
extern const QLatin1StringView IdentityCardSample;
extern const QLatin1StringView DrivingLicenceSample;

} // namespace Pictures
