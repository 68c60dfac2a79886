#pragma once

#include <QString>

// The in-process measurements; each prints its figures (see Figures.h).
void measurePace();        // pace_ms, frame_error_ms
void measureCost();        // cpu_fraction.shipped, cpu_fraction.busy_wait
void measureThroughput();  // redraw_us, landings_per_cpu_s
void measureCues();        // cue_first_sample_ms, cue_sync_extra_ms
void measureSteps();       // cpu_per_step_us.1, cpu_per_step_us.10, wakeups_per_step
// The real program, started afresh a few times: startup_ms, startup_accuracy_ms.
void measureStartup(const QString& program);

// Reads the "key value" lines of every measurement from figuresPath, prints
// the table against the budgets and writes the figures to jsonPath.
// Returns false when a figure is missing.
bool writeReport(const char* figuresPath, const char* jsonPath);
