#include "MonitorRecording.h"

#include <QByteArray>
#include <QtGlobal>

#include <pulse/simple.h>

#include <algorithm>

namespace {

using Steady = std::chrono::steady_clock;

// 2.5 ms a read: small against the accuracy the figures need.
constexpr int kFramesPerRead = MonitorRecording::kRate / 400;

Steady::duration samplesTime(std::size_t samples)
{
    return std::chrono::duration_cast<Steady::duration>(
        std::chrono::duration<double>(static_cast<double>(samples) / MonitorRecording::kRate));
}

} // namespace

MonitorRecording::MonitorRecording()
{
    const QByteArray monitor = qgetenv("PULSE_SINK") + ".monitor";
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, kRate, 1};
    pa_buffer_attr attributes{};
    attributes.maxlength = static_cast<std::uint32_t>(-1);
    attributes.fragsize = kFramesPerRead * sizeof(std::int16_t);
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "vorn_bench", PA_STREAM_RECORD, monitor.constData(), "cue timing",
                                      &sampleFormat, nullptr, &attributes, &error);
    if (!stream) return;
    opened = true;
    reader = std::thread([this, stream] { record(stream); });
}

MonitorRecording::~MonitorRecording() { stop(); }

void MonitorRecording::stop()
{
    stopping = true;
    if (reader.joinable()) reader.join();
}

void MonitorRecording::record(void* opaque)
{
    auto* stream = static_cast<pa_simple*>(opaque);
    std::vector<std::int16_t> piece(kFramesPerRead);
    while (!stopping) {
        int error = 0;
        if (pa_simple_read(stream, piece.data(), piece.size() * sizeof(std::int16_t), &error) < 0)
            qFatal("cue timing: the monitor could not be read");
        const auto now = Steady::now();
        recorded.insert(recorded.end(), piece.begin(), piece.end());
        offsets.push_back(now - samplesTime(recorded.size()));
    }
    pa_simple_free(stream);
}

Steady::time_point MonitorRecording::offsetAt(double quantile) const
{
    std::vector<Steady::time_point> sorted = offsets;
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<std::size_t>(quantile * static_cast<double>(sorted.size() - 1))];
}

Steady::time_point MonitorRecording::timeOf(std::ptrdiff_t sample) const
{
    return offsetAt(0.5) + samplesTime(static_cast<std::size_t>(sample));
}

double MonitorRecording::scatterMs() const
{
    const Steady::time_point middle = offsetAt(0.5);
    return std::chrono::duration<double, std::milli>(std::max(middle - offsetAt(0.05), offsetAt(0.95) - middle)).count();
}
