// --bridges, --bridge-width and --least-width: the bridged cut lines read
// back by ezdxf, the widths refused as the window refuses them, and the
// fragile spots told on standard error.
#include "export/exportoptions.h"
#include "export_test_support.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

namespace {
// How many CUT polylines of a DXF lie inside another CUT polyline: one for
// each island of wood a stencil would lose.
const char *kIslandsInDxf = R"(
import sys, ezdxf
from ezdxf.math import is_point_in_polygon_2d, Vec2
msp = ezdxf.readfile(sys.argv[1]).modelspace()
rings = [[Vec2(p) for p in e.get_points('xy')] for e in msp.query('LWPOLYLINE[layer=="CUT"]')]
print(sum(1 for inner in rings for outer in rings if inner is not outer and is_point_in_polygon_2d(inner[0], outer) > 0))
)";

QString IslandsInDxf(const QString &dxf)
{
    return RunTool("/usr/bin/python3", {"-c", QString::fromLatin1(kIslandsInDxf), dxf}).trimmed();
}

const QStringList kBoa{"--text", "BOA", "--size", "120", "--blank", "960x240", "--overwrite"};
// Letters pulled together until two of them meet at a sliver; the bar under them.
const QStringList kScrollSawPulled{"--kern", "-20", "--vpos", "20", "--base"};
const QStringList kScrollSawSpaced{"--kern", "0", "--vpos", "20"};
} // namespace

TEST(StencilExport, BridgesLeaveNoIslandInTheDxfAndLeaveThePictureAsItIs)
{
    if (!QFile::exists("/usr/bin/python3"))
        GTEST_SKIP() << "/usr/bin/python3 is missing";
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.dxf"), bridged = dir.filePath("bridged.dxf");
    ASSERT_EQ(RunExporter(kBoa + QStringList{"--output", plain}).exitCode, 0);
    ASSERT_EQ(RunExporter(kBoa + QStringList{"--bridges", "--bridge-width", "6", "--output", bridged}).exitCode, 0);
    EXPECT_EQ(IslandsInDxf(plain), "4") << "B: 2, O: 1, A: 1";
    EXPECT_EQ(IslandsInDxf(bridged), "0");

    for (const QStringList &bridges : {QStringList{}, QStringList{"--bridges"}})
        ASSERT_EQ(RunExporter(kBoa + bridges + QStringList{"--output", dir.filePath("boa" + bridges.join("") + ".bmp")})
                      .exitCode,
                  0);
    EXPECT_EQ(FileBytes(dir.filePath("boa--bridges.bmp")), FileBytes(dir.filePath("boa.bmp")));
}

TEST(StencilExport, WidthsThatNoBridgeOrBlankCanTakeAreRefusedWithExitStatus2)
{
    EXPECT_EQ(Refusal({"--bridge-width", "2mm", "--output", "a.dxf"}), "--bridge-width goes with --bridges.");
    EXPECT_EQ(Refusal({"--bridges", "--bridge-width", "0", "--output", "a.dxf"}),
              "--bridge-width 0: The bridge width must be more than zero.");
    EXPECT_EQ(Refusal({"--bridges", "--bridge-width=-1mm", "--output", "a.dxf"}),
              "--bridge-width -1mm: The bridge width must be more than zero.");
    EXPECT_EQ(Refusal({"--least-width", "0in", "--output", "a.dxf"}),
              "--least-width 0in: The least width of wood must be more than zero.");
    EXPECT_EQ(Refusal({"--least-width", "1.6", "--output", "a.dxf"}),
              "--least-width needs a length such as 0.0625in or 1.6mm, or whole pixels such as 6, not \"1.6\".");
    const TParsedArguments taken =
        ParseExportArguments({"fretcard-export", "--bridges", "--bridge-width", "2mm", "--least-width", "9", "--output", "a.dxf"});
    ASSERT_EQ(taken.action, TParsedArguments::TAction::Export) << taken.message.toStdString();
    EXPECT_NEAR(taken.options.stencil.bridgeWidth, 2 / 25.4 * 96, 1e-9);
    EXPECT_EQ(taken.options.stencil.leastWidth, 9);

    // The blank is 144 px tall: a width of 145 px cannot lie on it, and nothing is written.
    QTemporaryDir dir;
    const TRunResult wide =
        RunExporter({"--bridges", "--bridge-width", "145", "--blank", "960x144", "--output", dir.filePath("a.dxf")});
    EXPECT_EQ(wide.exitCode, 2);
    EXPECT_TRUE(wide.errors.contains("--bridge-width 1.51 in: The bridge width must not be wider than the blank."))
        << wide.errors.toStdString();
    const TRunResult least = RunExporter({"--least-width", "2in", "--fit", "--output", dir.filePath("a.svg")});
    EXPECT_EQ(least.exitCode, 2);
    EXPECT_TRUE(least.errors.contains("The least width of wood must not be wider than the blank."))
        << least.errors.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    // With --fit each name has its own blank; a name too small for the width
    // is named, and the others are still written.
    WriteBytes(dir.filePath("names.txt"), "I\nOak\n");
    const TRunResult list = RunExporter({"--names", dir.filePath("names.txt"), "--fit", "--bridges", "--bridge-width",
                                         "0.9in", "--format", "dxf", "--output", dir.path()});
    EXPECT_EQ(list.exitCode, 1);
    EXPECT_TRUE(list.errors.contains("line 1 (\"I\"): --bridge-width 0.90 in: The bridge width must not be wider "
                                     "than the blank.\n"))
        << list.errors.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("I.dxf")));
    EXPECT_TRUE(QFile::exists(dir.filePath("Oak.dxf")));
}

TEST(StencilExport, FragileSpotsAreToldAfterTheFileWhereLettersMeetAndNotWhereTheyAreApart)
{
    QTemporaryDir dir;
    const QString pulled = dir.filePath("pulled.svg"), spaced = dir.filePath("spaced.svg");
    const TRunResult withSpots =
        RunExporter(kScrollSawPulled + QStringList{"--least-width", "0.0625in", "--output", pulled});
    EXPECT_EQ(withSpots.exitCode, 0);
    EXPECT_TRUE(QFile::exists(pulled));
    const QRegularExpression told("^fretcard-export: " + QRegularExpression::escape(pulled) +
                                  ": ([1-9][0-9]*) fragile spots?\n$");
    EXPECT_TRUE(told.match(withSpots.errors).hasMatch()) << withSpots.errors.toStdString();

    const TRunResult withoutSpots =
        RunExporter(kScrollSawSpaced + QStringList{"--least-width", "0.0625in", "--output", spaced});
    EXPECT_EQ(withoutSpots.exitCode, 0);
    EXPECT_TRUE(QFile::exists(spaced));
    EXPECT_EQ(withoutSpots.errors, "");
}
