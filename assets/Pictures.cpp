#include "Pictures.h"

namespace Pictures {

const QLatin1StringView Background(":/pictures/Sfondo.jpg");
const QLatin1StringView PassportSample(":/pictures/Passaporto.jpg");
const QLatin1StringView IdentityCardSample(":/pictures/CartaIdentita.jpg");
const QLatin1StringView DrivingLicenceSample(":/pictures/Patente.jpg");

const std::array<QLatin1StringView, 15> ButtonFiles {
    QLatin1StringView("CacheBottoni/passaporto.jpg"),
    QLatin1StringView("CacheBottoni/cartaidentita.jpg"),
    QLatin1StringView("CacheBottoni/patente.jpg"),
    QLatin1StringView("CacheBottoni/esci.jpg"),
    QLatin1StringView("CacheBottoni/indietro.jpg"),
    QLatin1StringView("CacheBottoni/stampa.jpg"),
    QLatin1StringView("CacheBottoni/Lumi_UP.jpg"),
    QLatin1StringView("CacheBottoni/Lumi_DW.jpg"),
    QLatin1StringView("CacheBottoni/Contrasto_UP.jpg"),
    QLatin1StringView("CacheBottoni/Contrasto_DW.jpg"),
    QLatin1StringView("CacheBottoni/apri.jpg"),
    QLatin1StringView("CacheBottoni/ZoomUp.jpg"),
    QLatin1StringView("CacheBottoni/ZoomDown.jpg"),
    QLatin1StringView("CacheBottoni/ok.jpg"),
    QLatin1StringView("CacheBottoni/buttonvoid.jpg"),
};

const QLatin1StringView PressedButton("CacheBottoni/buttonvoid.jpg");

} // namespace Pictures
