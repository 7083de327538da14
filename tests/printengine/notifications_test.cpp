// The engine's notifications reaching TPrintEngine's events, and the
// forwarding of size, keys, wheel and focus to the engine's windows.

#include "enginetestsupport.h"
#include "printengine/protocol/enginemessage.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>

namespace {

qintptr Send(QWidget *target, unsigned message, qintptr wParam = 0)
{
    EngineMessageEvent event(message, wParam);
    QCoreApplication::sendEvent(target, &event);
    return event.result();
}

// Stands in for the engine's preview and key windows.
class RecordingWindow : public QWidget {
public:
    using QWidget::QWidget;
    std::vector<int> keys;
    std::vector<Qt::KeyboardModifiers> wheelStates;
    bool acceptWheel = true;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys.push_back(event->key()); }
    void wheelEvent(QWheelEvent *event) override
    {
        wheelStates.push_back(event->modifiers());
        event->setAccepted(acceptWheel);
    }
};

QWheelEvent Wheel(Qt::KeyboardModifiers modifiers)
{
    return QWheelEvent(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, modifiers,
                       Qt::NoScrollPhase, false);
}

} // namespace

TEST_F(FakeEngineTest, RequestCloseAnswersFromTheHandler)
{
    EXPECT_EQ(Send(engine.get(), EngineMessage::RequestClose), 0);
    engine->OnRequestClose = [](TPrintEngine *, bool &canClose) { canClose = false; };
    EXPECT_EQ(Send(engine.get(), EngineMessage::RequestClose), 1);
    engine->OnRequestClose = [](TPrintEngine *, bool &canClose) { EXPECT_TRUE(canClose); };
    EXPECT_EQ(Send(engine.get(), EngineMessage::RequestClose), 0);
}

TEST_F(FakeEngineTest, PrintNotificationsHandTheirNumberInAndTheActionBack)
{
    EXPECT_EQ(Send(engine.get(), EngineMessage::RequestPrint, 3), 0);
    engine->OnRequestPrint = [](TPrintEngine *, int action, int &resulting) { resulting = action * 10; };
    engine->OnPrintNewPage = [](TPrintEngine *, int page, int &resulting) { resulting = page + 100; };
    engine->OnPrintDevData = [](TPrintEngine *, int page, int &resulting) { resulting = page + 200; };
    EXPECT_EQ(Send(engine.get(), EngineMessage::RequestPrint, 3), 30);
    EXPECT_EQ(Send(engine.get(), EngineMessage::PrintNewPage, 2), 102);
    EXPECT_EQ(Send(engine.get(), EngineMessage::PrintDevData, 4), 204);
}

TEST_F(FakeEngineTest, BeforeNotificationsCancelAndAfterNotificationsReportTheResult)
{
    std::vector<std::string> seen;
    auto cancelling = [&seen](const char *name) {
        return [&seen, name](TPrintEngine *, bool &cancel) {
            EXPECT_FALSE(cancel);
            seen.push_back(name);
            cancel = true;
        };
    };
    auto reporting = [&seen](const char *name) {
        return [&seen, name](TPrintEngine *, int result) { seen.push_back(name + std::to_string(result)); };
    };
    EXPECT_EQ(Send(engine.get(), EngineMessage::BeforeOpenFile), 0);
    EXPECT_EQ(Send(engine.get(), EngineMessage::BeforeSaveFile), 0);
    engine->OnBeforeMail = cancelling("mail");
    engine->OnBeforeOpenFile = cancelling("open");
    engine->OnBeforeSaveFile = cancelling("save");
    engine->OnAfterMail = reporting("mailed");
    engine->OnAfterOpenFile = reporting("opened");
    engine->OnAfterSaveFile = reporting("saved");
    EXPECT_EQ(Send(engine.get(), EngineMessage::BeforeMail), 1);
    EXPECT_EQ(Send(engine.get(), EngineMessage::BeforeOpenFile), 1);
    EXPECT_EQ(Send(engine.get(), EngineMessage::BeforeSaveFile), 1);
    EXPECT_EQ(Send(engine.get(), EngineMessage::AfterMail, 1), 0);
    EXPECT_EQ(Send(engine.get(), EngineMessage::AfterOpenFile, 0), 0);
    EXPECT_EQ(Send(engine.get(), EngineMessage::AfterSaveFile, 7), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"mail", "open", "save", "mailed1", "opened0", "saved7"}));
}

TEST_F(FakeEngineTest, SenderOnlyNotificationsCallTheirHandlers)
{
    std::vector<std::string> seen;
    auto record = [&seen, this](const char *name) {
        return [&seen, name, this](TPrintEngine *sender) {
            EXPECT_EQ(sender, engine.get());
            seen.push_back(name);
        };
    };
    engine->OnAutoPageBreak = record("break");
    engine->OnHelp = record("help");
    engine->OnCloseWindow = record("close");
    Send(engine.get(), EngineMessage::AutoPageBreak);
    Send(engine.get(), EngineMessage::Help);
    Send(engine.get(), EngineMessage::CloseWindow);
    Send(engine.get(), 0x0D09); // unknown: ignored
    EXPECT_EQ(seen, (std::vector<std::string>{"break", "help", "close"}));
}

TEST_F(FakeEngineTest, MailDisablesTheProgramsWindowsUntilTheEngineReportsBack)
{
    QWidget window;
    window.show();
    EXPECT_EQ(Send(engine.get(), EngineMessage::BeforeMail), 0);
    EXPECT_FALSE(window.isEnabled());
    Send(engine.get(), EngineMessage::AfterMail, 1);
    EXPECT_TRUE(window.isEnabled());

    // A document that dies mid-mail gives the windows back as well.
    OpenStored();
    Send(engine.get(), EngineMessage::BeforeMail);
    EXPECT_FALSE(window.isEnabled());
    Send(engine.get(), EngineMessage::DestroyWindow);
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(FakeEngineTest, HandlerErrorsDoNotEscapeIntoTheEventLoop)
{
    engine->OnHelp = [](TPrintEngine *) { throw EPrintEngineError(EPrintEngineError::DocumentNotOpen); };
    EXPECT_NO_THROW(Send(engine.get(), EngineMessage::Help));
}

TEST_F(FakeEngineTest, EmbeddedControlForwardsSizeKeysAndWheelToTheEngineWindows)
{
    QWidget host;
    host.resize(400, 300);
    auto *component = new TPrintEngine(loader.Table(), &host);
    component->SetExternalWindow(false);
    RecordingWindow preview(component);
    RecordingWindow keyWindow(component);
    fake->previewWindow = static_cast<QWidget *>(&preview);
    fake->keyWindow = static_cast<QWidget *>(&keyWindow);
    component->OpenDoc();
    host.show();
    TakeCalls();

    component->resize(321, 123);
    EXPECT_EQ(preview.geometry(), QRect(0, 0, 321, 123));

    QKeyEvent key(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(component, &key);
    EXPECT_EQ(keyWindow.keys, std::vector<int>{Qt::Key_Down});

    QWheelEvent shifted = Wheel(Qt::ShiftModifier);
    QCoreApplication::sendEvent(component, &shifted);
    QWheelEvent controlled = Wheel(Qt::ControlModifier);
    QCoreApplication::sendEvent(component, &controlled);
    QWheelEvent plain = Wheel(Qt::NoModifier);
    QCoreApplication::sendEvent(component, &plain);
    EXPECT_EQ(preview.wheelStates, (std::vector<Qt::KeyboardModifiers>{Qt::ControlModifier, Qt::NoModifier,
                                                                      Qt::NoModifier}));
    EXPECT_TRUE(plain.isAccepted());
    preview.acceptWheel = false;
    QWheelEvent refused = Wheel(Qt::NoModifier);
    QCoreApplication::sendEvent(component, &refused);
    EXPECT_FALSE(refused.isAccepted());

    QKeyEvent arrow(QEvent::ShortcutOverride, Qt::Key_Left, Qt::NoModifier);
    arrow.ignore();
    QCoreApplication::sendEvent(component, &arrow);
    EXPECT_TRUE(arrow.isAccepted()) << "the control wants the arrow keys";

    const Calls calls = TakeCalls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "GetKeyWindow(7)"), 1);
    component->CloseDoc();
    fake->previewWindow = fake->keyWindow = nullptr;
}

TEST_F(FakeEngineTest, ExternalModeForwardsNothingButFocus)
{
    RecordingWindow preview;
    preview.setFocusPolicy(Qt::StrongFocus);
    preview.show();
    fake->previewWindow = static_cast<QWidget *>(&preview);
    OpenStored();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QCoreApplication::sendEvent(engine.get(), &key);
    QWheelEvent wheel = Wheel(Qt::ShiftModifier);
    QCoreApplication::sendEvent(engine.get(), &wheel);
    engine->resize(50, 50);
    EXPECT_TRUE(TakeCalls().empty());
    EXPECT_TRUE(preview.keys.empty());
    EXPECT_TRUE(preview.wheelStates.empty());

    QFocusEvent focus(QEvent::FocusIn, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(engine.get(), &focus);
    EXPECT_EQ(TakeCalls(), Calls{"GetPreviewWindow(7)"});
    QApplication::processEvents(); // activation arrives through the platform
    EXPECT_EQ(QApplication::activeWindow(), &preview);
    EXPECT_EQ(QApplication::focusWidget(), &preview);
    engine->CloseDoc();
    fake->previewWindow = nullptr;
}
