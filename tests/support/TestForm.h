#pragma once

#include "support/RecordingSoundOutput.h"
#include "support/ScriptedRandom.h"
#include "support/TemporaryWorkingDirectory.h"
#include "support/VirtualClock.h"
#include "window/Form1.h"

#include <memory>
#include <vector>

// The real window on a virtual clock, a scripted random source and a
// recording sound output, in a working directory of its own.
struct TestForm {
    TestForm();

    TemporaryWorkingDirectory directory;

    // One sound the window asked for: the cue whose saved image it was (0 for
    // none of them), the flags and the virtual time of the request.
    struct CuePlay {
        int cue;
        SoundFlags flags;
        std::int32_t at;

        bool operator==(const CuePlay&) const = default;
    };
    std::vector<CuePlay> cuesPlayed() const;

    VirtualClock* clock;
    ScriptedRandom* random;
    std::shared_ptr<RecordingSoundOutput> sound;  // outlives the window, whose holders stop it as they go
    std::unique_ptr<Form1> form;
};
