// The WAV parser on the six cue images and on broken ones.
#include "support/LittleEndian.h"
#include "sound/WavImage.h"

#include <QFile>
#include <QTest>

#include <random>

namespace {

QByteArray chunk(const QByteArray& id, const QByteArray& body, bool pad = true)
{
    QByteArray out = id + le32(body.size()) + body;
    if (pad && body.size() % 2 == 1) out += '\0';
    return out;
}

QByteArray format(int tag, int channels, qint64 rate, int bits, int blockAlign = -1, qint64 byteRate = -1)
{
    if (blockAlign < 0) blockAlign = channels * bits / 8;
    if (byteRate < 0) byteRate = rate * blockAlign;
    return le16(tag) + le16(channels) + le32(rate) + le32(byteRate) + le16(blockAlign) + le16(bits);
}

QByteArray riff(const QByteArray& chunks) { return "RIFF" + le32(chunks.size() + 4) + "WAVE" + chunks; }

// Eight frames of 16-bit mono at 8000 Hz.
const QByteArray kSamples = QByteArray("0123456789abcdef");
const QByteArray kGood = riff(chunk("fmt ", format(1, 1, 8000, 16)) + chunk("data", kSamples));

std::span<const std::byte> view(const QByteArray& bytes)
{
    return std::as_bytes(std::span(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QByteArray cueImage(int cue)
{
    QFile file(QStringLiteral(VORN_SOURCE_DIR "/zvuk/Vorn%1.wav").arg(cue));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The samples, when there are any, lie inside the image.
bool insideImage(const std::optional<PcmSound>& sound, std::span<const std::byte> image)
{
    if (!sound || sound->samples.empty()) return true;
    return sound->samples.data() >= image.data() && sound->samples.data() + sound->samples.size() <= image.data() + image.size();
}

} // namespace

class TestWavImage : public QObject {
    Q_OBJECT

private slots:
    void theSixCueImages_data()
    {
        QTest::addColumn<int>("cue");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("dataBytes");
        QTest::addColumn<int>("dataOffset");
        QTest::addColumn<int>("durationUs");
        // Data offsets follow from the chunk order: "fmt " (16 or 18), "fact", then "data".
        QTest::newRow("cue 1, 18-byte fmt, fact, LIST") << 1 << 1 << 22050 << 16 << 10178 << 58 << 230793;
        QTest::newRow("cue 2, 8-bit, odd data") << 2 << 1 << 22050 << 8 << 10971 << 56 << 497551;
        QTest::newRow("cue 3, 11025 Hz") << 3 << 1 << 11025 << 16 << 34496 << 56 << 1564444;
        QTest::newRow("cue 4, LIST after data") << 4 << 1 << 22050 << 16 << 43008 << 44 << 975238;
        QTest::newRow("cue 5, stereo") << 5 << 2 << 22050 << 16 << 68872 << 44 << 780861;
        QTest::newRow("cue 6, 8-bit 14925 Hz") << 6 << 1 << 14925 << 8 << 16764 << 44 << 1123216;
    }

    void theSixCueImages()
    {
        QFETCH(int, cue);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(int, dataBytes);
        QFETCH(int, dataOffset);
        QFETCH(int, durationUs);
        const QByteArray image = cueImage(cue);
        const auto sound = parseWavImage(view(image));
        QVERIFY(sound);
        QCOMPARE(int(sound->channels), channels);
        QCOMPARE(int(sound->sampleRate), rate);
        QCOMPARE(int(sound->bitsPerSample), bits);
        QCOMPARE(int(sound->samples.size()), dataBytes);
        QCOMPARE(sound->samples.data() - view(image).data(), std::ptrdiff_t{dataOffset});
        QCOMPARE(int(sound->duration().count()), durationUs);
    }

    void everyTruncationOfACueImageIsRefused()
    {
        for (int cue = 1; cue <= 6; ++cue) {
            const QByteArray image = cueImage(cue);
            QVERIFY(!image.isEmpty());
            for (qsizetype length = 0; length < image.size(); ++length) {
                // A copy of exactly that length: a read past it would leave the buffer.
                const QByteArray cut = image.left(length);
                QVERIFY2(!parseWavImage(view(cut)), qPrintable(QStringLiteral("cue %1 cut to %2").arg(cue).arg(length)));
            }
        }
    }

    void acceptedShapes_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<int>("frames");
        QTest::newRow("plain") << kGood << 8;
        QTest::newRow("data before fmt") << riff(chunk("data", kSamples) + chunk("fmt ", format(1, 1, 8000, 16))) << 8;
        QTest::newRow("odd chunk padded before data")
            << riff(chunk("fmt ", format(1, 1, 8000, 16)) + chunk("junk", "abc") + chunk("data", kSamples)) << 8;
        QTest::newRow("odd last chunk without its pad")
            << riff(chunk("fmt ", format(1, 1, 8000, 16)) + chunk("data", kSamples) + chunk("note", "abc", false)) << 8;
        QTest::newRow("18-byte fmt") << riff(chunk("fmt ", format(1, 1, 8000, 16) + le16(0)) + chunk("data", kSamples)) << 8;
        QTest::newRow("partial last frame left out") << riff(chunk("fmt ", format(1, 1, 8000, 16)) + chunk("data", "012")) << 1;
        QTest::newRow("stereo 8-bit") << riff(chunk("fmt ", format(1, 2, 11025, 8)) + chunk("data", kSamples)) << 8;
        QTest::newRow("empty data") << riff(chunk("fmt ", format(1, 1, 8000, 16)) + chunk("data", "")) << 0;
        QTest::newRow("bytes after the RIFF chunk") << kGood + "trailing" << 8;
    }

    void acceptedShapes()
    {
        QFETCH(QByteArray, image);
        QFETCH(int, frames);
        const auto sound = parseWavImage(view(image));
        QVERIFY(sound);
        QCOMPARE(int(sound->frames()), frames);
        QVERIFY(insideImage(sound, view(image)));
    }

    void refusedImages_data()
    {
        QTest::addColumn<QByteArray>("image");
        const QByteArray fmt = chunk("fmt ", format(1, 1, 8000, 16));
        const QByteArray data = chunk("data", kSamples);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not RIFF") << QByteArray("RIFX") + kGood.mid(4);
        QTest::newRow("not WAVE") << kGood.left(8) + "AVI " + kGood.mid(12);
        QTest::newRow("RIFF size past the end") << kGood.left(4) + le32(kGood.size()) + kGood.mid(8);
        QTest::newRow("RIFF size below its header") << kGood.left(4) + le32(2) + kGood.mid(8);
        QTest::newRow("chunk size past the end") << riff(fmt + "data" + le32(1000) + kSamples);
        QTest::newRow("chunk size near 4 GB") << riff(fmt + "data" + le32(0xFFFFFFF8LL) + kSamples);
        QTest::newRow("no fmt") << riff(data);
        QTest::newRow("no data") << riff(fmt);
        QTest::newRow("two fmt") << riff(fmt + fmt + data);
        QTest::newRow("two data") << riff(fmt + data + data);
        QTest::newRow("float format") << riff(chunk("fmt ", format(3, 1, 8000, 16)) + data);
        QTest::newRow("extensible format") << riff(chunk("fmt ", format(0xFFFE, 1, 8000, 16)) + data);
        QTest::newRow("ADPCM") << riff(chunk("fmt ", format(2, 1, 8000, 4)) + data);
        QTest::newRow("zero channels") << riff(chunk("fmt ", format(1, 0, 8000, 16)) + data);
        QTest::newRow("three channels") << riff(chunk("fmt ", format(1, 3, 8000, 16)) + data);
        QTest::newRow("zero rate") << riff(chunk("fmt ", format(1, 1, 0, 16)) + data);
        QTest::newRow("24-bit") << riff(chunk("fmt ", format(1, 1, 8000, 24)) + data);
        QTest::newRow("block align zero") << riff(chunk("fmt ", format(1, 1, 8000, 16, 0)) + data);
        QTest::newRow("block align wrong") << riff(chunk("fmt ", format(1, 1, 8000, 16, 4)) + data);
        QTest::newRow("byte rate wrong") << riff(chunk("fmt ", format(1, 1, 8000, 16, 2, 8000)) + data);
        QTest::newRow("fmt of 14 bytes") << riff(chunk("fmt ", format(1, 1, 8000, 16).left(14)) + data);
        QTest::newRow("fmt of 20 bytes") << riff(chunk("fmt ", format(1, 1, 8000, 16) + le32(0)) + data);
        QTest::newRow("odd chunk, its pad taken for the next header")
            << riff(fmt + chunk("junk", "abc", false) + data);
    }

    void refusedImages()
    {
        QFETCH(QByteArray, image);
        QVERIFY(!parseWavImage(view(image)));
    }

    void changedBytesNeverLeadOutsideTheImage()
    {
        std::mt19937 random(5);
        for (int cue = 1; cue <= 6; ++cue) {
            const QByteArray image = cueImage(cue);
            // Every other trial changes only the first 64 bytes, where the headers lie.
            for (int trial = 0; trial < 3000; ++trial) {
                QByteArray changed = image;
                for (int k = 0; k < 3; ++k) {
                    const auto span = static_cast<unsigned>(trial % 2 == 0 ? 64 : changed.size());
                    const auto at = static_cast<qsizetype>(random() % span);
                    changed[at] = static_cast<char>(random());
                }
                const auto sound = parseWavImage(view(changed));
                QVERIFY(insideImage(sound, view(changed)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestWavImage)
#include "test_wav_image.moc"
