// The hot keys must not be grabbed on the desktop: another program that asks
// the X server for Ctrl+W (or any of the seven) still gets it while ours runs.
// The check runs this test binary again on a private X server (xvfb-run)
// with the real X11 platform, and asks that server for the keys through a
// connection of its own.
#include "support/xvfbprobe.h"
#include "ui/globalhotkey.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <dlfcn.h>

namespace {

const char *const kProbeVariable = "FRETCARD_DESKTOP_KEY_PROBE";

// The few Xlib calls the probe needs, looked up at run time so the tests do
// not link against X11.
struct XDisplay;
using XWindow = unsigned long;
struct XErrorEvent {
    int type;
    XDisplay *display;
    unsigned long resourceid;
    unsigned long serial;
    unsigned char error_code;
    unsigned char request_code;
    unsigned char minor_code;
};
using XErrorHandler = int (*)(XDisplay *, XErrorEvent *);
constexpr unsigned char kBadAccess = 10;
constexpr unsigned int kControlMask = 1 << 2;
constexpr int kGrabModeAsync = 1;

// Xlib reports errors through a plain function: it can only note them here.
unsigned char g_lastError = 0;
int NoteError(XDisplay *, XErrorEvent *event)
{
    g_lastError = event->error_code;
    return 0;
}

struct Xlib {
    void *library = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    template <typename F> F Get(const char *name) { return reinterpret_cast<F>(dlsym(library, name)); }
    XDisplay *(*OpenDisplay)(const char *) = Get<decltype(OpenDisplay)>("XOpenDisplay");
    int (*CloseDisplay)(XDisplay *) = Get<decltype(CloseDisplay)>("XCloseDisplay");
    XWindow (*DefaultRootWindow)(XDisplay *) = Get<decltype(DefaultRootWindow)>("XDefaultRootWindow");
    unsigned char (*KeysymToKeycode)(XDisplay *, unsigned long) =
        Get<decltype(KeysymToKeycode)>("XKeysymToKeycode");
    int (*GrabKey)(XDisplay *, int, unsigned int, XWindow, int, int, int) =
        Get<decltype(GrabKey)>("XGrabKey");
    int (*UngrabKey)(XDisplay *, int, unsigned int, XWindow) = Get<decltype(UngrabKey)>("XUngrabKey");
    int (*Sync)(XDisplay *, int) = Get<decltype(Sync)>("XSync");
    XErrorHandler (*SetErrorHandler)(XErrorHandler) = Get<decltype(SetErrorHandler)>("XSetErrorHandler");

    ~Xlib()
    {
        if (library)
            dlclose(library);
    }
    bool Loaded() const { return library && OpenDisplay && GrabKey && SetErrorHandler; }

    // True when the server lets `display` have Ctrl+letter: nobody else holds it.
    bool CanGrabCtrl(XDisplay *display, char letter)
    {
        const int keycode = KeysymToKeycode(display, static_cast<unsigned long>(letter));
        const XWindow root = DefaultRootWindow(display);
        g_lastError = 0;
        GrabKey(display, keycode, kControlMask, root, 0, kGrabModeAsync, kGrabModeAsync);
        Sync(display, 0);
        const bool granted = g_lastError != kBadAccess;
        UngrabKey(display, keycode, kControlMask, root);
        Sync(display, 0);
        return granted;
    }
};

} // namespace

TEST(HotKeyDesktopProbe, NoKeyIsGrabbedOnTheDesktop)
{
    if (qEnvironmentVariableIsEmpty(kProbeVariable))
        GTEST_SKIP() << "runs inside HotKeyDesktopTest on a private X server";
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    Xlib x;
    ASSERT_TRUE(x.Loaded());

    QWidget window;
    std::array<TGlobalHotKey *, 7> keys{};
    const std::array<quint16, 7> codes{BarHotKeys::FontSize, BarHotKeys::BlankWidth,
                                       BarHotKeys::BlankHeight, BarHotKeys::VPos,
                                       BarHotKeys::HPos, BarHotKeys::Kerning, BarHotKeys::Corners};
    for (size_t i = 0; i < keys.size(); ++i) {
        keys[i] = new TGlobalHotKey(&window);
        keys[i]->setHotKey(codes[i]);
        ASSERT_TRUE(keys[i]->IsRegistered());
    }
    window.show();
    window.activateWindow();
    QCoreApplication::processEvents();

    XDisplay *other = x.OpenDisplay(nullptr);
    XDisplay *third = x.OpenDisplay(nullptr);
    ASSERT_TRUE(other && third);
    const XErrorHandler previous = x.SetErrorHandler(NoteError);

    // The probe itself must see a grab when there is one.
    const int w = x.KeysymToKeycode(third, 'w');
    x.GrabKey(third, w, kControlMask, x.DefaultRootWindow(third), 0, kGrabModeAsync, kGrabModeAsync);
    x.Sync(third, 0);
    EXPECT_FALSE(x.CanGrabCtrl(other, 'w'));
    x.UngrabKey(third, w, kControlMask, x.DefaultRootWindow(third));
    x.Sync(third, 0);

    for (char letter : {'f', 'w', 'h', 't', 'p', 'k', 'c'})
        EXPECT_TRUE(x.CanGrabCtrl(other, letter)) << "Ctrl+" << letter << " is grabbed";

    x.SetErrorHandler(previous);
    x.CloseDisplay(third);
    x.CloseDisplay(other);
}

TEST(HotKeyDesktopTest, OtherProgramsKeepTheirKeys)
{
    if (!qEnvironmentVariableIsEmpty(kProbeVariable))
        GTEST_SKIP();
    const auto probe =
        RunProbeOnXvfb(kProbeVariable, QStringLiteral("-screen 0 640x480x24"), QStringLiteral("HotKeyDesktopProbe.*"));
    if (!probe)
        GTEST_SKIP() << "xvfb-run is not installed";
    ASSERT_TRUE(probe->finished) << "the probe did not finish";
    const QString &output = probe->output;
    EXPECT_EQ(probe->exitCode, 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}
