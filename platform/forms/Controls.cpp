// Members of the standard controls.
#include "platform/forms/Controls.h"
#include "platform/forms/ControlKinds.h"
#include "platform/forms/Impl.h"

#include <algorithm>

namespace qby {

using detail::DispatchScope;

namespace {

template <class T>
T* kind(detail::ControlImpl* impl)
{
    auto* typed = dynamic_cast<T*>(impl);
    return typed && !typed->retired ? typed : nullptr;
}

}  // namespace

// ---- Label ------------------------------------------------------------------------------

Label::Label(ControlHost* host, std::string name, int index) : VisualControl(host, std::move(name), index) {}

std::string Label::Caption()
{
    DispatchScope scope;
    auto* l = kind<detail::LabelImpl>(impl());
    return l ? l->caption : std::string();
}

void Label::Caption(const std::string& value)
{
    DispatchScope scope;
    if (auto* l = kind<detail::LabelImpl>(impl()))
        l->setCaption(value);
}

bool Label::AutoSize()
{
    DispatchScope scope;
    auto* l = kind<detail::LabelImpl>(impl());
    return l ? l->autoSize : false;
}

void Label::AutoSize(bool value)
{
    DispatchScope scope;
    if (auto* l = kind<detail::LabelImpl>(impl())) {
        l->autoSize = value;
        l->fitToText();
        if (l->widget)
            l->widget->update();
    }
}

bool Label::WordWrap()
{
    DispatchScope scope;
    auto* l = kind<detail::LabelImpl>(impl());
    return l ? l->wordWrap : false;
}

void Label::WordWrap(bool value)
{
    DispatchScope scope;
    if (auto* l = kind<detail::LabelImpl>(impl())) {
        l->wordWrap = value;
        l->fitToText();
        if (l->widget)
            l->widget->update();
    }
}

int Label::Alignment()
{
    DispatchScope scope;
    auto* l = kind<detail::LabelImpl>(impl());
    return l ? l->alignment : vbLeftJustify;
}

void Label::Alignment(int value)
{
    DispatchScope scope;
    if (auto* l = kind<detail::LabelImpl>(impl())) {
        l->alignment = value;
        if (l->widget)
            l->widget->update();
    }
}

int Label::BackStyle()
{
    DispatchScope scope;
    auto* l = kind<detail::LabelImpl>(impl());
    return l ? l->backStyle : vbOpaque;
}

void Label::BackStyle(int value)
{
    DispatchScope scope;
    if (auto* l = kind<detail::LabelImpl>(impl())) {
        l->backStyle = value;
        if (l->widget)
            l->widget->update();
    }
}

// ---- PictureBox -------------------------------------------------------------------------

PictureBox::PictureBox(ControlHost* host, std::string name, int index)
    : VisualControl(host, std::move(name), index)
{
}

detail::SurfaceImpl* PictureBox::drawingSurface()
{
    auto* p = kind<detail::PictureBoxImpl>(impl());
    return p ? p->surface.get() : nullptr;
}

bool PictureBox::AutoSize()
{
    DispatchScope scope;
    auto* p = kind<detail::PictureBoxImpl>(impl());
    return p ? p->autoSize : false;
}

void PictureBox::AutoSize(bool value)
{
    DispatchScope scope;
    if (auto* p = kind<detail::PictureBoxImpl>(impl())) {
        p->autoSize = value;
        if (value)
            p->fitToPicture();
    }
}

int PictureBox::BorderStyle()
{
    DispatchScope scope;
    auto* p = kind<detail::PictureBoxImpl>(impl());
    return p ? p->borderStyle : 1;
}

void PictureBox::BorderStyle(int value)
{
    DispatchScope scope;
    if (auto* p = kind<detail::PictureBoxImpl>(impl())) {
        p->borderStyle = value;
        p->updateOrigin();
        if (p->autoSize)
            p->fitToPicture();
    }
}

int PictureBox::Appearance()
{
    DispatchScope scope;
    auto* p = kind<detail::PictureBoxImpl>(impl());
    return p ? p->appearance : vbAppearance3D;
}

void PictureBox::Appearance(int value)
{
    DispatchScope scope;
    if (auto* p = kind<detail::PictureBoxImpl>(impl())) {
        p->appearance = value;
        p->updateOrigin();
        if (p->autoSize)
            p->fitToPicture();
    }
}

void PictureBox::SetFocus()
{
    DispatchScope scope;
    if (auto* p = kind<detail::PictureBoxImpl>(impl()); p && p->widget)
        p->widget->setFocus(Qt::OtherFocusReason);
}

// ---- Image ------------------------------------------------------------------------------

Image::Image(ControlHost* host, std::string name, int index) : VisualControl(host, std::move(name), index) {}

StdPicture Image::Picture()
{
    DispatchScope scope;
    auto* i = kind<detail::ImageImpl>(impl());
    return i ? i->picture : StdPicture();
}

void Image::Picture(const StdPicture& value)
{
    DispatchScope scope;
    if (auto* i = kind<detail::ImageImpl>(impl()))
        i->setPicture(value);
}

bool Image::Stretch()
{
    DispatchScope scope;
    auto* i = kind<detail::ImageImpl>(impl());
    return i ? i->stretch : false;
}

void Image::Stretch(bool value)
{
    DispatchScope scope;
    if (auto* i = kind<detail::ImageImpl>(impl())) {
        i->stretch = value;
        if (!value)
            i->fitToPicture();
        if (i->widget)
            i->widget->update();
    }
}

// ---- Timer ------------------------------------------------------------------------------

Timer::Timer(ControlHost* host, std::string name, int index) : Control(host, std::move(name), index) {}

bool Timer::Enabled()
{
    DispatchScope scope;
    auto* t = kind<detail::TimerImpl>(impl());
    return t ? t->enabled : false;
}

void Timer::Enabled(bool value)
{
    DispatchScope scope;
    if (auto* t = kind<detail::TimerImpl>(impl())) {
        t->enabled = value;
        t->restart();
    }
}

int Timer::Interval()
{
    DispatchScope scope;
    auto* t = kind<detail::TimerImpl>(impl());
    return t ? t->interval : 0;
}

void Timer::Interval(int milliseconds)
{
    DispatchScope scope;
    if (auto* t = kind<detail::TimerImpl>(impl())) {
        t->interval = std::max(0, milliseconds);
        t->restart();
    }
}

// ---- ListBox ----------------------------------------------------------------------------

ListBox::ListBox(ControlHost* host, std::string name, int index) : VisualControl(host, std::move(name), index) {}

void ListBox::AddItem(const std::string& item, std::optional<int> index)
{
    DispatchScope scope;
    auto* l = kind<detail::ListBoxImpl>(impl());
    if (l == nullptr)
        return;
    auto& items = l->items;
    if (index) {
        if (*index < 0 || *index > static_cast<int>(items.size()))
            return;
        items.insert(items.begin() + *index, item);
    } else if (l->sorted) {
        items.insert(std::upper_bound(items.begin(), items.end(), item), item);
    } else {
        items.push_back(item);
    }
    if (l->widget)
        l->widget->update();
}

void ListBox::RemoveItem(int index)
{
    DispatchScope scope;
    auto* l = kind<detail::ListBoxImpl>(impl());
    if (l == nullptr || index < 0 || index >= static_cast<int>(l->items.size()))
        return;
    l->items.erase(l->items.begin() + index);
    if (l->listIndex == index)
        l->listIndex = -1;
    else if (l->listIndex > index)
        --l->listIndex;
    if (l->widget)
        l->widget->update();
}

void ListBox::Clear()
{
    DispatchScope scope;
    if (auto* l = kind<detail::ListBoxImpl>(impl())) {
        l->items.clear();
        l->listIndex = -1;
        if (l->widget)
            l->widget->update();
    }
}

std::string ListBox::List(int index)
{
    DispatchScope scope;
    auto* l = kind<detail::ListBoxImpl>(impl());
    if (l == nullptr || index < 0 || index >= static_cast<int>(l->items.size()))
        return std::string();
    return l->items[static_cast<std::size_t>(index)];
}

void ListBox::List(int index, const std::string& value)
{
    DispatchScope scope;
    auto* l = kind<detail::ListBoxImpl>(impl());
    if (l == nullptr || index < 0 || index >= static_cast<int>(l->items.size()))
        return;
    l->items[static_cast<std::size_t>(index)] = value;
    if (l->widget)
        l->widget->update();
}

int ListBox::ListCount()
{
    DispatchScope scope;
    auto* l = kind<detail::ListBoxImpl>(impl());
    return l ? static_cast<int>(l->items.size()) : 0;
}

int ListBox::ListIndex()
{
    DispatchScope scope;
    auto* l = kind<detail::ListBoxImpl>(impl());
    return l ? l->listIndex : -1;
}

void ListBox::ListIndex(int value)
{
    DispatchScope scope;
    auto* l = kind<detail::ListBoxImpl>(impl());
    if (l == nullptr || value < -1 || value >= static_cast<int>(l->items.size()))
        return;
    l->listIndex = value;
    if (l->widget)
        l->widget->update();
}

std::string ListBox::Text()
{
    DispatchScope scope;
    auto* l = kind<detail::ListBoxImpl>(impl());
    if (l == nullptr || l->listIndex < 0)
        return std::string();
    return l->items[static_cast<std::size_t>(l->listIndex)];
}

// ---- Shape ------------------------------------------------------------------------------

Shape::Shape(ControlHost* host, std::string name, int index) : Control(host, std::move(name), index) {}

#define QBY_SHAPE_GEOMETRY(Name, unitGetter, l, t, w, h)                     \
    double Shape::Name()                                                    \
    {                                                                       \
        DispatchScope scope;                                                \
        auto* s = kind<detail::ShapeImpl>(impl());                          \
        return s && s->container ? s->unitGetter() : 0.0;                   \
    }                                                                       \
    void Shape::Name(double value)                                          \
    {                                                                       \
        DispatchScope scope;                                                \
        if (auto* s = kind<detail::ShapeImpl>(impl()))                      \
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
    if (auto* s = kind<detail::ShapeImpl>(impl()))
        s->setUnitGeometry(left, top, width, height);
}

bool Shape::Visible()
{
    DispatchScope scope;
    auto* s = kind<detail::ShapeImpl>(impl());
    return s ? s->visible : false;
}

void Shape::Visible(bool value)
{
    DispatchScope scope;
    if (auto* s = kind<detail::ShapeImpl>(impl()))
        s->setVisible(value);
}

namespace {

template <class Field, class Value>
Value shapeGet(detail::ControlImpl* impl, Field field, Value fallback)
{
    auto* s = kind<detail::ShapeImpl>(impl);
    return s ? s->*field : fallback;
}

template <class Field, class Value>
void shapeSet(detail::ControlImpl* impl, Field field, Value value)
{
    if (auto* s = kind<detail::ShapeImpl>(impl)) {
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
    auto* s = kind<detail::ShapeImpl>(impl());
    return s ? s->look.back : 0;
}

void Shape::BackColor(OLE_COLOR value)
{
    DispatchScope scope;
    if (auto* s = kind<detail::ShapeImpl>(impl())) {
        s->look.back = value;
        s->applyLook();
    }
}

void Shape::ZOrder(int position)
{
    DispatchScope scope;
    if (auto* s = kind<detail::ShapeImpl>(impl()))
        s->zorder(position);
}

// ---- Line -------------------------------------------------------------------------------

Line::Line(ControlHost* host, std::string name, int index) : Control(host, std::move(name), index) {}

namespace {

double lineGet(detail::ControlImpl* impl, double detail::LineImpl::*field, bool vertical)
{
    auto* l = kind<detail::LineImpl>(impl);
    if (l == nullptr || l->container == nullptr)
        return 0.0;
    return l->*field / (vertical ? l->container->unitTwipsY() : l->container->unitTwipsX());
}

void lineSet(detail::ControlImpl* impl, double detail::LineImpl::*field, bool vertical, double value)
{
    auto* l = kind<detail::LineImpl>(impl);
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
    auto* l = kind<detail::LineImpl>(impl());
    return l ? l->visible : false;
}

void Line::Visible(bool value)
{
    DispatchScope scope;
    if (auto* l = kind<detail::LineImpl>(impl()))
        l->setVisible(value);
}

OLE_COLOR Line::BorderColor()
{
    DispatchScope scope;
    auto* l = kind<detail::LineImpl>(impl());
    return l ? l->borderColor : 0;
}

void Line::BorderColor(OLE_COLOR value)
{
    DispatchScope scope;
    if (auto* l = kind<detail::LineImpl>(impl())) {
        l->borderColor = value;
        if (l->widget)
            l->widget->update();
    }
}

int Line::BorderWidth()
{
    DispatchScope scope;
    auto* l = kind<detail::LineImpl>(impl());
    return l ? l->borderWidth : 1;
}

void Line::BorderWidth(int value)
{
    DispatchScope scope;
    if (auto* l = kind<detail::LineImpl>(impl())) {
        l->borderWidth = std::max(1, value);
        l->placeWidget();
    }
}

// ---- Frame ------------------------------------------------------------------------------

Frame::Frame(ControlHost* host, std::string name, int index) : VisualControl(host, std::move(name), index) {}

std::string Frame::Caption()
{
    DispatchScope scope;
    auto* f = kind<detail::FrameImpl>(impl());
    return f ? f->caption : std::string();
}

void Frame::Caption(const std::string& value)
{
    DispatchScope scope;
    if (auto* f = kind<detail::FrameImpl>(impl())) {
        f->caption = value;
        if (f->widget)
            f->widget->update();
    }
}

// ---- WebBrowser -------------------------------------------------------------------------

WebBrowser::WebBrowser(ControlHost* host, std::string name, int index)
    : VisualControl(host, std::move(name), index)
{
}

void WebBrowser::Navigate2(const std::string& path)
{
    DispatchScope scope;
    if (auto* w = kind<detail::WebBrowserImpl>(impl()))
        w->navigate(path);
}

std::string WebBrowser::LocationURL()
{
    DispatchScope scope;
    auto* w = kind<detail::WebBrowserImpl>(impl());
    return w ? w->location : std::string();
}

bool WebBrowser::ShowsPicture()
{
    DispatchScope scope;
    auto* w = kind<detail::WebBrowserImpl>(impl());
    return w != nullptr && (w->movie != nullptr || !w->still.isNull());
}

}  // namespace qby
