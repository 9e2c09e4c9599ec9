#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

// What a user of a copy installed for the whole machine meets: a program folder they may not write
// to, and a home of their own.

// "nobody": the tests run as root, who may write anywhere.
constexpr uid_t OrdinaryUserId = 65534;
constexpr gid_t OrdinaryGroupId = 65534;

// Takes the write bits off a folder, as an installed program's folder has none for its users.
inline void MakeReadOnly(const QString& folder)
{
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0555), 0);
}

// Acts, while it lives, as a user who owns none of the test's files: "nobody" when the tests run
// as root; otherwise the tests' own user, whom the permission bits already hold back.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser()
    {
        if (wasRoot) {
            EXPECT_EQ(::seteuid(OrdinaryUserId), 0);
        }
    }
    ~AsOrdinaryUser()
    {
        if (wasRoot) {
            EXPECT_EQ(::seteuid(0), 0);
        }
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    const bool wasRoot = ::geteuid() == 0;
};

// The user's data home (XDG_DATA_HOME) for one test: empty, theirs, and gone afterwards.
class UserDataHome
{
public:
    UserDataHome()
    {
        if (::geteuid() == 0) {
            EXPECT_EQ(
                ::chown(QFile::encodeName(dir.path()).constData(), OrdinaryUserId, OrdinaryGroupId),
                0);
        }
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
    }
    ~UserDataHome() { qunsetenv("XDG_DATA_HOME"); }

    QString Path() const { return dir.path(); }
    // Where the program's working files go when it may not write beside itself.
    QString OrvellaFolder() const { return dir.path() + QStringLiteral("/Orvella"); }

private:
    QTemporaryDir dir;
};

// The permission bits of a file or folder.
inline mode_t ModeOf(const QString& path)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return status.st_mode & 07777;
}

// The mode a new file gets by default: what the program's files had in its own folder all along.
inline mode_t DefaultFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}
