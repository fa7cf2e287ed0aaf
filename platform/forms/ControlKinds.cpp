// Painting, sizing and events of each kind of control.
#include "platform/forms/ControlKinds.h"
#include "platform/user/WindowTable.h"

#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>

namespace qby::detail {

namespace {

// The sunken border of a 3D picture box, or a one-pixel frame.
void paintBorder(QPainter& painter, const QRect& area, int pixels)
{
    if (pixels <= 0 || area.width() <= 0 || area.height() <= 0)
        return;
    if (pixels == 1) {
        painter.setPen(ToQColor(vbWindowFrame));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        return;
    }
    const QColor shadow = ToQColor(vbButtonShadow);
    const QColor dark = ToQColor(vb3DDKShadow);
    const QColor light = ToQColor(vb3DLight);
    const QColor highlight = ToQColor(vb3DHighlight);
    const QRect r = area.adjusted(0, 0, -1, -1);
    painter.setPen(shadow);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(highlight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    const QRect inner = r.adjusted(1, 1, -1, -1);
    painter.setPen(dark);
    painter.drawLine(inner.topLeft(), inner.topRight());
    painter.drawLine(inner.topLeft(), inner.bottomLeft());
    painter.setPen(light);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}

QPointF surfaceUnits(const SurfaceImpl& surface, QPointF pixels)
{
    return QPointF((pixels.x() - surface.origin.x()) * kTwipsPerPixel / surface.unitTwipsX(),
                   (pixels.y() - surface.origin.y()) * kTwipsPerPixel / surface.unitTwipsY());
}

}  // namespace

// ---- Label ------------------------------------------------------------------------------

LabelImpl::LabelImpl(Label* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, false)
{
    width = 1215;
    height = 255;
}

void LabelImpl::setCaption(const std::string& text)
{
    if (text == caption)
        return;
    caption = text;
    fitToText();
    if (widget)
        widget->update();
    label()->Change.Raise();
}

void LabelImpl::fitToText()
{
    if (!autoSize)
        return;
    const QFontMetrics metrics(MakeFont(look.font));
    const QString text = QString::fromStdString(caption);
    if (wordWrap) {
        const int widthPx = std::max(1, pixelRect().width());
        const QRect bound = metrics.boundingRect(QRect(0, 0, widthPx, INT_MAX / 4),
                                                 Qt::TextWordWrap, text.isEmpty() ? QStringLiteral(" ") : text);
        setGeometryTwips(left, top, width, bound.height() * kTwipsPerPixel);
    } else {
        int widest = 0;
        const QStringList lines = text.split('\n');
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        const int lineCount = static_cast<int>(std::max<qsizetype>(1, lines.size()));
        setGeometryTwips(left, top, widest * kTwipsPerPixel, lineCount * metrics.height() * kTwipsPerPixel);
    }
}

void LabelImpl::sizeChanged(bool)
{
    if (autoSize && wordWrap)
        fitToText();
}

void LabelImpl::paint(QPainter& painter)
{
    const QRect area = widget->rect();
    if (backStyle == vbOpaque)
        painter.fillRect(area, ToQColor(look.back));
    painter.setFont(MakeFont(look.font));
    painter.setPen(ToQColor(look.fore));
    int flags = Qt::AlignTop;
    if (alignment == vbRightJustify)
        flags |= Qt::AlignRight;
    else if (alignment == vbCenter)
        flags |= Qt::AlignHCenter;
    else
        flags |= Qt::AlignLeft;
    if (wordWrap || !autoSize)
        flags |= Qt::TextWordWrap;
    painter.drawText(area, flags, QString::fromStdString(caption));
}

QPointF LabelImpl::eventUnits(QPointF pixels) const
{
    return VisualImpl::eventUnits(pixels);
}

void LabelImpl::raiseMouseDown(int b, int s, float x, float y) { label()->MouseDown.Raise(b, s, x, y); }
void LabelImpl::raiseMouseMove(int b, int s, float x, float y) { label()->MouseMove.Raise(b, s, x, y); }
void LabelImpl::raiseMouseUp(int b, int s, float x, float y) { label()->MouseUp.Raise(b, s, x, y); }
void LabelImpl::raiseClick() { label()->Click.Raise(); }
void LabelImpl::raiseDblClick() { label()->DblClick.Raise(); }

// ---- controls with a surface ------------------------------------------------------------

SurfaceControlImpl::SurfaceControlImpl(Control* proxy, FormLive& live, ContainerNode* container, int borderStyle)
    : VisualImpl(proxy, live, container, true), surface(std::make_unique<SurfaceImpl>(look, nullptr)),
      borderStyle(borderStyle)
{
    look.back = vbButtonFace;
    look.fore = vbButtonText;
}

int SurfaceControlImpl::borderPixels() const
{
    if (borderStyle != 1)
        return 0;
    return appearance == vbAppearanceFlat ? 1 : 2;
}

void SurfaceControlImpl::afterCreate()
{
    surface->widget = widget.data();
    surface->hwnd = handle;
    surface->owner = this;
    updateOrigin();
}

void SurfaceControlImpl::updateOrigin()
{
    const int border = borderPixels();
    surface->origin = QPoint(border, border);
    for (VisualImpl* child : children)
        child->applyGeometry();
    if (widget)
        widget->update();
}

QWidget* SurfaceControlImpl::childParent()
{
    return widget.data();
}

QPoint SurfaceControlImpl::clientOrigin() const
{
    return surface->origin;
}

void SurfaceControlImpl::paint(QPainter& painter)
{
    surface->paint(painter);
    paintBorder(painter, widget->rect(), borderPixels());
}

QPointF SurfaceControlImpl::eventUnits(QPointF pixels) const
{
    return surfaceUnits(*surface, pixels);
}

// ---- PictureBox -------------------------------------------------------------------------

PictureBoxImpl::PictureBoxImpl(PictureBox* proxy, FormLive& live, ContainerNode* container)
    : SurfaceControlImpl(proxy, live, container, 1)
{
}

void PictureBoxImpl::setPicture(const Picture& picture)
{
    surface->picture = picture;
    if (autoSize)
        fitToPicture();
    surface->update();
}

void PictureBoxImpl::fitToPicture()
{
    if (surface->picture.IsEmpty())
        return;
    const int border = borderPixels();
    setGeometryTwips(left, top, (surface->picture.WidthPx() + 2 * border) * kTwipsPerPixel,
                     (surface->picture.HeightPx() + 2 * border) * kTwipsPerPixel);
}

void PictureBoxImpl::sizeChanged(bool)
{
    box()->Resize.Raise();
}

void PictureBoxImpl::keyPress(QKeyEvent* event)
{
    int code = KeyCodeOf(event);
    box()->KeyDown.Raise(code, ShiftBits(event->modifiers()));
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() < 256) {
        int ascii = text.at(0).unicode();
        box()->KeyPress.Raise(ascii);
    }
}

void PictureBoxImpl::keyRelease(QKeyEvent* event)
{
    int code = KeyCodeOf(event);
    box()->KeyUp.Raise(code, ShiftBits(event->modifiers()));
}

void PictureBoxImpl::raiseMouseDown(int b, int s, float x, float y) { box()->MouseDown.Raise(b, s, x, y); }
void PictureBoxImpl::raiseMouseMove(int b, int s, float x, float y) { box()->MouseMove.Raise(b, s, x, y); }
void PictureBoxImpl::raiseMouseUp(int b, int s, float x, float y) { box()->MouseUp.Raise(b, s, x, y); }
void PictureBoxImpl::raiseClick() { box()->Click.Raise(); }
void PictureBoxImpl::raiseDblClick() { box()->DblClick.Raise(); }

// ---- Image ------------------------------------------------------------------------------

ImageImpl::ImageImpl(Image* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, false)
{
}

void ImageImpl::setPicture(const Picture& value)
{
    picture = value;
    if (!stretch)
        fitToPicture();
    if (widget)
        widget->update();
}

void ImageImpl::fitToPicture()
{
    if (picture.IsEmpty())
        return;
    setGeometryTwips(left, top, picture.WidthPx() * kTwipsPerPixel, picture.HeightPx() * kTwipsPerPixel);
}

void ImageImpl::paint(QPainter& painter)
{
    const Picture::Data* data = picture.data();
    if (data == nullptr || data->image.isNull())
        return;
    if (stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(widget->rect(), data->image);
    } else {
        painter.drawImage(QPoint(0, 0), data->image);
    }
}

QPointF ImageImpl::eventUnits(QPointF pixels) const
{
    return VisualImpl::eventUnits(pixels);
}

void ImageImpl::raiseMouseDown(int b, int s, float x, float y) { image()->MouseDown.Raise(b, s, x, y); }
void ImageImpl::raiseMouseMove(int b, int s, float x, float y) { image()->MouseMove.Raise(b, s, x, y); }
void ImageImpl::raiseMouseUp(int b, int s, float x, float y) { image()->MouseUp.Raise(b, s, x, y); }
void ImageImpl::raiseClick() { image()->Click.Raise(); }
void ImageImpl::raiseDblClick() { image()->DblClick.Raise(); }

// ---- ListBox ----------------------------------------------------------------------------

ListBoxImpl::ListBoxImpl(ListBox* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, true)
{
    look.back = vbWindowBackground;
    look.fore = vbWindowText;
}

void ListBoxImpl::paint(QPainter& painter)
{
    painter.fillRect(widget->rect(), ToQColor(look.back));
    const QFont font = MakeFont(look.font);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    int y = 2;
    for (std::size_t i = 0; i < items.size() && y < widget->height(); ++i) {
        const QRect line(2, y, widget->width() - 4, metrics.height());
        if (static_cast<int>(i) == listIndex) {
            painter.fillRect(line, ToQColor(vbHighlight));
            painter.setPen(ToQColor(vbHighlightText));
        } else {
            painter.setPen(ToQColor(look.fore));
        }
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(items[i]));
        y += metrics.height();
    }
    paintBorder(painter, widget->rect(), 2);
}

void ListBoxImpl::raiseClick()
{
    static_cast<ListBox*>(proxy)->Click.Raise();
}

// ---- Shape ------------------------------------------------------------------------------

ShapeImpl::ShapeImpl(Shape* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, false)
{
    look.back = vbWindowBackground;
}

void ShapeImpl::paint(QPainter& painter)
{
    QRect area = widget->rect();
    if (shape == vbShapeSquare || shape == vbShapeCircle || shape == vbShapeRoundedSquare) {
        const int side = std::min(area.width(), area.height());
        area = QRect(area.x() + (area.width() - side) / 2, area.y() + (area.height() - side) / 2, side, side);
    }
    const bool oval = shape == vbShapeOval || shape == vbShapeCircle;
    const bool rounded = shape == vbShapeRoundedRectangle || shape == vbShapeRoundedSquare;
    const int border = borderStyle != 0 ? std::max(1, borderWidth) : 0;
    painter.setRenderHint(QPainter::Antialiasing, oval || rounded);
    auto fillArea = [&](const QColor& color) {
        const QRect inner = area.adjusted(border, border, -border, -border);
        if (oval) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            painter.drawEllipse(inner);
        } else if (rounded) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            painter.drawRoundedRect(inner, 8, 8);
        } else {
            painter.fillRect(inner, color);
        }
    };
    if (backStyle == vbOpaque)
        fillArea(ToQColor(look.back));
    if (fillStyle == vbFSSolid)
        fillArea(ToQColor(fillColor));
    if (border == 0)
        return;
    const QColor color = ToQColor(borderColor);
    if (oval || rounded) {
        painter.setPen(QPen(color, border));
        painter.setBrush(Qt::NoBrush);
        const qreal half = border / 2.0;
        const QRectF ring = QRectF(area).adjusted(half, half, -half, -half);
        if (oval)
            painter.drawEllipse(ring);
        else
            painter.drawRoundedRect(ring, 8, 8);
        return;
    }
    FillFrame(painter, area, border, color);
}

// ---- Line -------------------------------------------------------------------------------

LineImpl::LineImpl(Line* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, false)
{
}

void LineImpl::placeWidget()
{
    if (!widget || container == nullptr)
        return;
    const QPoint origin = container->clientOrigin();
    const int ax = TwipsToPixels(x1);
    const int ay = TwipsToPixels(y1);
    const int bx = TwipsToPixels(x2);
    const int by = TwipsToPixels(y2);
    const int pad = std::max(1, borderWidth);
    const QRect box(QPoint(std::min(ax, bx) - pad / 2, std::min(ay, by) - pad / 2),
                    QPoint(std::max(ax, bx) + pad, std::max(ay, by) + pad));
    widget->setGeometry(box.translated(origin));
    widget->update();
}

void LineImpl::paint(QPainter& painter)
{
    if (container == nullptr)
        return;
    const QPoint corner = widget->geometry().topLeft() - container->clientOrigin();
    const int ax = TwipsToPixels(x1) - corner.x();
    const int ay = TwipsToPixels(y1) - corner.y();
    const int bx = TwipsToPixels(x2) - corner.x();
    const int by = TwipsToPixels(y2) - corner.y();
    const int widthPx = std::max(1, borderWidth);
    if (widthPx == 1) {
        QPen pen(ToQColor(borderColor));
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawLine(ax, ay, bx, by);
    } else {
        painter.setPen(QPen(ToQColor(borderColor), widthPx, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(ax, ay, bx, by);
    }
}

// ---- Frame ------------------------------------------------------------------------------

FrameImpl::FrameImpl(Frame* proxy, FormLive& live, ContainerNode* container)
    : VisualImpl(proxy, live, container, true)
{
}

QWidget* FrameImpl::childParent()
{
    return widget.data();
}

void FrameImpl::paint(QPainter& painter)
{
    const QRect area = widget->rect();
    painter.fillRect(area, ToQColor(look.back));
    const QFont font = MakeFont(look.font);
    const QFontMetrics metrics(font);
    const int lineY = caption.empty() ? 0 : metrics.height() / 2;
    if (borderStyle == 1) {
        const QRect box = area.adjusted(0, lineY, -1, -1);
        painter.setPen(ToQColor(vbButtonShadow));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.setPen(ToQColor(vb3DHighlight));
        painter.drawRect(box.adjusted(1, 1, 0, 0));
    }
    if (!caption.empty()) {
        painter.setFont(font);
        const QString text = QString::fromStdString(caption);
        const QRect textArea(7, 0, metrics.horizontalAdvance(text) + 4, metrics.height());
        painter.fillRect(textArea, ToQColor(look.back));
        painter.setPen(ToQColor(look.fore));
        painter.drawText(textArea, Qt::AlignCenter, text);
    }
}

void FrameImpl::raiseMouseDown(int b, int s, float x, float y) { static_cast<Frame*>(proxy)->MouseDown.Raise(b, s, x, y); }
void FrameImpl::raiseMouseMove(int b, int s, float x, float y) { static_cast<Frame*>(proxy)->MouseMove.Raise(b, s, x, y); }
void FrameImpl::raiseMouseUp(int b, int s, float x, float y) { static_cast<Frame*>(proxy)->MouseUp.Raise(b, s, x, y); }
void FrameImpl::raiseClick() { static_cast<Frame*>(proxy)->Click.Raise(); }

// ---- WebBrowser -------------------------------------------------------------------------

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

// ---- UserControl ------------------------------------------------------------------------

UserControlImpl::UserControlImpl(UserControl* proxy, FormLive& live, ContainerNode* container)
    : SurfaceControlImpl(proxy, live, container, 0)
{
    width = 2400;
    height = 1800;
}

void UserControlImpl::sizeChanged(bool)
{
    // UserControl_Resize may size the control again; a few nested rounds settle it.
    if (!initialized || resizeDepth >= 8)
        return;
    ++resizeDepth;
    Runtime::ucResize(*control());
    --resizeDepth;
}

void UserControlImpl::raiseMouseDown(int b, int s, float x, float y) { Runtime::ucMouse(*control(), 0, b, s, x, y); }
void UserControlImpl::raiseMouseMove(int b, int s, float x, float y) { Runtime::ucMouse(*control(), 1, b, s, x, y); }
void UserControlImpl::raiseMouseUp(int b, int s, float x, float y) { Runtime::ucMouse(*control(), 2, b, s, x, y); }
void UserControlImpl::raiseClick() { Runtime::ucClick(*control(), false); }
void UserControlImpl::raiseDblClick() { Runtime::ucClick(*control(), true); }

}  // namespace qby::detail
