#include "support/SolidPictures.h"

#include "window/forms/PictureBox.h"

#include <QImage>
#include <QPixmap>

QColor solidColourOf(Integer code) { return QColor::fromHsv((code * 25) % 360, 255, 100 + code * 10).toRgb(); }

void useSolidPictures(Form1& form)
{
    for (int k = 0; k <= 13; ++k) {
        QPixmap picture(32, 32);
        picture.fill(solidColourOf(static_cast<Integer>(k + 1)));
        form.Slika(k)->setPicture(picture);
    }
}

Integer codeAtPixel(const QImage& image, int x, int y)
{
    const QColor pixel = image.pixelColor(x, y);
    if (pixel.alpha() == 0) return 0;
    for (Integer code = 1; code <= 14; ++code)
        if (pixel.alpha() == 255 && pixel.rgb() == solidColourOf(code).rgb()) return code;
    return -1;
}
