// --names: one file per name in a folder, named safely and never twice, with
// every failure named and the rest still written; the bad inputs refused
// before anything is written.
#include "export/filenaming.h"
#include "export_test_support.h"
#include "support/filesizelimit.h"
#include "support/testfiles.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

namespace {
QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}
} // namespace

TEST(FileNaming, UnsafeCharactersReplacedDevicesPrefixedDuplicatesNumbered)
{
    EXPECT_EQ(SafeFileStem("A/B\\C:D*E?F\"G<H>I|J"), "A_B_C_D_E_F_G_H_I_J");
    EXPECT_EQ(SafeFileStem("  .Zoë Ñúñez. "), "Zoë Ñúñez");
    EXPECT_EQ(SafeFileStem(QStringLiteral("tab\there")), "tab_here");
    EXPECT_EQ(SafeFileStem("con"), "_con");
    EXPECT_EQ(SafeFileStem("LPT1.txt"), "_LPT1.txt");
    EXPECT_EQ(SafeFileStem("..."), "");
    EXPECT_EQ(SafeFileStem("///"), "");
    EXPECT_LE(SafeFileStem(QString(300, QChar(0x00E9))).toUtf8().size(), 180);

    TFileNamer namer;
    EXPECT_EQ(namer.Unique("Ann"), "Ann");
    EXPECT_EQ(namer.Unique("ann"), "ann-2");
    EXPECT_EQ(namer.Unique("Ann"), "Ann-3");
    EXPECT_EQ(namer.Unique("Bob"), "Bob");
}

TEST(NamesList, ThirtyNamesGiveThirtyFilesSkippingCommentsAndBlankLines)
{
    QTemporaryDir dir;
    QByteArray list = "# the class of 2026\r\n\r\n";
    for (int i = 1; i <= 28; ++i)
        list += "Student " + QByteArray::number(i) + "\r\n";
    list += "   \n";
    list += "Zo\xC3\xAB / Ann\nzo\xC3\xAB / ann\n";
    WriteBytes(dir.filePath("names.txt"), list);
    ASSERT_TRUE(QDir(dir.path()).mkdir("out"));

    const TRunResult run = RunExporter({"--names", dir.filePath("names.txt"), "--fit", "--format", "bmp", "--output",
                                        dir.filePath("out")});
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QStringList files = FilesIn(dir.filePath("out"));
    EXPECT_EQ(files.size(), 30) << files.join(' ').toStdString();
    EXPECT_TRUE(files.contains("Student 28.bmp"));
    EXPECT_TRUE(files.contains(QStringLiteral("Zoë _ Ann.bmp")));
    EXPECT_TRUE(files.contains(QStringLiteral("zoë _ ann-2.bmp")));
    // Standard error is no terminal here: no progress lines.
    EXPECT_FALSE(run.errors.contains("name 1 of")) << run.errors.toStdString();
}

TEST(NamesList, FailuresAreNamedTheRestWrittenAndNothingReplacedWithoutOverwrite)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath("names.txt"), "Al\n...\nBartholomew Featherstonehaugh\nCy\n");
    const QString out = dir.filePath("out");
    ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
    WriteBytes(QDir(out).filePath("Cy.bmp"), "keep me");
    {
        // Room for a short name's bitmap, not for the long one's: the disk
        // fills up in the middle of the list.
        FileSizeLimit limit(60000);
        const TRunResult run = RunExporter({"--names", dir.filePath("names.txt"), "--fit", "--size", "40",
                                            "--output", out, "--format", "bmp"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.errors.contains("Not written: line 2 (\"...\"): it yields an empty file name."))
            << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains("Bartholomew Featherstonehaugh.bmp: Disk full.")) << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains("Cy.bmp: it exists already (--overwrite replaces it).")) << run.errors.toStdString();
    }
    EXPECT_EQ(FilesIn(out), QStringList({"Al.bmp", "Cy.bmp"})) << "no half-written file is left";
    EXPECT_EQ(FileBytes(QDir(out).filePath("Cy.bmp")), "keep me");
    EXPECT_EQ(FileBytes(QDir(out).filePath("Al.bmp")).left(2), "BM");

    const TRunResult again = RunExporter({"--names", dir.filePath("names.txt"), "--fit", "--size", "40", "--output",
                                          out, "--format", "bmp", "--overwrite"});
    EXPECT_EQ(again.exitCode, 1) << "the name without a file name still fails";
    EXPECT_EQ(FileBytes(QDir(out).filePath("Cy.bmp")).left(2), "BM");
    EXPECT_EQ(FilesIn(out).size(), 3);
}

TEST(NamesList, LinesThatHoldNoUsableNameAreNamedByNumberAndTheRestIsWritten)
{
    QTemporaryDir dir;
    QByteArray list = "# the class of 2026\n\nAnn\n\\#1 Fan\n";
    list += QByteArray(50'000, 'x') + "\n";
    list += "Zo\xEB\n";
    list += QByteArray("Bad\0Name\n", 9);
    list += "Cy";
    WriteBytes(dir.filePath("names.txt"), list);
    const TRunResult run = RunExporter({"--names", dir.filePath("names.txt"), "-f", "svg", "-o", dir.filePath("out")});
    EXPECT_EQ(run.exitCode, 1);
    for (const char *message : {"Not written: line 5: it is longer than 1,000 characters.\n",
                                "Not written: line 6: it is not UTF-8 text.\n",
                                "Not written: line 7: it holds a control character (U+0000).\n"})
        EXPECT_TRUE(run.errors.contains(QLatin1String(message))) << message << "\n" << run.errors.toStdString();
    EXPECT_EQ(FilesIn(dir.filePath("out")), QStringList({"#1 Fan.svg", "Ann.svg", "Cy.svg"}));
}

// The names example of the README and of --help, word for word, into a
// folder that is not there yet; a single file's missing folder is made too.
TEST(NamesList, TheReadmeExampleMakesItsFolder)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath("campers.txt"), "Ann\nBob\n");
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(QStringLiteral(FRETCARD_EXPORT_PROGRAM),
                  QProcess::splitCommand(QStringLiteral("--names campers.txt --letter-height 1.5in --fit --format "
                                                        "svg --output plaques/")));
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(FilesIn(dir.filePath("plaques")), QStringList({"Ann.svg", "Bob.svg"}));

    EXPECT_EQ(RunExporter({"-o", dir.filePath("new/er/sign.svg")}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("new/er/sign.svg")));
}

TEST(NamesList, SameHeightGivesEveryPlaqueTheTallestBlank)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath("names.txt"), "Al\nGwyn\nmo\n");
    const auto heights = [&](const QString &folder) {
        QList<int> found;
        for (const QString &file : FilesIn(folder))
            found.append(QImage(QDir(folder).filePath(file)).height());
        return found;
    };
    ASSERT_EQ(RunExporter({"--names", dir.filePath("names.txt"), "--fit", "-f", "bmp", "-o", dir.filePath("own")})
                  .exitCode,
              0);
    ASSERT_EQ(RunExporter({"--names", dir.filePath("names.txt"), "--fit", "--same-height", "-f", "bmp", "-o",
                           dir.filePath("same")})
                  .exitCode,
              0);
    const QList<int> own = heights(dir.filePath("own"));
    ASSERT_EQ(own.size(), 3);
    EXPECT_LT(*std::min_element(own.begin(), own.end()), *std::max_element(own.begin(), own.end()));
    const int tallest = *std::max_element(own.begin(), own.end());
    EXPECT_EQ(heights(dir.filePath("same")), QList<int>({tallest, tallest, tallest}));
}

TEST(NamesList, UnusableInputsAreRefusedBeforeAnythingIsWritten)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath("comments.txt"), "# nobody yet\n\n");
    WriteBytes(dir.filePath("names.txt"), "Ann\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("out"));
    const QString out = dir.filePath("out");
    // A names file of 200 MB in one line, without writing 200 MB.
    QFile huge(dir.filePath("huge.txt"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(200'000'000));
    huge.close();
    const std::pair<QStringList, QString> cases[] = {
        {{"--names", dir.filePath("missing.txt"), "--output", out}, "does not exist"},
        {{"--names", dir.filePath("comments.txt"), "--output", out}, "holds no names"},
        {{"--names", out, "--output", out}, "is a folder, not a text file"},
        {{"--names", huge.fileName(), "--output", out}, "is larger than 64 MiB."},
        {{"--names", "/dev/zero", "--output", out}, "/dev/zero is not a regular file; give a file, or - for standard "
                                                    "input."},
        {{"--names", dir.filePath("names.txt"), "--output", dir.filePath("names.txt")}, "--output must be a folder"},
        {{"--names", dir.filePath("names.txt"), "--output", dir.filePath("names.txt/out")},
         "The folder " + dir.filePath("names.txt/out") + " cannot be made: "},
        {{"--pattern", dir.filePath("missing.frcd"), "--output", dir.filePath("a.bmp")}, "File not found"},
        {{"--output", dir.filePath("names.txt/a.bmp")}, "The folder " + dir.filePath("names.txt") + " cannot be made: "},
    };
    for (const auto &[arguments, message] : cases) {
        const TRunResult run = RunExporter(QStringList(arguments) << "--format" << "bmp");
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errors.contains(message)) << run.errors.toStdString();
    }
    EXPECT_TRUE(FilesIn(out).isEmpty());
    EXPECT_EQ(FilesIn(dir.path()), QStringList({"comments.txt", "huge.txt", "names.txt"}));
}

TEST(NamesList, AFaceThatIsNotInstalledIsNamedWithTheFaceUsedInstead)
{
    QTemporaryDir dir;
    const TRunResult run = RunExporter({"--font", "No Such Face 1987", "--output", dir.filePath("a.bmp")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains("The face \"No Such Face 1987\" is not installed; \"")) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.contains("\" is used instead.")) << run.errors.toStdString();
    EXPECT_TRUE(RunExporter({"--output", dir.filePath("b.bmp")}).errors.isEmpty()) << "the preset face is not missing";
}

TEST(NamesList, ProgressAndSummaryGoToATerminalOnly)
{
    if (!HaveTools({"script"}))
        GTEST_SKIP() << "script is not installed";
    QTemporaryDir dir;
    WriteBytes(dir.filePath("names.txt"), "Ann\nBob\nCy\n");
    const QString command = QStringLiteral("'%1' --names '%2' --output '%3' --format bmp")
                                .arg(QStringLiteral(FRETCARD_EXPORT_PROGRAM), dir.filePath("names.txt"), dir.path());
    const QString terminal = RunTool("script", {"-qec", command, "/dev/null"});
    EXPECT_TRUE(terminal.contains("name 3 of 3")) << terminal.toStdString();
    EXPECT_TRUE(terminal.contains("Wrote 3 files.")) << terminal.toStdString();
    const QString quiet = RunTool("script", {"-qec", command + " --overwrite -q", "/dev/null"});
    EXPECT_TRUE(quiet.trimmed().isEmpty()) << quiet.toStdString();
}
