// Building a window from its design: creating each control's loaded part with its design
// properties, user controls with their stored properties, and controls made by class id.
#include "platform/forms/Design.h"
#include "platform/forms/ControlKinds.h"
#include "platform/forms/Impl.h"

#include <QIcon>
#include <QPixmap>

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

template <class P>
void applyCommon(VisualImpl& impl, const P& p)
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

template <class T>
T* adopt(DesignContext& context, std::unique_ptr<T> owned, Control& control)
{
    T* impl = owned.get();
    context.live.impls.push_back(std::move(owned));
    Runtime::bind(control, impl);
    context.added.push_back(&control);
    return impl;
}

void finish(VisualImpl& impl)
{
    impl.create();
    impl.setEnabled(impl.enabled);
    impl.setToolTip(impl.toolTip);
}

}  // namespace

ContainerNode* ContainerOf(DesignContext& context, const ContainerRef& ref)
{
    if (ref.control != nullptr) {
        if (auto* node = dynamic_cast<ContainerNode*>(Runtime::implOf(*ref.control)))
            return node;
    }
    return context.container;
}

void AddUserControl(DesignContext& context, UserControl& control, const UserControl::Props& props,
                    const PropertyBag* stored)
{
    if (Runtime::implOf(control) != nullptr)
        return;
    ContainerNode* node = ContainerOf(context, props.Container);
    UserControlImpl* impl =
        adopt(context, std::make_unique<UserControlImpl>(&control, context.live, node), control);
    finish(*impl);

    DesignContext inner(context.live, &control, impl);
    inner.userControl = impl;
    {
        Design design(inner);
        RunHandler([&] { Runtime::layout(control, design); });
    }
    const std::vector<Control*> constituents = Runtime::controls(control);
    for (Control* constituent : constituents) {
        if (Runtime::implOf(*constituent) == nullptr)
            CreateDefaultImpl(inner, *constituent);
    }
    if (Runtime::implOf(control) != impl)
        return;

    impl->initialized = true;
    Runtime::ucInitialize(control);
    impl->setUnitGeometry(props.Left, props.Top, props.Width, props.Height);
    if (props.Visible)
        impl->setVisible(*props.Visible);
    if (props.Tag)
        impl->tag = *props.Tag;
    if (stored != nullptr) {
        PropertyBag bag = *stored;
        Runtime::ucReadProperties(control, bag);
    } else {
        Runtime::ucInitProperties(control);
    }
    Runtime::ucResize(control);
}

void CreateDefaultImpl(DesignContext& context, Control& control)
{
    Runtime::buildDefault(control, context);
}

}  // namespace detail

using namespace detail;

void Design::Window(const WindowProps& p)
{
    FormLive& live = context_.live;
    if (context_.userControl != nullptr || !live.window)
        return;
    QWidget* window = live.window;
    if (p.Caption) {
        live.caption = *p.Caption;
        window->setWindowTitle(QString::fromStdString(live.caption));
    }
    if (p.BorderStyle)
        live.borderStyle = *p.BorderStyle;
    if (p.ControlBox)
        live.controlBox = *p.ControlBox;
    if (p.MinButton) {
        live.minButton = *p.MinButton;
        live.minMaxGiven = true;
    }
    if (p.MaxButton) {
        live.maxButton = *p.MaxButton;
        live.minMaxGiven = true;
    }
    if (live.minMaxGiven) {
        if (!p.MinButton)
            live.minButton = live.borderStyle != vbFixedDialog;
        if (!p.MaxButton)
            live.maxButton = live.borderStyle != vbFixedDialog;
    }
    if (p.ShowInTaskbar)
        live.showInTaskbar = *p.ShowInTaskbar;
    if (p.StartUpPosition)
        live.startUpPosition = *p.StartUpPosition;
    if (p.WindowState)
        live.windowState = *p.WindowState;
    if (p.MDIChild)
        live.mdiChild = *p.MDIChild;
    if (p.Left || p.Top) {
        const QPoint at = window->pos();
        window->move(p.Left ? TwipsToPixels(*p.Left) : at.x(), p.Top ? TwipsToPixels(*p.Top) : at.y());
    }
    if (p.ClientWidth || p.ClientHeight) {
        const QSize size = window->size();
        window->resize(p.ClientWidth ? TwipsToPixels(*p.ClientWidth) : size.width(),
                       p.ClientHeight ? TwipsToPixels(*p.ClientHeight) : size.height());
    }
    if (p.BackColor)
        live.look.back = *p.BackColor;
    if (p.ForeColor)
        live.look.fore = *p.ForeColor;
    if (p.ScaleMode)
        live.surface->scaleMode = *p.ScaleMode;
    if (p.AutoRedraw)
        live.surface->autoRedraw = *p.AutoRedraw;
    if (p.Picture)
        live.surface->picture = *p.Picture;
    if (p.Icon) {
        live.icon = *p.Icon;
        if (const Picture::Data* data = live.icon.data(); data && !data->image.isNull())
            window->setWindowIcon(QIcon(QPixmap::fromImage(data->image)));
    }
    if (p.FontName)
        live.look.font.name = *p.FontName;
    if (p.FontSize)
        live.look.font.size = *p.FontSize;
    if (p.FontBold)
        live.look.font.bold = *p.FontBold;
    if (p.FontItalic)
        live.look.font.italic = *p.FontItalic;
    if (p.FontUnderline)
        live.look.font.underline = *p.FontUnderline;
    if (p.MousePointer)
        live.look.mousePointer = *p.MousePointer;
    if (p.MouseIcon)
        live.look.mouseIcon = *p.MouseIcon;
    if (p.MousePointer || p.MouseIcon) {
        bool isDefault = false;
        const QCursor cursor = CursorFor(live.look.mousePointer, live.look.mouseIcon, &isDefault);
        if (isDefault)
            window->unsetCursor();
        else
            window->setCursor(cursor);
    }
    if (p.Tag)
        live.tag = *p.Tag;
    if (p.UserMode)
        live.userMode = *p.UserMode;
    live.applyWindowFlags();
    window->update();
}

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

void Label::build(DesignContext& context, const Props& p)
{
    auto* impl = adopt(context, std::make_unique<LabelImpl>(this, context.live,
                                                             ContainerOf(context, p.Container)),
                       *this);
    applyCommon(*impl, p);
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
    finish(*impl);
    impl->fitToText();
}

void PictureBox::build(DesignContext& context, const Props& p)
{
    auto* impl = adopt(context, std::make_unique<PictureBoxImpl>(this, context.live,
                                                                  ContainerOf(context, p.Container)),
                       *this);
    applyCommon(*impl, p);
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
    finish(*impl);
    if (impl->autoSize)
        impl->fitToPicture();
}

void Image::build(DesignContext& context, const Props& p)
{
    auto* impl = adopt(context, std::make_unique<ImageImpl>(this, context.live,
                                                             ContainerOf(context, p.Container)),
                       *this);
    applyCommon(*impl, p);
    if (p.Stretch)
        impl->stretch = *p.Stretch;
    finish(*impl);
    if (p.Picture)
        impl->setPicture(*p.Picture);
}

void Timer::build(DesignContext& context, const Props& p)
{
    auto* impl = adopt(context, std::make_unique<TimerImpl>(this, context.live), *this);
    if (p.Enabled)
        impl->enabled = *p.Enabled;
    if (p.Interval)
        impl->interval = std::max(0, *p.Interval);
    if (p.Tag)
        impl->tag = *p.Tag;
    impl->restart();
}

void ListBox::build(DesignContext& context, const Props& p)
{
    auto* impl = adopt(context, std::make_unique<ListBoxImpl>(this, context.live,
                                                               ContainerOf(context, p.Container)),
                       *this);
    applyCommon(*impl, p);
    if (p.Sorted)
        impl->sorted = *p.Sorted;
    finish(*impl);
}

void Shape::build(DesignContext& context, const Props& p)
{
    auto* impl = adopt(context, std::make_unique<ShapeImpl>(this, context.live,
                                                             ContainerOf(context, p.Container)),
                       *this);
    applyCommon(*impl, p);
    if (p.Shape)
        impl->shape = *p.Shape;
    if (p.BorderColor)
        impl->borderColor = *p.BorderColor;
    if (p.BorderWidth)
        impl->borderWidth = std::max(0, *p.BorderWidth);
    if (p.BorderStyle)
        impl->borderStyle = *p.BorderStyle;
    if (p.BackStyle)
        impl->backStyle = *p.BackStyle;
    if (p.FillStyle)
        impl->fillStyle = *p.FillStyle;
    if (p.FillColor)
        impl->fillColor = *p.FillColor;
    finish(*impl);
}

void Line::build(DesignContext& context, const Props& p)
{
    auto* impl = adopt(context, std::make_unique<LineImpl>(this, context.live,
                                                            ContainerOf(context, p.Container)),
                       *this);
    const double ux = impl->container->unitTwipsX();
    const double uy = impl->container->unitTwipsY();
    if (p.X1)
        impl->x1 = *p.X1 * ux;
    if (p.Y1)
        impl->y1 = *p.Y1 * uy;
    if (p.X2)
        impl->x2 = *p.X2 * ux;
    if (p.Y2)
        impl->y2 = *p.Y2 * uy;
    if (p.Visible)
        impl->visible = *p.Visible;
    if (p.Tag)
        impl->tag = *p.Tag;
    if (p.BorderColor)
        impl->borderColor = *p.BorderColor;
    if (p.BorderWidth)
        impl->borderWidth = std::max(1, *p.BorderWidth);
    finish(*impl);
    impl->placeWidget();
}

void Frame::build(DesignContext& context, const Props& p)
{
    auto* impl = adopt(context, std::make_unique<FrameImpl>(this, context.live,
                                                             ContainerOf(context, p.Container)),
                       *this);
    applyCommon(*impl, p);
    if (p.Caption)
        impl->caption = *p.Caption;
    if (p.BorderStyle)
        impl->borderStyle = *p.BorderStyle;
    finish(*impl);
}

void WebBrowser::build(DesignContext& context, const Props& p)
{
    auto* impl = adopt(context, std::make_unique<WebBrowserImpl>(this, context.live,
                                                                  ContainerOf(context, p.Container)),
                       *this);
    applyCommon(*impl, p);
    finish(*impl);
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
    if (Runtime::implOf(control) != nullptr)
        return control;
    std::unique_ptr<UserControl> object = classId.empty() ? nullptr : createByClassId(classId);
    if (!object) {
        // The class could not be made: the window loads without it.
        auto* impl = adopt(context_, std::make_unique<VisualImpl>(&control, context_.live,
                                                                  ContainerOf(context_, props.Container), false),
                           control);
        impl->visible = false;
        finish(*impl);
        return control;
    }
    UserControl& made = *object;
    Runtime::site(made, context_.host, control.Name(), control.Index());
    Runtime::externalObject(control) = std::move(object);
    context_.live.external.push_back(&control);
    context_.added.push_back(&control);
    const bool hasStored = !stored.Names().empty();
    AddUserControl(context_, made, props, hasStored ? &stored : nullptr);
    Runtime::bind(control, Runtime::implOf(made));
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
