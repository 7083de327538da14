// Export PDF from the real main window through the real engine library: the
// default pattern comes out as one landscape letter page, the snapshot's own
// pixels at 10 x 1.5 in, 1 cm from the paper's corner.
#include "app/fretcard1.h"
#include "app/printcommands_startup.h"
#include "app/programfolders.h"
#include "printengine/printenginecomponent.h"
#include "printengine/printengineloader.h"
#include "support/scripteddialoghost.h"
#include "ui/globalhotkey.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {
QString RunPoppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool PopplerInstalled()
{
    for (const char *tool : {"pdfinfo", "pdfimages", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    return true;
}

// 1 cm at 96 DPI is 37.8 px: rendered at 96 DPI the picture starts inside
// page column and row 37 and is resampled over 961 x 145 pixels, so the page
// can only show the snapshot to within a pixel. Exactness is checked on the
// image stored in the file.
constexpr int kCornerPixel = 37;
// Share of the snapshot's dark pixels allowed to have no dark page pixel
// within the one-pixel spread of the resampling.
constexpr double kAllowedMissedInk = 0.02;
constexpr QSize kLetterLandscapeAt96Dpi(1056, 816);

class PdfFromTheWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PopplerInstalled())
            GTEST_SKIP() << "poppler-utils are not installed";
        ASSERT_TRUE(LoadPrintEngineAtStartup(loader, QCoreApplication::applicationDirPath(), host));
        form = std::make_unique<TForm1>(&host, nullptr, &loader);
    }
    void TearDown() override { form.reset(); }

    PrintEngineLoader loader;
    TScriptedDialogHost host;
    std::unique_ptr<TForm1> form;
    QTemporaryDir target;
};

TEST_F(PdfFromTheWindow, TheDefaultPatternIsOneLetterPageWithTheSnapshotLosslessAtFullScale)
{
    host.QueueFileName(target.filePath("default"));
    form->Button8->click();
    const QString pdf = target.filePath("default.pdf");
    ASSERT_TRUE(QFile::exists(pdf));
    ASSERT_TRUE(host.Messages.empty());
    EXPECT_FALSE(form->PrintEngine1->DocumentOpen());

    const QString info = RunPoppler("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains("792 x 612 pts")) << info.toStdString();

    // One image, not recompressed lossily, 960 x 144 at 96 ppi: 720 x 108 pt.
    const QStringList images = RunPoppler("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(images.size(), 3) << images.join('\n').toStdString();
    const QStringList fields = images.at(2).simplified().split(' ');
    EXPECT_EQ(fields.at(3), "960");
    EXPECT_EQ(fields.at(4), "144");
    EXPECT_NE(fields.at(8), "jpeg");
    EXPECT_EQ(fields.at(12), "96");
    EXPECT_EQ(fields.at(13), "96");

    const QImage snapshot = QImage(SnapshotFilePath(), "bmp").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(snapshot.size(), QSize(960, 144));
    RunPoppler("pdfimages", {"-png", pdf, target.filePath("img")});
    const QImage stored = QImage(target.filePath("img-000.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(stored.size(), snapshot.size());
    int wrong = 0;
    for (int y = 0; y < snapshot.height(); ++y)
        for (int x = 0; x < snapshot.width(); ++x)
            wrong += stored.pixel(x, y) != snapshot.pixel(x, y);
    EXPECT_EQ(wrong, 0) << "the stored image is the snapshot, pixel for pixel";

    const QString rendered = target.filePath("page");
    RunPoppler("pdftoppm", {"-r", "96", "-aa", "no", "-aaVector", "no", "-png", "-singlefile", pdf, rendered});
    const QImage page = QImage(rendered + ".png").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(page.size(), kLetterLandscapeAt96Dpi);
    EXPECT_NE(qGray(page.pixel(kCornerPixel, 100)), 255) << "the page outline on the picture's left edge";
    EXPECT_EQ(qGray(page.pixel(kCornerPixel - 1, 100)), 255) << "nothing left of the 1 cm line";
    EXPECT_EQ(qGray(page.pixel(500, kCornerPixel - 1)), 255) << "nothing above the 1 cm line";
    auto dark = [](QRgb pixel) { return qGray(pixel) < 128; };
    int ink = 0;
    int missed = 0;
    for (int y = 1; y < snapshot.height() - 1; ++y)
        for (int x = 1; x < snapshot.width() - 1; ++x) {
            if (!dark(snapshot.pixel(x, y)))
                continue;
            ++ink;
            bool found = false;
            for (int dy = 0; dy <= 1 && !found; ++dy)
                for (int dx = 0; dx <= 1 && !found; ++dx)
                    found = dark(page.pixel(kCornerPixel + x + dx, kCornerPixel + y + dy));
            missed += !found;
        }
    ASSERT_GT(ink, 1000) << "the default pattern has letters";
    EXPECT_LT(missed, ink * kAllowedMissedInk) << missed << " of " << ink;
    // The picture ends after 10 in: nothing right of column 37.8 + 960.
    EXPECT_EQ(qGray(page.pixel(kCornerPixel + 962, 100)), 255);
}

TEST_F(PdfFromTheWindow, WhileThePreviewIsOpenNoPdfIsWritten)
{
    form->Button1->click();
    ASSERT_TRUE(form->PrintEngine1->DocumentOpen());
    host.QueueFileName(target.filePath("sign"));
    host.QueueMessageAnswer(mrOk);
    form->Button8->click();
    EXPECT_FALSE(QFile::exists(target.filePath("sign.pdf")));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text,
              "The print document is open. The document needs to be closed prior to this operation.");

    // Closing the preview's document and repeating succeeds.
    form->PrintEngine1->CloseDoc();
    host.QueueFileName(target.filePath("sign"));
    form->Button8->click();
    EXPECT_TRUE(QFile::exists(target.filePath("sign.pdf")));
}

// The preview is a window of its own: left open, it would keep the program
// running after the main window went.
TEST_F(PdfFromTheWindow, ExitWithThePreviewOpenClosesItsDocumentAndEveryWindow)
{
    form->show();
    form->Button1->click();
    ASSERT_TRUE(form->PrintEngine1->DocumentOpen());
    form->Button6->click();
    EXPECT_FALSE(form->PrintEngine1->DocumentOpen());
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
}
TEST_F(PdfFromTheWindow, ThePreviewShowsNoKeyThatTheProgramKeepsForItself)
{
    form->Button1->click();
    QWidget *preview = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == "fretprintPreview" && window->isVisible())
            preview = window;
    ASSERT_NE(preview, nullptr);
    int shown = 0;
    for (const QAction *action : preview->findChildren<QAction *>()) {
        for (const QKeySequence &key : action->shortcuts()) {
            ++shown;
            EXPECT_EQ(THotKeyRegistry::ForApplication()->OwnerOf(key[0]), nullptr)
                << action->text().toStdString() << " " << key.toString().toStdString();
        }
    }
    EXPECT_GT(shown, 0);
}
} // namespace
