// The loaded parts of the standard controls and of user controls (internal).
#pragma once

#include "platform/forms/Impl.h"

#include <QMovie>

#include <memory>
#include <string>
#include <vector>

namespace qby::detail {

class LabelImpl : public VisualImpl {
public:
    LabelImpl(Label* proxy, FormLive& live, ContainerNode* container);
    Label* label() const { return static_cast<Label*>(proxy); }

    std::string caption;
    bool autoSize = false;
    bool wordWrap = false;
    int alignment = vbLeftJustify;
    int backStyle = vbOpaque;

    void setCaption(const std::string& text);
    void fitToText();
    void paint(QPainter& painter) override;
    void sizeChanged(bool byDesignOrCode) override;
    void lookChanged() override { fitToText(); }
    void raiseMouseDown(int b, int s, float x, float y) override;
    void raiseMouseMove(int b, int s, float x, float y) override;
    void raiseMouseUp(int b, int s, float x, float y) override;
    void raiseClick() override;
    void raiseDblClick() override;
    QPointF eventUnits(QPointF pixels) const override;
};

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
    void paint(QPainter& painter) override;
    SurfaceImpl* surfaceImpl() override { return surface.get(); }
    QPointF eventUnits(QPointF pixels) const override;

    QWidget* childParent() override;
    QPoint clientOrigin() const override;
    int containerScaleMode() const override { return surface->scaleMode; }
    VisualImpl* asControl() override { return this; }
};

class PictureBoxImpl : public SurfaceControlImpl {
public:
    PictureBoxImpl(PictureBox* proxy, FormLive& live, ContainerNode* container);
    PictureBox* box() const { return static_cast<PictureBox*>(proxy); }

    bool autoSize = false;

    void setPicture(const Picture& picture);
    void fitToPicture();
    void sizeChanged(bool byDesignOrCode) override;

    void keyPress(QKeyEvent* event) override;
    void keyRelease(QKeyEvent* event) override;
    void raiseMouseDown(int b, int s, float x, float y) override;
    void raiseMouseMove(int b, int s, float x, float y) override;
    void raiseMouseUp(int b, int s, float x, float y) override;
    void raiseClick() override;
    void raiseDblClick() override;
};

class ImageImpl : public VisualImpl {
public:
    ImageImpl(Image* proxy, FormLive& live, ContainerNode* container);
    Image* image() const { return static_cast<Image*>(proxy); }

    Picture picture;
    bool stretch = false;

    void setPicture(const Picture& value);
    void fitToPicture();
    void paint(QPainter& painter) override;
    void raiseMouseDown(int b, int s, float x, float y) override;
    void raiseMouseMove(int b, int s, float x, float y) override;
    void raiseMouseUp(int b, int s, float x, float y) override;
    void raiseClick() override;
    void raiseDblClick() override;
    QPointF eventUnits(QPointF pixels) const override;
};

class ListBoxImpl : public VisualImpl {
public:
    ListBoxImpl(ListBox* proxy, FormLive& live, ContainerNode* container);
    std::vector<std::string> items;
    bool sorted = false;
    int listIndex = -1;
    void paint(QPainter& painter) override;
    void raiseClick() override;
};

class ShapeImpl : public VisualImpl {
public:
    ShapeImpl(Shape* proxy, FormLive& live, ContainerNode* container);
    int shape = vbShapeRectangle;
    OLE_COLOR borderColor = vbWindowText;
    int borderWidth = 1;
    int borderStyle = 1;
    int backStyle = vbTransparent;
    int fillStyle = vbFSTransparent;
    OLE_COLOR fillColor = vbBlack;
    bool takesInput() const override { return false; }
    void paint(QPainter& painter) override;
};

class LineImpl : public VisualImpl {
public:
    LineImpl(Line* proxy, FormLive& live, ContainerNode* container);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // twips
    OLE_COLOR borderColor = vbWindowText;
    int borderWidth = 1;
    bool takesInput() const override { return false; }
    void placeWidget();  // the widget covers the line's bounding box
    void paint(QPainter& painter) override;
};

class FrameImpl : public VisualImpl, public ContainerNode {
public:
    FrameImpl(Frame* proxy, FormLive& live, ContainerNode* container);
    std::string caption;
    int borderStyle = 1;
    void paint(QPainter& painter) override;
    QWidget* childParent() override;
    VisualImpl* asControl() override { return this; }
    void raiseMouseDown(int b, int s, float x, float y) override;
    void raiseMouseMove(int b, int s, float x, float y) override;
    void raiseMouseUp(int b, int s, float x, float y) override;
    void raiseClick() override;
};

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
    bool hiddenAtRunTime() const override { return invisibleAtRuntime && live.userMode; }

    void raiseMouseDown(int b, int s, float x, float y) override;
    void raiseMouseMove(int b, int s, float x, float y) override;
    void raiseMouseUp(int b, int s, float x, float y) override;
    void raiseClick() override;
    void raiseDblClick() override;
};

}  // namespace qby::detail
