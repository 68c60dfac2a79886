#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

// The null sink's monitor (the sink named by PULSE_SINK), recorded in small
// reads on a thread of its own, each read stamped on the steady clock as it
// returns. A sample's time is its place in the recording after the median
// stamp's offset: the monitor hands on each block of the sink as it is mixed,
// so stamps scatter by about one block, and the median sits in the middle.
class MonitorRecording {
public:
    static constexpr int kRate = 44100;

    // Starts recording at once; ok() tells whether the monitor could be opened.
    MonitorRecording();
    ~MonitorRecording();

    bool ok() const { return opened; }
    // Ends the recording; afterwards samples() and timeOf() may be used.
    void stop();

    const std::vector<std::int16_t>& samples() const { return recorded; }
    std::chrono::steady_clock::time_point timeOf(std::ptrdiff_t sample) const;
    // How far the reads' stamps scatter about the median (the larger of its
    // distances to the 5th and the 95th percentile), in ms.
    double scatterMs() const;

private:
    void record(void* stream);
    std::chrono::steady_clock::time_point offsetAt(double quantile) const;

    bool opened = false;
    std::atomic<bool> stopping{false};
    std::thread reader;
    std::vector<std::int16_t> recorded;
    // Per read: the steady time at which it returned, less the recorded length so far.
    std::vector<std::chrono::steady_clock::time_point> offsets;
};
