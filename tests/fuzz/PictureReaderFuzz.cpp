#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>

#include "PictureFiles.h"
#include "RuntimeError.h"

// Feeds each input to the picture reader as a file, the way the program meets it. Numbered
// errors are the reader's answer; anything else (a crash, a sanitizer report, a hang, a refusal
// that gives no reason) is a find.
namespace {
QString scratch;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Qt finds its image format plugins through the application.
    static QCoreApplication application(*argc, *argv);
    // Qt's readers log every damaged input; the log would cost more time than the reading.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
    const QString folder
        = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    scratch
        = QStringLiteral("%1/orvella-fuzz-%2").arg(folder).arg(QCoreApplication::applicationPid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QFile file(scratch);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    try {
        ReadPicture(scratch);
    } catch (const RuntimeError&) { }
    return 0;
}
