// The cut-line files as other programs read them: a renderer for the SVG,
// a DXF library for the DXF, the PDF tools for the PDF.
#include "cutlines_test_support.h"

#include "cutlines/cutlinespage.h"
#include "cutlines/dxfwriter.h"
#include "cutlines/stencil.h"
#include "cutlines/svgwriter.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace cuttest;

namespace {

// Debian's Python modules belong to the system interpreter.
const QString SystemPython = QStringLiteral("/usr/bin/python3");

using TWriter = std::function<bool(const TCutLines &, QIODevice *)>;

struct TToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

bool HaveTool(const QString &program)
{
    return program.startsWith(QLatin1Char('/')) ? QFile::exists(program)
                                                : !QStandardPaths::findExecutable(program).isEmpty();
}

TToolRun RunTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

#define REQUIRE_TOOL(program)                                                                    \
    if (!HaveTool(program))                                                                      \
    GTEST_SKIP() << qPrintable(QString(program)) << " is not installed"

QString WriteFile(const QTemporaryDir &dir, const QString &name, const TCutLines &lines, const TWriter &writer)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_TRUE(writer(lines, &file));
    return path;
}

// The cut-line page with the legend the window would give it.
bool WriteCutLinesPdfWithLegend(const TCutLines &lines, QIODevice *device)
{
    TLegend legend;
    legend.text = QStringLiteral("Scroll Saw");
    legend.blankPixels = lines.blankSize;
    return WriteCutLinesPdf(lines, legend, device);
}

// "Scroll Saw" welded to the base bar, on an outlined blank with round corners.
TCutLines ScrollSawOnBlank()
{
    TShapeControl view;
    SetUpScrollSaw(view);
    view.Bevel()->setWidth(1);
    view.setRoundPercent(20);
    return BuildCutLines(PatternShapes(view, true));
}

TCutLines BlankOnly(const QString &text, int vpos)
{
    TShapeControl view;
    SetUpScrollSaw(view, -20, vpos);
    view.Bevel()->setWidth(1);
    view.Caption()->setCaption(text);
    return BuildCutLines(PatternShapes(view, false));
}

double Area(const QPolygonF &points)
{
    double twice = 0;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPointF a = points[i], b = points[(i + 1) % points.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(twice) / 2;
}

std::vector<double> SortedAreasInSquareInches(const std::vector<TCutContour> &contours)
{
    std::vector<double> areas;
    for (const TCutContour &c : contours)
        areas.push_back(Area(c.points) / (96.0 * 96.0));
    std::sort(areas.begin(), areas.end());
    return areas;
}

// Reads a DXF back and prints: the audit's error count, $INSUNITS, the layer
// names, then one line per polyline: layer, closed, area, lowest y.
const char *DxfReport = R"(
import sys, ezdxf
from ezdxf.math import area
doc = ezdxf.readfile(sys.argv[1])
print('errors', len(doc.audit().errors))
print('insunits', doc.header.get('$INSUNITS', 0))
print('layers', ' '.join(sorted(layer.dxf.name for layer in doc.layers)))
for e in doc.modelspace():
    points = [(p[0], p[1]) for p in e.get_points('xy')]
    print(e.dxftype(), e.dxf.layer, int(e.closed), repr(area(points)), repr(min(p[1] for p in points)))
)";

struct TDxfPolyline {
    QString layer;
    bool closed = false;
    double area = 0;
    double lowestY = 0;
};

struct TDxfReport {
    int auditErrors = -1;
    int insunits = -1;
    QStringList layers;
    std::vector<TDxfPolyline> polylines;
};

TDxfReport ReadDxf(const QString &path)
{
    const TToolRun run = RunTool(SystemPython, {QStringLiteral("-c"), QString::fromLatin1(DxfReport), path});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    TDxfReport report;
    for (const QByteArray &line : run.out.split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f[0] == "errors")
            report.auditErrors = f[1].toInt();
        else if (f[0] == "insunits")
            report.insunits = f[1].toInt();
        else if (f[0] == "layers")
            for (qsizetype i = 1; i < f.size(); ++i)
                report.layers << QString::fromLatin1(f[i]);
        else if (f[0] == "LWPOLYLINE" && f.size() == 5)
            report.polylines.push_back({QString::fromLatin1(f[1]), f[2] == "1", f[3].toDouble(), f[4].toDouble()});
    }
    return report;
}

std::vector<TDxfPolyline> OnLayer(const TDxfReport &report, const QString &layer)
{
    std::vector<TDxfPolyline> found;
    std::copy_if(report.polylines.begin(), report.polylines.end(), std::back_inserter(found),
                 [&](const TDxfPolyline &p) { return p.layer == layer; });
    return found;
}

// The contours drawn aliased with a pen three pixels wide: every pixel within
// about a pixel and a half of a cut line.
QImage NearCutLines(const TCutLines &lines)
{
    QImage near(lines.blankSize, QImage::Format_RGB32);
    near.fill(Qt::white);
    QPainter painter(&near);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawPath(PathOf(lines.letters));
    painter.drawPath(PathOf(lines.blank));
    return near;
}

bool Marked(const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 250; }

bool MarkedAround(const QImage &image, QPointF p)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint q(int(std::floor(p.x())) + dx, int(std::floor(p.y())) + dy);
            if (image.rect().contains(q) && Marked(image, q.x(), q.y()))
                return true;
        }
    return false;
}

QStringList SvgGroupsWithPaths(const QByteArray &svg, QString *size)
{
    QXmlStreamReader xml(svg);
    QStringList groups;
    QString group;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("svg"))
            *size = QStringList({a.value(QLatin1String("width")).toString(), a.value(QLatin1String("height")).toString(),
                                 a.value(QLatin1String("viewBox")).toString()})
                        .join(QLatin1Char(' '));
        else if (xml.name() == QLatin1String("g"))
            group = a.value(QLatin1String("id")).toString();
        else if (xml.name() == QLatin1String("path") && a.value(QLatin1String("fill")) == QLatin1String("none"))
            groups << group;
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(xml.errorString());
    return groups;
}

QByteArray Written(const TCutLines &lines, const TWriter &writer)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writer(lines, &buffer));
    return buffer.data();
}

} // namespace

TEST(CutLineFiles, SvgIsWellFormedAtTrueSizeWithItsLinesOnTheCutLines)
{
    const TCutLines lines = ScrollSawOnBlank();
    QString size;
    EXPECT_EQ(SvgGroupsWithPaths(Written(lines, WriteCutLinesSvg), &size),
              QStringList({QStringLiteral("cut"), QStringLiteral("blank")}));
    EXPECT_EQ(size, QStringLiteral("10in 1.5in 0 0 960 144"));

    REQUIRE_TOOL(QStringLiteral("rsvg-convert"));
    QTemporaryDir dir;
    const QString svg = WriteFile(dir, QStringLiteral("lines.svg"), lines, WriteCutLinesSvg);
    const TToolRun run = RunTool(QStringLiteral("rsvg-convert"),
                             {QStringLiteral("--dpi-x=96"), QStringLiteral("--dpi-y=96"),
                              QStringLiteral("--background-color=white"), svg});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QImage rendered = QImage::fromData(run.out).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(rendered.size(), lines.blankSize);

    const QImage near = NearCutLines(lines);
    int marked = 0, astray = 0;
    for (int y = 0; y < rendered.height(); ++y)
        for (int x = 0; x < rendered.width(); ++x)
            if (Marked(rendered, x, y))
                ++marked, astray += Marked(near, x, y) ? 0 : 1;
    EXPECT_GT(marked, 1000);
    EXPECT_EQ(astray, 0);
    int missing = 0;
    for (const auto *contours : {&lines.letters, &lines.blank})
        for (const TCutContour &c : *contours)
            for (const QPointF &p : c.points)
                missing += MarkedAround(rendered, p) ? 0 : 1;
    EXPECT_EQ(missing, 0);
}

TEST(CutLineFiles, DxfReadsBackInInchesWithTheSameContoursYUp)
{
    REQUIRE_TOOL(SystemPython);
    const TCutLines lines = ScrollSawOnBlank();
    QTemporaryDir dir;
    const TDxfReport report = ReadDxf(WriteFile(dir, QStringLiteral("lines.dxf"), lines, WriteCutLinesDxf));
    EXPECT_EQ(report.auditErrors, 0);
    EXPECT_EQ(report.insunits, 1);
    EXPECT_TRUE(report.layers.contains(QStringLiteral("CUT")) && report.layers.contains(QStringLiteral("BLANK")))
        << qPrintable(report.layers.join(QLatin1Char(' ')));

    for (const auto &[layer, contours] :
         {std::pair{QStringLiteral("CUT"), &lines.letters}, std::pair{QStringLiteral("BLANK"), &lines.blank}}) {
        const std::vector<TDxfPolyline> read = OnLayer(report, layer);
        ASSERT_EQ(read.size(), contours->size()) << qPrintable(layer);
        std::vector<double> areas;
        for (const TDxfPolyline &p : read) {
            EXPECT_TRUE(p.closed);
            areas.push_back(std::abs(p.area));
        }
        std::sort(areas.begin(), areas.end());
        const std::vector<double> expected = SortedAreasInSquareInches(*contours);
        for (size_t i = 0; i < areas.size(); ++i)
            EXPECT_NEAR(areas[i], expected[i], expected[i] * 0.001) << qPrintable(layer) << " contour " << i;
    }
    // The base bar is the lowest part of the letters: 5 px above the blank's
    // bottom edge, which is y = 0.
    double lowest = 1e9;
    for (const TDxfPolyline &p : OnLayer(report, QStringLiteral("CUT")))
        lowest = std::min(lowest, p.lowestY);
    EXPECT_NEAR(lowest, 5 / 96.0, 1e-6);
    ASSERT_EQ(OnLayer(report, QStringLiteral("BLANK")).size(), 1u);
    EXPECT_NEAR(OnLayer(report, QStringLiteral("BLANK"))[0].lowestY, 0, 1e-6);
}

// A frame 144 by 48 pixels round one inside cut 96 by 24, on a blank 192 by
// 96, finished with a drill hole and, when `shade`, the waste shaded.
TCutLines FrameWithDrillHole(bool shade)
{
    TCutLines lines;
    lines.blankSize = QSize(192, 96);
    lines.letters = {{QPolygonF(QRectF(24, 24, 144, 48)), false}, {QPolygonF(QRectF(48, 36, 96, 24)), true}};
    TStencilSettings settings;
    settings.drillHoles = true;
    settings.shadeWaste = shade;
    return FinishCutLines(lines, settings).lines;
}

// The cut-line page rendered at 96 dpi, in grey levels, cut to the pattern.
QImage RenderedPattern(const QTemporaryDir &dir, const QString &name, const TCutLines &lines)
{
    const QString pdf = WriteFile(dir, name + QStringLiteral(".pdf"), lines, WriteCutLinesPdfWithLegend);
    const TToolRun render = RunTool(QStringLiteral("pdftoppm"),
                                    {QStringLiteral("-png"), QStringLiteral("-gray"), QStringLiteral("-r"),
                                     QStringLiteral("96"), QStringLiteral("-singlefile"), pdf, dir.filePath(name)});
    EXPECT_EQ(render.exitCode, 0) << render.err.constData();
    const int corner = int(std::lround(96 / 2.54));
    return QImage(dir.filePath(name + QStringLiteral(".png"))).copy(QRect(QPoint(corner, corner), lines.blankSize));
}

TEST(CutLineFiles, DrillHolesGoIntoEveryFileAndOnlyThePageShadesTheWaste)
{
    REQUIRE_TOOL(QStringLiteral("rsvg-convert"));
    REQUIRE_TOOL(QStringLiteral("pdftoppm"));
    const TCutLines shaded = FrameWithDrillHole(true);
    const TCutLines plain = FrameWithDrillHole(false);
    ASSERT_EQ(shaded.marks.drillHoles.size(), 1u);
    EXPECT_NEAR(shaded.marks.drillHoles[0].centre.x(), 96, 0.1);
    EXPECT_NEAR(shaded.marks.drillHoles[0].centre.y(), 48, 0.1);
    EXPECT_EQ(Written(shaded, WriteCutLinesSvg), Written(plain, WriteCutLinesSvg)) << "no shade in the SVG";
    EXPECT_EQ(Written(shaded, WriteCutLinesDxf), Written(plain, WriteCutLinesDxf)) << "no shade in the DXF";

    // The SVG's circle: on its rim, not inside it.
    QTemporaryDir dir;
    const TToolRun svg = RunTool(QStringLiteral("rsvg-convert"),
                                 {QStringLiteral("--dpi-x=96"), QStringLiteral("--dpi-y=96"),
                                  QStringLiteral("--background-color=white"),
                                  WriteFile(dir, QStringLiteral("drill.svg"), shaded, WriteCutLinesSvg)});
    ASSERT_EQ(svg.exitCode, 0) << svg.err.constData();
    const QImage drawn = QImage::fromData(svg.out).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(MarkedAround(drawn, QPointF(96 + 3, 48)));
    EXPECT_TRUE(MarkedAround(drawn, QPointF(96, 48 - 3)));
    EXPECT_FALSE(Marked(drawn, 96, 48));

    // The page: grey waste round the frame and in its inside cut, white
    // wood, the drill's cross dark; no grey at all without the shade.
    const QImage page = RenderedPattern(dir, QStringLiteral("shaded"), shaded);
    const QImage bare = RenderedPattern(dir, QStringLiteral("plain"), plain);
    for (const QPoint waste : {QPoint(8, 8), QPoint(180, 90), QPoint(60, 48)}) {
        EXPECT_GT(qGray(page.pixel(waste)), 160) << waste.x() << "," << waste.y();
        EXPECT_LT(qGray(page.pixel(waste)), 240) << waste.x() << "," << waste.y();
        EXPECT_EQ(qGray(bare.pixel(waste)), 255) << waste.x() << "," << waste.y();
    }
    EXPECT_EQ(qGray(page.pixel(30, 30)), 255) << "wood";
    EXPECT_LT(qGray(page.pixel(96, 48)), qGray(page.pixel(60, 48))) << "the cross, over the shade";
    EXPECT_TRUE(Marked(bare, 96, 48)) << "the cross";
}

TEST(CutLineFiles, PdfIsOneVectorLetterPageAtFullScale)
{
    REQUIRE_TOOL(QStringLiteral("pdfinfo"));
    REQUIRE_TOOL(QStringLiteral("qpdf"));
    QTemporaryDir dir;
    const QString pdf = WriteFile(dir, QStringLiteral("lines.pdf"), ScrollSawOnBlank(), WriteCutLinesPdfWithLegend);
    const TToolRun info = RunTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.out.contains("Pages:           1\n")) << info.out.constData();
    EXPECT_TRUE(info.out.contains("Page size:       792 x 612 pts")) << info.out.constData();
    const TToolRun images = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    EXPECT_EQ(images.exitCode, 0);
    EXPECT_EQ(images.out.count('\n'), 2) << "only the list's heading: " << images.out.constData();
    const TToolRun check = RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf});
    EXPECT_EQ(check.exitCode, 0) << check.out.constData() << check.err.constData();

    // The blank alone, rendered at four pixels to the point: 960 px are
    // 720 pt, plus the half-point stroke; its left edge lies 1 cm in.
    constexpr int Dpi = 288;
    const QString blank = WriteFile(dir, QStringLiteral("blank.pdf"), BlankOnly(QString(), 0), WriteCutLinesPdfWithLegend);
    const TToolRun render = RunTool(QStringLiteral("pdftoppm"),
                                {QStringLiteral("-png"), QStringLiteral("-gray"), QStringLiteral("-r"),
                                 QString::number(Dpi), QStringLiteral("-singlefile"), blank, dir.filePath("page")});
    ASSERT_EQ(render.exitCode, 0) << render.err.constData();
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    const double pointsToPixels = Dpi / 72.0;
    // The legend lies an eighth of an inch (9 pt) below the blank.
    const int blankRows = int(Dpi / 2.54 + (108 + 4.5) * pointsToPixels);
    QRect ink;
    for (int y = 0; y < blankRows; ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    EXPECT_NEAR(ink.width(), (720 + 0.5) * pointsToPixels, 2);
    EXPECT_NEAR(ink.height(), (108 + 0.5) * pointsToPixels, 2);
    EXPECT_NEAR(ink.left(), Dpi / 2.54 - 0.25 * pointsToPixels, 2);
    EXPECT_NEAR(ink.top(), Dpi / 2.54 - 0.25 * pointsToPixels, 2);
}

TEST(CutLineFiles, EmptyOrOffBlankTextStillGivesValidFilesWithTheBlankOnly)
{
    for (const TCutLines &lines : {BlankOnly(QString(), 20), BlankOnly(QStringLiteral("Scroll Saw"), 400)}) {
        ASSERT_TRUE(lines.letters.empty());
        QString size;
        EXPECT_EQ(SvgGroupsWithPaths(Written(lines, WriteCutLinesSvg), &size), QStringList(QStringLiteral("blank")));
        QTemporaryDir dir;
        if (HaveTool(SystemPython)) {
            const TDxfReport dxf = ReadDxf(WriteFile(dir, QStringLiteral("b.dxf"), lines, WriteCutLinesDxf));
            EXPECT_EQ(dxf.auditErrors, 0);
            EXPECT_EQ(OnLayer(dxf, QStringLiteral("CUT")).size(), 0u);
            EXPECT_EQ(OnLayer(dxf, QStringLiteral("BLANK")).size(), 1u);
        }
        if (HaveTool(QStringLiteral("qpdf"))) {
            const QString pdf = WriteFile(dir, QStringLiteral("b.pdf"), lines, WriteCutLinesPdfWithLegend);
            EXPECT_EQ(RunTool(QStringLiteral("qpdf"), {QStringLiteral("--check"), pdf}).exitCode, 0);
        }
    }
}

TEST(CutLineFiles, EveryWriterReportsADeviceThatRefusesToWrite)
{
    const TCutLines lines = ScrollSawOnBlank();
    for (const TWriter &writer : {TWriter(WriteCutLinesSvg), TWriter(WriteCutLinesDxf), TWriter(WriteCutLinesPdfWithLegend)}) {
        QBuffer readOnly;
        readOnly.open(QIODevice::ReadOnly);
        EXPECT_FALSE(writer(lines, &readOnly));
    }
}

TEST(CutLineFiles, PagePainterKeepsFullScaleOnAnyResolutionAndCanDrawOnePartOfThePattern)
{
    // A 192 DPI page: two device pixels to a pattern pixel, 1 cm is 75.6 px.
    constexpr int Dpi = 192;
    constexpr double Corner = Dpi / 2.54;
    const TCutLines lines = BlankOnly(QString(), 0);
    auto inkOf = [&](const std::optional<QRectF> &source) {
        QImage page(1000, 600, QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(Dpi / 0.0254));
        page.setDotsPerMeterY(qRound(Dpi / 0.0254));
        page.fill(Qt::white);
        QPainter painter(&page);
        PaintCutLinesPage(painter, lines, source);
        painter.end();
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 250)
                    ink |= QRect(x, y, 1, 1);
        return ink;
    };
    // The whole blank, 144 px high, is 288 device pixels high (and runs off
    // this small page to the right).
    const QRect whole = inkOf(std::nullopt);
    EXPECT_NEAR(whole.top(), Corner, 2);
    EXPECT_NEAR(whole.height(), 2 * 144, 3);
    // The blank's last 200 px, drawn from the corner and clipped to their size.
    const QRect part = inkOf(QRectF(760, 0, 200, 144));
    EXPECT_NEAR(part.left(), Corner, 1);
    EXPECT_NEAR(part.right(), Corner + 2 * 200, 3);
    EXPECT_NEAR(part.height(), 2 * 144, 3);
}

namespace {
// The centres of the dark runs along a row or a column of a grey page.
std::vector<double> DarkRunCentres(const QImage &page, QPoint from, QPoint step, int length)
{
    std::vector<double> centres;
    int runStart = -1;
    for (int i = 0; i <= length; ++i) {
        const QPoint p = from + step * i;
        const bool dark = i < length && page.rect().contains(p) && qGray(page.pixel(p)) < 160;
        if (dark && runStart < 0)
            runStart = i;
        if (!dark && runStart >= 0) {
            centres.push_back((runStart + i - 1) / 2.0);
            runStart = -1;
        }
    }
    return centres;
}

QImage RenderedAt(const QString &pdf, int dpi)
{
    const TToolRun render = RunTool(QStringLiteral("pdftoppm"),
                                    {QStringLiteral("-png"), QStringLiteral("-gray"), QStringLiteral("-r"),
                                     QString::number(dpi), QStringLiteral("-singlefile"), pdf, pdf + "-page"});
    EXPECT_EQ(render.exitCode, 0) << render.err.constData();
    return QImage(pdf + "-page.png");
}

// The blank alone, `size` pixels, outlined, with a legend for `text`.
QString BlankPdfWithLegend(const QTemporaryDir &dir, const QString &name, QSize size, const QString &text)
{
    TShapeControl view;
    SetUpScrollSaw(view);
    view.Bevel()->setWidth(1);
    view.Caption()->setCaption(QString());
    view.setWidth(size.width());
    view.setHeight(size.height());
    TLegend legend;
    legend.text = text;
    legend.blankPixels = size;
    legend.kerf = Units::kPixelsPerInch / 100.0;
    legend.insideCuts = 3;
    return WriteFile(dir, name, BuildCutLines(PatternShapes(view, false)),
                     [&legend](const TCutLines &lines, QIODevice *device) {
                         return WriteCutLinesPdf(lines, legend, device);
                     });
}
} // namespace

TEST(CutLineFiles, PdfLegendNamesThePatternAndItsSquareMeasuresOneInchWhereverItFits)
{
    REQUIRE_TOOL(QStringLiteral("pdftoppm"));
    REQUIRE_TOOL(QStringLiteral("pdftotext"));
    constexpr int Dpi = 254;
    const int corner = int(std::lround(Dpi / 2.54));
    QTemporaryDir dir;

    // Under a 10 x 1.5 in blank: a square, measured between its strokes,
    // a quarter inch in from its left edge and its top edge.
    const QString below = BlankPdfWithLegend(dir, QStringLiteral("below.pdf"), QSize(960, 144),
                                             QStringLiteral("A name far longer than forty characters, cut off here"));
    const QString text = QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {below, QStringLiteral("-")}).out)
                             .simplified();
    EXPECT_TRUE(text.contains(QStringLiteral("\"A name far longer than forty characters,…\""))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("blank 10 x 1.5 in (254 x 38.1 mm)"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("kerf 0.01 in · drill 0.0625 in · 3 inside cuts"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("1 in")));
    const QImage page = RenderedAt(below, Dpi);
    const int squareTop = corner + Dpi * 3 / 2 + Dpi / 8;
    const std::vector<double> across = DarkRunCentres(page, QPoint(0, squareTop + Dpi / 4), QPoint(1, 0), Dpi * 2);
    ASSERT_GE(across.size(), 2u) << "the square's sides";
    EXPECT_NEAR(across[0], corner, 2) << "the square starts under the blank's corner";
    EXPECT_NEAR(across[1] - across[0], Dpi, 2);
    const std::vector<double> down = DarkRunCentres(page, QPoint(corner + Dpi / 4, corner + Dpi * 3 / 2 + 4),
                                                    QPoint(0, 1), Dpi * 3 / 2);
    ASSERT_GE(down.size(), 2u);
    EXPECT_NEAR(down[1] - down[0], Dpi, 2);

    // A blank filling the page leaves room only in the top margin: a 1-inch
    // scale bar there, nothing of the legend inside the blank.
    const QString full = BlankPdfWithLegend(dir, QStringLiteral("full.pdf"), QSize(960, 720), QStringLiteral("Full"));
    EXPECT_TRUE(QString::fromUtf8(RunTool(QStringLiteral("pdftotext"), {full, QStringLiteral("-")}).out)
                    .contains(QStringLiteral("\"Full\" · blank 10 x 7.5 in")));
    const QImage fullPage = RenderedAt(full, Dpi);
    int barRow = -1;
    for (int y = 0; y < corner - 2 && barRow < 0; ++y)
        if (qGray(fullPage.pixel(corner + Dpi / 2, y)) < 160)
            barRow = y;
    ASSERT_GE(barRow, 0) << "a scale bar above the blank";
    int barLeft = corner + Dpi / 2, barRight = barLeft;
    while (qGray(fullPage.pixel(barLeft - 1, barRow)) < 160)
        --barLeft;
    while (qGray(fullPage.pixel(barRight + 1, barRow)) < 160)
        ++barRight;
    EXPECT_NEAR(barRight - barLeft, Dpi, 3) << "the bar with its ticks' half strokes";
    for (int y = corner + 4; y < corner + 720 * Dpi / 96 - 4; ++y)
        for (int x = corner + 4; x < corner + 960 * Dpi / 96 - 4; x += 7)
            ASSERT_GT(qGray(fullPage.pixel(x, y)), 160) << "ink inside the blank at " << x << ", " << y;
}
