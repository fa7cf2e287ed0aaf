// The widget of every control, which forwards painting and input to the control's loaded part;
// Qt's buttons, modifiers and keys as the runtime's codes; and the click tracker.
#include "platform/forms/Impl.h"
#include "platform/sound/Sound.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

namespace qby::detail {

// ---- buttons and keys -------------------------------------------------------------------

int ButtonOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return vbLeftButton;
    case Qt::RightButton:
        return vbRightButton;
    case Qt::MiddleButton:
        return vbMiddleButton;
    default:
        return 0;
    }
}

int ButtonBits(Qt::MouseButtons buttons)
{
    int bits = 0;
    if (buttons & Qt::LeftButton)
        bits |= vbLeftButton;
    if (buttons & Qt::RightButton)
        bits |= vbRightButton;
    if (buttons & Qt::MiddleButton)
        bits |= vbMiddleButton;
    return bits;
}

int ShiftBits(Qt::KeyboardModifiers modifiers)
{
    int bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= vbShiftMask;
    if (modifiers & Qt::ControlModifier)
        bits |= vbCtrlMask;
    if (modifiers & Qt::AltModifier)
        bits |= vbAltMask;
    return bits;
}

int KeyCodeOf(const QKeyEvent* event)
{
    const int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;  // the same codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return key & 0xFF;
    }
}

// ---- clicks -----------------------------------------------------------------------------

bool ClickTracker::press(int button, QPoint position, std::uint64_t timestamp)
{
    if (button != vbLeftButton)
        return false;
    leftDown_ = true;
    const auto* hints = QGuiApplication::styleHints();
    const std::uint64_t interval = hints ? static_cast<std::uint64_t>(hints->mouseDoubleClickInterval()) : 400;
    const int distance = hints ? hints->mouseDoubleClickDistance() : 5;
    if (haveFirstClick_ && timestamp >= firstPressTime_ && timestamp - firstPressTime_ <= interval &&
        (position - firstPressPosition_).manhattanLength() <= distance) {
        haveFirstClick_ = false;
        inDoubleClick_ = true;
        return true;
    }
    pendingPressTime_ = timestamp;
    pendingPressPosition_ = position;
    return false;
}

bool ClickTracker::release(int button, bool inside)
{
    if (button != vbLeftButton || !leftDown_)
        return false;
    leftDown_ = false;
    if (inDoubleClick_) {
        inDoubleClick_ = false;
        haveFirstClick_ = false;
        return false;
    }
    haveFirstClick_ = true;
    firstPressTime_ = pendingPressTime_;
    firstPressPosition_ = pendingPressPosition_;
    return inside;
}

// ---- the widget -------------------------------------------------------------------------

ControlWidget::ControlWidget(VisualImpl* owner, QWidget* parent) : QWidget(parent), owner(owner) {}

bool ControlWidget::event(QEvent* event)
{
    DispatchScope scope;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonDblClick: {
        event->accept();
        if (owner == nullptr || !owner->enabled || !isEnabled() || Ending())
            return true;
        auto* mouse = static_cast<QMouseEvent*>(event);
        // The second press of a double click comes as a double-click event alone; the click
        // tracker decides what it raises.
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            // The program's sounds are played by clicks: the device gets ready meanwhile.
            PrepareSoundDevice();
            owner->mousePress(mouse);
        } else if (event->type() == QEvent::MouseButtonRelease)
            owner->mouseRelease(mouse);
        else if (event->type() == QEvent::MouseMove)
            owner->mouseMove(mouse);
        return true;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (owner == nullptr || !owner->enabled || !isEnabled() || Ending())
            return QWidget::event(event);
        auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress)
            owner->keyPress(key);
        else
            owner->keyRelease(key);
        event->accept();
        return true;
    }
    default:
        return QWidget::event(event);
    }
}

void ControlWidget::paintEvent(QPaintEvent*)
{
    if (owner == nullptr)
        return;
    QPainter painter(this);
    owner->paint(painter);
}

}  // namespace qby::detail
