// Image: a windowless picture; its members, its loaded part (fitting to the picture, painting,
// events) and how a design builds it.
#include "platform/forms/Image.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/Impl.h"

#include <QPainter>

namespace qby::detail {

class ImageImpl : public VisualImpl {
public:
    ImageImpl(Image* proxy, FormLive& live, ContainerNode* container);
    Image* image() const { return static_cast<Image*>(proxy); }

    Picture picture;
    bool stretch = false;

    void setPicture(const Picture& value);
    void fitToPicture();
    void paint(QPainter& painter) override;
    void raiseMouseDown(int b, int s, float x, float y) override;
    void raiseMouseMove(int b, int s, float x, float y) override;
    void raiseMouseUp(int b, int s, float x, float y) override;
    void raiseClick() override;
    void raiseDblClick() override;
};

ImageImpl::ImageImpl(Image* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, false)
{
}

void ImageImpl::setPicture(const Picture& value)
{
    picture = value;
    if (!stretch)
        fitToPicture();
    if (widget)
        widget->update();
}

void ImageImpl::fitToPicture()
{
    if (picture.IsEmpty())
        return;
    setGeometryTwips(left, top, picture.WidthPx() * kTwipsPerPixel, picture.HeightPx() * kTwipsPerPixel);
}

void ImageImpl::paint(QPainter& painter)
{
    const Picture::Data* data = picture.data();
    if (data == nullptr || data->image().isNull())
        return;
    if (stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(widget->rect(), data->image());
    } else {
        painter.drawImage(QPoint(0, 0), data->image());
    }
}

void ImageImpl::raiseMouseDown(int b, int s, float x, float y) { image()->MouseDown.Raise(b, s, x, y); }
void ImageImpl::raiseMouseMove(int b, int s, float x, float y) { image()->MouseMove.Raise(b, s, x, y); }
void ImageImpl::raiseMouseUp(int b, int s, float x, float y) { image()->MouseUp.Raise(b, s, x, y); }
void ImageImpl::raiseClick() { image()->Click.Raise(); }
void ImageImpl::raiseDblClick() { image()->DblClick.Raise(); }

}  // namespace qby::detail

namespace qby {

using detail::DispatchScope;

Image::Image(ControlHost* host, std::string name, int index) : VisualControl(host, std::move(name), index) {}

StdPicture Image::Picture()
{
    DispatchScope scope;
    auto* i = detail::KindOf<detail::ImageImpl>(impl());
    return i ? i->picture : StdPicture();
}

void Image::Picture(const StdPicture& value)
{
    DispatchScope scope;
    if (auto* i = detail::KindOf<detail::ImageImpl>(impl()))
        i->setPicture(value);
}

bool Image::Stretch()
{
    DispatchScope scope;
    auto* i = detail::KindOf<detail::ImageImpl>(impl());
    return i ? i->stretch : false;
}

void Image::Stretch(bool value)
{
    DispatchScope scope;
    if (auto* i = detail::KindOf<detail::ImageImpl>(impl())) {
        i->stretch = value;
        if (!value)
            i->fitToPicture();
        if (i->widget)
            i->widget->update();
    }
}

void Image::build(detail::DesignContext& context, const Props& p)
{
    detail::ContainerNode* container = detail::ContainerOf(context, p.Container);
    auto* impl = detail::Adopt(context, std::make_unique<detail::ImageImpl>(this, context.live, container),
                               *this);
    detail::ApplyCommon(*impl, p);
    if (p.Stretch)
        impl->stretch = *p.Stretch;
    detail::Finish(*impl);
    if (p.Picture)
        impl->setPicture(*p.Picture);
}

}  // namespace qby
