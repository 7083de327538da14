// Saving and opening pattern files: bytes on disk, the values read back, and
// the errors.
#include "patternfile/patternfile.h"
#include "support/unprivilegedscope.h"
#include "core/errors.h"
#include "support/testfiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>
#include <sys/resource.h>

namespace {

const QByteArray kInitialFileBytes =
    "80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n0\r\nFretcard Gothic\r\nScroll Saw\r\n";

QByteArray Written(const PatternSettings &settings)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WritePatternFile(&buffer, settings);
    return buffer.data();
}



PatternSettings ValuesOf(const QByteArray &bytes, const PatternSettings &current = {})
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadPatternFile(&buffer, current);
}

// Runs `action` and returns the code and message of the EInOutError it throws.
template <typename Action>
std::pair<int, QString> FileErrorOf(Action action)
{
    try {
        action();
    } catch (const EInOutError &e) {
        return {e.ErrorCode(), e.message()};
    }
    return {0, QStringLiteral("<no error>")};
}

class FailingDevice : public QIODevice {
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};

class PatternFileOnDisk : public ::testing::Test {
protected:
    QString PathOf(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST(PatternFileWrite, InitialSettingsGiveTheKnownBytes)
{
    EXPECT_EQ(Written(PatternSettings{}), kInitialFileBytes);
}

TEST(PatternFileWrite, NegativeKerningIsLineSixWithAMinus)
{
    PatternSettings settings;
    settings.Kern = -20;
    const QList<QByteArray> lines = Written(settings).split('\n');
    ASSERT_EQ(lines.size(), 14);
    EXPECT_EQ(lines[5], "-20\r");
    EXPECT_EQ(lines[13], "");
}

TEST(PatternFileWrite, LinesFourToSevenAreVPosHPosKernCorners)
{
    PatternSettings settings;
    settings.VPos = 11;
    settings.HPos = 22;
    settings.Kern = 33;
    settings.Corners = 44;
    settings.Multiline = true;
    settings.TextOutline = false;
    settings.PageOutline = false;
    settings.Base = true;
    EXPECT_EQ(Written(settings),
              "80\r\n960\r\n144\r\n11\r\n22\r\n33\r\n44\r\n1\r\n0\r\n0\r\n1\r\nFretcard Gothic\r\nScroll Saw\r\n");
}

TEST(PatternFileWrite, AccentedTextInTheWindowsCodePage)
{
    PatternSettings settings;
    settings.FontName = QStringLiteral("Caf\u00E9 Script");
    settings.Text = QStringLiteral("No\u00EBl \u20AC5");
    EXPECT_TRUE(Written(settings).endsWith("\r\nCaf\xE9 Script\r\nNo\xEBl \x80" "5\r\n"));
}

TEST(PatternFileWrite, DeviceFailuresBecomeFileErrors)
{
    FailingDevice failing;
    failing.open(QIODevice::WriteOnly);
    EXPECT_EQ(FileErrorOf([&] { WritePatternFile(&failing, PatternSettings{}); }),
              std::make_pair(29, QStringLiteral("I/O error 29")));

    QFile full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    EXPECT_EQ(FileErrorOf([&] { WritePatternFile(&full, PatternSettings{}); }),
              std::make_pair(101, QStringLiteral("Disk full")));
}

TEST(PatternFileNames, TargetGetsTheExtensionUnlessItEndsInExactlyIt)
{
    EXPECT_EQ(PatternTargetFileName("/home/u/sign"), "/home/u/sign.frcd");
    EXPECT_EQ(PatternTargetFileName("/home/u/sign.frcd"), "/home/u/sign.frcd");
    EXPECT_EQ(PatternTargetFileName("/home/u/sign.FRCD"), "/home/u/sign.FRCD.frcd");
    EXPECT_EQ(PatternTargetFileName("/home/u/sign.frc"), "/home/u/sign.frc.frcd");
    EXPECT_EQ(PatternTargetFileName("/home/u/.frcd"), "/home/u/.frcd");
}

TEST(PatternFileNames, OverwriteQuestionNamesTheFullPath)
{
    EXPECT_EQ(OverwriteQuestion(QDir::fromNativeSeparators("/home/u/sign.frcd")),
              QDir::toNativeSeparators("Overwrite File? /home/u/sign.frcd"));
}

TEST(PatternFileRead, InitialFileGivesTheInitialSettings)
{
    EXPECT_EQ(ValuesOf(kInitialFileBytes), PatternSettings{});
}

TEST(PatternFileRead, ShortFileZeroesTheRestAndKeepsTheFace)
{
    PatternSettings current;
    current.FontName = QStringLiteral("Kept Face");
    current.Multiline = current.Base = true;
    const PatternSettings values = ValuesOf("5\r\n2000\r\n144\r\n", current);
    EXPECT_EQ(values.FontSize, 5);
    EXPECT_EQ(values.BlankWidth, 2000) << "not yet in its range";
    EXPECT_EQ(values.VPos, 0);
    EXPECT_EQ(values.Corners, 0);
    EXPECT_FALSE(values.Multiline || values.TextOutline || values.PageOutline || values.Base);
    EXPECT_EQ(values.FontName, "Kept Face");
    EXPECT_EQ(values.Text, "");
}

TEST(PatternFileRead, SwitchValuesOtherThanZeroAndOneAndAnEmptyFaceKeepTheCurrentOnes)
{
    PatternSettings current;
    current.Multiline = true;
    current.TextOutline = false;
    current.PageOutline = false;
    current.Base = true;
    current.FontName = QStringLiteral("Kept Face");
    const PatternSettings values =
        ValuesOf("80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n2\r\n-1\r\n$1\r\n0x0\r\n\r\nT\r\n", current);
    EXPECT_TRUE(values.Multiline);
    EXPECT_FALSE(values.TextOutline);
    EXPECT_TRUE(values.PageOutline);
    EXPECT_FALSE(values.Base);
    EXPECT_EQ(values.FontName, "Kept Face");
}

TEST(PatternFileRead, TextFromOlderVersionsKeepsItsAccents)
{
    const PatternSettings values =
        ValuesOf("80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n0\r\nCaf\xE9\r\nCr\xE8me br\xFBl\xE9\x85\r\n");
    EXPECT_EQ(values.FontName, QStringLiteral("Caf\u00E9"));
    EXPECT_EQ(values.Text, QStringLiteral("Cr\u00E8me br\u00FBl\u00E9\u2026"));

    const PatternSettings utf8 =
        ValuesOf("80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n0\r\nCaf\xC3\xA9\r\n\xE6\x97\xA5\r\n");
    EXPECT_EQ(utf8.FontName, QStringLiteral("Caf\u00E9"));
    EXPECT_EQ(utf8.Text, QStringLiteral("\u65E5"));
}

TEST(PatternFileRead, FaceIsCutTo31CharactersAndTextToTheTextBox)
{
    const QByteArray numbers = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n0\r\n0\r\n0\r\n0\r\n";
    const PatternSettings values = ValuesOf(numbers + QByteArray(40, 'F') + "\r\n" + QByteArray(50000, 'T') + "\r\n");
    EXPECT_EQ(values.FontName, QString(31, 'F'));
    EXPECT_EQ(values.Text, QString(32767, 'T'));

    // A character outside the basic plane is never cut in half.
    const QByteArray face = QByteArray(30, 'F') + "\xF0\x9F\x98\x80";
    EXPECT_EQ(ValuesOf(numbers + face + "\r\nT\r\n").FontName, QString(30, 'F'));
}

TEST(PatternFileRead, BadContentsGiveTheClassicErrors)
{
    const auto invalid = std::make_pair(106, QStringLiteral("Invalid numeric input"));
    const auto beyondEnd = std::make_pair(100, QStringLiteral("Read beyond end of file"));
    EXPECT_EQ(FileErrorOf([] { ValuesOf("80\r\n960\r\nabc\r\n"); }), invalid);
    EXPECT_EQ(FileErrorOf([] { ValuesOf(QByteArray(40, '7') + "\r\n"); }), invalid);
    EXPECT_EQ(FileErrorOf([] { ValuesOf(QByteArray("\x00\x9F\xFF\x13garbage\x01\x02", 12)); }), invalid);
    EXPECT_EQ(FileErrorOf([] { ValuesOf(""); }), beyondEnd);
    EXPECT_EQ(FileErrorOf([] { ValuesOf("\r\n\r\n\r\n  \r\n"); }), beyondEnd);

    FailingDevice failing;
    failing.open(QIODevice::ReadOnly);
    EXPECT_EQ(FileErrorOf([&] { ReadPatternFile(&failing, {}); }),
              std::make_pair(30, QStringLiteral("I/O error 30")));
}

TEST_F(PatternFileOnDisk, RoundTripGivesTheSameThirteenValues)
{
    std::vector<PatternSettings> cases(6);
    cases[1] = {10, 96, 47, 0, 0, -100, 0, true, false, false, true, "Liberation Sans", ""};
    cases[2] = {200, 960, 289, 300, 500, 100, 100, false, true, true, false, "DejaVu Serif", "A"};
    cases[3] = {123, 456, 78, 9, 10, -20, 55, true, true, false, false, QStringLiteral("\u00C3\u00A9cole"),
                QStringLiteral("\u00C0 la carte \u2013 \u20AC5")};
    cases[4] = {80, 960, 144, 0, 0, 0, 0, false, false, true, true, QStringLiteral("Noto Sans CJK"),
                QStringLiteral("\u6728\u5DE5 \U0001F332 Holz")};
    cases[5] = {80, 960, 144, 1, 2, 3, 4, true, false, true, false, "  spaced face ", "\ttabbed  text "};
    for (const PatternSettings &settings : cases) {
        const QString path = PathOf("roundtrip.frcd");
        SavePatternFile(path, settings);
        EXPECT_EQ(LoadPatternFile(path, {}), settings) << settings.Text.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"roundtrip.frcd"});
}

TEST_F(PatternFileOnDisk, SavingReplacesAnOldFileCompletely)
{
    const QString path = PathOf("sign.frcd");
    WriteBytes(path, QByteArray(5000, 'x'));
    SavePatternFile(path, PatternSettings{});
    EXPECT_EQ(FileBytes(path), kInitialFileBytes);
}

TEST_F(PatternFileOnDisk, OpenFailuresGiveTheClassicErrors)
{
    EXPECT_EQ(FileErrorOf([&] { LoadPatternFile(PathOf("missing.frcd"), {}); }),
              std::make_pair(2, QStringLiteral("File not found")));
    EXPECT_EQ(FileErrorOf([&] { LoadPatternFile(PathOf("no/such/folder/x.frcd"), {}); }),
              std::make_pair(2, QStringLiteral("File not found")));
    EXPECT_EQ(FileErrorOf([&] { LoadPatternFile(dir.path(), {}); }),
              std::make_pair(5, QStringLiteral("File access denied")));
    EXPECT_EQ(FileErrorOf([&] { LoadPatternFile(QString(), {}); }),
              std::make_pair(3, QStringLiteral("Invalid filename")));
}

TEST_F(PatternFileOnDisk, DevicesPipesAndHugeFilesAreRefusedUnread)
{
    const QString fifo = PathOf("pipe.frcd");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = PathOf("huge.frcd");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(64 * 1024 * 1024 + 1)); // sparse: no room taken
    }
    // Reading the device or opening the pipe would never return.
    EXPECT_EQ(FileErrorOf([&] { LoadPatternFile("/dev/zero", {}); }),
              std::make_pair(5, QStringLiteral("Cannot open /dev/zero: it is not a regular file")));
    EXPECT_EQ(FileErrorOf([&] { LoadPatternFile(fifo, {}); }),
              std::make_pair(5, "Cannot open " + fifo + ": it is not a regular file"));
    EXPECT_EQ(FileErrorOf([&] { LoadPatternFile(huge, {}); }),
              std::make_pair(30, "Cannot open " + huge + ": the file is larger than 64 MiB, too large for a pattern"));
}

TEST_F(PatternFileOnDisk, UnreadableFileIsAccessDenied)
{
    const QString path = PathOf("locked.frcd");
    WriteBytes(path, kInitialFileBytes);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(path, QFile::WriteOwner);
    UnprivilegedScope unprivileged;
    ASSERT_TRUE(unprivileged.Active());
    EXPECT_EQ(FileErrorOf([&] { LoadPatternFile(path, {}); }),
              std::make_pair(5, QStringLiteral("File access denied")));
}

TEST_F(PatternFileOnDisk, ReadOnlyFolderIsAccessDeniedAndKeepsTheOldFile)
{
    const QString path = ReadOnlyFolderWithWritableFile(dir.path(), "old contents\r\n");
    const QString folder = QFileInfo(path).path();
    {
        UnprivilegedScope unprivileged;
        ASSERT_TRUE(unprivileged.Active());
        EXPECT_EQ(FileErrorOf([&] { SavePatternFile(path, PatternSettings{}); }),
                  std::make_pair(5, QStringLiteral("File access denied")));
        EXPECT_EQ(FileErrorOf([&] { SavePatternFile(folder + "/new.frcd", PatternSettings{}); }),
                  std::make_pair(5, QStringLiteral("File access denied")));
    }
    EXPECT_EQ(FileBytes(path), "old contents\r\n");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"sign.frcd"});
}

TEST_F(PatternFileOnDisk, SavingOverAFolderIsAccessDenied)
{
    const QString folder = PathOf("sign.frcd");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(FileErrorOf([&] { SavePatternFile(folder, PatternSettings{}); }),
              std::make_pair(5, QStringLiteral("File access denied")));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(PatternFileOnDisk, SavingIntoAMissingFolderSaysItCannotCreateTheFile)
{
    const QString path = PathOf("no/such/folder/sign.frcd");
    EXPECT_EQ(FileErrorOf([&] { SavePatternFile(path, PatternSettings{}); }).second,
              "Cannot create file " + path);
}

TEST_F(PatternFileOnDisk, FullDiskKeepsTheOldFileExactlyAsItWas)
{
    const QString path = PathOf("sign.frcd");
    WriteBytes(path, kInitialFileBytes);
    PatternSettings large;
    large.Text = QString(30000, 'W');

    // A file size limit makes the disk "full" after 4 KiB for this process.
    constexpr rlim_t kLimit = 4096;
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = kLimit;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = FileErrorOf([&] { SavePatternFile(path, large); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, std::make_pair(101, QStringLiteral("Disk full")));
    EXPECT_EQ(FileBytes(path), kInitialFileBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"sign.frcd"});
}

TEST_F(PatternFileOnDisk, FiftyMegabyteTextLineOpensWithTheTextBoxFull)
{
    const QString path = PathOf("huge.frcd");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("80\r\n960\r\n144\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n0\r\nFace\r\n");
        const QByteArray block(1024 * 1024, 'T');
        for (int i = 0; i < 50; ++i)
            ASSERT_EQ(file.write(block), block.size());
        file.write("\r\n");
    }
    const PatternSettings values = LoadPatternFile(path, {});
    EXPECT_EQ(values.FontName, "Face");
    EXPECT_EQ(values.Text, QString(32767, 'T'));
}
