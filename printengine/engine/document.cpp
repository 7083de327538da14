#include "document.h"

#include "previewwindow.h"
#include "printengine/protocol/enginemessage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>

#include <cmath>

namespace fretprint {

Document::Document(EngineAbi::Doc handle, QWidget *parent, QString title, std::int32_t flags)
    : m_handle(handle), m_parent(parent), m_title(std::move(title)), m_flags(flags)
{
    m_settings.docFileReadOnly = hasFlag(EngineAbi::OpenFlag::DocFileReadOnly);
    m_settings.rulers = !hasFlag(EngineAbi::OpenFlag::NoRulers);
}

Document::~Document()
{
    if (m_preview)
        m_preview->detachAndDispose();
}

QSizeF Document::pageSizeCm() const
{
    // Landscape turns the named paper on its side.
    return m_landscape ? m_paperCm.transposed() : m_paperCm;
}

QPageLayout Document::pageLayout() const
{
    return PdfPage::ExactLayout(m_paperCm, m_landscape);
}

QImage ReadPicture(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    // Opaque pictures go in as plain RGB so that a PDF gets no needless mask.
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool Document::placePicture(const QString &fileName, QRectF requestedCm, bool freeCorner)
{
    const bool outlined = !m_suppressOutline;
    m_suppressOutline = false;
    QImage image = ReadPicture(fileName);
    if (image.isNull()) {
        m_status = StatusPictureUnreadable;
        return false;
    }
    QRectF rect = requestedCm;
    if (freeCorner) {
        const double cmPerPixel = kCmPerInch / EngineAbi::kPicturePixelsPerInch;
        rect.setSize(QSizeF(image.width() * cmPerPixel, image.height() * cmPerPixel));
    }
    rect = rect.normalized();
    if (rect.isEmpty() || rect.top() < 0) {
        m_status = StatusBadArgument;
        return false;
    }
    // A picture that starts below the page goes onto a following page.
    const double pageHeight = pageSizeCm().height();
    const double pageIndex = std::floor(rect.top() / pageHeight);
    if (pageIndex >= kMaxPages) {
        m_status = StatusBadArgument;
        return false;
    }
    const auto targetPage = static_cast<std::size_t>(pageIndex);
    while (m_pages.size() <= targetPage) {
        m_pages.emplace_back();
        notify(EngineMessage::AutoPageBreak);
    }
    rect.translate(0, -pageIndex * pageHeight);
    m_pages[targetPage].pictures.push_back({std::move(image), rect, outlined});
    m_lastPlaced = {targetPage, m_pages[targetPage].pictures.size() - 1};
    m_status = StatusOk;
    return true;
}

const PlacedPicture *Document::lastPlaced() const
{
    if (!m_lastPlaced)
        return nullptr;
    return &m_pages[m_lastPlaced->first].pictures[m_lastPlaced->second];
}

PreviewWindow *Document::ensurePreview()
{
    if (!m_preview)
        m_preview = new PreviewWindow(this);
    return m_preview;
}

qintptr Document::notify(unsigned message, qintptr wParam) const
{
    if (!m_parent)
        return 0;
    EngineMessageEvent event(message, wParam);
    QCoreApplication::sendEvent(m_parent, &event);
    return event.result();
}

} // namespace fretprint
