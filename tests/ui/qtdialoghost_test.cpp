#include "ui/qtdialoghost.h"
#include "ui/messagebox.h"

#include <QApplication>
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
