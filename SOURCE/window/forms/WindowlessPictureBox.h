#pragma once

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QRect>

class PictureBox;
class QPainter;

// A picture box without a window of its own, for a picture shown over the
// picture box that contains it: its background colour, its picture from the
// top-left corner inside an optional 2-pixel sunken border. The container
// draws it over its own image in the same paint, so a move repaints only
// where it was and where it is, and the window system sees nothing of it.
// It has no mouse handler: a press on it while it shows does nothing, and
// does not reach the container either.
class WindowlessPictureBox : public QObject {
    Q_OBJECT

public:
    explicit WindowlessPictureBox(PictureBox* container);
    ~WindowlessPictureBox() override;

    const QPixmap& Picture() const { return picture; }
    void setPicture(const QPixmap& newPicture);

    // With AutoSize the box takes the size of its picture plus its border.
    void setAutoSize(bool on);

    int BorderStyle() const { return borderStyle; }
    void setBorderStyle(int style);

    void setBackColor(const QColor& colour);

    bool Visible() const { return visible; }
    void setVisible(bool show);

    // Positions in the units of the container.
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);

    // Where it lies on the container's drawing surface, in pixels.
    QRect geometry() const { return area; }
    QPoint pos() const { return area.topLeft(); }
    QSize size() const { return area.size(); }

    // Whether a press at this point of the container's surface lands on it.
    bool showsAt(QPoint point) const { return visible && area.contains(point); }
    // Draws it, if it shows within paintArea; the container calls this as it paints.
    void paint(QPainter& painter, const QRect& paintArea);

private:
    int borderWidth() const;
    QPixmap composedLook(qreal ratio) const;
    void applyAutoSize();
    void place(const QRect& newArea);
    void repaint(const QRect& where) const;

    PictureBox* container;
    QPixmap picture;
    // Its background, picture and border as they show, made once for each
    // picture, size and pixel ratio: a move then copies it, rather than
    // filling and blending anew on every paint.
    QPixmap look;
    QColor backColor;
    QRect area;
    bool visible = false;
    bool autoSize = false;
    int borderStyle = 0;
};
