// Members of forms and of the main frame.
#include "platform/forms/Form.h"
#include "platform/forms/FormLifecycle.h"
#include "platform/forms/FormLive.h"
#include "platform/forms/Impl.h"
#include "platform/user/WindowTable.h"

#include <QIcon>
#include <QPixmap>

namespace qby {

using detail::DispatchScope;
using detail::FormLive;
using detail::Access;
using detail::FormLifecycle;
using detail::TwipsToPixels;
using detail::kTwipsPerPixel;

namespace {

FormLive* loaded(Form& form)
{
    FormLifecycle::load(form);
    return Access::live(form);
}

bool topLevel(const FormLive* live)
{
    return live && live->window() && live->window()->isWindow();
}

// Outer size (with the window system's frame) in pixels.
QSize outerSize(const FormLive* live)
{
    return live->window()->size() + detail::FrameExtra(live->window());
}

void resizeOuter(Form& form, FormLive* live, std::optional<double> left, std::optional<double> top,
                 std::optional<double> width, std::optional<double> height)
{
    if (!live->window())
        return;
    QWidget* window = live->window();
    const QPoint at = window->pos();
    if (left || top)
        window->move(left ? TwipsToPixels(*left) : at.x(), top ? TwipsToPixels(*top) : at.y());
    if (width || height) {
        // The size query first, so that the new size is limited by its current answer.
        if (topLevel(live))
            live->queryMinMax();
        if (live->window() != window)
            return;
        const QSize extra = detail::FrameExtra(window);
        const QSize outer = outerSize(live);
        const int w = width ? TwipsToPixels(*width) : outer.width();
        const int h = height ? TwipsToPixels(*height) : outer.height();
        const bool fixed = window->minimumSize() == window->maximumSize() && topLevel(live);
        if (fixed) {
            window->setMinimumSize(0, 0);
            window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        window->resize(std::max(0, w - extra.width()), std::max(0, h - extra.height()));
        if (topLevel(live))
            live->queryMinMax();
    }
    if (Access::live(form) == live)
        live->clientSizeMaybeChanged();
}

}  // namespace

Form::Form(std::string name) : name_(std::move(name)), state_(std::make_unique<detail::FormState>())
{
    detail::RegisterForm(this);
}

Form::~Form()
{
    detail::UnregisterForm(this);
    if (state_->live) {
        // The form object ends while loaded: its window goes without further handlers.
        FormLifecycle::destroy(*this, false);
    }
}

void Form::EnsureInitialized()
{
    if (state_->initialized)
        return;
    state_->initialized = true;
    if (detail::Ending())
        return;
    DispatchScope scope;
    detail::RunHandler([&] { Form_Initialize(); });
}

void Form::Load()
{
    FormLifecycle::load(*this);
}

void Form::Unload()
{
    FormLifecycle::unload(*this, vbFormCode);
}

bool Form::IsLoaded() const
{
    return state_->live != nullptr;
}

bool Form::IsModal() const
{
    return state_->modalLoop != nullptr;
}

void Form::Show(int style, Form* owner)
{
    FormLifecycle::show(*this, style, owner);
}

void Form::Hide()
{
    FormLifecycle::hide(*this);
}

bool Form::Visible()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live && live->window() && live->window()->isVisible();
}

void Form::Visible(bool value)
{
    if (value)
        Show(vbModeless);
    else
        Hide();
}

bool Form::Enabled()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->enabled : false;
}

void Form::Enabled(bool value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this)) {
        live->enabled = value;
        if (live->window()) {
            // A disabled window gives up the mouse capture held by it or by one of its controls.
            if (!value) {
                QWidget* input = detail::WindowInput(GetCapture());
                if (input != nullptr && (input == live->window() || live->window()->isAncestorOf(input)))
                    ReleaseCapture();
            }
            live->window()->setEnabled(value);
        }
    }
}

std::string Form::Caption()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->caption : std::string();
}

void Form::Caption(const std::string& value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this)) {
        live->caption = value;
        if (live->window())
            live->window()->setWindowTitle(QString::fromStdString(value));
    }
}

std::string Form::Tag()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->tag : std::string();
}

void Form::Tag(const std::string& value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this))
        live->tag = value;
}

StdPicture Form::Icon()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->icon : StdPicture();
}

void Form::Icon(const StdPicture& value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this)) {
        live->icon = value;
        if (live->window()) {
            const Picture::Data* data = value.data();
            live->window()->setWindowIcon(data && !data->image().isNull() ? QIcon(QPixmap::fromImage(data->image()))
                                                                       : QIcon());
        }
    }
}

double Form::Left()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live && live->window() ? live->window()->pos().x() * kTwipsPerPixel : 0.0;
}

void Form::Left(double value)
{
    Move(value);
}

double Form::Top()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live && live->window() ? live->window()->pos().y() * kTwipsPerPixel : 0.0;
}

void Form::Top(double value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this))
        resizeOuter(*this, live, std::nullopt, value, std::nullopt, std::nullopt);
}

double Form::Width()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live && live->window() ? outerSize(live).width() * kTwipsPerPixel : 0.0;
}

void Form::Width(double value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this))
        resizeOuter(*this, live, std::nullopt, std::nullopt, value, std::nullopt);
}

double Form::Height()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live && live->window() ? outerSize(live).height() * kTwipsPerPixel : 0.0;
}

void Form::Height(double value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this))
        resizeOuter(*this, live, std::nullopt, std::nullopt, std::nullopt, value);
}

void Form::Move(double left, std::optional<double> top, std::optional<double> width,
                std::optional<double> height)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this))
        resizeOuter(*this, live, left, top, width, height);
}

int Form::WindowState()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    if (live == nullptr || !live->window())
        return vbNormal;
    if (topLevel(live) && live->window()->isVisible()) {
        if (live->window()->isMinimized())
            return vbMinimized;
        if (live->window()->isMaximized())
            return vbMaximized;
        return vbNormal;
    }
    return live->style.windowState;
}

void Form::WindowState(int value)
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    if (live == nullptr || !live->window())
        return;
    live->style.windowState = value;
    QWidget* window = live->window();
    if (topLevel(live)) {
        if (window->isVisible()) {
            if (value == vbMaximized)
                window->showMaximized();
            else if (value == vbMinimized)
                window->showMinimized();
            else
                window->showNormal();
        }
        live->queryMinMax();
    } else if (value == vbMaximized && window->parentWidget()) {
        window->setGeometry(window->parentWidget()->rect());
    }
    if (Access::live(*this) == live)
        live->clientSizeMaybeChanged();
}

OLE_COLOR Form::BackColor()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->look.back : 0;
}

void Form::BackColor(OLE_COLOR value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this)) {
        live->look.back = value;
        if (live->window())
            live->window()->update();
    }
}

OLE_COLOR Form::ForeColor()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->look.fore : 0;
}

void Form::ForeColor(OLE_COLOR value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this))
        live->look.fore = value;
}

std::string Form::FontName()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->look.font.name : std::string();
}

void Form::FontName(const std::string& value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this))
        live->look.font.name = value;
}

double Form::FontSize()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->look.font.size : 0.0;
}

void Form::FontSize(double value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this); live && value > 0)
        live->look.font.size = value;
}

bool Form::FontBold()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->look.font.bold : false;
}

void Form::FontBold(bool value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this))
        live->look.font.bold = value;
}

bool Form::FontItalic()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->look.font.italic : false;
}

void Form::FontItalic(bool value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this))
        live->look.font.italic = value;
}

bool Form::FontUnderline()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->look.font.underline : false;
}

void Form::FontUnderline(bool value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this))
        live->look.font.underline = value;
}

int Form::MousePointer()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->look.mousePointer : vbDefault;
}

void Form::MousePointer(int value)
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    if (live == nullptr)
        return;
    live->look.mousePointer = value;
    if (live->window()) {
        bool isDefault = false;
        const QCursor cursor = detail::CursorFor(value, live->look.mouseIcon, &isDefault);
        if (isDefault)
            live->window()->unsetCursor();
        else
            live->window()->setCursor(cursor);
    }
}

StdPicture Form::MouseIcon()
{
    DispatchScope scope;
    FormLive* live = loaded(*this);
    return live ? live->look.mouseIcon : StdPicture();
}

void Form::MouseIcon(const StdPicture& value)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this)) {
        live->look.mouseIcon = value;
        MousePointer(live->look.mousePointer);
    }
}

void Form::Refresh()
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this); live && live->window())
        live->window()->update();
}

void Form::ZOrder(int position)
{
    DispatchScope scope;
    if (FormLive* live = loaded(*this); live && live->window()) {
        if (position == 0)
            live->window()->raise();
        else
            live->window()->lower();
    }
}

detail::SurfaceImpl* Form::drawingSurface()
{
    FormLive* live = loaded(*this);
    return live ? live->surface() : nullptr;
}

void Form::Form_QueryUnload(int& Cancel, int UnloadMode)
{
    (void)Cancel;
    (void)UnloadMode;
}

void Form::Form_Unload(int& Cancel)
{
    (void)Cancel;
}

void Form::Form_MouseDown(int Button, int Shift, float X, float Y)
{
    (void)Button, (void)Shift, (void)X, (void)Y;
}

void Form::Form_MouseMove(int Button, int Shift, float X, float Y)
{
    (void)Button, (void)Shift, (void)X, (void)Y;
}

void Form::Form_MouseUp(int Button, int Shift, float X, float Y)
{
    (void)Button, (void)Shift, (void)X, (void)Y;
}

Form* MDIForm::ActiveForm()
{
    Form* front = nullptr;
    FormLive* live = Access::live(*this);
    if (live == nullptr || !live->mdiClient())
        return nullptr;
    const auto children = live->mdiClient()->children();
    for (Form* form : LoadedForms()) {
        FormLive* childLive = Access::live(*form);
        if (form == this || childLive == nullptr || !childLive->window() || !childLive->window()->isVisible() ||
            childLive->window()->parentWidget() != live->mdiClient())
            continue;
        // The child that lies last among the client's children is in front.
        if (front == nullptr ||
            children.indexOf(childLive->window()) > children.indexOf(Access::live(*front)->window()))
            front = form;
    }
    return front;
}

void MDIForm::MDIForm_QueryUnload(int& Cancel, int UnloadMode)
{
    (void)Cancel;
    (void)UnloadMode;
}

void MDIForm::MDIForm_Unload(int& Cancel)
{
    (void)Cancel;
}

// ---- the runtime's access ----------------------------------------------------------------

namespace detail {

FormState& Access::state(Form& form)
{
    return *form.state_;
}

FormLive* Access::live(Form& form)
{
    return form.state_->live.get();
}

void Access::formMouse(Form& form, int kind, int button, int shift, float x, float y)
{
    if (kind == 0)
        form.Form_MouseDown(button, shift, x, y);
    else if (kind == 1)
        form.Form_MouseMove(button, shift, x, y);
    else
        form.Form_MouseUp(button, shift, x, y);
}

void Access::formClick(Form& form, bool doubleClick)
{
    if (doubleClick)
        form.Form_DblClick();
    else
        form.Form_Click();
}

}  // namespace detail

}  // namespace qby
