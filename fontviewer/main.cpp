// The font viewer started by the Font Viewer button: shows every installed
// font family with a sample line the user can edit.
#include "fontviewerwindow.h"

#include <QApplication>
#include <QFontDatabase>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Font Viewer"));
    FontViewerWindow window(QFontDatabase::families());
    window.resize(900, 520);
    window.show();
    return app.exec();
}
