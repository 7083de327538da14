#pragma once
// Print (preview) and Export PDF: both place the snapshot on the pattern's
// page (Page::PatternPageLayout) through the print engine, at the page's
// corner, at its natural size.

#include <QString>

class TExportWindow;
class TPrintEngine;
class TWorkImage;

// The print engine operations the two commands use. The window adapts its
// engine component to it; tests record the calls.
class TPrintDocument {
public:
    virtual ~TPrintDocument() = default;

    // False when the engine library could not be loaded at start-up: then
    // no operation may be called.
    virtual bool EngineAvailable() const = 0;

    virtual bool CloseDoc() = 0;
    virtual void OpenDoc() = 0;
    virtual void SuppressOutline() = 0;
    virtual void PlacePicture(const QString &path, double x1, double y1, double x2, double y2) = 0;
    virtual void SetPreviewPlacement(int left, int top, int width, int height, int mode) = 0;
    virtual void ShowPreview() = 0;
    enum class TWriteResult { Written, NotCreated, DiskFull };
    // Whether the engine wrote the document to `path`, and if not, why.
    virtual TWriteResult WriteDocFile(const QString &path) = 0;
};

namespace PreviewPlacement {
// The preview window, relative to the main window and in screen pixels.
inline constexpr int kPreviewOffset = 20;
inline constexpr int kPreviewWidth = 980;
inline constexpr int kPreviewHeight = 590;
inline constexpr int kPreviewMode = 1;
} // namespace PreviewPlacement

// Print: closes any document left open, writes the snapshot (with the base
// bar in the text colour when Base is on), opens a document, places the
// snapshot and shows the engine's preview, leaving the document open.
void PrintPattern(TExportWindow &window, TWorkImage &workImage, TPrintDocument &document);

// Export PDF: snapshot and work image (with a black base bar when Base is
// on), the save dialog, the ".pdf" rule and the overwrite question; then the
// work image goes back into the snapshot and the engine writes the page to
// the chosen file and closes the document.
void ExportPdf(TExportWindow &window, TWorkImage &workImage, TPrintDocument &document);

// The window's engine component seen as a print document. `engineLoaded`
// tells whether the engine library was loaded at start-up.
class TEngineDocument : public TPrintDocument {
public:
    TEngineDocument(TPrintEngine &engine, bool engineLoaded)
        : m_engine(engine), m_engineLoaded(engineLoaded)
    {
    }

    bool EngineAvailable() const override { return m_engineLoaded; }
    bool CloseDoc() override;
    void OpenDoc() override;
    void SuppressOutline() override;
    void PlacePicture(const QString &path, double x1, double y1, double x2, double y2) override;
    void SetPreviewPlacement(int left, int top, int width, int height, int mode) override;
    void ShowPreview() override;
    TWriteResult WriteDocFile(const QString &path) override;

private:
    TPrintEngine &m_engine;
    bool m_engineLoaded;
};
