#include "linklabel.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QFontDatabase>
#include <QMouseEvent>

namespace {

constexpr int kDefaultFontPixels = 11;

QString DefaultFace()
{
    return QFontDatabase::hasFamily(QStringLiteral("Tahoma")) ? QStringLiteral("Tahoma")
                                                              : QStringLiteral("Arial");
}

QString PrefixOf(TURLType type, const QString &custom)
{
    switch (type) {
    case utHttp: return QStringLiteral("http://");
    case utHttps: return QStringLiteral("https://");
    case utFtp: return QStringLiteral("ftp://");
    case utMailto: return QStringLiteral("mailto:");
    case utFile: return QStringLiteral("file://");
    case utNews: return QStringLiteral("news:");
    case utCustom: return custom;
    }
    return custom;
}

} // namespace

LinkLabel::LinkLabel(QWidget *parent)
    : QLabel(parent), m_opener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    QFont face(DefaultFace());
    face.setPixelSize(kDefaultFontPixels);
    setFont(face);
    setCursor(Qt::PointingHandCursor);
    ShowState(false);
}

LinkLabel::LinkLabel(const QString &caption, const QString &url, QWidget *parent)
    : LinkLabel(parent)
{
    setText(caption);
    m_url = url;
}

void LinkLabel::setDetectMouse(bool detect)
{
    m_detectMouse = detect;
    if (!detect)
        ShowState(false);
}

void LinkLabel::setActiveColor(const QColor &color)
{
    m_activeColor = color;
    ShowState(m_hot);
}

void LinkLabel::setInactiveColor(const QColor &color)
{
    m_inactiveColor = color;
    ShowState(m_hot);
}

QUrl LinkLabel::Address() const
{
    return QUrl(PrefixOf(m_urlType, m_customUrlType) + m_url);
}

void LinkLabel::Open()
{
    const QUrl address = Address();
    if (!address.isValid() || address.isEmpty() || !m_opener(address))
        emit OpenFailed(address);
}

void LinkLabel::enterEvent(QEnterEvent *event)
{
    if (m_detectMouse)
        ShowState(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent *event)
{
    if (m_detectMouse)
        ShowState(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release on the label, as with a button.
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Open();
}

void LinkLabel::ShowState(bool hot)
{
    m_hot = hot;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, hot ? m_activeColor : m_inactiveColor);
    setPalette(colours);
    QFont face = font();
    face.setUnderline(hot && m_underlineOnEnter);
    setFont(face);
}
