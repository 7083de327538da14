// --kerf, --bridges, --bridge-width, --least-width, --report, --drill and
// --shade-waste: the cut lines read back by ezdxf and shapely, the widths
// refused as the window refuses them, and what the cut lines hold told on
// standard error.
#include "export/exportoptions.h"
#include "export_test_support.h"
#include "support/cutlinescheck.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
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
// A stencil of letters pulled together until the board between them is a
// sliver, and the same letters spaced.
const QStringList kSosoPulled{"--text", "Soso", "--kern", "-12", "--vpos", "20", "--bridges"};
const QStringList kSosoSpaced{"--text", "Soso", "--kern", "0", "--vpos", "20", "--bridges"};
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
    // A bridge narrower than the blade would be sawn away entirely.
    EXPECT_EQ(Refusal({"--bridges", "--bridge-width", "0.000000001in", "--output", "a.dxf"}),
              "--bridge-width 0.000000001in: The bridge width must not be narrower than the blade kerf, 0.01 in.");
    EXPECT_EQ(Refusal({"--bridges", "--kerf", "0.1in", "--output", "a.dxf"}),
              "--kerf 0.1in: The blade kerf must not be wider than the bridge width, 0.0625 in.");
    EXPECT_EQ(Refusal({"--kerf=-1mm", "--output", "a.dxf"}), "--kerf -1mm: The blade kerf must not be less than zero.");
    EXPECT_EQ(Refusal({"--report", "--output", "a.dxf"}), "--report goes with --least-width.");
    const TParsedArguments taken =
        ParseExportArguments({"fretcard-export", "--bridges", "--bridge-width", "2mm", "--least-width", "9", "--output", "a.dxf"});
    ASSERT_EQ(taken.action, TParsedArguments::TAction::Export) << taken.message.toStdString();
    EXPECT_NEAR(taken.options.stencil.bridgeWidth, 2 / 25.4 * 96, 1e-9);
    EXPECT_EQ(taken.options.stencil.leastWidth, 9);
    EXPECT_NEAR(taken.options.stencil.kerf, 0.96, 1e-9) << "a hundredth of an inch unless given";
    EXPECT_EQ(ParseExportArguments({"fretcard-export", "--kerf", "0", "--output", "a.dxf"}).options.stencil.kerf, 0);

    // The blank is 144 px tall: a width of 145 px cannot lie on it, and nothing is written.
    QTemporaryDir dir;
    const TRunResult wide =
        RunExporter({"--bridges", "--bridge-width", "145", "--blank", "960x144", "--output", dir.filePath("a.dxf")});
    EXPECT_EQ(wide.exitCode, 2);
    EXPECT_TRUE(wide.errors.contains("--bridge-width 1.51 in: The bridge width must not be wider than the blank's shorter side."))
        << wide.errors.toStdString();
    const TRunResult least = RunExporter({"--least-width", "2in", "--fit", "--output", dir.filePath("a.svg")});
    EXPECT_EQ(least.exitCode, 2);
    EXPECT_TRUE(least.errors.contains("The least width of wood must not be wider than the blank's shorter side."))
        << least.errors.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    // With --fit each name has its own blank; a name too small for the width
    // is named, and the others are still written.
    WriteBytes(dir.filePath("names.txt"), "I\nOak\n");
    const TRunResult list = RunExporter({"--names", dir.filePath("names.txt"), "--fit", "--bridges", "--bridge-width",
                                         "0.9in", "--format", "dxf", "--output", dir.path()});
    EXPECT_EQ(list.exitCode, 1);
    EXPECT_TRUE(list.errors.contains("line 1 (\"I\"): --bridge-width 0.90 in: The bridge width must not be wider "
                                     "than the blank's shorter side.\n"))
        << list.errors.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("I.dxf")));
    EXPECT_TRUE(QFile::exists(dir.filePath("Oak.dxf")));
}

TEST(StencilExport, FragileSpotsAreCountedAfterEveryFileAndPlacedOnRequest)
{
    QTemporaryDir dir;
    const QString pulled = dir.filePath("pulled.svg"), spaced = dir.filePath("spaced.svg");
    // A stencil of letters pulled together leaves slivers of board between them.
    const TRunResult withSpots = RunExporter(kSosoPulled + QStringList{"--least-width", "0.0625in", "--report", "--output", pulled});
    EXPECT_EQ(withSpots.exitCode, 0);
    EXPECT_TRUE(QFile::exists(pulled));
    const QString about = "fretcard-export: " + QRegularExpression::escape(pulled) + ": ";
    const QRegularExpressionMatch count =
        QRegularExpression("^" + about + "([1-9][0-9]*) fragile spots?\n").match(withSpots.errors);
    ASSERT_TRUE(count.hasMatch()) << withSpots.errors.toStdString();
    // Each spot where it lies, in inches from the blank's top-left corner:
    // between the letters, over the text's first two inches.
    const QRegularExpression place(about + "fragile spot at ([0-9.]+) in across, ([0-9.]+) in down\n");
    int places = 0;
    for (auto spot = place.globalMatch(withSpots.errors); spot.hasNext(); ++places) {
        const QRegularExpressionMatch m = spot.next();
        EXPECT_LT(m.captured(1).toDouble(), 2.5);
        EXPECT_LT(m.captured(2).toDouble(), 1.5);
    }
    EXPECT_EQ(places, count.captured(1).toInt());

    const TRunResult withoutSpots = RunExporter(kSosoSpaced + QStringList{"--least-width", "0.0625in", "--output", spaced});
    EXPECT_EQ(withoutSpots.exitCode, 0);
    EXPECT_TRUE(QFile::exists(spaced));
    EXPECT_EQ(withoutSpots.errors, "fretcard-export: " + spaced + ": 0 fragile spots\n");
}

TEST(StencilExport, LoosePiecesAndIslandsNoBridgeHoldsAreToldAndEveryLetterKeepsItsCutLines)
{
    if (!cutcheck::Available())
        GTEST_SKIP() << "/usr/bin/python3 with ezdxf and shapely is missing";
    QTemporaryDir dir;
    const QStringList boa8{"--text", "BOA 8", "--size", "120", "--blank", "10inx3in", "--vpos", "60", "--format", "dxf"};
    const QString plain = dir.filePath("plain.dxf"), wide = dir.filePath("wide.dxf");
    const TRunResult cutOut = RunExporter(boa8 + QStringList{"--output", plain});
    EXPECT_EQ(cutOut.exitCode, 0);
    EXPECT_EQ(cutOut.errors, "fretcard-export: " + plain + ": 3 loose pieces\n") << "B, O, A and 8: four pieces";

    // Half an inch is too wide for the middles of B, A and 8; the O's takes one.
    const TRunResult bridged = RunExporter(boa8 + QStringList{"--bridges", "--bridge-width", "0.5in", "--output", wide});
    EXPECT_EQ(bridged.exitCode, 0);
    EXPECT_EQ(bridged.errors, "fretcard-export: " + wide + ": 5 loose pieces\nfretcard-export: " + wide +
                                  ": 5 islands could not be bridged at 0.5 in\n");
    const QJsonArray kept = cutcheck::Run({"kept", plain, wide})["kept"].toArray();
    ASSERT_EQ(kept.size(), 4);
    for (const QJsonValue &share : kept)
        EXPECT_GT(share.toDouble(), 0.5) << "of a letter is still cut out";
}

TEST(StencilExport, KerfZeroKeepsTheExactOutlineWithItsSpecksTheDefaultDropsThem)
{
    if (!cutcheck::Available())
        GTEST_SKIP() << "/usr/bin/python3 with ezdxf and shapely is missing";
    QTemporaryDir dir;
    // Low enough on the blank that the exporter does not refuse the tails.
    const QStringList script{"--text", "Madeline Jorge", "--font", "Dancing Script", "--kern", "-10", "--vpos", "10",
                             "--base", "--format", "dxf"};
    const QString exact = dir.filePath("exact.dxf"), cut = dir.filePath("cut.dxf");
    ASSERT_EQ(RunExporter(script + QStringList{"--kerf", "0", "--output", exact}).exitCode, 0);
    ASSERT_EQ(RunExporter(script + QStringList{"--output", cut}).exitCode, 0);
    const QJsonObject before = cutcheck::Rings(exact, 0.96), after = cutcheck::Rings(cut, 0.96);
    EXPECT_GT(before["small"].toInt() + before["touching"].toInt() + before["near"].toInt(), 0);
    EXPECT_EQ(after["small"].toInt() + after["touching"].toInt() + after["near"].toInt() + after["invalid"].toInt(), 0);
    EXPECT_NEAR(after["area"].toDouble(), before["area"].toDouble(), before["area"].toDouble() / 100);
}

TEST(StencilExport, DrillHolesAreMarkedTheCutsTooSmallToldAndTheWasteShadedOnRequestOnly)
{
    if (!cutcheck::Available() || !HaveTools({"pdftoppm"}))
        GTEST_SKIP() << "/usr/bin/python3 with ezdxf and shapely, or pdftoppm, is missing";
    QTemporaryDir dir;
    const QStringList boa8{"--text", "BOA 8", "--size", "120", "--blank", "10inx3in", "--vpos", "60"};
    const QString drilled = dir.filePath("drilled.dxf");
    // Half an inch is too wide for the counters of B, A and 8, with a kerf each side.
    const TRunResult run = RunExporter(boa8 + QStringList{"--drill", "0.5in", "--output", drilled});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errors, "fretcard-export: " + drilled + ": 3 loose pieces\nfretcard-export: " + drilled +
                              ": 5 inside cuts too small for a 0.5 in drill\n");
    const QJsonObject check = cutcheck::Run({"drill", drilled, "cutout", "10", "3", "0.01"});
    EXPECT_EQ(check["circles"].toInt(), 6);
    EXPECT_EQ(check["cuts_with_one"].toInt(), 6);
    EXPECT_EQ(Refusal({"--drill", "0", "--output", "a.dxf"}), "--drill 0: The drill size must be more than zero.");

    // The picture stays as it is; the cut-line page is grey round the letters.
    const QStringList marks{"--drill", "1/16in", "--shade-waste"};
    for (const QString name : {"plain.bmp", "marked.bmp", "plain.pdf", "marked.pdf"}) {
        const QStringList format = name.endsWith(".pdf") ? QStringList{"--format", "cutpdf"} : QStringList{};
        ASSERT_EQ(RunExporter(boa8 + format + (name.startsWith("marked") ? marks : QStringList{}) +
                              QStringList{"--output", dir.filePath(name)})
                      .exitCode,
                  0);
    }
    EXPECT_EQ(FileBytes(dir.filePath("marked.bmp")), FileBytes(dir.filePath("plain.bmp")));
    // A point of the blank left of the letters, 1 cm from the paper's corner.
    const QPoint waste(38 + 10, 38 + 100);
    EXPECT_EQ(qGray(RenderPage(dir.filePath("plain.pdf"), 1, dir.filePath("plain")).pixel(waste)), 255);
    const int shade = qGray(RenderPage(dir.filePath("marked.pdf"), 1, dir.filePath("marked")).pixel(waste));
    EXPECT_GT(shade, 160);
    EXPECT_LT(shade, 240);
}
