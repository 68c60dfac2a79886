// Draws every picture of the game and writes them, plain and double size, into
// the directory given, and the program's icon for the desktop into its icons/
// folder: `artgen art` redraws the committed pictures.
#include "AppIcon.h"
#include "Artwork.h"
#include "Canvas.h"
#include "Lettering.h"
#include "window/PictureFiles.h"

#include <QDir>
#include <QFileInfo>
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

bool cannotWrite(const QString& path)
{
    std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
    return false;
}

bool write(const QDir& directory, const Artwork& artwork, int scale, const QString& suffix)
{
    const QString path = directory.filePath(artwork.file + suffix + QString::fromLatin1(PictureFiles::kExtension));
    return savePicture(artwork.draw(scale), path) || cannotWrite(path);
}

// The icons lie in icons/ as the hicolor theme holds them, so that they
// install as one folder. Returns the icon file's path, its folder created.
QString appIconPath(const QDir& directory, const QString& sizeFolder, const char* extension)
{
    const QString path = directory.filePath(
        QStringLiteral("icons/%1/apps/%2%3").arg(sizeFolder, QLatin1String(VORN_APP_ID), QLatin1String(extension)));
    QDir().mkpath(QFileInfo(path).path());
    return path;
}

bool writeAppIcons(const QDir& directory)
{
    for (const int pixels : kAppIconSizes) {
        const QString path = appIconPath(directory, QStringLiteral("%1x%1").arg(pixels), ".png");
        if (!savePicture(drawAppIcon(pixels), path)) return cannotWrite(path);
    }
    const QString path = appIconPath(directory, QStringLiteral("scalable"), ".svg");
    return writeScalableAppIcon(path) || cannotWrite(path);
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
    return writeAppIcons(directory) ? 0 : 1;
}
