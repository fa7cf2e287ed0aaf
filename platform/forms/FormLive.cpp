// The loaded part of a form: its window (the widget, the window handle, the size query and the
// window system's flags) and what it keeps while loaded.
#include "platform/forms/FormLive.h"
#include "platform/forms/FormLifecycle.h"
#include "platform/user/WindowTable.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

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
        if (live_ == nullptr || !live_->surface())
            return;
        QPainter painter(this);
        live_->surface()->paint(painter);
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        if (live_ == nullptr)
            return;
        DispatchScope scope;
        if (live_->mdiClient())
            live_->mdiClient()->setGeometry(rect());
        // The size query goes with every resize, so changed limits take effect at once.
        if (isWindow() && isVisible())
            live_->queryMinMax();
        if (live_ == nullptr)
            return;
        live_->clientSizeMaybeChanged();
        if (live_ && live_->mdiClient()) {
            for (Form* child : LoadedForms()) {
                FormLive* childLive = Access::live(*child);
                if (childLive && childLive->window() && childLive->window()->parentWidget() == live_->mdiClient() &&
                    childLive->style.windowState == vbMaximized)
                    childLive->window()->setGeometry(live_->mdiClient()->rect());
            }
        }
    }

    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        if (live_ == nullptr || live_->unloading())
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
        const SurfaceImpl& surface = *live_->surface();
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

}  // namespace

FormLive::~FormLive() = default;

void FormLive::createWindow()
{
    look.back = vbButtonFace;
    look.fore = vbButtonText;
    auto* widget = new FormWidget(form_, this);
    window_ = widget;
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_OpaquePaintEvent, true);
    widget->resize(320, 240);
    surface_ = std::make_unique<SurfaceImpl>(look, widget);
    surface_->autoRedraw = true;
    if (Access::isMdiFrame(form_)) {
        mdiClient_ = new QWidget(widget);
        mdiClient_->setGeometry(widget->rect());
        mdiClient_->setMouseTracking(true);
        mdiClient_->show();
    }
    handle_ = IssueWindowHandle(widget, widget);
    surface_->hwnd = handle_;
}

void FormLive::releaseWindow()
{
    if (auto* widget = static_cast<FormWidget*>(window_.data())) {
        widget->detach();
        widget->deleteLater();
    }
}

void FormLive::removeExternal(ExternalControl* control)
{
    external_.erase(std::remove(external_.begin(), external_.end(), control), external_.end());
}

void FormLive::noteClientSize()
{
    if (window_)
        lastClientSize_ = window_->size();
}

void FormLive::applyWindowFlags()
{
    if (!window_ || !window_->isWindow())
        return;
    Qt::WindowFlags flags;
    const bool onTop = window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    switch (style.borderStyle) {
    case vbBSNone:
        flags = (style.showInTaskbar ? Qt::Window : Qt::Tool) | Qt::FramelessWindowHint;
        break;
    case vbFixedToolWindow:
    case vbSizableToolWindow:
        flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (style.controlBox)
            flags |= Qt::WindowCloseButtonHint;
        break;
    default: {
        flags = (style.showInTaskbar ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        const bool dialog = style.borderStyle == vbFixedDialog;
        const bool minimize = style.minMaxGiven ? style.minButton : !dialog;
        const bool maximize = style.minMaxGiven ? style.maxButton : !dialog;
        if (style.controlBox) {
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
    if (window_->windowFlags() != flags) {
        const bool wasVisible = window_->isVisible();
        window_->setWindowFlags(flags);
        if (wasVisible)
            window_->show();
    }
}

void FormLive::queryMinMax(bool apply)
{
    if (!window_ || !window_->isWindow() || handle_ == 0 || querying_)
        return;
    querying_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{querying_};
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    MINMAXINFO info;
    info.ptMaxSize = POINT{area.width(), area.height()};
    info.ptMaxPosition = POINT{0, 0};
    const bool framed = style.borderStyle != vbBSNone;
    info.ptMinTrackSize = framed ? POINT{136, 39} : POINT{0, 0};
    info.ptMaxTrackSize = POINT{32767, 32767};
    SendMessageA(handle_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (!window_ || !apply)
        return;
    minimumOuter_ = QSize(std::max(0, static_cast<int>(info.ptMinTrackSize.x)),
                          std::max(0, static_cast<int>(info.ptMinTrackSize.y)));
    maximumOuter_ = QSize(std::clamp(static_cast<int>(info.ptMaxTrackSize.x), 0, QWIDGETSIZE_MAX),
                          std::clamp(static_cast<int>(info.ptMaxTrackSize.y), 0, QWIDGETSIZE_MAX));
    const QSize extra = FrameExtra(window_);
    QSize minimum = (minimumOuter_ - extra).expandedTo(QSize(0, 0));
    QSize maximum = (maximumOuter_ - extra).expandedTo(QSize(0, 0));
    const bool fixed = style.borderStyle == vbFixedSingle || style.borderStyle == vbFixedDialog ||
                       style.borderStyle == vbFixedToolWindow;
    if (fixed) {
        minimum = window_->size();
        maximum = window_->size();
    }
    window_->setMinimumSize(minimum);
    window_->setMaximumSize(maximum.expandedTo(minimum));
    // The window system need not honour the size hints (a bare X server applies whatever size
    // a client asks for), and the limits may have changed: a size outside them is brought
    // inside. Maximized and minimized windows are the window system's to place.
    const QSize current = window_->size();
    const QSize bounded = current.expandedTo(minimum).boundedTo(maximum.expandedTo(minimum));
    if (bounded != current && !(window_->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized |
                                                         Qt::WindowFullScreen)))
        window_->resize(bounded);
}

void FormLive::clientSizeMaybeChanged()
{
    if (!window_)
        return;
    const QSize size = window_->size();
    if (size == lastClientSize_)
        return;
    lastClientSize_ = size;
    if (surface_ && !surface_->layer.isNull())
        surface_->ensureLayer();
    if (!designing_)
        FormLifecycle::raiseResize(form_);
}

}  // namespace qby::detail
