#include <memory>

#include <QApplication>

#include "Fonts.h"
#include "FrmMain.h"
#include "FrmSplash.h"
#include "Language.h"
#include "WorkingFolder.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    QApplication::setApplicationVersion(QStringLiteral(ORVELLA_VERSION));
    // After the name, which names the user's data folder.
    DecideWorkingFolder();
    InstallTranslators();
    InstallFontSubstitutes();

    std::unique_ptr<FrmMain> main;
    FrmSplash* splash = nullptr;
    auto showMain = [&main, &splash] {
        main = std::make_unique<FrmMain>();
        QObject::connect(main.get(), &FrmMain::ProgramEnded, [] { QCoreApplication::exit(0); });
        bool loaded = false;
        // Without its pictures the window cannot be drawn: say which file, then stop.
        ReportErrorsOf(nullptr, [&] {
            main->Form_Load();
            main->CentreOn(splash->screen());
            main->show();
            loaded = true;
        });
        if (!loaded) {
            main.reset();
            QCoreApplication::exit(1);
        }
    };
    splash = new FrmSplash(showMain);
    splash->CentreOn(splash->screen());
    splash->show();
    splash->activateWindow();
    return app.exec();
}
