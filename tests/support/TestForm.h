#pragma once

#include "support/ScriptedRandom.h"
#include "support/VirtualClock.h"
#include "window/Form1.h"

#include <memory>

// The real window on a virtual clock and a scripted random source.
struct TestForm {
    TestForm();

    VirtualClock* clock;
    ScriptedRandom* random;
    std::unique_ptr<Form1> form;
};
