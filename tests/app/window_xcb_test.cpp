// The main window on a real X server: where it opens, how a disabled switch
// looks, and the text box taking the focus back when the window is
// uncovered. These live in the window system, which the offscreen platform
// only imitates, so the checks run this test binary again under xvfb-run
// with the X11 platform, once on a large screen and once on a small one.
#include "app/fretcard1.h"
#include "support/scripteddialoghost.h"
#include "support/xvfbprobe.h"
#include "ui/scrollbar.h"

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace {

const char *const kProbeVariable = "FRETCARD_WINDOW_PROBE";
constexpr QRgb kGreyText = 0xFF6D6D6D; // the fixed "grey text" colour, 109 109 109

bool Probing() { return !qEnvironmentVariableIsEmpty(kProbeVariable); }

void WaitFor(const std::function<bool()> &done)
{
    const QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

class WindowProbe : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!Probing())
            GTEST_SKIP() << "runs inside WindowOnAnXServer on a private X server";
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        form.show();
        WaitFor([this] { return form.windowHandle() && form.windowHandle()->isExposed(); });
        ASSERT_TRUE(form.windowHandle()->isExposed());
    }

    TScriptedDialogHost host;
    TForm1 form{&host};
};

// The darkest pixel: the text's full-coverage colour (edges are smoothed).
QRgb Darkest(const QImage &image)
{
    QRgb darkest = 0xFFFFFFFF;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < qGray(darkest))
                darkest = image.pixel(x, y) | 0xFF000000;
    return darkest;
}

} // namespace

TEST_F(WindowProbe, OpensCentredWithItsTopLeftOnTheScreen)
{
    const QRect available = form.screen()->availableGeometry();
    const QRect frame = form.frameGeometry();
    EXPECT_GE(frame.left(), available.left());
    EXPECT_GE(frame.top(), available.top());
    if (frame.width() <= available.width())
        EXPECT_NEAR(frame.center().x(), available.center().x(), 1);
    else
        EXPECT_EQ(frame.left(), available.left());
    if (frame.height() <= available.height())
        EXPECT_NEAR(frame.center().y(), available.center().y(), 1);
    else
        EXPECT_EQ(frame.top(), available.top());
}

TEST_F(WindowProbe, DisabledMultilineIsWrittenInGreyText)
{
    EXPECT_EQ(Darkest(form.CheckBox1->grab().toImage()), qRgb(0, 0, 0));
    form.CheckBox3->setChecked(true); // Base on disables Multiline
    ASSERT_FALSE(form.CheckBox1->isEnabled());
    EXPECT_EQ(Darkest(form.CheckBox1->grab().toImage()), kGreyText);
}

TEST_F(WindowProbe, UncoveringTheWindowGivesTheTextBoxTheFocusWithItsTextSelected)
{
    form.activateWindow();
    form.ScrollBar2->setFocus();
    form.Edit1->deselect();
    QCoreApplication::processEvents();
    ASSERT_EQ(form.focusWidget(), form.ScrollBar2);

    QWidget cover;
    cover.setWindowFlag(Qt::X11BypassWindowManagerHint);
    cover.setGeometry(form.geometry());
    cover.show();
    WaitFor([&] { return cover.windowHandle()->isExposed(); });
    form.ScrollBar2->setFocus();
    cover.hide();
    WaitFor([this] { return form.focusWidget() == form.Edit1; });
    EXPECT_EQ(form.focusWidget(), form.Edit1);
    EXPECT_EQ(form.Edit1->selectedText(), "Scroll Saw");
}

// A screen larger than the window, and one smaller than it, as with a
// desktop scale factor of 2.
TEST(WindowOnAnXServer, PassesTheWindowChecksOnALargeAndASmallScreen)
{
    if (Probing())
        GTEST_SKIP();
    for (const char *screen : {"-screen 0 1280x1024x24", "-screen 0 800x600x24"}) {
        const auto probe = RunProbeOnXvfb(kProbeVariable, QString::fromLatin1(screen), QStringLiteral("WindowProbe.*"));
        if (!probe)
            GTEST_SKIP() << "xvfb-run is not installed";
        ASSERT_TRUE(probe->finished) << "the probe did not finish";
        const QString &output = probe->output;
        EXPECT_EQ(probe->exitCode, 0) << screen << "\n" << output.toStdString();
        EXPECT_FALSE(output.contains(QStringLiteral("[  FAILED  ]"))) << output.toStdString();
        EXPECT_FALSE(output.contains(QStringLiteral("[  SKIPPED ]"))) << output.toStdString();
    }
}
