// The sound service's rules: one sound at a time, the meaning of each flag,
// the length of a synchronous sound, and no events while it plays.
#include "sound/SoundService.h"
#include "support/InBrowser.h"
#include "support/RecordingBackend.h"
#include "support/TestWav.h"
#include "support/VirtualPlaybackTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace {

using Kind = RecordingBackend::Kind;

constexpr SoundFlags kAsyncCut = Snd::kAsync | Snd::kNoDefault | Snd::kMemory;
constexpr SoundFlags kAsyncNoStop = kAsyncCut | Snd::kNoStop;
constexpr SoundFlags kSyncCut = Snd::kNoDefault | Snd::kMemory;

// A service on the virtual clock that plays into a recorder.
struct RecordedService {
    RecordedService()
    {
        auto recorder = std::make_unique<RecordingBackend>(clock);
        backend = recorder.get();
        service = std::make_unique<SoundService>(std::move(recorder), std::make_unique<VirtualPlaybackTimer>(clock));
    }

    std::vector<Kind> kinds() const
    {
        std::vector<Kind> out;
        for (const auto& event : backend->events) out.push_back(event.kind);
        return out;
    }

    std::shared_ptr<VirtualClock> clock = std::make_shared<VirtualClock>();
    RecordingBackend* backend;
    std::unique_ptr<SoundService> service;
};

const QByteArray kShort = testWav(100);
const QByteArray kOther = testWav(300);

} // namespace

class TestSoundService : public QObject {
    Q_OBJECT

private slots:
    void noStopDropsANewSoundWhileOnePlays()
    {
        RecordedService s;
        s.service->play(bytesOf(kShort), kAsyncCut);
        s.clock->now = 50;
        s.service->play(bytesOf(kOther), kAsyncNoStop);
        QCOMPARE(s.kinds(), std::vector<Kind>{Kind::Start});
        QCOMPARE(s.backend->events[0].samples.size(), std::size_t(1600));
        s.clock->now = 100;
        s.service->play(bytesOf(kOther), kAsyncNoStop);
        QCOMPARE(s.kinds(), (std::vector<Kind>{Kind::Start, Kind::Stop, Kind::Start}));
        QCOMPARE(s.backend->events[2].samples.size(), std::size_t(4800));
    }

    void withoutNoStopANewSoundCutsTheOldOneOff()
    {
        RecordedService s;
        s.service->play(bytesOf(kOther), kAsyncCut);
        s.clock->now = 50;
        s.service->play(bytesOf(kShort), kAsyncCut);
        QCOMPARE(s.kinds(), (std::vector<Kind>{Kind::Start, Kind::Stop, Kind::Start}));
        QCOMPARE(s.backend->events[1].at, 50);
        QCOMPARE(s.backend->events[2].samples.size(), std::size_t(1600));
    }

    void stopEndsWhateverPlays()
    {
        RecordedService s;
        s.service->play(bytesOf(kShort), kAsyncCut | Snd::kLoop);
        QVERIFY(s.service->playing());
        s.service->stop();
        QVERIFY(!s.service->playing());
        QCOMPARE(s.kinds(), (std::vector<Kind>{Kind::Start, Kind::Stop}));
        s.service->stop();
        QCOMPARE(s.backend->count(Kind::Stop), 1);
    }

    // A late server may still be sounding its end: only the next sound, or a
    // stop, cuts that off.
    void aSynchronousSoundReturnsAfterItsDurationAndLeavesItsEndToTheServer()
    {
        RecordedService s;
        s.clock->now = 1000;
        s.service->play(bytesOf(kOther), kSyncCut);
        QCOMPARE(s.clock->now, 1300);
        QCOMPARE(s.kinds(), (std::vector<Kind>{Kind::Start, Kind::Drain}));
        QCOMPARE(s.backend->events[1].at, 1300);
        QVERIFY(!s.service->playing());
        s.service->play(bytesOf(kShort), kAsyncNoStop);
        QCOMPARE(s.kinds(), (std::vector<Kind>{Kind::Start, Kind::Drain, Kind::Stop, Kind::Start}));
        s.service->stop();
        s.service->play(bytesOf(kOther), kSyncCut);
        s.service->stop();
        QCOMPARE(s.backend->count(Kind::Stop), 3);
    }

    void aSynchronousSoundRoundsItsLengthUpToTheMillisecond()
    {
        RecordedService s;
        const QByteArray oddLength = testWav(10, 22050);  // 220 frames: 9.977 ms
        s.service->play(bytesOf(oddLength), kSyncCut);
        QCOMPARE(s.clock->now, 10);
    }

    void aSynchronousSoundLetsNoScriptedInputRun()
    {
        RecordedService s;
        bool ran = false;
        s.clock->at(100, [&ran] { ran = true; });
        s.service->play(bytesOf(kOther), kSyncCut);
        QVERIFY(!ran);
        s.clock->doEvents();
        QVERIFY(ran);
    }

    void anAsynchronousSoundEndsByItselfAfterItsDuration()
    {
        RecordedService s;
        s.service->play(bytesOf(kShort), kAsyncNoStop);
        QCOMPARE(s.clock->now, 0);
        s.clock->now = 99;
        QVERIFY(s.service->playing());
        s.clock->now = 100;
        QVERIFY(!s.service->playing());
    }

    void aLoopRepeatsUntilStopped()
    {
        RecordedService s;
        s.service->play(bytesOf(kShort), kAsyncNoStop | Snd::kLoop);
        QVERIFY(s.backend->events[0].loop);
        s.clock->now = 100000;
        QVERIFY(s.service->playing());
        s.service->play(bytesOf(kOther), kAsyncNoStop);
        QCOMPARE(s.backend->count(Kind::Start), 1);
        s.service->stop();
        s.service->play(bytesOf(kOther), kAsyncNoStop);
        QCOMPARE(s.backend->count(Kind::Start), 2);
        QVERIFY(!s.backend->events.back().loop);
    }

    void aLoopIsCutOffByANewSoundWithoutNoStop()
    {
        RecordedService s;
        s.service->play(bytesOf(kShort), kAsyncCut | Snd::kLoop);
        s.clock->now = 5000;
        s.service->play(bytesOf(kOther), kAsyncCut);
        QCOMPARE(s.kinds(), (std::vector<Kind>{Kind::Start, Kind::Stop, Kind::Start}));
    }

    void aSynchronousLoopPlaysOnce()
    {
        RecordedService s;
        s.service->play(bytesOf(kShort), kSyncCut | Snd::kLoop);
        QVERIFY(!s.backend->events[0].loop);
        QCOMPARE(s.clock->now, 100);
        QVERIFY(!s.service->playing());
    }

    void anUnreadableImageIsSilentButStillCutsOff()
    {
        RecordedService s;
        const QByteArray broken = kShort.left(30);
        s.service->play(bytesOf(kOther), kAsyncCut);
        s.service->play(bytesOf(broken), kAsyncCut);
        QCOMPARE(s.kinds(), (std::vector<Kind>{Kind::Start, Kind::Stop}));
        QVERIFY(!s.service->playing());
        s.service->play(bytesOf(broken), kSyncCut);
        QCOMPARE(s.clock->now, 0);
    }

    // One second of frames in each shape: what the platform's player would
    // refuse is silent and holds nothing, whatever length it claims.
    void onlyImagesThePlatformPlaysHoldTheGame_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("plays");
        QTest::newRow("1 Hz") << 1 << 1 << 16 << false;
        QTest::newRow("999 Hz") << 1 << 999 << 16 << false;
        QTest::newRow("1000 Hz") << 1 << 1000 << 16 << true;
        QTest::newRow("384000 Hz") << 1 << 384000 << 16 << true;
        QTest::newRow("384001 Hz") << 1 << 384001 << 16 << false;
        QTest::newRow("8-bit stereo") << 2 << 8000 << 8 << true;
        QTest::newRow("24-bit") << 1 << 8000 << 24 << false;
        QTest::newRow("32-bit") << 1 << 8000 << 32 << false;
        QTest::newRow("3 channels") << 3 << 8000 << 16 << false;
    }

    void onlyImagesThePlatformPlaysHoldTheGame()
    {
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(bool, plays);
        RecordedService s;
        const QByteArray image = testWavOfShape(channels, rate, bits, rate);
        s.service->play(bytesOf(image), kSyncCut);
        QCOMPARE(s.clock->now, plays ? 1000 : 0);
        QCOMPARE(s.backend->count(Kind::Start), plays ? 1 : 0);
    }

    void anUnreadableImageWithNoStopLeavesThePlayingSoundAlone()
    {
        RecordedService s;
        s.service->play(bytesOf(kOther), kAsyncCut);
        s.service->play(std::span<const std::byte>(), kAsyncNoStop);
        QCOMPARE(s.kinds(), std::vector<Kind>{Kind::Start});
        QVERIFY(s.service->playing());
    }

    void theSamplesArePlayedInPlace()
    {
        RecordedService s;
        s.service->play(bytesOf(kShort), kAsyncCut);
        const auto image = bytesOf(kShort);
        QCOMPARE(s.backend->events[0].samples.data(), image.data() + kTestWavSamplesAt);
    }

    void thereIsOneServicePerProcess()
    {
        const std::shared_ptr<SoundService> first = SoundService::shared();
        QCOMPARE(SoundService::shared(), first);
    }

    // The real service, with or without a device: the window's thread is
    // held for the sound's length and handles nothing meanwhile. In a
    // browser Qt's own calls run during the hold; the window's input waits
    // (test_browser_hold).
    void theRealServiceBlocksWithoutHandlingEvents()
    {
        const std::shared_ptr<SoundService> service = SoundService::shared();
        const QByteArray silence = testWav(150);
        bool handled = false;
        QTimer::singleShot(0, [&handled] { handled = true; });
        QElapsedTimer elapsed;
        elapsed.start();
        service->play(bytesOf(silence), kSyncCut);
        QVERIFY2(elapsed.elapsed() >= 150, qPrintable(QString::number(elapsed.elapsed())));
        if (kInBrowser) return;
        QVERIFY(!handled);
        QCoreApplication::processEvents();
        QVERIFY(handled);
    }

    void theRealServiceReturnsAtOnceFromAnAsynchronousSound()
    {
        const std::shared_ptr<SoundService> service = SoundService::shared();
        const QByteArray silence = testWav(400);
        QElapsedTimer elapsed;
        elapsed.start();
        service->play(bytesOf(silence), kAsyncCut);
        QVERIFY(elapsed.elapsed() < 100);
        QVERIFY(service->playing());
        service->stop();
        QVERIFY(!service->playing());
    }
};

QTEST_GUILESS_MAIN(TestSoundService)
#include "test_sound_service.moc"
