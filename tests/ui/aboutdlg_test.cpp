#include "ui/aboutdlg.h"
#include "ui/linklabel.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTimer>

#include <gtest/gtest.h>

#include <thread>

#ifdef Q_OS_LINUX
#include <sched.h>
#endif

namespace {

// The processors this program may run on, counted without Qt.
unsigned UsableProcessors()
{
#ifdef Q_OS_LINUX
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof(set), &set) == 0)
        return unsigned(CPU_COUNT(&set));
#endif
    return std::thread::hardware_concurrency();
}

qint64 Digits(const QString &text)
{
    return QString(text).remove(QRegularExpression(QStringLiteral("[^0-9]"))).toLongLong();
}

class AboutDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetUpProgramAbout(about);
        mainForm.setGeometry(100, 120, 1008, 623);
        mainForm.show();
        dialog = about.CreateDialog(&mainForm);
    }
    QLabel *Label(const char *name) { return dialog->findChild<QLabel *>(QLatin1String(name)); }

    TAboutDlg about;
    QWidget mainForm;
    std::unique_ptr<QDialog> dialog;
};

} // namespace

TEST(SystemInfoTest, ReadsAvailableMemoryFromMeminfo)
{
    const QByteArray meminfo = "MemTotal:       24576000 kB\n"
                               "MemFree:         1000000 kB\n"
                               "MemAvailable:   20123456 kB\n"
                               "Buffers:          20000 kB\n";
    EXPECT_EQ(ParseMemAvailableKB(meminfo), 20123456);
    EXPECT_EQ(ParseMemAvailableKB("MemTotal: 5 kB\nMemFree:  777 kB\n"), 777);
    EXPECT_EQ(ParseMemAvailableKB("MemAvailableX: 5 kB\n"), -1);
    EXPECT_EQ(ParseMemAvailableKB("MemAvailable: lots kB\n"), -1);
    EXPECT_EQ(ParseMemAvailableKB(""), -1);
}

TEST_F(AboutDlgTest, ShowsTheStoredTexts)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Abiut Fretcard Printer"));
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(Label("appName")->text(), QStringLiteral("Kerfhaven Fretcard Printer 1.6"));
    EXPECT_EQ(Label("appName")->font().pointSize(), 22);
    EXPECT_GT(Label("appName")->font().pointSize(), Label("version")->font().pointSize());
    EXPECT_EQ(Label("version")->text(), QStringLiteral("Version 1.7"));
    EXPECT_EQ(Label("author")->text(), QStringLiteral("Kerfhaven Woodcraft"));
    EXPECT_EQ(Label("description")->text(),
              QStringLiteral("Thank you for using the Kerfhaven Fretcard Printer. If you find this "
                             "program useful and would like to contribute please consider a $5 "
                             "donation."));
    EXPECT_FALSE(Label("icon")->pixmap().isNull());
}

TEST_F(AboutDlgTest, SystemValuesAreTheRunningSystems)
{
    const QString memory = Label("memoryValue")->text();
    ASSERT_TRUE(memory.endsWith(QStringLiteral(" KB"))) << memory.toStdString();
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly)) {
        // Read independently: free memory moves a little between the reads.
        const qint64 expected = ParseMemAvailableKB(meminfo.readAll());
        EXPECT_NEAR(double(Digits(memory)), double(expected), 0.05 * expected + 65536);
    } else {
        EXPECT_GT(Digits(memory), 0);
    }

    const QString platform = Label("platformValue")->text();
    const unsigned cores = UsableProcessors();
    EXPECT_TRUE(platform.contains(QStringLiteral(" %1 processor").arg(cores))) << platform.toStdString();
    EXPECT_TRUE(platform.endsWith(QSysInfo::currentCpuArchitecture())) << platform.toStdString();
}

TEST_F(AboutDlgTest, MailLinkOpensAMailAddress)
{
    QList<QUrl> opened;
    about.setOpener([&](const QUrl &url) {
        opened.append(url);
        return true;
    });
    dialog = about.CreateDialog(&mainForm);
    auto *mail = dialog->findChild<LinkLabel *>(QStringLiteral("mailLink"));
    ASSERT_TRUE(mail);
    EXPECT_EQ(mail->text(), QStringLiteral("fretcards@kerfhaven.net"));
    mail->Open();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0].toString(), QStringLiteral("mailto:fretcards@kerfhaven.net"));
}

TEST_F(AboutDlgTest, OneOkButtonThatIsDefaultAndCancel)
{
    const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
    EXPECT_TRUE(buttons[0]->isDefault());

    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        dialog = about.CreateDialog(&mainForm);
        QTimer::singleShot(0, dialog.get(), [&, key] {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(dialog->focusWidget() ? dialog->focusWidget() : dialog.get(), &press);
        });
        const int result = dialog->exec(); // returns only because the key closed it
        EXPECT_EQ(result, key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected);
    }
}

TEST_F(AboutDlgTest, CentredOverTheMainWindow)
{
    const QPoint centre = dialog->frameGeometry().center();
    const QPoint mainCentre = mainForm.frameGeometry().center();
    EXPECT_LE((centre - mainCentre).manhattanLength(), 2);

    mainForm.move(300, 40);
    dialog = about.CreateDialog(&mainForm);
    EXPECT_LE((dialog->frameGeometry().center() - mainForm.frameGeometry().center()).manhattanLength(), 2);
}
