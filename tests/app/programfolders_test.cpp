// The one rule for the snapshot's folder and the file dialogs' start.
#include "app/programfolders.h"
#include "support/unprivilegedscope.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProgramFolderChoice : public ::testing::Test {
protected:
    QString ExecutableFolder() const { return dir.filePath("bin"); }
    QString PerUserFolder() const { return dir.filePath("home/.local/share/Kerfhaven/fretcard"); }
    QTemporaryDir dir;
    QStringList probed;
};

} // namespace

TEST_F(ProgramFolderChoice, WritableExecutableFolderIsUsedAndNothingIsCreated)
{
    const QString chosen = ChooseProgramFolder(ExecutableFolder(), PerUserFolder(), [&](const QString &folder) {
        probed << folder;
        return true;
    });
    EXPECT_EQ(chosen, ExecutableFolder());
    EXPECT_EQ(probed, QStringList{ExecutableFolder()});
    EXPECT_FALSE(QFileInfo::exists(PerUserFolder()));
}

TEST_F(ProgramFolderChoice, OtherwiseThePerUserFolderIsCreatedOnDemand)
{
    const QString chosen = ChooseProgramFolder(ExecutableFolder(), PerUserFolder(), [](const QString &) {
        return false;
    });
    EXPECT_EQ(chosen, PerUserFolder());
    EXPECT_TRUE(QFileInfo(PerUserFolder()).isDir());

    // A second call finds it there and still answers the same.
    EXPECT_EQ(ChooseProgramFolder(ExecutableFolder(), PerUserFolder(), [](const QString &) { return false; }),
              PerUserFolder());
}

TEST_F(ProgramFolderChoice, ProbeCreatesAFileForRealAndLeavesNothingBehind)
{
    EXPECT_TRUE(CanCreateFilesIn(dir.path()));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_FALSE(CanCreateFilesIn(dir.filePath("missing")));
    EXPECT_FALSE(CanCreateFilesIn(QString()));

    const QString readOnly = dir.filePath("readonly");
    ASSERT_TRUE(QDir().mkpath(readOnly));
    const auto everyoneReads = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(dir.path(), everyoneReads | QFile::WriteOwner);
    QFile::setPermissions(readOnly, everyoneReads);
    UnprivilegedScope unprivileged;
    ASSERT_TRUE(unprivileged.Active());
    EXPECT_FALSE(CanCreateFilesIn(readOnly));
}

TEST_F(ProgramFolderChoice, SystemFoldersAndEverythingInsideThemAreRecognisedThroughLinks)
{
    ASSERT_TRUE(QDir().mkpath(dir.filePath("usr/local/bin")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("usrdata/bin")));
    ASSERT_TRUE(QFile::link(dir.filePath("usr/bin"), dir.filePath("bin")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("usr/bin")));
    const QStringList system{dir.filePath("usr"), dir.filePath("opt")};

    EXPECT_TRUE(IsInsideSystemFolder(dir.filePath("usr"), system));
    EXPECT_TRUE(IsInsideSystemFolder(dir.filePath("usr/local/bin"), system));
    EXPECT_TRUE(IsInsideSystemFolder(dir.filePath("bin"), system)) << "a link into /usr";
    EXPECT_TRUE(IsInsideSystemFolder(dir.filePath("opt/fretcard/bin"), system));
    EXPECT_FALSE(IsInsideSystemFolder(dir.filePath("usrdata/bin"), system));
    EXPECT_FALSE(IsInsideSystemFolder(dir.path(), system));
}

// Run as root, as CI does, /usr/bin can be written: only the system-folder
// rule keeps the snapshot out of it.
TEST_F(ProgramFolderChoice, AnInstalledProgramKeepsItsFilesInThePerUserFolderEvenWhenItMayWriteItsOwn)
{
    const QStringList before = QDir("/usr/bin").entryList(QDir::Files | QDir::Hidden);
    for (const char *installed : {"/usr/bin", "/usr/local/bin"})
        EXPECT_EQ(ChooseProgramFolder(installed, PerUserFolder(), MayKeepFilesIn), PerUserFolder()) << installed;
    EXPECT_EQ(QDir("/usr/bin").entryList(QDir::Files | QDir::Hidden), before) << "not even a probe file";
    EXPECT_TRUE(IsInsideSystemFolder("/opt/fretcard/bin", SystemFolders()));

    ASSERT_TRUE(QDir().mkpath(ExecutableFolder()));
    EXPECT_EQ(ChooseProgramFolder(ExecutableFolder(), PerUserFolder(), MayKeepFilesIn), ExecutableFolder());
}

TEST(ProgramFolder, TheTestProgramsOwnFolderIsWritableSoItIsChosen)
{
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(SnapshotFilePath(), QCoreApplication::applicationDirPath() + "/xyz.bmp");
}
