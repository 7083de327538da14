#include "ui/starter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// A stand-in viewer: a shell script that notes where it was started and
// with which arguments, in a file named after its own working folder.
void WriteProgram(const QString &path, const QByteArray &body, bool executable = true)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

// Detached programs finish on their own time: wait until `lines` lines are
// there, so none of them outlives its temporary folder.
QByteArray WaitForLines(const QString &path, int lines)
{
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray content = file.readAll();
            if (content.count('\n') >= lines)
                return content;
        }
        QThread::msleep(20);
    }
    return {};
}

const QByteArray kNoteRun = "echo ran >> runs.txt\n";

class StarterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programDir.isValid());
        ASSERT_TRUE(elsewhere.isValid());
        previousCurrent = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());
    }
    void TearDown() override { QDir::setCurrent(previousCurrent); }

    QTemporaryDir programDir;
    QTemporaryDir elsewhere;
    QString previousCurrent;
};

} // namespace

TEST_F(StarterTest, StartsFromDefaultDirWithItAsWorkingFolder)
{
    WriteProgram(programDir.filePath(QStringLiteral("fontviewer")),
                 "pwd -P > started.tmp; echo \"$#:$1\" >> started.tmp; mv started.tmp started.txt\n");
    TStarter starter;
    starter.setCommand(QStringLiteral("fontviewer"));
    starter.setParameters(QStringLiteral("\"two words\""));
    starter.setDefaultDir(programDir.path() + QLatin1Char('/'));

    starter.Start();

    EXPECT_GT(starter.ProcessId(), 0);
    const QByteArray noted = WaitForLines(programDir.filePath(QStringLiteral("started.txt")), 2);
    const QString realProgramDir = QDir(programDir.path()).canonicalPath();
    EXPECT_EQ(noted, (realProgramDir + QStringLiteral("\n1:two words\n")).toUtf8());
    EXPECT_FALSE(QFile::exists(QDir(elsewhere.path()).filePath(QStringLiteral("started.txt"))));
}

TEST_F(StarterTest, KeepsOnlyTheLastProcess)
{
    WriteProgram(programDir.filePath(QStringLiteral("viewer")), kNoteRun);
    TStarter starter;
    starter.setCommand(QStringLiteral("viewer"));
    starter.setDefaultDir(programDir.path());
    starter.Start();
    const qint64 first = starter.ProcessId();
    starter.Start();
    EXPECT_GT(starter.ProcessId(), 0);
    EXPECT_NE(starter.ProcessId(), first);
    EXPECT_EQ(WaitForLines(programDir.filePath(QStringLiteral("runs.txt")), 2), "ran\nran\n");
}

TEST_F(StarterTest, MissingOrUnstartableProgramRaisesAndKeepsState)
{
    WriteProgram(programDir.filePath(QStringLiteral("viewer")), kNoteRun);
    WriteProgram(programDir.filePath(QStringLiteral("notaprogram")), kNoteRun, false);
    TStarter starter;
    starter.setCommand(QStringLiteral("viewer"));
    starter.setDefaultDir(programDir.path());
    starter.Start();
    const qint64 kept = starter.ProcessId();

    starter.setCommand(QStringLiteral("fontviewer"));
    try {
        starter.Start();
        FAIL() << "a missing program must not count as started";
    } catch (const EStartError &error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("Cannot start \"fontviewer\": the program was not found in %1")
                      .arg(QDir::toNativeSeparators(programDir.path())));
    }
    EXPECT_EQ(starter.ProcessId(), kept);

    starter.setCommand(QStringLiteral("notaprogram"));
    EXPECT_THROW(starter.Start(), EStartError);
    starter.setCommand(QStringLiteral("viewer"));
    starter.setDefaultDir(programDir.filePath(QStringLiteral("gone")));
    EXPECT_THROW(starter.Start(), EStartError);
    EXPECT_EQ(starter.ProcessId(), kept);
    EXPECT_EQ(WaitForLines(programDir.filePath(QStringLiteral("runs.txt")), 1), "ran\n");
}

TEST_F(StarterTest, BareCommandIsNotTakenFromTheCurrentFolder)
{
    // A "fontviewer" in the current folder must not be started in place of
    // the one beside the program.
    WriteProgram(QDir(elsewhere.path()).filePath(QStringLiteral("fontviewer")), kNoteRun);
    TStarter starter;
    starter.setCommand(QStringLiteral("fontviewer"));
    starter.setDefaultDir(programDir.path());
    EXPECT_EQ(starter.ResolveProgram(), QDir(programDir.path()).filePath(QStringLiteral("fontviewer")));
    EXPECT_THROW(starter.Start(), EStartError);
}

TEST_F(StarterTest, FontViewerIsLookedForBesideTheProgram)
{
    TStarter starter;
    starter.setCommand(QStringLiteral("no-such-viewer"));
    starter.setDefaultDir(elsewhere.path());
    EXPECT_THROW(StartFontViewer(starter), EStartError);
    EXPECT_EQ(starter.DefaultDir(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    EXPECT_EQ(starter.ProcessId(), 0);
}

// Installed, the program lies in bin/ and its viewer in the private lib/fretcard/.
TEST_F(StarterTest, AnInstalledProgramsHelperIsStartedFromItsPrivateFolder)
{
    const QString bin = programDir.filePath(QStringLiteral("bin"));
    const QString privateFolder = programDir.filePath(QStringLiteral("lib/fretcard"));
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(privateFolder));
    WriteProgram(QDir(privateFolder).filePath(QStringLiteral("fontviewer")), "pwd -P > started.tmp; mv started.tmp started.txt\n");
    TStarter starter;
    starter.setCommand(QStringLiteral("fontviewer"));

    StartHelperProgram(starter, bin);

    EXPECT_EQ(WaitForLines(QDir(privateFolder).filePath(QStringLiteral("started.txt")), 1),
              (QDir(privateFolder).canonicalPath() + QLatin1Char('\n')).toUtf8());
}
