#include "aboutdlg.h"

#include "linklabel.h"
#include "links.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QSysInfo>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

constexpr int kIconSize = 48;
constexpr int kDescriptionWidth = 300;
constexpr qint64 kBytesPerKB = 1024;

qint64 MeminfoField(const QByteArray &meminfo, const QByteArray &name)
{
    for (const QByteArray &line : meminfo.split('\n')) {
        if (!line.startsWith(name + ':'))
            continue;
        // "MemAvailable:    1234567 kB"
        const QList<QByteArray> parts = line.mid(name.size() + 1).simplified().split(' ');
        bool ok = false;
        const qint64 value = parts.value(0).toLongLong(&ok);
        return ok && value >= 0 ? value : -1;
    }
    return -1;
}

qint64 AvailableMemoryKB()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly)) {
        const qint64 kb = ParseMemAvailableKB(meminfo.readAll());
        if (kb >= 0)
            return kb;
    }
#if defined(Q_OS_WIN)
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (GlobalMemoryStatusEx(&status))
        return qint64(status.ullAvailPhys / kBytesPerKB);
#elif defined(_SC_AVPHYS_PAGES)
    const long pages = sysconf(_SC_AVPHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages > 0 && pageSize > 0)
        return qint64(pages) * pageSize / kBytesPerKB;
#endif
    return -1;
}

QLabel *AddRow(QGridLayout *grid, const QString &caption, const QString &value, const char *name)
{
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption), row, 0);
    auto *label = new QLabel(value);
    label->setObjectName(QLatin1String(name));
    grid->addWidget(label, row, 1);
    return label;
}

QLabel *NamedLabel(const QString &text, const char *name)
{
    auto *label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

qint64 ParseMemAvailableKB(const QByteArray &meminfo)
{
    const qint64 available = MeminfoField(meminfo, "MemAvailable");
    return available >= 0 ? available : MeminfoField(meminfo, "MemFree");
}

SystemInfo ReadSystemInfo()
{
    return {AvailableMemoryKB(), QThread::idealThreadCount(), QSysInfo::currentCpuArchitecture()};
}

QString FormatAvailableMemory(const SystemInfo &info)
{
    if (info.availableMemoryKB < 0)
        return QStringLiteral("unknown");
    return QLocale().toString(info.availableMemoryKB) + QStringLiteral(" KB");
}

QString FormatPlatform(const SystemInfo &info)
{
    const QString count = info.processorCount == 1
                              ? QStringLiteral("1 processor")
                              : QStringLiteral("%1 processors").arg(info.processorCount);
    return QStringLiteral("%1, %2, %3").arg(QSysInfo::prettyProductName(), count, info.processorKind);
}

TAboutDlg::TAboutDlg(QObject *parent)
    : QObject(parent), m_opener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
}

std::unique_ptr<QDialog> TAboutDlg::CreateDialog(QWidget *mainForm) const
{
    auto dialog = std::make_unique<QDialog>(mainForm);
    dialog->setWindowTitle(m_captionTitle);
    dialog->setModal(true);

    auto *icon = NamedLabel(QString(), "icon");
    if (m_iconStyle != isNone) {
        // The icon of the window the box is about, else the application's.
        QIcon picture = dialog->windowIcon();
        if (picture.isNull())
            picture = dialog->style()->standardIcon(QStyle::SP_MessageBoxInformation);
        icon->setPixmap(picture.pixmap(kIconSize, kIconSize));
    }
    icon->setAlignment(Qt::AlignTop);

    auto *appName = NamedLabel(m_appName, "appName");
    QFont large = appName->font();
    large.setPointSize(m_appNameSize);
    large.setBold(true);
    appName->setFont(large);

    auto *description = NamedLabel(m_description, "description");
    description->setWordWrap(true);
    description->setMinimumWidth(kDescriptionWidth);

    auto *mail = new LinkLabel(m_email, m_email);
    mail->setObjectName(QStringLiteral("mailLink"));
    mail->setURLType(utMailto);
    mail->setFont(description->font()); // reads as part of the text, not as a footnote
    mail->setOpener(m_opener);

    const SystemInfo system = ReadSystemInfo();
    auto *systemBox = new QGridLayout;
    AddRow(systemBox, QStringLiteral("Available Memory:"), FormatAvailableMemory(system), "memoryValue");
    AddRow(systemBox, QStringLiteral("Platform, CPU:"), FormatPlatform(system), "platformValue");

    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    // Escape rejects the dialog, so OK is the cancel button too.
    QObject::connect(ok, &QPushButton::clicked, dialog.get(), &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(appName);
    text->addWidget(NamedLabel(QStringLiteral("Version %1").arg(m_version), "version"));
    text->addWidget(NamedLabel(m_author, "author"));
    text->addSpacing(8);
    text->addWidget(description);
    text->addWidget(mail);
    text->addSpacing(8);
    text->addWidget(line);
    text->addLayout(systemBox);

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    auto *outer = new QVBoxLayout(dialog.get());
    outer->addLayout(top);
    outer->addLayout(buttons);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    PlaceDialog(*dialog, mainForm);
    return dialog;
}

void TAboutDlg::PlaceDialog(QDialog &dialog, QWidget *mainForm) const
{
    dialog.adjustSize();
    if (m_position != bpCenter)
        return;
    QRect over;
    if (m_relatePos == brMainForm && mainForm)
        over = mainForm->window()->frameGeometry();
    else if (QScreen *screen = dialog.screen())
        over = screen->availableGeometry();
    if (over.isValid())
        dialog.move(over.center() - dialog.rect().center());
}

void TAboutDlg::Execute(QWidget *mainForm)
{
    const std::unique_ptr<QDialog> dialog = CreateDialog(mainForm);
    dialog->exec();
}

void SetUpProgramAbout(TAboutDlg &about)
{
    about.setCaptionTitle(QStringLiteral("Abiut Fretcard Printer"));
    about.setAppname(QStringLiteral("Kerfhaven Fretcard Printer 1.6"));
    about.setVersion(QStringLiteral("1.7"));
    about.setDescription(QStringLiteral(
        "Thank you for using the Kerfhaven Fretcard Printer. If you find this program useful "
        "and would like to contribute please consider a $5 donation."));
    about.setAuthor(QString::fromLatin1(Links::MakerName));
    about.setEmail(QString::fromLatin1(Links::MakerEmail));
    about.setRelatePos(brMainForm);
    about.setPosition(bpCenter);
    about.setStyle(bsStandard);
    about.setIconStyle(isExtended);
    about.setAppNameSize(22);
}
