#pragma once
// The window's common dialogs as objects with the classic properties. Execute
// asks the dialog host, so the same command code runs against real Qt
// dialogs and against scripted answers in tests.

#include "render/font.h"
#include "ui/dialoghost.h"

#include <QString>
#include <memory>

class TFileDialogBase {
public:
    const QString &FileName() const { return m_request.FileName; }
    void setFileName(const QString &value) { m_request.FileName = value; }
    const QString &Filter() const { return m_request.Filter; }
    void setFilter(const QString &value) { m_request.Filter = value; }
    const QString &Title() const { return m_request.Title; }
    void setTitle(const QString &value) { m_request.Title = value; }
    const QString &InitialDir() const { return m_request.InitialDir; }
    void setInitialDir(const QString &value) { m_request.InitialDir = value; }

    // Shows the dialog; true on OK, with FileName holding the full path.
    // On Cancel every property keeps its value.
    bool Execute();

protected:
    TFileDialogBase(TDialogHost &host, TFileDialogKind kind);

private:
    TDialogHost &m_host;
    TFileDialogRequest m_request;
};

class TOpenDialog : public TFileDialogBase {
public:
    explicit TOpenDialog(TDialogHost &host) : TFileDialogBase(host, TFileDialogKind::Open) {}
};

class TSaveDialog : public TFileDialogBase {
public:
    explicit TSaveDialog(TDialogHost &host) : TFileDialogBase(host, TFileDialogKind::Save) {}
};

// The font dialog remembers its own font: it opens on the font last chosen
// in it ("MS Sans Serif" at 11 px the first time), never on the pattern's.
class TFontDialog {
public:
    explicit TFontDialog(TDialogHost &host);

    TFont &Font() { return m_font; }
    const TFont &Font() const { return m_font; }

    // True on OK, with Font holding the choice; Cancel keeps Font as it was.
    bool Execute();

private:
    TDialogHost &m_host;
    TFont m_font;
};

// "BMP file|*.bmp|All|*.*" -> "BMP file (*.bmp);;All (*.*)", the form Qt's
// file dialog understands.
QString QtFileFilter(const QString &classicFilter);
