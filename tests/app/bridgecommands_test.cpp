// Stencil Bridges, Show Fragile Spots, Show Drill Holes and Shade Waste on the
// real main window.
#include "app/fretcard1.h"

#include "app/cutlinesoverlay.h"
#include "render/shapecontrol.h"
#include "support/scripteddialoghost.h"
#include "ui/lineoverlay.h"
#include "ui/scrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
constexpr QRgb kOrange = 0xFFFF8C00;
// Where the pattern view's top-left lies on the window's surface.
constexpr QPoint kViewOnSurface(4 + 35, 8 + 45);

class BridgeCommandsTest : public ::testing::Test {
protected:
    TScriptedDialogHost host;
    TForm1 form{&host};

    void TearDown() override { EXPECT_TRUE(host.AllAnswersUsed()); }

    QImage GrabView()
    {
        const QRect area(kViewOnSurface, QSize(form.ScrollBar2->Position(), form.ScrollBar3->Position()));
        return form.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(area);
    }

    // The closed lines the overlay draws, found on the window itself.
    std::vector<QPolygonF> RedLines()
    {
        // The layer declares no meta-object of its own, so look by type.
        for (QWidget *child : form.findChildren<QWidget *>())
            if (auto *layer = dynamic_cast<TLineOverlay *>(child))
                return layer->Lines();
        return {};
    }
};

int PixelsOf(const QImage &image, QRgb color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == color ? 1 : 0;
    return count;
}

int OrangePixels(const QImage &image) { return PixelsOf(image, kOrange); }

// The CUT polylines of a DXF file, read by ezdxf, and how many lie inside another.
QByteArray DxfNesting(const QString &path)
{
    const char *script = R"(
import sys, ezdxf
from ezdxf.math import is_point_in_polygon_2d, Vec2
doc = ezdxf.readfile(sys.argv[1])
rings = [[Vec2(p[0], p[1]) for p in e.get_points('xy')] for e in doc.modelspace() if e.dxf.layer == 'CUT']
print(len(rings), sum(1 for a in rings for b in rings if a is not b and is_point_in_polygon_2d(a[0], b) > 0))
)";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromLatin1(script), path});
    python.waitForFinished(60000);
    return python.readAllStandardOutput().trimmed();
}

int NestedLines(const std::vector<QPolygonF> &lines)
{
    int nested = 0;
    for (const QPolygonF &inner : lines)
        for (const QPolygonF &outer : lines)
            if (&inner != &outer && outer.containsPoint(inner.first(), Qt::OddEvenFill))
                ++nested;
    return nested;
}

TEST_F(BridgeCommandsTest, TheStencilChecksStartOff)
{
    for (QAction *check : {form.StencilBridges1, form.ShowFragileSpots1}) {
        EXPECT_TRUE(check->isCheckable());
        EXPECT_FALSE(check->isChecked());
    }
}

TEST_F(BridgeCommandsTest, BridgesOpenEveryIslandOfTheShownCutLinesLive)
{
    form.CheckBox4->setChecked(false); // no blank outline around the letters
    form.Edit1->setText(QStringLiteral("BOA"));
    form.ShowCutLines1->trigger();
    EXPECT_EQ(NestedLines(RedLines()), 4) << "B: 2, O: 1, A: 1";
    form.StencilBridges1->trigger();
    EXPECT_EQ(NestedLines(RedLines()), 0);
    EXPECT_EQ(form.FinishedCutLines(PatternCutLines(*form.PatternView(), false)).lines.letters.size(), RedLines().size())
        << "the exports get what the overlay shows";

    // Half an inch is wider than some middles: those keep their whole cut
    // line, and the tip counts them.
    host.QueueInputAnswer(QStringLiteral("1/2"));
    form.BridgeWidth1->trigger();
    const QString unbridged = form.PatternView()->toolTip().split('\n').last();
    const QRegularExpressionMatch count =
        QRegularExpression(QStringLiteral("^(\\d+) islands? could not be bridged at 0.5 in$")).match(unbridged);
    ASSERT_TRUE(count.hasMatch()) << unbridged.toStdString();
    EXPECT_GT(count.captured(1).toInt(), 0);
    EXPECT_EQ(NestedLines(RedLines()), count.captured(1).toInt());

    form.StencilBridges1->trigger();
    EXPECT_EQ(NestedLines(RedLines()), 4);
}

TEST_F(BridgeCommandsTest, TheCutLineExportsCarryTheBridges)
{
    QTemporaryDir target;
    form.Edit1->setText(QStringLiteral("BOA"));
    host.QueueFileName(target.filePath(QStringLiteral("plain.dxf")));
    form.ExportDxf1->trigger();
    form.StencilBridges1->trigger();
    host.QueueFileName(target.filePath(QStringLiteral("stencil.dxf")));
    form.ExportDxf1->trigger();
    EXPECT_TRUE(DxfNesting(target.filePath(QStringLiteral("plain.dxf"))).endsWith(" 4"));
    EXPECT_TRUE(DxfNesting(target.filePath(QStringLiteral("stencil.dxf"))).endsWith(" 0"));
}

TEST_F(BridgeCommandsTest, FragileSpotsShowInOrangeWithTheirCountUntilSwitchedOff)
{
    // A stencil of letters pulled together: slivers of board between them.
    form.CheckBox2->setChecked(false);
    form.Edit1->setText(QStringLiteral("Soso"));
    form.ScrollBar7->setPosition(-12);
    form.ScrollBar4->setPosition(20);
    form.StencilBridges1->trigger();
    const QString ownTip = form.PatternView()->toolTip();

    form.ShowFragileSpots1->trigger();
    EXPECT_TRUE(form.ShowCutLines1->isChecked()) << "the spots come with the cut lines";
    EXPECT_GT(OrangePixels(GrabView()), 5);
    const QStringList tip = form.PatternView()->toolTip().split('\n');
    ASSERT_EQ(tip.size(), 3);
    EXPECT_EQ(tip[0], ownTip);
    EXPECT_EQ(tip[1], "0 loose pieces") << "both middles of the o's are bridged";
    EXPECT_TRUE(tip[2].endsWith(" fragile spots"));

    form.ScrollBar7->setPosition(0);
    EXPECT_EQ(OrangePixels(GrabView()), 0);
    EXPECT_EQ(form.PatternView()->toolTip(), ownTip + "\n0 loose pieces\n0 fragile spots");

    form.ScrollBar7->setPosition(-12);
    form.ShowFragileSpots1->trigger();
    EXPECT_EQ(OrangePixels(GrabView()), 0);
    EXPECT_EQ(form.PatternView()->toolTip(), ownTip + "\n0 loose pieces");
    form.ShowCutLines1->trigger();
    EXPECT_EQ(form.PatternView()->toolTip(), ownTip);
}

TEST_F(BridgeCommandsTest, WidthsAreAskedInInchesAndABadOneChangesNothing)
{
    host.QueueInputAnswer(QStringLiteral("1/8"));
    form.BridgeWidth1->trigger();
    ASSERT_EQ(host.Inputs.size(), 1u);
    EXPECT_EQ(host.Inputs[0].Value, QStringLiteral("0.0625")) << "opens on 1/16 in";
    EXPECT_DOUBLE_EQ(form.StencilSettings().bridgeWidth, 12);

    for (const char *typed : {"0", "-1/16", "2", "wide"}) {
        host.QueueInputAnswer(QString::fromLatin1(typed));
        host.QueueMessageAnswer(mrOk);
        form.LeastWidth1->trigger();
        EXPECT_DOUBLE_EQ(form.StencilSettings().leastWidth, 6) << typed;
    }
    ASSERT_EQ(host.Messages.size(), 4u);
    EXPECT_EQ(host.Messages[0].Text, QStringLiteral("The least width of wood must be more than zero."));
    EXPECT_EQ(host.Messages[1].Text, QStringLiteral("The least width of wood must be more than zero."));
    EXPECT_EQ(host.Messages[2].Text,
              QStringLiteral("The least width of wood must not be wider than the blank's shorter side."));
    EXPECT_EQ(host.Messages[3].Text,
              QStringLiteral("\"wide\" is not a width in inches, such as 0.0625 or 1/16, or with a unit, such as 1.6mm."));

    host.QueueInputAnswer(QString());
    form.BridgeWidth1->trigger();
    EXPECT_DOUBLE_EQ(form.StencilSettings().bridgeWidth, 12) << "cancelled";

    // The blade's kerf: asked the same way, none wider than a bridge, and
    // no bridge narrower than it.
    host.QueueInputAnswer(QStringLiteral("1/50"));
    form.BladeKerf1->trigger();
    EXPECT_EQ(host.Inputs.back().Caption, QStringLiteral("Blade Kerf"));
    EXPECT_EQ(host.Inputs.back().Value, QStringLiteral("0.01")) << "opens on a hundredth of an inch";
    EXPECT_DOUBLE_EQ(form.StencilSettings().kerf, 96.0 / 50);
    host.QueueInputAnswer(QStringLiteral("0.2"));
    host.QueueMessageAnswer(mrOk);
    form.BladeKerf1->trigger();
    host.QueueInputAnswer(QStringLiteral("1/64"));
    host.QueueMessageAnswer(mrOk);
    form.BridgeWidth1->trigger();
    EXPECT_DOUBLE_EQ(form.StencilSettings().kerf, 96.0 / 50);
    EXPECT_DOUBLE_EQ(form.StencilSettings().bridgeWidth, 12);
    ASSERT_EQ(host.Messages.size(), 6u);
    EXPECT_EQ(host.Messages[4].Text, QStringLiteral("The blade kerf must not be wider than the bridge width, 0.125 in."));
    EXPECT_EQ(host.Messages[5].Text,
              QStringLiteral("The bridge width must not be narrower than the blade kerf, 0.02 in."));
}
} // namespace

namespace {
constexpr QRgb kTeal = 0xFF008080;

// The DRILL circles of a DXF file, read by ezdxf: how many, and their radius in inches.
QByteArray DxfDrillCircles(const QString &path)
{
    const char *script = R"(
import sys, ezdxf
circles = ezdxf.readfile(sys.argv[1]).modelspace().query('CIRCLE[layer=="DRILL"]')
print(len(circles), sorted(set(c.dxf.radius for c in circles)))
)";
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QString::fromLatin1(script), path});
    python.waitForFinished(60000);
    return python.readAllStandardOutput().trimmed();
}
} // namespace

TEST_F(BridgeCommandsTest, DrillHolesAndTheShadedWasteShowOnThePreviewAndTheDrillGoesIntoTheExports)
{
    form.Edit1->setText(QStringLiteral("BOA"));
    const QString ownTip = form.PatternView()->toolTip();
    const QPoint waste(12, 12); // the blank's corner, away from the letters
    const int white = qGray(GrabView().pixel(waste));

    form.ShowDrillHoles1->trigger();
    EXPECT_TRUE(form.ShowCutLines1->isChecked()) << "the holes come with the cut lines";
    EXPECT_GT(PixelsOf(GrabView(), kTeal), 20);
    EXPECT_EQ(form.PatternView()->toolTip().toStdString(),
              (ownTip + "\n2 loose pieces\n0 inside cuts too small for a 0.0625 in drill").toStdString());

    host.QueueInputAnswer(QStringLiteral("1/2"));
    form.DrillSize1->trigger();
    EXPECT_EQ(host.Inputs.back().Caption, QStringLiteral("Drill Size"));
    EXPECT_EQ(host.Inputs.back().Value, QStringLiteral("0.0625")) << "opens on 1/16 in";
    EXPECT_TRUE(form.PatternView()->toolTip().endsWith(" inside cuts too small for a 0.5 in drill"));
    EXPECT_FALSE(form.PatternView()->toolTip().endsWith("\n0 inside cuts too small for a 0.5 in drill"));
    host.QueueInputAnswer(QStringLiteral("0"));
    host.QueueMessageAnswer(mrOk);
    form.DrillSize1->trigger();
    EXPECT_EQ(host.Messages.back().Text, QStringLiteral("The drill size must be more than zero."));
    EXPECT_DOUBLE_EQ(form.StencilSettings().drillDiameter, 48);

    form.ShadeWaste1->trigger();
    const int shaded = qGray(GrabView().pixel(waste));
    EXPECT_LT(shaded, white - 20);
    EXPECT_GT(shaded, 160);
    form.ShadeWaste1->trigger();
    EXPECT_EQ(qGray(GrabView().pixel(waste)), white);

    QTemporaryDir target;
    host.QueueFileName(target.filePath(QStringLiteral("drilled.dxf")));
    form.ExportDxf1->trigger();
    EXPECT_EQ(DxfDrillCircles(target.filePath(QStringLiteral("drilled.dxf"))), "4 [0.25]") << "B: 2, O: 1, A: 1";

    form.ShowDrillHoles1->trigger();
    EXPECT_EQ(PixelsOf(GrabView(), kTeal), 0);
    EXPECT_EQ(form.PatternView()->toolTip().toStdString(), (ownTip + "\n2 loose pieces").toStdString());
}
