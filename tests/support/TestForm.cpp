#include "support/TestForm.h"

#include "window/Form1Description.h"

#include <algorithm>

namespace {

Platform testPlatform(VirtualClock*& clock, ScriptedRandom*& random, std::shared_ptr<RecordingSoundOutput>& sound)
{
    Platform platform;
    auto ownedClock = std::make_shared<VirtualClock>();
    auto ownedRandom = std::make_unique<ScriptedRandom>();
    clock = ownedClock.get();
    random = ownedRandom.get();
    sound = std::make_shared<RecordingSoundOutput>(ownedClock);
    platform.clock = std::move(ownedClock);
    platform.random = std::move(ownedRandom);
    platform.sound = sound;
    return platform;
}

} // namespace

TestForm::TestForm() : form(std::make_unique<Form1>(testPlatform(clock, random, sound))) {}

std::vector<TestForm::CuePlay> TestForm::cuesPlayed() const
{
    using Holders = decltype(Form1::EmbedSound1);
    const FormDescription saved = Form1Description::load();
    std::vector<CuePlay> plays;
    for (const RecordingSoundOutput::Request& request : sound->requests) {
        int cue = 0;
        for (int i = Holders::kFirst; i <= Holders::kLast && cue == 0; ++i) {
            const PropertyValue image = saved.properties(Form1Description::kSoundHolders, static_cast<std::int16_t>(i))
                                            .ReadProperty(QStringLiteral("MemWav"), std::int16_t{0});
            const auto* bytes = std::get_if<ByteArray>(&image);
            const auto expected = bytes ? std::as_bytes(std::span(bytes->bytes.constData(), static_cast<std::size_t>(bytes->bytes.size())))
                                        : std::span<const std::byte>();
            if (std::ranges::equal(request.image, expected)) cue = i;
        }
        plays.push_back({cue, request.flags, request.at});
    }
    return plays;
}
