#include <memory>

#include <QApplication>

#include "Fonts.h"
#include "FrmMain.h"
#include "FrmSplash.h"
#include "Language.h"
#include "RuntimeError.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    QApplication::setApplicationVersion(QStringLiteral(ORVELLA_VERSION));
    InstallTranslators();
    InstallFontSubstitutes();

    std::unique_ptr<FrmMain> main;
    auto showMain = [&main] {
        main = std::make_unique<FrmMain>();
        QObject::connect(main.get(), &FrmMain::ProgramEnded, [] { QCoreApplication::exit(0); });
        try {
            main->Form_Load();
            main->show();
        } catch (const RuntimeError& e) {
            // Without its pictures the window cannot be drawn: say which file, then stop.
            ShowError(nullptr, e.Number(), e.Description());
            main.reset();
            QCoreApplication::exit(1);
        }
    };
    auto* splash = new FrmSplash(showMain);
    splash->show();
    splash->activateWindow();
    return app.exec();
}
