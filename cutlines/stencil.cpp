#include "stencil.h"

TCutLines StencilCutLines(TCutLines lines, const TStencilSettings &settings)
{
    if (!settings.bridges)
        return lines;
    return WithStencilBridges(lines, settings.bridgeWidth);
}
