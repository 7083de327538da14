// The Cut Lines menu's Connect Letters: the Kern (and with the base bar the
// VPos) at which the letters hold together, set by moving their bars as a
// user would, so that the labels, the preview and Save As follow and moving
// the bars back undoes it.

#include "app/fretcard1.h"
#include "cutlines/connect.h"
#include "render/patternview.h"
#include "render/shapecontrol.h"
#include "ui/messagebox.h"
#include "ui/scrollbar.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

namespace {
const QString kNoLettersToJoin = QStringLiteral("There are no letters to join.");
} // namespace

void TForm1::CreateConnectLetters()
{
    auto *menu = qobject_cast<QMenu *>(ShowCutLines1->parent());
    const QList<QAction *> items = menu->actions();
    // After the last of the widths it works with.
    const qsizetype widths = items.indexOf(DrillSize1);
    QAction *before = widths >= 0 && widths + 1 < items.size() ? items[widths + 1] : nullptr;
    ConnectLetters1 = new QAction(QStringLiteral("Co&nnect Letters"), menu);
    menu->insertAction(before, ConnectLetters1);
    connect(ConnectLetters1, &QAction::triggered, this, m_guard.Guarded([this] { ConnectLetters1Click(); }));
}

void TForm1::ConnectLetters1Click()
{
    TBaseShape &view = *PatternView();
    const bool base = CheckBox3->isChecked();
    const TConnection connection = ConnectLetters([&](int kern) { return PatternLetters(view, base, kern); },
                                                  ScrollBar4->Position(), ConnectWidthsOf(m_stencil));
    if (connection.noLetters) {
        ShowMessage(DialogHost(), m_guard.ApplicationTitle(), kNoLettersToJoin);
        return;
    }
    if (!connection.kern) {
        ShowMessage(DialogHost(), m_guard.ApplicationTitle(), LettersApartText(connection) + QLatin1Char('.'));
        return;
    }
    ScrollBar7->setPosition(*connection.kern);
    if (connection.vpos)
        ScrollBar4->setPosition(*connection.vpos);
}
