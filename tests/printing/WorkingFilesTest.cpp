#include <optional>

#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QPrintDialog>
#include <gtest/gtest.h>

#include "ButtonIndex.h"
#include "CupsOutput.h"
#include "DrawnPortrait.h"
#include "MessageBoxWatch.h"
#include "OtherUser.h"
#include "PhotoSession.h"
#include "PrinterRuntime.h"
#include "WorkingFolder.h"

using namespace CupsOutput;

namespace {

const QString PrinterQueue = QStringLiteral("OrvellaStampaA");
const QStringList WorkingFiles {"FotoAppoggio.bmp", "FotoResize.bmp", "Passaporto.jpg",
                                "FotoGruppo.jpg"};

// Every file below a folder, hidden ones included, by relative path, with its bytes.
QMap<QString, QByteArray> Contents(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        contents.insert(QDir(folder).relativeFilePath(path), file.readAll());
    }
    return contents;
}

struct CopyRun
{
    QString applicationFolder;
    QString workingFolder;
    QMap<QString, QByteArray> applicationBefore;
    QMap<QString, QByteArray> applicationAfter;
    QMap<QString, QByteArray> dataFolder; // the user's data folder, when it exists
    bool dataFolderExists = false;
    mode_t dataFolderMode = 0;
    QMap<QString, mode_t> modes; // of the working files, where they were written
    SeenMessage message;
    QString openedIn; // the folder the open dialog showed first
    bool printed = false; // the print system completed the job
};

// A passport photo opened, selected, accepted and printed, from an application folder the user
// may write to (a portable copy) or not (an installed one, started by an ordinary user).
CopyRun RunThrough(bool installed, const QString& photo)
{
    UserDataHome home;
    PhotoSession s;
    CopyRun run;
    if (installed)
        MakeReadOnly(s.folder.Root());
    run.applicationBefore = Contents(s.folder.Root());
    {
        std::optional<AsOrdinaryUser> user;
        if (installed)
            user.emplace();
        // The start of the program from that folder.
        DecideWorkingFolder();
        MessageBoxWatch messages;
        const QStringList before = JobsSoFar();
        WhenModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            run.openedIn = dialog->directory().absolutePath();
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(photo);
            static_cast<QDialog*>(dialog)->accept();
        });
        s.form.Image1_Click(Button::Open);
        s.SelectAndAccept();
        WhenModal([](QWidget* modal) {
            auto* dialog = qobject_cast<QPrintDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            static_cast<QDialog*>(dialog)->accept();
        });
        s.form.Image1_Click(Button::Print);
        run.printed = JobsSoFar().size() > before.size();
        run.message = messages.seen;
    }
    run.applicationFolder = s.folder.Root();
    run.workingFolder = installed ? home.OrvellaFolder() : s.folder.Root();
    run.applicationAfter = Contents(s.folder.Root());
    run.dataFolderExists = QFileInfo::exists(home.OrvellaFolder());
    run.dataFolderMode = ModeOf(home.OrvellaFolder());
    run.dataFolder = Contents(home.OrvellaFolder());
    for (const QString& name : WorkingFiles)
        run.modes.insert(name, ModeOf(run.workingFolder + QLatin1Char('/') + name));
    return run;
}

} // namespace

TEST(WorkingFiles, GoToTheUsersOwnFolderFromAnInstalledCopyAndStayBesideAPortableOne)
{
    MakeCurrentPrinter(QPrinterInfo::printerInfo(PrinterQueue));
    QTemporaryDir photos;
    const QString photo = photos.filePath("ritratto.jpg");
    ASSERT_TRUE(DrawnPortrait(300, 400).save(photo, "JPEG", 90));
    ASSERT_EQ(::chmod(QFile::encodeName(photos.path()).constData(), 0755), 0);

    const CopyRun portable = RunThrough(false, photo);
    const CopyRun installed = RunThrough(true, photo);

    for (const CopyRun* run : {&portable, &installed}) {
        EXPECT_EQ(run->openedIn, QDir(run->applicationFolder).absolutePath());
        EXPECT_FALSE(run->message.shown)
            << run->message.title.toStdString() << ": " << run->message.text.toStdString();
        EXPECT_TRUE(run->printed);
    }

    // The portable folder: the working files beside the program, as they always were, and
    // nothing else added; no data folder made.
    QMap<QString, QByteArray> expected = portable.applicationBefore;
    for (const QString& name : WorkingFiles)
        expected.insert(name, portable.applicationAfter.value(name));
    EXPECT_EQ(portable.applicationAfter, expected);
    for (const QString& name : WorkingFiles) {
        EXPECT_TRUE(portable.applicationAfter.contains(name)) << name.toStdString();
        EXPECT_EQ(portable.modes.value(name), DefaultFileMode()) << name.toStdString();
    }
    EXPECT_FALSE(portable.dataFolderExists);

    // The installed folder is left byte for byte as it was; the working files are the user's,
    // in a folder only they may enter, readable by them alone, and the same files as beside a
    // portable copy.
    EXPECT_EQ(installed.applicationAfter, installed.applicationBefore);
    EXPECT_TRUE(installed.dataFolderExists);
    EXPECT_EQ(installed.dataFolderMode, 0700u);
    QStringList names = WorkingFiles;
    names.sort();
    EXPECT_EQ(installed.dataFolder.keys(), names);
    for (const QString& name : WorkingFiles) {
        EXPECT_EQ(installed.modes.value(name), 0600u) << name.toStdString();
        EXPECT_EQ(installed.dataFolder.value(name), portable.applicationAfter.value(name))
            << name.toStdString() << " differs between the installed and the portable copy";
    }
}
