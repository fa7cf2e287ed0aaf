// Internals of the form runtime: the loaded part of forms and controls over Qt widgets.
// Only the platform layer includes this header.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Types.h"
#include "platform/forms/UserControl.h"
#include "platform/user/Window.h"

#include <QColor>
#include <QEventLoop>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class QMouseEvent;
class QKeyEvent;
class QPainter;

namespace qby {

namespace detail {

// A picture's image: decoded already, or a JPEG handed to a worker thread to decode. Whoever
// needs the pixels first takes them: it waits for a decode under way, or decodes the bytes
// itself when no worker has begun (or, in a forked child, none is left to finish).
class PictureImage {
public:
    explicit PictureImage(QImage image);
    static std::shared_ptr<PictureImage> Jpeg(QByteArray bytes);
    const QImage& Get();
    void Decode();  // on a worker

private:
    PictureImage() = default;
    const QImage& Finish(QImage image);  // with the lock held
    std::mutex mutex_;
    std::condition_variable decoded_;
    bool ready_ = false;
    bool decoding_ = false;
    QByteArray bytes_;  // until decoded
    QImage image_;
};

}  // namespace detail

struct Picture::Data {
    // The size is known from the start (a JPEG's from its header); the pixels may still be on
    // their way.
    std::shared_ptr<detail::PictureImage> decoded;
    QSize size;
    const QImage& image() const { return decoded->Get(); }
    std::int32_t handle = 0;
    int type = Picture::vbPicTypeBitmap;
    int hotX = 0;
    int hotY = 0;
    bool cursor = false;
};

namespace detail {

inline constexpr double kTwipsPerPixel = 15.0;

// Twips in one unit of a scale mode.
double TwipsPerUnit(int scaleMode, bool vertical);
int TwipsToPixels(double twips);
QColor ToQColor(OLE_COLOR color);
// Creates the application object unless it exists. The toolkit is handed the program's name alone
// (the program reads no command line), so none of the toolkit's own options apply; its
// environment variables (QT_QPA_PLATFORM, DISPLAY, ...) still do.
void EnsureApplication(const char* programName = nullptr);

struct FontSpec {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const FontSpec&) const = default;
};
QFont MakeFont(const FontSpec& spec);

// Colours, font and pointer of a window or control.
struct Look {
    OLE_COLOR back = vbButtonFace;
    OLE_COLOR fore = vbButtonText;
    FontSpec font;
    int mousePointer = vbDefault;
    Picture mouseIcon;
};
QCursor CursorFor(int mousePointer, const Picture& icon, bool* isDefault);
// A frame of the given width in pixels along the inside of area.
void FillFrame(QPainter& painter, const QRect& area, int width, const QColor& color);
// The sunken border of a 3D control (two pixels), or a one-pixel frame.
void PaintBorder(QPainter& painter, const QRect& area, int pixels);

class FormLive;
class FormState;
class DesignContext;
class VisualImpl;
class SurfaceImpl;

// Something controls can lie in: a form's client area, a picture box, a frame or a user
// control's surface.
class ContainerNode {
public:
    virtual ~ContainerNode() = default;
    virtual QWidget* childParent() = 0;
    // Where the container's inner coordinates start, in pixels of childParent().
    virtual QPoint clientOrigin() const { return {0, 0}; }
    virtual int containerScaleMode() const { return vbTwips; }
    double unitTwipsX() const { return TwipsPerUnit(containerScaleMode(), false); }
    double unitTwipsY() const { return TwipsPerUnit(containerScaleMode(), true); }
    // Children in z-order (bottom first); windowless ones always lie below windowed ones.
    std::vector<VisualImpl*> children;
    void restack();
    // The container as a control (null for a form's client area).
    virtual VisualImpl* asControl() { return nullptr; }
};

// The drawing surface of a form, picture box or user control.
class SurfaceImpl {
public:
    SurfaceImpl(Look& look, QWidget* widget) : look(look), widget(widget) {}
    Look& look;
    class SurfaceControlImpl* owner = nullptr;  // the picture box or user control (null for a form)
    QPointer<QWidget> widget;  // the widget that shows the surface
    QPoint origin{0, 0};       // where the client area starts in the widget (inside a border)
    Picture picture;
    QImage layer;  // what DrawLine and Print drew; transparent elsewhere
    int scaleMode = vbTwips;
    double currentX = 0;  // twips
    double currentY = 0;  // without the lines below
    // Lines printed while nothing is kept (AutoRedraw off) move CurrentY down by their height,
    // measured only when CurrentY is next needed: printing an empty caption does not load a font.
    int unmeasuredLines = 0;
    FontSpec unmeasuredFont;
    void measureLines();
    int drawWidth = 1;
    bool autoRedraw = false;  // False: what is drawn is not kept (lost at the next repaint)
    HWND hwnd = 0;

    QSize clientPixels() const;
    double unitTwipsX() const { return TwipsPerUnit(scaleMode, false); }
    double unitTwipsY() const { return TwipsPerUnit(scaleMode, true); }
    void paint(QPainter& painter) const;  // background, picture, drawing
    void ensureLayer();
    void cls();
    void drawLine(double x1, double y1, double x2, double y2, OLE_COLOR color, int options);
    void print(const std::string& text);
    std::int64_t point(double x, double y) const;
    void update();
};

class ControlImpl {
public:
    ControlImpl(Control* proxy, FormLive& live) : proxy(proxy), live(live) {}
    virtual ~ControlImpl() = default;
    ControlImpl(const ControlImpl&) = delete;
    ControlImpl& operator=(const ControlImpl&) = delete;

    Control* proxy;
    FormLive& live;
    std::string tag;
    bool retired = false;

    // Stops timers and detaches widgets; the object is freed later.
    virtual void retire() { retired = true; }
    virtual HWND hwnd() const { return 0; }
};

class ControlWidget;

// Converts Qt's buttons and modifiers to the runtime's bits.
int ButtonBits(Qt::MouseButtons buttons);
int ButtonOf(Qt::MouseButton button);
int ShiftBits(Qt::KeyboardModifiers modifiers);
int KeyCodeOf(const QKeyEvent* event);

// Tells presses, double clicks and clicks apart the way the program expects: the second press
// of a double click raises DblClick instead of MouseDown, and a left release over the control
// after a left press on it raises Click (not after a double click).
class ClickTracker {
public:
    // True when this press completes a double click.
    bool press(int button, QPoint position, std::uint64_t timestamp);
    // True when the release makes a click.
    bool release(int button, bool inside);

private:
    bool leftDown_ = false;
    bool inDoubleClick_ = false;
    bool haveFirstClick_ = false;
    std::uint64_t firstPressTime_ = 0;
    std::uint64_t pendingPressTime_ = 0;
    QPoint firstPressPosition_;
    QPoint pendingPressPosition_;
};

class VisualImpl : public ControlImpl {
public:
    VisualImpl(Control* proxy, FormLive& live, ContainerNode* container, bool windowed);
    ~VisualImpl() override;

    ContainerNode* container;
    const bool windowed;
    double left = 0;  // twips, relative to the container's client area
    double top = 0;
    double width = 1200;
    double height = 1200;
    bool visible = true;
    bool enabled = true;
    std::string toolTip;
    Look look;
    QPointer<ControlWidget> widget;
    HWND handle = 0;

    void create();  // makes the widget inside the container
    virtual void afterCreate() {}
    void retire() override;
    HWND hwnd() const override { return handle; }

    // Geometry in the container's units.
    double unitLeft() const { return left / container->unitTwipsX(); }
    double unitTop() const { return top / container->unitTwipsY(); }
    double unitWidth() const { return width / container->unitTwipsX(); }
    double unitHeight() const { return height / container->unitTwipsY(); }
    void setGeometryTwips(double newLeft, double newTop, double newWidth, double newHeight);
    void setUnitGeometry(std::optional<double> l, std::optional<double> t,
                         std::optional<double> w, std::optional<double> h);
    QRect pixelRect() const;
    void applyGeometry();
    void setVisible(bool value);
    void setEnabled(bool value);
    void setToolTip(const std::string& text);
    void applyCursor();
    void applyLook();  // font and colours changed
    void zorder(int position);
    bool mouseTransparent() const;  // windowless and disabled, or no input at all

    // Kind-specific behaviour.
    virtual void paint(QPainter& painter);
    virtual void sizeChanged(bool byDesignOrCode) { (void)byDesignOrCode; }
    virtual void lookChanged() {}
    virtual bool takesInput() const { return true; }
    // Controls that have no appearance at run time keep their window hidden.
    virtual bool hiddenAtRunTime() const { return false; }
    virtual SurfaceImpl* surfaceImpl() { return nullptr; }

    // Input: positions in pixels of the widget.
    void mousePress(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);
    virtual void keyPress(QKeyEvent* event) { (void)event; }
    virtual void keyRelease(QKeyEvent* event) { (void)event; }

    // Raising the kind's mouse events (X and Y already converted).
    virtual void raiseMouseDown(int button, int shift, float x, float y) { (void)button, (void)shift, (void)x, (void)y; }
    virtual void raiseMouseMove(int button, int shift, float x, float y) { (void)button, (void)shift, (void)x, (void)y; }
    virtual void raiseMouseUp(int button, int shift, float x, float y) { (void)button, (void)shift, (void)x, (void)y; }
    virtual void raiseClick() {}
    virtual void raiseDblClick() {}
    // Converts widget pixels to the units of the events' X and Y.
    virtual QPointF eventUnits(QPointF pixels) const;

private:
    ClickTracker clicks_;
};

// The widget of every control; forwards painting and input to its control.
class ControlWidget : public QWidget {
public:
    ControlWidget(VisualImpl* owner, QWidget* parent);
    VisualImpl* owner = nullptr;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// The loaded part as the given kind's, or null when there is none or it is retired.
template <class T>
T* KindOf(ControlImpl* impl)
{
    auto* typed = dynamic_cast<T*>(impl);
    return typed && !typed->retired ? typed : nullptr;
}

// A control with a drawing surface that holds other controls: picture boxes and user controls.
class SurfaceControlImpl : public VisualImpl, public ContainerNode {
public:
    SurfaceControlImpl(Control* proxy, FormLive& live, ContainerNode* container, int borderStyle);

    std::unique_ptr<SurfaceImpl> surface;
    int borderStyle;
    int appearance = vbAppearance3D;

    int borderPixels() const;
    void afterCreate() override;
    void updateOrigin();  // after a change of border
    // The surface's background picture (DrawingSurface::Picture).
    virtual void setPicture(const Picture& picture);
    void paint(QPainter& painter) override;
    SurfaceImpl* surfaceImpl() override { return surface.get(); }
    QPointF eventUnits(QPointF pixels) const override;

    QWidget* childParent() override;
    QPoint clientOrigin() const override;
    int containerScaleMode() const override { return surface->scaleMode; }
    VisualImpl* asControl() override { return this; }
};

// The loaded part of a user control: its surface and the state of its own events.
class UserControlImpl : public SurfaceControlImpl {
public:
    UserControlImpl(UserControl* proxy, FormLive& live, ContainerNode* container);
    UserControl* control() const { return static_cast<UserControl*>(proxy); }

    bool invisibleAtRuntime = false;
    std::vector<std::string> propertyChanged;
    int resizeDepth = 0;
    // False until UserControl_Initialize has run: sizes given by the control's own design come
    // before its constituents exist and raise no UserControl_Resize.
    bool initialized = false;

    void sizeChanged(bool byDesignOrCode) override;
    bool hiddenAtRunTime() const override;

    void raiseMouseDown(int b, int s, float x, float y) override;
    void raiseMouseMove(int b, int s, float x, float y) override;
    void raiseMouseUp(int b, int s, float x, float y) override;
    void raiseClick() override;
    void raiseDblClick() override;
};

// The runtime's way into the private parts of the public classes: the loaded parts of forms and
// controls, a host's design, and the handlers of forms and user controls.
class Access {
public:
    static FormState& state(Form& form);
    static FormLive* live(Form& form);
    static bool isMdiFrame(const Form& form) { return form.isMdiFrame(); }
    static void bind(Control& control, ControlImpl* impl) { control.impl_ = impl; }
    static ControlImpl* implOf(const Control& control) { return control.impl_; }
    static std::vector<Control*>& controls(ControlHost& host) { return host.controls_; }
    static void layout(ControlHost& host, Design& design) { host.Layout(design); }
    static void buildDefault(Control& control, DesignContext& context) { control.buildDefault(context); }
    static void site(UserControl& control, ControlHost* host, const std::string& name, int index);
    static std::unique_ptr<UserControl>& externalObject(ExternalControl& control) { return control.object_; }

    // Handlers of forms, called as they stand (the form's life decides when they may run).
    static void formLoad(Form& form) { form.Form_Load(); }
    static void formQueryUnload(Form& form, int& cancel, int mode) { form.Form_QueryUnload(cancel, mode); }
    static void formUnload(Form& form, int& cancel) { form.Form_Unload(cancel); }
    static void formActivate(Form& form) { form.Form_Activate(); }
    static void formResize(Form& form) { form.Form_Resize(); }
    static void formMouse(Form& form, int kind, int button, int shift, float x, float y);
    static void formClick(Form& form, bool doubleClick);

    // Handlers of user controls (each one guarded: not once the control is gone or the program
    // is ending).
    static void ucInitialize(UserControl& control);
    static void ucInitProperties(UserControl& control);
    static void ucReadProperties(UserControl& control, PropertyBag& bag);
    static void ucWriteProperties(UserControl& control, PropertyBag& bag);
    static void ucResize(UserControl& control);
    static void ucTerminate(UserControl& control);
    static void ucMouse(UserControl& control, int kind, int button, int shift, float x, float y);
    static void ucClick(UserControl& control, bool doubleClick);
};

// The runtime's process state.
bool Ending();
void SetEnding(bool value);
int DispatchDepth();
// Reports a call the program must never make (see SetProgrammingErrorHandler).
void ReportProgrammingError(const std::string& description);
void Retire(std::unique_ptr<FormLive> live);
void RetireControl(std::unique_ptr<UserControl> control);
void QuitMainLoopIfIdle();
void RegisterForm(Form* form);
void UnregisterForm(Form* form);
MDIForm* TheMdiForm();
extern std::function<void(Form&)> g_modalHook;
extern std::function<void(Form&)> g_unexpectedModalHook;  // when g_modalHook is not set

// The loaded part of a timer; a control may keep one for itself (onTick).
class TimerImpl : public ControlImpl {
public:
    TimerImpl(Control* proxy, FormLive& live);
    ~TimerImpl() override;
    bool enabled = true;
    int interval = 0;
    void restart();  // stops and, when enabled with an interval, starts the full interval
    void stop();
    void retire() override;
    void fire();
    // When set, a tick calls this instead of raising the Timer control's event (a timer that
    // a control keeps for itself, such as the frames of an animation).
    std::function<void()> onTick;
    // On the test clock.
    std::int64_t due = 0;
    std::uint64_t order = 0;
    bool onTestClock = false;
    std::unique_ptr<QTimer> realTimer;
};
void ClockSchedule(TimerImpl* timer);
void ClockCancel(TimerImpl* timer);

}  // namespace detail
}  // namespace qby
