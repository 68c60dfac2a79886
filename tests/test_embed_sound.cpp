// The sound holder: its flags, its saved values, its run-time errors and the
// authoring path with its message boxes.
#include "sound/EmbedSound.h"
#include "support/RecordingMessageBox.h"
#include "support/RecordingSoundOutput.h"
#include "support/TableFiles.h"
#include "support/TestWav.h"
#include "support/VirtualClock.h"
#include "window/forms/FormsError.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include "window/Pictures.h"

#include <QTest>

namespace {

const QString kSndFile = QStringLiteral("SndFile");
const QString kMemWav = QStringLiteral("MemWav");
const QByteArray kImage = testWav(100);

// One holder on a virtual clock, playing into a recording sound output.
struct Holder {
    explicit Holder(bool userMode)
        : holder(std::make_unique<EmbedSound>(nullptr, AmbientProperties{userMode, &messages}, clock, sound))
    {
    }

    PropertyBag saved() const
    {
        PropertyBag bag;
        holder->Save(bag);
        return bag;
    }

    std::vector<QString> keys() const
    {
        std::vector<QString> out;
        const PropertyBag bag = saved();
        for (const auto& entry : bag.entries()) out.push_back(entry.key);
        return out;
    }

    std::shared_ptr<VirtualClock> clock = std::make_shared<VirtualClock>();
    std::shared_ptr<RecordingSoundOutput> sound = std::make_shared<RecordingSoundOutput>(clock);
    RecordingMessageBox messages;
    std::unique_ptr<EmbedSound> holder;
};

PropertyBag bagWithImage(const QByteArray& image)
{
    PropertyBag bag;
    bag.WriteProperty(kMemWav, ByteArray{0, image}, std::int16_t{0});
    return bag;
}

int errorNumber(const std::function<void()>& action)
{
    try {
        action();
    } catch (const FormsError& error) {
        return error.Number();
    }
    return 0;
}

QByteArray savedImage(const PropertyBag& bag)
{
    const PropertyValue value = bag.ReadProperty(kMemWav, std::int16_t{0});
    const auto* array = std::get_if<ByteArray>(&value);
    return array ? array->bytes : QByteArray("not an array");
}

QStringList changes(const QSignalSpy& spy)
{
    QStringList names;
    for (const QList<QVariant>& signal : spy) names << signal.at(0).toString();
    return names;
}

} // namespace

class TestEmbedSound : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(QDir::setCurrent(work.path())); }

    void theFlagsOfAllEightCombinations_data()
    {
        QTest::addColumn<bool>("loop");
        QTest::addColumn<bool>("sync");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<int>("flags");
        QTest::newRow("none") << false << false << false << 23;
        QTest::newRow("StopSnd") << false << false << true << 7;
        QTest::newRow("SyncSnd") << false << true << false << 22;
        QTest::newRow("SyncSnd StopSnd, the cues") << false << true << true << 6;
        QTest::newRow("LoopSnd") << true << false << false << 31;
        QTest::newRow("LoopSnd StopSnd") << true << false << true << 15;
        QTest::newRow("LoopSnd SyncSnd") << true << true << false << 30;
        QTest::newRow("all three") << true << true << true << 14;
    }

    void theFlagsOfAllEightCombinations()
    {
        QFETCH(bool, loop);
        QFETCH(bool, sync);
        QFETCH(bool, stop);
        QFETCH(int, flags);
        Holder h(true);
        h.holder->Load(bagWithImage(kImage));
        h.holder->setLoopSnd(loop);
        h.holder->setSyncSnd(sync);
        h.holder->setStopSnd(stop);
        QVERIFY(h.holder->PlaySound());
        QCOMPARE(h.sound->requests.size(), std::size_t{1});
        QCOMPARE(int(h.sound->requests[0].flags), flags);
    }

    void playSoundYieldsOnceBeforeTheSoundStarts()
    {
        Holder h(true);
        h.holder->Load(bagWithImage(kImage));
        std::size_t requestsDuringYield = 99;
        h.clock->at(0, [&] { requestsDuringYield = h.sound->requests.size(); });
        QVERIFY(h.holder->PlaySound());
        QCOMPARE(h.clock->yields, 1);
        QCOMPARE(requestsDuringYield, std::size_t{0});
    }

    void theImageIsHandedOverInPlace()
    {
        Holder h(true);
        h.holder->Load(bagWithImage(kImage));
        h.holder->PlaySound();
        h.holder->PlaySound();
        const auto& requests = h.sound->requests;
        QCOMPARE(requests[0].image.data(), requests[1].image.data());
        QVERIFY(std::ranges::equal(requests[0].image, bytesOf(kImage)));
    }

    void aHolderWithoutAnImageReturnsFalseAndIsSilent()
    {
        Holder h(true);
        h.holder->setSyncSnd(true);
        QVERIFY(!h.holder->PlaySound());
        QVERIFY(h.sound->requests.empty());
        QVERIFY(h.sound->heard().events.empty());
        QCOMPARE(h.clock->now, 0);
        QCOMPARE(h.clock->yields, 1);
    }

    void aFailedPlayIsStillTrue()
    {
        // Another holder's asynchronous sound still plays, and this one leaves it alone.
        Holder h(true);
        h.holder->Load(bagWithImage(kImage));
        EmbedSound other(nullptr, AmbientProperties{}, h.clock, h.sound);
        other.Load(bagWithImage(testWav(500)));
        QVERIFY(other.PlaySound());
        QVERIFY(h.holder->PlaySound());
        QCOMPARE(h.sound->heard().count(RecordingBackend::Kind::Start), 1);
    }

    void anImageNoPlayerTakesIsSilentAndHoldsNothingYetPlaySoundIsTrue()
    {
        Holder h(true);
        // An hour of frames at 1 Hz: held for its claimed length it would freeze the game.
        h.holder->Load(bagWithImage(testWavOfShape(1, 1, 16, 3600)));
        h.holder->setSyncSnd(true);
        QVERIFY(h.holder->PlaySound());
        QCOMPARE(h.clock->now, 0);
        QCOMPARE(h.sound->heard().count(RecordingBackend::Kind::Start), 0);
    }

    void stopSoundSilencesAnotherHoldersSound()
    {
        Holder h(true);
        EmbedSound other(nullptr, AmbientProperties{}, h.clock, h.sound);
        other.Load(bagWithImage(kImage));
        other.setLoopSnd(true);
        other.PlaySound();
        QVERIFY(h.sound->playing());
        QCOMPARE(h.holder->StopSound(), false);
        QVERIFY(!h.sound->playing());
    }

    void destroyingAHolderStopsTheSound()
    {
        Holder h(true);
        h.holder->Load(bagWithImage(kImage));
        h.holder->setLoopSnd(true);
        h.holder->PlaySound();
        h.holder.reset();
        QCOMPARE(h.sound->stops, 1);
        QVERIFY(!h.sound->playing());
        QCOMPARE(h.sound->heard().events.back().kind, RecordingBackend::Kind::Stop);
    }

    void sndFileIsNotAvailableAtRunTime()
    {
        Holder h(true);
        h.holder->Load(bagWithImage(kImage));
        const PropertyBag before = h.saved();
        QSignalSpy changed(h.holder.get(), &UserControl::propertyChanged);
        QCOMPARE(errorNumber([&] { h.holder->SndFile(); }), 393);
        QFile::copy(QStringLiteral(VORN_SOURCE_DIR "/zvuk/Vorn1.wav"), QStringLiteral("other.wav"));
        QCOMPARE(errorNumber([&] { h.holder->setSndFile(QStringLiteral("other.wav")); }), 382);
        QVERIFY(h.saved() == before);
        QVERIFY(changed.isEmpty());
        QVERIFY(h.messages.shown.empty());
    }

    void theFlagsMarkTheirChangesInEitherMode()
    {
        Holder h(true);
        QSignalSpy changed(h.holder.get(), &UserControl::propertyChanged);
        h.holder->setLoopSnd(true);
        h.holder->setSyncSnd(true);
        h.holder->setStopSnd(false);
        QCOMPARE(changes(changed), (QStringList{"LoopSnd", "SyncSnd", "StopSnd"}));
        QVERIFY(h.holder->LoopSnd() && h.holder->SyncSnd() && !h.holder->StopSnd());
    }

    void aNewInstanceSavesOnlyItsExtentAndAnEmptyImage()
    {
        Holder h(false);
        h.holder->InitNew();
        QCOMPARE(h.keys(), (std::vector<QString>{"_extentx", "_extenty", "memwav"}));
        QCOMPARE(savedImage(h.saved()), QByteArray());
        QCOMPARE(h.holder->SndFile(), QString());
    }

    void theSavedValuesRoundTrip()
    {
        Holder author(false);
        author.holder->InitNew();
        QFile::copy(QStringLiteral(VORN_SOURCE_DIR "/zvuk/Vorn2.wav"), QStringLiteral("cue.wav"));
        author.holder->setSndFile(QStringLiteral("cue.wav"));
        author.holder->setSyncSnd(true);
        author.holder->setStopSnd(true);
        const PropertyBag saved = author.saved();
        QCOMPARE(author.keys(), (std::vector<QString>{"_extentx", "_extenty", "sndfile", "syncsnd", "stopsnd", "memwav"}));
        QVERIFY(saved.ReadProperty(QStringLiteral("_ExtentX"), 0) == PropertyValue(std::int32_t{847}));
        QVERIFY(saved.ReadProperty(QStringLiteral("_ExtentY"), 0) == PropertyValue(std::int32_t{847}));
        QVERIFY(saved.ReadProperty(QStringLiteral("SyncSnd"), 0) == PropertyValue(std::int16_t{-1}));

        Holder reopened(false);
        reopened.holder->Load(saved);
        QVERIFY(reopened.saved() == saved);
        QCOMPARE(reopened.holder->SndFile(), QStringLiteral("cue.wav"));
        QVERIFY(!reopened.holder->LoopSnd() && reopened.holder->SyncSnd() && reopened.holder->StopSnd());

        Holder running(true);
        running.holder->Load(saved);
        QVERIFY(running.saved() == saved);
        QVERIFY(running.holder->PlaySound());
        QCOMPARE(int(running.sound->requests[0].flags), 6);
    }

    void loadingNeverReadsAFileNorShowsAMessage()
    {
        PropertyBag bag;
        bag.WriteProperty(kSndFile, QStringLiteral("no such file.wav"), QString());
        Holder h(false);
        h.holder->Load(bag);
        QCOMPARE(h.holder->SndFile(), QStringLiteral("no such file.wav"));
        QVERIFY(h.messages.shown.empty());
    }

    void aDescriptionWithoutMemWavGivesAnEmptyImage()
    {
        PropertyBag bag;
        bag.WriteProperty(QStringLiteral("SyncSnd"), booleanValue(true), booleanValue(false));
        Holder h(true);
        h.holder->Load(bag);
        QVERIFY(!h.holder->PlaySound());
        QVERIFY(h.holder->SyncSnd());
        QCOMPARE(savedImage(h.saved()), QByteArray());
    }

    void aMemWavThatIsNoByteArrayGivesAnEmptyImage()
    {
        PropertyBag bag;
        bag.WriteProperty(kMemWav, std::int16_t{5});
        Holder h(true);
        h.holder->Load(bag);
        QVERIFY(!h.holder->PlaySound());
    }

    void theHolderIsAlwaysOneIconInSize()
    {
        Holder h(false);
        h.holder->Size(3000, 75);
        QCOMPARE(h.holder->size(), QSize(32, 32));
        QCOMPARE(h.holder->Width(), 480.0);
        QCOMPARE(h.holder->Height(), 480.0);
    }

    void theHolderIsNeverShownAtRunTime()
    {
        const auto clock = std::make_shared<VirtualClock>();
        QWidget window;
        EmbedSound running(&window, AmbientProperties{}, clock, std::make_shared<RecordingSoundOutput>(clock));
        window.show();
        QVERIFY(!running.isVisible());
    }

    void theAuthorSeesTheClassPicture()
    {
        Holder h(false);
        h.holder->InitNew();
        const QImage shown = h.holder->grab(QRect(0, 0, 32, 32)).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage picture = Pictures::soundHolderPicture(1).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, picture);
    }

    void embeddingReportsTheSizeInKilobytes_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QString>("figure");
        QTest::newRow("10,262 bytes") << 10262 << "11";
        QTest::newRow("2,048 bytes") << 2048 << "3";
        QTest::newRow("1,023 bytes") << 1023 << "1";
        QTest::newRow("1 byte") << 1 << "1";
    }

    void embeddingReportsTheSizeInKilobytes()
    {
        QFETCH(int, bytes);
        QFETCH(QString, figure);
        QByteArray content(bytes, '\0');
        for (int i = 0; i < bytes; ++i) content[i] = static_cast<char>(i * 7);
        QFile file(QStringLiteral("sound.wav"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        Holder h(false);
        h.holder->InitNew();
        QSignalSpy changed(h.holder.get(), &UserControl::propertyChanged);
        h.holder->setSndFile(QStringLiteral("sound.wav"));
        QCOMPARE(h.messages.shown.size(), std::size_t{1});
        QCOMPARE(h.messages.shown[0].title, QStringLiteral("Success"));
        QCOMPARE(h.messages.shown[0].prompt,
                 QStringLiteral("File sound.wav was successfully embed.\r\nFile Size : %1 KB.").arg(figure));
        QCOMPARE(h.messages.shown[0].buttons, 48);
        QCOMPARE(changes(changed), (QStringList{"SndFile", "MemWav"}));
        QCOMPARE(savedImage(h.saved()), content);
    }

    void theSavedPathsWithBackslashesAreRead()
    {
        QVERIFY(QDir().mkpath(QStringLiteral("SOURCE")));
        QVERIFY(QDir().mkpath(QStringLiteral("zvuk")));
        QFile::copy(QStringLiteral(VORN_SOURCE_DIR "/zvuk/Vorn6.wav"), QStringLiteral("zvuk/Vorn6.wav"));
        QVERIFY(QDir::setCurrent(QStringLiteral("SOURCE")));
        Holder h(false);
        h.holder->setSndFile(QStringLiteral("..\\zvuk\\Vorn6.wav"));
        QCOMPARE(h.messages.shown[0].prompt,
                 QStringLiteral("File ..\\zvuk\\Vorn6.wav was successfully embed.\r\nFile Size : 17 KB."));
        QCOMPARE(savedImage(h.saved()).size(), 16808);
    }

    // The author embeds another file while the holder's loop plays: the loop
    // ends while the old image is still there. A failed embed keeps both.
    void embeddingAnotherFileEndsTheSoundBeforeTheOldImageGoes()
    {
        const QByteArray first = testWav(100, 8000, 0x1234);
        putFileBytes(QStringLiteral("first.wav"), first);
        putFileBytes(QStringLiteral("second.wav"), kImage);
        Holder h(false);
        h.holder->setSndFile(QStringLiteral("first.wav"));
        h.holder->setLoopSnd(true);
        h.holder->PlaySound();
        h.holder->setSndFile(QStringLiteral("missing.wav"));
        QVERIFY(h.sound->playing());
        h.holder->setSndFile(QStringLiteral("second.wav"));
        QVERIFY(!h.sound->playing());
        QCOMPARE(h.sound->samplesAtStop, std::vector<QByteArray>{first.mid(kTestWavSamplesAt)});
    }

    void embeddingAnEmptyFileIsAnErrorWithNoDescription()
    {
        QFile empty(QStringLiteral("empty.wav"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        Holder h(false);
        h.holder->Load(bagWithImage(kImage));
        QSignalSpy changed(h.holder.get(), &UserControl::propertyChanged);
        h.holder->setSndFile(QStringLiteral("empty.wav"));
        QCOMPARE(h.messages.shown.size(), std::size_t{1});
        QCOMPARE(h.messages.shown[0].title, QStringLiteral("EmbedSound Error"));
        QCOMPARE(h.messages.shown[0].prompt, QStringLiteral("An error occured.\r\n"));
        QCOMPARE(h.messages.shown[0].buttons, 48);
        QCOMPARE(changes(changed), QStringList{"SndFile"});
        QCOMPARE(savedImage(h.saved()), kImage);
        QCOMPARE(h.holder->SndFile(), QStringLiteral("empty.wav"));
    }

    void embeddingAMissingFileNamesTheError()
    {
        Holder h(false);
        h.holder->Load(bagWithImage(kImage));
        h.holder->setSndFile(QStringLiteral("missing.wav"));
        QCOMPARE(h.messages.shown[0].title, QStringLiteral("EmbedSound Error"));
        QCOMPARE(h.messages.shown[0].prompt, QStringLiteral("An error occured.\r\nFile not found"));
        QCOMPARE(savedImage(h.saved()), kImage);
        QCOMPARE(h.holder->SndFile(), QStringLiteral("missing.wav"));
    }

    void embeddingAFolderNamesTheError()
    {
        QVERIFY(QDir().mkpath(QStringLiteral("folder.wav")));
        Holder h(false);
        h.holder->setSndFile(QStringLiteral("folder.wav"));
        QCOMPARE(h.messages.shown[0].prompt, QStringLiteral("An error occured.\r\nPath/File access error"));
    }

private:
    QTemporaryDir work;
};

QTEST_MAIN(TestEmbedSound)
#include "test_embed_sound.moc"
