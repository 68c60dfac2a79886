#include "window/forms/PictureBox.h"

#include "window/forms/PendingPaints.h"
#include "window/forms/Twips.h"
#include "window/forms/WindowlessPictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

class PictureBox::Surface : public QWidget {
public:
    explicit Surface(PictureBox* owner) : QWidget(owner), box(owner) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        box->paintSurface(painter, event->rect());
    }
    void mousePressEvent(QMouseEvent* event) override { box->pressOnSurface(event); }

private:
    PictureBox* box;
};

namespace {

// Far more than a board of cells drawn between two clears.
constexpr std::size_t kMostPicturesTracked = 1024;

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return PictureBox::kLeftButton;
    case Qt::RightButton: return PictureBox::kRightButton;
    case Qt::MiddleButton: return PictureBox::kMiddleButton;
    default: return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    int code = 0;
    if (modifiers & Qt::ShiftModifier) code |= PictureBox::kShiftMask;
    if (modifiers & Qt::ControlModifier) code |= PictureBox::kCtrlMask;
    if (modifiers & Qt::AltModifier) code |= PictureBox::kAltMask;
    return code;
}

QImage blankImage(QSize size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

// Makes transparent again only the part of image that was drawn on (ink, in
// the surface's pixels): a whole-board clear on every frame of an animation
// otherwise writes the full image each time, mostly over what is clear already.
void eraseInk(QImage& image, QRect& ink)
{
    if (ink.isEmpty() || image.isNull()) {
        ink = {};
        return;
    }
    const qreal ratio = image.devicePixelRatio();
    const QRect area = QRectF(QPointF(ink.topLeft()) * ratio, QSizeF(ink.size()) * ratio).toAlignedRect() & image.rect();
    const auto rowBytes = static_cast<std::size_t>(area.width()) * sizeof(quint32);
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::memset(image.scanLine(y) + static_cast<std::size_t>(area.left()) * sizeof(quint32), 0, rowBytes);
    ink = {};
}

} // namespace

PictureBox::PictureBox(QWidget* container, ScaleMode scaleMode)
    : QFrame(container), surface(new Surface(this)), scale(scaleMode)
{
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
    // The surface paints its own background: the box, its container and the
    // window beneath it then need no paint when only the surface changes.
    surface->setAttribute(Qt::WA_OpaquePaintEvent, true);
}

QWidget* PictureBox::client()
{
    syncSurface();
    return surface;
}

PictureBox::~PictureBox()
{
    PendingPaints::remove(this);
    // Before the members they tell of their going.
    qDeleteAll(std::vector<WindowlessPictureBox*>(windowless));
}

void PictureBox::setPicture(const QPixmap& newPicture)
{
    picture = newPicture;
    applyAutoSize();
    surface->update();
}

void PictureBox::setAutoSize(bool on)
{
    autoSize = on;
    applyAutoSize();
}

void PictureBox::setBorderStyle(int style)
{
    borderStyle = style;
    if (style == kBorderNone) {
        setFrameStyle(QFrame::NoFrame);
    } else {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(kSunkenBorderWidth);
    }
    applyAutoSize();
    syncSurface();
}

void PictureBox::setBackColor(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

bool PictureBox::Visible() const
{
    return parentWidget() ? isVisibleTo(parentWidget()) : isVisible();
}

void PictureBox::Cls()
{
    ensureImages();
    endPainting();
    surface->update(transientInk);
    eraseInk(persistent, persistentInk);
    eraseInk(transient, transientInk);
    drawn.emplace();
    drawingChanged = true;
    showChangesSoon();
}

void PictureBox::PaintPicture(const QPixmap& source, double x, double y, double width, double height)
{
    ensureImages();
    QImage& target = autoRedraw ? persistent : transient;
    const double k = unitsPerPixel();
    const QRectF area(x / k, y / k, width / k, height / k);
    (autoRedraw ? persistentInk : transientInk) |= area.toAlignedRect();
    painterOn(target).drawPixmap(area, source, QRectF(source.rect()));
    if (autoRedraw)
        drawnOnPersistent(area, source);
    else
        surface->update(area.toAlignedRect());
}

void PictureBox::drawnOnPersistent(const QRectF& area, const QPixmap& source)
{
    if (drawn && drawn->size() < kMostPicturesTracked)
        drawn->push_back({source.cacheKey(), area});
    else
        drawn.reset();
    drawingChanged = true;
    showChangesSoon();
}

void PictureBox::repaintSurface(const QRect& area)
{
    pendingRepaint |= area;
    showChangesSoon();
}

void PictureBox::showChangesSoon()
{
    // Once the drawing and moving in hand are done, when the event loop next runs.
    PendingPaints::add(this);
}

void PictureBox::showChanges()
{
    QRegion changed(std::exchange(pendingRepaint, QRect()));
    if (drawingChanged) {
        changed += drawn && shown ? drawingDamage(*shown, *drawn) : QRegion(surface->rect());
        shown = drawn;
        drawingChanged = false;
    }
    // At once, in one paint for everything changed, rather than through a
    // request that the event loop would deliver only on its next pass.
    surface->repaint(changed);
}

void PictureBox::Move(double left, double top)
{
    const double k = containerUnitsPerPixel();
    move(static_cast<int>(std::lround(left / k)), static_cast<int>(std::lround(top / k)));
}

void PictureBox::Move(double left, double top, double width, double height)
{
    const double k = containerUnitsPerPixel();
    setGeometry(static_cast<int>(std::lround(left / k)), static_cast<int>(std::lround(top / k)),
                static_cast<int>(std::lround(width / k)), static_cast<int>(std::lround(height / k)));
}

double PictureBox::unitsPerPixel() const
{
    return scale == ScaleMode::Twips ? kTwipsPerPixel : 1.0;
}

double PictureBox::containerUnitsPerPixel() const
{
    // A control inside a picture box sits on that box's surface.
    const QWidget* container = parentWidget();
    const auto* box = container ? qobject_cast<const PictureBox*>(container->parentWidget()) : nullptr;
    return box && box->surface == container ? box->unitsPerPixel() : kTwipsPerPixel;
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    syncSurface();
}

void PictureBox::syncSurface()
{
    // A hidden box gets its resize event only when shown, so every path that
    // changes the size or draws brings the surface up to date itself.
    if (surface->geometry() != contentsRect()) surface->setGeometry(contentsRect());
    if (persistent.isNull() || persistent.deviceIndependentSize().toSize() == surface->size()) return;
    endPainting();
    QImage grown = blankImage(surface->size(), devicePixelRatioF());
    QPainter(&grown).drawImage(0, 0, persistent);
    persistent = grown;
    transient = blankImage(surface->size(), devicePixelRatioF());
    transientInk = {};
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    // A press on the border belongs to this box, not to what lies beneath it.
    event->accept();
}

void PictureBox::applyAutoSize()
{
    if (!autoSize || picture.isNull()) return;
    const QSize pictureSize = picture.deviceIndependentSize().toSize();
    resize(pictureSize + QSize(2 * frameWidth(), 2 * frameWidth()));
    syncSurface();
}

void PictureBox::ensureImages()
{
    syncSurface();
    if (persistent.isNull()) {
        persistent = blankImage(surface->size(), devicePixelRatioF());
        transient = blankImage(surface->size(), devicePixelRatioF());
    }
}

QPainter& PictureBox::painterOn(QImage& target)
{
    if (painter && paintedImage == &target) return *painter;
    endPainting();
    painter = std::make_unique<QPainter>(&target);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, scale == ScaleMode::Twips);
    paintedImage = &target;
    return *painter;
}

void PictureBox::endPainting()
{
    painter.reset();
}

void PictureBox::paintSurface(QPainter& surfacePainter, const QRect& area)
{
    endPainting();
    // An opaque picture that covers the area leaves nothing of the background to show.
    const bool pictureCovers = !picture.isNull() && !picture.hasAlphaChannel() &&
                               QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize()).contains(area);
    if (!pictureCovers) surfacePainter.fillRect(area, palette().color(QPalette::Window));
    if (!picture.isNull()) surfacePainter.drawPixmap(0, 0, picture);
    if (drawingReaches(area)) surfacePainter.drawImage(0, 0, persistent);
    if (!transientInk.isEmpty()) {
        // Without AutoRedraw a drawing survives only until this repaint.
        surfacePainter.drawImage(0, 0, transient);
        eraseInk(transient, transientInk);
    }
    // In the order they were made, the later ones on top.
    for (WindowlessPictureBox* control : windowless) control->paint(surfacePainter, area);
}

bool PictureBox::drawingReaches(const QRect& area) const
{
    if (!persistentInk.intersects(area)) return false;
    if (!drawn) return true;
    return std::any_of(drawn->begin(), drawn->end(),
                       [&area](const DrawnPicture& picture) { return picture.place.intersects(area); });
}

void PictureBox::pressOnSurface(QMouseEvent* event)
{
    event->accept();
    // A windowless picture box has no mouse handler: the press ends with it.
    for (const WindowlessPictureBox* control : windowless)
        if (control->showsAt(event->position().toPoint())) return;
    const int button = buttonCode(event->button());
    if (button == 0) return;
    const double k = unitsPerPixel();
    emit MouseDown(button, shiftCode(event->modifiers()), event->position().x() * k,
                   event->position().y() * k);
}
