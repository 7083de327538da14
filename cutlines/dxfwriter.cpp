#include "cutlines/dxfwriter.h"

#include "core/units.h"

#include <QIODevice>

#include <dxflib/dl_dxf.h>
#include <dxflib/dl_writer_ascii.h>

#include <charconv>
#include <cstdio>
#include <string>

namespace {
constexpr double PixelsPerInch = Units::kPixelsPerInch;
// $INSUNITS: the drawing's lengths are inches.
constexpr int UnitsInches = 1;
constexpr int ClosedPolyline = 1;
constexpr int ColourByLayer = 256;
constexpr int WidthByLayer = -1;
const std::string LettersLayer = "CUT";
const std::string BlankLayer = "BLANK";
const std::string DrillLayer = "DRILL";

// The library writes every group through these four calls; its own writer
// can only write to a file it opens by name, so this one collects the text
// for the device instead (and never opens a file: it gives no name).
class TextCollector : public DL_WriterA {
public:
    explicit TextCollector(DL_Codes::version version) : DL_WriterA("", version) {}

    const std::string &Text() const { return m_text; }

    void dxfReal(int gc, double value) const override
    {
        char digits[32];
        // Shortest round-trip digits, never a locale's decimal comma.
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        Group(gc, std::string(digits, end));
    }
    void dxfInt(int gc, int value) const override { Group(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override
    {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%X", unsigned(value));
        Group(gc, digits);
    }
    void dxfString(int gc, const char *value) const override { Group(gc, value); }
    void dxfString(int gc, const std::string &value) const override { Group(gc, value); }

private:
    void Group(int gc, const std::string &value) const
    {
        char code[8];
        std::snprintf(code, sizeof code, "%3d\n", gc);
        m_text += code;
        m_text += value;
        m_text += '\n';
    }

    mutable std::string m_text;
};

void WriteHeader(DL_Dxf &dxf, TextCollector &dw)
{
    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, UnitsInches);
    dw.sectionEnd();
}

// Inches, y up from the blank's bottom edge.
DL_VertexData InDrawing(QPointF p, int blankHeight)
{
    return DL_VertexData(p.x() / PixelsPerInch, (blankHeight - p.y()) / PixelsPerInch);
}

std::vector<std::string> LayersOf(const TCutLines &lines)
{
    std::vector<std::string> layers{"0", LettersLayer, BlankLayer};
    if (!lines.marks.drillHoles.empty())
        layers.push_back(DrillLayer);
    return layers;
}

void WriteTables(DL_Dxf &dxf, TextCollector &dw, const std::vector<std::string> &layers)
{
    dw.sectionTables();
    dxf.writeVPort(dw);

    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Solid line", 0, 0, 0.0));
    dw.tableEnd();

    dw.tableLayers(int(layers.size()));
    for (const std::string &layer : layers)
        dxf.writeLayer(dw, DL_LayerData(layer, 0),
                       DL_Attributes("", DL_Codes::black, WidthByLayer, "CONTINUOUS", 1.0));
    dw.tableEnd();

    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 0.0, 1.0, 0.0, 0, 0.1, "txt", ""));
    dw.tableEnd();

    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 0.1, 0.1, 0.1, 0.1, 0.1);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();
}

void WriteBlocks(DL_Dxf &dxf, TextCollector &dw)
{
    dw.sectionBlocks();
    for (const char *block : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
        dxf.writeBlock(dw, DL_BlockData(block, 0, 0.0, 0.0, 0.0));
        dxf.writeEndBlock(dw, block);
    }
    dw.sectionEnd();
}

void WriteContours(DL_Dxf &dxf, TextCollector &dw, const std::vector<TCutContour> &contours,
                   const std::string &layer, int blankHeight)
{
    const DL_Attributes attributes(layer, ColourByLayer, WidthByLayer, "BYLAYER", 1.0);
    for (const TCutContour &contour : contours) {
        dxf.writePolyline(dw, DL_PolylineData(int(contour.points.size()), 0, 0, ClosedPolyline), attributes);
        for (const QPointF &p : contour.points)
            dxf.writeVertex(dw, InDrawing(p, blankHeight));
        dxf.writePolylineEnd(dw);
    }
}

// A circle of the drill's size at each hole: a machine drills there, or
// the woodworker sees where to.
void WriteDrillHoles(DL_Dxf &dxf, TextCollector &dw, const TCutMarks &marks, int blankHeight)
{
    const DL_Attributes attributes(DrillLayer, ColourByLayer, WidthByLayer, "BYLAYER", 1.0);
    const double radius = marks.drillDiameter / 2 / PixelsPerInch;
    for (const TDrillHole &hole : marks.drillHoles) {
        const DL_VertexData centre = InDrawing(hole.centre, blankHeight);
        dxf.writeCircle(dw, DL_CircleData(centre.x, centre.y, 0, radius), attributes);
    }
}
} // namespace

bool WriteCutLinesDxf(const TCutLines &lines, QIODevice *device)
{
    DL_Dxf dxf;
    TextCollector dw(DL_Codes::AC1015);
    WriteHeader(dxf, dw);
    WriteTables(dxf, dw, LayersOf(lines));
    WriteBlocks(dxf, dw);
    dw.sectionEntities();
    WriteContours(dxf, dw, lines.letters, LettersLayer, lines.blankSize.height());
    WriteContours(dxf, dw, lines.blank, BlankLayer, lines.blankSize.height());
    WriteDrillHoles(dxf, dw, lines.marks, lines.blankSize.height());
    dw.sectionEnd();
    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    const std::string &text = dw.Text();
    return device->write(text.data(), qint64(text.size())) == qint64(text.size());
}
