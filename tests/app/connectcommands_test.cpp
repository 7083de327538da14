// Connect Letters on the real main window: it moves the Kern and VPos bars
// as a user would, and says which letters no Kern can join.
#include "app/fretcard1.h"

#include "render/shapecontrol.h"
#include "support/scripteddialoghost.h"
#include "ui/scrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
class ConnectLettersTest : public ::testing::Test {
protected:
    TScriptedDialogHost host;
    TForm1 form{&host};

    void TearDown() override { EXPECT_TRUE(host.AllAnswersUsed()); }

    QStringList SavedLines()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("connected.frcd"));
        host.QueueFileName(path);
        form.SaveAs1->trigger();
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    }
};

TEST_F(ConnectLettersTest, MovesTheKernAndVPosBarsLikeAUserAndMovingThemBackUndoesIt)
{
    form.CheckBox3->setChecked(true); // Base
    const int vposBefore = form.ScrollBar4->Position();
    form.ConnectLetters1->trigger();
    ASSERT_TRUE(host.Messages.empty()) << host.Messages.front().Text.toStdString();
    const int kern = form.ScrollBar7->Position();
    const int vpos = form.ScrollBar4->Position();
    EXPECT_LT(kern, 0) << "the preset letters stand apart at Kern 0";
    EXPECT_GT(vpos, vposBefore) << "the preset letters stand above the bar";
    EXPECT_EQ(form.Label12->text(), QStringLiteral("Kern: %1").arg(kern));
    EXPECT_EQ(form.Label14->text(), QStringLiteral("VPos: %1").arg(vpos));
    EXPECT_EQ(form.PatternView()->Caption()->FontFX()->Tracing(), kern);
    EXPECT_EQ(form.PatternView()->Caption()->FontFX()->PosY(), vpos);
    const QStringList saved = SavedLines();
    ASSERT_GE(saved.size(), 6);
    EXPECT_EQ(saved[3], QString::number(vpos));
    EXPECT_EQ(saved[5], QString::number(kern));

    form.ScrollBar7->setPosition(0);
    form.ScrollBar4->setPosition(vposBefore);
    EXPECT_EQ(form.PatternView()->Caption()->FontFX()->Tracing(), 0);
    EXPECT_EQ(form.PatternView()->Caption()->FontFX()->PosY(), vposBefore);
    EXPECT_EQ(form.Label12->text(), QStringLiteral("Kern: 0"));
}

TEST_F(ConnectLettersTest, LettersNoKernJoinsAreNamedAndNothingMoves)
{
    form.Edit1->setText(QStringLiteral("Hi ="));
    host.QueueMessageAnswer(mrOk);
    form.ConnectLetters1->trigger();
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text,
              QStringLiteral("No Kern from -100 to 100 joins the letters of every word: \"=\" in \"=\" stays apart."));
    EXPECT_EQ(form.ScrollBar7->Position(), 0);

    form.Edit1->setText(QString());
    host.QueueMessageAnswer(mrOk);
    form.ConnectLetters1->trigger();
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[1].Text, QStringLiteral("There are no letters to join."));
    EXPECT_EQ(form.ScrollBar7->Position(), 0);
}
} // namespace
