#include "patternfile/patternfile.h"

#include "core/filenames.h"
#include "patternfile/patternformat.h"
#include "patternfile/textcodec.h"
#include "core/errors.h"
#include "core/inputfile.h"
#include "core/safefile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdint>

namespace {

constexpr qint64 kReadChunkSize = 64 * 1024;

enum NumberLine { FontSizeLine, WidthLine, HeightLine, VPosLine, HPosLine, KernLine, CornersLine,
                  MultilineLine, TextOutlineLine, PageOutlineLine, BaseLine };

// Reads a device piece by piece, remembering whether it failed and why.
class DeviceSource final : public PatternFormat::ByteSource {
public:
    explicit DeviceSource(QIODevice &device) : m_device(device) {}

    std::string_view NextChunk() override
    {
        m_buffer.resize(kReadChunkSize);
        errno = 0;
        const qint64 count = m_device.read(m_buffer.data(), kReadChunkSize);
        if (count < 0) {
            m_failed = true;
            m_errno = errno;
            return {};
        }
        return {m_buffer.constData(), static_cast<std::size_t>(count)};
    }

    [[noreturn]] void RaiseReadError() const
    {
        if (const auto *file = qobject_cast<const QFileDevice *>(&m_device))
            FileError::RaiseFromDevice(*file, m_errno);
        FileError::Raise(FileError::ReadFault);
    }

    bool Failed() const { return m_failed; }

private:
    QIODevice &m_device;
    QByteArray m_buffer;
    bool m_failed = false;
    int m_errno = 0;
};

// Cuts `text` to at most `length` UTF-16 units without splitting a
// surrogate pair.
QString Truncated(QString text, qsizetype length)
{
    if (text.size() <= length)
        return text;
    if (length > 0 && text.at(length - 1).isHighSurrogate())
        --length;
    text.truncate(length);
    return text;
}

QString DecodedLine(const std::string &bytes, qsizetype maxLength)
{
    return Truncated(QString::fromStdU16String(TextCodec::DecodeLine(bytes)), maxLength);
}

// A switch line turns the switch on with 1 and off with 0; anything else
// leaves it as it was.
bool SwitchFromFile(std::int32_t value, bool current) { return value == 1 || (value != 0 && current); }

PatternSettings SettingsFromRecord(const PatternFormat::Record &record, const PatternSettings &current)
{
    const auto &n = record.numbers;
    PatternSettings settings;
    settings.FontSize = n[FontSizeLine];
    settings.BlankWidth = n[WidthLine];
    settings.BlankHeight = n[HeightLine];
    settings.VPos = n[VPosLine];
    settings.HPos = n[HPosLine];
    settings.Kern = n[KernLine];
    settings.Corners = n[CornersLine];
    settings.Multiline = SwitchFromFile(n[MultilineLine], current.Multiline);
    settings.TextOutline = SwitchFromFile(n[TextOutlineLine], current.TextOutline);
    settings.PageOutline = SwitchFromFile(n[PageOutlineLine], current.PageOutline);
    settings.Base = SwitchFromFile(n[BaseLine], current.Base);
    settings.FontName = DecodedLine(record.fontName, PatternFile::kMaxFontNameLength);
    if (settings.FontName.isEmpty())
        settings.FontName = current.FontName;
    settings.Text = DecodedLine(record.text, PatternFormat::kMaxTextCharacters);
    return settings;
}

PatternFormat::Record RecordFromSettings(const PatternSettings &settings)
{
    PatternFormat::Record record;
    auto &n = record.numbers;
    n[FontSizeLine] = settings.FontSize;
    n[WidthLine] = settings.BlankWidth;
    n[HeightLine] = settings.BlankHeight;
    n[VPosLine] = settings.VPos;
    n[HPosLine] = settings.HPos;
    n[KernLine] = settings.Kern;
    n[CornersLine] = settings.Corners;
    n[MultilineLine] = settings.Multiline ? 1 : 0;
    n[TextOutlineLine] = settings.TextOutline ? 1 : 0;
    n[PageOutlineLine] = settings.PageOutline ? 1 : 0;
    n[BaseLine] = settings.Base ? 1 : 0;
    record.fontName = TextCodec::EncodeLine(settings.FontName.toStdU16String());
    record.text = TextCodec::EncodeLine(settings.Text.toStdU16String());
    return record;
}

// Directories can be neither written over nor read as a pattern; say so
// the way the old run-time library did rather than with a generic error.
void RejectDirectory(const QString &path)
{
    if (path.isEmpty())
        FileError::Raise(FileError::InvalidFilename);
    if (QFileInfo(path).isDir())
        FileError::Raise(FileError::AccessDenied);
}

// Only a regular file of a sensible size is opened for reading: a device
// would be read without end, and a pipe would block the window in open().
void RejectNonPatternFile(const QString &path)
{
    switch (InputFileKind(path)) {
    case TInputFile::Folder:
    case TInputFile::NotRegular:
        throw EInOutError(FileError::AccessDenied,
                          QStringLiteral("Cannot open %1: it is not a regular file").arg(QDir::toNativeSeparators(path)));
    case TInputFile::TooLarge:
        throw EInOutError(FileError::ReadFault,
                          QStringLiteral("Cannot open %1: the file is larger than %2 MiB, too large for a pattern")
                              .arg(QDir::toNativeSeparators(path))
                              .arg(kMaxInputFileBytes / (1024 * 1024)));
    case TInputFile::Readable:
    case TInputFile::Missing:
    case TInputFile::Unknown:
        return; // opening reports what is missing or not allowed
    }
}

} // namespace

QString PatternTargetFileName(const QString &chosenFileName)
{
    return TargetFileName(chosenFileName, QString::fromLatin1(PatternFile::kExtension));
}

QString OverwriteQuestion(const QString &targetPath)
{
    return QStringLiteral("Overwrite File? ") + QDir::toNativeSeparators(targetPath);
}

QString TextAsStored(const QString &text)
{
    QString stored;
    stored.reserve(text.size());
    for (const QChar c : text) {
        if (const char16_t kept = PatternFormat::StoredTextCharacter(c.unicode()); kept != 0)
            stored += QChar(kept);
    }
    return stored;
}

void WritePatternFile(QIODevice *device, const PatternSettings &settings)
{
    const std::string bytes = PatternFormat::Write(RecordFromSettings(settings));
    auto *file = qobject_cast<QFileDevice *>(device);
    errno = 0;
    const qint64 written = device->write(bytes.data(), static_cast<qint64>(bytes.size()));
    // A file device buffers; its failure shows only when the buffer goes out.
    const bool flushed = written == static_cast<qint64>(bytes.size()) && (!file || file->flush());
    if (flushed)
        return;
    if (file)
        FileError::RaiseFromDevice(*file, errno);
    FileError::Raise(FileError::WriteFault);
}

void SavePatternFile(const QString &path, const PatternSettings &settings)
{
    RejectDirectory(path);
    WriteFileSafely(path, [&settings](QIODevice *device) { WritePatternFile(device, settings); },
                    TOpenFailure::RunTimeError);
}

PatternSettings ReadPatternFile(QIODevice *device, const PatternSettings &current)
{
    DeviceSource source(*device);
    const PatternFormat::ReadResult result = PatternFormat::Read(source);
    if (source.Failed())
        source.RaiseReadError();
    switch (result.status) {
    case PatternFormat::ReadStatus::Ok:
        return SettingsFromRecord(result.record, current);
    case PatternFormat::ReadStatus::InvalidNumericInput:
        FileError::Raise(FileError::InvalidNumericInput);
    case PatternFormat::ReadStatus::NoValues:
        FileError::Raise(FileError::ReadBeyondEnd);
    }
    FileError::Raise(FileError::ReadFault);
}

PatternSettings LoadPatternFile(const QString &path, const PatternSettings &current)
{
    RejectDirectory(path);
    RejectNonPatternFile(path);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        FileError::RaiseFromDevice(file, errno);
    return ReadPatternFile(&file, current);
}
