#pragma once

#include "window/forms/DrawingDamage.h"

#include <QFrame>
#include <QImage>
#include <QPixmap>

#include <memory>
#include <optional>
#include <vector>

class QPainter;
class WindowlessPictureBox;

// A picture box: a background colour, a picture shown from the inner area's
// top-left corner, an optional 2-pixel sunken border, and a drawing surface on
// which PaintPicture draws and Cls clears. Child controls live in client(),
// which is the inner area, so they are clipped by the border like the drawing;
// its windowless picture boxes it draws itself, over its drawing.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    enum class ScaleMode { Pixels, Twips };
    enum : int { kBorderNone = 0, kBorderFixedSingle = 1 };
    static constexpr int kSunkenBorderWidth = 2;
    // Mouse buttons and shift keys as MouseDown reports them.
    enum : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
    enum : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

    explicit PictureBox(QWidget* container, ScaleMode scale = ScaleMode::Twips);
    ~PictureBox() override;

    // The inner area (inside the border): container of child controls.
    QWidget* client();
    ScaleMode scaleMode() const { return scale; }
    // Scale units (pixels or twips) per pixel of the drawing surface.
    double unitsPerPixel() const;
    // Paints this part of the surface again once events are handled, in one
    // paint with everything else that changed on the surface meanwhile.
    void repaintSurface(const QRect& area);
    // The windowless boxes it draws, in the order made (the later on top).
    void addWindowless(WindowlessPictureBox* control) { windowless.push_back(control); }
    void removeWindowless(WindowlessPictureBox* control) { std::erase(windowless, control); }

    const QPixmap& Picture() const { return picture; }
    void setPicture(const QPixmap& newPicture);

    // With AutoSize the box takes the size of its picture plus its border.
    void setAutoSize(bool on);

    int BorderStyle() const { return borderStyle; }
    void setBorderStyle(int style);

    void setBackColor(const QColor& colour);

    // With AutoRedraw on, drawing goes into the persistent image, which is
    // shown whenever the box repaints. With it off, a drawing is shown once and
    // lost at the next repaint, as on a box without a backing image.
    bool AutoRedraw() const { return autoRedraw; }
    void setAutoRedraw(bool on) { autoRedraw = on; }

    bool Visible() const;

    // Erases everything drawn at run time; the background and the picture stay.
    void Cls();
    // Draws the whole of source scaled into the given rectangle, in scale units.
    void PaintPicture(const QPixmap& source, double x, double y, double width, double height);

    // Positions in the units of the container (pixels inside a pixel-scaled
    // picture box, twips elsewhere).
    void Move(double left, double top);
    void Move(double left, double top, double width, double height);

    // Paints what changed on the surface since it was last painted.
    void showChanges();

    // What has been drawn and kept, at the surface's size (for checks).
    const QImage& drawing() const { return persistent; }

signals:
    void MouseDown(int button, int shift, double x, double y);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    class Surface;
    friend class Surface;

    double containerUnitsPerPixel() const;
    void applyAutoSize();
    void syncSurface();
    void ensureImages();
    // Paints the surface within area (the paint's bounding rectangle).
    void paintSurface(QPainter& surfacePainter, const QRect& area);
    QPainter& painterOn(QImage& target);
    void endPainting();
    void pressOnSurface(QMouseEvent* event);
    void drawnOnPersistent(const QRectF& area, const QPixmap& source);
    bool drawingReaches(const QRect& area) const;
    void showChangesSoon();

    Surface* surface;
    ScaleMode scale;
    QPixmap picture;
    QImage persistent;
    QImage transient;
    // The parts of each image drawn on since it was last cleared, in surface pixels.
    QRect persistentInk;
    QRect transientInk;
    // Kept open across PaintPicture calls, since the game paints a board of
    // up to 98 cells at a time; closed before anything else uses the image.
    std::unique_ptr<QPainter> painter;
    const QImage* paintedImage = nullptr;
    // What the persistent image holds (the pictures drawn on it since it was
    // cleared) and what the screen shows of it; either is unknown (nullopt)
    // after more drawing than is worth keeping track of. The screen is brought
    // up to date once events are handled, by repainting only where the two
    // differ: a board drawn again with a few cells moved repaints those cells.
    std::optional<std::vector<DrawnPicture>> drawn{std::in_place};
    std::optional<std::vector<DrawnPicture>> shown{std::in_place};
    bool drawingChanged = false;
    // What else is to be painted again (where windowless boxes were and are).
    QRect pendingRepaint;
    std::vector<WindowlessPictureBox*> windowless;
    bool autoRedraw = false;
    bool autoSize = false;
    int borderStyle = kBorderNone;
};
