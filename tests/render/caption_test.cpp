#include "render_test_support.h"

#include "render/canvas.h"
#include "render/caption.h"
#include "render/drawtext.h"
#include "render/effecttext.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace rendertest;

namespace {

constexpr QRgb BackGray = 0xFFA0A0A4; // clMedGray as RGB

// The main window's pattern with red letters, so text and outline differ.
void SetUpCaption(TShapeControl &view, const QString &text, int points = 40)
{
    SetUpPatternView(view);
    TCaption &caption = *view.Caption();
    caption.setAlignment(agTopLeft);
    caption.setCaption(text);
    caption.Font()->setName(QStringLiteral("DejaVu Sans"));
    caption.Font()->setStyle(fsBold);
    caption.Font()->setSize(points);
    caption.Font()->setColor(clRed);
    caption.FontFX()->setLightDepth(0);
    caption.FontFX()->setShadowDepth(0);
}

QRect RedBounds(TShapeControl &view) { return BoundsOf(Render(view), Red); }

} // namespace

TEST(SettingsObjects, ChangeRulesAndSingleFlagBracket)
{
    TFxCaption fx;
    int calls = 0;
    TSettingsObject *lastSender = nullptr;
    fx.OnChange = [&](TSettingsObject *sender) { ++calls; lastSender = sender; };
    fx.setTracing(-100);
    fx.setTracing(-100);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(lastSender, &fx);
    fx.BeginUpdate();
    fx.BeginUpdate();
    fx.setShadowDepth(4);
    fx.EndUpdate(false);
    fx.setLightDepth(3); // one flag: the first EndUpdate already ended the bracket
    EXPECT_EQ(calls, 2);
    fx.BeginUpdate();
    fx.EndUpdate(true);
    EXPECT_EQ(calls, 3);
}

TEST(SettingsObjects, AngleAndSilentPosition)
{
    TFxCaption fx;
    int calls = 0;
    fx.OnChange = [&](TSettingsObject *) { ++calls; };
    fx.setAngle(360);
    EXPECT_EQ(fx.Angle(), 0);
    EXPECT_EQ(calls, 0);
    fx.SetPos(100, 20);
    EXPECT_EQ(fx.PosX(), 100);
    EXPECT_EQ(fx.PosY(), 20);
    EXPECT_EQ(calls, 0);
    fx.setPosX(5);
    EXPECT_EQ(calls, 1);
}

TEST(SettingsObjects, EffectDefaults)
{
    const TFxCaption fx;
    EXPECT_EQ(fx.DisabledStyle(), dsAuto);
    EXPECT_EQ(fx.LightDepth(), 1);
    EXPECT_EQ(fx.ShadowDepth(), 1);
    EXPECT_EQ(fx.LightColor(), clBtnHighlight);
    EXPECT_EQ(fx.ShadowColor(), clBtnShadow);
    EXPECT_EQ(fx.Style(), tdNone);
    EXPECT_EQ(fx.Orientation(), toTopLeft);
    EXPECT_EQ(fx.Tracing(), 0);
    const TCaption caption;
    EXPECT_EQ(caption.Alignment(), agCenter);
    EXPECT_FALSE(caption.MultiLine());
}

TEST(SettingsObjects, FontSizeAndAssign)
{
    TFont font;
    font.setSize(80);
    EXPECT_EQ(font.Height(), -107);
    EXPECT_EQ(font.Size(), 80);
    EXPECT_EQ(font.ToQFont().pixelSize(), 107);
    EXPECT_EQ(font.ToQFont().styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
    TFont other;
    other.setName(QStringLiteral("DejaVu Sans"));
    other.setStyle(fsBold | fsItalic);
    other.setColor(clRed);
    int calls = 0;
    font.OnChange = [&](TSettingsObject *) { ++calls; };
    font.Assign(other);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(font.Name(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(font.Height(), other.Height());
    EXPECT_EQ(font.Style(), fsBold | fsItalic);
    EXPECT_EQ(font.Color(), clRed);
}

TEST(SettingsObjects, CaptionPassesFontAndEffectChangesOn)
{
    TCaption caption;
    int calls = 0;
    caption.OnChange = [&](TSettingsObject *) { ++calls; };
    caption.Font()->setSize(30);
    caption.FontFX()->setStyle(tdOutline);
    EXPECT_EQ(calls, 2);

    TFxCaption source;
    source.setStyle(tdShadow);
    source.setTracing(7);
    source.setOrientation(toBottomRight);
    source.SetPos(3, 4);
    caption.FontFX()->setOrientation(toTopRight);
    calls = 0;
    caption.setFontFX(source);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(caption.FontFX()->Style(), tdShadow);
    EXPECT_EQ(caption.FontFX()->Tracing(), 7);
    EXPECT_EQ(caption.FontFX()->PosX(), 3);
    EXPECT_EQ(caption.FontFX()->Orientation(), toTopRight);
}

TEST(CaptionFormat, BitsForAlignments)
{
    EXPECT_EQ(TCaption::FormatFor(agTopLeft, dfEnabled) | DT_SINGLELINE, 0x870u);
    EXPECT_EQ(TCaption::FormatFor(agCenter, dfEnabled), 0x855u);
    EXPECT_EQ(TCaption::FormatFor(agBottomRight, dfEnabled | dfShowAccel), 0x5Au);
    EXPECT_EQ(TCaption::FormatFor(agCenterLeft, dfEnabled), 0x854u);
}

TEST(PlaceTextBlock, ShiftsTruncateTowardZero)
{
    const TRect area{0, 0, 5, 5};
    const TRect block{0, 0, 10, 8};
    EXPECT_EQ(PlaceTextBlock(agCenter, block, area), (TRect{-2, -1, 8, 7}));
    EXPECT_EQ(PlaceTextBlock(agBottomRight, block, area), (TRect{-5, -3, 5, 5}));
    EXPECT_EQ(PlaceTextBlock(agTopLeft, block, area), (TRect{0, 0, 10, 8}));
    EXPECT_EQ(PlaceTextBlock(agCenter, TRect{0, 0, 2, 2}, TRect{10, 10, 17, 17}),
              (TRect{12, 12, 14, 14}));
}

TEST(CaptionText, TopLeftWithPositionStartsAtTheOffsetAndStaysInside)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("Walnut burl"));
    const QRect plain = RedBounds(view);
    ASSERT_FALSE(plain.isNull());
    EXPECT_GE(plain.left(), 1);
    EXPECT_GE(plain.top(), 1);
    view.Caption()->FontFX()->setPosX(100);
    view.Caption()->FontFX()->setPosY(20);
    const QRect moved = RedBounds(view);
    EXPECT_EQ(moved, plain.translated(100, 20));
}

TEST(CaptionText, TextNeverLeavesItsRectangle)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWW"), 80);
    view.Caption()->FontFX()->setPosX(100);
    view.Caption()->FontFX()->setPosY(20);
    const QImage image = Render(view);
    EXPECT_GT(CountColour(image, Red), 0);
    EXPECT_TRUE(QRect(101, 21, 858, 122).contains(BoundsOf(image, Red)));
    // The outline is never painted over.
    EXPECT_EQ(Pixel(image, 959, 100), Black);
    EXPECT_EQ(Pixel(image, 500, 143), Black);
}

// The italic j's tail reaches well left of where the text starts: with room
// on the blank it is drawn whole, filled or outlined, as it is further right.
TEST(CaptionText, LetterReachingLeftOfTheTextStartIsWhole)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("jig"), 80);
    view.Caption()->Font()->setName(QStringLiteral("Liberation Serif"));
    view.Caption()->Font()->setStyle(fsItalic);
    for (const TThreeDStyle style : {tdNone, tdOutline}) {
        view.Caption()->FontFX()->setStyle(style);
        view.Caption()->FontFX()->SetPos(100, 20);
        const QImage further = Render(view);
        view.Caption()->FontFX()->setPosX(40);
        const QImage atForty = Render(view);
        const QRect letters = BoundsOf(atForty, Red);
        EXPECT_LT(letters.left(), 1 + 40 - 5) << "style " << style;
        EXPECT_EQ(letters, BoundsOf(further, Red).translated(-60, 0)) << "style " << style;
        EXPECT_EQ(CountColour(atForty, Red), CountColour(further, Red)) << "style " << style;
    }
}

TEST(CaptionText, PositionBeyondTheWidthDrawsNothing)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("Maple"));
    view.Caption()->FontFX()->setPosX(1000);
    EXPECT_EQ(CountColour(Render(view), Red), 0);
}

TEST(CaptionText, MultiLineCentreBlockIsMeasuredPlusBorder)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("Cherry"));
    TCaption &caption = *view.Caption();
    caption.setAlignment(agCenter);
    caption.setMultiLine(true);
    caption.FontFX()->SetPos(30, 40);
    const QFontMetrics metrics(caption.Font()->ToQFont());
    const int width = metrics.horizontalAdvance(QStringLiteral("Cherry")) + 2;
    const int height = metrics.height() + 2;
    const TRect area = view.CaptionRect();
    const TRect block = AlignTextBlock(agCenter, QStringLiteral("Cherry"), caption.FontFX(), area,
                                       *caption.Font(), true, false, 0x855);
    const int left = 1 + (958 - width) / 2;
    const int top = 1 + (142 - height) / 2;
    EXPECT_EQ(block, (TRect{left, top, left + width, top + height}));

    caption.FontFX()->SetPos(30, 40);
    const QRect drawn = RedBounds(view);
    EXPECT_EQ(caption.FontFX()->PosX(), 0);
    EXPECT_EQ(caption.FontFX()->PosY(), 0);
    EXPECT_TRUE(block.ToQRect().contains(drawn));
    // The word is centred in its block (within the glyphs' side bearings).
    EXPECT_NEAR(drawn.center().x(), block.ToQRect().center().x(), 4);
}

TEST(CaptionText, MultiLineWrapsAtTheCaptionWidth)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("cut along the line and sand the edges smooth"), 30);
    TCaption &caption = *view.Caption();
    caption.setAlignment(agCenter);
    caption.setMultiLine(true);
    view.setHeight(400);
    const TRect block = AlignTextBlock(agCenter, caption.Caption(), caption.FontFX(),
                                       view.CaptionRect(), *caption.Font(), true, false, 0x855);
    const int lineHeight = QFontMetrics(caption.Font()->ToQFont()).height();
    EXPECT_LE(block.Width(), 957 + 2);
    EXPECT_EQ((block.Height() - 2) % lineHeight, 0);
    EXPECT_GE((block.Height() - 2) / lineHeight, 2);
    const QRect drawn = RedBounds(view);
    EXPECT_TRUE(block.ToQRect().contains(drawn));
}

TEST(CaptionText, TallBlockOverhangsWithTheOddPixelBelow)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("Oak\nAsh\nElm"), 60);
    TCaption &caption = *view.Caption();
    caption.setAlignment(agCenter);
    caption.setMultiLine(true);
    const TRect area = view.CaptionRect();
    const TRect block = AlignTextBlock(agCenter, caption.Caption(), caption.FontFX(), area,
                                       *caption.Font(), true, false, 0x855);
    ASSERT_GT(block.Height(), area.Height());
    const int above = area.Top - block.Top;
    const int below = block.Bottom - area.Bottom;
    EXPECT_TRUE(below == above || below == above + 1);
    EXPECT_EQ(below - above, (block.Height() - area.Height()) % 2);
}

TEST(CaptionText, OutlineDepthGrowsTheBlockAndShiftsTheOutline)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("Birch"), 60);
    TCaption &caption = *view.Caption();
    caption.FontFX()->setStyle(tdOutline);
    const QRect thin = RedBounds(view);
    caption.FontFX()->setShadowDepth(4);
    const QRect thick = RedBounds(view);
    // A 4-pixel pen centred on outlines moved by (2, 2).
    EXPECT_NEAR(thick.left(), thin.left(), 1);
    EXPECT_NEAR(thick.top(), thin.top(), 1);
    EXPECT_NEAR(thick.right(), thin.right() + 4, 1);
    EXPECT_NEAR(thick.bottom(), thin.bottom() + 4, 1);

    caption.setAlignment(agCenter);
    caption.setMultiLine(true);
    const TRect area = view.CaptionRect();
    const TRect grown = AlignTextBlock(agCenter, caption.Caption(), caption.FontFX(), area,
                                       *caption.Font(), true, false, 0x855);
    caption.FontFX()->setShadowDepth(0);
    const TRect plain = AlignTextBlock(agCenter, caption.Caption(), caption.FontFX(), area,
                                       *caption.Font(), true, false, 0x855);
    EXPECT_EQ(grown.Width(), plain.Width() + 4);
    EXPECT_EQ(grown.Height(), plain.Height() + 4);
}

TEST(CaptionText, OutlineIsHollowFilledIsSolidAndNothingBetweenLetters)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("I I"), 150);
    const QImage filled = Render(view);
    const QRect bounds = BoundsOf(filled, Red);
    view.Caption()->FontFX()->setStyle(tdOutline);
    const QImage outlined = Render(view);
    // Inside the first stem: red when filled, the blank's white when outlined.
    int stemX = bounds.left();
    while (Pixel(filled, stemX + 1, bounds.center().y()) == Red)
        ++stemX;
    const int middle = (bounds.left() + stemX) / 2;
    EXPECT_EQ(Pixel(filled, middle, bounds.center().y()), Red);
    EXPECT_EQ(Pixel(outlined, middle, bounds.center().y()), White);
    EXPECT_LT(CountColour(outlined, Red), CountColour(filled, Red));
    EXPECT_GT(CountColour(outlined, Red), 0);
    for (const QImage &image : {filled, outlined}) {
        // Only blank, outline and letters: no text background anywhere.
        EXPECT_EQ(CountColour(image, BackGray), 0);
        EXPECT_EQ(Count(image, [](QRgb c) { return c != Red && c != White && c != Black; }), 0);
        // The gap between the letters is the blank.
        EXPECT_EQ(Pixel(image, stemX + 10, bounds.center().y()), White);
    }
}

TEST(CaptionText, TracingPullsLettersTogetherAndIsResetAfterEveryDraw)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("OAK"), 60);
    const int normal = RedBounds(view).width();
    view.Caption()->FontFX()->setTracing(-40);
    const int tight = RedBounds(view).width();
    view.Caption()->FontFX()->setTracing(40);
    const int loose = RedBounds(view).width();
    EXPECT_NEAR(tight, normal - 2 * 40, 2);
    EXPECT_NEAR(loose, normal + 2 * 40, 2);

    // The spacing is the drawing's own: the canvas is back at 0 afterwards,
    // and the next text drawn on it looks as it does on a fresh canvas.
    const auto drawOak = [](TCanvas &canvas, int tracing, const TRect &rect) {
        TFxCaption fx;
        fx.setTracing(tracing);
        DrawEffectText(canvas, QStringLiteral("Oak"), &fx, rect, 0x870, dfEnabled, std::nullopt);
    };
    const TRect below{0, 100, 300, 200};
    QImage reused(300, 200, QImage::Format_RGB32);
    reused.fill(Qt::white);
    QImage fresh = reused;
    {
        QPainter painter(&reused);
        TCanvas canvas(&painter);
        drawOak(canvas, -100, TRect{0, 0, 300, 100});
        EXPECT_EQ(canvas.TextCharacterExtra(), 0);
        drawOak(canvas, 0, below);
    }
    {
        QPainter painter(&fresh);
        TCanvas canvas(&painter);
        drawOak(canvas, 0, below);
    }
    EXPECT_EQ(reused.copy(below.ToQRect()), fresh.copy(below.ToQRect()));
}

// Letters pulled together until their advance goes negative still show whole
// and centred in a multi-line block: as wide as the same line drawn unclipped.
TEST(CaptionText, MultiLineWithStrongNegativeSpacingKeepsEveryLetter)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("Scroll Saw"), 80);
    view.Caption()->setAlignment(agCenter);
    view.Caption()->setMultiLine(true);
    for (const int kern : {-20, -60, -100}) {
        view.Caption()->FontFX()->setTracing(kern);
        QImage free(3000, 300, QImage::Format_RGB32);
        free.fill(White);
        QPainter painter(&free);
        painter.setFont(WithLetterSpacing(view.Caption()->Font()->ToQFont(), kern));
        painter.setPen(QColor(Red));
        painter.drawText(QPointF(1500, 200), view.Caption()->Caption());
        painter.end();

        const QRect strip = RedBounds(view);
        EXPECT_NEAR(strip.width(), BoundsOf(free, Red).width(), 1) << "kern " << kern;
        // Centred within the glyphs' side bearings, as at no spacing.
        EXPECT_NEAR(strip.center().x(), view.Width() / 2, 4) << "kern " << kern;
    }
}

TEST(CaptionText, EmptyTextDrawsNothingYetCentreStillResetsPosition)
{
    TShapeControl view;
    SetUpCaption(view, QString());
    view.Caption()->setAlignment(agCenter);
    view.Caption()->setMultiLine(true);
    view.Caption()->FontFX()->SetPos(7, 9);
    EXPECT_EQ(CountColour(Render(view), Red), 0);
    EXPECT_EQ(view.Caption()->FontFX()->PosX(), 0);
    EXPECT_EQ(view.Caption()->FontFX()->PosY(), 0);
}

// A text far longer than the blank hands over only the glyphs that can show
// on it, on one line and as a block of many lines centred on the blank.
TEST(CaptionGlyphs, OnlyGlyphsThatCanShowAreHandedOver)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("Walnut ").repeated(600), 40);
    for (const bool multiLine : {false, true}) {
        view.Caption()->setMultiLine(multiLine);
        view.Caption()->setAlignment(multiLine ? agCenter : agTopLeft);
        QRectF handedOver;
        for (const TGlyphPiece &piece : view.CaptionGlyphs())
            handedOver |= piece.outline.boundingRect();
        EXPECT_FALSE(handedOver.isEmpty()) << "multi-line " << multiLine;
        // Near the blank: within a few letters of its edges.
        EXPECT_TRUE(QRectF(-400, -400, 960 + 800, 144 + 800).contains(handedOver))
            << "multi-line " << multiLine;
    }
}

// The caption's ink is where its outlines lie, also beyond the blank that
// cuts them off; a negative offset moves the text up and left.
TEST(CaptionInk, CoversEveryGlyphShownOrNotAndFollowsANegativeOffset)
{
    TShapeControl view;
    SetUpCaption(view, QStringLiteral("Walnut"), 40);
    QRectF handedOver;
    for (const TGlyphPiece &piece : view.CaptionGlyphs())
        handedOver |= piece.outline.boundingRect();
    EXPECT_EQ(view.CaptionInk(), handedOver) << "all of it shows";

    view.Caption()->FontFX()->SetPos(-20, -30);
    EXPECT_NEAR(view.CaptionInk().left(), handedOver.left() - 20, 0.01);
    EXPECT_NEAR(view.CaptionInk().top(), handedOver.top() - 30, 0.01);

    view.Caption()->setCaption(QStringLiteral("Walnut ").repeated(600));
    for (const bool multiLine : {false, true}) {
        view.Caption()->setMultiLine(multiLine);
        view.Caption()->setAlignment(multiLine ? agCenter : agTopLeft);
        const QRectF ink = view.CaptionInk();
        // One line 600 words long, or a hundred lines of six words.
        EXPECT_GT(multiLine ? ink.height() : ink.width(), 50 * view.Height()) << "multi-line " << multiLine;
    }
}

TEST(DrawTextLayout, AmpersandTabsAndPrefixes)
{
    QFont font = TFont().ToQFont();
    font.setFamily(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    const QFontMetrics metrics(font);
    const TRect wide{0, 0, 1000, 100};
    // Without DT_NOPREFIX "&&" is one ampersand and "&a" just "a".
    const TextBlock literal(font, QStringLiteral("A&B"), wide, DT_SINGLELINE | DT_NOPREFIX);
    const TextBlock prefixed(font, QStringLiteral("A&&B"), wide, DT_SINGLELINE);
    const TextBlock accelerated(font, QStringLiteral("&AB"), wide, DT_SINGLELINE);
    EXPECT_EQ(literal.Extent(), prefixed.Extent());
    EXPECT_EQ(accelerated.Extent().width(), metrics.horizontalAdvance(QStringLiteral("AB")));
    // A tab reaches the next stop of eight average character widths.
    const TextBlock tabbed(font, QStringLiteral("A\tB"), wide, DT_SINGLELINE | DT_EXPANDTABS);
    EXPECT_EQ(tabbed.Extent().width(),
              8 * metrics.averageCharWidth() + metrics.horizontalAdvance(QLatin1Char('B')));
    // Word breaking keeps an over-long word whole on its own line.
    const TextBlock wrapped(font, QStringLiteral("Oak Sycamore"), TRect{0, 0, 40, 100},
                            DT_WORDBREAK);
    EXPECT_EQ(wrapped.LineCount(), 2);
    EXPECT_EQ(wrapped.Extent().width(), metrics.horizontalAdvance(QStringLiteral("Sycamore")));
    EXPECT_EQ(wrapped.Extent().height(), 2 * metrics.height());
}
