// Building a window's loaded part from its design (internal): the state of the design being
// built, and the steps every kind of control takes to build its loaded part.
#pragma once

#include "platform/forms/FormLive.h"
#include "platform/forms/Impl.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace qby::detail {

class DesignContext {
public:
    DesignContext(FormLive& live, ControlHost* host, ContainerNode* container)
        : live(live), host(host), container(container)
    {
    }
    FormLive& live;
    ControlHost* host;
    ContainerNode* container;
    class UserControlImpl* userControl = nullptr;  // when designing a user control
    std::vector<Control*> added;
};

// Creates the loaded part of a control of the given kind (by its type) at the end of a
// layout, for controls the layout did not mention.
void CreateDefaultImpl(DesignContext& context, Control& control);
void AddUserControl(DesignContext& context, UserControl& control, const UserControl::Props& props,
                    const PropertyBag* stored);
ContainerNode* ContainerOf(DesignContext& context, const ContainerRef& ref);

// Makes the control's loaded part owned by the form being built and bound to the control.
template <class T>
T* Adopt(DesignContext& context, std::unique_ptr<T> owned, Control& control)
{
    T* impl = owned.get();
    context.live.own(std::move(owned));
    Access::bind(control, impl);
    context.added.push_back(&control);
    return impl;
}

// The design properties that all controls with a place share (only those the kind has).
template <class P>
void ApplyCommon(VisualImpl& impl, const P& p)
{
    const double ux = impl.container->unitTwipsX();
    const double uy = impl.container->unitTwipsY();
    if constexpr (requires { p.Left; }) {
        if (p.Left)
            impl.left = *p.Left * ux;
        if (p.Top)
            impl.top = *p.Top * uy;
        if (p.Width)
            impl.width = std::max(0.0, *p.Width * ux);
        if (p.Height)
            impl.height = std::max(0.0, *p.Height * uy);
    }
    if constexpr (requires { p.Visible; }) {
        if (p.Visible)
            impl.visible = *p.Visible;
    }
    if constexpr (requires { p.Enabled; }) {
        if (p.Enabled)
            impl.enabled = *p.Enabled;
    }
    if constexpr (requires { p.Tag; }) {
        if (p.Tag)
            impl.tag = *p.Tag;
    }
    if constexpr (requires { p.ToolTipText; }) {
        if (p.ToolTipText)
            impl.toolTip = *p.ToolTipText;
    }
    if constexpr (requires { p.BackColor; }) {
        if (p.BackColor)
            impl.look.back = *p.BackColor;
    }
    if constexpr (requires { p.ForeColor; }) {
        if (p.ForeColor)
            impl.look.fore = *p.ForeColor;
    }
    if constexpr (requires { p.FontName; }) {
        if (p.FontName)
            impl.look.font.name = *p.FontName;
    }
    if constexpr (requires { p.FontSize; }) {
        if (p.FontSize)
            impl.look.font.size = *p.FontSize;
    }
    if constexpr (requires { p.FontBold; }) {
        if (p.FontBold)
            impl.look.font.bold = *p.FontBold;
    }
    if constexpr (requires { p.FontItalic; }) {
        if (p.FontItalic)
            impl.look.font.italic = *p.FontItalic;
    }
    if constexpr (requires { p.FontUnderline; }) {
        if (p.FontUnderline)
            impl.look.font.underline = *p.FontUnderline;
    }
    if constexpr (requires { p.MousePointer; }) {
        if (p.MousePointer)
            impl.look.mousePointer = *p.MousePointer;
    }
    if constexpr (requires { p.MouseIcon; }) {
        if (p.MouseIcon)
            impl.look.mouseIcon = *p.MouseIcon;
    }
}

// Creates the widget of a control whose properties are set, with its state and tooltip.
void Finish(VisualImpl& impl);

}  // namespace qby::detail
