// A pattern file named on the command line, as the desktop passes it on a
// double-click: it opens as the Open command opens it.
#include "app/commandline.h"
#include "app/fretcard1.h"
#include "formvalues.h"
#include "render/shapecontrol.h"
#include "support/scripteddialoghost.h"
#include "support/testfiles.h"
#include "ui/scrollbar.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray kSignFileBytes =
    "120\r\n500\r\n200\r\n7\r\n9\r\n-5\r\n25\r\n1\r\n0\r\n0\r\n0\r\nDejaVu Serif\r\nSign\r\n";

class CommandLineTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString startFolder = QDir::currentPath();
    TScriptedDialogHost host;
    TForm1 form{&host};

    void SetUp() override
    {
        WriteBytes(dir.filePath("sign.frcd"), kSignFileBytes);
        QDir::setCurrent(dir.path());
    }
    void TearDown() override
    {
        EXPECT_TRUE(host.AllAnswersUsed());
        QDir::setCurrent(startFolder);
    }
};

TEST_F(CommandLineTest, OnlyANamedFileIsOpenedAndItsNameIsTakenFromTheStartFolder)
{
    EXPECT_FALSE(PatternFileArgument({"fretcard"}));
    EXPECT_EQ(PatternFileArgument({"fretcard", "sign.frcd"}), dir.filePath("sign.frcd"));
}

TEST_F(CommandLineTest, ANamedFileOpensWithTheSameControlsAsTheOpenCommand)
{
    const QStringList initial = ThirteenValues(form);
    OpenPatternFileFromCommandLine(form, *PatternFileArgument({"fretcard", "sign.frcd"}));
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_NE(ThirteenValues(form), initial);
    EXPECT_TRUE(ThirteenValues(form).contains("Sign"));

    TScriptedDialogHost openHost;
    TForm1 openedByDialog{&openHost};
    openHost.QueueFileName(dir.filePath("sign.frcd"));
    openedByDialog.Button3->click();
    EXPECT_EQ(ThirteenValues(form), ThirteenValues(openedByDialog));
}

TEST_F(CommandLineTest, AMissingFileShowsTheStandardErrorAndKeepsTheInitialPattern)
{
    const QStringList initial = ThirteenValues(form);
    host.QueueMessageAnswer(mrOk);
    OpenPatternFileFromCommandLine(form, *PatternFileArgument({"fretcard", "missing.frcd"}));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "File not found.");
    EXPECT_EQ(host.Messages[0].Caption, "Kerfhaven Fretcard Printer");
    EXPECT_EQ(host.Messages[0].Type, TMsgDlgType::mtError);
    EXPECT_EQ(ThirteenValues(form), initial);
}

} // namespace
