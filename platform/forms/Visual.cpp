// The loaded part common to all controls with a place on a window: widget, geometry,
// visibility, pointer, input; and the drawing surface of forms, picture boxes and user controls.
#include "platform/forms/Impl.h"
#include "platform/user/Window.h"
#include "platform/user/WindowTable.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qby::detail {

// ---- buttons and keys -------------------------------------------------------------------

int ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return vbLeftButton;
    case Qt::RightButton:
        return vbRightButton;
    case Qt::MiddleButton:
        return vbMiddleButton;
    default:
        return 0;
    }
}

int ButtonBits(Qt::MouseButtons buttons)
{
    int bits = 0;
    if (buttons & Qt::LeftButton)
        bits |= vbLeftButton;
    if (buttons & Qt::RightButton)
        bits |= vbRightButton;
    if (buttons & Qt::MiddleButton)
        bits |= vbMiddleButton;
    return bits;
}

int ShiftBits(Qt::KeyboardModifiers modifiers)
{
    int bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= vbShiftMask;
    if (modifiers & Qt::ControlModifier)
        bits |= vbCtrlMask;
    if (modifiers & Qt::AltModifier)
        bits |= vbAltMask;
    return bits;
}

int KeyCodeOf(const QKeyEvent* event)
{
    const int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;  // the same codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return key & 0xFF;
    }
}

// ---- clicks -----------------------------------------------------------------------------

bool ClickTracker::press(int button, QPoint position, std::uint64_t timestamp)
{
    if (button != vbLeftButton)
        return false;
    leftDown_ = true;
    const auto* hints = QGuiApplication::styleHints();
    const std::uint64_t interval = hints ? static_cast<std::uint64_t>(hints->mouseDoubleClickInterval()) : 400;
    const int distance = hints ? hints->mouseDoubleClickDistance() : 5;
    if (haveFirstClick_ && timestamp >= firstPressTime_ && timestamp - firstPressTime_ <= interval &&
        (position - firstPressPosition_).manhattanLength() <= distance) {
        haveFirstClick_ = false;
        inDoubleClick_ = true;
        return true;
    }
    pendingPressTime_ = timestamp;
    pendingPressPosition_ = position;
    return false;
}

bool ClickTracker::release(int button, bool inside)
{
    if (button != vbLeftButton || !leftDown_)
        return false;
    leftDown_ = false;
    if (inDoubleClick_) {
        inDoubleClick_ = false;
        haveFirstClick_ = false;
        return false;
    }
    haveFirstClick_ = true;
    firstPressTime_ = pendingPressTime_;
    firstPressPosition_ = pendingPressPosition_;
    return inside;
}

// ---- drawing surface --------------------------------------------------------------------

QSize SurfaceImpl::clientPixels() const
{
    if (widget.isNull())
        return {0, 0};
    const QSize outer = widget->size();
    return {std::max(0, outer.width() - 2 * origin.x()), std::max(0, outer.height() - 2 * origin.y())};
}

void SurfaceImpl::paint(QPainter& painter) const
{
    const QSize client = clientPixels();
    painter.save();
    painter.setClipRect(QRect(origin, client));
    painter.fillRect(QRect(origin, client), ToQColor(look.back));
    if (const Picture::Data* data = picture.data(); data && !data->image.isNull())
        painter.drawImage(origin, data->image);
    if (!layer.isNull())
        painter.drawImage(origin, layer);
    painter.restore();
}

void SurfaceImpl::ensureLayer()
{
    const QSize client = clientPixels().expandedTo(QSize(1, 1));
    if (!layer.isNull() && layer.width() >= client.width() && layer.height() >= client.height())
        return;
    QImage grown(client.expandedTo(layer.size()), QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    if (!layer.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, layer);
    }
    layer = std::move(grown);
}

void SurfaceImpl::cls()
{
    if (!layer.isNull())
        layer.fill(Qt::transparent);
    currentX = 0;
    currentY = 0;
    update();
}

namespace {

// A one-pixel line that leaves out its end point.
void plotLine(QImage& image, int x0, int y0, int x1, int y1, QRgb color)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (!(x0 == x1 && y0 == y1)) {
        if (x0 >= 0 && y0 >= 0 && x0 < image.width() && y0 < image.height())
            image.setPixel(x0, y0, color);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

}  // namespace

void FillFrame(QPainter& painter, const QRect& area, int width, const QColor& color)
{
    for (int i = 0; i < width; ++i) {
        const QRect ring = area.adjusted(i, i, -i, -i);
        if (ring.width() <= 0 || ring.height() <= 0)
            break;
        painter.fillRect(QRect(ring.left(), ring.top(), ring.width(), 1), color);
        painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), color);
        painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height()), color);
        painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), color);
    }
}

void SurfaceImpl::drawLine(double x1, double y1, double x2, double y2, OLE_COLOR color, int options)
{
    if (!autoRedraw) {
        currentX = x2 * TwipsPerUnit(scaleMode, false);
        currentY = y2 * TwipsPerUnit(scaleMode, true);
        return;
    }
    ensureLayer();
    const auto px = [&](double value, bool vertical) {
        return static_cast<int>(std::lround(value * TwipsPerUnit(scaleMode, vertical) / kTwipsPerPixel));
    };
    const int ax = px(x1, false);
    const int ay = px(y1, true);
    const int bx = px(x2, false);
    const int by = px(y2, true);
    const QColor qcolor = ToQColor(color);
    const int width = std::max(1, drawWidth);
    if (options == LineOnly) {
        if (width == 1) {
            plotLine(layer, ax, ay, bx, by, qcolor.rgba());
        } else {
            QPainter painter(&layer);
            painter.setPen(QPen(qcolor, width, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(ax, ay, bx, by);
        }
    } else {
        const QRect box = QRect(QPoint(std::min(ax, bx), std::min(ay, by)),
                                QPoint(std::max(ax, bx), std::max(ay, by)));
        QPainter painter(&layer);
        if (options == LineBoxFilled) {
            painter.fillRect(box, qcolor);
        } else {
            FillFrame(painter, box, width, qcolor);
        }
    }
    currentX = x2 * TwipsPerUnit(scaleMode, false);
    currentY = y2 * TwipsPerUnit(scaleMode, true);
    update();
}

void SurfaceImpl::print(const std::string& text)
{
    const QFont font = MakeFont(look.font);
    const QFontMetrics metrics(font);
    const double x = currentX / kTwipsPerPixel;
    const double y = currentY / kTwipsPerPixel;
    if (autoRedraw) {
        ensureLayer();
        QPainter painter(&layer);
        painter.setFont(font);
        painter.setPen(ToQColor(look.fore));
        painter.drawText(QPointF(x, y + metrics.ascent()), QString::fromStdString(text));
    }
    currentX = 0;
    currentY += metrics.height() * kTwipsPerPixel;
    update();
}

std::int64_t SurfaceImpl::point(double x, double y) const
{
    const int px = static_cast<int>(std::floor(x * TwipsPerUnit(scaleMode, false) / kTwipsPerPixel));
    const int py = static_cast<int>(std::floor(y * TwipsPerUnit(scaleMode, true) / kTwipsPerPixel));
    const QSize client = clientPixels();
    if (px < 0 || py < 0 || px >= client.width() || py >= client.height())
        return -1;
    QRgb pixel = ToQColor(look.back).rgb();
    if (const Picture::Data* data = picture.data(); data && data->image.valid(px, py)) {
        const QRgb under = data->image.pixel(px, py);
        if (qAlpha(under) > 0)
            pixel = under;
    }
    if (!layer.isNull() && layer.valid(px, py)) {
        const QRgb drawn = layer.pixel(px, py);
        if (qAlpha(drawn) > 0)
            pixel = drawn;
    }
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

void SurfaceImpl::update()
{
    if (!widget.isNull())
        widget->update();
}

// ---- containers -------------------------------------------------------------------------

void ContainerNode::restack()
{
    for (VisualImpl* child : children) {
        if (!child->windowed && child->widget)
            child->widget->raise();
    }
    for (VisualImpl* child : children) {
        if (child->windowed && child->widget)
            child->widget->raise();
    }
}

// ---- controls with a place --------------------------------------------------------------

VisualImpl::VisualImpl(Control* proxy, FormLive& live, ContainerNode* container, bool windowed)
    : ControlImpl(proxy, live), container(container), windowed(windowed)
{
}

VisualImpl::~VisualImpl()
{
    if (container != nullptr) {
        auto& list = container->children;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

void VisualImpl::create()
{
    widget = new ControlWidget(this, container->childParent());
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_NoMousePropagation, true);
    if (windowed) {
        widget->setFocusPolicy(Qt::ClickFocus);
        handle = IssueWindowHandle(widget, widget);
    }
    container->children.push_back(this);
    container->restack();
    applyGeometry();
    widget->setAttribute(Qt::WA_TransparentForMouseEvents, mouseTransparent());
    widget->setVisible(visible && !hiddenAtRunTime());
    applyCursor();
    afterCreate();
}

void VisualImpl::retire()
{
    if (retired)
        return;
    ControlImpl::retire();
    if (container != nullptr) {
        auto& list = container->children;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        container = nullptr;
    }
    if (widget) {
        widget->owner = nullptr;
        widget->hide();
    }
}

QRect VisualImpl::pixelRect() const
{
    const QPoint origin = container ? container->clientOrigin() : QPoint();
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    const int w = std::max(0, TwipsToPixels(left + width) - x);
    const int h = std::max(0, TwipsToPixels(top + height) - y);
    return QRect(origin.x() + x, origin.y() + y, w, h);
}

void VisualImpl::applyGeometry()
{
    if (widget)
        widget->setGeometry(pixelRect());
}

void VisualImpl::setGeometryTwips(double newLeft, double newTop, double newWidth, double newHeight)
{
    newWidth = std::max(0.0, newWidth);
    newHeight = std::max(0.0, newHeight);
    const bool sized = newWidth != width || newHeight != height;
    left = newLeft;
    top = newTop;
    width = newWidth;
    height = newHeight;
    applyGeometry();
    if (sized)
        sizeChanged(true);
}

void VisualImpl::setUnitGeometry(std::optional<double> l, std::optional<double> t,
                                 std::optional<double> w, std::optional<double> h)
{
    if (container == nullptr)
        return;
    const double ux = container->unitTwipsX();
    const double uy = container->unitTwipsY();
    setGeometryTwips(l ? *l * ux : left, t ? *t * uy : top, w ? *w * ux : width, h ? *h * uy : height);
}

void VisualImpl::setVisible(bool value)
{
    visible = value;
    if (widget)
        widget->setVisible(value && !hiddenAtRunTime());
}

bool VisualImpl::mouseTransparent() const
{
    return !takesInput() || (!windowed && !enabled);
}

void VisualImpl::setEnabled(bool value)
{
    enabled = value;
    // A window that is disabled gives up the mouse capture, as the window system's cancel-mode
    // message does; otherwise every later mouse event would go to a window that takes none.
    if (!value && handle != 0 && GetCapture() == handle)
        ReleaseCapture();
    if (!widget)
        return;
    if (windowed)
        widget->setEnabled(value);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents, mouseTransparent());
    widget->update();
}

void VisualImpl::setToolTip(const std::string& text)
{
    toolTip = text;
    if (widget)
        widget->setToolTip(QString::fromStdString(text));
}

void VisualImpl::applyCursor()
{
    if (!widget)
        return;
    bool isDefault = false;
    const QCursor cursor = CursorFor(look.mousePointer, look.mouseIcon, &isDefault);
    if (isDefault)
        widget->unsetCursor();
    else
        widget->setCursor(cursor);
}

void VisualImpl::applyLook()
{
    lookChanged();
    if (widget)
        widget->update();
}

void VisualImpl::zorder(int position)
{
    if (container == nullptr)
        return;
    auto& list = container->children;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (position == 0)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    container->restack();
}

void VisualImpl::paint(QPainter& painter)
{
    (void)painter;
}

QPointF VisualImpl::eventUnits(QPointF pixels) const
{
    // Windowless controls report positions in their container's units, from their own corner.
    if (container == nullptr)
        return pixels;
    return QPointF(pixels.x() * kTwipsPerPixel / container->unitTwipsX(),
                   pixels.y() * kTwipsPerPixel / container->unitTwipsY());
}

void VisualImpl::mousePress(QMouseEvent* event)
{
    const int button = ButtonOf(event->button());
    if (button == 0)
        return;
    const int shift = ShiftBits(event->modifiers());
    const QPointF units = eventUnits(event->position());
    if (clicks_.press(button, event->position().toPoint(), event->timestamp())) {
        raiseDblClick();
        return;
    }
    raiseMouseDown(button, shift, static_cast<float>(units.x()), static_cast<float>(units.y()));
}

void VisualImpl::mouseMove(QMouseEvent* event)
{
    const QPointF units = eventUnits(event->position());
    raiseMouseMove(ButtonBits(event->buttons()), ShiftBits(event->modifiers()),
                   static_cast<float>(units.x()), static_cast<float>(units.y()));
}

void VisualImpl::mouseRelease(QMouseEvent* event)
{
    const int button = ButtonOf(event->button());
    if (button == 0)
        return;
    const QPointF units = eventUnits(event->position());
    const bool inside = widget && widget->rect().contains(event->position().toPoint());
    raiseMouseUp(button, ShiftBits(event->modifiers()), static_cast<float>(units.x()),
                 static_cast<float>(units.y()));
    if (clicks_.release(button, inside))
        raiseClick();
}

// ---- the widget -------------------------------------------------------------------------

ControlWidget::ControlWidget(VisualImpl* owner, QWidget* parent) : QWidget(parent), owner(owner) {}

bool ControlWidget::event(QEvent* event)
{
    DispatchScope scope;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonDblClick: {
        event->accept();
        if (owner == nullptr || !owner->enabled || !isEnabled() || Ending())
            return true;
        auto* mouse = static_cast<QMouseEvent*>(event);
        // The second press of a double click comes as a double-click event alone; the click
        // tracker decides what it raises.
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            owner->mousePress(mouse);
        else if (event->type() == QEvent::MouseButtonRelease)
            owner->mouseRelease(mouse);
        else if (event->type() == QEvent::MouseMove)
            owner->mouseMove(mouse);
        return true;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (owner == nullptr || !owner->enabled || !isEnabled() || Ending())
            return QWidget::event(event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress)
            owner->keyPress(key);
        else
            owner->keyRelease(key);
        event->accept();
        return true;
    }
    default:
        return QWidget::event(event);
    }
}

void ControlWidget::paintEvent(QPaintEvent*)
{
    if (owner == nullptr)
        return;
    QPainter painter(this);
    owner->paint(painter);
}

}  // namespace qby::detail
