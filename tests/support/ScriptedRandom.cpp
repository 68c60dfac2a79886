#include "support/ScriptedRandom.h"

void ScriptedRandom::seeded(unsigned seed)
{
    engine.seed(seed);
    fallback = [this] { return static_cast<double>(engine() >> 11) / 9007199254740992.0; };
}

double ScriptedRandom::next()
{
    ++draws;
    if (position < queued.size()) return queued[position++];
    if (!fallback) seeded(1);
    return fallback();
}
