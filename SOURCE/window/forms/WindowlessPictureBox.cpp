#include "window/forms/WindowlessPictureBox.h"

#include "window/forms/PictureBox.h"

#include <QFrame>
#include <QPainter>
#include <QStyleOptionFrame>

#include <cmath>

WindowlessPictureBox::WindowlessPictureBox(PictureBox* owner)
    : QObject(owner), container(owner), backColor(owner->palette().color(QPalette::Window))
{
    container->addWindowless(this);
}

WindowlessPictureBox::~WindowlessPictureBox() { container->removeWindowless(this); }

void WindowlessPictureBox::setPicture(const QPixmap& newPicture)
{
    picture = newPicture;
    look = {};
    repaint(area);
    applyAutoSize();
}

void WindowlessPictureBox::setAutoSize(bool on)
{
    autoSize = on;
    applyAutoSize();
}

void WindowlessPictureBox::setBorderStyle(int style)
{
    borderStyle = style;
    look = {};
    repaint(area);
    applyAutoSize();
}

void WindowlessPictureBox::setBackColor(const QColor& colour)
{
    backColor = colour;
    look = {};
    repaint(area);
}

void WindowlessPictureBox::setVisible(bool show)
{
    if (visible == show) return;
    visible = show;
    container->repaintSurface(area);
}

void WindowlessPictureBox::Move(double left, double top)
{
    const double k = container->unitsPerPixel();
    place(QRect(QPoint(static_cast<int>(std::lround(left / k)), static_cast<int>(std::lround(top / k))), area.size()));
}

void WindowlessPictureBox::Move(double left, double top, double width, double height)
{
    const double k = container->unitsPerPixel();
    place(QRect(static_cast<int>(std::lround(left / k)), static_cast<int>(std::lround(top / k)),
                static_cast<int>(std::lround(width / k)), static_cast<int>(std::lround(height / k))));
}

void WindowlessPictureBox::paint(QPainter& painter, const QRect& paintArea)
{
    if (!visible || !area.intersects(paintArea)) return;
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (look.isNull() || look.devicePixelRatio() != ratio || look.deviceIndependentSize() != QSizeF(area.size()))
        look = composedLook(ratio);
    painter.drawPixmap(area.topLeft(), look);
}

QPixmap WindowlessPictureBox::composedLook(qreal ratio) const
{
    QImage image(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(backColor);
    QPainter painter(&image);
    const int border = borderWidth();
    // A picture larger than the box is cut off at its inner edge.
    const QRect inside = QRect(QPoint(0, 0), area.size()).adjusted(border, border, -border, -border);
    painter.setClipRect(inside);
    painter.drawPixmap(inside.topLeft(), picture);
    painter.setClipping(false);
    if (border > 0) {
        // The same sunken panel that a picture box with a window of its own draws.
        QStyleOptionFrame frame;
        frame.initFrom(container);
        frame.rect = QRect(QPoint(0, 0), area.size());
        frame.palette.setColor(QPalette::Window, backColor);
        frame.frameShape = QFrame::Panel;
        frame.state |= QStyle::State_Sunken;
        frame.lineWidth = border;
        frame.midLineWidth = 0;
        container->style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, container);
    }
    painter.end();
    // Opaque, so that each paint is a plain copy.
    return QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
}

int WindowlessPictureBox::borderWidth() const
{
    return borderStyle == PictureBox::kBorderNone ? 0 : PictureBox::kSunkenBorderWidth;
}

void WindowlessPictureBox::applyAutoSize()
{
    if (!autoSize || picture.isNull()) return;
    const int border = borderWidth();
    place(QRect(area.topLeft(), picture.deviceIndependentSize().toSize() + QSize(2 * border, 2 * border)));
}

void WindowlessPictureBox::place(const QRect& newArea)
{
    if (newArea == area) return;
    // Where it was and where it is, in one paint.
    repaint(area | newArea);
    area = newArea;
}

void WindowlessPictureBox::repaint(const QRect& where) const
{
    if (visible) container->repaintSurface(where);
}
