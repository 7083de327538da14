#include "app/commandline.h"

#include "app/fretcard1.h"

#include <QFileInfo>

std::optional<QString> PatternFileArgument(const QStringList &arguments)
{
    // arguments[0] is the program itself; Qt has already taken its own
    // options out of the list.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].isEmpty())
            return QFileInfo(arguments[i]).absoluteFilePath();
    }
    return std::nullopt;
}

void OpenPatternFileFromCommandLine(TForm1 &form, const QString &path)
{
    form.Guard().Run([&form, &path] { form.OpenChosenPatternFile(path); });
}
