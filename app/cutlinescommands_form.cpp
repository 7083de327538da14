// The main window's Cut Lines menu: the overlay on the preview and the
// cut-line exports.

#include "app/cutlinesoverlay.h"
#include "app/fretcard1.h"
#include "render/shapecontrol.h"

#include <QAction>
#include <QCheckBox>

void TForm1::CreateCutLines()
{
    m_cutLinesOverlay = std::make_unique<TCutLinesOverlay>(
        *PatternView(), [this] { return CheckBox3->isChecked(); }, m_guard);
    connect(ShowCutLines1, &QAction::toggled, this, m_guard.Guarded([this] { ShowCutLines1Click(); }));
    // The base bar is no setting of the preview: its switch tells the overlay.
    connect(CheckBox3, &QCheckBox::toggled, this, m_guard.Guarded([this] { m_cutLinesOverlay->PatternChanged(); }));
}

void TForm1::ShowCutLines1Click() { m_cutLinesOverlay->setShown(ShowCutLines1->isChecked()); }
