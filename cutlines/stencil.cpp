#include "stencil.h"

TCutStyle CutStyleOf(const TStencilSettings &settings)
{
    return settings.bridges ? TCutStyle::Stencil : TCutStyle::CutOut;
}

TFinishedCutLines FinishCutLines(const TCutLines &welded, const TStencilSettings &settings)
{
    const TCutStyle style = CutStyleOf(settings);
    TFinishedCutLines finished;
    finished.lines = CleanedForKerf(welded, settings.kerf, style);
    if (settings.bridges) {
        TBridgedCutLines bridged = WithStencilBridges(finished.lines, settings.bridgeWidth, settings.kerf, settings.leastWidth);
        finished.lines = std::move(bridged.lines);
        finished.bridges = std::move(bridged.bridges);
        finished.islandsNotBridged = bridged.islandsNotBridged;
    }
    finished.loose = FindLoosePieces(finished.lines, style);
    TCutMarks &marks = finished.lines.marks;
    if (settings.drillHoles) {
        marks.drillDiameter = settings.drillDiameter;
        marks.drillHoles = FindDrillHoles(finished.lines, style, settings.drillDiameter, settings.kerf);
    }
    if (settings.shadeWaste)
        marks.waste = WasteOf(finished.lines, style);
    return finished;
}
