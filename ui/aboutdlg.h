#pragma once
// The about box: program name, version, maker, a mail link and a few facts
// about the running system, read fresh each time the box opens.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QWidget;
class QUrl;

struct SystemInfo {
    qint64 availableMemoryKB = -1; // -1 when the system does not say
    int processorCount = 0;
    QString processorKind; // e.g. "x86_64"
};

// "MemAvailable:" from the text of /proc/meminfo ("MemFree:" on kernels that
// predate it), in KB; -1 when neither is there.
qint64 ParseMemAvailableKB(const QByteArray &meminfo);
SystemInfo ReadSystemInfo();
// The two values as the box shows them.
QString FormatAvailableMemory(const SystemInfo &info);
QString FormatPlatform(const SystemInfo &info);

enum TRelatePos { brScreen, brMainForm };
enum TBoxPosition { bpCenter, bpDefault };
enum TAboutStyle { bsStandard };
enum TIconStyle { isNone, isStandard, isExtended };

class TAboutDlg : public QObject {
    Q_OBJECT
public:
    using Opener = std::function<bool(const QUrl &)>;

    explicit TAboutDlg(QObject *parent = nullptr);

    QString CaptionTitle() const { return m_captionTitle; }
    void setCaptionTitle(const QString &text) { m_captionTitle = text; }
    QString Appname() const { return m_appName; }
    void setAppname(const QString &text) { m_appName = text; }
    QString Version() const { return m_version; }
    void setVersion(const QString &text) { m_version = text; }
    QString Description() const { return m_description; }
    void setDescription(const QString &text) { m_description = text; }
    QString Author() const { return m_author; }
    void setAuthor(const QString &text) { m_author = text; }
    QString Email() const { return m_email; }
    void setEmail(const QString &text) { m_email = text; }
    int AppNameSize() const { return m_appNameSize; }
    void setAppNameSize(int points) { m_appNameSize = points; }
    TRelatePos RelatePos() const { return m_relatePos; }
    void setRelatePos(TRelatePos pos) { m_relatePos = pos; }
    TBoxPosition Position() const { return m_position; }
    void setPosition(TBoxPosition position) { m_position = position; }
    TAboutStyle Style() const { return m_style; }
    void setStyle(TAboutStyle style) { m_style = style; }
    TIconStyle IconStyle() const { return m_iconStyle; }
    void setIconStyle(TIconStyle style) { m_iconStyle = style; }

    // The mail link's opener; the desktop's by default.
    void setOpener(Opener opener) { m_opener = std::move(opener); }

    // Shows the box modally over `mainForm` and returns when it is closed.
    void Execute(QWidget *mainForm);
    // The box as Execute shows it, placed but not shown (tests look at it).
    std::unique_ptr<QDialog> CreateDialog(QWidget *mainForm) const;

private:
    void PlaceDialog(QDialog &dialog, QWidget *mainForm) const;

    QString m_captionTitle;
    QString m_appName;
    QString m_version;
    QString m_description;
    QString m_author;
    QString m_email;
    int m_appNameSize = 22;
    TRelatePos m_relatePos = brMainForm;
    TBoxPosition m_position = bpCenter;
    TAboutStyle m_style = bsStandard;
    TIconStyle m_iconStyle = isExtended;
    Opener m_opener;
};

// AboutDlg1 with the program's stored texts.
void SetUpProgramAbout(TAboutDlg &about);
