#include "globalhotkey.h"

#include "core/errors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>

namespace ShortcutCode {
namespace {
// Virtual-key codes of the keys a shortcut can sensibly use.
constexpr int VkBack = 0x08, VkTab = 0x09, VkReturn = 0x0D, VkEscape = 0x1B, VkSpace = 0x20;
constexpr int VkPageUp = 0x21, VkPageDown = 0x22, VkEnd = 0x23, VkHome = 0x24;
constexpr int VkLeft = 0x25, VkUp = 0x26, VkRight = 0x27, VkDown = 0x28;
constexpr int VkInsert = 0x2D, VkDelete = 0x2E;
constexpr int Vk0 = 0x30, Vk9 = 0x39, VkA = 0x41, VkZ = 0x5A, VkF1 = 0x70, VkF24 = 0x87;

Qt::Key KeyForVirtualKey(int vk)
{
    // Digits and letters share their codes with Qt's keys.
    if ((vk >= Vk0 && vk <= Vk9) || (vk >= VkA && vk <= VkZ))
        return Qt::Key(vk);
    if (vk >= VkF1 && vk <= VkF24)
        return Qt::Key(Qt::Key_F1 + (vk - VkF1));
    switch (vk) {
    case VkBack: return Qt::Key_Backspace;
    case VkTab: return Qt::Key_Tab;
    case VkReturn: return Qt::Key_Return;
    case VkEscape: return Qt::Key_Escape;
    case VkSpace: return Qt::Key_Space;
    case VkPageUp: return Qt::Key_PageUp;
    case VkPageDown: return Qt::Key_PageDown;
    case VkEnd: return Qt::Key_End;
    case VkHome: return Qt::Key_Home;
    case VkLeft: return Qt::Key_Left;
    case VkUp: return Qt::Key_Up;
    case VkRight: return Qt::Key_Right;
    case VkDown: return Qt::Key_Down;
    case VkInsert: return Qt::Key_Insert;
    case VkDelete: return Qt::Key_Delete;
    default: return Qt::Key(0);
    }
}
} // namespace

QKeyCombination ToKeyCombination(quint16 code)
{
    const Qt::Key key = KeyForVirtualKey(code & VirtualKeyMask);
    if (key == Qt::Key(0))
        return QKeyCombination(Qt::Key(0));
    Qt::KeyboardModifiers modifiers;
    if (code & Shift)
        modifiers |= Qt::ShiftModifier;
    if (code & Ctrl)
        modifiers |= Qt::ControlModifier;
    if (code & Alt)
        modifiers |= Qt::AltModifier;
    return QKeyCombination(modifiers, key);
}
} // namespace ShortcutCode

void FocusControl(QWidget *control)
{
    if (!control->isVisible() || !control->isEnabled())
        throw EFretcardError(QStringLiteral("Cannot focus a disabled or invisible window"));
    control->setFocus(Qt::ShortcutFocusReason);
    QWidget *window = control->window();
    if (!window->isActiveWindow()) {
        window->raise();
        window->activateWindow();
    }
}

// ---------------------------------------------------------------------------

namespace {
constexpr Qt::KeyboardModifiers kShortcutModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
const char *const kRegistryName = "fretcard_hotkey_registry";

QKeyCombination ShortcutOf(const QKeyEvent *event)
{
    return QKeyCombination(event->modifiers() & kShortcutModifiers, Qt::Key(event->key()));
}
} // namespace

THotKeyRegistry::THotKeyRegistry(QObject *parent) : QObject(parent)
{
    if (qApp)
        qApp->installEventFilter(this);
}

THotKeyRegistry::~THotKeyRegistry()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

THotKeyRegistry *THotKeyRegistry::ForApplication()
{
    Q_ASSERT(qApp);
    auto *registry = qApp->findChild<THotKeyRegistry *>(QLatin1String(kRegistryName),
                                                       Qt::FindDirectChildrenOnly);
    if (!registry) {
        registry = new THotKeyRegistry(qApp);
        registry->setObjectName(QLatin1String(kRegistryName));
    }
    return registry;
}

bool THotKeyRegistry::Register(TGlobalHotKey *owner, quint16 code)
{
    const QKeyCombination key = ShortcutCode::ToKeyCombination(code);
    if (key.key() == Qt::Key(0) || OwnerOf(key))
        return false;
    m_entries.append({owner, key});
    return true;
}

void THotKeyRegistry::Unregister(TGlobalHotKey *owner)
{
    m_entries.removeIf([owner](const Entry &entry) { return entry.owner == owner; });
}

TGlobalHotKey *THotKeyRegistry::OwnerOf(QKeyCombination key) const
{
    for (const Entry &entry : m_entries)
        if (entry.key == key)
            return entry.owner;
    return nullptr;
}

bool THotKeyRegistry::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    // A modal dialog (file, font, message box) keeps its keys: the main
    // window is blocked behind it and cannot take the focus anyway.
    if (QApplication::activeModalWidget())
        return false;
    TGlobalHotKey *owner = OwnerOf(ShortcutOf(static_cast<QKeyEvent *>(event)));
    if (!owner)
        return false;
    if (type == QEvent::ShortcutOverride) {
        // Claim the key so no menu or widget shortcut fires; the key press
        // that follows comes back here and is handled once.
        event->accept();
        return true;
    }
    owner->KeyPressed();
    return true;
}

// ---------------------------------------------------------------------------

TGlobalHotKey::TGlobalHotKey(QObject *parent, THotKeyRegistry *registry)
    : QObject(parent), m_registry(registry ? registry : THotKeyRegistry::ForApplication())
{
}

TGlobalHotKey::~TGlobalHotKey()
{
    setHotKey(0);
}

void TGlobalHotKey::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (!active)
        UnregisterKey();
    else if (m_hotKey != 0)
        RegisterKey(m_hotKey);
}

void TGlobalHotKey::setHotKey(quint16 code)
{
    if (code == m_hotKey)
        return;
    if (m_active) {
        UnregisterKey();
        if (code != 0)
            RegisterKey(code);
    }
    m_hotKey = code;
}

void TGlobalHotKey::RegisterKey(quint16 code)
{
    // A key that is already taken is ignored: this one then does nothing.
    m_registered = m_registry && m_registry->Register(this, code);
}

void TGlobalHotKey::UnregisterKey()
{
    if (m_registered && m_registry)
        m_registry->Unregister(this);
    m_registered = false;
}

void TGlobalHotKey::KeyPressed()
{
    if (!OnKeyDown)
        return;
    const quint16 key = m_hotKey & ShortcutCode::VirtualKeyMask;
    const Qt::KeyboardModifiers shift = ShortcutCode::ToKeyCombination(m_hotKey).keyboardModifiers();
    const auto command = [this, key, shift] { OnKeyDown(this, key, shift); };
    if (m_guard) {
        m_guard(command);
        return;
    }
    try {
        command();
    } catch (const std::exception &error) {
        ShowHotKeyError(QString::fromUtf8(error.what()));
    }
}

QString HotKeyErrorText(const QString &message)
{
    // Like the classic error box: a full stop after a message whose last
    // character sorts after it (letters, digits), none after one that has it.
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowHotKeyError(const QString &message)
{
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                          HotKeyErrorText(message));
}
