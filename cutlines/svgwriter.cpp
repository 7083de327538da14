#include "cutlines/svgwriter.h"

#include "core/units.h"

#include <QIODevice>
#include <QXmlStreamWriter>

namespace {
// Laser and cutter software takes a stroke of a thousandth of an inch as a
// hairline, a line to cut along rather than a shape to engrave.
constexpr double HairlinePixels = Units::kPixelsPerInch / 1000.0;
// Contour points are multiples of 1/1024 px: nine significant digits keep
// them far below the cut lines' tolerance.
constexpr int CoordinateDigits = 9;

QString Number(double value) { return QString::number(value, 'g', CoordinateDigits); }

QString Inches(int pixels) { return Number(pixels / double(Units::kPixelsPerInch)) + QStringLiteral("in"); }

// Every contour a closed subpath of one path: with the even-odd rule the
// counters stay open when a program fills the drawing.
QString PathData(const std::vector<TCutContour> &contours)
{
    QString data;
    for (const TCutContour &contour : contours) {
        for (qsizetype i = 0; i < contour.points.size(); ++i) {
            const QPointF p = contour.points[i];
            data += (i == 0 ? QStringLiteral("M") : QStringLiteral(" L")) + Number(p.x()) + QLatin1Char(' ') +
                    Number(p.y());
        }
        data += QStringLiteral(" Z ");
    }
    return data.trimmed();
}

void WriteGroup(QXmlStreamWriter &xml, const QString &id, const std::vector<TCutContour> &contours)
{
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("id"), id);
    if (!contours.empty()) {
        xml.writeEmptyElement(QStringLiteral("path"));
        xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        xml.writeAttribute(QStringLiteral("fill-rule"), QStringLiteral("evenodd"));
        xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#000000"));
        xml.writeAttribute(QStringLiteral("stroke-width"), Number(HairlinePixels));
        xml.writeAttribute(QStringLiteral("d"), PathData(contours));
    }
    xml.writeEndElement();
}

// A circle of the drill's size at each hole; the waste is never filled,
// which a laser would engrave.
void WriteDrillGroup(QXmlStreamWriter &xml, const TCutMarks &marks)
{
    xml.writeStartElement(QStringLiteral("g"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("drill"));
    for (const TDrillHole &hole : marks.drillHoles) {
        xml.writeEmptyElement(QStringLiteral("circle"));
        xml.writeAttribute(QStringLiteral("cx"), Number(hole.centre.x()));
        xml.writeAttribute(QStringLiteral("cy"), Number(hole.centre.y()));
        xml.writeAttribute(QStringLiteral("r"), Number(marks.drillDiameter / 2));
        xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("none"));
        xml.writeAttribute(QStringLiteral("stroke"), QStringLiteral("#000000"));
        xml.writeAttribute(QStringLiteral("stroke-width"), Number(HairlinePixels));
    }
    xml.writeEndElement();
}
} // namespace

bool WriteCutLinesSvg(const TCutLines &lines, QIODevice *device)
{
    const QSize size = lines.blankSize;
    QXmlStreamWriter xml(device);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("width"), Inches(size.width()));
    xml.writeAttribute(QStringLiteral("height"), Inches(size.height()));
    xml.writeAttribute(QStringLiteral("viewBox"),
                       QStringLiteral("0 0 %1 %2").arg(size.width()).arg(size.height()));
    WriteGroup(xml, QStringLiteral("cut"), lines.letters);
    WriteGroup(xml, QStringLiteral("blank"), lines.blank);
    if (!lines.marks.drillHoles.empty())
        WriteDrillGroup(xml, lines.marks);
    xml.writeEndDocument();
    return !xml.hasError();
}
