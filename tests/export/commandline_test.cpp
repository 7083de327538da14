// The exporter as a user drives it: text that does not fit is refused with
// its sizes, never cut off; "-" for standard input and output; file endings;
// characters the font lacks; the usual options of a command-line program.
#include "export_test_support.h"
#include "support/testfiles.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

namespace {
QStringList FilesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

// The width of the black letters in a bitmap, in inches.
double InkInches(const QString &bmp)
{
    const QImage image = QImage(bmp).convertToFormat(QImage::Format_RGB32);
    int left = image.width(), right = -1;
    for (int y = 1; y < image.height() - 1; ++y)
        for (int x = 1; x < image.width() - 1; ++x)
            if (image.pixel(x, y) == 0xFF000000)
                left = std::min(left, x), right = std::max(right, x);
    return (right - left + 1) / 96.0;
}
} // namespace

TEST(CutOff, TextBeyondTheBlankIsRefusedWithItsSizeAndNothingIsWrittenForIt)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath("names.txt"), "Ærøskøbing\nAl\n");
    const QString out = dir.filePath("plaques");
    const TRunResult list = RunExporter({"--names", dir.filePath("names.txt"), "--letter-height", "1.5in", "--blank",
                                         "6inx2in", "--no-outline", "-f", "bmp", "-o", out});
    EXPECT_EQ(list.exitCode, 1);
    const QRegularExpression refusal(QStringLiteral("Not written: line 1 \\(\"Ærøskøbing\"\\): the text is ([0-9.]+) "
                                                    "in wide and the blank 6 in; use --fit or a larger --blank\\.\n"));
    const QRegularExpressionMatch match = refusal.match(list.errors);
    ASSERT_TRUE(match.hasMatch()) << list.errors.toStdString();
    EXPECT_EQ(FilesIn(out), QStringList{"Al.bmp"});

    // The width told is the width of the letters, as a fitted blank shows them.
    const TRunResult fitted = RunExporter({"--names", dir.filePath("names.txt"), "--letter-height", "1.5in", "--fit",
                                           "--no-outline", "-f", "bmp", "-o", out, "--overwrite"});
    EXPECT_EQ(fitted.exitCode, 0) << fitted.errors.toStdString();
    EXPECT_NEAR(match.captured(1).toDouble(), InkInches(QDir(out).filePath(QStringLiteral("Ærøskøbing.bmp"))), 0.02);

    const TRunResult sign = RunExporter({"--text", "Welcome Home", "--size", "200", "--blank", "10inx2in", "-o",
                                         dir.filePath("house.pdf")});
    EXPECT_EQ(sign.exitCode, 1);
    EXPECT_TRUE(sign.errors.contains(dir.filePath("house.pdf") + ": the text is ")) << sign.errors.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("house.pdf")));

    // A fitted blank may not grow past 120 in either.
    const TRunResult long_ = RunExporter({"--text", QString(60, QLatin1Char('W')), "--size", "200", "--fit", "-o",
                                          dir.filePath("long.svg")});
    EXPECT_EQ(long_.exitCode, 1);
    EXPECT_TRUE(long_.errors.contains("and no blank may be larger than 120 in on a side.")) << long_.errors.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("long.svg")));
}

TEST(CutOff, ACharacterTheFontLacksIsNamedUnlessAllowed)
{
    QTemporaryDir dir;
    const QString party = dir.filePath("party.svg");
    const TRunResult refused = RunExporter({"--text", QStringLiteral("Party 🎉"), "-o", party});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.errors.contains(QStringLiteral("the font has no 🎉 (U+1F389); --allow-missing writes it "
                                                       "anyway.")))
        << refused.errors.toStdString();
    EXPECT_FALSE(QFile::exists(party));
    EXPECT_EQ(RunExporter({"--text", QStringLiteral("Party 🎉"), "-o", party, "--allow-missing"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(party));
}

TEST(CommandLine, DashReadsStandardInputAndWritesStandardOutputByteForByte)
{
    QTemporaryDir dir;
    const QStringList sign{"--text", "Oak\r\nElm", "--multiline", "--size", "40", "--blank", "3inx2in", "-f", "bmp"};
    ASSERT_EQ(RunExporter(sign + QStringList{"-o", dir.filePath("oak.bmp")}).exitCode, 0);
    const TRunResult piped = RunExporter(sign + QStringList{"-o", "-"});
    EXPECT_EQ(piped.exitCode, 0) << piped.errors.toStdString();
    EXPECT_EQ(piped.outputBytes, FileBytes(dir.filePath("oak.bmp")));

    const QByteArray pattern = "40\r\n300\r\n100\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n0\r\nDejaVu Sans\r\nAsh\r\n";
    WriteBytes(dir.filePath("ash.frcd"), pattern);
    ASSERT_EQ(RunExporter({"--pattern", dir.filePath("ash.frcd"), "-o", dir.filePath("file.svg")}).exitCode, 0);
    EXPECT_EQ(RunExporter({"--pattern", "-", "-o", dir.filePath("piped.svg")}, pattern).exitCode, 0);
    EXPECT_EQ(FileBytes(dir.filePath("piped.svg")), FileBytes(dir.filePath("file.svg")));

    const TRunResult names = RunExporter({"--names", "-", "-f", "svg", "-o", dir.filePath("list")}, "Ann\nBob\n");
    EXPECT_EQ(names.exitCode, 0) << names.errors.toStdString();
    EXPECT_EQ(FilesIn(dir.filePath("list")), QStringList({"Ann.svg", "Bob.svg"}));

    EXPECT_EQ(Refusal({"-o", "-"}), "Say what to write with --format bmp, pdf, svg, dxf or cutpdf.");
    EXPECT_EQ(Refusal({"--names", "-", "--pattern", "-", "-o", "out", "-f", "svg"}),
              "--names - and --pattern - cannot both read standard input.");
}

TEST(CommandLine, AnEndingOfTheFormatIsKeptAsWrittenAnotherIsRefused)
{
    QTemporaryDir dir;
    EXPECT_EQ(RunExporter({"-o", dir.filePath("UP.SVG")}).exitCode, 0);
    EXPECT_EQ(RunExporter({"-f", "dxf", "-o", dir.filePath("sign")}).exitCode, 0);
    EXPECT_EQ(RunExporter({"-f", "cutpdf", "-o", dir.filePath("cut.Pdf")}).exitCode, 0);
    const TRunResult mismatch = RunExporter({"-f", "svg", "-o", dir.filePath("x.pdf")});
    EXPECT_EQ(mismatch.exitCode, 2);
    EXPECT_TRUE(mismatch.errors.contains("x.pdf ends in .pdf, but --format svg writes .svg files."))
        << mismatch.errors.toStdString();
    const TRunResult folder = RunExporter({"-f", "svg", "-o", dir.filePath("sub") + "/"});
    EXPECT_EQ(folder.exitCode, 2);
    EXPECT_TRUE(folder.errors.contains("names a folder; give the name of the file to write.")) << folder.errors.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
              QStringList({"UP.SVG", "cut.Pdf", "sign.dxf"}));
}

TEST(CommandLine, ShortOptionsQuietFontListAndTheExitStatusesInTheHelp)
{
    const TRunResult help = RunExporter({"--help"});
    for (const char *text : {"-o, --output", "-f, --format", "-q, --quiet", "--list-fonts", "--allow-missing",
                             "--same-height", "Exit status:\n  0  ", "\n  1  ", "\n  2  "})
        EXPECT_TRUE(help.output.contains(QLatin1String(text))) << text;

    // Every example does what it says, as written.
    QTemporaryDir examples;
    WriteBytes(examples.filePath("class.txt"), "Ann\nBob\n");
    WriteBytes(examples.filePath("sign.frcd"), "80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n0\r\n"
                                               "Fretcard Gothic\r\nScroll Saw\r\n");
    const QString listed = help.output.section(QStringLiteral("Examples:\n"), 1);
    for (const QString &example : listed.split('\n', Qt::SkipEmptyParts)) {
        QProcess process;
        process.setWorkingDirectory(examples.path());
        QStringList arguments = QProcess::splitCommand(example);
        ASSERT_EQ(arguments.takeFirst(), "fretcard-export");
        process.start(QStringLiteral(FRETCARD_EXPORT_PROGRAM), arguments);
        ASSERT_TRUE(process.waitForFinished(120000));
        EXPECT_EQ(process.exitCode(), 0) << example.toStdString() << process.readAllStandardError().toStdString();
    }

    const TRunResult fonts = RunExporter({"--list-fonts"});
    EXPECT_EQ(fonts.exitCode, 0);
    EXPECT_TRUE(fonts.output.split('\n').contains("DejaVu Sans")) << fonts.output.toStdString();

    QTemporaryDir dir;
    const TRunResult quiet = RunExporter({"--font", "No Such Face 1987", "-q", "-f", "svg", "-o", dir.filePath("a")});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_TRUE(quiet.errors.isEmpty()) << quiet.errors.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("a.svg")));
}
