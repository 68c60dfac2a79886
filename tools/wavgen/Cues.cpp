#include "Cues.h"

const std::vector<Cue>& cues()
{
    static const std::vector<Cue> all{
        {"Vorn1.wav",
         {1, 22050, 16, true, true, {{"ISFT", "Vorn"}}},
         5089, 10262, coinChime},
        {"Vorn2.wav", {1, 22050, 8, false, true, {}}, 10971, 11028, sparkle},
        {"Vorn3.wav", {1, 11025, 16, false, true, {}}, 17248, 34552, blast},
        {"Vorn4.wav",
         {1, 22050, 16, false, false,
          {{"IGNR", "Sound effect"}, {"ISFT", "Vorn wavgen"}, {"ICMT", "Wooden rattle for the ladder blocks."}}},
         21504, 43152, rattle},
        {"Vorn5.wav", {2, 22050, 16, false, false, {}}, 17218, 68916, softDing},
        {"Vorn6.wav", {1, 14925, 8, false, false, {}}, 16764, 16808, fallingPhrase},
    };
    return all;
}
