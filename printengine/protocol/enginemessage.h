#pragma once
// The engine's notifications to the window it was given at open. They travel
// as a Qt event sent synchronously (QCoreApplication::sendEvent); the receiver
// writes its answer into result before the engine goes on.
//
// The class is header-only on purpose: the program and the engine library
// both use it without linking each other. Receivers test type() and then
// static_cast; no RTTI crosses the library boundary.

#include <QEvent>
#include <QtGlobal>

namespace EngineMessage {
inline constexpr unsigned DestroyWindow = 0x0D02;
inline constexpr unsigned RequestPrint = 0x0D03;
inline constexpr unsigned AutoPageBreak = 0x0D04;
inline constexpr unsigned PrintNewPage = 0x0D05;
inline constexpr unsigned PrintDevData = 0x0D06;
inline constexpr unsigned Help = 0x0D07;
inline constexpr unsigned CloseWindow = 0x0D08;
inline constexpr unsigned BeforeMail = 0x0D0B;
inline constexpr unsigned AfterMail = 0x0D0C;
inline constexpr unsigned RequestClose = 0x0D0D;
inline constexpr unsigned BeforeOpenFile = 0x0D13;
inline constexpr unsigned AfterOpenFile = 0x0D14;
inline constexpr unsigned BeforeSaveFile = 0x0D15;
inline constexpr unsigned AfterSaveFile = 0x0D16;
} // namespace EngineMessage

class EngineMessageEvent : public QEvent {
public:
    // A fixed number in the user range: both libraries must agree on it
    // without a registration call.
    static constexpr QEvent::Type kType = static_cast<QEvent::Type>(QEvent::User + 0x0D00);

    EngineMessageEvent(unsigned message, qintptr wParam)
        : QEvent(kType), m_message(message), m_wParam(wParam)
    {
    }

    unsigned message() const { return m_message; }
    qintptr wParam() const { return m_wParam; }
    qintptr result() const { return m_result; }
    void setResult(qintptr result) { m_result = result; }

private:
    unsigned m_message;
    qintptr m_wParam;
    qintptr m_result = 0;
};
