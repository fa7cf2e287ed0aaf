// WebBrowser: a pane that shows a picture file (GIF animations play once); its members, its loaded
// part (loading, painting) and how a design builds it.
#include "platform/forms/WebBrowser.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/Impl.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <memory>

namespace qby::detail {

// Shows a picture file; an animated one plays its frames once, on the runtime's clock, and
// stays on its last frame.
class WebBrowserImpl : public VisualImpl {
public:
    WebBrowserImpl(WebBrowser* proxy, FormLive& live, ContainerNode* container);
    ~WebBrowserImpl() override;
    std::string location;
    QImage frame;                          // what the pane shows; null for nothing
    std::unique_ptr<QImageReader> frames;  // the frames still to come of an animation
    TimerImpl frameTimer;
    void navigate(const std::string& path);
    void scheduleNextFrame();
    void showNextFrame();
    void retire() override;
    void afterCreate() override;
    void paint(QPainter& painter) override;
};

WebBrowserImpl::WebBrowserImpl(WebBrowser* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, true), frameTimer(proxy, live)
{
    look.back = vbWhite;
    frameTimer.enabled = false;
    frameTimer.onTick = [this] { showNextFrame(); };
}

WebBrowserImpl::~WebBrowserImpl() = default;

void WebBrowserImpl::afterCreate()
{
    if (widget)
        widget->setFocusPolicy(Qt::NoFocus);
}

void WebBrowserImpl::navigate(const std::string& path)
{
    location = path;
    frameTimer.enabled = false;
    frameTimer.stop();
    frames.reset();
    frame = QImage();
    QString file = QString::fromStdString(path);
    if (file.startsWith("file://"))
        file = file.mid(7);
    if (QFile::exists(file)) {
        frames = std::make_unique<QImageReader>(file);
        frame = frames->read();
        scheduleNextFrame();
    }
    if (widget)
        widget->update();
}

// Schedules the frame after the one shown, or, when there is none, ends the animation on the
// frame shown. A frame delay of 10 ms or less is taken as 100 ms, as browsers take it.
void WebBrowserImpl::scheduleNextFrame()
{
    if (!frames || frame.isNull() || !frames->canRead()) {
        frameTimer.enabled = false;
        frameTimer.stop();
        frames.reset();
        return;
    }
    const int delay = frames->nextImageDelay();
    frameTimer.interval = delay > 10 ? delay : 100;
    frameTimer.enabled = true;
    frameTimer.restart();
}

void WebBrowserImpl::showNextFrame()
{
    const QImage next = frames ? frames->read() : QImage();
    if (next.isNull()) {
        frames.reset();
        scheduleNextFrame();
        return;
    }
    frame = next;
    if (widget)
        widget->update();
    scheduleNextFrame();
}

void WebBrowserImpl::retire()
{
    frameTimer.retire();
    VisualImpl::retire();
}

void WebBrowserImpl::paint(QPainter& painter)
{
    painter.fillRect(widget->rect(), ToQColor(look.back));
    if (frame.isNull())
        return;
    const QRect area = widget->rect();
    const QPoint corner((area.width() - frame.width()) / 2, (area.height() - frame.height()) / 2);
    painter.drawImage(corner, frame);
}

}  // namespace qby::detail

namespace qby {

using detail::DispatchScope;

WebBrowser::WebBrowser(ControlHost* host, std::string name, int index)
    : VisualControl(host, std::move(name), index)
{
}

void WebBrowser::Navigate2(const std::string& path)
{
    DispatchScope scope;
    if (auto* w = detail::KindOf<detail::WebBrowserImpl>(impl()))
        w->navigate(path);
}

std::string WebBrowser::LocationURL()
{
    DispatchScope scope;
    auto* w = detail::KindOf<detail::WebBrowserImpl>(impl());
    return w ? w->location : std::string();
}

bool WebBrowser::ShowsPicture()
{
    DispatchScope scope;
    auto* w = detail::KindOf<detail::WebBrowserImpl>(impl());
    return w != nullptr && !w->frame.isNull();
}

void WebBrowser::build(detail::DesignContext& context, const Props& p)
{
    detail::ContainerNode* container = detail::ContainerOf(context, p.Container);
    auto* impl = detail::Adopt(context, std::make_unique<detail::WebBrowserImpl>(this, context.live, container),
                               *this);
    detail::ApplyCommon(*impl, p);
    detail::Finish(*impl);
}

}  // namespace qby
