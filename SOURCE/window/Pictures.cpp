#include "window/Pictures.h"

#include "window/PictureFiles.h"

#include <QGuiApplication>

// The pictures live in a static library, which the linker would leave out
// unless something asks for them by name.
static void registerPictures()
{
    Q_INIT_RESOURCE(Pictures);
}

namespace Pictures {

namespace {

QPixmap load(const char* file, qreal ratio)
{
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    const bool doubleSize = ratio > 1.0;
    QPixmap picture(QStringLiteral(":/art/%1%2%3")
                        .arg(QLatin1String(file),
                             doubleSize ? QLatin1String(PictureFiles::kDoubleSuffix) : QLatin1String(),
                             QLatin1String(PictureFiles::kExtension)));
    picture.setDevicePixelRatio(doubleSize ? PictureFiles::kDoubleScale : 1);
    return picture;
}

} // namespace

qreal displayRatio() { return qGuiApp->devicePixelRatio(); }

QPixmap cellPicture(int index, qreal ratio)
{
    return load(PictureFiles::kCells.at(static_cast<std::size_t>(index)), ratio);
}

QPixmap boardPicture(qreal ratio) { return load(PictureFiles::kBoard, ratio); }

QPixmap titlePicture(qreal ratio) { return load(PictureFiles::kTitle, ratio); }

QPixmap soundHolderPicture(qreal ratio) { return load(PictureFiles::kSoundHolder, ratio); }

QIcon windowIcon()
{
    QIcon icon(cellPicture(PictureFiles::kWindowIconCell, 1.0));
    icon.addPixmap(cellPicture(PictureFiles::kWindowIconCell, PictureFiles::kDoubleScale));
    return icon;
}

QCursor pointer(qreal ratio) { return QCursor(load(PictureFiles::kPointer, ratio), 0, 0); }

} // namespace Pictures
