#include "ui/dialogs.h"

#include <QStringList>

TFileDialogBase::TFileDialogBase(TDialogHost &host, TFileDialogKind kind) : m_host(host)
{
    m_request.Kind = kind;
}

bool TFileDialogBase::Execute()
{
    TFileDialogRequest asked = m_request;
    if (!m_host.ExecuteFileDialog(asked))
        return false;
    m_request.FileName = asked.FileName;
    return true;
}

namespace {
constexpr int kDialogFontHeight = -11;
}

TFontDialog::TFontDialog(TDialogHost &host) : m_host(host)
{
    m_font.setName(QStringLiteral("MS Sans Serif"));
    m_font.setHeight(kDialogFontHeight);
    m_font.setStyle(0);
    m_font.setColor(clWindowText);
    m_font.setCharset(DEFAULT_CHARSET);
}

bool TFontDialog::Execute()
{
    TFont asked(m_font);
    if (!m_host.ExecuteFontDialog(asked))
        return false;
    m_font.Assign(asked);
    return true;
}

QString QtFileFilter(const QString &classicFilter)
{
    const QStringList parts = classicFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    // A description without patterns stays a filter of its own rather than
    // being dropped.
    if (parts.size() % 2 == 1 && !parts.back().isEmpty())
        filters << parts.back();
    return filters.join(QStringLiteral(";;"));
}
