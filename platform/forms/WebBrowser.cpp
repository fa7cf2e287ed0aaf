// WebBrowser: a pane that shows a picture file (GIF animations play); its members, its loaded
// part (loading, painting) and how a design builds it.
#include "platform/forms/WebBrowser.h"
#include "platform/forms/DesignContext.h"
#include "platform/forms/Impl.h"

#include <QFile>
#include <QMovie>
#include <QPainter>

#include <memory>

namespace qby::detail {

class WebBrowserImpl : public VisualImpl {
public:
    WebBrowserImpl(WebBrowser* proxy, FormLive& live, ContainerNode* container);
    ~WebBrowserImpl() override;
    std::string location;
    QImage still;
    std::unique_ptr<QMovie> movie;
    void navigate(const std::string& path);
    void retire() override;
    void afterCreate() override;
    void paint(QPainter& painter) override;
};

WebBrowserImpl::WebBrowserImpl(WebBrowser* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, true)
{
    look.back = vbWhite;
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
    if (movie)
        movie->stop();
    movie.reset();
    still = QImage();
    QString file = QString::fromStdString(path);
    if (file.startsWith("file://"))
        file = file.mid(7);
    if (QFile::exists(file)) {
        auto animation = std::make_unique<QMovie>(file);
        if (animation->isValid() && animation->frameCount() != 1) {
            QPointer<ControlWidget> target = widget;
            QObject::connect(animation.get(), &QMovie::frameChanged, [target](int) {
                if (target)
                    target->update();
            });
            movie = std::move(animation);
            movie->start();
        } else {
            still = QImage(file);
        }
    }
    if (widget)
        widget->update();
}

void WebBrowserImpl::retire()
{
    if (movie)
        movie->stop();
    VisualImpl::retire();
}

void WebBrowserImpl::paint(QPainter& painter)
{
    painter.fillRect(widget->rect(), ToQColor(look.back));
    const QImage frame = movie ? movie->currentImage() : still;
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
    return w != nullptr && (w->movie != nullptr || !w->still.isNull());
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
