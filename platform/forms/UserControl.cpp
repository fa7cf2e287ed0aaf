// User controls and controls made by class id: their members, their loaded part, how a design
// builds them, and the table of classes by id.
#include "platform/forms/UserControl.h"
#include "platform/forms/Design.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/FormLive.h"
#include "platform/forms/Impl.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace qby {

namespace detail {

namespace {

std::map<std::string, UserControlFactory>& classRegistry()
{
    static auto& registry = *new std::map<std::string, UserControlFactory>;
    return registry;
}

UserControlResolver& classResolver()
{
    static UserControlResolver& resolver = *new UserControlResolver;
    return resolver;
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::unique_ptr<UserControl> createByClassId(const std::string& classId)
{
    std::unique_ptr<UserControl> made;
    RunHandler([&] {
        auto& registry = classRegistry();
        if (auto found = registry.find(lowered(classId)); found != registry.end() && found->second)
            made = found->second();
        else if (classResolver())
            made = classResolver()(classId);
    });
    return made;
}

}  // namespace

UserControlImpl::UserControlImpl(UserControl* proxy, FormLive& live, ContainerNode* container)
    : SurfaceControlImpl(proxy, live, container, 0)
{
    width = 2400;
    height = 1800;
}

void UserControlImpl::sizeChanged(bool)
{
    // UserControl_Resize may size the control again; a few nested rounds settle it.
    if (!initialized || resizeDepth >= 8)
        return;
    ++resizeDepth;
    Access::ucResize(*control());
    --resizeDepth;
}

void UserControlImpl::raiseMouseDown(int b, int s, float x, float y) { Access::ucMouse(*control(), 0, b, s, x, y); }
void UserControlImpl::raiseMouseMove(int b, int s, float x, float y) { Access::ucMouse(*control(), 1, b, s, x, y); }
void UserControlImpl::raiseMouseUp(int b, int s, float x, float y) { Access::ucMouse(*control(), 2, b, s, x, y); }
void UserControlImpl::raiseClick() { Access::ucClick(*control(), false); }
void UserControlImpl::raiseDblClick() { Access::ucClick(*control(), true); }

bool UserControlImpl::hiddenAtRunTime() const
{
    return invisibleAtRuntime && live.userMode;
}

void AddUserControl(DesignContext& context, UserControl& control, const UserControl::Props& props,
                    const PropertyBag* stored)
{
    if (Access::implOf(control) != nullptr)
        return;
    ContainerNode* node = ContainerOf(context, props.Container);
    UserControlImpl* impl =
        Adopt(context, std::make_unique<UserControlImpl>(&control, context.live, node), control);
    Finish(*impl);

    DesignContext inner(context.live, &control, impl);
    inner.userControl = impl;
    {
        Design design(inner);
        RunHandler([&] { Access::layout(control, design); });
    }
    const std::vector<Control*> constituents = Access::controls(control);
    for (Control* constituent : constituents) {
        if (Access::implOf(*constituent) == nullptr)
            CreateDefaultImpl(inner, *constituent);
    }
    if (Access::implOf(control) != impl)
        return;

    impl->initialized = true;
    Access::ucInitialize(control);
    impl->setUnitGeometry(props.Left, props.Top, props.Width, props.Height);
    if (props.Visible)
        impl->setVisible(*props.Visible);
    if (props.Tag)
        impl->tag = *props.Tag;
    if (stored != nullptr) {
        PropertyBag bag = *stored;
        Access::ucReadProperties(control, bag);
    } else {
        Access::ucInitProperties(control);
    }
    Access::ucResize(control);
}

void Access::site(UserControl& control, ControlHost* host, const std::string& name, int index)
{
    control.site(host, name, index);
}

// ---- user control events ----------------------------------------------------------------

namespace {

bool controlAlive(UserControl& control)
{
    ControlImpl* impl = Access::implOf(control);
    return impl != nullptr && !impl->retired && !Ending();
}

}  // namespace

void Access::ucInitialize(UserControl& control)
{
    if (controlAlive(control))
        RunHandler([&] { control.UserControl_Initialize(); });
}

void Access::ucInitProperties(UserControl& control)
{
    if (controlAlive(control))
        RunHandler([&] { control.UserControl_InitProperties(); });
}

void Access::ucReadProperties(UserControl& control, PropertyBag& bag)
{
    if (controlAlive(control))
        RunHandler([&] { control.UserControl_ReadProperties(bag); });
}

void Access::ucWriteProperties(UserControl& control, PropertyBag& bag)
{
    if (controlAlive(control))
        RunHandler([&] { control.UserControl_WriteProperties(bag); });
}

void Access::ucResize(UserControl& control)
{
    if (controlAlive(control))
        RunHandler([&] { control.UserControl_Resize(); });
}

void Access::ucTerminate(UserControl& control)
{
    if (Access::implOf(control) != nullptr)
        RunHandler([&] { control.UserControl_Terminate(); });
}

void Access::ucMouse(UserControl& control, int kind, int button, int shift, float x, float y)
{
    if (!controlAlive(control) || Access::implOf(control)->live.designing())
        return;
    RunHandler([&] {
        if (kind == 0)
            control.UserControl_MouseDown(button, shift, x, y);
        else if (kind == 1)
            control.UserControl_MouseMove(button, shift, x, y);
        else
            control.UserControl_MouseUp(button, shift, x, y);
    });
}

void Access::ucClick(UserControl& control, bool doubleClick)
{
    if (!controlAlive(control) || Access::implOf(control)->live.designing())
        return;
    RunHandler([&] {
        if (doubleClick)
            control.UserControl_DblClick();
        else
            control.UserControl_Click();
    });
}

}  // namespace detail

using detail::DispatchScope;
using detail::Access;
using namespace detail;

namespace {

detail::UserControlImpl* ucImpl(detail::ControlImpl* impl)
{
    auto* uc = dynamic_cast<detail::UserControlImpl*>(impl);
    return uc && !uc->retired ? uc : nullptr;
}

}  // namespace

// ---- UserControl ------------------------------------------------------------------------

UserControl::UserControl(ControlHost* host, std::string name, int index)
    : VisualControl(host, std::move(name), index)
{
}

UserControl::UserControl() = default;

UserControl::~UserControl() = default;

detail::SurfaceImpl* UserControl::drawingSurface()
{
    auto* uc = ucImpl(impl());
    return uc ? uc->surface.get() : nullptr;
}

int UserControl::BorderStyle()
{
    DispatchScope scope;
    auto* uc = ucImpl(impl());
    return uc ? uc->borderStyle : 0;
}

void UserControl::BorderStyle(int value)
{
    DispatchScope scope;
    if (auto* uc = ucImpl(impl())) {
        uc->borderStyle = value;
        uc->updateOrigin();
    }
}

int UserControl::Appearance()
{
    DispatchScope scope;
    auto* uc = ucImpl(impl());
    return uc ? uc->appearance : vbAppearance3D;
}

void UserControl::Appearance(int value)
{
    DispatchScope scope;
    if (auto* uc = ucImpl(impl())) {
        uc->appearance = value;
        uc->updateOrigin();
    }
}

void UserControl::PropertyChanged(const std::string& propertyName)
{
    if (auto* uc = ucImpl(implForPlatform()))
        uc->propertyChanged.push_back(propertyName);
}

AmbientProperties UserControl::Ambient()
{
    AmbientProperties ambient;
    if (auto* uc = ucImpl(implForPlatform()))
        ambient.UserMode = uc->live.userMode;
    return ambient;
}

std::int32_t UserControl::ParentHwnd()
{
    DispatchScope scope;
    ControlHost* host = Host();
    if (auto* form = dynamic_cast<Form*>(host)) {
        detail::FormLive* live = Access::live(*form);
        return live ? live->handle() : 0;
    }
    if (auto* parent = dynamic_cast<UserControl*>(host)) {
        auto* uc = ucImpl(parent->implForPlatform());
        return uc ? uc->handle : 0;
    }
    return 0;
}

PropertyBag UserControl::SaveProperties()
{
    DispatchScope scope;
    PropertyBag bag;
    Access::ucWriteProperties(*this, bag);
    return bag;
}

void UserControl::EnsureLoaded()
{
    if (ControlHost* host = Host())
        host->EnsureLoaded();
}

Form* UserControl::TopForm()
{
    ControlHost* host = Host();
    return host ? host->TopForm() : nullptr;
}

void UserControl::UserControl_ReadProperties(PropertyBag& PropBag)
{
    (void)PropBag;
}

void UserControl::UserControl_WriteProperties(PropertyBag& PropBag)
{
    (void)PropBag;
}

void UserControl::UserControl_MouseDown(int Button, int Shift, float X, float Y)
{
    (void)Button, (void)Shift, (void)X, (void)Y;
}

void UserControl::UserControl_MouseMove(int Button, int Shift, float X, float Y)
{
    (void)Button, (void)Shift, (void)X, (void)Y;
}

void UserControl::UserControl_MouseUp(int Button, int Shift, float X, float Y)
{
    (void)Button, (void)Shift, (void)X, (void)Y;
}

// ---- ExternalControl --------------------------------------------------------------------

ExternalControl::ExternalControl(ControlHost* host, std::string name, int index)
    : VisualControl(host, std::move(name), index)
{
}

ExternalControl::~ExternalControl()
{
    // Leave the loaded form's list; the made control goes with this object.
    if (Form* form = Host() ? Host()->TopForm() : nullptr) {
        if (detail::FormLive* live = Access::live(*form))
            live->removeExternal(this);
    }
}

UserControl* ExternalControl::Object()
{
    DispatchScope scope;
    impl();
    return IsLive() ? object_.get() : nullptr;
}

// ---- building from a design ------------------------------------------------------------

void Design::Surface(const UserControl::SurfaceProps& p)
{
    UserControlImpl* impl = context_.userControl;
    if (impl == nullptr)
        return;
    if (p.BackColor)
        impl->look.back = *p.BackColor;
    if (p.ForeColor)
        impl->look.fore = *p.ForeColor;
    if (p.Picture)
        impl->surface->picture = *p.Picture;
    if (p.ScaleMode)
        impl->surface->scaleMode = *p.ScaleMode;
    if (p.AutoRedraw)
        impl->surface->autoRedraw = *p.AutoRedraw;
    if (p.BorderStyle)
        impl->borderStyle = *p.BorderStyle;
    if (p.Appearance)
        impl->appearance = *p.Appearance;
    if (p.FontName)
        impl->look.font.name = *p.FontName;
    if (p.FontSize)
        impl->look.font.size = *p.FontSize;
    if (p.FontBold)
        impl->look.font.bold = *p.FontBold;
    if (p.MousePointer)
        impl->look.mousePointer = *p.MousePointer;
    if (p.MouseIcon)
        impl->look.mouseIcon = *p.MouseIcon;
    if (p.InvisibleAtRuntime) {
        impl->invisibleAtRuntime = *p.InvisibleAtRuntime;
        impl->setVisible(impl->visible);
    }
    impl->applyCursor();
    impl->updateOrigin();
    if (p.Width || p.Height)
        impl->setGeometryTwips(impl->left, impl->top, p.Width ? *p.Width : impl->width,
                               p.Height ? *p.Height : impl->height);
}

void UserControl::buildDefault(DesignContext& context)
{
    AddUserControl(context, *this, {}, nullptr);
}

void ExternalControl::buildDefault(DesignContext& context)
{
    Design(context).Add(*this, std::string());
}

void Design::addUserControl(UserControl& control, const UserControl::Props& props,
                            const PropertyBag* stored)
{
    context_.added.push_back(&control);
    AddUserControl(context_, control, props, stored);
}

ExternalControl& Design::Add(ExternalControl& control, const std::string& classId,
                             const UserControl::Props& props)
{
    return Add(control, classId, props, PropertyBag());
}

ExternalControl& Design::Add(ExternalControl& control, const std::string& classId,
                             const UserControl::Props& props, const PropertyBag& stored)
{
    if (Access::implOf(control) != nullptr)
        return control;
    std::unique_ptr<UserControl> object = classId.empty() ? nullptr : createByClassId(classId);
    if (!object) {
        // The class could not be made: the window loads without it.
        auto* impl = Adopt(context_, std::make_unique<VisualImpl>(&control, context_.live,
                                                                  ContainerOf(context_, props.Container), false),
                           control);
        impl->visible = false;
        Finish(*impl);
        return control;
    }
    UserControl& made = *object;
    Access::site(made, context_.host, control.Name(), control.Index());
    Access::externalObject(control) = std::move(object);
    context_.live.addExternal(&control);
    context_.added.push_back(&control);
    const bool hasStored = !stored.Names().empty();
    AddUserControl(context_, made, props, hasStored ? &stored : nullptr);
    Access::bind(control, Access::implOf(made));
    return control;
}

void RegisterUserControlClass(const std::string& classId, UserControlFactory factory)
{
    classRegistry()[lowered(classId)] = std::move(factory);
}

void UnregisterUserControlClass(const std::string& classId)
{
    classRegistry().erase(lowered(classId));
}

void SetUserControlResolver(UserControlResolver resolver)
{
    classResolver() = std::move(resolver);
}

}  // namespace qby
