// Building a window from its design: the window's own properties, the container a control lies
// in, and the loaded parts of controls that the layout leaves out.
#include "platform/forms/Design.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/FormLifecycle.h"
#include "platform/forms/Impl.h"

#include <QIcon>
#include <QPixmap>

namespace qby {

namespace detail {

ContainerNode* ContainerOf(DesignContext& context, const ContainerRef& ref)
{
    if (ref.control != nullptr) {
        if (auto* node = dynamic_cast<ContainerNode*>(Access::implOf(*ref.control)))
            return node;
    }
    return context.container;
}

void Finish(VisualImpl& impl)
{
    impl.create();
    impl.setEnabled(impl.enabled);
    impl.setToolTip(impl.toolTip);
}

void CreateDefaultImpl(DesignContext& context, Control& control)
{
    Access::buildDefault(control, context);
}

}  // namespace detail

using namespace detail;

void Design::Window(const WindowProps& p)
{
    FormLive& live = context_.live;
    if (context_.userControl != nullptr || !live.window())
        return;
    QWidget* window = live.window();
    if (p.Caption) {
        live.caption = *p.Caption;
        window->setWindowTitle(QString::fromStdString(live.caption));
    }
    if (p.BorderStyle)
        live.style.borderStyle = *p.BorderStyle;
    if (p.ControlBox)
        live.style.controlBox = *p.ControlBox;
    if (p.MinButton) {
        live.style.minButton = *p.MinButton;
        live.style.minMaxGiven = true;
    }
    if (p.MaxButton) {
        live.style.maxButton = *p.MaxButton;
        live.style.minMaxGiven = true;
    }
    if (live.style.minMaxGiven) {
        if (!p.MinButton)
            live.style.minButton = live.style.borderStyle != vbFixedDialog;
        if (!p.MaxButton)
            live.style.maxButton = live.style.borderStyle != vbFixedDialog;
    }
    if (p.ShowInTaskbar)
        live.style.showInTaskbar = *p.ShowInTaskbar;
    if (p.StartUpPosition)
        live.style.startUpPosition = *p.StartUpPosition;
    if (p.WindowState)
        live.style.windowState = *p.WindowState;
    if (p.MDIChild)
        live.style.mdiChild = *p.MDIChild;
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
        live.surface()->scaleMode = *p.ScaleMode;
    if (p.AutoRedraw)
        live.surface()->autoRedraw = *p.AutoRedraw;
    if (p.Picture)
        live.surface()->picture = *p.Picture;
    if (p.Icon) {
        live.icon = *p.Icon;
        if (const Picture::Data* data = live.icon.data(); data && !data->image().isNull())
            window->setWindowIcon(QIcon(QPixmap::fromImage(data->image())));
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
    // A child of the main frame: the frame is on the screen before the child's controls are made.
    if (p.MDIChild && *p.MDIChild)
        FormLifecycle::displayFrameFor(live.form());
}

}  // namespace qby
