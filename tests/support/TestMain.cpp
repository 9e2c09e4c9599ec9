#include <cstdlib>
#include <string>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include "Language.h"

int main(int argc, char** argv)
{
    // Test discovery runs the binary outside ctest's environment.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    // The program's own name, which names the user's data folder of its working files.
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    InstallTranslators();
    testing::InitGoogleTest(&argc, argv);

    // A dialog that no test answers would hang the run: fail the test and close it.
    QPointer<QWidget> seen;
    int ticks = 0;
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ticks = modal && modal == seen ? ticks + 1 : 0;
        seen = modal;
        if (ticks < 5)
            return;
        const auto* box = qobject_cast<QMessageBox*>(modal);
        ADD_FAILURE() << "a dialog nobody answered: " << modal->windowTitle().toStdString()
                      << (box ? ": " + box->text().toStdString() : std::string());
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        ticks = 0;
    });
    watchdog.start(1000);
    return RUN_ALL_TESTS();
}
