// The six cue files, the saved description that carries them, and the cues
// as the window plays them.
#include "sound/EmbedSound.h"
#include "support/TestForm.h"
#include "window/Form1Description.h"
#include "window/forms/PictureBox.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray cueFile(int cue)
{
    QFile file(QStringLiteral(VORN_SOURCE_DIR "/zvuk/Vorn%1.wav").arg(cue));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 u32(const QByteArray& bytes, qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); }
quint16 u16(const QByteArray& bytes, qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); }

// The file's chunks as "id:size", in order.
QStringList chunksOf(const QByteArray& file)
{
    QStringList chunks;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const quint32 size = u32(file, at + 4);
        chunks << QString::fromLatin1(file.mid(at, 4)) + QLatin1Char(':') + QString::number(size);
        at += 8 + size + (size & 1);
    }
    return chunks;
}

qsizetype chunkAt(const QByteArray& file, const char* id) { return file.indexOf(id, 12); }

PropertyBag savedHolder(int cue)
{
    return Form1Description::load().properties(Form1Description::kSoundHolders, static_cast<std::int16_t>(cue));
}

} // namespace

class TestCues : public QObject {
    Q_OBJECT

private slots:
    void theCueFilesHaveTheirFormatsAndChunks_data()
    {
        QTest::addColumn<int>("cue");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("blockAlign");
        QTest::addColumn<int>("bytesPerSecond");
        QTest::addColumn<int>("imageSize");
        QTest::addColumn<QStringList>("chunks");
        QTest::addColumn<int>("factSamples");
        QTest::newRow("1") << 1 << 1 << 22050 << 16 << 2 << 44100 << 10262
                           << QStringList{"fmt :18", "fact:4", "data:10178", "LIST:18"} << 5089;
        QTest::newRow("2") << 2 << 1 << 22050 << 8 << 1 << 22050 << 11028
                           << QStringList{"fmt :16", "fact:4", "data:10971"} << 10971;
        QTest::newRow("3") << 3 << 1 << 11025 << 16 << 2 << 22050 << 34552
                           << QStringList{"fmt :16", "fact:4", "data:34496"} << 17248;
        QTest::newRow("4") << 4 << 1 << 22050 << 16 << 2 << 44100 << 43152
                           << QStringList{"fmt :16", "data:43008", "LIST:92"} << -1;
        QTest::newRow("5") << 5 << 2 << 22050 << 16 << 4 << 88200 << 68916 << QStringList{"fmt :16", "data:68872"} << -1;
        QTest::newRow("6") << 6 << 1 << 14925 << 8 << 1 << 14925 << 16808 << QStringList{"fmt :16", "data:16764"} << -1;
    }

    void theCueFilesHaveTheirFormatsAndChunks()
    {
        QFETCH(int, cue);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(int, blockAlign);
        QFETCH(int, bytesPerSecond);
        QFETCH(int, imageSize);
        QFETCH(QStringList, chunks);
        QFETCH(int, factSamples);
        const QByteArray file = cueFile(cue);
        QCOMPARE(file.size(), imageSize);
        QCOMPARE(file.left(4), QByteArray("RIFF"));
        QCOMPARE(qsizetype(u32(file, 4)) + 8, file.size());
        QCOMPARE(file.mid(8, 4), QByteArray("WAVE"));
        QCOMPARE(chunksOf(file), chunks);
        const qsizetype format = chunkAt(file, "fmt ") + 8;
        QCOMPARE(int(u16(file, format)), 1);
        QCOMPARE(int(u16(file, format + 2)), channels);
        QCOMPARE(int(u32(file, format + 4)), rate);
        QCOMPARE(int(u32(file, format + 8)), bytesPerSecond);
        QCOMPARE(int(u16(file, format + 12)), blockAlign);
        QCOMPARE(int(u16(file, format + 14)), bits);
        if (chunks.first() == QStringLiteral("fmt :18")) QCOMPARE(int(u16(file, format + 16)), 0);
        if (factSamples >= 0) QCOMPARE(int(u32(file, chunkAt(file, "fact") + 8)), factSamples);
        const qsizetype list = chunkAt(file, "LIST");
        if (list >= 0) QCOMPARE(file.mid(list + 8, 4), QByteArray("INFO"));
    }

    void theDescriptionCarriesExactlyTheCueFiles()
    {
        const FormDescription saved = Form1Description::load();
        QCOMPARE(saved.controls().size(), std::size_t{6});
        for (int cue = 1; cue <= 6; ++cue) {
            const PropertyBag bag = savedHolder(cue);
            const QByteArray file = cueFile(cue);
            QVERIFY(!file.isEmpty());
            QVERIFY2(bag.ReadProperty(QStringLiteral("MemWav"), std::int16_t{0}) == PropertyValue(ByteArray{0, file}),
                     qPrintable(QStringLiteral("cue %1 differs from zvuk/Vorn%1.wav").arg(cue)));
        }
    }

    void theDescriptionHoldsThePathsAndFlags()
    {
        for (int cue = 1; cue <= 6; ++cue) {
            const PropertyBag bag = savedHolder(cue);
            QStringList keys;
            for (const auto& entry : bag.entries()) keys << entry.key;
            QCOMPARE(keys, (QStringList{"_extentx", "_extenty", "sndfile", "syncsnd", "stopsnd", "memwav"}));
            QCOMPARE(toText(bag.ReadProperty(QStringLiteral("SndFile"), QString())),
                     QStringLiteral("..\\zvuk\\Vorn%1.wav").arg(cue));
            QVERIFY(bag.ReadProperty(QStringLiteral("SyncSnd"), 0) == PropertyValue(std::int16_t{-1}));
            QVERIFY(bag.ReadProperty(QStringLiteral("StopSnd"), 0) == PropertyValue(std::int16_t{-1}));
            QVERIFY(bag.ReadProperty(QStringLiteral("_ExtentX"), 0) == PropertyValue(std::int32_t{847}));
            QVERIFY(bag.ReadProperty(QStringLiteral("_ExtentY"), 0) == PropertyValue(std::int32_t{847}));
        }
    }

    void eachCuePlaysItsSoundSynchronouslyFromTheStart_data()
    {
        QTest::addColumn<int>("cue");
        QTest::addColumn<int>("lengthMs");
        // Sample data / bytes per second, rounded up to the next millisecond.
        QTest::newRow("1, coin chime") << 1 << 231;
        QTest::newRow("2, sparkle") << 2 << 498;
        QTest::newRow("3, blast") << 3 << 1565;
        QTest::newRow("4, rattle") << 4 << 976;
        QTest::newRow("5, soft ding") << 5 << 781;
        QTest::newRow("6, falling phrase") << 6 << 1124;
    }

    void eachCuePlaysItsSoundSynchronouslyFromTheStart()
    {
        QFETCH(int, cue);
        QFETCH(int, lengthMs);
        // Only built, not loaded: the holders restore themselves while the window is built.
        TestForm t;
        t.clock->now = 1000;
        t.form->PlayCue(static_cast<Integer>(cue));
        QCOMPARE(t.cuesPlayed(), (std::vector<TestForm::CuePlay>{{cue, Snd::kNoDefault | Snd::kMemory, 1000}}));
        QCOMPARE(t.clock->now, 1000 + lengthMs);
        QCOMPARE(t.clock->yields, 1);
    }

    void aCueCutsOffASoundStillPlaying()
    {
        TestForm t;
        t.form->EmbedSound1(2)->setSyncSnd(false);
        t.form->PlayCue(2);
        t.form->PlayCue(1);
        QCOMPARE(t.cuesPlayed().size(), std::size_t{2});
        QCOMPARE(t.sound->heard().count(RecordingBackend::Kind::Start), 2);
        QCOMPARE(t.clock->now, 231);
    }

    void noCuePlaysWhileTheGameIsStopping()
    {
        TestForm t;
        t.form->Form_Load();
        t.form->stopGame = true;
        for (Integer cue = 1; cue <= 6; ++cue) t.form->PlayCue(cue);
        QVERIFY(t.cuesPlayed().empty());
        QCOMPARE(t.clock->now, 0);
    }

    void theHoldersAreNeverShown()
    {
        TestForm t;
        t.form->Form_Load();
        t.form->show();
        for (int i = 1; i <= 6; ++i) {
            QVERIFY(!t.form->EmbedSound1(i)->isVisible());
            QCOMPARE(t.form->EmbedSound1(i)->size(), QSize(32, 32));
            QCOMPARE(t.form->EmbedSound1(i)->parentWidget(), t.form->Picture1->client());
        }
    }

    void closingTheWindowStopsTheSound()
    {
        TestForm t;
        t.form->EmbedSound1(3)->setSyncSnd(false);
        t.form->EmbedSound1(3)->setLoopSnd(true);
        t.form->PlayCue(3);
        QVERIFY(t.sound->playing());
        t.form.reset();
        QVERIFY(!t.sound->playing());
        QCOMPARE(t.sound->stops, 6);
    }
};

QTEST_MAIN(TestCues)
#include "test_cues.moc"
