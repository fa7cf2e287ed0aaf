// Test helpers: input through the window system, pictures of windows, window state.
#include "platform/forms/Testing.h"
#include "platform/forms/FormLifecycle.h"
#include "platform/forms/FormLive.h"
#include "platform/forms/Impl.h"

#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QCursor>
#include <QFontInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QPixmap>
#include <QWindow>

QT_BEGIN_NAMESPACE
// Delivers a mouse event as the window system would (the same entry QTest uses for windows).
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);
QT_END_NAMESPACE

namespace qby::test {

using detail::Access;
using detail::FormLifecycle;

namespace {

Qt::MouseButtons g_buttons;
int g_timestamp = 100000;

Qt::MouseButton qtButton(int button)
{
    switch (button) {
    case vbRightButton:
        return Qt::RightButton;
    case vbMiddleButton:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

Qt::MouseButtons qtButtons(int bits)
{
    Qt::MouseButtons buttons;
    if (bits & vbLeftButton)
        buttons |= Qt::LeftButton;
    if (bits & vbRightButton)
        buttons |= Qt::RightButton;
    if (bits & vbMiddleButton)
        buttons |= Qt::MiddleButton;
    return buttons;
}

Qt::KeyboardModifiers qtModifiers(int shift)
{
    Qt::KeyboardModifiers modifiers;
    if (shift & vbShiftMask)
        modifiers |= Qt::ShiftModifier;
    if (shift & vbCtrlMask)
        modifiers |= Qt::ControlModifier;
    if (shift & vbAltMask)
        modifiers |= Qt::AltModifier;
    return modifiers;
}

QWidget* formWidget(Form& form)
{
    FormLifecycle::load(form);
    detail::FormLive* live = Access::live(form);
    return live ? live->window() : nullptr;
}

detail::VisualImpl* visualOf(Control& control)
{
    detail::EnsureHostLoaded(control.Host());
    auto* visual = dynamic_cast<detail::VisualImpl*>(Access::implOf(control));
    return visual && !visual->retired ? visual : nullptr;
}

// The global position of a point of a control's client area.
std::optional<QPoint> globalPoint(Control& control, int x, int y)
{
    detail::VisualImpl* visual = visualOf(control);
    if (visual == nullptr || !visual->widget)
        return std::nullopt;
    QPoint origin;
    if (detail::SurfaceImpl* surface = visual->surfaceImpl())
        origin = surface->origin;
    return visual->widget->mapToGlobal(origin + QPoint(x, y));
}

std::optional<QPoint> globalPoint(Form& form, int x, int y)
{
    QWidget* widget = formWidget(form);
    if (widget == nullptr)
        return std::nullopt;
    return widget->mapToGlobal(QPoint(x, y));
}

// The window the window system would deliver a mouse event at this point to.
QWidget* receiverAt(QPoint global)
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        return grabber->window();
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* under = QApplication::topLevelAt(global))
        return under;
    return nullptr;
}

void deliver(QPoint global, QEvent::Type type, Qt::MouseButton button, int shift)
{
    detail::EnsureApplication();
    QCursor::setPos(global);
    QWidget* target = receiverAt(global);
    if (target == nullptr)
        return;
    target->winId();
    QWindow* window = target->windowHandle();
    if (window == nullptr)
        return;
    const QPointF local = window->mapFromGlobal(global);
    qt_handleMouseEvent(window, local, QPointF(global), g_buttons, button, type, qtModifiers(shift), g_timestamp);
}

void press(std::optional<QPoint> global, int button, int shift, int step)
{
    if (!global)
        return;
    g_timestamp += step;
    g_buttons |= qtButton(button);
    deliver(*global, QEvent::MouseButtonPress, qtButton(button), shift);
}

void release(std::optional<QPoint> global, int button, int shift, int step)
{
    if (!global)
        return;
    g_timestamp += step;
    g_buttons &= ~Qt::MouseButtons(qtButton(button));
    deliver(*global, QEvent::MouseButtonRelease, qtButton(button), shift);
}

void move(std::optional<QPoint> global, int buttons)
{
    if (!global)
        return;
    g_timestamp += 1000;
    if (buttons != 0)
        g_buttons = qtButtons(buttons);
    deliver(*global, QEvent::MouseMove, Qt::NoButton, 0);
}

Snapshot toSnapshot(const QImage& source)
{
    Snapshot shot;
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    shot.width = image.width();
    shot.height = image.height();
    shot.rgb.reserve(static_cast<std::size_t>(shot.width) * static_cast<std::size_t>(shot.height));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            shot.rgb.push_back(line[x] & 0xFFFFFF);
    }
    return shot;
}

}  // namespace

std::int64_t Snapshot::Point(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return -1;
    const std::uint32_t value = rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                    static_cast<std::size_t>(x)];
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

Snapshot Grab(Form& form)
{
    QWidget* widget = formWidget(form);
    if (widget == nullptr)
        return {};
    return toSnapshot(widget->grab().toImage());
}

bool WritePng(const Snapshot& shot, const std::string& path)
{
    if (shot.width <= 0 || shot.height <= 0 ||
        shot.rgb.size() != static_cast<std::size_t>(shot.width) * static_cast<std::size_t>(shot.height))
        return false;
    QImage image(shot.width, shot.height, QImage::Format_RGB32);
    for (int y = 0; y < shot.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < shot.width; ++x)
            line[x] = 0xFF000000u | shot.rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(shot.width) +
                                             static_cast<std::size_t>(x)];
    }
    // Quality 0: the strongest compression (PNG is lossless at any).
    return image.save(QString::fromStdString(path), "PNG", 0);
}

Snapshot ReadPng(const std::string& path)
{
    QImage image;
    if (!image.load(QString::fromStdString(path), "PNG"))
        return {};
    return toSnapshot(image);
}

Snapshot Grab(Control& control)
{
    detail::VisualImpl* visual = visualOf(control);
    if (visual == nullptr || !visual->widget)
        return {};
    QWidget* window = visual->widget->window();
    const QRect area(visual->widget->mapTo(window, QPoint(0, 0)), visual->widget->size());
    return toSnapshot(window->grab(area).toImage());
}

ScreenRect RectOnScreen(Form& form)
{
    QWidget* widget = formWidget(form);
    if (widget == nullptr)
        return {};
    const QPoint corner = widget->mapToGlobal(QPoint(0, 0));
    return {corner.x(), corner.y(), widget->width(), widget->height()};
}

ScreenRect RectOnScreen(Control& control)
{
    detail::VisualImpl* visual = visualOf(control);
    if (visual == nullptr || !visual->widget)
        return {};
    const QPoint corner = visual->widget->mapToGlobal(QPoint(0, 0));
    return {corner.x(), corner.y(), visual->widget->width(), visual->widget->height()};
}

void MouseMove(Form& form, int x, int y, int buttons) { move(globalPoint(form, x, y), buttons); }
void MouseMove(Control& control, int x, int y, int buttons) { move(globalPoint(control, x, y), buttons); }
void MouseMoveOnScreen(int x, int y, int buttons) { move(QPoint(x, y), buttons); }
void MousePress(Form& form, int x, int y, int button, int shift) { press(globalPoint(form, x, y), button, shift, 1000); }
void MousePress(Control& control, int x, int y, int button, int shift) { press(globalPoint(control, x, y), button, shift, 1000); }
void MouseRelease(Form& form, int x, int y, int button, int shift) { release(globalPoint(form, x, y), button, shift, 10); }
void MouseRelease(Control& control, int x, int y, int button, int shift) { release(globalPoint(control, x, y), button, shift, 10); }

void MouseClick(Form& form, int x, int y, int button, int shift)
{
    const auto at = globalPoint(form, x, y);
    press(at, button, shift, 1000);
    release(at, button, shift, 10);
}

void MouseClick(Control& control, int x, int y, int button, int shift)
{
    const auto at = globalPoint(control, x, y);
    press(at, button, shift, 1000);
    release(at, button, shift, 10);
}

void MouseDoubleClick(Control& control, int x, int y, int button)
{
    const auto at = globalPoint(control, x, y);
    press(at, button, 0, 1000);
    release(at, button, 0, 10);
    press(at, button, 0, 10);
    release(at, button, 0, 10);
}

void QueueInput(std::function<void()> input)
{
    detail::EnsureApplication();
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(input), Qt::QueuedConnection);
}

void KeyClick(Control& control, int keyCode, int shift)
{
    detail::VisualImpl* visual = visualOf(control);
    if (visual == nullptr || !visual->widget)
        return;
    int key = keyCode;
    QString text;
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9')) {
        text = QString(QChar(keyCode));
        if (keyCode >= 'A' && keyCode <= 'Z' && !(shift & vbShiftMask))
            text = text.toLower();
    } else if (keyCode == 13) {
        key = Qt::Key_Return;
        text = "\r";
    } else if (keyCode == 27) {
        key = Qt::Key_Escape;
    } else if (keyCode == 32) {
        key = Qt::Key_Space;
        text = " ";
    } else if (keyCode >= 37 && keyCode <= 40) {
        key = Qt::Key_Left + (keyCode - 37);
    }
    QKeyEvent down(QEvent::KeyPress, key, qtModifiers(shift), text);
    QCoreApplication::sendEvent(visual->widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, qtModifiers(shift), text);
    if (visual->widget)
        QCoreApplication::sendEvent(visual->widget, &up);
}

void RequestClose(Form& form)
{
    detail::FormLive* live = Access::live(form);
    if (live && live->window())
        live->window()->close();
}

void OnModalShown(std::function<void(Form&)> hook)
{
    detail::g_modalHook = std::move(hook);
}

void OnUnexpectedModal(std::function<void(Form&)> hook)
{
    detail::g_unexpectedModalHook = std::move(hook);
}

void ProcessEvents()
{
    if (QCoreApplication::instance() == nullptr)
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ResetAfterEnd()
{
    detail::SetEnding(false);
}

bool IsShownOnScreen(Form& form)
{
    detail::FormLive* live = Access::live(form);
    return live && live->window() && live->window()->isVisible();
}

bool IsShownOnScreen(Control& control)
{
    auto* visual = dynamic_cast<detail::VisualImpl*>(Access::implOf(control));
    return visual && !visual->retired && visual->widget && visual->widget->isVisible();
}

bool IsTopMost(Form& form)
{
    QWidget* widget = formWidget(form);
    return widget && widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

bool IsInTaskbar(Form& form)
{
    QWidget* widget = formWidget(form);
    return widget && widget->isWindow() && (widget->windowFlags() & Qt::WindowType_Mask) == Qt::Window;
}

bool HasFrame(Form& form)
{
    QWidget* widget = formWidget(form);
    return widget && widget->isWindow() && !widget->windowFlags().testFlag(Qt::FramelessWindowHint);
}

bool IsResizable(Form& form)
{
    QWidget* widget = formWidget(form);
    return widget && widget->minimumSize() != widget->maximumSize();
}

std::string ShownFontFamily(Control& control)
{
    detail::VisualImpl* visual = visualOf(control);
    if (visual == nullptr)
        return std::string();
    return QFontInfo(detail::MakeFont(visual->look.font)).family().toStdString();
}

int ShownPointer(Control& control)
{
    detail::VisualImpl* visual = visualOf(control);
    if (visual == nullptr)
        return vbDefault;
    if (visual->look.mousePointer == vbCustom && visual->look.mouseIcon.IsEmpty())
        return vbDefault;
    return visual->look.mousePointer;
}

bool ScreenPointerInForce()
{
    return QGuiApplication::overrideCursor() != nullptr;
}

namespace {

std::vector<std::uint32_t> PremultipliedPixels(const QImage& image)
{
    const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(premultiplied.constScanLine(y));
        pixels.insert(pixels.end(), row, row + premultiplied.width());
    }
    return pixels;
}

}  // namespace

std::vector<std::uint32_t> PicturePixels(const Picture& picture)
{
    return picture.IsEmpty() ? std::vector<std::uint32_t>() : PremultipliedPixels(picture.data()->image());
}

namespace {

// A reader of the toolkit's for the bytes in the given format; a cursor is read as an icon.
struct ToolkitReader {
    ToolkitReader(const std::vector<unsigned char>& bytes, const char* format)
        : data(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())),
          buffer(&data)
    {
        if (std::string_view(format) == "ico" && data.size() > 2)
            data[2] = 1;
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
        reader.setFormat(format);
        reader.setAutoDetectImageFormat(false);
    }
    QByteArray data;
    QBuffer buffer;
    QImageReader reader;
};

}  // namespace

std::vector<std::uint32_t> ToolkitPixels(const std::vector<unsigned char>& bytes,
                                         const char* format)
{
    ToolkitReader toolkit(bytes, format);
    return PremultipliedPixels(toolkit.reader.read());
}

std::pair<int, int> ToolkitImageSize(const std::vector<unsigned char>& bytes, const char* format)
{
    ToolkitReader toolkit(bytes, format);
    const QSize size = toolkit.reader.size();
    return size.isValid() ? std::pair(size.width(), size.height()) : std::pair(0, 0);
}

std::vector<std::string> PropertyChangedLog(UserControl& control)
{
    auto* uc = dynamic_cast<detail::UserControlImpl*>(Access::implOf(control));
    return uc ? uc->propertyChanged : std::vector<std::string>();
}

}  // namespace qby::test
