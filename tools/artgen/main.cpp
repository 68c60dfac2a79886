// Draws every picture of the game and writes them, plain and double size, into
// the directory given: `artgen art` redraws the committed pictures.
#include "Artwork.h"
#include "Canvas.h"
#include "Lettering.h"
#include "window/PictureFiles.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kPlainScale = 1;

struct Artwork {
    QString file;
    std::function<QImage(int scale)> draw;
};

std::vector<Artwork> everyPicture()
{
    using namespace PictureFiles;
    std::vector<Artwork> pictures;
    const auto add = [&](const char* file, std::function<QImage(int)> draw) {
        pictures.push_back({QString::fromLatin1(file), std::move(draw)});
    };
    for (int colour = 0; colour < kColourBlockCount; ++colour) {
        add(kCells[static_cast<std::size_t>(colour)],
            [colour](int scale) { return drawColourBlock(colour, scale); });
    }
    add(kCells[6], drawGiftBox);
    add(kCells[7], drawPumpkin);
    add(kCells[8], drawUprightLadder);
    add(kCells[9], drawLyingLadder);
    add(kCells[10], drawHeart);
    add(kCells[11], drawBomb);
    add(kCells[12], drawFlames);
    add(kCells[13], drawMoneyBag);
    add(kBoard, drawBoard);
    add(kTitle, drawTitle);
    add(kPointer, drawPointer);
    add(kSoundHolder, drawSoundHolder);
    return pictures;
}

bool write(const QDir& directory, const Artwork& artwork, int scale, const QString& suffix)
{
    const QString path = directory.filePath(artwork.file + suffix + QString::fromLatin1(PictureFiles::kExtension));
    if (savePicture(artwork.draw(scale), path)) return true;
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    if (!directory.exists()) {
        std::fprintf(stderr, "artgen: no directory %s\n", argv[1]);
        return 1;
    }
    if (!loadTypefaces()) return 1;
    const QString doubleSuffix = QString::fromLatin1(PictureFiles::kDoubleSuffix);
    for (const Artwork& artwork : everyPicture()) {
        if (!write(directory, artwork, kPlainScale, QString())) return 1;
        if (!write(directory, artwork, PictureFiles::kDoubleScale, doubleSuffix)) return 1;
    }
    return 0;
}
