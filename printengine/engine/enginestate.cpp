#include "enginestate.h"

#include <QCoreApplication>

namespace fretprint {

EngineState &EngineState::Instance()
{
    static EngineState state;
    return state;
}

EngineState::~EngineState()
{
    // Widgets may only be destroyed while the application object exists; a
    // program that unloads us after that has already lost its windows.
    if (!QCoreApplication::instance()) {
        for (auto &entry : m_documents)
            (void)entry.second.release();
    }
}

Document *EngineState::open(QWidget *parent, const QString &title, std::int32_t flags)
{
    if (m_nextHandle <= 0) // wrapped after two billion documents
        m_nextHandle = 1;
    const EngineAbi::Doc handle = m_nextHandle++;
    auto document = std::make_unique<Document>(handle, parent, title, flags);
    Document *raw = document.get();
    m_documents.emplace(handle, std::move(document));
    return raw;
}

Document *EngineState::find(EngineAbi::Doc handle) const
{
    const auto it = m_documents.find(handle);
    return it == m_documents.end() ? nullptr : it->second.get();
}

bool EngineState::close(EngineAbi::Doc handle)
{
    const auto it = m_documents.find(handle);
    if (it == m_documents.end())
        return false;
    // Take it out of the registry first: the preview's teardown may call back.
    std::unique_ptr<Document> document = std::move(it->second);
    m_documents.erase(it);
    document.reset();
    return true;
}

} // namespace fretprint
