// Loading the engine library: the table it fills, and starting without it.

#include "enginetestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(PrintEngineLoader, MissingLibraryReportsOnceAndLeavesAnEmptyTable)
{
    PrintEngineLoader loader;
    const auto failure = loader.Load(QStringLiteral("/nonexistent-folder"), QStringLiteral("fretprint_missing"));
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->text, "Could not load print engine library!");
    EXPECT_EQ(failure->caption, "Print Engine");
    EXPECT_TRUE(failure->errorIcon);
    EXPECT_FALSE(loader.Loaded());
    EXPECT_EQ(loader.Table().filledCount(), 0);
    EXPECT_FALSE(loader.Load(QStringLiteral("/nonexistent-folder"), QStringLiteral("fretprint_missing")).has_value());
}

TEST(PrintEngineLoader, ComponentWithoutAnEngineNeverCallsAnEmptyEntry)
{
    PrintEngineLoader loader;
    (void)loader.Load(QStringLiteral("/nonexistent-folder"), QStringLiteral("fretprint_missing"));
    TPrintEngine engine(loader.Table());
    LoadPrintEngine1Layout(engine);
    engine.OpenDoc(); // would crash on a call through an empty entry
    EXPECT_FALSE(engine.DocumentOpen());
    EXPECT_EQ(engine.Status(), TPrintEngine::kStatusOpenRefused);
    EXPECT_THROW(engine.PlacePicture("x.bmp", 1, 1, TPrintEngine::kFreeCorner, TPrintEngine::kFreeCorner),
                 EPrintEngineError);
    EXPECT_TRUE(engine.CloseDoc());
}

TEST(PrintEngineLoader, RealEngineFillsExactlyItsOrdinalsFromTheProgramFolder)
{
    PrintEngineLoader loader;
    ASSERT_FALSE(loader.Load(BinaryFolder()).has_value());
    EXPECT_TRUE(loader.Loaded());
    EXPECT_TRUE(loader.FileName().startsWith(BinaryFolder())) << loader.FileName().toStdString();
    const EngineTable &table = loader.Table();
    const int provided[] = {55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 81, 104, 132, 146,
                            156, 295, 296, 297, 298, 299, 302, 304, 309, 315, 317, 322, 385};
    for (int ordinal : provided)
        EXPECT_NE(table.entry(ordinal), nullptr) << ordinal;
    EXPECT_EQ(table.filledCount(), static_cast<int>(std::size(provided)));
    EXPECT_EQ(table.entry(50), nullptr);
    EXPECT_EQ(table.entry(451), nullptr);
    EXPECT_EQ(table.entry(49), nullptr);
    EXPECT_EQ(table.entry(452), nullptr);
}

TEST(PrintEngineLoader, AnInstalledProgramFindsTheEngineInItsPrivateLibraryFolder)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("lib/fretcard"));
    const QString installed = prefix.filePath("lib/fretcard/libfretprint.so");
    ASSERT_TRUE(QFile::copy(QDir(BinaryFolder()).filePath("libfretprint.so"), installed));

    PrintEngineLoader loader;
    ASSERT_FALSE(loader.Load(prefix.filePath("bin")).has_value());
    EXPECT_TRUE(loader.Loaded());
    EXPECT_EQ(loader.FileName(), installed);
}
