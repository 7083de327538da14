#include "settingsobject.h"

void TSettingsObject::Change()
{
    if (!m_updating && OnChange)
        OnChange(this);
}

void TSettingsObject::EndUpdate(bool notify)
{
    m_updating = false;
    if (notify)
        Change();
}
