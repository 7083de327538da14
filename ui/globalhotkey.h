#pragma once
// Application-wide keyboard shortcuts that work in every window of the
// program, even while a text box has the focus (Ctrl+C there focuses the
// Corners bar instead of copying). They never reach into other programs:
// nothing is grabbed on the desktop, the keys are taken from this
// application's own key events before the focused widget sees them.

#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;
class TGlobalHotKey;

// The 16-bit shortcut code: low byte the virtual-key code, plus modifier bits.
namespace ShortcutCode {
constexpr quint16 Shift = 0x2000;
constexpr quint16 Ctrl = 0x4000;
constexpr quint16 Alt = 0x8000;
constexpr quint16 VirtualKeyMask = 0x00FF;

// The key this code stands for, or a default-constructed combination with
// Qt::Key(0) when the virtual key has no counterpart here.
QKeyCombination ToKeyCombination(quint16 code);
} // namespace ShortcutCode

// The seven keys of the main window, in the order of GlobalHotKey1..7.
namespace BarHotKeys {
constexpr quint16 FontSize = 0x4046;    // Ctrl+F -> ScrollBar1
constexpr quint16 BlankWidth = 0x4057;  // Ctrl+W -> ScrollBar2
constexpr quint16 BlankHeight = 0x4048; // Ctrl+H -> ScrollBar3
constexpr quint16 VPos = 0x4054;        // Ctrl+T -> ScrollBar4
constexpr quint16 HPos = 0x4050;        // Ctrl+P -> ScrollBar6
constexpr quint16 Kerning = 0x404B;     // Ctrl+K -> ScrollBar7
constexpr quint16 Corners = 0x4043;     // Ctrl+C -> ScrollBar5
} // namespace BarHotKeys

// Gives `control` the keyboard focus and brings its window to the front when
// another window of the program is active. A hidden or disabled control
// cannot take the focus: EFretcardError "Cannot focus a disabled or invisible
// window" (the error box adds the full stop).
void FocusControl(QWidget *control);

// The one key table of an application. It watches the application's key
// events and hands a registered key to its owner. One registry serves every
// hot key of the application; it lives as a child of the application object.
class THotKeyRegistry : public QObject {
    Q_OBJECT
public:
    explicit THotKeyRegistry(QObject *parent = nullptr);
    ~THotKeyRegistry() override;

    // The application's registry, created on first use.
    static THotKeyRegistry *ForApplication();

    // False when the key is already taken or has no counterpart here.
    bool Register(TGlobalHotKey *owner, quint16 code);
    void Unregister(TGlobalHotKey *owner);
    TGlobalHotKey *OwnerOf(QKeyCombination key) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry {
        TGlobalHotKey *owner;
        QKeyCombination key;
    };
    QList<Entry> m_entries;
};

class TGlobalHotKey : public QObject {
    Q_OBJECT
public:
    using KeyDownHandler =
        std::function<void(TGlobalHotKey *sender, quint16 key, Qt::KeyboardModifiers shift)>;
    // Runs the handler; the main window passes its command guard so a failure
    // shows in the standard error box and never reaches Qt.
    using Guard = std::function<void(const std::function<void()> &command)>;

    explicit TGlobalHotKey(QObject *parent = nullptr, THotKeyRegistry *registry = nullptr);
    ~TGlobalHotKey() override;

    bool Active() const { return m_active; }
    void setActive(bool active);
    quint16 HotKey() const { return m_hotKey; }
    void setHotKey(quint16 code);

    // True while the key is in the registry; a refused key stays false.
    bool IsRegistered() const { return m_registered; }

    KeyDownHandler OnKeyDown;
    void setGuard(Guard guard) { m_guard = std::move(guard); }

    // Called by the registry when the key was pressed.
    void KeyPressed();

private:
    void RegisterKey(quint16 code);
    void UnregisterKey();

    QPointer<THotKeyRegistry> m_registry;
    Guard m_guard;
    quint16 m_hotKey = 0;
    bool m_active = true;
    bool m_registered = false;
};

// The message as the standard error box shows it, full stop added.
QString HotKeyErrorText(const QString &message);
// Without a guard from the main window: the standard error box.
void ShowHotKeyError(const QString &message);
