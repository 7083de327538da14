// The program: one application object, one main window, the message loop.

#include "app/fretcard1.h"
#include "render/fontsubstitution.h"

#include <QApplication>
#include <QTimer>

namespace {
// Lets the start-up benchmark time a start up to the first painted window.
constexpr char kExitAfterFirstPaint[] = "FRETCARD_EXIT_AFTER_FIRST_PAINT";
}

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    InstallFontSubstitutions();

    TForm1 form;
    if (qEnvironmentVariableIsSet(kExitAfterFirstPaint)) {
        QObject::connect(&form, &TForm1::SurfacePainted, &application,
                         [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
    }
    form.show();
    return application.exec();
}
