#pragma once
// Holds a RIFF/WAVE file image and plays it from memory in the background.

#include <QAudioDevice>
#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <QObject>

#include <functional>
#include <optional>

class QAudioSink;

// Where the samples of a WAVE image are and how to read them.
struct WaveLayout {
    QAudioFormat format;
    qsizetype dataOffset = 0;
    qsizetype dataSize = 0;
};

// Reads the chunks of a PCM WAVE image. Empty for anything else (another
// container, compressed samples, no "fmt " or "data" chunk). A data chunk
// that claims more bytes than the image holds is cut to what is there.
std::optional<WaveLayout> ParseWave(const QByteArray &image);

// The thank-you chime played by the donation picture.
QByteArray DonationWave();

class TWaveComp : public QObject {
    Q_OBJECT
public:
    using OutputLister = std::function<QList<QAudioDevice>()>;

    explicit TWaveComp(QObject *parent = nullptr);
    ~TWaveComp() override;

    QByteArray Wave() const { return m_wave; }
    void setWave(const QByteArray &image);

    // Starts the sound from its beginning and returns at once; a sound still
    // playing is cut off. Without a wave or an audio output nothing happens.
    // Throws EFretcardError when the stored wave is not playable PCM or the
    // output refuses it.
    void Play();
    void Stop();
    bool IsPlaying() const { return m_sink != nullptr; }

    // Tests replace the system's list of audio outputs.
    void setOutputLister(OutputLister lister) { m_listOutputs = std::move(lister); }

private:
    void ReleaseSink();
    void ReleaseWhenDone(QAudioSink *finished);

    QByteArray m_wave;
    QBuffer m_samples;
    QAudioSink *m_sink = nullptr;
    OutputLister m_listOutputs;
};
