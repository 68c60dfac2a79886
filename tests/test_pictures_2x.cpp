// The window on a display with a device pixel ratio of 2: it takes the
// double-size pictures, and the board, the sprites and the preview show them
// pixel for pixel instead of blowing up the plain ones.
#include "support/TestForm.h"
#include "support/WaitForExposed.h"

#include "game/CellCodes.h"
#include "window/Pictures.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

constexpr qreal kRatio = 2.0;
constexpr QSize kCell(32, 32);
constexpr QSize kBoardInner(224, 447);
const QColor kSpriteGrey(0xC0, 0xC0, 0xC0);

QImage argb(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }
QImage argb(const QPixmap& picture) { return argb(picture.toImage()); }

// A region of a picture, in device pixels, from layout-pixel coordinates.
QImage devicePart(const QImage& image, const QRect& layoutArea)
{
    const QRect area(layoutArea.topLeft() * kRatio, layoutArea.size() * kRatio);
    return argb(image).copy(area);
}

QImage over(const QImage& background, const QPixmap& picture)
{
    QImage result = background.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(kRatio);
    QPainter(&result).drawPixmap(0, 0, picture);
    return argb(result);
}

QImage screenOf(QWidget* widget) { return argb(widget->grab()); }

} // namespace

class TestPicturesDoubleRatio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), kRatio); }

    void windowTakesTheDoubleSizePictures()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        for (int k = 0; k <= 13; ++k) {
            QCOMPARE(f.Slika(k)->Picture().devicePixelRatio(), kRatio);
            QCOMPARE(argb(f.Slika(k)->Picture()), argb(Pictures::cellPicture(k, kRatio)));
        }
        QCOMPARE(f.Picture1->Picture().devicePixelRatio(), kRatio);
        QCOMPARE(f.Picture6->Picture().devicePixelRatio(), kRatio);
        QCOMPARE(f.clientArea->cursor().pixmap().devicePixelRatio(), kRatio);
        QCOMPARE(f.clientArea->cursor().hotSpot(), QPoint(0, 0));
        // The layout stays in layout pixels.
        QCOMPARE(f.Slika(3)->size(), QSize(36, 36));
        QCOMPARE(f.Dio(0)->size(), kCell);
        QCOMPARE(f.Picture1->client()->size(), kBoardInner);
    }

    void pictureBoxesKeepADoubleSizeImage()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        QCOMPARE(f.Picture1->drawing().devicePixelRatio(), kRatio);
        QCOMPARE(f.Picture1->drawing().size(), kBoardInner * kRatio);
        f.Picture7->Cls();
        QCOMPARE(f.Picture7->drawing().devicePixelRatio(), kRatio);
        QCOMPARE(f.Picture7->drawing().size(), f.Picture7->client()->size() * kRatio);
    }

    void boardAndLandedCellsAreSharp()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        f.Picture1->setAutoRedraw(true);
        const QRect cell(QPoint(4 * 32, 6 * 32), kCell);  // column 5, row 6
        const QPixmap heart = f.Slika(Cell::kColourBlock - 1)->Picture();
        f.Picture1->PaintPicture(heart, cell.x(), cell.y(), 32, 32);
        f.show();
        QVERIFY(waitForExposed(f));
        const QImage board = f.Picture1->client()->grab().toImage();
        QCOMPARE(board.devicePixelRatio(), kRatio);
        const QImage marble = f.Picture1->Picture().toImage();
        QCOMPARE(devicePart(board, QRect(0, 0, 120, 180)), devicePart(marble, QRect(0, 0, 120, 180)));
        QCOMPARE(devicePart(board, cell), over(devicePart(marble, cell), heart));
    }

    void fallingBlockIsSharp()
    {
        TestForm t;
        Form1& f = *t.form;
        f.Form_Load();
        WindowlessPictureBox* sprite = f.Dio(2);
        sprite->setPicture(f.Slika(Cell::kFirstColour - 1)->Picture());
        sprite->Move(64, 32);
        sprite->setVisible(true);
        f.show();
        QVERIFY(waitForExposed(f));
        QCOMPARE(sprite->size(), kCell);
        QImage grey(kCell * kRatio, QImage::Format_ARGB32);
        grey.fill(kSpriteGrey);
        QCOMPARE(devicePart(screenOf(f.Picture1->client()), sprite->geometry()), over(grey, f.Slika(Cell::kFirstColour - 1)->Picture()));
    }
};

int main(int argc, char* argv[])
{
    // Every screen gets two device pixels to a layout pixel, before Qt starts.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestPicturesDoubleRatio test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_pictures_2x.moc"
