// svg, dxf and cutpdf from the command line, read back by other programs:
// the SVG at true size, the DXF's closed polylines, one PDF page per name.
#include "export_test_support.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace exporttest;

TEST(CutLineFormats, SvgAtTrueSizeAndDxfWithTheLettersOnTheirLayer)
{
    if (!HaveTools({"rsvg-convert"}) || !QFile::exists("/usr/bin/python3"))
        GTEST_SKIP() << "rsvg-convert or /usr/bin/python3 is missing";
    QTemporaryDir dir;
    for (const char *format : {"svg", "dxf"}) {
        const TRunResult run = RunExporter({"--text", "Oak", "--blank", "5inx2in", "--format", format, "--output",
                                            dir.filePath("oak")});
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    }
    // 5 in x 2 in at 96 DPI.
    RunTool("rsvg-convert", {dir.filePath("oak.svg"), "-o", dir.filePath("oak.png")});
    EXPECT_EQ(QImage(dir.filePath("oak.png")).size(), QSize(480, 192));

    const QString script = QStringLiteral(
        "import ezdxf, sys\n"
        "doc = ezdxf.readfile(sys.argv[1])\n"
        "cut = [e for e in doc.modelspace() if e.dxftype() == 'LWPOLYLINE' and e.dxf.layer == 'CUT' and e.closed]\n"
        "xs = [p[0] for e in doc.modelspace() for p in e.get_points()]\n"
        "print(len(cut) >= 4, round(max(xs), 2) <= 5.0)\n");
    EXPECT_EQ(RunTool("/usr/bin/python3", {"-c", script, dir.filePath("oak.dxf")}).trimmed(), "True True")
        << "O, a, k and the counters of O and a; nothing beyond the 5 in blank";
}

TEST(CutLineFormats, ThirtyNamesInOneFileAreThirtyPages)
{
    if (!HaveTools({"pdfinfo"}))
        GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir dir;
    QByteArray list;
    for (int i = 1; i <= 30; ++i)
        list += "Camper " + QByteArray::number(i) + "\n";
    WriteBytes(dir.filePath("names.txt"), list);
    const TRunResult run = RunExporter({"--names", dir.filePath("names.txt"), "--format", "cutpdf", "--single-file",
                                        "--fit", "--output", dir.filePath("campers.pdf")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(PageCount(dir.filePath("campers.pdf")), 30);
    EXPECT_EQ(PageSize(dir.filePath("campers.pdf")), "792 x 612 pts (letter)");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "one PDF beside the list";
    EXPECT_TRUE(RunTool("pdftotext", {"-f", "17", "-l", "17", dir.filePath("campers.pdf"), "-"})
                    .contains("\"Camper 17\" · blank"))
        << "each page's legend names its own camper";
}

// --overwrite replaces files, never a pipe or a device node in a file's place.
TEST(CutLineFormats, OverwriteRefusesAPipeByNameAndLeavesItAPipe)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath("oak.svg");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const TRunResult run = RunExporter({"--text", "Oak", "--format", "svg", "--output", pipe, "--overwrite"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("Cannot create file " + pipe + ": it is not a regular file"))
        << run.errors.toStdString();
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden), QStringList{"oak.svg"});
}
