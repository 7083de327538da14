#pragma once
// Drawing text with its effects as a stack of shifted copies or as a stroked
// outline, and measuring and placing multi-line blocks.

#include "graphtypes.h"

#include <QString>
#include <optional>

class TCanvas;
class TFont;
class T3DCaption;
class TextLayoutCache;

// A rectangle of the block's size placed in `area` by the alignment; odd
// pixels of a centred overhang go to the right and the bottom.
TRect PlaceTextBlock(TAlignment alignment, const TRect &block, const TRect &area);

// Moves rect's right and bottom to the extent of the text plus the effect's
// margins and 2 * (extraMargin + 1). For unrotated effect settings with a
// position, the position is reset to (0, 0) without notification; rotated
// ones get the start of the turned line as their position. The text is laid
// out in `layouts` when given.
void MeasureEffectText(const QString &text, T3DCaption *effects, TRect &rect, const TFont &font,
                       bool multiLine, bool showAccel, int extraMargin, unsigned format,
                       TextLayoutCache *layouts = nullptr);

// The rectangle a multi-line caption is drawn in: the text measured one pixel
// narrower than `rect` and placed in `rect` by the alignment.
TRect AlignTextBlock(TAlignment alignment, const QString &text, T3DCaption *effects,
                     const TRect &rect, const TFont &font, bool multiLine, bool showAccel,
                     unsigned format, TextLayoutCache *layouts = nullptr);

// Draws the text with the effect settings (or plainly without them) in the
// rectangle, with the canvas font; leaves letter spacing and clip as it found
// them. The text shows anywhere on `blank` (the rectangle when not given),
// also where a letter reaches left of or above the text's start.
void DrawEffectText(TCanvas &canvas, const QString &text, const T3DCaption *effects,
                    const TRect &rect, unsigned format, TCaptionDrawFlags flags,
                    const std::optional<TRect> &clip,
                    const std::optional<TRect> &blank = std::nullopt);
