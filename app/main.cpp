// The program: one application object, the print engine library, one main
// window, the message loop.

#include "app/commandline.h"
#include "app/fretcard1.h"
#include "app/printcommands_startup.h"
#include "printengine/printengineloader.h"
#include "render/fontsubstitution.h"
#include "ui/qtdialoghost.h"

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
    const std::optional<QString> patternFile = PatternFileArgument(QCoreApplication::arguments());

    // Declared before the window, so released after it: the window's engine
    // component still closes an open document through the library while it
    // is destroyed.
    PrintEngineLoader printEngine;
    {
        TQtDialogHost ownerlessHost;
        LoadPrintEngineAtStartup(printEngine, QCoreApplication::applicationDirPath(), ownerlessHost);
    }

    // Every window of the program, the print preview included, shows its icon.
    QApplication::setWindowIcon(ProgramIcon());
    TForm1 form(nullptr, nullptr, &printEngine);
    if (qEnvironmentVariableIsSet(kExitAfterFirstPaint)) {
        QObject::connect(&form, &TForm1::SurfacePainted, &application,
                         [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
    }
    form.show();
    if (patternFile) {
        // Once the window is up, so that an error box has its window.
        QTimer::singleShot(0, &form, [&form, &patternFile] { OpenPatternFileFromCommandLine(form, *patternFile); });
    }
    return application.exec();
}
