#pragma once
// The font dialog: face (scalable fonts only), style, size without limits,
// the effects underline and strike-out, the colour and the script. It opens
// on a given font and hands the choice back as one complete font.

#include "render/colors.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QSpinBox;
class TFont;

class TFontPickerDialog : public QDialog {
public:
    TFontPickerDialog(const TFont &initial, QWidget *parent = nullptr);

    // Writes face, style, size, colour and character set into `font`,
    // reporting one change.
    void StoreChoice(TFont &font) const;

    QFontComboBox *FaceBox() const { return m_face; }
    QComboBox *StyleBox() const { return m_style; }
    QSpinBox *SizeBox() const { return m_size; }
    QComboBox *ColorBox() const { return m_color; }

private:
    void BuildColorList(TColor current);
    void BuildScriptList(quint8 current);
    quint8 ChosenStyle() const;
    void UpdateSample();

    QFontComboBox *m_face;
    QComboBox *m_style;
    QSpinBox *m_size;
    QCheckBox *m_underline;
    QCheckBox *m_strikeOut;
    QComboBox *m_color;
    QComboBox *m_script;
    QLabel *m_sample;
};
