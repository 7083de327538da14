#include "ui/qtdialoghost.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {
// Acts on the message box once it is on screen, from inside its own loop.
void WhenTheBoxShows(std::function<void(QMessageBox &)> act)
{
    QTimer::singleShot(0, [act] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(*box);
    });
}

TMessageRequest YesNoQuestion()
{
    TMessageRequest request;
    request.Caption = "Kerfhaven Fretcard Printer";
    request.Text = "Overwrite File?";
    request.Buttons = mbYes | mbNo;
    request.DefaultButton = mbYes;
    request.EscapeButton = mbNo;
    return request;
}

TEST(QtDialogHost, AYesNoQuestionDefaultsToYesAndHasNoIcon)
{
    TQtDialogHost host;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::Critical;
    WhenTheBoxShows([&](QMessageBox &box) {
        caption = box.windowTitle();
        icon = box.icon();
        box.defaultButton()->click();
    });
    EXPECT_EQ(host.ShowMessageBox(YesNoQuestion()), mrYes);
    EXPECT_EQ(caption, "Kerfhaven Fretcard Printer");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
}

TEST(QtDialogHost, EscapeAndTheCloseBoxAnswerNo)
{
    TQtDialogHost host;
    WhenTheBoxShows([](QMessageBox &box) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&box, &escape);
    });
    EXPECT_EQ(host.ShowMessageBox(YesNoQuestion()), mrNo);
    WhenTheBoxShows([](QMessageBox &box) { box.close(); });
    EXPECT_EQ(host.ShowMessageBox(YesNoQuestion()), mrNo);
}

TEST(QtDialogHost, TheErrorBoxShowsTheErrorIcon)
{
    TQtDialogHost host;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    WhenTheBoxShows([&](QMessageBox &box) {
        icon = box.icon();
        text = box.text();
        box.accept();
    });
    ShowErrorBox(host, "Kerfhaven Fretcard Printer", "Disk full");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(text, "Disk full.");
}
} // namespace

namespace {
TEST(QtDialogHost, TheSaveDialogAsksNoQuestionAndAddsNoExtension)
{
    TQtDialogHost host;
    TFileDialogRequest request;
    request.Kind = TFileDialogKind::Save;
    request.Title = "Scroll Saw Fretcard Printer Save";
    request.Filter = "Fretcard file|*.frcd";
    request.InitialDir = QDir::tempPath();
    request.FileName = "untitled";
    bool confirms = true;
    QString suffix = "x";
    QStringList filters;
    QString title;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        suffix = dialog->defaultSuffix();
        filters = dialog->nameFilters();
        title = dialog->windowTitle();
        dialog->selectFile(QDir(QDir::tempPath()).filePath("sign"));
        static_cast<QDialog *>(dialog)->accept();
    });
    ASSERT_TRUE(host.ExecuteFileDialog(request));
    EXPECT_FALSE(confirms);
    EXPECT_EQ(suffix, "");
    EXPECT_EQ(filters, QStringList{"Fretcard file (*.frcd)"});
    EXPECT_EQ(title, "Scroll Saw Fretcard Printer Save");
    EXPECT_EQ(request.FileName, QDir(QDir::tempPath()).filePath("sign"));
}

TEST(QtDialogHost, ACancelledFileDialogKeepsTheRequestedName)
{
    TQtDialogHost host;
    TFileDialogRequest request;
    request.FileName = "untitled";
    QTimer::singleShot(0, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            qobject_cast<QDialog *>(dialog)->reject();
    });
    EXPECT_FALSE(host.ExecuteFileDialog(request));
    EXPECT_EQ(request.FileName, "untitled");
}
} // namespace
