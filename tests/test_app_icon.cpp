// The program's icon on the desktop, as committed in art/icons/: a picture of
// each size the icon theme is given, each showing the scalable drawing, and
// at 32 pixels the very icon the window shows.
#include "window/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

const QString kIcons = QStringLiteral(VORN_SOURCE_DIR "/art/icons/");
const QString kIconFile = QStringLiteral(VORN_APP_ID);
constexpr int kWindowIconSize = 32;
// The raster engine's arithmetic varies with the processor by a level or two
// of a channel, so the committed pictures and a fresh rendering may differ
// that much; a few edge pixels may differ more.
constexpr int kChannelTolerance = 3;
constexpr double kMostDifferingShare = 0.01;

QImage picture(int pixels)
{
    return QImage(kIcons + QStringLiteral("%1x%1/apps/%2.png").arg(pixels).arg(kIconFile))
        .convertToFormat(QImage::Format_ARGB32);
}

QImage renderedScalable(int pixels)
{
    QSvgRenderer svg(kIcons + QStringLiteral("scalable/apps/%1.svg").arg(kIconFile));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!svg.isValid()) return image;
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The share of pixels whose premultiplied colour differs in any channel by
// more than the tolerance.
double differingShare(const QImage& a, const QImage& b)
{
    const QImage pa = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage pb = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int differing = 0;
    for (int y = 0; y < pa.height(); ++y) {
        for (int x = 0; x < pa.width(); ++x) {
            const QRgb p = pa.pixel(x, y);
            const QRgb q = pb.pixel(x, y);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            differing += most > kChannelTolerance;
        }
    }
    return static_cast<double>(differing) / (pa.width() * pa.height());
}

} // namespace

class TestAppIcon : public QObject {
    Q_OBJECT
private slots:
    void eachSizeShowsTheScalableDrawing_data()
    {
        QTest::addColumn<int>("pixels");
        for (const int pixels : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%dx%d", pixels, pixels) << pixels;
    }

    void eachSizeShowsTheScalableDrawing()
    {
        QFETCH(int, pixels);
        const QImage drawn = picture(pixels);
        QCOMPARE(drawn.size(), QSize(pixels, pixels));
        QCOMPARE_LT(differingShare(drawn, renderedScalable(pixels)), kMostDifferingShare);
    }

    void theDesktopIconIsTheWindowIcon()
    {
        const QPixmap shown = Pictures::windowIcon().pixmap(kWindowIconSize, kWindowIconSize);
        const QImage windowIcon = shown.toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(windowIcon.size(), QSize(kWindowIconSize, kWindowIconSize));
        QCOMPARE(differingShare(picture(kWindowIconSize), windowIcon), 0.0);
    }
};

QTEST_MAIN(TestAppIcon)
#include "test_app_icon.moc"
