// Process-wide services of the form runtime: the application object, fonts, colours, units,
// the message loop, DoEvents, End, the Screen object and the freeing of unloaded windows.
#include "platform/forms/Runtime.h"
#include "platform/forms/BackgroundWork.h"
#include "platform/forms/FormLifecycle.h"
#include "platform/forms/FormLive.h"
#include "platform/forms/Impl.h"
#include "platform/forms/StartupWarmup.h"

#include <QApplication>
#include <QCursor>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <exception>
#include <list>
#include <map>
#include <mutex>

namespace qby {

ScreenObject Screen;

namespace detail {

std::function<void(Form&)> g_modalHook;
std::function<void(Form&)> g_unexpectedModalHook;

namespace {

ProgrammingErrorHandler& programmingErrorHandler()
{
    static ProgrammingErrorHandler& handler = *new ProgrammingErrorHandler;
    return handler;
}

bool g_ending = false;
int g_depth = 0;
bool g_flushing = false;
QEventLoop* g_mainLoop = nullptr;
// Windows unloaded while handlers were running, freed once every handler has returned.
// Never destroyed: forms that end at exit still pass through it.
struct Graveyard {
    std::vector<std::unique_ptr<FormLive>> forms;
    std::vector<std::unique_ptr<UserControl>> controls;
};

Graveyard& graveyard()
{
    static Graveyard& dead = *new Graveyard;
    return dead;
}
int g_screenPointer = vbDefault;
Picture g_screenIcon;
int g_overrideCount = 0;
bool g_screenPointerPosted = false;

bool AnyWindowOnScreen()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) { return window->isVisible(); });
}

// Puts the screen's pointer in force over every window of the program.
void ApplyScreenPointer()
{
    bool isDefault = false;
    QCursor cursor = CursorFor(g_screenPointer, g_screenIcon, &isDefault);
    if (g_screenPointer != vbDefault && !isDefault) {
        QGuiApplication::setOverrideCursor(cursor);
        ++g_overrideCount;
    }
}

std::vector<Form*>& forms()
{
    // Never destroyed: default instances of forms leave it at exit.
    static std::vector<Form*>& all = *new std::vector<Form*>;
    return all;
}

// The offscreen platform reports every window operation it cannot carry out (raising,
// size hints); those reports say nothing about the program and are left out.
QtMessageHandler g_previousHandler = nullptr;

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (g_previousHandler != nullptr)
        g_previousHandler(type, context, message);
    else
        qt_message_output(type, context, message);
}

void installFontSubstitutions()
{
    static bool filtering = false;
    if (!filtering) {
        filtering = true;
        g_previousHandler = qInstallMessageHandler(filterMessages);
    }
    const QStringList latin{"Comic Neue", "DejaVu Sans", "NanumGothic"};
    const QStringList plain{"DejaVu Sans", "NanumGothic"};
    QFont::insertSubstitutions("Comic Sans MS", latin);
    QFont::insertSubstitutions("Tahoma", plain);
    QFont::insertSubstitutions("MS Sans Serif", plain);
}

void flushGraveyard()
{
    if (g_flushing)
        return;
    g_flushing = true;
    Graveyard& dead = graveyard();
    while (!dead.forms.empty() || !dead.controls.empty()) {
        auto deadForms = std::move(dead.forms);
        auto deadControls = std::move(dead.controls);
        dead.forms.clear();
        dead.controls.clear();
        deadControls.clear();
        deadForms.clear();
    }
    g_flushing = false;
}

}  // namespace

void ReportProgrammingError(const std::string& description)
{
    if (ProgrammingErrorHandler handler = programmingErrorHandler()) {
        RunHandler([&] { handler(description); });
        return;
    }
    qWarning("Programming error: %s", description.c_str());
    assert(false && "a call the program must never make (see the warning above)");
}

void EnsureApplication(const char* programName)
{
    if (QCoreApplication::instance() != nullptr)
        return;
    // The toolkit keeps the argument vector for as long as the application object lives.
    static std::string name;
    static char* argv[2] = {nullptr, nullptr};
    static int argc = 1;
    name = programName != nullptr && *programName != '\0' ? programName : "quillby";
    argv[0] = name.data();
    argc = 1;
    new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    StartSessionBusConnection();
}

double TwipsPerUnit(int scaleMode, bool vertical)
{
    switch (scaleMode) {
    case vbPoints:
        return 20.0;
    case vbPixels:
        return kTwipsPerPixel;
    case vbCharacters:
        return vertical ? 240.0 : 120.0;
    case vbInches:
        return 1440.0;
    case vbMillimeters:
        return 1440.0 / 25.4;
    case vbCentimeters:
        return 1440.0 / 2.54;
    case vbHimetric:
        return 1440.0 / 2540.0;
    default:
        return 1.0;
    }
}

int TwipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QColor ToQColor(OLE_COLOR color)
{
    const std::uint32_t rgb = ColorToRgb(color);
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

namespace {

// The family to ask the toolkit for: the one named when the system has it, else the first of its
// substitutes that the system has. Asked for an absent family, the toolkit would come to the same
// font only after asking fontconfig for stand-ins of that family, for each new size and style.
QString PresentFamily(const std::string& name)
{
    // Never destroyed: fonts are made until the very end.
    static std::mutex& mutex = *new std::mutex;
    static auto& known = *new std::map<std::string, QString>;
    std::lock_guard lock(mutex);
    if (auto it = known.find(name); it != known.end())
        return it->second;
    const QString named = QString::fromStdString(name);
    QString chosen = named;
    for (const QString& family : QStringList{named} + QFont::substitutes(named)) {
        if (!QFontDatabase::styles(family).isEmpty()) {  // a family the system has
            chosen = family;
            break;
        }
    }
    known.emplace(name, chosen);
    return chosen;
}

}  // namespace

QFont MakeFont(const FontSpec& spec)
{
    FinishFontConfigurationLoad();
    QFont font(PresentFamily(spec.name));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(spec.size * 96.0 / 72.0))));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    return font;
}

namespace {

// One cursor per image and hot spot: every picture button shows the same pointer, and copies of a
// QCursor share one cursor of the window system. The last few are kept (used on the user-interface
// thread only).
QCursor CustomCursor(const Picture::Data& data)
{
    struct Made {
        qint64 image;
        int hotX;
        int hotY;
        QCursor cursor;
    };
    static auto& made = *new std::list<Made>;  // never destroyed: cursors outlive statics
    constexpr std::size_t kKept = 8;
    const qint64 image = data.image().cacheKey();
    for (auto it = made.begin(); it != made.end(); ++it) {
        if (it->image == image && it->hotX == data.hotX && it->hotY == data.hotY) {
            made.splice(made.begin(), made, it);
            return it->cursor;
        }
    }
    made.push_front({image, data.hotX, data.hotY, QCursor(QPixmap::fromImage(data.image()), data.hotX, data.hotY)});
    if (made.size() > kKept)
        made.pop_back();
    return made.front().cursor;
}

}  // namespace

QCursor CursorFor(int mousePointer, const Picture& icon, bool* isDefault)
{
    if (isDefault)
        *isDefault = false;
    switch (mousePointer) {
    case vbArrow:
        return QCursor(Qt::ArrowCursor);
    case vbCrosshair:
        return QCursor(Qt::CrossCursor);
    case vbIbeam:
        return QCursor(Qt::IBeamCursor);
    case vbSizeAll:
        return QCursor(Qt::SizeAllCursor);
    case vbSizeNESW:
        return QCursor(Qt::SizeBDiagCursor);
    case vbSizeNS:
        return QCursor(Qt::SizeVerCursor);
    case vbSizeNWSE:
        return QCursor(Qt::SizeFDiagCursor);
    case vbSizeWE:
        return QCursor(Qt::SizeHorCursor);
    case vbUpArrow:
        return QCursor(Qt::UpArrowCursor);
    case vbHourglass:
        return QCursor(Qt::WaitCursor);
    case vbNoDrop:
        return QCursor(Qt::ForbiddenCursor);
    case vbArrowHourglass:
        return QCursor(Qt::BusyCursor);
    case vbArrowQuestion:
        return QCursor(Qt::WhatsThisCursor);
    case vbCustom:
        if (const Picture::Data* data = icon.data(); data && !data->image().isNull())
            return CustomCursor(*data);
        break;
    default:
        break;
    }
    if (isDefault)
        *isDefault = true;
    return QCursor(Qt::ArrowCursor);
}

bool Ending()
{
    return g_ending;
}

void SetEnding(bool value)
{
    g_ending = value;
}

int DispatchDepth()
{
    return g_depth;
}

void Retire(std::unique_ptr<FormLive> live)
{
    if (live)
        graveyard().forms.push_back(std::move(live));
    if (g_depth == 0)
        flushGraveyard();
}

void RetireControl(std::unique_ptr<UserControl> control)
{
    if (control)
        graveyard().controls.push_back(std::move(control));
    if (g_depth == 0)
        flushGraveyard();
}

void QuitMainLoopIfIdle()
{
    if (g_mainLoop != nullptr && LoadedForms().empty())
        g_mainLoop->quit();
}

void RegisterForm(Form* form)
{
    forms().push_back(form);
}

void UnregisterForm(Form* form)
{
    auto& all = forms();
    all.erase(std::remove(all.begin(), all.end(), form), all.end());
}

MDIForm* TheMdiForm()
{
    for (Form* form : forms()) {
        if (auto* frame = dynamic_cast<MDIForm*>(form))
            return frame;
    }
    return nullptr;
}

bool EventsAllowed(const Control* owner)
{
    if (owner == nullptr || g_ending)
        return false;
    ControlImpl* impl = Access::implOf(*owner);
    return impl != nullptr && !impl->retired && !impl->live.designing();
}

DispatchScope::DispatchScope()
{
    ++g_depth;
}

DispatchScope::~DispatchScope()
{
    if (--g_depth == 0)
        flushGraveyard();
}

void RunHandler(const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception&) {
        // A failing handler ends where it failed; the runtime goes on.
    } catch (...) {
    }
}

void EnsureHostLoaded(ControlHost* host)
{
    if (host != nullptr)
        host->EnsureLoaded();
}

}  // namespace detail

std::uint32_t ColorToRgb(OLE_COLOR color)
{
    if ((color & 0x80000000u) == 0) {
        const std::uint32_t red = color & 0xFF;
        const std::uint32_t green = (color >> 8) & 0xFF;
        const std::uint32_t blue = (color >> 16) & 0xFF;
        return (red << 16) | (green << 8) | blue;
    }
    QPalette palette = QCoreApplication::instance() ? QGuiApplication::palette() : QPalette();
    QColor mapped;
    switch (color & 0xFF) {
    case 0x00: mapped = palette.color(QPalette::Button); break;
    case 0x01: mapped = palette.color(QPalette::Window); break;
    case 0x02: mapped = palette.color(QPalette::Highlight); break;
    case 0x03: mapped = palette.color(QPalette::Mid); break;
    case 0x04: mapped = palette.color(QPalette::Window); break;
    case 0x05: mapped = palette.color(QPalette::Base); break;
    case 0x06: mapped = palette.color(QPalette::Shadow); break;
    case 0x07: mapped = palette.color(QPalette::WindowText); break;
    case 0x08: mapped = palette.color(QPalette::Text); break;
    case 0x09: mapped = palette.color(QPalette::HighlightedText); break;
    case 0x0A:
    case 0x0B: mapped = palette.color(QPalette::Button); break;
    case 0x0C: mapped = palette.color(QPalette::Dark); break;
    case 0x0D: mapped = palette.color(QPalette::Highlight); break;
    case 0x0E: mapped = palette.color(QPalette::HighlightedText); break;
    case 0x0F: mapped = palette.color(QPalette::Button); break;
    case 0x10: mapped = palette.color(QPalette::Dark); break;
    case 0x11: mapped = palette.color(QPalette::Disabled, QPalette::Text); break;
    case 0x12: mapped = palette.color(QPalette::ButtonText); break;
    case 0x13: mapped = palette.color(QPalette::Disabled, QPalette::WindowText); break;
    case 0x14: mapped = palette.color(QPalette::Light); break;
    case 0x15: mapped = palette.color(QPalette::Shadow); break;
    case 0x16: mapped = palette.color(QPalette::Midlight); break;
    case 0x17: mapped = palette.color(QPalette::ToolTipText); break;
    case 0x18: mapped = palette.color(QPalette::ToolTipBase); break;
    default: mapped = palette.color(QPalette::Window); break;
    }
    return (static_cast<std::uint32_t>(mapped.red()) << 16) |
           (static_cast<std::uint32_t>(mapped.green()) << 8) |
           static_cast<std::uint32_t>(mapped.blue());
}

void PrepareProcessEnvironment()
{
    detail::DisableHopelessSessionBusLaunch("/usr/bin/dbus-launch");
}

void RuntimeStart(int& argc, char** argv)
{
    if (QCoreApplication::instance() == nullptr)
        detail::StartFontConfigurationLoad();
    detail::EnsureApplication(argc > 0 && argv != nullptr ? argv[0] : nullptr);
}

void RuntimeStop()
{
    detail::WaitForBackgroundWork();
    for (Form* form : LoadedForms())
        detail::FormLifecycle::destroy(*form, false);
    detail::flushGraveyard();
    if (QCoreApplication* app = QCoreApplication::instance()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete app;
    }
}

void RunMessageLoop()
{
    detail::EnsureApplication();
    if (detail::g_ending || LoadedForms().empty())
        return;
    QEventLoop loop;
    QEventLoop* outer = detail::g_mainLoop;
    detail::g_mainLoop = &loop;
    loop.exec();
    detail::g_mainLoop = outer;
}

void DoEvents()
{
    if (QCoreApplication::instance() == nullptr)
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void End()
{
    if (detail::g_ending)
        return;
    detail::g_ending = true;
    for (Form* form : AllForms()) {
        auto& state = detail::Access::state(*form);
        if (state.modalLoop != nullptr)
            state.modalLoop->quit();
    }
    for (Form* form : LoadedForms())
        detail::FormLifecycle::destroy(*form, false);
    if (detail::g_mainLoop != nullptr)
        detail::g_mainLoop->quit();
    if (QGuiApplication::overrideCursor() != nullptr) {
        while (QGuiApplication::overrideCursor() != nullptr)
            QGuiApplication::restoreOverrideCursor();
        detail::g_overrideCount = 0;
    }
}

bool IsEnding()
{
    return detail::g_ending;
}

void SetProgrammingErrorHandler(ProgrammingErrorHandler handler)
{
    detail::programmingErrorHandler() = std::move(handler);
}

std::vector<Form*> AllForms()
{
    return detail::forms();
}

std::vector<Form*> LoadedForms()
{
    std::vector<Form*> loaded;
    for (Form* form : detail::forms()) {
        if (form->IsLoaded())
            loaded.push_back(form);
    }
    return loaded;
}

double ScreenObject::Width() const
{
    detail::EnsureApplication();
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() * detail::kTwipsPerPixel : 0.0;
}

double ScreenObject::Height() const
{
    detail::EnsureApplication();
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() * detail::kTwipsPerPixel : 0.0;
}

int ScreenObject::MousePointer() const
{
    return detail::g_screenPointer;
}

void ScreenObject::MousePointer(int value)
{
    detail::EnsureApplication();
    detail::g_screenPointer = value;
    while (detail::g_overrideCount > 0) {
        QGuiApplication::restoreOverrideCursor();
        --detail::g_overrideCount;
    }
    if (value == vbDefault)
        return;
    // While none of the program's windows is on the screen the pointer shows nowhere: it is put
    // in force when the program next waits for input, over the windows that have appeared by
    // then. A pointer set and set back in one go meanwhile (the hourglass while the main window
    // is built) never makes the window system load a cursor.
    if (!detail::AnyWindowOnScreen()) {
        if (!detail::g_screenPointerPosted) {
            detail::g_screenPointerPosted = true;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    detail::g_screenPointerPosted = false;
                    if (detail::g_overrideCount == 0 && !detail::g_ending)
                        detail::ApplyScreenPointer();
                },
                Qt::QueuedConnection);
        }
        return;
    }
    detail::ApplyScreenPointer();
}

Picture ScreenObject::MouseIcon() const
{
    return detail::g_screenIcon;
}

void ScreenObject::MouseIcon(const Picture& value)
{
    detail::g_screenIcon = value;
    if (detail::g_screenPointer == vbCustom)
        MousePointer(vbCustom);
}

}  // namespace qby
