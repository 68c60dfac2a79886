#pragma once

#include <array>

// The names of the picture files in art/. The tool that draws them and the
// game that embeds them both take the names from here.
namespace PictureFiles {

// Slika(k), the picture of cell code k + 1.
inline constexpr std::array<const char*, 14> kCells{
    "cell01-red",    "cell02-blue",   "cell03-green", "cell04-purple",  "cell05-orange",
    "cell06-black-white", "cell07-joker", "cell08-shower", "cell09-column", "cell10-row",
    "cell11-colour", "cell12-bomb",   "cell13-blasted", "cell14-cleared",
};
inline constexpr const char* kBoard = "board";
inline constexpr const char* kTitle = "title";
inline constexpr const char* kPointer = "pointer";
inline constexpr const char* kSoundHolder = "sound-holder";

// The window icon is the blue letter block, Slika(1); the program's icon on
// the desktop is drawn from the same block.
inline constexpr int kWindowIconCell = 1;

// Every picture also comes drawn at twice the size, for displays with a
// device pixel ratio of 2.
inline constexpr int kDoubleScale = 2;
inline constexpr const char* kDoubleSuffix = "@2x";
inline constexpr const char* kExtension = ".png";

} // namespace PictureFiles
