// DrawingSurface: the public members, the drawing surface of forms, picture boxes and user
// controls (background, picture, what DrawLine and Print drew), and the controls that have one.
#include "platform/forms/DrawingSurface.h"
#include "platform/forms/Impl.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace qby {

using detail::DispatchScope;
using detail::kTwipsPerPixel;

// ---- DrawingSurface ---------------------------------------------------------------------

StdPicture DrawingSurface::Picture()
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    return s ? s->picture : StdPicture();
}

void DrawingSurface::Picture(const StdPicture& value)
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    if (s == nullptr)
        return;
    if (s->owner != nullptr) {
        s->owner->setPicture(value);
        return;
    }
    s->picture = value;
    s->update();
}

int DrawingSurface::ScaleMode()
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    return s ? s->scaleMode : vbTwips;
}

void DrawingSurface::ScaleMode(int value)
{
    DispatchScope scope;
    if (detail::SurfaceImpl* s = drawingSurface())
        s->scaleMode = value;
}

double DrawingSurface::ScaleWidth()
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    return s ? s->clientPixels().width() * kTwipsPerPixel / s->unitTwipsX() : 0.0;
}

double DrawingSurface::ScaleHeight()
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    return s ? s->clientPixels().height() * kTwipsPerPixel / s->unitTwipsY() : 0.0;
}

double DrawingSurface::ScaleX(double value, int fromScale, int toScale)
{
    return value * detail::TwipsPerUnit(fromScale, false) / detail::TwipsPerUnit(toScale, false);
}

double DrawingSurface::ScaleY(double value, int fromScale, int toScale)
{
    return value * detail::TwipsPerUnit(fromScale, true) / detail::TwipsPerUnit(toScale, true);
}

bool DrawingSurface::AutoRedraw()
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    return s ? s->autoRedraw : false;
}

void DrawingSurface::AutoRedraw(bool value)
{
    DispatchScope scope;
    if (detail::SurfaceImpl* s = drawingSurface())
        s->autoRedraw = value;
}

void DrawingSurface::Cls()
{
    DispatchScope scope;
    if (detail::SurfaceImpl* s = drawingSurface())
        s->cls();
}

void DrawingSurface::DrawLine(double x1, double y1, double x2, double y2, std::optional<OLE_COLOR> color,
                              int options)
{
    DispatchScope scope;
    if (detail::SurfaceImpl* s = drawingSurface())
        s->drawLine(x1, y1, x2, y2, color ? *color : s->look.fore, options);
}

void DrawingSurface::Print(const std::string& text)
{
    DispatchScope scope;
    if (detail::SurfaceImpl* s = drawingSurface())
        s->print(text);
}

double DrawingSurface::CurrentX()
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    return s ? s->currentX / s->unitTwipsX() : 0.0;
}

void DrawingSurface::CurrentX(double value)
{
    DispatchScope scope;
    if (detail::SurfaceImpl* s = drawingSurface())
        s->currentX = value * s->unitTwipsX();
}

double DrawingSurface::CurrentY()
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    if (s == nullptr)
        return 0.0;
    s->measureLines();
    return s->currentY / s->unitTwipsY();
}

void DrawingSurface::CurrentY(double value)
{
    DispatchScope scope;
    if (detail::SurfaceImpl* s = drawingSurface()) {
        s->currentY = value * s->unitTwipsY();
        s->unmeasuredLines = 0;
    }
}

int DrawingSurface::DrawWidth()
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    return s ? s->drawWidth : 1;
}

void DrawingSurface::DrawWidth(int pixels)
{
    DispatchScope scope;
    if (detail::SurfaceImpl* s = drawingSurface())
        s->drawWidth = std::max(1, pixels);
}

std::int64_t DrawingSurface::Point(double x, double y)
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    return s ? s->point(x, y) : -1;
}

double DrawingSurface::TextWidth(const std::string& text)
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    if (s == nullptr)
        return 0.0;
    const QFontMetrics metrics(detail::MakeFont(s->look.font));
    return metrics.horizontalAdvance(QString::fromStdString(text)) * kTwipsPerPixel / s->unitTwipsX();
}

double DrawingSurface::TextHeight(const std::string& text)
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    if (s == nullptr)
        return 0.0;
    const QFontMetrics metrics(detail::MakeFont(s->look.font));
    const auto lines = std::max<qsizetype>(1, QString::fromStdString(text).count('\n') + 1);
    return lines * metrics.height() * kTwipsPerPixel / s->unitTwipsY();
}

std::int32_t DrawingSurface::hWnd()
{
    DispatchScope scope;
    detail::SurfaceImpl* s = drawingSurface();
    return s ? s->hwnd : 0;
}

}  // namespace qby

namespace qby::detail {

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
    if (const Picture::Data* data = picture.data(); data && !data->image().isNull())
        painter.drawImage(origin, data->image());
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
    unmeasuredLines = 0;
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
        unmeasuredLines = 0;
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
    unmeasuredLines = 0;
    update();
}

void SurfaceImpl::measureLines()
{
    if (unmeasuredLines == 0)
        return;
    currentY += unmeasuredLines * QFontMetrics(MakeFont(unmeasuredFont)).height() * kTwipsPerPixel;
    unmeasuredLines = 0;
}

void SurfaceImpl::print(const std::string& text)
{
    if (!autoRedraw) {
        // Nothing is drawn: the line only moves the position.
        if (unmeasuredLines > 0 && unmeasuredFont != look.font)
            measureLines();
        unmeasuredFont = look.font;
        ++unmeasuredLines;
        currentX = 0;
        update();
        return;
    }
    measureLines();
    const QFont font = MakeFont(look.font);
    const QFontMetrics metrics(font);
    const double x = currentX / kTwipsPerPixel;
    const double y = currentY / kTwipsPerPixel;
    ensureLayer();
    {
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
    if (const Picture::Data* data = picture.data(); data && data->image().valid(px, py)) {
        const QRgb under = data->image().pixel(px, py);
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

void PaintBorder(QPainter& painter, const QRect& area, int pixels)
{
    if (pixels <= 0 || area.width() <= 0 || area.height() <= 0)
        return;
    if (pixels == 1) {
        painter.setPen(ToQColor(vbWindowFrame));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        return;
    }
    const QColor shadow = ToQColor(vbButtonShadow);
    const QColor dark = ToQColor(vb3DDKShadow);
    const QColor light = ToQColor(vb3DLight);
    const QColor highlight = ToQColor(vb3DHighlight);
    const QRect r = area.adjusted(0, 0, -1, -1);
    painter.setPen(shadow);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(highlight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    const QRect inner = r.adjusted(1, 1, -1, -1);
    painter.setPen(dark);
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(light);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}

namespace {

QPointF surfaceUnits(const SurfaceImpl& surface, QPointF pixels)
{
    return QPointF((pixels.x() - surface.origin.x()) * kTwipsPerPixel / surface.unitTwipsX(),
                   (pixels.y() - surface.origin.y()) * kTwipsPerPixel / surface.unitTwipsY());
}

}  // namespace

// ---- controls with a surface ------------------------------------------------------------

SurfaceControlImpl::SurfaceControlImpl(Control* proxy, FormLive& live, ContainerNode* container, int borderStyle)
    : VisualImpl(proxy, live, container, true), surface(std::make_unique<SurfaceImpl>(look, nullptr)),
      borderStyle(borderStyle)
{
    look.back = vbButtonFace;
    look.fore = vbButtonText;
}

int SurfaceControlImpl::borderPixels() const
{
    if (borderStyle != 1)
        return 0;
    return appearance == vbAppearanceFlat ? 1 : 2;
}

void SurfaceControlImpl::afterCreate()
{
    surface->widget = widget.data();
    surface->hwnd = handle;
    surface->owner = this;
    updateOrigin();
}

void SurfaceControlImpl::updateOrigin()
{
    const int border = borderPixels();
    surface->origin = QPoint(border, border);
    for (VisualImpl* child : children)
        child->applyGeometry();
    if (widget)
        widget->update();
}

QWidget* SurfaceControlImpl::childParent()
{
    return widget.data();
}

QPoint SurfaceControlImpl::clientOrigin() const
{
    return surface->origin;
}

void SurfaceControlImpl::paint(QPainter& painter)
{
    surface->paint(painter);
    PaintBorder(painter, widget->rect(), borderPixels());
}

QPointF SurfaceControlImpl::eventUnits(QPointF pixels) const
{
    return surfaceUnits(*surface, pixels);
}

void SurfaceControlImpl::setPicture(const Picture& picture)
{
    surface->picture = picture;
    surface->update();
}

}  // namespace qby::detail
