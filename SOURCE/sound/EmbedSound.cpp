#include "sound/EmbedSound.h"

#include "window/Clock.h"
#include "window/MessageBox.h"
#include "window/Pictures.h"
#include "window/SoundOutput.h"
#include "window/forms/FileAccess.h"
#include "window/forms/FormsError.h"
#include "window/forms/Twips.h"

#include <QPainter>

namespace {

const QString kSndFile = QStringLiteral("SndFile");
const QString kLoopSnd = QStringLiteral("LoopSnd");
const QString kSyncSnd = QStringLiteral("SyncSnd");
const QString kStopSnd = QStringLiteral("StopSnd");
const QString kMemWav = QStringLiteral("MemWav");
// "MemWav" is read and written with the Integer 0 as its default, which is no byte sequence.
const PropertyValue kNoImage = std::int16_t{0};

// The holder is one icon's size, whatever the author or the window gives it.
constexpr float kSidePixels = 32.0F;

constexpr int kMessageStyle = MessageBox::kExclamation | MessageBox::kOkOnly;
constexpr std::int32_t kBytesPerKilobyte = 1024;
const QString kLineBreak = QStringLiteral("\r\n");

QByteArray imageFrom(const PropertyValue& saved)
{
    const auto* array = std::get_if<ByteArray>(&saved);
    return array ? array->bytes : QByteArray();
}

} // namespace

EmbedSound::EmbedSound(QWidget* container, AmbientProperties ambient, std::shared_ptr<Clock> sharedClock,
                       std::shared_ptr<SoundOutput> sharedOutput)
    : UserControl(container, ambient), clock(std::move(sharedClock)), output(std::move(sharedOutput))
{
}

EmbedSound::~EmbedSound() { UserControl_Terminate(); }

bool EmbedSound::PlaySound()
{
    SoundFlags flags = Snd::kNoDefault | Snd::kMemory;
    if (loopSnd) flags |= Snd::kLoop;
    if (!stopSnd) flags |= Snd::kNoStop;
    if (!syncSnd) flags |= Snd::kAsync;
    // Pending input and painting are handled before the sound holds the thread.
    clock->doEvents();
    if (memWav.isEmpty()) return false;
    output->play(std::as_bytes(std::span(memWav.constData(), static_cast<std::size_t>(memWav.size()))), flags);
    return true;
}

QString EmbedSound::SndFile() const
{
    if (Ambient().UserMode) throw FormsError(StandardErrors::kGetNotSupportedAtRuntime);
    return sndFile;
}

void EmbedSound::setSndFile(const QString& New_SndFile)
{
    if (Ambient().UserMode) throw FormsError(StandardErrors::kSetNotSupportedAtRuntime);
    sndFile = New_SndFile;
    PropertyChanged(kSndFile);
    EmbedSndFile();
}

void EmbedSound::setLoopSnd(bool New_LoopSnd)
{
    loopSnd = New_LoopSnd;
    PropertyChanged(kLoopSnd);
}

void EmbedSound::setSyncSnd(bool New_SyncSnd)
{
    syncSnd = New_SyncSnd;
    PropertyChanged(kSyncSnd);
}

void EmbedSound::setStopSnd(bool New_StopSnd)
{
    stopSnd = New_StopSnd;
    PropertyChanged(kStopSnd);
}

bool EmbedSound::StopSound()
{
    output->stop();
    return false;
}

void EmbedSound::UserControl_InitProperties()
{
    sndFile.clear();
    loopSnd = false;
    syncSnd = false;
    stopSnd = false;
}

void EmbedSound::UserControl_ReadProperties(const PropertyBag& PropBag)
{
    sndFile = toText(PropBag.ReadProperty(kSndFile, QString()));
    loopSnd = toBoolean(PropBag.ReadProperty(kLoopSnd, booleanValue(false)));
    syncSnd = toBoolean(PropBag.ReadProperty(kSyncSnd, booleanValue(false)));
    stopSnd = toBoolean(PropBag.ReadProperty(kStopSnd, booleanValue(false)));
    memWav = imageFrom(PropBag.ReadProperty(kMemWav, kNoImage));
}

void EmbedSound::UserControl_Resize()
{
    setWidth(kSidePixels * static_cast<float>(kTwipsPerPixel));
    setHeight(kSidePixels * static_cast<float>(kTwipsPerPixel));
}

void EmbedSound::UserControl_Terminate() { StopSound(); }

void EmbedSound::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, Pictures::soundHolderPicture(devicePixelRatioF()));
}

void EmbedSound::UserControl_WriteProperties(PropertyBag& PropBag)
{
    PropBag.WriteProperty(kSndFile, sndFile, QString());
    PropBag.WriteProperty(kLoopSnd, booleanValue(loopSnd), booleanValue(false));
    PropBag.WriteProperty(kSyncSnd, booleanValue(syncSnd), booleanValue(false));
    PropBag.WriteProperty(kStopSnd, booleanValue(stopSnd), booleanValue(false));
    PropBag.WriteProperty(kMemWav, ByteArray{0, memWav}, kNoImage);
}

void EmbedSound::EmbedSndFile()
{
    QString reason;
    try {
        const std::int32_t size = FileLen(SndFile());
        if (size > 0) {
            // An error up to here leaves the previous image in place.
            const QByteArray image = ReadWholeFile(SndFile());
            // A sound may still be reading the image that goes.
            StopSound();
            memWav = image;
            PropertyChanged(kMemWav);
            MsgBox(QStringLiteral("File ") + SndFile() + QStringLiteral(" was successfully embed.") + kLineBreak +
                       QStringLiteral("File Size : ") + QString::number(size / kBytesPerKilobyte + 1) +
                       QStringLiteral(" KB."),
                   kMessageStyle, QStringLiteral("Success"));
            return;
        }
    } catch (const FormsError& error) {
        reason = error.Description();
    }
    // An empty file is refused too, with nothing after the line break.
    MsgBox(QStringLiteral("An error occured.") + kLineBreak + reason, kMessageStyle, kEmbedSoundErrorTitle);
}
