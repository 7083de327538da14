// The Cut Lines menu's four commands on the real main window, answered by the
// scripted dialog host; other programs read what they write.
#include "app/fretcard1.h"

#include "support/scripteddialoghost.h"
#include "support/testfiles.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString kSystemPython = QStringLiteral("/usr/bin/python3");

struct TRun {
    int exitCode = -1;
    QString out;
};

TRun RunTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

bool Have(const QString &program)
{
    return program.startsWith(QLatin1Char('/')) ? QFile::exists(program)
                                                : !QStandardPaths::findExecutable(program).isEmpty();
}

class CutLinesCommandsTest : public ::testing::Test {
protected:
    TScriptedDialogHost host;
    TForm1 form{&host};
    QTemporaryDir target;

    void SetUp() override
    {
        for (const char *tool : {"rsvg-convert", "pdfinfo", "pdfimages"})
            if (!Have(QString::fromLatin1(tool)))
                GTEST_SKIP() << tool << " is not installed";
        if (!Have(kSystemPython))
            GTEST_SKIP() << "the system's Python is not installed";
    }
    void TearDown() override { EXPECT_TRUE(host.AllAnswersUsed()); }

    // A page of `pdf` is letter landscape and holds no picture.
    void ExpectVectorLetterLandscape(const QString &pdf)
    {
        const TRun info = RunTool(QStringLiteral("pdfinfo"), {pdf});
        ASSERT_EQ(info.exitCode, 0) << info.out.toStdString();
        EXPECT_TRUE(info.out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.out.toStdString();
        EXPECT_TRUE(info.out.contains(QStringLiteral("792 x 612 pts"))) << info.out.toStdString();
        const TRun images = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        EXPECT_EQ(images.out.count(QLatin1Char('\n')), 2) << "only the list's heading: " << images.out.toStdString();
    }
};

TEST_F(CutLinesCommandsTest, EachExportAsksLikeTheOthersAndWritesAFileItsReaderAccepts)
{
    form.CheckBox3->setChecked(true);
    const QString caption = form.windowTitle();

    host.QueueFileName(target.filePath("sign"));
    form.ExportSvg1->trigger();
    host.QueueFileName(target.filePath("sign.DXF"));
    form.ExportDxf1->trigger();
    host.QueueFileName(target.filePath("sign.pdf"));
    form.ExportCutLinesPdf1->trigger();

    ASSERT_EQ(host.FileDialogs.size(), 3u);
    const QStringList filters = {"SVG file|*.svg", "DXF file|*.dxf", "PDF file|*.pdf"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(host.FileDialogs[i].FileName, "untitled");
        EXPECT_EQ(host.FileDialogs[i].Filter, filters[int(i)]);
    }
    EXPECT_EQ(form.windowTitle(), caption);
    EXPECT_TRUE(host.Messages.empty());

    // The drawing opens at true size: 10 in x 1.5 in is 960 x 144 at 96 DPI.
    const QString png = target.filePath("sign.png");
    ASSERT_EQ(RunTool(QStringLiteral("rsvg-convert"),
                  {QStringLiteral("--dpi-x=96"), QStringLiteral("--dpi-y=96"), QStringLiteral("-o"), png,
                   target.filePath("sign.svg")})
                  .exitCode,
              0);
    EXPECT_EQ(QImage(png).size(), QSize(960, 144));

    const QString audit = QStringLiteral("import sys, ezdxf\n"
                                         "doc = ezdxf.readfile(sys.argv[1])\n"
                                         "print(len(doc.audit().errors), doc.header['$INSUNITS'],\n"
                                         "      len(doc.modelspace().query('LWPOLYLINE[layer==\"CUT\"]')) > 0)\n");
    const TRun dxf = RunTool(kSystemPython, {QStringLiteral("-c"), audit, target.filePath("sign.DXF.dxf")});
    EXPECT_EQ(dxf.out.trimmed(), "0 1 True") << dxf.out.toStdString();

    ExpectVectorLetterLandscape(target.filePath("sign.pdf"));
}

TEST_F(CutLinesCommandsTest, NoOrAClosedQuestionLeavesTheOldFileAndCancelWritesNothing)
{
    const QString old = target.filePath("sign.svg");
    WriteBytes(old, "old");
    host.QueueFileName(old);
    host.QueueMessageAnswer(mrNo);
    host.QueueMessageAnswer(mrOk);
    form.ExportSvg1->trigger();
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[0].Text, "Overwrite File?");
    EXPECT_EQ(host.Messages[0].DefaultButton, mbYes);
    EXPECT_EQ(host.Messages[0].EscapeButton, mbNo);
    EXPECT_EQ(host.Messages[1].Text, "File not saved!");

    host.QueueFileName(old);
    host.QueueMessageAnswer(mrNone);
    form.ExportSvg1->trigger();
    EXPECT_EQ(host.Messages.size(), 3u) << "closed: nothing said";
    EXPECT_EQ(FileBytes(old), "old");

    host.QueueFileCancel();
    form.ExportDxf1->trigger();
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files), QStringList{"sign.svg"});
}

TEST_F(CutLinesCommandsTest, PrintPresetsLandscapeLetterAndPrintsTheVectorPageOnItWhateverTheDialogLeft)
{
    host.QueuePrintAnswer([](QPrinter &) { return false; });
    form.PrintCutLines1->trigger();

    const QString pdf = target.filePath("printed.pdf");
    QPageLayout offered;
    host.QueuePrintAnswer([&](QPrinter &printer) {
        offered = printer.pageLayout();
        // What Qt's dialog leaves on a queue whose default paper is A4.
        printer.setFullPage(false);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    form.PrintCutLines1->trigger();
    EXPECT_EQ(offered.orientation(), QPageLayout::Landscape);
    EXPECT_EQ(offered.pageSize().id(), QPageSize::Letter);
    EXPECT_EQ(host.Log, QStringList({"print", "print"}));
    ExpectVectorLetterLandscape(pdf);
    if (Have(QStringLiteral("pdftotext"))) {
        EXPECT_TRUE(RunTool(QStringLiteral("pdftotext"), {pdf, "-"})
                        .out.contains(QStringLiteral("\"Scroll Saw\" · blank 10 x 1.5 in (254 x 38.1 mm)")))
            << "the print carries the cut-line page's legend";
    }

    // At 72 DPI one point is one pixel: the blank's outline starts 1 cm in
    // and is 720 pt wide for 960 pattern pixels, so nothing was scaled.
    if (!Have(QStringLiteral("pdftoppm")))
        GTEST_SKIP() << "pdftoppm is not installed";
    const QString page = target.filePath("page");
    ASSERT_EQ(RunTool(QStringLiteral("pdftoppm"), {"-r", "72", "-png", "-singlefile", pdf, page}).exitCode, 0);
    const QImage picture = QImage(page + ".png").convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(picture.size(), QSize(792, 612));
    int left = picture.width(), right = -1;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qGray(picture.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    constexpr double kOneCmInPoints = 72 / 2.54;
    EXPECT_NEAR(left, kOneCmInPoints, 1.5);
    EXPECT_NEAR(right - left + 1, 720, 2);
}
} // namespace
