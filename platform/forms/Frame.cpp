// Frame: a container with an etched border and a caption; its members, its loaded part
// (painting, events) and how a design builds it.
#include "platform/forms/Frame.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/Impl.h"

#include <QFontMetrics>
#include <QPainter>

namespace qby::detail {

class FrameImpl : public VisualImpl, public ContainerNode {
public:
    FrameImpl(Frame* proxy, FormLive& live, ContainerNode* container);
    std::string caption;
    int borderStyle = 1;
    void paint(QPainter& painter) override;
    QWidget* childParent() override;
    VisualImpl* asControl() override { return this; }
    void raiseMouseDown(int b, int s, float x, float y) override;
    void raiseMouseMove(int b, int s, float x, float y) override;
    void raiseMouseUp(int b, int s, float x, float y) override;
    void raiseClick() override;
};

FrameImpl::FrameImpl(Frame* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, true)
{
}

QWidget* FrameImpl::childParent()
{
    return widget.data();
}

void FrameImpl::paint(QPainter& painter)
{
    const QRect area = widget->rect();
    painter.fillRect(area, ToQColor(look.back));
    const QFont font = MakeFont(look.font);
    const QFontMetrics metrics(font);
    const int lineY = caption.empty() ? 0 : metrics.height() / 2;
    if (borderStyle == 1) {
        const QRect box = area.adjusted(0, lineY, -1, -1);
        painter.setPen(ToQColor(vbButtonShadow));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(ToQColor(vb3DHighlight));
        painter.drawRect(box.adjusted(1, 1, 0, 0));
    }
    if (!caption.empty()) {
        painter.setFont(font);
        const QString text = QString::fromStdString(caption);
        const QRect textArea(7, 0, metrics.horizontalAdvance(text) + 4, metrics.height());
        painter.fillRect(textArea, ToQColor(look.back));
        painter.setPen(ToQColor(look.fore));
        painter.drawText(textArea, Qt::AlignCenter, text);
    }
}

void FrameImpl::raiseMouseDown(int b, int s, float x, float y) { static_cast<Frame*>(proxy)->MouseDown.Raise(b, s, x, y); }
void FrameImpl::raiseMouseMove(int b, int s, float x, float y) { static_cast<Frame*>(proxy)->MouseMove.Raise(b, s, x, y); }
void FrameImpl::raiseMouseUp(int b, int s, float x, float y) { static_cast<Frame*>(proxy)->MouseUp.Raise(b, s, x, y); }
void FrameImpl::raiseClick() { static_cast<Frame*>(proxy)->Click.Raise(); }

}  // namespace qby::detail

namespace qby {

using detail::DispatchScope;

Frame::Frame(ControlHost* host, std::string name, int index) : VisualControl(host, std::move(name), index) {}

std::string Frame::Caption()
{
    DispatchScope scope;
    auto* f = detail::KindOf<detail::FrameImpl>(impl());
    return f ? f->caption : std::string();
}

void Frame::Caption(const std::string& value)
{
    DispatchScope scope;
    if (auto* f = detail::KindOf<detail::FrameImpl>(impl())) {
        f->caption = value;
        if (f->widget)
            f->widget->update();
    }
}

void Frame::build(detail::DesignContext& context, const Props& p)
{
    detail::ContainerNode* container = detail::ContainerOf(context, p.Container);
    auto* impl = detail::Adopt(context, std::make_unique<detail::FrameImpl>(this, context.live, container),
                               *this);
    detail::ApplyCommon(*impl, p);
    if (p.Caption)
        impl->caption = *p.Caption;
    if (p.BorderStyle)
        impl->borderStyle = *p.BorderStyle;
    detail::Finish(*impl);
}

}  // namespace qby
