// PictureBox: a window with a drawing surface that holds other controls; its members, its
// loaded part (fitting to the picture, keys, events) and how a design builds it.
#include "platform/forms/PictureBox.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/Impl.h"

#include <QKeyEvent>

namespace qby::detail {

class PictureBoxImpl : public SurfaceControlImpl {
public:
    PictureBoxImpl(PictureBox* proxy, FormLive& live, ContainerNode* container);
    PictureBox* box() const { return static_cast<PictureBox*>(proxy); }

    bool autoSize = false;

    void setPicture(const Picture& picture) override;
    void fitToPicture();
    void sizeChanged(bool byDesignOrCode) override;

    void keyPress(QKeyEvent* event) override;
    void keyRelease(QKeyEvent* event) override;
    void raiseMouseDown(int b, int s, float x, float y) override;
    void raiseMouseMove(int b, int s, float x, float y) override;
    void raiseMouseUp(int b, int s, float x, float y) override;
    void raiseClick() override;
    void raiseDblClick() override;
};

PictureBoxImpl::PictureBoxImpl(PictureBox* proxy, FormLive& live, ContainerNode* container)
    : SurfaceControlImpl(proxy, live, container, 1)
{
}

void PictureBoxImpl::setPicture(const Picture& picture)
{
    surface->picture = picture;
    if (autoSize)
        fitToPicture();
    surface->update();
}

void PictureBoxImpl::fitToPicture()
{
    if (surface->picture.IsEmpty())
        return;
    const int border = borderPixels();
    setGeometryTwips(left, top, (surface->picture.WidthPx() + 2 * border) * kTwipsPerPixel,
                     (surface->picture.HeightPx() + 2 * border) * kTwipsPerPixel);
}

void PictureBoxImpl::sizeChanged(bool)
{
    box()->Resize.Raise();
}

void PictureBoxImpl::keyPress(QKeyEvent* event)
{
    int code = KeyCodeOf(event);
    box()->KeyDown.Raise(code, ShiftBits(event->modifiers()));
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() < 256) {
        int ascii = text.at(0).unicode();
        box()->KeyPress.Raise(ascii);
    }
}

void PictureBoxImpl::keyRelease(QKeyEvent* event)
{
    int code = KeyCodeOf(event);
    box()->KeyUp.Raise(code, ShiftBits(event->modifiers()));
}

void PictureBoxImpl::raiseMouseDown(int b, int s, float x, float y) { box()->MouseDown.Raise(b, s, x, y); }
void PictureBoxImpl::raiseMouseMove(int b, int s, float x, float y) { box()->MouseMove.Raise(b, s, x, y); }
void PictureBoxImpl::raiseMouseUp(int b, int s, float x, float y) { box()->MouseUp.Raise(b, s, x, y); }
void PictureBoxImpl::raiseClick() { box()->Click.Raise(); }
void PictureBoxImpl::raiseDblClick() { box()->DblClick.Raise(); }

}  // namespace qby::detail

namespace qby {

using detail::DispatchScope;

PictureBox::PictureBox(ControlHost* host, std::string name, int index)
    : VisualControl(host, std::move(name), index)
{
}

detail::SurfaceImpl* PictureBox::drawingSurface()
{
    auto* p = detail::KindOf<detail::PictureBoxImpl>(impl());
    return p ? p->surface.get() : nullptr;
}

bool PictureBox::AutoSize()
{
    DispatchScope scope;
    auto* p = detail::KindOf<detail::PictureBoxImpl>(impl());
    return p ? p->autoSize : false;
}

void PictureBox::AutoSize(bool value)
{
    DispatchScope scope;
    if (auto* p = detail::KindOf<detail::PictureBoxImpl>(impl())) {
        p->autoSize = value;
        if (value)
            p->fitToPicture();
    }
}

int PictureBox::BorderStyle()
{
    DispatchScope scope;
    auto* p = detail::KindOf<detail::PictureBoxImpl>(impl());
    return p ? p->borderStyle : 1;
}

void PictureBox::BorderStyle(int value)
{
    DispatchScope scope;
    if (auto* p = detail::KindOf<detail::PictureBoxImpl>(impl())) {
        p->borderStyle = value;
        p->updateOrigin();
        if (p->autoSize)
            p->fitToPicture();
    }
}

int PictureBox::Appearance()
{
    DispatchScope scope;
    auto* p = detail::KindOf<detail::PictureBoxImpl>(impl());
    return p ? p->appearance : vbAppearance3D;
}

void PictureBox::Appearance(int value)
{
    DispatchScope scope;
    if (auto* p = detail::KindOf<detail::PictureBoxImpl>(impl())) {
        p->appearance = value;
        p->updateOrigin();
        if (p->autoSize)
            p->fitToPicture();
    }
}

void PictureBox::SetFocus()
{
    DispatchScope scope;
    if (auto* p = detail::KindOf<detail::PictureBoxImpl>(impl()); p && p->widget)
        p->widget->setFocus(Qt::OtherFocusReason);
}

void PictureBox::build(detail::DesignContext& context, const Props& p)
{
    detail::ContainerNode* container = detail::ContainerOf(context, p.Container);
    auto* impl = detail::Adopt(context, std::make_unique<detail::PictureBoxImpl>(this, context.live, container),
                               *this);
    detail::ApplyCommon(*impl, p);
    if (p.Picture)
        impl->surface->picture = *p.Picture;
    if (p.AutoSize)
        impl->autoSize = *p.AutoSize;
    if (p.BorderStyle)
        impl->borderStyle = *p.BorderStyle;
    if (p.Appearance)
        impl->appearance = *p.Appearance;
    if (p.ScaleMode)
        impl->surface->scaleMode = *p.ScaleMode;
    if (p.AutoRedraw)
        impl->surface->autoRedraw = *p.AutoRedraw;
    detail::Finish(*impl);
    if (impl->autoSize)
        impl->fitToPicture();
}

}  // namespace qby
