// The exporter's bmp and pdf against the window's own Export BMP and Export
// PDF of the same pattern file: the bitmap byte for byte, the PDF on the same
// page with the same stored pixels and the same picture when rendered.
#include "app/fretcard1.h"
#include "export_test_support.h"
#include "patternfile/patternfile.h"
#include "printengine/printengineloader.h"
#include "support/scripteddialoghost.h"
#include "support/testfiles.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace exporttest;

namespace {
// Two patterns that reach every setting: a base bar (which squares the
// corners and fills the letters) in a serif face, and hollow multi-line
// letters on a rounded blank without its outline.
PatternSettings BaseBarSign()
{
    PatternSettings s;
    s.FontSize = 60;
    s.BlankWidth = 700;
    s.BlankHeight = 200;
    s.VPos = 40;
    s.HPos = 30;
    s.Kern = -4;
    s.Corners = 40;
    s.Base = true;
    s.FontName = QStringLiteral("DejaVu Serif");
    s.Text = QStringLiteral("Oak & Ash");
    return s;
}

PatternSettings RoundedMultiline()
{
    PatternSettings s;
    s.FontSize = 44;
    s.BlankWidth = 480;
    s.BlankHeight = 289;
    s.Corners = 60;
    s.Multiline = true;
    s.PageOutline = false;
    s.Kern = 6;
    s.Text = QStringLiteral("Happy Trails to you");
    return s;
}

// The window opens `pattern` and exports it as `bmp` and `pdf`.
void ExportThroughTheWindow(const QString &pattern, const QString &bmp, const QString &pdf)
{
    PrintEngineLoader loader;
    ASSERT_FALSE(loader.Load(QCoreApplication::applicationDirPath()).has_value());
    TScriptedDialogHost host;
    TForm1 form(&host, nullptr, &loader);
    host.QueueFileName(pattern);
    form.Button3->click();
    host.QueueFileName(bmp);
    form.Button2->click();
    host.QueueFileName(pdf);
    form.Button8->click();
    ASSERT_TRUE(host.AllAnswersUsed());
    ASSERT_TRUE(host.Messages.empty()) << host.Log.join('\n').toStdString();
}
} // namespace

class SameAsWindow : public ::testing::TestWithParam<PatternSettings (*)()> {};

TEST_P(SameAsWindow, BmpByteForByteAndPdfOnTheSamePageWithTheSamePixels)
{
    if (!HaveTools({"pdfinfo", "pdfimages", "pdftoppm"}))
        GTEST_SKIP() << "poppler-utils are not installed";
    QTemporaryDir dir;
    const QString pattern = dir.filePath("sign.frcd");
    SavePatternFile(pattern, GetParam()());
    ExportThroughTheWindow(pattern, dir.filePath("window.bmp"), dir.filePath("window.pdf"));

    for (const char *format : {"bmp", "pdf"}) {
        const TRunResult run = RunExporter({"--pattern", pattern, "--format", format, "--output",
                                            dir.filePath(QStringLiteral("cli.") + format)});
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    }

    const QByteArray windowBmp = FileBytes(dir.filePath("window.bmp"));
    ASSERT_GT(windowBmp.size(), 54);
    EXPECT_TRUE(FileBytes(dir.filePath("cli.bmp")) == windowBmp);

    const QString windowPdf = dir.filePath("window.pdf");
    const QString cliPdf = dir.filePath("cli.pdf");
    EXPECT_EQ(PageCount(cliPdf), 1);
    EXPECT_EQ(PageSize(cliPdf), PageSize(windowPdf));
    const QImage windowImage = StoredImage(windowPdf, dir.filePath("wimg"));
    ASSERT_FALSE(windowImage.isNull());
    EXPECT_EQ(StoredImage(cliPdf, dir.filePath("cimg")), windowImage);
    const QImage windowPage = RenderPage(windowPdf, 1, dir.filePath("wpage"));
    ASSERT_EQ(windowPage.size(), QSize(1056, 816));
    EXPECT_EQ(RenderPage(cliPdf, 1, dir.filePath("cpage")), windowPage);
}

INSTANTIATE_TEST_SUITE_P(Patterns, SameAsWindow, ::testing::Values(&BaseBarSign, &RoundedMultiline));
