#include "ui/commandguard.h"
#include "ui/messagebox.h"

#include "core/errors.h"
#include "support/scripteddialoghost.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
const QString kTitle = QStringLiteral("Kerfhaven Fretcard Printer");

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(ErrorBoxText("File not found"), "File not found.");
    EXPECT_EQ(ErrorBoxText("I/O error 32"), "I/O error 32.");
    EXPECT_EQ(ErrorBoxText("Cannot create file /tmp/x/"), "Cannot create file /tmp/x/.");
    EXPECT_EQ(ErrorBoxText("Already ends."), "Already ends.");
    EXPECT_EQ(ErrorBoxText("Stop!"), "Stop!");
    EXPECT_EQ(ErrorBoxText("In brackets (x)"), "In brackets (x)");
    EXPECT_EQ(ErrorBoxText(""), "");
}

class CommandGuardTest : public ::testing::Test {
protected:
    TScriptedDialogHost host;
    TCommandGuard guard{host, kTitle};
};

TEST_F(CommandGuardTest, ASucceedingCommandShowsNothing)
{
    int runs = 0;
    EXPECT_TRUE(guard.Run([&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(CommandGuardTest, AFailureShowsTheStandardErrorBox)
{
    host.QueueMessageAnswer(mrOk);
    bool reachedEnd = false;
    EXPECT_FALSE(guard.Run([&] {
        FileError::Raise(FileError::FileNotFound);
        reachedEnd = true;
    }));
    EXPECT_FALSE(reachedEnd);
    ASSERT_EQ(host.Messages.size(), 1u);
    const TMessageRequest &box = host.Messages[0];
    EXPECT_EQ(box.Caption, kTitle);
    EXPECT_EQ(box.Text, "File not found.");
    EXPECT_EQ(box.Type, TMsgDlgType::mtError);
    EXPECT_EQ(box.Buttons, TMsgDlgButtons(mbOK));
}

TEST_F(CommandGuardTest, ForeignExceptionsShowTheirTextOrAGeneralMessage)
{
    host.QueueMessageAnswer(mrOk);
    host.QueueMessageAnswer(mrOk);
    guard.Run([] { throw std::runtime_error("Cannot focus a disabled or invisible window"); });
    guard.Run([] { throw 42; });
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[0].Text, "Cannot focus a disabled or invisible window.");
    EXPECT_EQ(host.Messages[1].Text, "An unexpected error occurred.");
}

TEST_F(CommandGuardTest, AGuardedSlotKeepsTheExceptionAwayFromQt)
{
    host.QueueMessageAnswer(mrOk);
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked,
                     guard.Guarded([] { throw EFretcardError(QStringLiteral("Broken")); }));
    button.click();
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "Broken.");
}

TEST(MessageBoxes, YesNoQuestionsDefaultToYesAndTreatCloseAsNo)
{
    TScriptedDialogHost host;
    host.QueueMessageAnswer(mrYes);
    host.QueueMessageAnswer(mrNo);
    host.QueueMessageAnswer(mrNone);
    EXPECT_TRUE(AskYesNo(host, kTitle, "Overwrite File?"));
    EXPECT_FALSE(AskYesNo(host, kTitle, "Overwrite File?"));
    EXPECT_FALSE(AskYesNo(host, kTitle, "Overwrite File?"));
    const TMessageRequest &asked = host.Messages[0];
    EXPECT_EQ(asked.Buttons, TMsgDlgButtons(mbYes | mbNo));
    EXPECT_EQ(asked.DefaultButton, mbYes);
    EXPECT_EQ(asked.EscapeButton, mbNo);
    EXPECT_EQ(asked.Type, TMsgDlgType::mtCustom);
}

TEST(MessageBoxes, ANoticeHasOneOkButtonAndNoIcon)
{
    TScriptedDialogHost host;
    host.QueueMessageAnswer(mrOk);
    ShowMessage(host, kTitle, "File not saved!");
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "File not saved!");
    EXPECT_EQ(host.Messages[0].Caption, kTitle);
    EXPECT_EQ(host.Messages[0].Buttons, TMsgDlgButtons(mbOK));
    EXPECT_EQ(host.Messages[0].Type, TMsgDlgType::mtCustom);
}
} // namespace
