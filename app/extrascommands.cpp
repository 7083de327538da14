// The small extras of the main window: seven hot keys that put the focus on
// a settings bar, the Font Viewer button, the about box, the two web links
// and the donation chime. The components do the work; the window only
// creates them with their stored values and hands each command on.

#include "app/fretcard1.h"

#include "ui/aboutdlg.h"
#include "ui/globalhotkey.h"
#include "ui/linklabel.h"
#include "ui/links.h"
#include "ui/messagebox.h"
#include "ui/panel.h"
#include "ui/scrollbar.h"
#include "ui/starter.h"
#include "ui/wavecomp.h"

#include <QUrl>

#include <functional>
#include <tuple>

namespace {
const QString kFontViewerCommand = QStringLiteral("fontviewer");
const QString kLinkFace = QStringLiteral("Tahoma");
constexpr int kLinkFontPixels = 11;

LinkLabel *MakeLink(const QString &caption, const char *address, TPanel *panel)
{
    auto *link = new LinkLabel(caption, QString::fromLatin1(address), panel);
    link->setURLType(utCustom);
    link->setCustomURLType(QString());
    QFont face(kLinkFace);
    face.setPixelSize(kLinkFontPixels);
    link->setFont(face);
    link->adjustSize();
    // Only the words are the link, not the whole panel.
    link->move(panel->rect().center() - link->rect().center());
    return link;
}
} // namespace

void TForm1::CreateExtras()
{
    using Handler = void (TForm1::*)(QObject *, int, Qt::KeyboardModifiers);
    const std::tuple<TGlobalHotKey **, quint16, Handler> hotKeys[] = {
        {&GlobalHotKey1, BarHotKeys::FontSize, &TForm1::GlobalHotKey1KeyDown},
        {&GlobalHotKey2, BarHotKeys::BlankWidth, &TForm1::GlobalHotKey2KeyDown},
        {&GlobalHotKey3, BarHotKeys::BlankHeight, &TForm1::GlobalHotKey3KeyDown},
        {&GlobalHotKey4, BarHotKeys::VPos, &TForm1::GlobalHotKey4KeyDown},
        {&GlobalHotKey5, BarHotKeys::HPos, &TForm1::GlobalHotKey5KeyDown},
        {&GlobalHotKey6, BarHotKeys::Kerning, &TForm1::GlobalHotKey6KeyDown},
        {&GlobalHotKey7, BarHotKeys::Corners, &TForm1::GlobalHotKey7KeyDown},
    };
    for (const auto &[slot, code, handler] : hotKeys) {
        auto *hotKey = new TGlobalHotKey(this);
        hotKey->setGuard([this](const std::function<void()> &command) { m_guard.Run(command); });
        hotKey->OnKeyDown = [this, handler](TGlobalHotKey *sender, quint16 key, Qt::KeyboardModifiers shift) {
            (this->*handler)(sender, key, shift);
        };
        hotKey->setHotKey(code);
        *slot = hotKey;
    }

    Starter1 = new TStarter(this);
    Starter1->setCommand(kFontViewerCommand);
    Starter1->setParameters(QString());
    Starter1->setStartOperation(smOpen);
    Starter1->setStartOption(soSW_SHOW);
    Starter1->setWait(false);

    AboutDlg1 = new TAboutDlg(this);
    SetUpProgramAbout(*AboutDlg1);

    WaveComp1 = new TWaveComp(this);
    WaveComp1->setWave(DonationWave());

    LinkLabel1 = MakeLink(QStringLiteral("Kerfhaven"), Links::WebLog, LinkPanel1);
    LinkLabel2 = MakeLink(QStringLiteral("Donation"), Links::Donation, LinkPanel2);
    // A click that opens nothing would otherwise look like a dead label.
    for (LinkLabel *link : {LinkLabel1, LinkLabel2}) {
        connect(link, &LinkLabel::OpenFailed, this, [this](const QUrl &address) {
            ShowErrorBox(*m_host, m_guard.ApplicationTitle(),
                         QStringLiteral("Cannot open %1: no program on this system opens web pages")
                             .arg(address.toDisplayString()));
        });
    }
}

// --- Hot keys ----------------------------------------------------------------

void TForm1::GlobalHotKey1KeyDown(QObject *, int, Qt::KeyboardModifiers) { FocusControl(ScrollBar1); }
void TForm1::GlobalHotKey2KeyDown(QObject *, int, Qt::KeyboardModifiers) { FocusControl(ScrollBar2); }
void TForm1::GlobalHotKey3KeyDown(QObject *, int, Qt::KeyboardModifiers) { FocusControl(ScrollBar3); }
void TForm1::GlobalHotKey4KeyDown(QObject *, int, Qt::KeyboardModifiers) { FocusControl(ScrollBar4); }
void TForm1::GlobalHotKey5KeyDown(QObject *, int, Qt::KeyboardModifiers) { FocusControl(ScrollBar6); }
void TForm1::GlobalHotKey6KeyDown(QObject *, int, Qt::KeyboardModifiers) { FocusControl(ScrollBar7); }
void TForm1::GlobalHotKey7KeyDown(QObject *, int, Qt::KeyboardModifiers) { FocusControl(ScrollBar5); }

// --- Commands ------------------------------------------------------------------

void TForm1::Button7Click()
{
    // A missing viewer throws; the guard shows the one message and nothing
    // else has changed by then.
    StartFontViewer(*Starter1);
}

void TForm1::About2Click()
{
    AboutDlg1->Execute(this);
}

void TForm1::Image2Click()
{
    WaveComp1->Play();
}
