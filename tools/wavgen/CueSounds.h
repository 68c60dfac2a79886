#pragma once

#include <cstddef>
#include <vector>

// The six cues' sounds, as samples in [-1, 1], one vector per channel, each
// exactly frames long at the given rate.
using Channels = std::vector<std::vector<double>>;

Channels coinChime(double rate, std::size_t frames);      // cue 1: cleared cells
Channels sparkle(double rate, std::size_t frames);        // cue 2: shower on shower
Channels blast(double rate, std::size_t frames);          // cue 3: bomb
Channels rattle(double rate, std::size_t frames);         // cue 4: column or row block
Channels softDing(double rate, std::size_t frames);       // cue 5: colour block, in stereo
Channels fallingPhrase(double rate, std::size_t frames);  // cue 6: game over
