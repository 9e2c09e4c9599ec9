#include "WorkingFolder.h"

#include <optional>

#include <QFile>
#include <QStandardPaths>

#include "ApplicationFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t PrivateFolderMode = 0700;

struct Decision
{
    QString folder;
    bool isPrivate = false;
};

std::optional<Decision>& Decided()
{
    static std::optional<Decision> decision;
    return decision;
}

// By the process's effective identity, as its writes will be judged.
bool MayWriteIn(const QString& folder)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS)
        == 0;
}

// Creates the folder, and its missing parents, for their owner alone: what goes in are photos of
// faces. Existing folders are left as they are. A folder that cannot be made shows at the first
// write, which names the file it cannot write.
void CreatePrivateFolder(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    for (qsizetype slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1))
        ::mkdir(path.left(slash).constData(), PrivateFolderMode);
    ::mkdir(path.constData(), PrivateFolderMode);
}

} // namespace

void DecideWorkingFolder()
{
    const QString application = ApplicationFolder();
    if (MayWriteIn(application)) {
        Decided() = Decision {application, false};
        return;
    }
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    CreatePrivateFolder(user);
    Decided() = Decision {user, true};
}

QString WorkingFolder()
{
    if (!Decided())
        DecideWorkingFolder();
    return Decided()->folder;
}

QString WorkingFile(const QString& name)
{
    return WorkingFolder() + QLatin1Char('/') + name;
}

bool WorkingFilesArePrivate()
{
    if (!Decided())
        DecideWorkingFolder();
    return Decided()->isPrivate;
}
