// Drawing on a picture box at run time: Cls takes away every drawing,
// wherever and at whatever scale it was made, and a picture read from the
// box does not change with later drawings; a drawing made again repaints
// only where it changed; a windowless picture box looks like one with a
// window of its own.
#include "support/WaitForExposed.h"
#include "window/forms/DrawingDamage.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"

#include <QPainter>
#include <QTest>

#include <random>

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

// Three pictures with soft, half-transparent edges, so that the order in
// which overlapping ones are drawn shows.
const std::array<QPixmap, 3>& softPictures()
{
    static const std::array<QPixmap, 3> pictures = [] {
        std::array<QPixmap, 3> made;
        const std::array<QColor, 3> colours{QColor(200, 0, 0, 160), QColor(0, 0, 200, 200), QColor(0, 150, 0, 120)};
        for (std::size_t i = 0; i < made.size(); ++i) {
            QImage image(12, 12, QImage::Format_ARGB32_Premultiplied);
            image.fill(colours[i]);
            image.setPixelColor(0, 0, Qt::transparent);
            made[i] = QPixmap::fromImage(image);
        }
        return made;
    }();
    return pictures;
}

QImage render(const std::vector<DrawnPicture>& drawing, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (const DrawnPicture& drawn : drawing) {
        for (const QPixmap& picture : softPictures())
            if (picture.cacheKey() == drawn.picture) painter.drawPixmap(drawn.place, picture, QRectF(picture.rect()));
    }
    return image;
}

// A drawing of pictures on a 40 x 40 image, on whole pixels and between them.
std::vector<DrawnPicture> randomDrawing(std::mt19937& chance)
{
    std::vector<DrawnPicture> drawing(chance() % 8);
    for (DrawnPicture& drawn : drawing) {
        drawn.picture = softPictures()[chance() % 3].cacheKey();
        const double x = static_cast<double>(chance() % 60) / 2 - 4;
        const double y = static_cast<double>(chance() % 60) / 2 - 4;
        drawn.place = QRectF(x, y, 12 + chance() % 3, 12);
    }
    return drawing;
}

// The same drawing made again with a few changes: a picture moved, one
// dropped or added, two swapped.
std::vector<DrawnPicture> changed(std::vector<DrawnPicture> drawing, std::mt19937& chance)
{
    for (int edits = 1 + static_cast<int>(chance() % 3); edits > 0 && !drawing.empty(); --edits) {
        const std::size_t i = chance() % drawing.size();
        const std::size_t j = chance() % drawing.size();
        switch (chance() % 4) {
        case 0: drawing[i].place.translate(0, 2); break;
        case 1: drawing.erase(drawing.begin() + static_cast<std::ptrdiff_t>(i)); break;
        case 2: drawing.push_back(drawing[i]); break;
        default: std::swap(drawing[i], drawing[j]); break;
        }
    }
    return drawing;
}

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

    void repaintsOnlyWhereTheDrawingChanged_data()
    {
        QTest::addColumn<std::vector<DrawnPicture>>("before");
        QTest::addColumn<std::vector<DrawnPicture>>("after");
        QTest::addColumn<QRegion>("damage");
        const qint64 a = softPictures()[0].cacheKey();
        const qint64 b = softPictures()[1].cacheKey();
        const std::vector<DrawnPicture> board{{a, {0, 0, 12, 12}}, {b, {12, 0, 12, 12}}, {a, {24, 0, 12, 12}}};
        QTest::newRow("drawn again alike") << board << board << QRegion();
        QTest::newRow("drawn again in another order, nothing overlapping")
            << board << std::vector<DrawnPicture>{board[2], board[0], board[1]} << QRegion();
        auto slid = board;
        slid[1].place.translate(0, 2);
        QTest::newRow("one picture slid down") << board << slid << QRegion(12, 0, 12, 14);
        QTest::newRow("a picture more") << board << std::vector<DrawnPicture>{board[0], board[1], board[2], {b, {0, 20, 12, 12}}}
                                        << QRegion(0, 20, 12, 12);
        QTest::newRow("cleared") << board << std::vector<DrawnPicture>{} << QRegion(0, 0, 36, 12);
        const std::vector<DrawnPicture> overlapping{{a, {0, 0, 12, 12}}, {b, {6, 0, 12, 12}}};
        QTest::newRow("overlapping pictures swapped") << overlapping
                                                      << std::vector<DrawnPicture>{overlapping[1], overlapping[0]}
                                                      << QRegion(6, 0, 6, 12);
        QTest::newRow("between pixels, every pixel touched")
            << std::vector<DrawnPicture>{} << std::vector<DrawnPicture>{{a, {0.5, 0.5, 12, 12}}} << QRegion(0, 0, 13, 13);
    }
    void repaintsOnlyWhereTheDrawingChanged()
    {
        QFETCH(std::vector<DrawnPicture>, before);
        QFETCH(std::vector<DrawnPicture>, after);
        QFETCH(QRegion, damage);
        QCOMPARE(drawingDamage(before, after), damage);
    }

    // Outside the damage, the two drawings' images are the same, pixel for pixel.
    void theDamageHoldsEveryChangedPixel()
    {
        std::mt19937 chance(7);
        const QSize size(40, 40);
        for (int round = 0; round < 2000; ++round) {
            const std::vector<DrawnPicture> before = randomDrawing(chance);
            const std::vector<DrawnPicture> after = round % 2 ? changed(before, chance) : randomDrawing(chance);
            const QRegion damage = drawingDamage(before, after);
            const QImage was = render(before, size);
            const QImage is = render(after, size);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    if (was.pixel(x, y) != is.pixel(x, y) && !damage.contains(QPoint(x, y)))
                        QFAIL(qPrintable(QStringLiteral("round %1: pixel (%2, %3) changed outside the damage").arg(round).arg(x).arg(y)));
        }
    }

    void windowlessLooksLikeAWindowedBox_data()
    {
        QTest::addColumn<int>("border");
        QTest::newRow("no border") << int(PictureBox::kBorderNone);
        QTest::newRow("sunken border") << int(PictureBox::kBorderFixedSingle);
    }
    void windowlessLooksLikeAWindowedBox()
    {
        QFETCH(int, border);
        Box test(PictureBox::ScaleMode::Pixels);
        QPixmap picture = softPictures()[1].scaled(30, 30);
        auto* windowed = new PictureBox(test.box.client());
        auto* windowless = new WindowlessPictureBox(&test.box);
        windowed->setBackColor(Qt::yellow);
        windowless->setBackColor(Qt::yellow);
        windowed->setBorderStyle(border);
        windowless->setBorderStyle(border);
        windowed->setAutoSize(true);
        windowless->setAutoSize(true);
        windowed->setPicture(picture);
        windowless->setPicture(picture);
        windowed->Move(10, 10);
        windowless->Move(60, 10);
        windowless->setVisible(true);
        test.container.show();
        QVERIFY(waitForExposed(test.container));
        QCOMPARE(windowless->size(), windowed->size());
        const QImage board = test.box.client()->grab().toImage();
        QCOMPARE(board.copy(windowless->geometry()), board.copy(windowed->geometry()));
    }
};

QTEST_MAIN(TestPictureBox)
#include "test_picture_box.moc"
