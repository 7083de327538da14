#include "app/fretcard1.h"

#include "core/units.h"
#include "render/shapecontrol.h"
#include "support/scripteddialoghost.h"
#include "tests/ui/extras_keyboard.h"
#include "ui/aboutdlg.h"
#include "ui/globalhotkey.h"
#include "ui/linklabel.h"
#include "ui/links.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/scrollbar.h"
#include "ui/starter.h"
#include "ui/wavecomp.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMediaDevices>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <tuple>

using extras_test::PressKey;
using extras_test::WaitForActive;

namespace {
const QString kTitle = QStringLiteral("Kerfhaven Fretcard Printer");
const QString kCannotFocus = QStringLiteral("Cannot focus a disabled or invisible window.");

void Click(QWidget *widget, QPoint at)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void Click(QWidget *widget)
{
    Click(widget, widget->rect().center());
}

QKeyCombination Ctrl(Qt::Key key)
{
    return QKeyCombination(Qt::ControlModifier, key);
}

// The real main window, shown and active, with the text box focused as after
// its first repaint.
class ExtrasTest : public ::testing::Test {
protected:
    TScriptedDialogHost host;
    TForm1 form{&host};

    void SetUp() override
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(WaitForActive(&form));
        QCoreApplication::processEvents();
        form.Edit1->setFocus();
        form.Edit1->selectAll();
    }
    void TearDown() override { EXPECT_TRUE(host.AllAnswersUsed()); }

    // Presses the key in the focused widget, then lets any repaint happen:
    // the focus must still be where the key put it afterwards.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        PressKey(QApplication::focusWidget(), key, modifiers);
        QCoreApplication::processEvents();
    }

    struct Positions {
        int bars[7];
        bool operator==(const Positions &) const = default;
    };
    Positions BarPositions() const
    {
        return {{form.ScrollBar1->Position(), form.ScrollBar2->Position(), form.ScrollBar3->Position(),
                 form.ScrollBar4->Position(), form.ScrollBar5->Position(), form.ScrollBar6->Position(),
                 form.ScrollBar7->Position()}};
    }
};

// --- Hot keys ------------------------------------------------------------

TEST_F(ExtrasTest, EachKeyFocusesItsBar)
{
    const std::pair<Qt::Key, TScrollBar *> keys[] = {
        {Qt::Key_F, form.ScrollBar1}, {Qt::Key_W, form.ScrollBar2}, {Qt::Key_H, form.ScrollBar3},
        {Qt::Key_T, form.ScrollBar4}, {Qt::Key_P, form.ScrollBar6}, {Qt::Key_K, form.ScrollBar7},
        {Qt::Key_C, form.ScrollBar5},
    };
    const Positions before = BarPositions();
    for (const auto &[key, bar] : keys) {
        form.Edit1->setFocus();
        Press(key, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), bar) << "Ctrl+" << char(key);
    }
    // A key from one bar to another too.
    Press(Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.ScrollBar2);
    EXPECT_TRUE(BarPositions() == before);
    EXPECT_EQ(form.Edit1->text(), "Scroll Saw");
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(ExtrasTest, ArrowKeysMoveTheWidthByOneAfterCtrlW)
{
    form.ScrollBar2->setPosition(500);
    Press(Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), form.ScrollBar2);

    Press(Qt::Key_Right);
    EXPECT_EQ(form.ScrollBar2->Position(), 501);
    EXPECT_EQ(form.PatternView()->Width(), 501);
    Press(Qt::Key_Left);
    Press(Qt::Key_Left);
    EXPECT_EQ(form.ScrollBar2->Position(), 499);
    EXPECT_EQ(form.PatternView()->Width(), 499);
    EXPECT_EQ(form.Label7->text(), InchesText(499, 2, TDecimals::Fixed, QLocale()));
    EXPECT_EQ(QApplication::focusWidget(), form.ScrollBar2);
}

TEST_F(ExtrasTest, CtrlCInTheTextBoxFocusesCornersAndCopiesNothing)
{
    QApplication::clipboard()->setText(QStringLiteral("before"));
    ASSERT_EQ(form.Edit1->selectedText(), "Scroll Saw");
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.ScrollBar5);
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
    EXPECT_EQ(form.Edit1->text(), "Scroll Saw");
    EXPECT_EQ(form.ScrollBar5->Position(), 0);
}

TEST_F(ExtrasTest, PositionKeysWithMultilineOnShowTheErrorAndChangeNothingElse)
{
    form.CheckBox1->setChecked(true);
    form.Edit1->setFocus();
    const Positions before = BarPositions();
    host.QueueMessageAnswer(mrOk);
    host.QueueMessageAnswer(mrOk);

    Press(Qt::Key_T, Qt::ControlModifier);
    Press(Qt::Key_P, Qt::ControlModifier);

    ASSERT_EQ(host.Messages.size(), 2u);
    for (const TMessageRequest &box : host.Messages) {
        EXPECT_EQ(box.Caption, kTitle);
        EXPECT_EQ(box.Text, kCannotFocus);
        EXPECT_EQ(box.Type, TMsgDlgType::mtError);
        EXPECT_EQ(box.Buttons, TMsgDlgButtons(mbOK));
    }
    EXPECT_EQ(QApplication::focusWidget(), form.Edit1);
    EXPECT_TRUE(BarPositions() == before);
    EXPECT_TRUE(form.CheckBox1->isChecked());
    EXPECT_TRUE(form.Label8->isVisible());
    EXPECT_EQ(form.PatternView()->Caption()->Caption(), "Scroll Saw");

    // The other keys still work, and the window carries on.
    Press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), form.ScrollBar7);
}

TEST_F(ExtrasTest, AKeyInAnotherWindowOfTheProgramBringsTheMainWindowBack)
{
    QWidget other;
    auto *otherEdit = new QLineEdit(QStringLiteral("elsewhere"), &other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(WaitForActive(&other));
    otherEdit->setFocus();

    PressKey(otherEdit, Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(WaitForActive(&form));
    EXPECT_EQ(form.focusWidget(), form.ScrollBar3);
    EXPECT_EQ(otherEdit->text(), "elsewhere");
}

// --- Font viewer ------------------------------------------------------------

// A stand-in viewer beside the test program: it notes its working folder in a
// file next to itself and ends.
class FontViewerTest : public ExtrasTest {
protected:
    void SetUp() override
    {
        ExtrasTest::SetUp();
        ASSERT_TRUE(elsewhere.isValid());
        previousCurrent = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());

        const QString id = QString::number(QCoreApplication::applicationPid());
        standIn = QStringLiteral("fontviewer-standin-%1").arg(id);
        missing = QStringLiteral("fontviewer-missing-%1").arg(id);
        QFile program(ProgramFolder().filePath(standIn));
        ASSERT_TRUE(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\npwd -P > \"$0.tmp\"; mv \"$0.tmp\" \"$0.where\"\n");
        program.close();
        program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    }
    void TearDown() override
    {
        QFile::remove(ProgramFolder().filePath(standIn));
        QFile::remove(ProgramFolder().filePath(standIn + QStringLiteral(".where")));
        QDir::setCurrent(previousCurrent);
        ExtrasTest::TearDown();
    }

    static QDir ProgramFolder() { return QDir(QCoreApplication::applicationDirPath()); }

    // The folder the stand-in noted, once it has run.
    QString NotedFolder() const
    {
        QFile note(ProgramFolder().filePath(standIn + QStringLiteral(".where")));
        QDeadlineTimer deadline(10000);
        while (!note.exists() && !deadline.hasExpired())
            QThread::msleep(20);
        if (!note.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(note.readAll()).trimmed();
    }

    QTemporaryDir elsewhere;
    QString previousCurrent;
    QString standIn;
    QString missing;
};

TEST_F(FontViewerTest, StartsFromTheProgramsFolderWhateverTheCurrentFolder)
{
    EXPECT_EQ(form.Starter1->Command(), "fontviewer");
    EXPECT_FALSE(form.Starter1->Wait());
    EXPECT_EQ(form.Starter1->ProcessId(), 0);
    form.Starter1->setCommand(standIn);
    form.Button7->click();

    EXPECT_TRUE(host.Messages.empty());
    EXPECT_GT(form.Starter1->ProcessId(), 0);
    EXPECT_EQ(form.Starter1->DefaultDir(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    EXPECT_EQ(NotedFolder(), ProgramFolder().canonicalPath());
    EXPECT_FALSE(QFile::exists(QDir(elsewhere.path()).filePath(standIn + QStringLiteral(".where"))));
    EXPECT_EQ(QDir::currentPath(), elsewhere.path()) << "the program's own current folder is left alone";
}

TEST_F(FontViewerTest, AMissingViewerGivesOneMessageAndChangesNothing)
{
    form.Starter1->setCommand(standIn);
    form.Button7->click();
    ASSERT_FALSE(NotedFolder().isEmpty());
    const qint64 lastStarted = form.Starter1->ProcessId();
    const Positions before = BarPositions();

    form.Starter1->setCommand(missing);
    host.QueueMessageAnswer(mrOk);
    form.Button7->click();

    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Caption, kTitle);
    EXPECT_EQ(host.Messages[0].Type, TMsgDlgType::mtError);
    EXPECT_TRUE(host.Messages[0].Text.contains(missing)) << host.Messages[0].Text.toStdString();
    EXPECT_TRUE(host.Messages[0].Text.contains(QStringLiteral("not found")));
    EXPECT_EQ(form.Starter1->ProcessId(), lastStarted);
    EXPECT_TRUE(BarPositions() == before);
    EXPECT_EQ(form.Edit1->text(), "Scroll Saw");
}

// --- About box --------------------------------------------------------------

qint64 MemAvailableKB()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (!meminfo.open(QIODevice::ReadOnly))
        return -1;
    return ParseMemAvailableKB(meminfo.readAll());
}

// The program's icon as an independent renderer draws its scalable picture.
QImage IconDrawnByRsvg(int size)
{
    QTemporaryDir dir;
    QFile resource(QStringLiteral(":/fretcard/icons/fretcard.svg"));
    QFile copy(dir.filePath("icon.svg"));
    if (!resource.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly))
        return {};
    copy.write(resource.readAll());
    copy.close();
    const QString png = dir.filePath("icon.png");
    QProcess::execute(QStringLiteral("rsvg-convert"),
                      {"-w", QString::number(size), "-h", QString::number(size), "-o", png, copy.fileName()});
    return QImage(png).convertToFormat(QImage::Format_ARGB32);
}

// Mean difference per channel, 0..255.
double MeanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * a.width() * a.height());
}

TEST_F(ExtrasTest, TheWindowAndTheAboutBoxShowTheProgramsOwnIcon)
{
    constexpr int kAboutIconSize = 48;
    constexpr double kRenderersAgreeWithin = 8;
    const QImage expected = IconDrawnByRsvg(kAboutIconSize);
    ASSERT_FALSE(expected.isNull()) << "rsvg-convert did not draw the icon";
    const QImage window = form.windowIcon().pixmap(kAboutIconSize).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_LT(MeanDifference(window, expected), kRenderersAgreeWithin);

    const std::unique_ptr<QDialog> about = form.AboutDlg1->CreateDialog(&form);
    auto *icon = about->findChild<QLabel *>(QStringLiteral("icon"));
    ASSERT_NE(icon, nullptr);
    const QImage shown = icon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_LT(MeanDifference(shown, expected), kRenderersAgreeWithin);
}

TEST_F(ExtrasTest, AboutOpensModalOverTheWindowWithTheRunningSystemsValues)
{
    struct Seen {
        bool found = false;
        bool modal = false;
        QWidget *parent = nullptr;
        QString title, appName, version, author, memory, platform;
        QPoint centre;
    } seen;
    QTimer::singleShot(0, &form, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen.found = true;
        seen.modal = dialog->isModal();
        seen.parent = dialog->parentWidget();
        seen.title = dialog->windowTitle();
        auto text = [dialog](const char *name) {
            auto *label = dialog->findChild<QLabel *>(QLatin1String(name));
            return label ? label->text() : QString();
        };
        seen.appName = text("appName");
        seen.version = text("version");
        seen.author = text("author");
        seen.memory = text("memoryValue");
        seen.platform = text("platformValue");
        seen.centre = dialog->frameGeometry().center();
        if (auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("okButton")))
            ok->click();
    });
    // Whatever happens above, the box must not stay open and hang the test.
    QTimer::singleShot(5000, &form, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });

    form.About2->trigger();

    ASSERT_TRUE(seen.found) << "no modal about box";
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.parent, &form);
    EXPECT_EQ(seen.title, "Abiut Fretcard Printer");
    EXPECT_EQ(seen.appName, "Kerfhaven Fretcard Printer 1.6");
    EXPECT_TRUE(seen.version.contains(QStringLiteral("1.7")));
    EXPECT_EQ(seen.author, QString::fromLatin1(Links::MakerName));
    EXPECT_LE((seen.centre - form.frameGeometry().center()).manhattanLength(), 8);

    // The free memory is this machine's, read as the box opened.
    QString digits = seen.memory;
    digits.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    const qint64 shownKB = digits.toLongLong();
    const qint64 nowKB = MemAvailableKB();
    EXPECT_TRUE(seen.memory.endsWith(QStringLiteral(" KB"))) << seen.memory.toStdString();
    EXPECT_GT(shownKB, 0);
    if (nowKB > 0) { // systems with /proc/meminfo: compare with what it says now
        EXPECT_NEAR(double(shownKB), double(nowKB), nowKB * 0.25) << seen.memory.toStdString();
    }
    const int processors = QThread::idealThreadCount();
    EXPECT_TRUE(seen.platform.contains(QStringLiteral("%1 processor").arg(processors)))
        << seen.platform.toStdString();
    EXPECT_TRUE(seen.platform.contains(QSysInfo::currentCpuArchitecture())) << seen.platform.toStdString();

    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(form.Edit1->text(), "Scroll Saw");
}

// --- Links ------------------------------------------------------------------

TEST_F(ExtrasTest, TheTwoLinksSitInTheirPanelsInSmallNavyType)
{
    const std::tuple<LinkLabel *, TPanel *, const char *, const char *> links[] = {
        {form.LinkLabel1, form.LinkPanel1, "Kerfhaven", Links::WebLog},
        {form.LinkLabel2, form.LinkPanel2, "Donation", Links::Donation},
    };
    for (const auto &[link, panel, caption, address] : links) {
        SCOPED_TRACE(caption);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->parentWidget(), panel);
        EXPECT_TRUE(link->isVisible());
        EXPECT_TRUE(panel->rect().contains(link->geometry()));
        EXPECT_EQ(link->text(), caption);
        EXPECT_EQ(link->URLType(), utCustom);
        EXPECT_TRUE(link->CustomURLType().isEmpty());
        EXPECT_EQ(link->Address(), QUrl(QString::fromLatin1(address)));
        EXPECT_EQ(link->font().family(), "Tahoma");
        EXPECT_EQ(link->font().pixelSize(), 11);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
}

TEST_F(ExtrasTest, ClickingALinkOpensItsAddress)
{
    QList<QUrl> opened;
    for (LinkLabel *link : {form.LinkLabel1, form.LinkLabel2})
        link->setOpener([&](const QUrl &url) { opened.append(url); return true; });
    Click(form.LinkLabel2);
    Click(form.LinkLabel1);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0].toString(), QString::fromLatin1(Links::Donation));
    EXPECT_EQ(opened[1].toString(), QString::fromLatin1(Links::WebLog));
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(ExtrasTest, ALinkNothingCanOpenSaysSo)
{
    form.LinkLabel2->setOpener([](const QUrl &) { return false; });
    host.QueueMessageAnswer(mrOk);
    Click(form.LinkLabel2);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Caption, kTitle);
    EXPECT_EQ(host.Messages[0].Text,
              "Cannot open https://www.kerfhaven.net/donate/: no program on this system opens web pages.");
}

// --- Donation sound ---------------------------------------------------------

TEST_F(ExtrasTest, TheDonationPictureHoldsTheChimeAndClicksRaiseNothing)
{
    const QByteArray wave = form.WaveComp1->Wave();
    EXPECT_EQ(wave, DonationWave());
    const std::optional<WaveLayout> layout = ParseWave(wave);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->dataSize, 335160);
    EXPECT_EQ(layout->format.sampleRate(), 22050);
    EXPECT_EQ(layout->format.channelCount(), 1);
    EXPECT_EQ(layout->format.sampleFormat(), QAudioFormat::Int16);

    Click(form.Image2);
    Click(form.Image2); // a second click restarts the sound
    QCoreApplication::processEvents();

    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(form.WaveComp1->IsPlaying(), !QMediaDevices::audioOutputs().isEmpty());
    form.WaveComp1->Stop();
}

// --- Exit and the end of the window -----------------------------------------

TEST(ExtrasLifetimeTest, ExitClosesAtOnceAndTheWindowGivesItsKeysBack)
{
    TScriptedDialogHost host;
    auto form = std::make_unique<TForm1>(&host);
    form->show();
    form->Exit1->trigger();
    EXPECT_FALSE(form->isVisible());
    form->show();
    form->Button6->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(host.Messages.empty());

    THotKeyRegistry *registry = THotKeyRegistry::ForApplication();
    EXPECT_NE(registry->OwnerOf(Ctrl(Qt::Key_C)), nullptr);
    form.reset();
    for (Qt::Key key : {Qt::Key_F, Qt::Key_W, Qt::Key_H, Qt::Key_T, Qt::Key_P, Qt::Key_K, Qt::Key_C})
        EXPECT_EQ(registry->OwnerOf(Ctrl(key)), nullptr) << char(key);

    // With the window gone, Ctrl+C copies again.
    QLineEdit edit(QStringLiteral("copied"));
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    edit.selectAll();
    QApplication::clipboard()->setText(QStringLiteral("before"));
    PressKey(&edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "copied");
}
} // namespace
