#pragma once
// A text label that opens a web address when clicked, lighting up while the
// mouse is over it.

#include <QColor>
#include <QLabel>
#include <QUrl>

#include <functional>

enum TURLType { utHttp, utHttps, utFtp, utMailto, utFile, utNews, utCustom };

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    // Opens an address; false when nothing could open it.
    using Opener = std::function<bool(const QUrl &)>;

    explicit LinkLabel(QWidget *parent = nullptr);
    LinkLabel(const QString &caption, const QString &url, QWidget *parent = nullptr);

    QString URL() const { return m_url; }
    void setURL(const QString &url) { m_url = url; }
    TURLType URLType() const { return m_urlType; }
    void setURLType(TURLType type) { m_urlType = type; }
    QString CustomURLType() const { return m_customUrlType; }
    void setCustomURLType(const QString &prefix) { m_customUrlType = prefix; }
    bool DetectMouse() const { return m_detectMouse; }
    void setDetectMouse(bool detect);
    QColor ActiveColor() const { return m_activeColor; }
    void setActiveColor(const QColor &color);
    QColor InactiveColor() const { return m_inactiveColor; }
    void setInactiveColor(const QColor &color);
    bool UnderlineOnEnter() const { return m_underlineOnEnter; }
    void setUnderlineOnEnter(bool underline) { m_underlineOnEnter = underline; }

    // The type's prefix followed by URL.
    QUrl Address() const;
    // Opens Address(); emits OpenFailed when nothing could open it.
    void Open();
    void setOpener(Opener opener) { m_opener = std::move(opener); }

    bool IsHot() const { return m_hot; }

signals:
    void OpenFailed(const QUrl &address);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void ShowState(bool hot);

    QString m_url;
    TURLType m_urlType = utCustom;
    QString m_customUrlType;
    bool m_detectMouse = true;
    QColor m_activeColor = QColor(0, 0, 255);   // blue
    QColor m_inactiveColor = QColor(0, 0, 128); // navy
    bool m_underlineOnEnter = true;
    bool m_hot = false;
    bool m_pressed = false;
    Opener m_opener;
};
