// Drawing on a picture box at run time: Cls takes away every drawing,
// wherever and at whatever scale it was made, and a picture read from the
// box does not change with later drawings.
#include "window/forms/PictureBox.h"

#include <QTest>

namespace {

constexpr QSize kBoxSize(120, 90);  // pixels
constexpr int kTwipsPerPixel = 15;

int inkedPixels(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) count += qAlpha(argb.pixel(x, y)) != 0;
    return count;
}

QPixmap solid(const QColor& colour)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(colour);
    return pixmap;
}

struct Box {
    explicit Box(PictureBox::ScaleMode scale) : box(&container, scale)
    {
        box.setGeometry(QRect(QPoint(0, 0), kBoxSize));
        box.setAutoRedraw(true);
    }
    QWidget container;
    PictureBox box;
};

} // namespace

Q_DECLARE_METATYPE(PictureBox::ScaleMode)

class TestPictureBox : public QObject {
    Q_OBJECT

private slots:
    void clsErasesEveryDrawing_data()
    {
        QTest::addColumn<PictureBox::ScaleMode>("scale");
        QTest::addColumn<QList<QRectF>>("areas");
        const auto pixels = PictureBox::ScaleMode::Pixels;
        const auto twips = PictureBox::ScaleMode::Twips;
        QTest::newRow("one cell") << pixels << QList<QRectF>{{10, 10, 32, 32}};
        QTest::newRow("cells far apart") << pixels << QList<QRectF>{{0, 0, 32, 32}, {88, 58, 32, 32}};
        QTest::newRow("partly outside the box") << pixels << QList<QRectF>{{-16, 70, 32, 32}, {100, -20, 32, 32}};
        QTest::newRow("scaled, between pixels (twips)")
            << twips << QList<QRectF>{{7.5 * kTwipsPerPixel, 3.3 * kTwipsPerPixel, 25.4 * kTwipsPerPixel, 17.7 * kTwipsPerPixel}};
    }
    void clsErasesEveryDrawing()
    {
        QFETCH(PictureBox::ScaleMode, scale);
        QFETCH(QList<QRectF>, areas);
        Box test(scale);
        for (const QRectF& area : areas) test.box.PaintPicture(solid(Qt::red), area.x(), area.y(), area.width(), area.height());
        QVERIFY(inkedPixels(test.box.drawing()) > 0);
        test.box.Cls();
        QCOMPARE(inkedPixels(test.box.drawing()), 0);
    }

    void aPictureReadStaysAsItWas()
    {
        Box test(PictureBox::ScaleMode::Pixels);
        test.box.PaintPicture(solid(Qt::red), 0, 0, 32, 32);
        const QImage before = test.box.drawing();
        test.box.PaintPicture(solid(Qt::blue), 40, 0, 32, 32);
        QCOMPARE(inkedPixels(before), 32 * 32);
        QCOMPARE(inkedPixels(test.box.drawing()), 2 * 32 * 32);
    }
};

QTEST_MAIN(TestPictureBox)
#include "test_picture_box.moc"
