// Save As and Open driven through the real main window with scripted dialogs:
// what the dialogs and questions are asked, the bytes on disk, and what an
// opened file does to the controls, the status strip and the preview.
#include "app/fretcard1.h"
#include "formvalues.h"
#include "core/pattern.h"
#include "app/programfolders.h"
#include "support/unprivilegedscope.h"
#include "render/shapecontrol.h"
#include "support/scripteddialoghost.h"
#include "ui/panel.h"
#include "ui/scrollbar.h"
#include "support/testfiles.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

namespace {

const QString kTitle = QStringLiteral("Kerfhaven Fretcard Printer");
const QByteArray kInitialFileBytes =
    "80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n0\r\nFretcard Gothic\r\nScroll Saw\r\n";

// Everything an opened file can reach: the controls, the status strip, the
// preview's properties and the controls the handlers switch.
QStringList WindowState(TForm1 &form)
{
    TShapeControl &view = *form.PatternView();
    TCaption &caption = *view.Caption();
    QStringList state = ThirteenValues(form);
    for (QLabel *label : {form.Label13, form.Label7, form.Label9, form.Label14, form.Label15, form.Label12,
                          form.Label16})
        state << label->text();
    state << QStringLiteral("view %1x%2 round %3 bevel %4")
                 .arg(view.Width()).arg(view.Height()).arg(view.RoundPercent()).arg(view.Bevel()->Width())
          << QStringLiteral("caption '%1' size %2 multiline %3 align %4")
                 .arg(caption.Caption()).arg(caption.Font()->Size()).arg(OnOff(caption.MultiLine()))
                 .arg(int(caption.Alignment()))
          << QStringLiteral("fx style %1 x %2 y %3 tracing %4")
                 .arg(int(caption.FontFX()->Style())).arg(caption.FontFX()->PosX()).arg(caption.FontFX()->PosY())
                 .arg(caption.FontFX()->Tracing())
          << QStringLiteral("base bar %1 at %2 multiline box %3 warning %4")
                 .arg(OnOff(!form.Shape2->isHidden()))
                 .arg(QStringLiteral("%1,%2 %3").arg(form.Shape2->x()).arg(form.Shape2->y()).arg(form.Shape2->width()))
                 .arg(form.CheckBox1->isEnabled() ? "enabled" : "greyed")
                 .arg(OnOff(!form.Label8->isHidden()));
    return state;
}

QStringList ExpectedValues(const PatternSettings &s)
{
    return {QString::number(s.FontSize), QString::number(s.BlankWidth), QString::number(s.BlankHeight),
            QString::number(s.VPos),     QString::number(s.HPos),       QString::number(s.Kern),
            QString::number(s.Corners),  OnOff(s.Multiline),            OnOff(s.TextOutline),
            OnOff(s.PageOutline),        OnOff(s.Base),                 s.FontName,
            s.Text};
}

// Puts `s` into the window the way a user can reach it: Base first (its
// cascade clears Corners and Text Outline), then every other control, the
// face through the font dialog, and the text.
void SetUpWindow(TForm1 &form, TScriptedDialogHost &host, const PatternSettings &s)
{
    form.CheckBox3->setChecked(s.Base);
    form.ScrollBar1->setPosition(s.FontSize);
    form.ScrollBar2->setPosition(s.BlankWidth);
    form.ScrollBar3->setPosition(s.BlankHeight);
    form.ScrollBar4->setPosition(s.VPos);
    form.ScrollBar6->setPosition(s.HPos);
    form.ScrollBar7->setPosition(s.Kern);
    form.ScrollBar5->setPosition(s.Corners);
    form.CheckBox1->setChecked(s.Multiline);
    form.CheckBox2->setChecked(s.TextOutline);
    form.CheckBox4->setChecked(s.PageOutline);
    host.QueueFontAnswer([face = s.FontName](TFont &chosen) {
        chosen.setName(face);
        return true;
    });
    form.Button5->click();
    form.Edit1->setText(s.Text);
}

class PatternFileCommandsTest : public ::testing::Test {
protected:
    TScriptedDialogHost host;
    TForm1 form{&host};
    QTemporaryDir dir;
    const QString startFolder = QDir::currentPath();

    void TearDown() override
    {
        EXPECT_TRUE(host.AllAnswersUsed());
        QDir::setCurrent(startFolder);
    }

    QString PathOf(const QString &name) const { return dir.filePath(name); }

    void SaveAs(const QString &chosen)
    {
        host.QueueFileName(chosen);
        form.Button9->click();
    }

    void Open(const QString &path)
    {
        host.QueueFileName(path);
        form.Button3->click();
    }

    void OpenBytes(const QByteArray &bytes)
    {
        const QString path = PathOf("opened.frcd");
        WriteBytes(path, bytes);
        Open(path);
    }

    // The one message box shown since `before` was the standard error box.
    void ExpectErrorBox(std::size_t before, const QString &text)
    {
        ASSERT_EQ(host.Messages.size(), before + 1) << text.toStdString();
        const TMessageRequest &box = host.Messages.back();
        EXPECT_EQ(box.Caption, kTitle);
        EXPECT_EQ(box.Text, text);
        EXPECT_EQ(box.Type, TMsgDlgType::mtError);
    }

    // A window whose every setting differs from the initial one, so that a
    // change of any of them shows.
    void MoveAwayFromTheInitialSettings()
    {
        SetUpWindow(form, host, {120, 500, 200, 7, 9, -5, 25, true, false, false, false, "DejaVu Serif", "Sign"});
    }
};

// --- Save As -----------------------------------------------------------------

TEST_F(PatternFileCommandsTest, SaveAsOffersUntitledInTheProgramFolderEveryTime)
{
    form.SaveDialog1.setFileName("left over by an export.bmp");
    host.QueueFileCancel();
    form.Button9->click();
    SaveAs(PathOf("first"));
    host.QueueFileCancel();
    form.SaveAs1->trigger();

    ASSERT_EQ(host.FileDialogs.size(), 3u);
    for (const TFileDialogRequest &asked : host.FileDialogs) {
        EXPECT_EQ(asked.Kind, TFileDialogKind::Save);
        EXPECT_EQ(asked.Title, "Scroll Saw Fretcard Printer Save");
        EXPECT_EQ(asked.Filter, "Fretcard file|*.frcd");
        EXPECT_EQ(asked.InitialDir, ProgramFolder());
        EXPECT_EQ(asked.FileName, "untitled");
    }
    EXPECT_EQ(QDir::currentPath(), QDir(ProgramFolder()).canonicalPath());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"first.frcd"});
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(PatternFileCommandsTest, InitialSettingsSaveAsTheKnownThirteenLines)
{
    SaveAs(PathOf("initial"));
    EXPECT_EQ(FileBytes(PathOf("initial.frcd")), kInitialFileBytes);
}

TEST_F(PatternFileCommandsTest, LinesFourToSevenAreVPosHPosKernCorners)
{
    form.ScrollBar4->setPosition(1);
    form.ScrollBar6->setPosition(2);
    form.ScrollBar7->setPosition(-20);
    form.ScrollBar5->setPosition(4);
    host.QueueFileName(PathOf("kern"));
    form.SaveAs1->trigger(); // the menu item saves the same way
    EXPECT_EQ(FileBytes(PathOf("kern.frcd")),
              "80\r\n960\r\n144\r\n1\r\n2\r\n-20\r\n4\r\n0\r\n1\r\n1\r\n0\r\nFretcard Gothic\r\nScroll Saw\r\n");
}

TEST_F(PatternFileCommandsTest, TheExtensionIsAddedUnlessTheNameEndsInExactlyIt)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("a") && QDir(dir.path()).mkpath("b"));
    SaveAs(PathOf("a/sign"));
    SaveAs(PathOf("b/sign.frcd"));
    SaveAs(PathOf("b/sign.FRCD"));
    EXPECT_EQ(QDir(PathOf("a")).entryList(QDir::Files), QStringList{"sign.frcd"});
    EXPECT_EQ(QDir(PathOf("b")).entryList(QDir::Files, QDir::Name), (QStringList{"sign.FRCD.frcd", "sign.frcd"}));
    EXPECT_EQ(FileBytes(PathOf("b/sign.FRCD.frcd")), kInitialFileBytes);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(PatternFileCommandsTest, AnExistingFileIsReplacedOnlyAfterAnExplicitYes)
{
    const QString path = PathOf("sign.frcd");
    const QByteArray oldBytes = "old pattern\r\n";
    WriteBytes(path, oldBytes);
    form.ScrollBar1->setPosition(90);

    // No: "File not saved", the old file stays byte for byte.
    host.QueueMessageAnswer(mrNo);
    host.QueueMessageAnswer(mrOk);
    SaveAs(PathOf("sign"));
    ASSERT_EQ(host.Messages.size(), 2u);
    const TMessageRequest &question = host.Messages[0];
    EXPECT_EQ(question.Caption, kTitle);
    EXPECT_EQ(question.Text, "Overwrite File? " + QDir::toNativeSeparators(path));
    EXPECT_EQ(question.Type, TMsgDlgType::mtCustom);
    EXPECT_EQ(question.Buttons, TMsgDlgButtons(mbYes | mbNo));
    EXPECT_EQ(question.DefaultButton, mbYes);
    EXPECT_EQ(question.EscapeButton, mbNo);
    const TMessageRequest &notice = host.Messages[1];
    EXPECT_EQ(notice.Caption, kTitle);
    EXPECT_EQ(notice.Text, "File not saved");
    EXPECT_EQ(notice.Buttons, TMsgDlgButtons(mbOK));
    EXPECT_EQ(notice.Type, TMsgDlgType::mtCustom);
    EXPECT_EQ(FileBytes(path), oldBytes);

    // Closed by its close box: declined, without a further notice.
    host.QueueMessageAnswer(mrNone);
    SaveAs(path);
    EXPECT_EQ(host.Messages.size(), 3u);
    EXPECT_EQ(FileBytes(path), oldBytes);

    host.QueueMessageAnswer(mrYes);
    SaveAs(path);
    EXPECT_EQ(host.Messages.size(), 4u);
    EXPECT_TRUE(FileBytes(path).startsWith("90\r\n960\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"sign.frcd"});
}

TEST_F(PatternFileCommandsTest, SaveFailuresShowTheErrorBoxAndKeepTheOldFile)
{
    const QString path = ReadOnlyFolderWithWritableFile(dir.path(), "old contents\r\n");
    const QString folder = QFileInfo(path).path();
    const QStringList before = WindowState(form);
    {
        UnprivilegedScope unprivileged;
        ASSERT_TRUE(unprivileged.Active());
        host.QueueMessageAnswer(mrYes);
        host.QueueMessageAnswer(mrOk);
        SaveAs(path);
        ExpectErrorBox(1, "File access denied.");
        host.QueueMessageAnswer(mrOk);
        SaveAs(folder + "/new");
        ExpectErrorBox(2, "File access denied.");
    }
    EXPECT_EQ(FileBytes(path), "old contents\r\n");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"sign.frcd"});

    // A folder in the file's place is never written over.
    ASSERT_TRUE(QDir().mkpath(PathOf("taken.frcd")));
    host.QueueMessageAnswer(mrYes);
    host.QueueMessageAnswer(mrOk);
    SaveAs(PathOf("taken"));
    ExpectErrorBox(4, "File access denied.");
    EXPECT_TRUE(QFileInfo(PathOf("taken.frcd")).isDir());
    EXPECT_EQ(WindowState(form), before);
}

TEST_F(PatternFileCommandsTest, AFullDiskKeepsTheOldFileExactlyAsItWas)
{
    const QString path = PathOf("sign.frcd");
    WriteBytes(path, kInitialFileBytes);
    form.Edit1->setText(QString(30000, 'W'));

    // A file size limit makes the disk "full" after 4 KiB for this process.
    constexpr rlim_t kLimit = 4096;
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = kLimit;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    host.QueueMessageAnswer(mrYes);
    host.QueueMessageAnswer(mrOk);
    SaveAs(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ExpectErrorBox(1, "Disk full.");
    EXPECT_EQ(FileBytes(path), kInitialFileBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"sign.frcd"});
}

// --- Open --------------------------------------------------------------------

TEST_F(PatternFileCommandsTest, OpenStartsInTheProgramFolderAndRemembersTheLastFile)
{
    const QString first = PathOf("first.frcd");
    WriteBytes(first, kInitialFileBytes);
    host.QueueFileCancel();
    form.Button3->click();
    Open(first);
    host.QueueFileCancel();
    form.Open1->trigger();

    ASSERT_EQ(host.FileDialogs.size(), 3u);
    for (const TFileDialogRequest &asked : host.FileDialogs) {
        EXPECT_EQ(asked.Kind, TFileDialogKind::Open);
        EXPECT_EQ(asked.Title, "");
        EXPECT_EQ(asked.Filter, "Fretcard Files|*.frcd");
        EXPECT_EQ(asked.InitialDir, ProgramFolder());
    }
    EXPECT_EQ(host.FileDialogs[0].FileName, "");
    EXPECT_EQ(host.FileDialogs[1].FileName, "");
    EXPECT_EQ(host.FileDialogs[2].FileName, first);
    EXPECT_EQ(form.OpenDialog1.FileName(), first);
    EXPECT_EQ(QDir::currentPath(), QDir(ProgramFolder()).canonicalPath());
}

TEST_F(PatternFileCommandsTest, OpenedValuesRunTheHandlersOfEveryControl)
{
    OpenBytes("5\r\n2000\r\n200\r\n$10\r\n0x10\r\n-20\r\n30\r\n1\r\n0\r\n0\r\n0\r\nLiberation Serif\r\nWood\r\n");
    EXPECT_EQ(ThirteenValues(form), (QStringList{"10", "960", "200", "16", "16", "-20", "30", "on", "off", "off",
                                                 "off", "Liberation Serif", "Wood"}));
    TShapeControl &view = *form.PatternView();
    TCaption &caption = *view.Caption();
    EXPECT_EQ(form.Label13->text(), "Font Size: 10");
    EXPECT_EQ(caption.Font()->Size(), 10);
    EXPECT_EQ(form.Label7->text(), "10.00");
    EXPECT_EQ(form.Label9->text(), "2.08");
    EXPECT_EQ(view.Height(), 200);
    EXPECT_EQ(form.Label14->text(), "VPos: 16");
    EXPECT_EQ(form.Label15->text(), "HPos: 16");
    EXPECT_EQ(form.Label12->text(), "Kern: -20");
    EXPECT_EQ(caption.FontFX()->Tracing(), -20);
    EXPECT_EQ(form.Label16->text(), "Corners: 30");
    EXPECT_EQ(view.RoundPercent(), 30);
    EXPECT_TRUE(caption.MultiLine());
    EXPECT_EQ(caption.Alignment(), agCenter);
    EXPECT_FALSE(form.Label8->isHidden());
    EXPECT_EQ(caption.FontFX()->Style(), tdNone);
    EXPECT_EQ(view.Bevel()->Width(), 0);
    EXPECT_EQ(caption.Font()->Name(), "Liberation Serif");
    EXPECT_EQ(caption.Caption(), "Wood");
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(PatternFileCommandsTest, OpenSetsTheControlsInTheOrderOfTheFilesLines)
{
    form.CheckBox3->setChecked(true); // so that every switch of the file changes
    QStringList changed;
    const std::pair<QObject *, const char *> bars[] = {
        {form.ScrollBar1, "ScrollBar1"}, {form.ScrollBar2, "ScrollBar2"}, {form.ScrollBar3, "ScrollBar3"},
        {form.ScrollBar4, "ScrollBar4"}, {form.ScrollBar5, "ScrollBar5"}, {form.ScrollBar6, "ScrollBar6"},
        {form.ScrollBar7, "ScrollBar7"}};
    for (const auto &[bar, name] : bars)
        QObject::connect(static_cast<TScrollBar *>(bar), &QScrollBar::valueChanged, [&, name = name] { changed << name; });
    const std::pair<QCheckBox *, const char *> checks[] = {
        {form.CheckBox1, "CheckBox1"}, {form.CheckBox2, "CheckBox2"}, {form.CheckBox3, "CheckBox3"},
        {form.CheckBox4, "CheckBox4"}};
    for (const auto &[check, name] : checks)
        QObject::connect(check, &QCheckBox::toggled, [&, name = name] { changed << name; });
    QObject::connect(form.Edit1, &QLineEdit::textChanged, [&] { changed << "Edit1"; });

    OpenBytes("5\r\n500\r\n100\r\n4\r\n5\r\n-6\r\n7\r\n1\r\n1\r\n0\r\n0\r\nFace\r\nText\r\n");
    EXPECT_EQ(changed, (QStringList{"ScrollBar1", "ScrollBar2", "ScrollBar3", "ScrollBar4", "ScrollBar6",
                                    "ScrollBar7", "ScrollBar5", "CheckBox1", "CheckBox2", "CheckBox4", "CheckBox3",
                                    "Edit1"}));
}

TEST_F(PatternFileCommandsTest, AShortFileZeroesTheRestAndKeepsTheFace)
{
    MoveAwayFromTheInitialSettings();
    form.CheckBox3->setChecked(true);
    form.CheckBox2->setChecked(true);
    form.CheckBox4->setChecked(true);
    form.ScrollBar5->setPosition(25);
    ASSERT_EQ(ThirteenValues(form).mid(7, 4), (QStringList{"on", "on", "on", "on"}));
    OpenBytes("120\r\n480\r\n96\r\n");
    EXPECT_EQ(ThirteenValues(form), (QStringList{"120", "480", "96", "0", "0", "0", "0", "off", "off", "off", "off",
                                                 "DejaVu Serif", ""}));
    EXPECT_EQ(form.PatternView()->Caption()->Caption(), "");
    EXPECT_TRUE(form.CheckBox1->isEnabled());
    EXPECT_TRUE(form.Shape2->isHidden());
}

TEST_F(PatternFileCommandsTest, SwitchValuesOtherThanZeroOrOneLeaveTheBoxes)
{
    const QByteArray numbers = "80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n";
    OpenBytes(numbers + "2\r\n-1\r\n7\r\n99\r\nF\r\nT\r\n");
    EXPECT_EQ(ThirteenValues(form).mid(7, 4), (QStringList{"off", "on", "on", "off"}));

    form.CheckBox1->setChecked(true);
    form.CheckBox2->setChecked(false);
    form.CheckBox4->setChecked(false);
    OpenBytes(numbers + "2\r\n$2\r\n0x2\r\n2\r\nF\r\nT\r\n");
    EXPECT_EQ(ThirteenValues(form).mid(7, 4), (QStringList{"on", "off", "off", "off"}));
}

TEST_F(PatternFileCommandsTest, BlankLinesBeforeANumberAndTextAfterItAreSkipped)
{
    OpenBytes("\r\n\r\n  \t 90 points\r\n\n500 wide\r\n 100 \r\n\r\n\r\n3 down\r\n4\r\n-7 kern\r\n8\r\n"
              "1\r\n1\r\n1\r\n0 base\r\nFace\r\nText\r\n");
    EXPECT_EQ(ThirteenValues(form),
              (QStringList{"90", "500", "100", "3", "4", "-7", "8", "on", "on", "on", "off", "Face", "Text"}));
}

TEST_F(PatternFileCommandsTest, AFileSavedWithBaseOnTakesTheWindowsBaseIntoAccount)
{
    // Base on, then the user rounds the corners and brings the outline back.
    form.CheckBox3->setChecked(true);
    form.ScrollBar5->setPosition(40);
    form.CheckBox2->setChecked(true);
    SaveAs(PathOf("base"));
    EXPECT_EQ(FileBytes(PathOf("base.frcd")),
              "80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n40\r\n0\r\n1\r\n1\r\n1\r\nFretcard Gothic\r\nScroll Saw\r\n");

    // Opened while Base is off: switching Base on squares the corners and
    // drops the outline, whatever the file says.
    TScriptedDialogHost otherHost;
    TForm1 baseOff(&otherHost);
    otherHost.QueueFileName(PathOf("base.frcd"));
    baseOff.Button3->click();
    EXPECT_EQ(baseOff.ScrollBar5->Position(), 0);
    EXPECT_EQ(baseOff.Label16->text(), "Corners: 0");
    EXPECT_FALSE(baseOff.CheckBox2->isChecked());
    EXPECT_EQ(baseOff.PatternView()->Caption()->FontFX()->Style(), tdNone);
    EXPECT_TRUE(baseOff.CheckBox3->isChecked());
    EXPECT_FALSE(baseOff.CheckBox1->isEnabled());
    EXPECT_FALSE(baseOff.Shape2->isHidden());

    // Opened while Base is already on: the file's own values stand.
    TForm1 baseOn(&otherHost);
    baseOn.CheckBox3->setChecked(true);
    otherHost.QueueFileName(PathOf("base.frcd"));
    baseOn.Button3->click();
    EXPECT_EQ(ThirteenValues(baseOn), ThirteenValues(form));
    EXPECT_EQ(baseOn.PatternView()->RoundPercent(), 40);
    EXPECT_EQ(baseOn.PatternView()->Caption()->FontFX()->Style(), tdOutline);
    EXPECT_TRUE(otherHost.AllAnswersUsed());
}

TEST_F(PatternFileCommandsTest, CancellingOpenChangesNothingAlsoAfterAnEarlierOpen)
{
    const QStringList initial = WindowState(form);
    host.QueueFileCancel();
    form.Button3->click();
    EXPECT_EQ(WindowState(form), initial);

    OpenBytes("150\r\n300\r\n100\r\n5\r\n6\r\n-7\r\n8\r\n0\r\n0\r\n0\r\n0\r\nLiberation Mono\r\nOpened\r\n");
    const QStringList opened = WindowState(form);
    ASSERT_NE(opened, initial);
    host.QueueFileCancel();
    form.Open1->trigger();
    EXPECT_EQ(WindowState(form), opened);
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(PatternFileCommandsTest, EveryReachableSettingSurvivesSaveAndOpen)
{
    const PatternSettings cases[] = {
        PatternSettings{},
        {10, 96, 47, 0, 0, -100, 0, true, false, false, false, "Liberation Serif", "A"},
        {200, 960, 289, 300, 500, 100, 100, false, true, true, false, "DejaVu Sans Mono",
         QStringLiteral("Cr\u00E8me br\u00FBl\u00E9e \u2013 5 \u20AC")},
        {77, 333, 99, 12, 34, -56, 0, true, false, true, true, "Liberation Sans",
         QStringLiteral("\u6728\u5DE5 \U0001F332 Holz")},
        {80, 960, 144, 1, 2, 3, 40, false, true, false, true, "DejaVu Sans", "  two  words\t"},
        {80, 960, 144, 0, 0, 0, 0, false, true, true, false, "DejaVu Serif", ""},
    };
    for (const PatternSettings &settings : cases) {
        SCOPED_TRACE(settings.Text.toStdString());
        TScriptedDialogHost sourceHost;
        TForm1 source(&sourceHost);
        SetUpWindow(source, sourceHost, settings);
        ASSERT_EQ(ThirteenValues(source), ExpectedValues(settings));
        sourceHost.QueueFileName(PathOf("trip"));
        if (QFile::exists(PathOf("trip.frcd")))
            sourceHost.QueueMessageAnswer(mrYes);
        source.Button9->click();

        // Base keeps the file's corners and outline only when it is on already.
        TScriptedDialogHost targetHost;
        TForm1 target(&targetHost);
        target.CheckBox3->setChecked(settings.Base);
        targetHost.QueueFileName(PathOf("trip.frcd"));
        target.Button3->click();
        EXPECT_EQ(WindowState(target), WindowState(source));
        EXPECT_TRUE(sourceHost.AllAnswersUsed() && targetHost.AllAnswersUsed());
        EXPECT_TRUE(sourceHost.Messages.size() <= 1 && targetHost.Messages.empty());
    }
}

TEST_F(PatternFileCommandsTest, UnreadableFilesShowTheErrorAndChangeNothing)
{
    MoveAwayFromTheInitialSettings();
    const QStringList before = WindowState(form);
    const QByteArray tenLines = "80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n";
    const struct {
        const char *what;
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"empty file", "", "Read beyond end of file."},
        {"only blank lines", "\r\n\r\n  \r\n\t\r\n", "Read beyond end of file."},
        {"line 3 of abc", "80\r\n960\r\nabc\r\n0\r\n", "Invalid numeric input."},
        {"40 digits", QByteArray(40, '9') + "\r\n", "Invalid numeric input."},
        {"line 11 not a number", tenLines + "on\r\nFace\r\nText\r\n", "Invalid numeric input."},
        {"beyond 32 bits", "80\r\n4294967296\r\n", "Invalid numeric input."},
        {"binary garbage", QByteArray("\x00\x9F\xFF\x13garbage\x01\x02\r\n", 15), "Invalid numeric input."},
    };
    std::size_t shown = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        host.QueueMessageAnswer(mrOk);
        OpenBytes(c.bytes);
        ExpectErrorBox(shown++, c.message);
        EXPECT_EQ(WindowState(form), before);
    }

    host.QueueMessageAnswer(mrOk);
    Open(PathOf("missing.frcd"));
    ExpectErrorBox(shown++, "File not found.");
    host.QueueMessageAnswer(mrOk);
    Open(dir.path());
    ExpectErrorBox(shown++, "File access denied.");

    const QString locked = PathOf("locked.frcd");
    WriteBytes(locked, kInitialFileBytes);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther);
    QFile::setPermissions(locked, QFile::WriteOwner);
    {
        UnprivilegedScope unprivileged;
        ASSERT_TRUE(unprivileged.Active());
        host.QueueMessageAnswer(mrOk);
        Open(locked);
    }
    ExpectErrorBox(shown++, "File access denied.");
    EXPECT_EQ(WindowState(form), before);
}

TEST_F(PatternFileCommandsTest, OddButReadableFilesOpenWithSafeValues)
{
    const QByteArray tenNumbers = "80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n";

    // Every number far outside its range: each bar clamps, the switches stay.
    OpenBytes("2147483647\r\n-2147483648\r\n99999\r\n-99999\r\n99999\r\n-99999\r\n99999\r\n"
              "99999\r\n-99999\r\n99999\r\n-99999\r\nFace\r\nText\r\n");
    EXPECT_EQ(ThirteenValues(form),
              (QStringList{"200", "96", "289", "0", "500", "-100", "100", "off", "on", "on", "off", "Face", "Text"}));
    EXPECT_EQ(form.PatternView()->Width(), 96);
    EXPECT_EQ(form.PatternView()->RoundPercent(), 100);

    // Cut in the middle of the last CR LF; NUL bytes inside the text lines.
    OpenBytes(tenNumbers + "0\r\nFa" + QByteArray(1, '\0') + "ce\r\nSc" + QByteArray(2, '\0') + "roll\r");
    EXPECT_EQ(ThirteenValues(form).mid(11), (QStringList{"Face", "Scroll"}));

    // A 50 MB line 13 fills the text box and no more.
    const QString huge = PathOf("huge.frcd");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(tenNumbers + "0\r\nFace\r\n");
        const QByteArray block(1024 * 1024, 'T');
        for (int i = 0; i < 50; ++i)
            ASSERT_EQ(file.write(block), block.size());
        file.write("\r\n");
    }
    Open(huge);
    EXPECT_EQ(form.Edit1->text(), QString(form.Edit1->maxLength(), 'T'));
    EXPECT_EQ(form.PatternView()->Caption()->Caption().size(), 32767);
    EXPECT_TRUE(host.Messages.empty());
}

} // namespace
