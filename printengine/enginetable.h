#pragma once
// The engine's functions by ordinal: entry i holds ordinal 50 + i. An entry
// the library does not provide stays empty, and callers ask before calling.

#include "printengine/protocol/enginefunctions.h"

#include <array>

class EngineTable {
public:
    static constexpr int kSize = EngineAbi::kOrdinalCount;

    EngineAbi::Proc entry(int ordinal) const
    {
        if (ordinal < EngineAbi::kFirstOrdinal || ordinal > EngineAbi::kLastOrdinal)
            return nullptr;
        return m_entries[ordinal - EngineAbi::kFirstOrdinal];
    }

    // The entry as its real function type; nullptr when it is empty.
    template <typename Function>
    Function function(int ordinal) const
    {
        return reinterpret_cast<Function>(entry(ordinal));
    }

    void set(int ordinal, EngineAbi::Proc proc) { m_entries[ordinal - EngineAbi::kFirstOrdinal] = proc; }
    void clear() { m_entries.fill(nullptr); }

    int filledCount() const
    {
        int count = 0;
        for (EngineAbi::Proc proc : m_entries)
            count += proc != nullptr;
        return count;
    }

private:
    std::array<EngineAbi::Proc, kSize> m_entries{};
};
