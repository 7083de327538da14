#pragma once
// The engine's open documents, by handle.
//
// A C interface hands out plain integer handles, so the library keeps one
// registry for the process; it lives in a function-local object created on
// first use and torn down when the library is unloaded.

#include "document.h"

#include <map>
#include <memory>

namespace fretprint {

class EngineState {
public:
    static EngineState &Instance();

    Document *open(QWidget *parent, const QString &title, std::int32_t flags);
    Document *find(EngineAbi::Doc handle) const;
    // Destroys the document and its preview window; false for an unknown handle.
    bool close(EngineAbi::Doc handle);

    ~EngineState();

private:
    EngineState() = default;
    std::map<EngineAbi::Doc, std::unique_ptr<Document>> m_documents;
    EngineAbi::Doc m_nextHandle = 1;
};

} // namespace fretprint
