// The pictures the program carries, at a device pixel ratio of 1: their sizes,
// transparency and colours, and how the window shows them.
#include "support/TestForm.h"
#include "support/WaitForExposed.h"

#include "game/CellCodes.h"
#include "window/Pictures.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"

#include <QPainter>
#include <QTest>

#include <functional>
#include <map>

namespace {

using PictureSource = std::function<QPixmap(qreal ratio)>;

constexpr QSize kCell(32, 32);
constexpr QSize kBoard(245, 450);
constexpr QSize kTitle(200, 65);
constexpr QSize kBoardInner(224, 447);
constexpr int kBandRows = 4;  // rows 0 to 3
const QColor kSpriteGrey(0xC0, 0xC0, 0xC0);

QImage argb(const QPixmap& picture) { return picture.toImage().convertToFormat(QImage::Format_ARGB32); }

int countAlpha(const QImage& image, const std::function<bool(int)>& wanted)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += wanted(qAlpha(image.pixel(x, y)));
    return count;
}

// The colour family most of a picture's opaque, strongly coloured pixels
// belong to; "black-white" when few of them have any colour at all.
QString dominantColour(const QImage& image)
{
    std::map<QString, int> families;
    int opaque = 0;
    int coloured = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = QColor::fromRgba(image.pixel(x, y));
            if (pixel.alpha() != 255) continue;
            ++opaque;
            if (pixel.hsvSaturation() < 100 || pixel.value() < 60) continue;
            ++coloured;
            const int hue = pixel.hsvHue();
            const char* family = hue < 15 || hue >= 330 ? "red"
                                 : hue < 45            ? "orange"
                                 : hue < 70            ? "yellow"
                                 : hue < 170           ? "green"
                                 : hue < 200           ? "turquoise"
                                 : hue < 260           ? "blue"
                                                       : "purple";
            ++families[QString::fromLatin1(family)];
        }
    }
    if (coloured * 4 < opaque) return QStringLiteral("black-white");
    return std::max_element(families.begin(), families.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

QColor meanColour(const QImage& image, const QRect& area)
{
    double red = 0, green = 0, blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    }
    const double n = double(area.width()) * area.height();
    return QColor(qRound(red / n), qRound(green / n), qRound(blue / n));
}

// What a cell picture looks like drawn over a background.
QImage over(const QImage& background, const QPixmap& picture)
{
    QImage result = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter(&result).drawPixmap(0, 0, picture);
    return result.convertToFormat(QImage::Format_ARGB32);
}

QImage screenOf(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void sizes_data()
    {
        QTest::addColumn<PictureSource>("source");
        QTest::addColumn<QSize>("size");
        for (int k = 0; k < Pictures::kCellPictureCount; ++k) {
            const PictureSource cell = [k](qreal r) { return Pictures::cellPicture(k, r); };
            QTest::addRow("Slika %d", k) << cell << kCell;
        }
        QTest::newRow("board") << PictureSource(Pictures::boardPicture) << kBoard;
        QTest::newRow("title") << PictureSource(Pictures::titlePicture) << kTitle;
        QTest::newRow("sound holder") << PictureSource(Pictures::soundHolderPicture) << kCell;
        QTest::newRow("pointer") << PictureSource([](qreal r) { return Pictures::pointer(r).pixmap(); }) << kCell;
    }

    void sizes()
    {
        QFETCH(PictureSource, source);
        QFETCH(QSize, size);
        const QPixmap plain = source(1.0);
        QCOMPARE(plain.size(), size);
        QCOMPARE(plain.devicePixelRatio(), 1.0);
        const QPixmap doubled = source(2.0);
        QCOMPARE(doubled.size(), size * 2);
        QCOMPARE(doubled.devicePixelRatio(), 2.0);
        QCOMPARE(doubled.deviceIndependentSize().toSize(), size);
    }

    void cellPicturesAreFiguresOnTransparency_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<qreal>("ratio");
        for (int k = 0; k < Pictures::kCellPictureCount; ++k) {
            QTest::addRow("Slika %d", k) << k << 1.0;
            QTest::addRow("Slika %d @2x", k) << k << 2.0;
        }
    }

    void cellPicturesAreFiguresOnTransparency()
    {
        QFETCH(int, index);
        QFETCH(qreal, ratio);
        const QImage image = argb(Pictures::cellPicture(index, ratio));
        const int area = kCell.width() * kCell.height() * int(ratio * ratio);
        // Clear corners, and a figure of a good part of the square.
        const int last = image.width() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        QVERIFY2(countAlpha(image, [](int a) { return a == 0; }) >= area / 5, "too few transparent pixels");
        QVERIFY2(countAlpha(image, [](int a) { return a == 255; }) >= area / 5, "too small an opaque figure");
    }

    void theLadderShowsThroughBetweenItsRungs()
    {
        const QImage upright = argb(Pictures::cellPicture(Cell::kColumnBlock - 1, 1.0));
        const QImage lying = argb(Pictures::cellPicture(Cell::kRowBlock - 1, 1.0));
        QCOMPARE(qAlpha(upright.pixel(16, 9)), 0);
        QCOMPARE(qAlpha(upright.pixel(16, 16)), 0);
        QCOMPARE(qAlpha(lying.pixel(9, 16)), 0);
        QCOMPARE(qAlpha(lying.pixel(16, 16)), 0);
        // The same ladder turned a quarter: the rails run across.
        QCOMPARE(qAlpha(upright.pixel(9, 16)), 255);
        QCOMPARE(qAlpha(lying.pixel(16, 9)), 255);
    }

    void soundHolderPictureIsOpaque()
    {
        for (const qreal ratio : {1.0, 2.0}) {
            const QImage image = argb(Pictures::soundHolderPicture(ratio));
            QCOMPARE(countAlpha(image, [](int a) { return a != 255; }), 0);
            QCOMPARE(dominantColour(image), QStringLiteral("orange"));
        }
    }

    void picturesAreToldApartByColour_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("colour");
        QTest::newRow("1 red Aa") << 1 << "red";
        QTest::newRow("2 blue Bb") << 2 << "blue";
        QTest::newRow("3 green Cc") << 3 << "green";
        QTest::newRow("4 purple Dd") << 4 << "purple";
        QTest::newRow("5 orange Ee") << 5 << "orange";
        QTest::newRow("6 black and white Ff") << 6 << "black-white";
        QTest::newRow("7 joker, green gift box") << 7 << "green";
        QTest::newRow("8 shower block, pumpkin") << 8 << "orange";
        QTest::newRow("11 colour block, red heart") << 11 << "red";
        QTest::newRow("12 black bomb") << 12 << "black-white";
        QTest::newRow("14 cleared, grey money bag") << 14 << "black-white";
    }

    void picturesAreToldApartByColour()
    {
        QFETCH(int, code);
        QFETCH(QString, colour);
        QCOMPARE(dominantColour(argb(Pictures::cellPicture(code - 1, 1.0))), colour);
        QCOMPARE(dominantColour(argb(Pictures::cellPicture(code - 1, 2.0))), colour);
    }

    void everyCellCodeHasAPictureOfItsOwn()
    {
        for (int a = 0; a < Pictures::kCellPictureCount; ++a)
            for (int b = a + 1; b < Pictures::kCellPictureCount; ++b)
                QVERIFY2(argb(Pictures::cellPicture(a, 1.0)) != argb(Pictures::cellPicture(b, 1.0)),
                         qPrintable(QStringLiteral("Slika %1 and %2 are the same").arg(a).arg(b)));
    }

    void boardHasATurquoiseBandOverPaleGreyMarble_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("plain") << 1.0;
        QTest::newRow("@2x") << 2.0;
    }

    void boardHasATurquoiseBandOverPaleGreyMarble()
    {
        QFETCH(qreal, ratio);
        const QImage board = argb(Pictures::boardPicture(ratio));
        const int s = int(ratio);
        const int bandBottom = kBandRows * Pictures::kCellSize * s;
        const QColor band = meanColour(board, QRect(0, 0, kBoardInner.width() * s, bandBottom));
        const QColor below = meanColour(board, QRect(0, bandBottom + 8 * s, kBoardInner.width() * s,
                                                     (kBoardInner.height() - bandBottom / s - 8) * s));
        QVERIFY2(band.hsvHue() >= 165 && band.hsvHue() <= 190 && band.hsvSaturation() > 100,
                 qPrintable(QStringLiteral("band is %1").arg(band.name())));
        QVERIFY2(below.hsvSaturation() < 20 && below.value() > 200,
                 qPrintable(QStringLiteral("marble below is %1").arg(below.name())));
        // The band covers rows 0 to 3 and stops within a few pixels of them.
        const auto rowHue = [&](int y) { return meanColour(board, QRect(0, y * s, kBoardInner.width() * s, s)); };
        QVERIFY(rowHue(bandBottom / s - 1).hsvSaturation() > 100);
        QVERIFY(rowHue(bandBottom / s + 6).hsvSaturation() < 40);
    }

    void iconIsTheBlueBlock()
    {
        TestForm t;
        const QIcon icon = t.form->windowIcon();
        QCOMPARE(icon.pixmap(kCell, 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
                 argb(t.form->Slika(1)->Picture()));
        QCOMPARE(icon.pixmap(kCell, 2.0).toImage().convertToFormat(QImage::Format_ARGB32),
                 argb(Pictures::cellPicture(1, 2.0)));
    }

    void pointerIsAHandWithItsFingertipAtTheHotSpot()
    {
        for (const qreal ratio : {1.0, 2.0}) {
            const QCursor pointer = Pictures::pointer(ratio);
            QCOMPARE(pointer.hotSpot(), QPoint(0, 0));
            const QImage hand = argb(pointer.pixmap());
            const int last = hand.width() - 1;
            QVERIFY2(qAlpha(hand.pixel(int(ratio), int(ratio))) > 128, "no fingertip at the hot spot");
            // The hand reaches down and to the right from there.
            QCOMPARE(qAlpha(hand.pixel(last, 0)), 0);
            QCOMPARE(qAlpha(hand.pixel(0, last)), 0);
            QVERIFY(qAlpha(hand.pixel(hand.width() / 2, hand.height() / 2)) == 255);
        }
        TestForm t;
        QCOMPARE(argb(t.form->clientArea->cursor().pixmap()), argb(Pictures::pointer(1.0).pixmap()));
    }

    void windowHoldsThePicturesAtPlainSize()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        for (int k = 0; k <= 13; ++k) {
            QCOMPARE(f.Slika(k)->Picture().devicePixelRatio(), 1.0);
            QCOMPARE(argb(f.Slika(k)->Picture()), argb(Pictures::cellPicture(k, 1.0)));
        }
        QCOMPARE(argb(f.Picture1->Picture()), argb(Pictures::boardPicture(1.0)));
        QCOMPARE(argb(f.Picture6->Picture()), argb(Pictures::titlePicture(1.0)));
        QCOMPARE(f.Picture1->drawing().size(), kBoardInner);
    }

    void landedCellShowsTheMarbleAroundItsFigure()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.Picture1->setAutoRedraw(true);
        const QPoint cell(2 * 32, 10 * 32);  // column 3, row 10
        f.Picture1->PaintPicture(f.Slika(Cell::kBomb - 1)->Picture(), cell.x(), cell.y(), 32, 32);
        f.show();
        QVERIFY(waitForExposed(f));
        const QImage board = screenOf(f.Picture1->client());
        const QImage marble = argb(f.Picture1->Picture()).copy(QRect(cell, kCell));
        QCOMPARE(board.copy(QRect(cell, kCell)), over(marble, f.Slika(Cell::kBomb - 1)->Picture()));
        // Away from the cell the board is its picture, pixel for pixel.
        QCOMPARE(board.copy(0, 0, 64, 64), argb(f.Picture1->Picture()).copy(0, 0, 64, 64));
    }

    void fallingBlockShowsItsFigureOnGrey()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        WindowlessPictureBox* sprite = f.Dio(0);
        sprite->setPicture(f.Slika(Cell::kColourBlock - 1)->Picture());
        sprite->Move(96, 0);
        sprite->setVisible(true);
        f.show();
        QVERIFY(waitForExposed(f));
        QCOMPARE(sprite->size(), kCell);
        QImage grey(kCell, QImage::Format_ARGB32);
        grey.fill(kSpriteGrey);
        QCOMPARE(screenOf(f.Picture1->client()).copy(sprite->geometry()), over(grey, f.Slika(Cell::kColourBlock - 1)->Picture()));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
