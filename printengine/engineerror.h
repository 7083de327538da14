#pragma once
// The print engine component's failures: an operation found the document
// open when it had to be closed, or the other way round (and the kinds the
// engine interface reserves for values, templates and object handles).

#include "core/errors.h"

#include <cstdint>

class EPrintEngineError : public EFretcardError {
public:
    enum Kind : std::uint8_t {
        DocumentNotOpen = 0,
        DocumentOpen = 1,
        ValueNotRetrieved = 2,
        ValueNotSet = 3,
        TemplateNotLoaded = 4,
        InvalidObjectHandle = 5,
    };

    explicit EPrintEngineError(std::uint8_t kind);
    std::uint8_t kind() const { return m_kind; }

    static QString MessageFor(std::uint8_t kind);

private:
    std::uint8_t m_kind;
};
