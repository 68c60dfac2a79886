#include "support/TestForm.h"

namespace {

Platform testPlatform(VirtualClock*& clock, ScriptedRandom*& random)
{
    Platform platform;
    auto ownedClock = std::make_unique<VirtualClock>();
    auto ownedRandom = std::make_unique<ScriptedRandom>();
    clock = ownedClock.get();
    random = ownedRandom.get();
    platform.clock = std::move(ownedClock);
    platform.random = std::move(ownedRandom);
    return platform;
}

} // namespace

TestForm::TestForm() : form(std::make_unique<Form1>(testPlatform(clock, random))) {}
