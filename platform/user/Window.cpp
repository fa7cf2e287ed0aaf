// Window handles, window procedures, capture and placement over Qt widgets.
#include "platform/user/Window.h"
#include "platform/user/WindowTable.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <unordered_map>
#include <vector>

namespace {

struct WindowEntry {
    QPointer<QWidget> frame;
    QPointer<QWidget> input;
    LONG procedure = 0;
};

struct WindowState {
    HWND nextHandle = 0x100;
    std::unordered_map<HWND, WindowEntry> windows;
    std::vector<WNDPROC> procedures;  // index + kFirstProcedure is the procedure's address
    HWND capture = 0;
};

constexpr LONG kFirstProcedure = 0x10000;

WindowState& state()
{
    // Never destroyed: windows of forms that end at exit still leave it.
    static WindowState& instance = *new WindowState;
    return instance;
}

WindowEntry* find(HWND hWnd)
{
    auto& windows = state().windows;
    auto found = windows.find(hWnd);
    if (found == windows.end() || found->second.frame.isNull())
        return nullptr;
    return &found->second;
}

WNDPROC procedureAt(LONG address)
{
    const auto& procedures = state().procedures;
    const LONG index = address - kFirstProcedure;
    if (index < 0 || index >= static_cast<LONG>(procedures.size()))
        return nullptr;
    return procedures[static_cast<std::size_t>(index)];
}

void setTopMost(QWidget* widget, bool topMost)
{
    if (!widget->isWindow() || widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topMost)
        return;
    const bool wasVisible = widget->isVisible();
    widget->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
    if (wasVisible) {
        const bool noActivate = widget->testAttribute(Qt::WA_ShowWithoutActivating);
        widget->setAttribute(Qt::WA_ShowWithoutActivating, true);
        widget->show();
        widget->setAttribute(Qt::WA_ShowWithoutActivating, noActivate);
    }
}

}  // namespace

namespace qby::detail {

HWND IssueWindowHandle(QWidget* frame, QWidget* input)
{
    auto& s = state();
    const HWND handle = s.nextHandle++;
    s.windows[handle] = WindowEntry{frame, input ? input : frame, AddressOf(DefWindowProcA)};
    return handle;
}

void DestroyWindowHandle(HWND hWnd)
{
    auto& windows = state().windows;
    auto found = windows.find(hWnd);
    if (found == windows.end())
        return;
    // The last message goes through the chain even when the widget is already gone.
    CallWindowProcA(found->second.procedure, hWnd, WM_NCDESTROY, 0, 0);
    if (state().capture == hWnd)
        ReleaseCapture();
    windows.erase(hWnd);
}

QWidget* WindowFrame(HWND hWnd)
{
    WindowEntry* entry = find(hWnd);
    return entry ? entry->frame.data() : nullptr;
}

QWidget* WindowInput(HWND hWnd)
{
    WindowEntry* entry = find(hWnd);
    return entry ? entry->input.data() : nullptr;
}

// Outer size = client size plus the frame around it. Where the window system reports the frame
// the window manager has put around a window (xcb with a window manager: frameGeometry), that
// frame counts. Everywhere else (the offscreen platform, a bare X server without a window
// manager, a window not framed yet) a window with a border gets the layer's own fixed frame:
// 2 pixels of border on every side, a 22-pixel title bar above the client area and a 1-pixel
// shadow along the right and bottom edges, so 5 pixels across and 27 pixels down. The main
// window's 670 x 560 client area is then a 675 x 587 window, inside its size limits of
// 675 x 585 to 675 x 590. Borderless windows (and child widgets) have no frame.
QMargins FrameMargins(QWidget* widget)
{
    if (widget == nullptr || !widget->isWindow())
        return {};
    const Qt::WindowFlags flags = widget->windowFlags();
    const Qt::WindowType type = widget->windowType();
    if (flags.testFlag(Qt::FramelessWindowHint) || type == Qt::Popup || type == Qt::ToolTip ||
        type == Qt::SplashScreen || type == Qt::Desktop)
        return {};
    if (widget->testAttribute(Qt::WA_WState_Created) && QGuiApplication::platformName() == QLatin1String("xcb")) {
        const QRect outer = widget->frameGeometry();
        const QRect inner = widget->geometry();
        if (outer != inner)
            return QMargins(qMax(0, inner.left() - outer.left()), qMax(0, inner.top() - outer.top()),
                            qMax(0, outer.right() - inner.right()), qMax(0, outer.bottom() - inner.bottom()));
    }
    constexpr int kBorder = 2;
    constexpr int kTitleBar = 22;
    constexpr int kShadow = 1;
    return QMargins(kBorder, kBorder + kTitleBar, kBorder + kShadow, kBorder + kShadow);
}

QSize FrameExtra(QWidget* widget)
{
    const QMargins margins = FrameMargins(widget);
    return {margins.left() + margins.right(), margins.top() + margins.bottom()};
}

RECT WidgetScreenRect(QWidget* widget)
{
    RECT rect;
    if (widget == nullptr)
        return rect;
    QRect area;
    if (widget->isWindow()) {
        area = widget->geometry().marginsAdded(FrameMargins(widget));
    } else {
        area = QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    }
    rect.left = area.left();
    rect.top = area.top();
    rect.right = area.left() + area.width();
    rect.bottom = area.top() + area.height();
    return rect;
}

QEvent::Type SizeQueryEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void RenewCapture(HWND hWnd)
{
    if (state().capture != hWnd)
        return;
    if (QWidget* input = WindowInput(hWnd); input && input->isVisible())
        input->grabMouse();
}

}  // namespace qby::detail

BOOL GetWindowRect(HWND hWnd, RECT* rect)
{
    if (rect == nullptr)
        return 0;
    *rect = RECT{};
    QWidget* frame = qby::detail::WindowFrame(hWnd);
    if (frame == nullptr)
        return 0;
    *rect = qby::detail::WidgetScreenRect(frame);
    return 1;
}

BOOL GetCursorPos(POINT* point)
{
    if (point == nullptr)
        return 0;
    const QPoint position = QCursor::pos();
    point->x = position.x();
    point->y = position.y();
    return 1;
}

BOOL SetWindowPos(HWND hWnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    QWidget* frame = qby::detail::WindowFrame(hWnd);
    if (frame == nullptr)
        return 0;
    if (!(flags & SWP_NOSIZE)) {
        if (frame->isWindow()) {
            QEvent query(qby::detail::SizeQueryEvent());
            QCoreApplication::sendEvent(frame, &query);
        }
        const QSize extra = qby::detail::FrameExtra(frame);
        frame->resize(qMax(0, cx - extra.width()), qMax(0, cy - extra.height()));
    }
    if (!(flags & SWP_NOMOVE))
        frame->move(x, y);
    if (!(flags & SWP_NOZORDER)) {
        if (insertAfter == HWND_TOPMOST)
            setTopMost(frame, true);
        else if (insertAfter == HWND_NOTOPMOST)
            setTopMost(frame, false);
        if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST)
            frame->raise();
        else if (insertAfter == HWND_BOTTOM)
            frame->lower();
    }
    if (flags & SWP_HIDEWINDOW) {
        frame->hide();
    } else if (flags & SWP_SHOWWINDOW) {
        const bool noActivate = frame->testAttribute(Qt::WA_ShowWithoutActivating);
        if (flags & SWP_NOACTIVATE)
            frame->setAttribute(Qt::WA_ShowWithoutActivating, true);
        frame->show();
        if (!(flags & SWP_NOACTIVATE) && frame->isWindow())
            frame->activateWindow();
        frame->setAttribute(Qt::WA_ShowWithoutActivating, noActivate);
        qby::detail::RenewCapture(hWnd);
    }
    return 1;
}

BOOL IsWindow(HWND hWnd)
{
    return qby::detail::WindowFrame(hWnd) != nullptr ? 1 : 0;
}

BOOL IsWindowVisible(HWND hWnd)
{
    QWidget* frame = qby::detail::WindowFrame(hWnd);
    return frame != nullptr && frame->isVisible() ? 1 : 0;
}

HWND SetCapture(HWND hWnd)
{
    auto& s = state();
    const HWND previous = s.capture;
    QWidget* input = qby::detail::WindowInput(hWnd);
    if (input == nullptr)
        return previous;
    s.capture = hWnd;
    if (input->isVisible())
        input->grabMouse();
    return previous;
}

BOOL ReleaseCapture()
{
    auto& s = state();
    if (s.capture != 0) {
        QWidget* input = qby::detail::WindowInput(s.capture);
        s.capture = 0;
        if (input != nullptr && QWidget::mouseGrabber() == input)
            input->releaseMouse();
    }
    return 1;
}

HWND GetCapture()
{
    auto& s = state();
    if (s.capture != 0 && qby::detail::WindowFrame(s.capture) == nullptr)
        s.capture = 0;
    return s.capture;
}

LONG AddressOf(WNDPROC procedure)
{
    if (procedure == nullptr)
        return 0;
    auto& procedures = state().procedures;
    for (std::size_t i = 0; i < procedures.size(); ++i) {
        if (procedures[i] == procedure)
            return kFirstProcedure + static_cast<LONG>(i);
    }
    procedures.push_back(procedure);
    return kFirstProcedure + static_cast<LONG>(procedures.size() - 1);
}

LONG GetWindowLongA(HWND hWnd, int index)
{
    WindowEntry* entry = find(hWnd);
    if (entry == nullptr || index != GWL_WNDPROC)
        return 0;
    return entry->procedure;
}

LONG SetWindowLongA(HWND hWnd, int index, LONG newValue)
{
    WindowEntry* entry = find(hWnd);
    if (entry == nullptr || index != GWL_WNDPROC || procedureAt(newValue) == nullptr)
        return 0;
    const LONG previous = entry->procedure;
    entry->procedure = newValue;
    return previous;
}

LRESULT CallWindowProcA(LONG previousProcedure, HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC procedure = procedureAt(previousProcedure);
    if (procedure == nullptr)
        return 0;
    return procedure(hWnd, msg, wParam, lParam);
}

LRESULT SendMessageA(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WindowEntry* entry = find(hWnd);
    if (entry == nullptr)
        return 0;
    return CallWindowProcA(entry->procedure, hWnd, msg, wParam, lParam);
}

LRESULT DefWindowProcA(HWND, UINT, WPARAM, LPARAM)
{
    // The layer does its own handling after the chain has answered (the size query's record
    // keeps whatever the chain left in it); nothing else is handled here.
    return 0;
}
