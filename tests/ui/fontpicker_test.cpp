#include "ui/fontpicker.h"

#include "render/font.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {
TFont DialogFont()
{
    TFont font;
    font.setName("MS Sans Serif");
    font.setHeight(-11);
    font.setColor(clWindowText);
    font.setCharset(DEFAULT_CHARSET);
    return font;
}

TEST(FontPicker, OpensOnTheGivenFont)
{
    TFont initial = DialogFont();
    initial.setStyle(fsBold | fsItalic);
    const TFontPickerDialog dialog(initial);
    EXPECT_EQ(dialog.FaceBox()->currentText(), "MS Sans Serif");
    EXPECT_EQ(dialog.StyleBox()->currentText(), "Bold Italic");
    EXPECT_EQ(dialog.SizeBox()->value(), 8); // 11 px at 96 per inch
    EXPECT_EQ(dialog.ColorBox()->currentText(), "Automatic");
}

TEST(FontPicker, OkWithoutChangesGivesBackTheSameFont)
{
    const TFont initial = DialogFont();
    const TFontPickerDialog dialog(initial);
    TFont result = DialogFont();
    result.setName("changed");
    dialog.StoreChoice(result);
    EXPECT_EQ(result.Name(), "MS Sans Serif");
    EXPECT_EQ(result.Height(), -11);
    EXPECT_EQ(result.Style(), 0);
    EXPECT_EQ(result.Color(), clWindowText);
    EXPECT_EQ(result.Charset(), DEFAULT_CHARSET);
}

TEST(FontPicker, TheChoiceCarriesFaceStyleSizeEffectsAndColourInOneChange)
{
    const TFontPickerDialog dialog(DialogFont());
    dialog.FaceBox()->setEditText("Arial");
    dialog.StyleBox()->setCurrentIndex(dialog.StyleBox()->findText("Italic"));
    dialog.SizeBox()->setValue(24);
    dialog.ColorBox()->setCurrentIndex(dialog.ColorBox()->findText("Red"));
    for (QCheckBox *box : dialog.findChildren<QCheckBox *>())
        box->setChecked(box->text().contains("Underline"));

    TFont result = DialogFont();
    int changes = 0;
    result.OnChange = [&](TSettingsObject *) { ++changes; };
    dialog.StoreChoice(result);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(result.Name(), "Arial");
    EXPECT_EQ(result.Style(), TFontStyles(fsItalic | fsUnderline));
    EXPECT_EQ(result.Height(), -32);
    EXPECT_EQ(result.Color(), clRed);
}
} // namespace
