// Line: a straight line; its members, its loaded part (placing, painting) and how a design
// builds it.
#include "platform/forms/Line.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/Impl.h"

#include <QPainter>

#include <algorithm>

namespace qby::detail {

class LineImpl : public VisualImpl {
public:
    LineImpl(Line* proxy, FormLive& live, ContainerNode* container);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips
    OLE_COLOR borderColor = vbWindowText;
    int borderWidth = 1;
    bool takesInput() const override { return false; }
    void placeWidget();  // the widget covers the line's bounding box
    void paint(QPainter& painter) override;
};

LineImpl::LineImpl(Line* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, false)
{
}

void LineImpl::placeWidget()
{
    if (!widget || container == nullptr)
        return;
    const QPoint origin = container->clientOrigin();
    const int ax = TwipsToPixels(x1);
    const int ay = TwipsToPixels(y1);
    const int bx = TwipsToPixels(x2);
    const int by = TwipsToPixels(y2);
    const int pad = std::max(1, borderWidth);
    const QRect box(QPoint(std::min(ax, bx) - pad / 2, std::min(ay, by) - pad / 2),
                    QPoint(std::max(ax, bx) + pad, std::max(ay, by) + pad));
    widget->setGeometry(box.translated(origin));
    widget->update();
}

void LineImpl::paint(QPainter& painter)
{
    if (container == nullptr)
        return;
    const QPoint corner = widget->geometry().topLeft() - container->clientOrigin();
    const int ax = TwipsToPixels(x1) - corner.x();
    const int ay = TwipsToPixels(y1) - corner.y();
    const int bx = TwipsToPixels(x2) - corner.x();
    const int by = TwipsToPixels(y2) - corner.y();
    const int widthPx = std::max(1, borderWidth);
    if (widthPx == 1) {
        QPen pen(ToQColor(borderColor));
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawLine(ax, ay, bx, by);
    } else {
        painter.setPen(QPen(ToQColor(borderColor), widthPx, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(ax, ay, bx, by);
    }
}

}  // namespace qby::detail

namespace qby {

using detail::DispatchScope;

Line::Line(ControlHost* host, std::string name, int index) : Control(host, std::move(name), index) {}

namespace {

double lineGet(detail::ControlImpl* impl, double detail::LineImpl::*field, bool vertical)
{
    auto* l = detail::KindOf<detail::LineImpl>(impl);
    if (l == nullptr || l->container == nullptr)
        return 0.0;
    return l->*field / (vertical ? l->container->unitTwipsY() : l->container->unitTwipsX());
}

void lineSet(detail::ControlImpl* impl, double detail::LineImpl::*field, bool vertical, double value)
{
    auto* l = detail::KindOf<detail::LineImpl>(impl);
    if (l == nullptr || l->container == nullptr)
        return;
    l->*field = value * (vertical ? l->container->unitTwipsY() : l->container->unitTwipsX());
    l->placeWidget();
}

}  // namespace

double Line::X1() { DispatchScope scope; return lineGet(impl(), &detail::LineImpl::x1, false); }
void Line::X1(double value) { DispatchScope scope; lineSet(impl(), &detail::LineImpl::x1, false, value); }
double Line::Y1() { DispatchScope scope; return lineGet(impl(), &detail::LineImpl::y1, true); }
void Line::Y1(double value) { DispatchScope scope; lineSet(impl(), &detail::LineImpl::y1, true, value); }
double Line::X2() { DispatchScope scope; return lineGet(impl(), &detail::LineImpl::x2, false); }
void Line::X2(double value) { DispatchScope scope; lineSet(impl(), &detail::LineImpl::x2, false, value); }
double Line::Y2() { DispatchScope scope; return lineGet(impl(), &detail::LineImpl::y2, true); }
void Line::Y2(double value) { DispatchScope scope; lineSet(impl(), &detail::LineImpl::y2, true, value); }

bool Line::Visible()
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::LineImpl>(impl());
    return l ? l->visible : false;
}

void Line::Visible(bool value)
{
    DispatchScope scope;
    if (auto* l = detail::KindOf<detail::LineImpl>(impl()))
        l->setVisible(value);
}

OLE_COLOR Line::BorderColor()
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::LineImpl>(impl());
    return l ? l->borderColor : 0;
}

void Line::BorderColor(OLE_COLOR value)
{
    DispatchScope scope;
    if (auto* l = detail::KindOf<detail::LineImpl>(impl())) {
        l->borderColor = value;
        if (l->widget)
            l->widget->update();
    }
}

int Line::BorderWidth()
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::LineImpl>(impl());
    return l ? l->borderWidth : 1;
}

void Line::BorderWidth(int value)
{
    DispatchScope scope;
    if (auto* l = detail::KindOf<detail::LineImpl>(impl())) {
        l->borderWidth = std::max(1, value);
        l->placeWidget();
    }
}

void Line::build(detail::DesignContext& context, const Props& p)
{
    detail::ContainerNode* container = detail::ContainerOf(context, p.Container);
    auto* impl = detail::Adopt(context, std::make_unique<detail::LineImpl>(this, context.live, container),
                               *this);
    const double ux = impl->container->unitTwipsX();
    const double uy = impl->container->unitTwipsY();
    if (p.X1)
        impl->x1 = *p.X1 * ux;
    if (p.Y1)
        impl->y1 = *p.Y1 * uy;
    if (p.X2)
        impl->x2 = *p.X2 * ux;
    if (p.Y2)
        impl->y2 = *p.Y2 * uy;
    if (p.Visible)
        impl->visible = *p.Visible;
    if (p.Tag)
        impl->tag = *p.Tag;
    if (p.BorderColor)
        impl->borderColor = *p.BorderColor;
    if (p.BorderWidth)
        impl->borderWidth = std::max(1, *p.BorderWidth);
    detail::Finish(*impl);
    impl->placeWidget();
}

}  // namespace qby
