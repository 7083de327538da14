// The exporter's command line: lengths and units, ranges, and every kind of
// refusal with its message; --help and --version as the program prints them.
#include "export/exportoptions.h"
#include "export_test_support.h"
#include "export/patternsetup.h"
#include "patternfile/patternfile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace exporttest;

namespace {
TParsedArguments Parse(QStringList arguments)
{
    arguments.prepend(QStringLiteral("fretcard-export"));
    return ParseExportArguments(arguments);
}
} // namespace

TEST(ExportOptions, EveryOverrideIsTaken)
{
    const TParsedArguments parsed =
        Parse({"--text", "Ann", "--font", "DejaVu Serif", "--size", "12", "--kern", "-20", "--vpos", "3", "--hpos",
               "4", "--corners", "100", "--multiline", "--base", "--no-outline", "--no-page-outline", "--blank",
               "30x4in", "--format", "cutpdf", "--page", "A4", "--output", "out", "--overwrite"});
    ASSERT_EQ(parsed.action, TParsedArguments::TAction::Export) << parsed.message.toStdString();
    const TPatternOverrides &o = parsed.options.overrides;
    EXPECT_EQ(*o.text, "Ann");
    EXPECT_EQ(*o.font, "DejaVu Serif");
    EXPECT_EQ(*o.size, 12);
    EXPECT_EQ(*o.kern, -20);
    EXPECT_EQ(*o.vpos, 3);
    EXPECT_EQ(*o.hpos, 4);
    EXPECT_EQ(*o.corners, 100);
    EXPECT_TRUE(o.multiline && o.base && o.noOutline && o.noPageOutline);
    EXPECT_EQ(*o.blank, QSize(2880, 384));
    EXPECT_EQ(parsed.options.format, TExportFormat::CutPdf);
    EXPECT_EQ(parsed.options.paper, TPaper::A4);
    EXPECT_TRUE(parsed.options.overwrite);
}

TEST(ExportSettings, APatternFilesBaseSquaresTheCornersAndFillsTheLettersAsOpenDoes)
{
    QTemporaryDir dir;
    PatternSettings saved;
    saved.Corners = 30; // as a hand-edited file might say
    saved.Base = true;
    const QString file = dir.filePath("base.frcd");
    SavePatternFile(file, saved);
    const PatternSettings opened = SettingsFor(file, {});
    EXPECT_EQ(opened.Corners, 0);
    EXPECT_FALSE(opened.TextOutline);
    EXPECT_TRUE(opened.Base);

    TPatternOverrides corners;
    corners.corners = 30;
    EXPECT_EQ(SettingsFor(file, corners).Corners, 30) << "a number on the command line has the last word";
}

TEST(ExportOptions, TheFormatComesFromTheOutputsEndingWhenNotGiven)
{
    EXPECT_EQ(Parse({"--output", "sign.pdf"}).options.format, TExportFormat::Pdf);
    EXPECT_EQ(Parse({"--output", "sign.dxf"}).options.format, TExportFormat::Dxf);
    EXPECT_EQ(Refusal({"--output", "sign"}), "Say what to write with --format bmp, pdf, svg, dxf or cutpdf.");
}

TEST(ExportOptions, BadArgumentsAreRefusedWithAClearMessage)
{
    EXPECT_EQ(Refusal({"--colour", "red", "--output", "a.bmp"}), "Unknown option 'colour'.");
    EXPECT_EQ(Refusal({"--output"}), "Missing value after '--output'.");
    EXPECT_EQ(Refusal({"--size", "201", "--output", "a.bmp"}), "--size 201 is out of range: it must be from 10 to 200.");
    EXPECT_EQ(Refusal({"--size", "big", "--output", "a.bmp"}), "--size needs a whole number, not \"big\".");
    EXPECT_EQ(Refusal({"--kern", "-101", "--output", "a.bmp"}),
              "--kern -101 is out of range: it must be from -100 to 100.");
    EXPECT_EQ(Refusal({"--letter-height", "38", "--output", "a.bmp"}),
              "--letter-height needs a length with a unit, such as 1.5in or 38mm, not \"38\".");
    EXPECT_EQ(Refusal({"--letter-height", "11in", "--output", "a.bmp"}),
              "--letter-height 11in is out of range: it must be from 0.04 in to 10.00 in.");
    EXPECT_EQ(Refusal({"--blank", "121inx4in", "--output", "a.bmp"}),
              "--blank 121inx4in is out of range: each side must be from 1 pixel to 120.00 in.");
    EXPECT_EQ(Refusal({"--blank", "0x144", "--output", "a.bmp"}),
              "--blank 0x144 is out of range: each side must be from 1 pixel to 120.00 in.");
    EXPECT_EQ(Refusal({"--blank", "30inx4", "--output", "a.bmp"}),
              "--blank needs WIDTHxHEIGHT in whole pixels or with a unit (960x144, 30x4in, 30inx4in, 600x90mm), "
              "not \"30inx4\".");
    EXPECT_EQ(Refusal({"--format", "png", "--output", "a.png"}),
              "--format must be bmp, pdf, svg, dxf or cutpdf, not \"png\".");
    EXPECT_EQ(Refusal({"--size", "20", "--size", "30", "--output", "a.bmp"}), "--size is given more than once.");
    EXPECT_EQ(Refusal({"--format", "bmp"}), "Say where to write with --output PATH.");
    EXPECT_EQ(Refusal({"--single-file", "--format", "pdf", "--output", "a.pdf"}),
              "--single-file goes with --names and --format cutpdf.");
    EXPECT_EQ(Refusal({"--margin", "1in", "--output", "a.bmp"}), "--margin goes with --fit.");
    EXPECT_EQ(Refusal({"stray", "--output", "a.bmp"}), "Unexpected argument \"stray\"; options start with --.");
}

TEST(ExportProgram, HelpListsEveryOptionWithAnExampleVersionNamesItAndBadArgumentsExitWith2)
{
    const TRunResult help = RunExporter({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char *option : {"--pattern", "--text", "--font", "--size", "--kern", "--vpos", "--hpos", "--corners",
                               "--multiline", "--base", "--no-outline", "--no-page-outline", "--blank", "--names",
                               "--letter-height", "--fit", "--margin", "--format", "--output", "--single-file",
                               "--page", "--overwrite", "--version", "--bridges", "--bridge-width", "--least-width"})
        EXPECT_TRUE(help.output.contains(QLatin1String(option))) << option;
    EXPECT_TRUE(help.output.contains("Examples:\n  fretcard-export --pattern"));
    EXPECT_TRUE(help.output.contains("--bridges --bridge-width 2mm --least-width 0.0625in --format dxf"));

    const TRunResult version = RunExporter({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "fretcard-export 1.7\n");

    const TRunResult refused = RunExporter({"--size", "5", "--output", "never.bmp"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.errors.contains("--size 5 is out of range")) << refused.errors.toStdString();
    EXPECT_TRUE(refused.output.isEmpty());
}
