#pragma once

#include "window/forms/UserControl.h"

#include <QByteArray>
#include <QString>

#include <memory>

class Clock;
class SoundOutput;

// The title of the message box by which SndFile reports a file it could not embed.
inline const QString kEmbedSoundErrorTitle = QStringLiteral("EmbedSound Error");

// The sound holder: a control that carries one whole WAV file inside the
// window's saved description and plays it from memory. The author sets
// SndFile in authoring mode, which reads the file into the holder's image;
// at run time the image and the three flags come back from the saved data.
//
// The clock and the sound output are shared: Qt destroys the holders after
// the window's own members, and UserControl_Terminate still stops the sound.
class EmbedSound : public UserControl {
    Q_OBJECT

public:
    EmbedSound(QWidget* container, AmbientProperties ambient, std::shared_ptr<Clock> clock,
               std::shared_ptr<SoundOutput> output);
    ~EmbedSound() override;

    // True when the image was handed to the sound output, false when the holder has none.
    bool PlaySound();
    // Authoring mode only: at run time the get raises error 393 and the let error 382.
    QString SndFile() const;
    void setSndFile(const QString& New_SndFile);
    bool LoopSnd() const { return loopSnd; }
    void setLoopSnd(bool New_LoopSnd);
    bool SyncSnd() const { return syncSnd; }
    void setSyncSnd(bool New_SyncSnd);
    bool StopSnd() const { return stopSnd; }
    void setStopSnd(bool New_StopSnd);
    // Ends whatever sound plays in the process, whichever holder started it. Always false.
    bool StopSound();

protected:
    // While the window is authored the holder shows the class's own picture.
    void paintEvent(QPaintEvent* event) override;

private:
    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(const PropertyBag& PropBag) override;
    void UserControl_Resize() override;
    void UserControl_Terminate();
    void UserControl_WriteProperties(PropertyBag& PropBag) override;
    void EmbedSndFile();

    QString sndFile;
    bool loopSnd = false;
    bool syncSnd = false;
    bool stopSnd = false;
    QByteArray memWav;  // the whole WAV file; stays in place while it plays

    std::shared_ptr<Clock> clock;
    std::shared_ptr<SoundOutput> output;
};
