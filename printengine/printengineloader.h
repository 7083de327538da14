#pragma once
// Opens the engine library at start-up and fills the engine table from it.
//
// The program owns one loader for its whole run, created before the main
// window and destroyed after it: the library is released in the destructor,
// so the component (which calls the engine while it is destroyed) must be
// gone by then. The loader never shows anything; the program shows the
// failure it reports.

#include "enginetable.h"

#include <QLibrary>
#include <QString>

#include <memory>
#include <optional>

struct PrintEngineLoadFailure {
    QString text = QStringLiteral("Could not load print engine library!");
    QString caption = QStringLiteral("Print Engine");
    bool errorIcon = true;
    QString detail; // the system's reason, for diagnostics
};

class PrintEngineLoader {
public:
    static constexpr const char *kLibraryName = "fretprint";

    PrintEngineLoader();
    ~PrintEngineLoader();
    PrintEngineLoader(const PrintEngineLoader &) = delete;
    PrintEngineLoader &operator=(const PrintEngineLoader &) = delete;

    // Looks in programFolder first, then in the installed program's private
    // library folder beside it, then the system's library search. Only
    // the first call loads; it returns the failure to show, later calls
    // return nothing, so the message appears once.
    std::optional<PrintEngineLoadFailure> Load(const QString &programFolder,
                                               const QString &libraryName = QString::fromLatin1(kLibraryName));

    bool Loaded() const { return m_loaded; }
    const EngineTable &Table() const { return m_table; }
    QString FileName() const;

private:
    bool open(const QString &programFolder, const QString &libraryName, QString *error);
    void fillTable(EngineAbi::EntryFunction entry);

    EngineTable m_table;
    std::unique_ptr<QLibrary> m_library;
    bool m_loaded = false;
    bool m_attempted = false;
};
