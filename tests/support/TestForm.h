#pragma once

#include "support/ScriptedRandom.h"
#include "support/TemporaryWorkingDirectory.h"
#include "support/VirtualClock.h"
#include "window/Form1.h"

#include <memory>

// The real window on a virtual clock and a scripted random source, in a
// working directory of its own.
struct TestForm {
    TestForm();

    TemporaryWorkingDirectory directory;
    VirtualClock* clock;
    ScriptedRandom* random;
    std::unique_ptr<Form1> form;
};
