// VisualControl: the public members, and the loaded part common to all controls with a place
// on a window (widget, geometry, visibility, pointer, input).
#include "platform/forms/VisualControl.h"
#include "platform/forms/Impl.h"
#include "platform/user/Window.h"
#include "platform/user/WindowTable.h"

#include <QMouseEvent>

#include <algorithm>

namespace qby {

using detail::DispatchScope;

namespace {

detail::VisualImpl* visual(detail::ControlImpl* impl)
{
    auto* v = dynamic_cast<detail::VisualImpl*>(impl);
    return v && !v->retired ? v : nullptr;
}

}  // namespace

// ---- VisualControl ----------------------------------------------------------------------

double VisualControl::Left()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v && v->container ? v->unitLeft() : 0.0;
}

void VisualControl::Left(double value)
{
    DispatchScope scope;
    if (auto* v = visual(impl()))
        v->setUnitGeometry(value, {}, {}, {});
}

double VisualControl::Top()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v && v->container ? v->unitTop() : 0.0;
}

void VisualControl::Top(double value)
{
    DispatchScope scope;
    if (auto* v = visual(impl()))
        v->setUnitGeometry({}, value, {}, {});
}

double VisualControl::Width()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v && v->container ? v->unitWidth() : 0.0;
}

void VisualControl::Width(double value)
{
    DispatchScope scope;
    if (auto* v = visual(impl()))
        v->setUnitGeometry({}, {}, value, {});
}

double VisualControl::Height()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v && v->container ? v->unitHeight() : 0.0;
}

void VisualControl::Height(double value)
{
    DispatchScope scope;
    if (auto* v = visual(impl()))
        v->setUnitGeometry({}, {}, {}, value);
}

void VisualControl::Move(double left, std::optional<double> top, std::optional<double> width,
                         std::optional<double> height)
{
    DispatchScope scope;
    if (auto* v = visual(impl()))
        v->setUnitGeometry(left, top, width, height);
}

bool VisualControl::Visible()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->visible : false;
}

void VisualControl::Visible(bool value)
{
    DispatchScope scope;
    if (auto* v = visual(impl()))
        v->setVisible(value);
}

bool VisualControl::Enabled()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->enabled : false;
}

void VisualControl::Enabled(bool value)
{
    DispatchScope scope;
    if (auto* v = visual(impl()))
        v->setEnabled(value);
}

std::string VisualControl::ToolTipText()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->toolTip : std::string();
}

void VisualControl::ToolTipText(const std::string& value)
{
    DispatchScope scope;
    if (auto* v = visual(impl()))
        v->setToolTip(value);
}

OLE_COLOR VisualControl::BackColor()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->look.back : 0;
}

void VisualControl::BackColor(OLE_COLOR value)
{
    DispatchScope scope;
    if (auto* v = visual(impl())) {
        v->look.back = value;
        v->applyLook();
    }
}

OLE_COLOR VisualControl::ForeColor()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->look.fore : 0;
}

void VisualControl::ForeColor(OLE_COLOR value)
{
    DispatchScope scope;
    if (auto* v = visual(impl())) {
        v->look.fore = value;
        v->applyLook();
    }
}

std::string VisualControl::FontName()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->look.font.name : std::string();
}

void VisualControl::FontName(const std::string& value)
{
    DispatchScope scope;
    if (auto* v = visual(impl())) {
        v->look.font.name = value;
        v->applyLook();
    }
}

double VisualControl::FontSize()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->look.font.size : 0.0;
}

void VisualControl::FontSize(double value)
{
    DispatchScope scope;
    if (auto* v = visual(impl()); v && value > 0) {
        v->look.font.size = value;
        v->applyLook();
    }
}

bool VisualControl::FontBold()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->look.font.bold : false;
}

void VisualControl::FontBold(bool value)
{
    DispatchScope scope;
    if (auto* v = visual(impl())) {
        v->look.font.bold = value;
        v->applyLook();
    }
}

bool VisualControl::FontItalic()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->look.font.italic : false;
}

void VisualControl::FontItalic(bool value)
{
    DispatchScope scope;
    if (auto* v = visual(impl())) {
        v->look.font.italic = value;
        v->applyLook();
    }
}

bool VisualControl::FontUnderline()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->look.font.underline : false;
}

void VisualControl::FontUnderline(bool value)
{
    DispatchScope scope;
    if (auto* v = visual(impl())) {
        v->look.font.underline = value;
        v->applyLook();
    }
}

int VisualControl::MousePointer()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->look.mousePointer : vbDefault;
}

void VisualControl::MousePointer(int value)
{
    DispatchScope scope;
    if (auto* v = visual(impl())) {
        v->look.mousePointer = value;
        v->applyCursor();
    }
}

StdPicture VisualControl::MouseIcon()
{
    DispatchScope scope;
    auto* v = visual(impl());
    return v ? v->look.mouseIcon : StdPicture();
}

void VisualControl::MouseIcon(const StdPicture& value)
{
    DispatchScope scope;
    if (auto* v = visual(impl())) {
        v->look.mouseIcon = value;
        v->applyCursor();
    }
}

void VisualControl::ZOrder(int position)
{
    DispatchScope scope;
    if (auto* v = visual(impl()))
        v->zorder(position);
}

void VisualControl::Refresh()
{
    DispatchScope scope;
    if (auto* v = visual(impl()); v && v->widget)
        v->widget->update();
}

}  // namespace qby

namespace qby::detail {

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

}  // namespace qby::detail
