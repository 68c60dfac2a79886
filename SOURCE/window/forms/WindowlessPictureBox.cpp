#include "window/forms/WindowlessPictureBox.h"

#include "window/forms/PictureBox.h"

#include <QFrame>
#include <QPainter>
#include <QStyleOptionFrame>

#include <cmath>

WindowlessPictureBox::WindowlessPictureBox(PictureBox* owner)
    : QObject(owner), container(owner), backColor(owner->palette().color(QPalette::Window))
{
}

void WindowlessPictureBox::setPicture(const QPixmap& newPicture)
{
    picture = newPicture;
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
    repaint(area);
    applyAutoSize();
}

void WindowlessPictureBox::setBackColor(const QColor& colour)
{
    backColor = colour;
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

void WindowlessPictureBox::paint(QPainter& painter, const QRect& paintArea) const
{
    if (!visible || !area.intersects(paintArea)) return;
    painter.fillRect(area, backColor);
    const int border = borderWidth();
    const QRect inside = area.adjusted(border, border, -border, -border);
    if (!picture.isNull()) {
        const QRect shown(inside.topLeft(), picture.deviceIndependentSize().toSize());
        // A picture larger than the box is cut off at its inner edge.
        const bool fits = inside.contains(shown);
        if (!fits) {
            painter.save();
            painter.setClipRect(inside, Qt::IntersectClip);
        }
        painter.drawPixmap(shown.topLeft(), picture);
        if (!fits) painter.restore();
    }
    if (border == 0) return;
    // The same sunken panel that a picture box with a window of its own draws.
    QStyleOptionFrame frame;
    frame.initFrom(container);
    frame.rect = area;
    frame.palette.setColor(QPalette::Window, backColor);
    frame.frameShape = QFrame::Panel;
    frame.state |= QStyle::State_Sunken;
    frame.lineWidth = border;
    frame.midLineWidth = 0;
    container->style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, container);
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
