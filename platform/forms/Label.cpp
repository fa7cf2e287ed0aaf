// Label: a text label; its members, its loaded part (text, fitting to the text, painting,
// events) and how a design builds it.
#include "platform/forms/Label.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/Impl.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace qby::detail {

class LabelImpl : public VisualImpl {
public:
    LabelImpl(Label* proxy, FormLive& live, ContainerNode* container);
    Label* label() const { return static_cast<Label*>(proxy); }

    std::string caption;
    bool autoSize = false;
    bool wordWrap = false;
    int alignment = vbLeftJustify;
    int backStyle = vbOpaque;

    void setCaption(const std::string& text);
    void fitToText();
    void paint(QPainter& painter) override;
    void sizeChanged(bool byDesignOrCode) override;
    void lookChanged() override { fitToText(); }
    void raiseMouseDown(int b, int s, float x, float y) override;
    void raiseMouseMove(int b, int s, float x, float y) override;
    void raiseMouseUp(int b, int s, float x, float y) override;
    void raiseClick() override;
    void raiseDblClick() override;
};

LabelImpl::LabelImpl(Label* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, false)
{
    width = 1215;
    height = 255;
}

void LabelImpl::setCaption(const std::string& text)
{
    if (text == caption)
        return;
    caption = text;
    fitToText();
    if (widget)
        widget->update();
    label()->Change.Raise();
}

void LabelImpl::fitToText()
{
    if (!autoSize)
        return;
    const QFontMetrics metrics(MakeFont(look.font));
    const QString text = QString::fromStdString(caption);
    if (wordWrap) {
        const int widthPx = std::max(1, pixelRect().width());
        const QRect bound = metrics.boundingRect(QRect(0, 0, widthPx, INT_MAX / 4),
                                                 Qt::TextWordWrap, text.isEmpty() ? QStringLiteral(" ") : text);
        setGeometryTwips(left, top, width, bound.height() * kTwipsPerPixel);
    } else {
        int widest = 0;
        const QStringList lines = text.split('\n');
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const int lineCount = static_cast<int>(std::max<qsizetype>(1, lines.size()));
        setGeometryTwips(left, top, widest * kTwipsPerPixel, lineCount * metrics.height() * kTwipsPerPixel);
    }
}

void LabelImpl::sizeChanged(bool)
{
    if (autoSize && wordWrap)
        fitToText();
}

void LabelImpl::paint(QPainter& painter)
{
    const QRect area = widget->rect();
    if (backStyle == vbOpaque)
        painter.fillRect(area, ToQColor(look.back));
    painter.setFont(MakeFont(look.font));
    painter.setPen(ToQColor(look.fore));
    int flags = Qt::AlignTop;
    if (alignment == vbRightJustify)
        flags |= Qt::AlignRight;
    else if (alignment == vbCenter)
        flags |= Qt::AlignHCenter;
    else
        flags |= Qt::AlignLeft;
    if (wordWrap || !autoSize)
        flags |= Qt::TextWordWrap;
    painter.drawText(area, flags, QString::fromStdString(caption));
}

void LabelImpl::raiseMouseDown(int b, int s, float x, float y) { label()->MouseDown.Raise(b, s, x, y); }
void LabelImpl::raiseMouseMove(int b, int s, float x, float y) { label()->MouseMove.Raise(b, s, x, y); }
void LabelImpl::raiseMouseUp(int b, int s, float x, float y) { label()->MouseUp.Raise(b, s, x, y); }
void LabelImpl::raiseClick() { label()->Click.Raise(); }
void LabelImpl::raiseDblClick() { label()->DblClick.Raise(); }

}  // namespace qby::detail

namespace qby {

using detail::DispatchScope;

Label::Label(ControlHost* host, std::string name, int index) : VisualControl(host, std::move(name), index) {}

std::string Label::Caption()
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::LabelImpl>(impl());
    return l ? l->caption : std::string();
}

void Label::Caption(const std::string& value)
{
    DispatchScope scope;
    if (auto* l = detail::KindOf<detail::LabelImpl>(impl()))
        l->setCaption(value);
}

bool Label::AutoSize()
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::LabelImpl>(impl());
    return l ? l->autoSize : false;
}

void Label::AutoSize(bool value)
{
    DispatchScope scope;
    if (auto* l = detail::KindOf<detail::LabelImpl>(impl())) {
        l->autoSize = value;
        l->fitToText();
        if (l->widget)
            l->widget->update();
    }
}

bool Label::WordWrap()
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::LabelImpl>(impl());
    return l ? l->wordWrap : false;
}

void Label::WordWrap(bool value)
{
    DispatchScope scope;
    if (auto* l = detail::KindOf<detail::LabelImpl>(impl())) {
        l->wordWrap = value;
        l->fitToText();
        if (l->widget)
            l->widget->update();
    }
}

int Label::Alignment()
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::LabelImpl>(impl());
    return l ? l->alignment : vbLeftJustify;
}

void Label::Alignment(int value)
{
    DispatchScope scope;
    if (auto* l = detail::KindOf<detail::LabelImpl>(impl())) {
        l->alignment = value;
        if (l->widget)
            l->widget->update();
    }
}

int Label::BackStyle()
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::LabelImpl>(impl());
    return l ? l->backStyle : vbOpaque;
}

void Label::BackStyle(int value)
{
    DispatchScope scope;
    if (auto* l = detail::KindOf<detail::LabelImpl>(impl())) {
        l->backStyle = value;
        if (l->widget)
            l->widget->update();
    }
}

void Label::build(detail::DesignContext& context, const Props& p)
{
    detail::ContainerNode* container = detail::ContainerOf(context, p.Container);
    auto* impl = detail::Adopt(context, std::make_unique<detail::LabelImpl>(this, context.live, container),
                               *this);
    detail::ApplyCommon(*impl, p);
    if (p.Caption)
        impl->caption = *p.Caption;
    if (p.AutoSize)
        impl->autoSize = *p.AutoSize;
    if (p.WordWrap)
        impl->wordWrap = *p.WordWrap;
    if (p.Alignment)
        impl->alignment = *p.Alignment;
    if (p.BackStyle)
        impl->backStyle = *p.BackStyle;
    detail::Finish(*impl);
    impl->fitToText();
}

}  // namespace qby
