#pragma once
// Base of every settings object: setters compare, store and report one
// change to the owner; a single-flag bracket suppresses the report.

#include <functional>

class TSettingsObject {
public:
    virtual ~TSettingsObject() = default;

    std::function<void(TSettingsObject *sender)> OnChange;

    void Change();
    void BeginUpdate() { m_updating = true; }
    void EndUpdate(bool notify);
    bool Updating() const { return m_updating; }

protected:
    TSettingsObject() = default;
    // Owned objects are never copied as a whole: the owner's handler must stay.
    TSettingsObject(const TSettingsObject &) {}
    TSettingsObject &operator=(const TSettingsObject &) { return *this; }

    // Compare, store and notify: the rule every property setter follows.
    template <typename T, typename U>
    void SetProperty(T &field, const U &value)
    {
        if (field == value)
            return;
        field = value;
        Change();
    }

private:
    bool m_updating = false;
};
