// Shape: a rectangle, square, oval or circle; its members, its loaded part (painting) and how a
// design builds it.
#include "platform/forms/Shape.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/Impl.h"

#include <QPainter>

#include <algorithm>

namespace qby::detail {

class ShapeImpl : public VisualImpl {
public:
    ShapeImpl(Shape* proxy, FormLive& live, ContainerNode* container);
    int shape = vbShapeRectangle;
    OLE_COLOR borderColor = vbWindowText;
    int borderWidth = 1;
    int borderStyle = 1;
    int backStyle = vbTransparent;
    int fillStyle = vbFSTransparent;
    OLE_COLOR fillColor = vbBlack;
    bool takesInput() const override { return false; }
    void paint(QPainter& painter) override;
};

ShapeImpl::ShapeImpl(Shape* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, false)
{
    look.back = vbWindowBackground;
}

void ShapeImpl::paint(QPainter& painter)
{
    QRect area = widget->rect();
    if (shape == vbShapeSquare || shape == vbShapeCircle || shape == vbShapeRoundedSquare) {
        const int side = std::min(area.width(), area.height());
        area = QRect(area.x() + (area.width() - side) / 2, area.y() + (area.height() - side) / 2, side, side);
    }
    const bool oval = shape == vbShapeOval || shape == vbShapeCircle;
    const bool rounded = shape == vbShapeRoundedRectangle || shape == vbShapeRoundedSquare;
    const int border = borderStyle != 0 ? std::max(1, borderWidth) : 0;
    painter.setRenderHint(QPainter::Antialiasing, oval || rounded);
    auto fillArea = [&](const QColor& color) {
        const QRect inner = area.adjusted(border, border, -border, -border);
        if (oval) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            painter.drawEllipse(inner);
        } else if (rounded) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            painter.drawRoundedRect(inner, 8, 8);
        } else {
            painter.fillRect(inner, color);
        }
    };
    if (backStyle == vbOpaque)
        fillArea(ToQColor(look.back));
    if (fillStyle == vbFSSolid)
        fillArea(ToQColor(fillColor));
    if (border == 0)
        return;
    const QColor color = ToQColor(borderColor);
    if (oval || rounded) {
        painter.setPen(QPen(color, border));
        painter.setBrush(Qt::NoBrush);
        const qreal half = border / 2.0;
        const QRectF ring = QRectF(area).adjusted(half, half, -half, -half);
        if (oval)
            painter.drawEllipse(ring);
        else
            painter.drawRoundedRect(ring, 8, 8);
        return;
    }
    FillFrame(painter, area, border, color);
}

}  // namespace qby::detail

namespace qby {

using detail::DispatchScope;

Shape::Shape(ControlHost* host, std::string name, int index) : Control(host, std::move(name), index) {}

#define QBY_SHAPE_GEOMETRY(Name, unitGetter, l, t, w, h)                     \
    double Shape::Name()                                                    \
    {                                                                       \
        DispatchScope scope;                                                \
        auto* s = detail::KindOf<detail::ShapeImpl>(impl());                          \
        return s && s->container ? s->unitGetter() : 0.0;                   \
    }                                                                       \
    void Shape::Name(double value)                                          \
    {                                                                       \
        DispatchScope scope;                                                \
        if (auto* s = detail::KindOf<detail::ShapeImpl>(impl()))                      \
            s->setUnitGeometry(l, t, w, h);                                 \
    }

QBY_SHAPE_GEOMETRY(Left, unitLeft, value, std::nullopt, std::nullopt, std::nullopt)
QBY_SHAPE_GEOMETRY(Top, unitTop, std::nullopt, value, std::nullopt, std::nullopt)
QBY_SHAPE_GEOMETRY(Width, unitWidth, std::nullopt, std::nullopt, value, std::nullopt)
QBY_SHAPE_GEOMETRY(Height, unitHeight, std::nullopt, std::nullopt, std::nullopt, value)
#undef QBY_SHAPE_GEOMETRY

void Shape::Move(double left, std::optional<double> top, std::optional<double> width,
                 std::optional<double> height)
{
    DispatchScope scope;
    if (auto* s = detail::KindOf<detail::ShapeImpl>(impl()))
        s->setUnitGeometry(left, top, width, height);
}

bool Shape::Visible()
{
    DispatchScope scope;
    auto* s = detail::KindOf<detail::ShapeImpl>(impl());
    return s ? s->visible : false;
}

void Shape::Visible(bool value)
{
    DispatchScope scope;
    if (auto* s = detail::KindOf<detail::ShapeImpl>(impl()))
        s->setVisible(value);
}

namespace {

template <class Field, class Value>
Value shapeGet(detail::ControlImpl* impl, Field field, Value fallback)
{
    auto* s = detail::KindOf<detail::ShapeImpl>(impl);
    return s ? s->*field : fallback;
}

template <class Field, class Value>
void shapeSet(detail::ControlImpl* impl, Field field, Value value)
{
    if (auto* s = detail::KindOf<detail::ShapeImpl>(impl)) {
        s->*field = value;
        if (s->widget)
            s->widget->update();
    }
}

}  // namespace

int Shape::ShapeKind() { DispatchScope scope; return shapeGet(impl(), &detail::ShapeImpl::shape, vbShapeRectangle); }
void Shape::ShapeKind(int value) { DispatchScope scope; shapeSet(impl(), &detail::ShapeImpl::shape, value); }
OLE_COLOR Shape::BorderColor() { DispatchScope scope; return shapeGet(impl(), &detail::ShapeImpl::borderColor, OLE_COLOR(0)); }
void Shape::BorderColor(OLE_COLOR value) { DispatchScope scope; shapeSet(impl(), &detail::ShapeImpl::borderColor, value); }
int Shape::BorderWidth() { DispatchScope scope; return shapeGet(impl(), &detail::ShapeImpl::borderWidth, 1); }
void Shape::BorderWidth(int value) { DispatchScope scope; shapeSet(impl(), &detail::ShapeImpl::borderWidth, std::max(0, value)); }
int Shape::BorderStyle() { DispatchScope scope; return shapeGet(impl(), &detail::ShapeImpl::borderStyle, 1); }
void Shape::BorderStyle(int value) { DispatchScope scope; shapeSet(impl(), &detail::ShapeImpl::borderStyle, value); }
int Shape::BackStyle() { DispatchScope scope; return shapeGet(impl(), &detail::ShapeImpl::backStyle, int(vbTransparent)); }
void Shape::BackStyle(int value) { DispatchScope scope; shapeSet(impl(), &detail::ShapeImpl::backStyle, value); }
int Shape::FillStyle() { DispatchScope scope; return shapeGet(impl(), &detail::ShapeImpl::fillStyle, int(vbFSTransparent)); }
void Shape::FillStyle(int value) { DispatchScope scope; shapeSet(impl(), &detail::ShapeImpl::fillStyle, value); }
OLE_COLOR Shape::FillColor() { DispatchScope scope; return shapeGet(impl(), &detail::ShapeImpl::fillColor, OLE_COLOR(0)); }
void Shape::FillColor(OLE_COLOR value) { DispatchScope scope; shapeSet(impl(), &detail::ShapeImpl::fillColor, value); }

OLE_COLOR Shape::BackColor()
{
    DispatchScope scope;
    auto* s = detail::KindOf<detail::ShapeImpl>(impl());
    return s ? s->look.back : 0;
}

void Shape::BackColor(OLE_COLOR value)
{
    DispatchScope scope;
    if (auto* s = detail::KindOf<detail::ShapeImpl>(impl())) {
        s->look.back = value;
        s->applyLook();
    }
}

void Shape::ZOrder(int position)
{
    DispatchScope scope;
    if (auto* s = detail::KindOf<detail::ShapeImpl>(impl()))
        s->zorder(position);
}

void Shape::build(detail::DesignContext& context, const Props& p)
{
    detail::ContainerNode* container = detail::ContainerOf(context, p.Container);
    auto* impl = detail::Adopt(context, std::make_unique<detail::ShapeImpl>(this, context.live, container),
                               *this);
    detail::ApplyCommon(*impl, p);
    if (p.Shape)
        impl->shape = *p.Shape;
    if (p.BorderColor)
        impl->borderColor = *p.BorderColor;
    if (p.BorderWidth)
        impl->borderWidth = std::max(0, *p.BorderWidth);
    if (p.BorderStyle)
        impl->borderStyle = *p.BorderStyle;
    if (p.BackStyle)
        impl->backStyle = *p.BackStyle;
    if (p.FillStyle)
        impl->fillStyle = *p.FillStyle;
    if (p.FillColor)
        impl->fillColor = *p.FillColor;
    detail::Finish(*impl);
}

}  // namespace qby
