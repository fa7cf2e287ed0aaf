// The life of a form: load from its design, show (modeless, modal, inside the main frame),
// hide, unload with its questions, destroy; and the form's window.
#include "platform/forms/FormLifecycle.h"
#include "platform/forms/Design.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/FormLive.h"
#include "platform/forms/Impl.h"
#include "platform/user/WindowTable.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace qby::detail {

namespace {

bool isTopLevel(FormLive* live)
{
    return live && live->window() && live->window()->isWindow();
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
    for (auto it = live.controlParts().rbegin(); it != live.controlParts().rend(); ++it) {
        if (auto* uc = dynamic_cast<UserControlImpl*>(it->get()); uc && !uc->retired && uc->proxy)
            found.push_back(uc->control());
    }
    return found;
}

bool handlersAllowed(Form& form)
{
    FormLive* live = Access::live(form);
    return live != nullptr && !live->designing() && !Ending();
}

}  // namespace

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
    live->createWindow();
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
    if (live->window()) {
        live->window()->setWindowTitle(QString::fromStdString(live->caption));
        live->noteClientSize();
        if (live->mdiClient()) {
            // The client area lies above the frame's own controls.
            live->mdiClient()->setGeometry(live->window()->rect());
            live->mdiClient()->raise();
        }
    }
    live->queryMinMax();
    live->finishDesign();
    st.loading = false;
    // A child window needs its main frame: the frame loads and is displayed first.
    if (live->style.mdiChild) {
        MDIForm* frame = TheMdiForm();
        if (frame != nullptr && frame != &form && !frame->IsLoaded())
            load(*frame);
        displayFrameFor(form);
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
            if (form != &frame && live && live->style.mdiChild)
                children.push_back(form);
        }
        if (children.empty())
            return true;
        std::vector<Form*> asked;
        for (Form* child : children) {
            FormLive* live = Access::live(*child);
            if (!live || live->unloading())
                continue;
            live->beginUnloading();
            asked.push_back(child);
            int cancel = 0;
            if (!Ending())
                RunHandler([&] { Access::formQueryUnload(*child, cancel, vbFormMDIForm); });
            if (cancel != 0 && !Ending()) {
                for (Form* form : asked) {
                    if (FormLive* l = Access::live(*form))
                        l->cancelUnloading();
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
                        l->cancelUnloading();
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
    if (live->unloading() || live->designing())
        return false;
    DispatchScope scope;
    live->beginUnloading();
    int cancel = 0;
    if (!Ending())
        RunHandler([&] { Access::formQueryUnload(form, cancel, mode); });
    if (st.live.get() != live)
        return true;
    if (cancel != 0 && !Ending()) {
        live->cancelUnloading();
        return false;
    }
    if (Access::isMdiFrame(form) && !unloadChildren(form)) {
        if (st.live.get() == live)
            live->cancelUnloading();
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
        live->cancelUnloading();
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
    if (live == nullptr || live->destroying())
        return;
    DispatchScope scope;
    live->beginUnloading();
    live->beginDestroying();
    if (st.modalLoop != nullptr)
        st.modalLoop->quit();
    // Child windows of the main frame go first.
    if (live->mdiClient()) {
        for (Form* other : LoadedForms()) {
            FormLive* otherLive = Access::live(*other);
            if (other != &form && otherLive && otherLive->window() &&
                otherLive->window()->parentWidget() == live->mdiClient())
                destroy(*other, runTerminate);
        }
    }
    if (live->window())
        live->window()->hide();
    // The last message of each window: children first, then the form.
    for (auto it = live->controlParts().rbegin(); it != live->controlParts().rend(); ++it) {
        if (HWND handle = (*it)->hwnd())
            DestroyWindowHandle(handle);
    }
    DestroyWindowHandle(live->handle());
    if (runTerminate && !Ending()) {
        for (UserControl* control : userControlsOf(*live))
            Access::ucTerminate(*control);
    }
    for (auto& impl : live->controlParts()) {
        if (impl->proxy != nullptr && Access::implOf(*impl->proxy) == impl.get())
            Access::bind(*impl->proxy, nullptr);
        impl->retire();
    }
    for (ExternalControl* external : live->takeExternal()) {
        Access::bind(*external, nullptr);
        RetireControl(std::move(Access::externalObject(*external)));
    }
    live->releaseWindow();
    Retire(std::move(st.live));
}

// ---- showing ----------------------------------------------------------------------------

namespace {

// Places a top-level window in the middle of the screen or of its owner (by its outer size).
void centreWindow(FormLive* live, Form* owner)
{
    QWidget* window = live->window();
    QRect centre;
    if (live->style.startUpPosition == vbStartUpScreen) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            centre = screen->availableGeometry();
    } else if (live->style.startUpPosition == vbStartUpOwner && owner != nullptr) {
        if (FormLive* ownerLive = Access::live(*owner); ownerLive && ownerLive->window())
            centre = ownerLive->window()->window()->frameGeometry();
    }
    if (!centre.isValid())
        return;
    const QSize outer = window->size() + FrameExtra(window);
    window->move(centre.x() + (centre.width() - outer.width()) / 2,
                 centre.y() + (centre.height() - outer.height()) / 2);
}

// A child window of the main frame goes into the frame's client area (the frame loads and
// shows first). False when the window or the frame went away meanwhile.
bool placeInMainFrame(Form& form)
{
    MDIForm* frame = TheMdiForm();
    if (frame == nullptr || frame == &form)
        return true;
    if (!FormLifecycle::load(*frame))
        return false;
    FormLive* frameLive = Access::live(*frame);
    if (frameLive && frameLive->window() && !frameLive->window()->isVisible())
        FormLifecycle::show(*frame, vbModeless, nullptr);
    FormLive* live = Access::live(form);
    frameLive = Access::live(*frame);
    if (live == nullptr || frameLive == nullptr || !frameLive->mdiClient())
        return false;
    if (live->window()->parentWidget() != frameLive->mdiClient()) {
        live->window()->setParent(frameLive->mdiClient(), Qt::Widget);
        live->forgetClientSize();
    }
    if (live->style.windowState == vbMaximized)
        live->window()->setGeometry(frameLive->mdiClient()->rect());
    return true;
}

// A top-level window: modal or not, and kept above its owner.
void applyModalityAndOwner(Form& form, FormLive& live, int style, Form* owner)
{
    QWidget* window = live.window();
    window->setWindowModality(style == vbModal ? Qt::ApplicationModal : Qt::NonModal);
    if (owner == nullptr || owner == &form)
        return;
    FormLive* ownerLive = Access::live(*owner);
    if (ownerLive && ownerLive->window()) {
        window->winId();
        ownerLive->window()->window()->winId();
        if (window->windowHandle())
            window->windowHandle()->setTransientParent(ownerLive->window()->window()->windowHandle());
    }
}

// Shows the window in its window state, centred the first time, brought to the front and
// activated. False when the window went away meanwhile.
bool showWindow(Form& form, Form* owner)
{
    FormLive* live = Access::live(form);
    if (live == nullptr || !live->window())
        return false;
    const bool wasVisible = live->window()->isVisible();
    const bool centre = !live->shownBefore() && isTopLevel(live);
    if (centre)
        centreWindow(live, owner);
    if (isTopLevel(live) && live->style.windowState == vbMaximized)
        live->window()->showMaximized();
    else if (isTopLevel(live) && live->style.windowState == vbMinimized)
        live->window()->showMinimized();
    else
        live->window()->show();
    if ((live = Access::live(form)) == nullptr)
        return false;
    if (centre)
        centreWindow(live, owner);  // again, now that the window system's frame is known
    live->window()->raise();
    if (isTopLevel(live) && !live->window()->testAttribute(Qt::WA_ShowWithoutActivating))
        live->window()->activateWindow();
    if (!live->shownBefore()) {
        live->markShown();
        FormLifecycle::raiseResize(form);
    }
    if (!wasVisible && !isTopLevel(Access::live(form)))
        FormLifecycle::activated(form);
    return true;
}

// The modal window disables every other window; a window that is disabled gives up the mouse
// capture (as the window system's cancel-mode message makes it do).
void takeCaptureFromOtherWindows(FormLive& live)
{
    if (HWND holder = GetCapture()) {
        QWidget* input = WindowInput(holder);
        if (input != nullptr && input != live.window() && !live.window()->isAncestorOf(input))
            ReleaseCapture();
    }
}

// Runs the nested loop of a modal window until the window unloads or hides (or the program
// ends).
void runModalLoop(Form& form)
{
    FormState& st = Access::state(form);
    FormLive* live = st.live.get();
    if (live == nullptr || !live->window() || !live->window()->isVisible())
        return;
    takeCaptureFromOtherWindows(*live);
    QEventLoop loop;
    st.modalLoop = &loop;
    if (auto hook = g_modalHook ? g_modalHook : g_unexpectedModalHook) {
        RunHandler([&] { hook(form); });
    }
    live = st.live.get();
    if (live != nullptr && live->window() && live->window()->isVisible() && !Ending())
        loop.exec();
    st.modalLoop = nullptr;
    if ((live = st.live.get()) != nullptr && live->window() && !live->window()->isVisible())
        live->window()->setWindowModality(Qt::NonModal);
}

}  // namespace

void FormLifecycle::show(Form& form, int style, Form* owner)
{
    if (Ending())
        return;
    FormState& st = Access::state(form);
    if (style == vbModal && st.modalLoop != nullptr) {
        // Its loop would run inside itself, and the outer Show would return at the inner end.
        ReportProgrammingError("Show vbModal of " + form.Name() + ", which is shown modal already");
        return;
    }
    DispatchScope scope;
    if (!load(form))
        return;
    FormLive* live = st.live.get();
    // A window already on the screen cannot become modal (the request is dropped).
    if (style == vbModal && live->window() && live->window()->isVisible())
        return;
    if (live->style.mdiChild) {
        if (!placeInMainFrame(form))
            return;
    } else if (isTopLevel(live)) {
        applyModalityAndOwner(form, *live, style, owner);
    }
    if (!showWindow(form, owner))
        return;
    if (style == vbModal)
        runModalLoop(form);
}

void FormLifecycle::hide(Form& form)
{
    DispatchScope scope;
    if (!load(form))
        return;
    if (FormLive* live = Access::live(form); live && live->window())
        live->window()->hide();
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

// Loading a child window displays its frame, as showing it does: the frame is on the screen
// while the child's controls are made and its Form_Load runs, so the program's window appears
// as soon as the frame is ready.
void FormLifecycle::displayFrameFor(Form& child)
{
    MDIForm* frame = TheMdiForm();
    if (frame == nullptr || frame == &child || Ending())
        return;
    FormLive* frameLive = Access::live(*frame);
    if (frameLive != nullptr && !frameLive->designing() && frameLive->window() &&
        !frameLive->window()->isVisible())
        show(*frame, vbModeless, nullptr);
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
