// Members shared by controls (place, look, pointer) and by drawing surfaces.
#include "platform/forms/Surface.h"
#include "platform/forms/ControlKinds.h"
#include "platform/forms/Impl.h"

#include <QFontMetrics>

#include <cmath>

namespace qby {

using detail::DispatchScope;
using detail::kTwipsPerPixel;

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
    if (auto* box = dynamic_cast<detail::PictureBoxImpl*>(s->owner)) {
        box->setPicture(value);
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
    return s ? s->currentY / s->unitTwipsY() : 0.0;
}

void DrawingSurface::CurrentY(double value)
{
    DispatchScope scope;
    if (detail::SurfaceImpl* s = drawingSurface())
        s->currentY = value * s->unitTwipsY();
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
