// The platform layer's table of window handles (internal to the platform layer).
#pragma once

#include "platform/user/Window.h"

#include <QEvent>
#include <QMargins>
#include <QPointer>
#include <QWidget>

namespace qby::detail {

// Issues a new handle for a window. frame: the widget whose rectangle is the window's (moved,
// sized and ordered by SetWindowPos); input: the widget that receives its mouse input (the one
// SetCapture grabs). The window starts with DefWindowProcA as its procedure.
HWND IssueWindowHandle(QWidget* frame, QWidget* input);
// Sends WM_NCDESTROY through the window's chain, then forgets the handle (releasing the
// capture when this window held it).
void DestroyWindowHandle(HWND hWnd);
QWidget* WindowFrame(HWND hWnd);
QWidget* WindowInput(HWND hWnd);
// The outer rectangle of a widget in screen pixels.
RECT WidgetScreenRect(QWidget* widget);
// The frame around a top-level widget: the window manager's where the window system reports
// it, else the layer's fixed frame metrics (see Window.cpp); none for borderless windows and
// child widgets. FrameExtra is its total width and height.
QMargins FrameMargins(QWidget* widget);
QSize FrameExtra(QWidget* widget);
// The event SetWindowPos sends a top-level window before sizing it: its form asks the size
// query then, so that the size is limited by the current answer.
QEvent::Type SizeQueryEvent();
// Makes the widget the grab holder again when the capture belongs to it (after it is shown).
void RenewCapture(HWND hWnd);

}  // namespace qby::detail
