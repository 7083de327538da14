// Export PDF through the real engine library: the file is one landscape
// letter page with the pattern at full scale, 1 cm from the paper's corner.
#include "app/printcommands.h"
#include "render/workimage.h"
#include "exports_fakewindow.h"
#include "printengine/printenginecomponent.h"
#include "printengine/printengineloader.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString RunTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// 1 cm is 37.8 px at 96 DPI: the pattern's corner lands on pixel 37 or 38,
// depending on how the renderer rounds.
constexpr int kEarliestCorner = 37;
constexpr int kLatestCorner = 38;

// The first non-white pixel of `row` in `page`.
int FirstInk(const QImage &page, int row)
{
    for (int x = 0; x < page.width(); ++x)
        if (page.pixel(x, row) != 0xFFFFFFFF)
            return x;
    return -1;
}

int FirstInkInColumn(const QImage &page, int column)
{
    for (int y = 0; y < page.height(); ++y)
        if (page.pixel(column, y) != 0xFFFFFFFF)
            return y;
    return -1;
}
} // namespace

TEST(PdfWithTheRealEngine, OneLetterPageWithThePatternLosslessAtFullScale)
{
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    const QString pdfimages = QStandardPaths::findExecutable("pdfimages");
    const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
    if (pdftoppm.isEmpty() || pdfimages.isEmpty() || pdfinfo.isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed";

    PrintEngineLoader loader;
    ASSERT_FALSE(loader.Load(QCoreApplication::applicationDirPath()).has_value())
        << "the engine library must be built beside the tests";
    TPrintEngine engine(loader.Table());
    LoadPrintEngine1Layout(engine);
    TEngineDocument document(engine, loader.Loaded());

    QTemporaryDir program;
    QTemporaryDir target;
    QStringList log;
    TFakeExportWindow window(program.path(), &log);
    window.pageOutline = false;
    window.fileNames = {target.filePath("sign")};
    TWorkImage workImage;
    ExportPdf(window, workImage, document);

    const QString pdf = target.filePath("sign.pdf");
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_FALSE(engine.DocumentOpen());

    const QString info = RunTool(pdfinfo, {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("792 x 612 pts")) << info.toStdString();

    // One image of the pattern's own pixels, not resampled.
    const QStringList images = RunTool(pdfimages, {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(images.size(), 3) << images.join('\n').toStdString();
    const QStringList fields = images.at(2).simplified().split(' ');
    EXPECT_EQ(fields.at(3), "960");
    EXPECT_EQ(fields.at(4), "144");
    EXPECT_EQ(fields.at(12), "96") << "x-ppi: 960 px over 10 in";

    const QString rendered = target.filePath("page");
    RunTool(pdftoppm, {"-r", "96", "-aa", "no", "-aaVector", "no", "-png", "-singlefile", pdf, rendered});
    const QImage page = QImage(rendered + ".png").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(page.size(), QSize(1056, 816));
    const int left = FirstInk(page, 100);
    const int top = FirstInkInColumn(page, 500);
    ASSERT_GE(left, kEarliestCorner);
    ASSERT_LE(left, kLatestCorner);
    ASSERT_GE(top, kEarliestCorner);
    ASSERT_LE(top, kLatestCorner);
    // The image stored in the file is the pattern, pixel for pixel.
    RunTool(pdfimages, {"-png", pdf, target.filePath("img")});
    const QImage stored = QImage(target.filePath("img-000.png")).convertToFormat(QImage::Format_RGB32);
    int wrong = 0;
    for (int y = 0; y < 144; ++y)
        for (int x = 0; x < 960; ++x)
            wrong += stored.pixel(x, y) != window.pattern.pixel(x, y);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(page.pixel(left + 962, 100), 0xFFFFFFFF) << "no outline with Page Outline off";
    EXPECT_EQ(page.pixel(500, top + 146), 0xFFFFFFFF);
}
