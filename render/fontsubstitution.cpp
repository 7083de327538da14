#include "fontsubstitution.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutions()
{
    // The preset pattern face: a sturdy sans whose wide strokes survive the saw.
    QFont::insertSubstitutions(QStringLiteral("Fretcard Gothic"),
                               {QStringLiteral("DejaVu Sans")});
    // Interface faces with Arial-compatible metrics.
    for (const char *face : {"MS Sans Serif", "Tahoma", "Arial"})
        QFont::insertSubstitutions(QString::fromLatin1(face),
                                   {QStringLiteral("Liberation Sans")});
}
