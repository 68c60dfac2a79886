// Any bytes as a sound holder's image: the parser reads nothing outside them,
// and what it accepts is whole frames inside the image.
#include "sound/WavImage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::byte> image = std::as_bytes(std::span(data, size));
    const std::optional<PcmSound> sound = parseWavImage(image);
    if (!sound || sound->samples.empty()) return 0;

    const bool inside = sound->samples.data() >= image.data()
                        && sound->samples.data() + sound->samples.size() <= image.data() + image.size();
    if (!inside || sound->samples.size() % sound->blockAlign != 0 || sound->duration().count() < 0) std::abort();
    return 0;
}
