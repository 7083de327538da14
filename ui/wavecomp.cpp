#include "wavecomp.h"

#include "core/errors.h"

#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>
#include <QtEndian>

namespace {

constexpr qsizetype kRiffHeaderSize = 12; // "RIFF", size, "WAVE"
constexpr qsizetype kChunkHeaderSize = 8; // id, size
constexpr qsizetype kPcmFormatSize = 16;
constexpr quint16 kFormatPcm = 1;

quint16 ReadU16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}
quint32 ReadU32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

std::optional<QAudioFormat> ParsePcmFormat(const char *chunk, quint32 size)
{
    if (size < kPcmFormatSize || ReadU16(chunk) != kFormatPcm)
        return std::nullopt;
    const quint16 channels = ReadU16(chunk + 2);
    const quint32 sampleRate = ReadU32(chunk + 4);
    const quint16 bitsPerSample = ReadU16(chunk + 14);
    QAudioFormat format;
    format.setChannelCount(channels);
    format.setSampleRate(int(sampleRate));
    switch (bitsPerSample) {
    case 8: format.setSampleFormat(QAudioFormat::UInt8); break;
    case 16: format.setSampleFormat(QAudioFormat::Int16); break;
    case 32: format.setSampleFormat(QAudioFormat::Int32); break;
    default: return std::nullopt;
    }
    if (channels == 0 || sampleRate == 0)
        return std::nullopt;
    return format;
}

} // namespace

std::optional<WaveLayout> ParseWave(const QByteArray &image)
{
    const char *bytes = image.constData();
    if (image.size() < kRiffHeaderSize || !image.startsWith("RIFF")
        || image.mid(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<QAudioFormat> format;
    qsizetype pos = kRiffHeaderSize;
    while (pos + kChunkHeaderSize <= image.size()) {
        const QByteArray id = image.mid(pos, 4);
        const quint32 size = ReadU32(bytes + pos + 4);
        const qsizetype body = pos + kChunkHeaderSize;
        const qsizetype available = image.size() - body;
        if (id == "fmt ") {
            if (qsizetype(size) > available)
                return std::nullopt;
            format = ParsePcmFormat(bytes + body, size);
            if (!format)
                return std::nullopt;
        } else if (id == "data") {
            if (!format)
                return std::nullopt;
            return WaveLayout{*format, body, qMin<qsizetype>(size, available)};
        }
        pos = body + qsizetype(size) + (size & 1); // chunks are word aligned
    }
    return std::nullopt;
}

QByteArray DonationWave()
{
    // The resource lives in a static library: make sure it is registered.
    Q_INIT_RESOURCE(sounds);
    QFile file(QStringLiteral(":/fretcard/sounds/donation.wav"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TWaveComp::TWaveComp(QObject *parent)
    : QObject(parent), m_listOutputs([] { return QMediaDevices::audioOutputs(); })
{
}

TWaveComp::~TWaveComp()
{
    ReleaseSink();
}

void TWaveComp::setWave(const QByteArray &image)
{
    ReleaseSink();
    m_wave = image;
}

void TWaveComp::Play()
{
    if (m_wave.isEmpty())
        return;
    const QList<QAudioDevice> outputs = m_listOutputs();
    if (outputs.isEmpty())
        return;
    const std::optional<WaveLayout> layout = ParseWave(m_wave);
    if (!layout)
        throw EFretcardError(QStringLiteral("The stored sound is not a PCM wave"));

    ReleaseSink(); // a new click starts the sound from the beginning
    const QAudioDevice preferred = QMediaDevices::defaultAudioOutput();
    const QAudioDevice device = outputs.contains(preferred) ? preferred : outputs.first();
    m_samples.setData(m_wave.mid(layout->dataOffset, layout->dataSize));
    m_samples.open(QIODevice::ReadOnly);
    m_sink = new QAudioSink(device, layout->format, this);
    connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::IdleState)
            ReleaseWhenDone(m_sink);
    });
    m_sink->start(&m_samples);
    if (m_sink->error() != QAudio::NoError) {
        ReleaseSink();
        throw EFretcardError(QStringLiteral("The sound device refused to play the sound"));
    }
}

void TWaveComp::ReleaseWhenDone(QAudioSink *finished)
{
    // Played to the end: give the output back. Deferred, because the sink is
    // still inside its own signal; skipped when a new click replaced it.
    QTimer::singleShot(0, this, [this, sink = QPointer<QAudioSink>(finished)] {
        if (sink && sink == m_sink)
            ReleaseSink();
    });
}

void TWaveComp::Stop()
{
    ReleaseSink();
}

void TWaveComp::ReleaseSink()
{
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        delete m_sink;
        m_sink = nullptr;
    }
    m_samples.close();
}
