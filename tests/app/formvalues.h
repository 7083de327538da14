#pragma once
// The pattern's thirteen values as the window's controls show them, in the
// order a pattern file stores them: what tests compare after an Open.

#include "app/fretcard1.h"
#include "render/shapecontrol.h"
#include "ui/scrollbar.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStringList>

inline QString OnOff(bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); }

inline QStringList ThirteenValues(TForm1 &form)
{
    QStringList values;
    for (TScrollBar *bar : {form.ScrollBar1, form.ScrollBar2, form.ScrollBar3, form.ScrollBar4, form.ScrollBar6,
                            form.ScrollBar7, form.ScrollBar5})
        values << QString::number(bar->Position());
    for (QCheckBox *box : {form.CheckBox1, form.CheckBox2, form.CheckBox4, form.CheckBox3})
        values << OnOff(box->isChecked());
    values << form.PatternView()->Caption()->Font()->Name() << form.Edit1->text();
    return values;
}
