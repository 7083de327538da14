#include "ui/dialogs.h"

#include "support/scripteddialoghost.h"

#include <gtest/gtest.h>

namespace {
TEST(FileDialogs, ExecuteAsksWithEveryPropertyAndKeepsTheChosenPath)
{
    TScriptedDialogHost host;
    TSaveDialog dialog(host);
    dialog.setTitle("Scroll Saw Fretcard Printer Save");
    dialog.setFilter("Fretcard file|*.frcd");
    dialog.setInitialDir("/home/u/patterns");
    dialog.setFileName("untitled");
    host.QueueFileName("/home/u/patterns/sign");

    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/home/u/patterns/sign");
    ASSERT_EQ(host.FileDialogs.size(), 1u);
    const TFileDialogRequest &asked = host.FileDialogs[0];
    EXPECT_EQ(asked.Kind, TFileDialogKind::Save);
    EXPECT_EQ(asked.Title, "Scroll Saw Fretcard Printer Save");
    EXPECT_EQ(asked.Filter, "Fretcard file|*.frcd");
    EXPECT_EQ(asked.InitialDir, "/home/u/patterns");
    EXPECT_EQ(asked.FileName, "untitled");
}

TEST(FileDialogs, CancelKeepsTheNameItHadBefore)
{
    TScriptedDialogHost host;
    TOpenDialog dialog(host);
    host.QueueFileName("/p/first.frcd");
    host.QueueFileCancel();
    ASSERT_TRUE(dialog.Execute());
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/p/first.frcd");
    ASSERT_EQ(host.FileDialogs.size(), 2u);
    EXPECT_EQ(host.FileDialogs[1].Kind, TFileDialogKind::Open);
    EXPECT_EQ(host.FileDialogs[1].FileName, "/p/first.frcd");
}

TEST(FileDialogs, ClassicFiltersBecomeQtFilters)
{
    EXPECT_EQ(QtFileFilter("BMP file|*.bmp"), "BMP file (*.bmp)");
    EXPECT_EQ(QtFileFilter("Fretcard Files|*.frcd|Everything|*.*"),
              "Fretcard Files (*.frcd);;Everything (*.*)");
    EXPECT_EQ(QtFileFilter("Pictures|*.bmp;*.png"), "Pictures (*.bmp *.png)");
    EXPECT_EQ(QtFileFilter(""), "");
}
} // namespace
