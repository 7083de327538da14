// Export BMP from the real main window, dialogs answered by the scripted host.
#include "app/fretcard1.h"
#include "app/programfolders.h"
#include "support/scripteddialoghost.h"

#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ExportBmpFromTheWindow, ButtonWritesThePatternWithItsBarAndSetsTheCaption)
{
    TScriptedDialogHost host;
    TForm1 form(&host);
    QTemporaryDir target;
    form.CheckBox3->setChecked(true);
    host.QueueFileName(target.filePath("sign.bmp"));
    form.Button2->click();

    EXPECT_EQ(form.windowTitle(), target.filePath("sign"));
    ASSERT_EQ(host.FileDialogs.size(), 1u);
    EXPECT_EQ(host.FileDialogs[0].FileName, "untitled");
    EXPECT_EQ(host.FileDialogs[0].Filter, "BMP file|*.bmp");
    const QImage exported = QImage(target.filePath("sign.bmp")).convertToFormat(QImage::Format_RGB32);
    const QImage snapshot = QImage(SnapshotFilePath()).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(exported.size(), QSize(960, 144));
    ASSERT_EQ(snapshot.size(), QSize(960, 144));
    int wrong = 0;
    for (int y = 0; y < 144; ++y)
        for (int x = 0; x < 960; ++x) {
            const bool inBar = x >= 15 && x <= 944 && y >= 109 && y <= 138;
            wrong += exported.pixel(x, y) != (inBar ? 0xFF000000 : snapshot.pixel(x, y));
        }
    EXPECT_EQ(wrong, 0);

    // No to the overwrite question: the file stays, the user is told.
    const QString caption = form.windowTitle();
    host.QueueFileName(target.filePath("sign"));
    host.QueueMessageAnswer(mrNo);
    host.QueueMessageAnswer(mrOk);
    form.SaveBMP1->trigger();
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[0].Text, "Overwrite File?");
    EXPECT_EQ(host.Messages[0].DefaultButton, mbYes);
    EXPECT_EQ(host.Messages[0].EscapeButton, mbNo);
    EXPECT_EQ(host.Messages[1].Text, "File not saved!");
    EXPECT_TRUE(host.AllAnswersUsed());
}
