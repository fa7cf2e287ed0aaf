// Design: the builder a window's Layout uses to describe its design (window properties, then
// its controls in z-order, each with its design properties). Layout runs at every load of the
// window, before Form_Load; no event of the window or its controls runs while it does.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Types.h"
#include "platform/forms/UserControl.h"

#include <concepts>
#include <optional>
#include <string>

namespace qby {

namespace detail {
class DesignContext;
}

class Design {
public:
    // Window properties of a form. Positions and sizes are twips.
    struct WindowProps {
        std::optional<std::string> Caption{};
        std::optional<int> BorderStyle{};      // vbBSNone, vbFixedSingle, vbSizable (default), vbFixedDialog...
        std::optional<bool> ControlBox{};      // the title bar's buttons (default True)
        std::optional<bool> MinButton{}, MaxButton{};
        std::optional<bool> ShowInTaskbar{};   // default True
        std::optional<int> StartUpPosition{};  // vbStartUpManual (default), vbStartUpOwner, vbStartUpScreen
        std::optional<int> WindowState{};      // vbNormal (default), vbMaximized
        std::optional<bool> MDIChild{};        // shown inside the main frame
        std::optional<double> Left{}, Top{};
        std::optional<double> ClientWidth{}, ClientHeight{};
        std::optional<OLE_COLOR> BackColor{}, ForeColor{};
        std::optional<int> ScaleMode{};
        std::optional<bool> AutoRedraw{};  // default True
        std::optional<qby::Picture> Picture{}, Icon{};
        std::optional<std::string> FontName{};
        std::optional<double> FontSize{};
        std::optional<bool> FontBold{}, FontItalic{}, FontUnderline{};
        std::optional<int> MousePointer{};
        std::optional<qby::Picture> MouseIcon{};
        std::optional<std::string> Tag{};
        // False: the window is opened by a designer (its user controls see Ambient.UserMode
        // False). For tests of design-time behaviour.
        std::optional<bool> UserMode{};
    };

    explicit Design(detail::DesignContext& context) : context_(context) {}
    Design(const Design&) = delete;
    Design& operator=(const Design&) = delete;

    // Forms: the window's own design properties.
    void Window(const WindowProps& props);
    // User controls: the design properties of the control's own surface.
    void Surface(const UserControl::SurfaceProps& props);

    // A standard control (Label, PictureBox, Timer...) with its design properties. A control
    // that already has its loaded part keeps it.
    template <class C>
        requires(!std::derived_from<C, UserControl>) && requires { typename C::Props; }
    C& Add(C& control, const typename C::Props& props = {})
    {
        if (!control.IsLive())
            control.build(context_, props);
        return control;
    }

    // A user control; with stored properties it gets UserControl_ReadProperties, without them
    // UserControl_InitProperties.
    template <class C>
        requires std::derived_from<C, UserControl>
    C& Add(C& control, const UserControl::Props& props = {})
    {
        addUserControl(control, props, nullptr);
        return control;
    }
    template <class C>
        requires std::derived_from<C, UserControl>
    C& Add(C& control, const UserControl::Props& props, const PropertyBag& stored)
    {
        addUserControl(control, props, &stored);
        return control;
    }
    // A user control made from its class id when the window loads.
    ExternalControl& Add(ExternalControl& control, const std::string& classId,
                         const UserControl::Props& props = {});
    ExternalControl& Add(ExternalControl& control, const std::string& classId,
                         const UserControl::Props& props, const PropertyBag& stored);

    // Elements of control arrays.
    template <class C>
        requires(!std::derived_from<C, UserControl>)
    C& Add(ControlArray<C>& array, int index, const typename C::Props& props = {})
    {
        return Add(array.element(index), props);
    }
    template <class C>
        requires std::derived_from<C, UserControl>
    C& Add(ControlArray<C>& array, int index, const UserControl::Props& props = {})
    {
        return Add(array.element(index), props);
    }
    template <class C>
        requires std::derived_from<C, UserControl>
    C& Add(ControlArray<C>& array, int index, const UserControl::Props& props,
           const PropertyBag& stored)
    {
        return Add(array.element(index), props, stored);
    }

private:
    void addUserControl(UserControl& control, const UserControl::Props& props,
                        const PropertyBag* stored);
    detail::DesignContext& context_;
};

}  // namespace qby
