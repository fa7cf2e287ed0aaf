// ListBox: a list of strings; its members, its loaded part (painting, events) and how a design
// builds it.
#include "platform/forms/ListBox.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/Impl.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace qby::detail {

class ListBoxImpl : public VisualImpl {
public:
    ListBoxImpl(ListBox* proxy, FormLive& live, ContainerNode* container);
    std::vector<std::string> items;
    bool sorted = false;
    int listIndex = -1;
    void paint(QPainter& painter) override;
    void raiseClick() override;
};

ListBoxImpl::ListBoxImpl(ListBox* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, true)
{
    look.back = vbWindowBackground;
    look.fore = vbWindowText;
}

void ListBoxImpl::paint(QPainter& painter)
{
    painter.fillRect(widget->rect(), ToQColor(look.back));
    const QFont font = MakeFont(look.font);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    int y = 2;
    for (std::size_t i = 0; i < items.size() && y < widget->height(); ++i) {
        const QRect line(2, y, widget->width() - 4, metrics.height());
        if (static_cast<int>(i) == listIndex) {
            painter.fillRect(line, ToQColor(vbHighlight));
            painter.setPen(ToQColor(vbHighlightText));
        } else {
            painter.setPen(ToQColor(look.fore));
        }
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(items[i]));
        y += metrics.height();
    }
    PaintBorder(painter, widget->rect(), 2);
}

void ListBoxImpl::raiseClick()
{
    static_cast<ListBox*>(proxy)->Click.Raise();
}

}  // namespace qby::detail

namespace qby {

using detail::DispatchScope;

ListBox::ListBox(ControlHost* host, std::string name, int index) : VisualControl(host, std::move(name), index) {}

void ListBox::AddItem(const std::string& item, std::optional<int> index)
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::ListBoxImpl>(impl());
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
    auto* l = detail::KindOf<detail::ListBoxImpl>(impl());
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
    if (auto* l = detail::KindOf<detail::ListBoxImpl>(impl())) {
        l->items.clear();
        l->listIndex = -1;
        if (l->widget)
            l->widget->update();
    }
}

std::string ListBox::List(int index)
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::ListBoxImpl>(impl());
    if (l == nullptr || index < 0 || index >= static_cast<int>(l->items.size()))
        return std::string();
    return l->items[static_cast<std::size_t>(index)];
}

void ListBox::List(int index, const std::string& value)
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::ListBoxImpl>(impl());
    if (l == nullptr || index < 0 || index >= static_cast<int>(l->items.size()))
        return;
    l->items[static_cast<std::size_t>(index)] = value;
    if (l->widget)
        l->widget->update();
}

int ListBox::ListCount()
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::ListBoxImpl>(impl());
    return l ? static_cast<int>(l->items.size()) : 0;
}

int ListBox::ListIndex()
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::ListBoxImpl>(impl());
    return l ? l->listIndex : -1;
}

void ListBox::ListIndex(int value)
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::ListBoxImpl>(impl());
    if (l == nullptr || value < -1 || value >= static_cast<int>(l->items.size()))
        return;
    l->listIndex = value;
    if (l->widget)
        l->widget->update();
}

std::string ListBox::Text()
{
    DispatchScope scope;
    auto* l = detail::KindOf<detail::ListBoxImpl>(impl());
    if (l == nullptr || l->listIndex < 0)
        return std::string();
    return l->items[static_cast<std::size_t>(l->listIndex)];
}

void ListBox::build(detail::DesignContext& context, const Props& p)
{
    detail::ContainerNode* container = detail::ContainerOf(context, p.Container);
    auto* impl = detail::Adopt(context, std::make_unique<detail::ListBoxImpl>(this, context.live, container),
                               *this);
    detail::ApplyCommon(*impl, p);
    if (p.Sorted)
        impl->sorted = *p.Sorted;
    detail::Finish(*impl);
}

}  // namespace qby
