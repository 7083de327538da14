#include "fontviewer/fontviewerwindow.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

const QStringList kFamilies{QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif"),
                            QStringLiteral("Liberation Mono"), QStringLiteral("Liberation Sans")};

} // namespace

TEST(FontViewerTest, ListsEveryFamilyAndPreviewsTheFirst)
{
    FontViewerWindow viewer(kFamilies);
    EXPECT_EQ(viewer.VisibleFamilies(), kFamilies);
    EXPECT_EQ(viewer.SelectedFamily(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(viewer.Preview()->font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(viewer.Preview()->font().pointSize(), FontViewerWindow::kDefaultPointSize);
    EXPECT_EQ(viewer.Preview()->text(), viewer.SampleEdit()->text());
}

TEST(FontViewerTest, PreviewFollowsFamilySampleStyleAndSize)
{
    FontViewerWindow viewer(kFamilies);
    viewer.SelectFamily(QStringLiteral("Liberation Mono"));
    viewer.SampleEdit()->setText(QStringLiteral("Oak & Walnut"));
    viewer.BoldBox()->setChecked(true);
    viewer.ItalicBox()->setChecked(true);
    viewer.SizeBox()->setValue(72);

    const QFont shown = viewer.Preview()->font();
    EXPECT_EQ(viewer.Preview()->text(), QStringLiteral("Oak & Walnut"));
    EXPECT_EQ(shown.family(), QStringLiteral("Liberation Mono"));
    EXPECT_TRUE(shown.bold());
    EXPECT_TRUE(shown.italic());
    EXPECT_EQ(shown.pointSize(), 72);
    // The face really resolves to the installed one, not a fallback.
    EXPECT_EQ(QFontInfo(shown).family(), QStringLiteral("Liberation Mono"));
    EXPECT_TRUE(QFontInfo(shown).fixedPitch());

    viewer.BoldBox()->setChecked(false);
    EXPECT_FALSE(viewer.Preview()->font().bold());
    viewer.SizeBox()->setValue(1000);
    EXPECT_EQ(viewer.Preview()->font().pointSize(), FontViewerWindow::kMaxPointSize);
}

TEST(FontViewerTest, FilterNarrowsTheListAndKeepsTheSelection)
{
    FontViewerWindow viewer(kFamilies);
    viewer.SelectFamily(QStringLiteral("DejaVu Serif"));
    viewer.FilterEdit()->setText(QStringLiteral("dejavu"));
    EXPECT_EQ(viewer.VisibleFamilies(),
              (QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Serif")}));
    EXPECT_EQ(viewer.SelectedFamily(), QStringLiteral("DejaVu Serif"));

    viewer.FilterEdit()->setText(QStringLiteral("liberation"));
    EXPECT_EQ(viewer.SelectedFamily(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(viewer.Preview()->font().family(), QStringLiteral("Liberation Mono"));

    viewer.FilterEdit()->setText(QStringLiteral("no such face"));
    EXPECT_TRUE(viewer.VisibleFamilies().isEmpty());
    EXPECT_EQ(viewer.Preview()->text(), QStringLiteral("No font matches."));

    viewer.FilterEdit()->clear();
    EXPECT_EQ(viewer.VisibleFamilies(), kFamilies);
}

TEST(FontViewerTest, ShowsTheInstalledFamilies)
{
    const QStringList installed = QFontDatabase::families();
    FontViewerWindow viewer(installed);
    EXPECT_EQ(viewer.VisibleFamilies(), installed);
    EXPECT_TRUE(installed.contains(QStringLiteral("DejaVu Sans")));
}

TEST(FontViewerTest, EmptyFontListShowsAMessage)
{
    FontViewerWindow viewer({});
    EXPECT_TRUE(viewer.SelectedFamily().isEmpty());
    EXPECT_EQ(viewer.Preview()->text(), QStringLiteral("No font matches."));
}
