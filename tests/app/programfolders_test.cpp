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

TEST(ProgramFolder, TheTestProgramsOwnFolderIsWritableSoItIsChosen)
{
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(SnapshotFilePath(), QCoreApplication::applicationDirPath() + "/xyz.bmp");
}
