// Writes the six cue files, or checks that files on disk are exactly what
// it would write.
//
//   wavgen DIRECTORY           writes DIRECTORY/Vorn1.wav .. Vorn6.wav
//   wavgen --check DIRECTORY   exit status 0 only when all six match byte for byte
#include "Cues.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> render(const Cue& cue)
{
    const Channels sound = cue.sound(static_cast<double>(cue.layout.sampleRate), cue.frames);
    return wavImage(cue.layout, pcmBytes(cue.layout, sound));
}

std::vector<std::uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char* argv[])
{
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: wavgen [--check] DIRECTORY\n");
        return 2;
    }
    const std::string directory = argv[argc - 1];
    bool good = true;
    for (const Cue& cue : cues()) {
        const std::vector<std::uint8_t> image = render(cue);
        const std::string path = directory + "/" + cue.fileName;
        if (image.size() != cue.imageSize) {
            std::fprintf(stderr, "%s: %zu bytes, not %zu\n", cue.fileName.c_str(), image.size(), cue.imageSize);
            good = false;
        } else if (check) {
            if (readFile(path) != image) {
                std::fprintf(stderr, "%s differs from what wavgen writes\n", path.c_str());
                good = false;
            }
        } else if (!writeFile(path, image)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            good = false;
        }
    }
    return good ? 0 : 1;
}
