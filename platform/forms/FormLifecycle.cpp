// The life of a form: load from its design, show (modeless, modal, inside the main frame),
// hide, unload with its questions, destroy; and the form's window.
#include "platform/forms/FormLifecycle.h"
#include "platform/forms/Design.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/FormLive.h"
#include "platform/forms/Impl.h"
#include "platform/user/WindowTable.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace qby::detail {

namespace {

// The window of a form.
class FormWidget : public QWidget {
public:
    FormWidget(Form& form, FormLive* live) : form_(form), live_(live) {}
    void detach() { live_ = nullptr; }

protected:
    bool event(QEvent* event) override
    {
        DispatchScope scope;
        if (event->type() == SizeQueryEvent()) {
            if (live_ != nullptr)
                live_->queryMinMax();
            return true;
        }
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
        case QEvent::MouseButtonDblClick:
            event->accept();
            if (live_ != nullptr && live_->enabled && !Ending())
                mouse(static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::WindowActivate:
            if (live_ != nullptr)
                FormLifecycle::activated(form_);
            break;
        default:
            break;
        }
        return QWidget::event(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        if (live_ == nullptr || !live_->surface)
            return;
        QPainter painter(this);
        live_->surface->paint(painter);
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        if (live_ == nullptr)
            return;
        DispatchScope scope;
        if (live_->mdiClient)
            live_->mdiClient->setGeometry(rect());
        // The size query goes with every resize, so changed limits take effect at once.
        if (isWindow() && isVisible())
            live_->queryMinMax();
        if (live_ == nullptr)
            return;
        live_->clientSizeMaybeChanged();
        if (live_ && live_->mdiClient) {
            for (Form* child : LoadedForms()) {
                FormLive* childLive = Access::live(*child);
                if (childLive && childLive->window && childLive->window->parentWidget() == live_->mdiClient &&
                    childLive->windowState == vbMaximized)
                    childLive->window->setGeometry(live_->mdiClient->rect());
            }
        }
    }

    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        if (live_ == nullptr || live_->unloading)
            return;
        DispatchScope scope;
        FormLifecycle::closeRequested(form_);
    }

    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        if (live_ != nullptr && !event->spontaneous())
            FormLifecycle::shownOrHidden(form_, true);
    }

    void hideEvent(QHideEvent* event) override
    {
        QWidget::hideEvent(event);
        if (live_ != nullptr && !event->spontaneous())
            FormLifecycle::shownOrHidden(form_, false);
    }

private:
    void mouse(QMouseEvent* event)
    {
        const SurfaceImpl& surface = *live_->surface;
        const float x = static_cast<float>(event->position().x() * kTwipsPerPixel / surface.unitTwipsX());
        const float y = static_cast<float>(event->position().y() * kTwipsPerPixel / surface.unitTwipsY());
        const int shift = ShiftBits(event->modifiers());
        if (event->type() == QEvent::MouseMove) {
            FormLifecycle::raiseMouse(form_, 1, ButtonBits(event->buttons()), shift, x, y);
            return;
        }
        const int button = ButtonOf(event->button());
        if (button == 0)
            return;
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            if (clicks_.press(button, event->position().toPoint(), event->timestamp())) {
                FormLifecycle::raiseClick(form_, true);
                return;
            }
            FormLifecycle::raiseMouse(form_, 0, button, shift, x, y);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            FormLifecycle::raiseMouse(form_, 2, button, shift, x, y);
            if (clicks_.release(button, rect().contains(event->position().toPoint())))
                FormLifecycle::raiseClick(form_, false);
        }
    }

    Form& form_;
    FormLive* live_;
    ClickTracker clicks_;
};

FormWidget* formWidget(FormLive* live)
{
    return live ? static_cast<FormWidget*>(live->window.data()) : nullptr;
}

bool isTopLevel(FormLive* live)
{
    return live && live->window && live->window->isWindow();
}

void createRemaining(DesignContext& context)
{
    const std::vector<Control*> controls = Access::controls(*context.host);
    for (Control* control : controls) {
        if (Access::implOf(*control) == nullptr)
            CreateDefaultImpl(context, *control);
    }
}

// The user controls of a loaded form, deepest first.
std::vector<UserControl*> userControlsOf(FormLive& live)
{
    std::vector<UserControl*> found;
    for (auto it = live.impls.rbegin(); it != live.impls.rend(); ++it) {
        if (auto* uc = dynamic_cast<UserControlImpl*>(it->get()); uc && !uc->retired && uc->proxy)
            found.push_back(uc->control());
    }
    return found;
}

bool handlersAllowed(Form& form)
{
    FormLive* live = Access::live(form);
    return live != nullptr && !live->designing && !Ending();
}

}  // namespace

// ---- FormLive ---------------------------------------------------------------------------

FormLive::~FormLive() = default;

void FormLive::applyWindowFlags()
{
    if (!window || !window->isWindow())
        return;
    Qt::WindowFlags flags;
    const bool onTop = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    switch (borderStyle) {
    case vbBSNone:
        flags = (showInTaskbar ? Qt::Window : Qt::Tool) | Qt::FramelessWindowHint;
        break;
    case vbFixedToolWindow:
    case vbSizableToolWindow:
        flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (controlBox)
            flags |= Qt::WindowCloseButtonHint;
        break;
    default: {
        flags = (showInTaskbar ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        const bool dialog = borderStyle == vbFixedDialog;
        const bool minimize = minMaxGiven ? minButton : !dialog;
        const bool maximize = minMaxGiven ? maxButton : !dialog;
        if (controlBox) {
            flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
            if (minimize)
                flags |= Qt::WindowMinimizeButtonHint;
            if (maximize)
                flags |= Qt::WindowMaximizeButtonHint;
        }
        break;
    }
    }
    if (onTop)
        flags |= Qt::WindowStaysOnTopHint;
    if (window->windowFlags() != flags) {
        const bool wasVisible = window->isVisible();
        window->setWindowFlags(flags);
        if (wasVisible)
            window->show();
    }
}

void FormLive::queryMinMax(bool apply)
{
    if (!window || !window->isWindow() || handle == 0 || querying)
        return;
    querying = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{querying};
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    MINMAXINFO info;
    info.ptMaxSize = POINT{area.width(), area.height()};
    info.ptMaxPosition = POINT{0, 0};
    const bool framed = borderStyle != vbBSNone;
    info.ptMinTrackSize = framed ? POINT{136, 39} : POINT{0, 0};
    info.ptMaxTrackSize = POINT{32767, 32767};
    SendMessageA(handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (!window || !apply)
        return;
    minimumOuter = QSize(std::max(0, static_cast<int>(info.ptMinTrackSize.x)),
                         std::max(0, static_cast<int>(info.ptMinTrackSize.y)));
    maximumOuter = QSize(std::clamp(static_cast<int>(info.ptMaxTrackSize.x), 0, QWIDGETSIZE_MAX),
                         std::clamp(static_cast<int>(info.ptMaxTrackSize.y), 0, QWIDGETSIZE_MAX));
    const QSize extra = FrameExtra(window);
    QSize minimum = (minimumOuter - extra).expandedTo(QSize(0, 0));
    QSize maximum = (maximumOuter - extra).expandedTo(QSize(0, 0));
    const bool fixed = borderStyle == vbFixedSingle || borderStyle == vbFixedDialog ||
                       borderStyle == vbFixedToolWindow;
    if (fixed) {
        minimum = window->size();
        maximum = window->size();
    }
    window->setMinimumSize(minimum);
    window->setMaximumSize(maximum.expandedTo(minimum));
    // The window system need not honour the size hints (a bare X server applies whatever size
    // a client asks for), and the limits may have changed: a size outside them is brought
    // inside. Maximized and minimized windows are the window system's to place.
    const QSize current = window->size();
    const QSize bounded = current.expandedTo(minimum).boundedTo(maximum.expandedTo(minimum));
    if (bounded != current && !(window->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized |
                                                         Qt::WindowFullScreen)))
        window->resize(bounded);
}

void FormLive::clientSizeMaybeChanged()
{
    if (!window)
        return;
    const QSize size = window->size();
    if (size == lastClientSize)
        return;
    lastClientSize = size;
    if (surface && !surface->layer.isNull())
        surface->ensureLayer();
    if (!designing)
        FormLifecycle::raiseResize(form);
}

// ---- loading ----------------------------------------------------------------------------

bool FormLifecycle::load(Form& form)
{
    FormState& st = Access::state(form);
    if (st.live)
        return true;
    if (Ending() || st.loading)
        return false;
    EnsureApplication();
    form.EnsureInitialized();
    if (st.live)
        return true;
    DispatchScope scope;
    st.loading = true;
    st.live = std::make_unique<FormLive>(form);
    FormLive* live = st.live.get();
    live->look.back = vbButtonFace;
    live->look.fore = vbButtonText;
    auto* widget = new FormWidget(form, live);
    live->window = widget;
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_OpaquePaintEvent, true);
    widget->resize(320, 240);
    live->surface = std::make_unique<SurfaceImpl>(live->look, widget);
    live->surface->autoRedraw = true;
    if (Access::isMdiFrame(form)) {
        live->mdiClient = new QWidget(widget);
        live->mdiClient->setGeometry(widget->rect());
        live->mdiClient->setMouseTracking(true);
        live->mdiClient->show();
    }
    live->handle = IssueWindowHandle(widget, widget);
    live->surface->hwnd = live->handle;
    live->applyWindowFlags();
    // The size query of the window's creation; the design's size and limits follow.
    live->queryMinMax(false);

    DesignContext context(*live, &form, live);
    {
        Design design(context);
        RunHandler([&] { Access::layout(form, design); });
    }
    createRemaining(context);
    if (!st.live || st.live.get() != live) {
        st.loading = false;
        return false;
    }
    live->applyWindowFlags();
    if (live->window) {
        live->window->setWindowTitle(QString::fromStdString(live->caption));
        live->lastClientSize = live->window->size();
        if (live->mdiClient) {
            // The client area lies above the frame's own controls.
            live->mdiClient->setGeometry(live->window->rect());
            live->mdiClient->raise();
        }
    }
    live->queryMinMax();
    live->designing = false;
    st.loading = false;
    // A child window needs its main frame: the frame loads first.
    if (live->mdiChild) {
        MDIForm* frame = TheMdiForm();
        if (frame != nullptr && frame != &form && !frame->IsLoaded())
            load(*frame);
        if (Access::state(form).live.get() != live)
            return false;
    }
    if (!Ending())
        RunHandler([&] { Access::formLoad(form); });
    return Access::state(form).live != nullptr;
}

// ---- unloading --------------------------------------------------------------------------

namespace {

bool unloadChildren(Form& frame)
{
    for (int round = 0; round < 16; ++round) {
        std::vector<Form*> children;
        for (Form* form : LoadedForms()) {
            FormLive* live = Access::live(*form);
            if (form != &frame && live && live->mdiChild)
                children.push_back(form);
        }
        if (children.empty())
            return true;
        std::vector<Form*> asked;
        for (Form* child : children) {
            FormLive* live = Access::live(*child);
            if (!live || live->unloading)
                continue;
            live->unloading = true;
            asked.push_back(child);
            int cancel = 0;
            if (!Ending())
                RunHandler([&] { Access::formQueryUnload(*child, cancel, vbFormMDIForm); });
            if (cancel != 0 && !Ending()) {
                for (Form* form : asked) {
                    if (FormLive* l = Access::live(*form))
                        l->unloading = false;
                }
                return false;
            }
        }
        for (Form* child : asked) {
            if (Access::live(*child) == nullptr)
                continue;
            int cancel = 0;
            if (!Ending())
                RunHandler([&] { Access::formUnload(*child, cancel); });
            if (Access::live(*child) == nullptr)
                continue;
            if (cancel != 0 && !Ending()) {
                for (Form* form : asked) {
                    if (FormLive* l = Access::live(*form))
                        l->unloading = false;
                }
                return false;
            }
            FormLifecycle::destroy(*child, true);
        }
    }
    return true;
}

}  // namespace

bool FormLifecycle::unload(Form& form, int mode)
{
    FormState& st = Access::state(form);
    FormLive* live = st.live.get();
    if (live == nullptr)
        return true;
    if (live->unloading || live->designing)
        return false;
    DispatchScope scope;
    live->unloading = true;
    int cancel = 0;
    if (!Ending())
        RunHandler([&] { Access::formQueryUnload(form, cancel, mode); });
    if (st.live.get() != live)
        return true;
    if (cancel != 0 && !Ending()) {
        live->unloading = false;
        return false;
    }
    if (Access::isMdiFrame(form) && !unloadChildren(form)) {
        if (st.live.get() == live)
            live->unloading = false;
        return st.live.get() != live;
    }
    if (st.live.get() != live)
        return true;
    cancel = 0;
    if (!Ending())
        RunHandler([&] { Access::formUnload(form, cancel); });
    if (st.live.get() != live)
        return true;
    if (cancel != 0 && !Ending()) {
        live->unloading = false;
        return false;
    }
    destroy(form, true);
    QuitMainLoopIfIdle();
    return true;
}

void FormLifecycle::destroy(Form& form, bool runTerminate)
{
    FormState& st = Access::state(form);
    FormLive* live = st.live.get();
    if (live == nullptr || live->destroying)
        return;
    DispatchScope scope;
    live->unloading = true;
    live->destroying = true;
    if (st.modalLoop != nullptr)
        st.modalLoop->quit();
    // Child windows of the main frame go first.
    if (live->mdiClient) {
        for (Form* other : LoadedForms()) {
            FormLive* otherLive = Access::live(*other);
            if (other != &form && otherLive && otherLive->window &&
                otherLive->window->parentWidget() == live->mdiClient)
                destroy(*other, runTerminate);
        }
    }
    if (live->window)
        live->window->hide();
    // The last message of each window: children first, then the form.
    for (auto it = live->impls.rbegin(); it != live->impls.rend(); ++it) {
        if (HWND handle = (*it)->hwnd())
            DestroyWindowHandle(handle);
    }
    DestroyWindowHandle(live->handle);
    if (runTerminate && !Ending()) {
        for (UserControl* control : userControlsOf(*live))
            Access::ucTerminate(*control);
    }
    for (auto& impl : live->impls) {
        if (impl->proxy != nullptr && Access::implOf(*impl->proxy) == impl.get())
            Access::bind(*impl->proxy, nullptr);
        impl->retire();
    }
    for (ExternalControl* external : live->external) {
        Access::bind(*external, nullptr);
        RetireControl(std::move(Access::externalObject(*external)));
    }
    live->external.clear();
    if (FormWidget* widget = formWidget(live)) {
        widget->detach();
        widget->deleteLater();
    }
    Retire(std::move(st.live));
}

// ---- showing ----------------------------------------------------------------------------

namespace {

// Places a top-level window in the middle of the screen or of its owner (by its outer size).
void centreWindow(FormLive* live, Form* owner)
{
    QWidget* window = live->window;
    QRect centre;
    if (live->startUpPosition == vbStartUpScreen) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            centre = screen->availableGeometry();
    } else if (live->startUpPosition == vbStartUpOwner && owner != nullptr) {
        if (FormLive* ownerLive = Access::live(*owner); ownerLive && ownerLive->window)
            centre = ownerLive->window->window()->frameGeometry();
    }
    if (!centre.isValid())
        return;
    const QSize outer = window->size() + FrameExtra(window);
    window->move(centre.x() + (centre.width() - outer.width()) / 2,
                 centre.y() + (centre.height() - outer.height()) / 2);
}

}  // namespace

void FormLifecycle::show(Form& form, int style, Form* owner)
{
    if (Ending())
        return;
    FormState& st = Access::state(form);
    if (style == vbModal && st.modalLoop != nullptr)
        return;
    DispatchScope scope;
    if (!load(form))
        return;
    FormLive* live = st.live.get();
    // A window already on the screen cannot become modal (the request is dropped).
    if (style == vbModal && live->window && live->window->isVisible())
        return;
    if (live->mdiChild) {
        MDIForm* frame = TheMdiForm();
        if (frame != nullptr && frame != &form) {
            if (!load(*frame))
                return;
            FormLive* frameLive = Access::live(*frame);
            if (frameLive && frameLive->window && !frameLive->window->isVisible())
                show(*frame, vbModeless, nullptr);
            live = st.live.get();
            frameLive = Access::live(*frame);
            if (live == nullptr || frameLive == nullptr || !frameLive->mdiClient)
                return;
            if (live->window->parentWidget() != frameLive->mdiClient) {
                live->window->setParent(frameLive->mdiClient, Qt::Widget);
                live->lastClientSize = QSize();
            }
            if (live->windowState == vbMaximized)
                live->window->setGeometry(frameLive->mdiClient->rect());
        }
    } else if (isTopLevel(live)) {
        QWidget* window = live->window;
        window->setWindowModality(style == vbModal ? Qt::ApplicationModal : Qt::NonModal);
        if (owner != nullptr && owner != &form) {
            FormLive* ownerLive = Access::live(*owner);
            if (ownerLive && ownerLive->window) {
                window->winId();
                ownerLive->window->window()->winId();
                if (window->windowHandle())
                    window->windowHandle()->setTransientParent(ownerLive->window->window()->windowHandle());
            }
        }
    }
    live = st.live.get();
    if (live == nullptr || !live->window)
        return;
    const bool wasVisible = live->window->isVisible();
    const bool centre = !live->shownOnce && isTopLevel(live);
    if (centre)
        centreWindow(live, owner);
    if (isTopLevel(live) && live->windowState == vbMaximized)
        live->window->showMaximized();
    else if (isTopLevel(live) && live->windowState == vbMinimized)
        live->window->showMinimized();
    else
        live->window->show();
    if ((live = st.live.get()) == nullptr)
        return;
    if (centre)
        centreWindow(live, owner);  // again, now that the window system's frame is known
    live->window->raise();
    if (isTopLevel(live) && !live->window->testAttribute(Qt::WA_ShowWithoutActivating))
        live->window->activateWindow();
    if (!live->shownOnce) {
        live->shownOnce = true;
        raiseResize(form);
    }
    if (!wasVisible && !isTopLevel(st.live.get()))
        activated(form);
    if (style != vbModal)
        return;
    live = st.live.get();
    if (live == nullptr || !live->window || !live->window->isVisible())
        return;
    // The modal window disables every other window; a window that is disabled gives up the
    // mouse capture (as the window system's cancel-mode message makes it do).
    if (HWND holder = GetCapture()) {
        QWidget* input = WindowInput(holder);
        if (input != nullptr && input != live->window && !live->window->isAncestorOf(input))
            ReleaseCapture();
    }
    QEventLoop loop;
    st.modalLoop = &loop;
    if (g_modalHook) {
        auto hook = g_modalHook;
        RunHandler([&] { hook(form); });
    }
    live = st.live.get();
    if (live != nullptr && live->window && live->window->isVisible() && !Ending())
        loop.exec();
    st.modalLoop = nullptr;
    if ((live = st.live.get()) != nullptr && live->window && !live->window->isVisible())
        live->window->setWindowModality(Qt::NonModal);
}

void FormLifecycle::hide(Form& form)
{
    DispatchScope scope;
    if (!load(form))
        return;
    if (FormLive* live = Access::live(form); live && live->window)
        live->window->hide();
}

void FormLifecycle::shownOrHidden(Form& form, bool shown)
{
    FormState& st = Access::state(form);
    if (!shown) {
        if (st.modalLoop != nullptr)
            st.modalLoop->quit();
        return;
    }
    if (FormLive* live = st.live.get())
        live->queryMinMax();
}

void FormLifecycle::closeRequested(Form& form)
{
    unload(form, vbFormControlMenu);
}

void FormLifecycle::activated(Form& form)
{
    if (handlersAllowed(form))
        RunHandler([&] { Access::formActivate(form); });
}

// ---- form events ------------------------------------------------------------------------

void FormLifecycle::raiseResize(Form& form)
{
    if (handlersAllowed(form))
        RunHandler([&] { Access::formResize(form); });
}

void FormLifecycle::raiseMouse(Form& form, int kind, int button, int shift, float x, float y)
{
    if (handlersAllowed(form))
        RunHandler([&] { Access::formMouse(form, kind, button, shift, x, y); });
}

void FormLifecycle::raiseClick(Form& form, bool doubleClick)
{
    if (handlersAllowed(form))
        RunHandler([&] { Access::formClick(form, doubleClick); });
}

}  // namespace qby::detail
