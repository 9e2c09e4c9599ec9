#include <cmath>
#include <functional>
#include <limits>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ApplicationFolder.h"
#include "Errors.h"
#include "Numbers.h"
#include "OtherUser.h"
#include "RuntimeError.h"
#include "Twips.h"
#include "WorkingFolder.h"

TEST(Numbers, RoundsHalfToEven)
{
    const struct
    {
        double in;
        double out;
    } cases[] = {{0.5, 0},   {1.5, 2},       {2.5, 2},       {-0.5, -0.0}, {-1.5, -2},
                 {-2.5, -2}, {4252.5, 4252}, {4253.5, 4254}, {231.2, 231}, {0.49999999999999994, 0},
                 {-0.4, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST(Numbers, CheckedConversionsRaiseOverflow)
{
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_EQ(ToInt16(-32768.5), -32768);
    EXPECT_EQ(ErrorNumberOf([] { ToInt16(32767.5); }), ErrorNumber::Overflow);
    EXPECT_EQ(ErrorNumberOf([] { ToInt16(int64_t(40000)); }), ErrorNumber::Overflow);
    EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(2147483647.5); }), ErrorNumber::Overflow);
    EXPECT_EQ(ErrorNumberOf([] { ToInt32(std::nan("")); }), ErrorNumber::Overflow);
    EXPECT_EQ(ErrorNumberOf([] { ToSingle(1e300); }), ErrorNumber::Overflow);
    EXPECT_EQ(ErrorNumberOf([] { Divide(1, 0); }), ErrorNumber::DivisionByZero);
}

TEST(RuntimeErrors, CarryNumberAndDescription)
{
    try {
        Raise(ErrorNumber::FileNotFound, QStringLiteral("File not found: /x/y.jpg"));
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 53);
        EXPECT_EQ(e.Description(), QStringLiteral("File not found: /x/y.jpg"));
    }
    EXPECT_EQ(StandardDescription(ErrorNumber::Overflow), "Valore troppo grande (overflow)");
}

TEST(ApplicationFolder, NamesFilesBelowTheFolder)
{
    QTemporaryDir dir;
    SetApplicationFolder(dir.path());
    EXPECT_EQ(ApplicationFile("CacheBottoni/ok.jpg"), dir.path() + "/CacheBottoni/ok.jpg");
    SetApplicationFolder(QString());
    EXPECT_EQ(ApplicationFolder(), QCoreApplication::applicationDirPath());
}

TEST(WorkingFolder, IsTheApplicationFolderWhileTheUserMayWriteThereTheirOwnOtherwise)
{
    UserDataHome home;
    QTemporaryDir application;
    SetApplicationFolder(application.path());
    EXPECT_EQ(WorkingFolder(), application.path());
    EXPECT_EQ(WorkingFile("FotoAppoggio.bmp"), application.path() + "/FotoAppoggio.bmp");
    EXPECT_FALSE(WorkingFilesArePrivate());
    EXPECT_FALSE(QFileInfo::exists(home.OrvellaFolder()));

    // Decided at the start: the folder made read-only afterwards changes nothing in this run.
    MakeReadOnly(application.path());
    EXPECT_EQ(WorkingFolder(), application.path());
    EXPECT_FALSE(WorkingFilesArePrivate());

    // Started again, by a user who may not write there.
    {
        AsOrdinaryUser user;
        DecideWorkingFolder();
        EXPECT_EQ(WorkingFolder(), home.OrvellaFolder());
        EXPECT_EQ(WorkingFile("Passaporto.jpg"), home.OrvellaFolder() + "/Passaporto.jpg");
        EXPECT_TRUE(WorkingFilesArePrivate());
    }
    EXPECT_EQ(ModeOf(home.OrvellaFolder()), 0700u);
    if (::geteuid() == 0) {
        EXPECT_EQ(QFileInfo(home.OrvellaFolder()).ownerId(), OrdinaryUserId);
    }
    EXPECT_EQ(ApplicationFile("TaglioPP.jpg"), application.path() + "/TaglioPP.jpg");
    SetApplicationFolder(QString());
}

TEST(WorkingFolder, TheUsersDataFolderIsMadeWithItsMissingParentsForTheUserAlone)
{
    UserDataHome home;
    const QString dataHome = home.Path() + "/casa di Zoë/.local/share";
    qputenv("XDG_DATA_HOME", dataHome.toUtf8());
    QTemporaryDir application;
    MakeReadOnly(application.path());
    {
        AsOrdinaryUser user;
        SetApplicationFolder(application.path());
        EXPECT_EQ(WorkingFolder(), dataHome + "/Orvella");
    }
    for (const QString& folder : {dataHome + "/Orvella", dataHome, home.Path() + "/casa di Zoë"})
        EXPECT_EQ(ModeOf(folder), 0700u) << folder.toStdString();
    SetApplicationFolder(QString());
}

TEST(Twips, PixelRectanglesShareEdges)
{
    EXPECT_EQ(ToPixels({2933.33f, 1720, 4400, 3057.78f}), QRect(196, 115, 293, 204));
    // Two controls that touch in twips touch in pixels.
    const TwipsRect a {0, 0, 1007.5f, 10}, b {1007.5f, 0, 100, 10};
    EXPECT_EQ(ToPixels(a).right() + 1, ToPixels(b).left());
}
