#pragma once

#include "sound/PlaybackSource.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QPointer>
#include <QTimer>

#include <list>
#include <memory>

// Plays one sound at a time through an audio sink of Qt Multimedia. Lives
// on the sound thread: every call comes there, and the sink, its reader and
// its timer are made and destroyed there.
class SinkPlayer {
public:
    SinkPlayer() = default;
    ~SinkPlayer() { end(); }

    // Ends any sound, then plays source. A source that cannot reach a device
    // is marked played out at once: the service holds it in silence.
    void begin(const QAudioFormat& format, const std::shared_ptr<PlaybackSource>& source);
    void end();

private:
    // Qt's sink handles pending events while it is destroyed, and one of them
    // may be the next sound's begin: so a sink goes only once control is back
    // in the event loop, with its reader and timer, which are its children.
    struct DeleteLater {
        void operator()(QObject* object) const { object->deleteLater(); }
    };

    using SinkHandle = std::unique_ptr<QAudioSink, DeleteLater>;

    SinkHandle sink;
    QPointer<QTimer> playedOutCheck;  // a child of sink
    // Stopped sinks, kept for a grace period: Qt's PulseAudio sink may still
    // be called back by the server after stop (the reply to the drain it asked
    // for itself when its data ran out), and a deleted sink would crash there.
    std::list<SinkHandle> retired;
};
