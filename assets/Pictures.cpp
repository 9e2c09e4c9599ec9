#include "Pictures.h"

namespace Pictures {

const QLatin1StringView Background(":/pictures/Sfondo.jpg");
const QLatin1StringView PassportSample(":/pictures/Passaporto.jpg");
const QLatin1StringView IdentityCardSample(":/pictures/CartaIdentita.jpg");
const QLatin1StringView DrivingLicenceSample(":/pictures/Patente.jpg");

} // namespace Pictures
