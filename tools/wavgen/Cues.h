#pragma once

#include "CueSounds.h"
#include "WavFile.h"

#include <cstddef>
#include <string>
#include <vector>

// One cue's file: its name, its shape, how many frames it holds, the size
// the whole file must come to, and the sound in it.
struct Cue {
    std::string fileName;
    WavLayout layout;
    std::size_t frames;
    std::size_t imageSize;
    Channels (*sound)(double rate, std::size_t frames);
};

const std::vector<Cue>& cues();
