#include "ui/wavecomp.h"

#include "core/errors.h"

#include <QMediaDevices>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

constexpr qsizetype kHeaderSize = 44;
constexpr qsizetype kDataBytes = 335160;

QByteArray U32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray U16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray Chunk(const QByteArray &id, const QByteArray &body)
{
    QByteArray chunk = id + U32(quint32(body.size())) + body;
    if (body.size() % 2)
        chunk += '\0';
    return chunk;
}
QByteArray PcmFormat(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = channels * bits / 8;
    return U16(tag) + U16(channels) + U32(rate) + U32(rate * align) + U16(align) + U16(bits);
}
QByteArray Riff(const QByteArray &chunks)
{
    return "RIFF" + U32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

qint16 SampleAt(const QByteArray &wave, qsizetype index)
{
    return qFromLittleEndian<qint16>(wave.constData() + kHeaderSize + 2 * index);
}

} // namespace

TEST(DonationWaveTest, IsCanonicalPcmMono22050Hz16BitOfTheStatedLength)
{
    const QByteArray wave = DonationWave();
    ASSERT_EQ(wave.size(), kHeaderSize + kDataBytes);
    const QByteArray expectedHeader = "RIFF" + U32(36 + kDataBytes) + "WAVE" + "fmt " + U32(16)
                                      + U16(1) + U16(1) + U32(22050) + U32(44100) + U16(2)
                                      + U16(16) + "data" + U32(kDataBytes);
    EXPECT_EQ(wave.left(kHeaderSize).toHex(' '), expectedHeader.toHex(' '));

    const std::optional<WaveLayout> layout = ParseWave(wave);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->format.sampleRate(), 22050);
    EXPECT_EQ(layout->format.channelCount(), 1);
    EXPECT_EQ(layout->format.sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(layout->dataOffset, kHeaderSize);
    EXPECT_EQ(layout->dataSize, kDataBytes);
}

TEST(DonationWaveTest, IsAudibleUnclippedAndEndsInSilence)
{
    const QByteArray wave = DonationWave();
    const qsizetype samples = kDataBytes / 2;
    int peak = 0;
    for (qsizetype i = 0; i < samples; ++i)
        peak = std::max(peak, std::abs(int(SampleAt(wave, i))));
    EXPECT_GT(peak, 8000);   // clearly audible
    EXPECT_LT(peak, 32000);  // never clipped
    EXPECT_EQ(SampleAt(wave, 0), 0);           // no click when it starts
    EXPECT_EQ(SampleAt(wave, samples - 1), 0); // nor when it ends
}

TEST(ParseWaveTest, FindsSamplesBehindOtherChunks)
{
    const QByteArray samples("\x01\x00\x02\x00\x03\x00", 6);
    const QByteArray image = Riff(Chunk("fmt ", PcmFormat(1, 2, 8000, 16)) + Chunk("LIST", "odd")
                                  + Chunk("data", samples));
    const std::optional<WaveLayout> layout = ParseWave(image);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->format.channelCount(), 2);
    EXPECT_EQ(layout->format.sampleRate(), 8000);
    EXPECT_EQ(image.mid(layout->dataOffset, layout->dataSize), samples);
}

TEST(ParseWaveTest, CutsAnOverlongDataChunkToTheImage)
{
    QByteArray image = Riff(Chunk("fmt ", PcmFormat(1, 1, 22050, 8)) + "data" + U32(1000) + "abcd");
    const std::optional<WaveLayout> layout = ParseWave(image);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->format.sampleFormat(), QAudioFormat::UInt8);
    EXPECT_EQ(layout->dataSize, 4);
}

TEST(ParseWaveTest, RejectsWhatCannotBePlayed)
{
    const QByteArray fmt = Chunk("fmt ", PcmFormat(1, 1, 22050, 16));
    const QByteArray data = Chunk("data", "abcd");
    EXPECT_FALSE(ParseWave(QByteArray()));
    EXPECT_FALSE(ParseWave(Riff(fmt + data).replace(8, 4, "AVI ")));
    EXPECT_FALSE(ParseWave("RIFX" + Riff(fmt + data).mid(4)));
    EXPECT_FALSE(ParseWave(Riff(Chunk("fmt ", PcmFormat(2, 1, 22050, 4)) + data))); // compressed
    EXPECT_FALSE(ParseWave(Riff(Chunk("fmt ", PcmFormat(1, 1, 22050, 12)) + data)));
    EXPECT_FALSE(ParseWave(Riff(Chunk("fmt ", PcmFormat(1, 0, 22050, 16)) + data)));
    EXPECT_FALSE(ParseWave(Riff(data + fmt)));   // samples before their format
    EXPECT_FALSE(ParseWave(Riff(fmt)));          // no samples
    EXPECT_FALSE(ParseWave(Riff("fmt " + U32(16) + "short"))); // truncated format
}

TEST(WaveCompTest, NoWaveOrNoOutputDoesNothing)
{
    TWaveComp player;
    int listed = 0;
    player.setOutputLister([&] {
        ++listed;
        return QList<QAudioDevice>();
    });
    EXPECT_NO_THROW(player.Play());
    EXPECT_EQ(listed, 0); // an empty wave does not even look for a device

    player.setWave(DonationWave());
    EXPECT_NO_THROW(player.Play());
    EXPECT_NO_THROW(player.Play());
    EXPECT_EQ(listed, 2);
    EXPECT_FALSE(player.IsPlaying());
}

TEST(WaveCompTest, UnplayableWaveIsReportedWhenAnOutputExists)
{
    TWaveComp player;
    player.setOutputLister([] { return QList<QAudioDevice>{QAudioDevice()}; });
    player.setWave("RIFF junk that is no wave");
    EXPECT_THROW(player.Play(), EFretcardError);
    EXPECT_FALSE(player.IsPlaying());
}

TEST(WaveCompTest, SystemWithoutAudioOutputStaysSilent)
{
    if (!QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "this machine has an audio output";
    TWaveComp player;
    player.setWave(DonationWave());
    EXPECT_NO_THROW(player.Play());
    EXPECT_FALSE(player.IsPlaying());
}
