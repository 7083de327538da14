#pragma once
// One engine document: a page of a given size and orientation holding the
// pictures placed on it, plus the preview settings the program handed over.

#include "previewwindow.h"
#include "printengine/protocol/enginefunctions.h"
#include "printengine/protocol/pdfpage.h"

#include <QImage>
#include <QPageLayout>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace fretprint {

using PdfPage::kCmPerInch;
// More pages than any pattern needs; a coordinate beyond them is a mistake.
inline constexpr double kMaxPages = 999;

// Status codes answered by EngineGetStatus: the outcome of the last call.
enum Status : std::int32_t {
    StatusOk = 0,
    StatusPictureUnreadable = 2,
    StatusWriteFailed = 3,
    StatusBadArgument = 4,
    StatusDiskFull = EngineAbi::kStatusDiskFull,
};

struct PlacedPicture {
    QImage image;
    QRectF rectCm; // on the page, from its top-left corner
    bool outlined = true;
};

struct PreviewSettings {
    bool rulers = true;
    int rulersMeasure = 0; // 0 = cm, 1 = inch
    bool gridVisible = false;
    int gridMode = 1; // 0 = behind the page content, 1 = in front
    bool helpRouting = false;
    bool paperView = true;
    bool printSetupDialog = true;
    bool scrollerTracking = true;
    int previewCtrl = 1; // 0 = stay, 1 = jump to the top of a new page
    bool docFileReadOnly = false;
};

struct PreviewPlacement {
    bool given = false;
    QRect geometry;
    int mode = 0;
};

struct Page {
    std::vector<PlacedPicture> pictures;
};

class Document {
public:
    Document(EngineAbi::Doc handle, QWidget *parent, QString title, std::int32_t flags);
    ~Document();
    Document(const Document &) = delete;
    Document &operator=(const Document &) = delete;

    EngineAbi::Doc handle() const { return m_handle; }
    QWidget *parentWindow() const { return m_parent; }
    const QString &title() const { return m_title; }
    std::int32_t flags() const { return m_flags; }
    bool hasFlag(std::int32_t flag) const { return (m_flags & flag) != 0; }

    // Page size as the paper is named (portrait numbers); the orientation
    // decides which side runs across.
    void setPaperSizeCm(QSizeF size) { m_paperCm = size; }
    QSizeF paperSizeCm() const { return m_paperCm; }
    void setLandscape(bool landscape) { m_landscape = landscape; }
    bool landscape() const { return m_landscape; }
    QSizeF pageSizeCm() const; // as it lies, width across
    // The paper for a printer or a PDF: its exact size, never snapped to a
    // nearby standard one, in its orientation, with no margins.
    QPageLayout pageLayout() const;

    PreviewSettings &settings() { return m_settings; }
    const PreviewSettings &settings() const { return m_settings; }
    PreviewPlacement &placement() { return m_placement; }

    void suppressNextOutline() { m_suppressOutline = true; }
    // Reads the whole file now; returns false when it holds no picture.
    bool placePicture(const QString &fileName, QRectF requestedCm, bool freeCorner);

    const std::vector<Page> &pages() const { return m_pages; }
    const PlacedPicture *lastPlaced() const;

    std::int32_t status() const { return m_status; }
    void setStatus(std::int32_t status) { m_status = status; }

    PreviewWindow *preview() const { return m_preview; }
    PreviewWindow *ensurePreview();

    // Sends a notification to the window given at open; 0 when it is gone.
    qintptr notify(unsigned message, qintptr wParam = 0) const;

private:
    EngineAbi::Doc m_handle;
    QPointer<QWidget> m_parent;
    QString m_title;
    std::int32_t m_flags;
    QSizeF m_paperCm{21.0, 29.7};
    bool m_landscape = false;
    PreviewSettings m_settings;
    PreviewPlacement m_placement;
    bool m_suppressOutline = false;
    std::vector<Page> m_pages{1};
    std::optional<std::pair<std::size_t, std::size_t>> m_lastPlaced; // page, picture
    std::int32_t m_status = StatusOk;
    QPointer<PreviewWindow> m_preview;
};

// Reads a picture file completely into memory.
QImage ReadPicture(const QString &fileName);

} // namespace fretprint
