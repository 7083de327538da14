#include "printengineloader.h"

#include "core/privatefolder.h"

#include <QCoreApplication>
#include <QDir>

PrintEngineLoader::PrintEngineLoader() = default;

PrintEngineLoader::~PrintEngineLoader()
{
    if (m_loaded && m_library) {
        // A preview window the user closed last may still wait for its
        // deferred deletion; its code must run before the library goes.
        if (QCoreApplication::instance())
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_table.clear();
        m_library->unload();
    }
}

QString PrintEngineLoader::FileName() const { return m_library ? m_library->fileName() : QString(); }

std::optional<PrintEngineLoadFailure> PrintEngineLoader::Load(const QString &programFolder,
                                                              const QString &libraryName)
{
    if (m_attempted)
        return std::nullopt;
    m_attempted = true;
    m_loaded = false;
    m_table.clear();

    QString error;
    if (!open(programFolder, libraryName, &error)) {
        PrintEngineLoadFailure failure;
        failure.detail = error;
        return failure;
    }
    auto entry = reinterpret_cast<EngineAbi::EntryFunction>(m_library->resolve(EngineAbi::kEntryName));
    if (!entry) {
        PrintEngineLoadFailure failure;
        failure.detail = m_library->errorString();
        m_library->unload();
        m_library.reset();
        return failure;
    }
    fillTable(entry);
    m_loaded = true;
    return std::nullopt;
}

bool PrintEngineLoader::open(const QString &programFolder, const QString &libraryName, QString *error)
{
    // Our own folder first (the build folder), then the installed program's
    // private library folder, so that the engine built with the program wins
    // over any other copy on the system.
    QStringList candidates;
    if (!programFolder.isEmpty()) {
        const QDir folder(programFolder);
        candidates << folder.filePath(libraryName)
                   << QDir(PrivateProgramFolder(programFolder)).filePath(libraryName);
    }
    candidates << libraryName;
    for (const QString &candidate : candidates) {
        auto library = std::make_unique<QLibrary>(candidate);
        if (library->load()) {
            m_library = std::move(library);
            return true;
        }
        *error = library->errorString();
    }
    return false;
}

void PrintEngineLoader::fillTable(EngineAbi::EntryFunction entry)
{
    for (int ordinal = EngineAbi::kFirstOrdinal; ordinal <= EngineAbi::kLastOrdinal; ++ordinal)
        m_table.set(ordinal, entry(ordinal));
}
