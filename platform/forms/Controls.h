// The standard controls: Label, PictureBox, Image, Timer, ListBox, Shape, Line, Frame and
// WebBrowser.
//
// Each kind has a Props structure: its design properties as a window's layout gives them
// (Design::Add). Only the fields that are set are applied; the others keep the kind's default.
// Designated initialisers must name the fields in the order in which they are declared.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/DrawingSurface.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Types.h"
#include "platform/forms/VisualControl.h"

#include <optional>
#include <string>

namespace qby {

// A text label; windowless (no hWnd). Transparent labels show what lies behind them.
class Label : public VisualControl {
public:
    struct Props {
        ContainerRef Container{};
        std::optional<double> Left{}, Top{}, Width{}, Height{};
        std::optional<bool> Visible{}, Enabled{};
        std::optional<std::string> Tag{}, Caption{};
        std::optional<bool> AutoSize{};   // width follows the text, growing to the right
        std::optional<bool> WordWrap{};   // with AutoSize: width fixed, height follows the text
        std::optional<int> Alignment{};   // vbLeftJustify, vbRightJustify, vbCenter
        std::optional<int> BackStyle{};   // vbTransparent, vbOpaque (default)
        std::optional<OLE_COLOR> BackColor{}, ForeColor{};
        std::optional<std::string> FontName{};
        std::optional<double> FontSize{};
        std::optional<bool> FontBold{}, FontItalic{}, FontUnderline{};
        std::optional<std::string> ToolTipText{};
        std::optional<int> MousePointer{};
        std::optional<qby::Picture> MouseIcon{};
    };

    Label(ControlHost* host, std::string name, int index = -1);
    const char* KindName() const override { return "Label"; }

    std::string Caption();
    void Caption(const std::string& value);  // raises Change when the text changes
    bool AutoSize();
    void AutoSize(bool value);
    bool WordWrap();
    void WordWrap(bool value);
    int Alignment();
    void Alignment(int value);
    int BackStyle();
    void BackStyle(int value);

    Event<> Click{this};
    Event<> DblClick{this};
    MouseEvent MouseDown{this};
    MouseEvent MouseMove{this};
    MouseEvent MouseUp{this};
    Event<> Change{this};

private:
    friend class Design;
    // Creates the loaded part from the design properties (Design::Add).
    void build(detail::DesignContext& context, const Props& props);
    void buildDefault(detail::DesignContext& context) override { build(context, {}); }
};

// A picture box: a window with a drawing surface that can hold other controls.
class PictureBox : public VisualControl, public DrawingSurface {
public:
    struct Props {
        ContainerRef Container{};
        std::optional<double> Left{}, Top{}, Width{}, Height{};
        std::optional<bool> Visible{}, Enabled{};
        std::optional<std::string> Tag{};
        std::optional<qby::Picture> Picture{};
        std::optional<bool> AutoSize{};     // the box takes the size of its picture
        std::optional<int> BorderStyle{};   // 0 none, 1 fixed single (default)
        std::optional<int> Appearance{};    // vbAppearanceFlat, vbAppearance3D (default)
        std::optional<OLE_COLOR> BackColor{}, ForeColor{};
        std::optional<int> ScaleMode{};     // of its inner coordinates (default twips)
        std::optional<bool> AutoRedraw{};   // default False
        std::optional<std::string> FontName{};
        std::optional<double> FontSize{};
        std::optional<bool> FontBold{}, FontItalic{}, FontUnderline{};
        std::optional<std::string> ToolTipText{};
        std::optional<int> MousePointer{};
        std::optional<qby::Picture> MouseIcon{};
    };

    PictureBox(ControlHost* host, std::string name, int index = -1);
    const char* KindName() const override { return "PictureBox"; }

    bool AutoSize();
    void AutoSize(bool value);
    int BorderStyle();
    void BorderStyle(int value);
    int Appearance();
    void Appearance(int value);
    void SetFocus();

    Event<> Click{this};
    Event<> DblClick{this};
    MouseEvent MouseDown{this};
    MouseEvent MouseMove{this};
    MouseEvent MouseUp{this};
    KeyEvent KeyDown{this};
    KeyEvent KeyUp{this};
    Event<int&> KeyPress{this};  // KeyAscii
    Event<> Resize{this};

private:
    friend class Design;
    // Creates the loaded part from the design properties (Design::Add).
    void build(detail::DesignContext& context, const Props& props);
    void buildDefault(detail::DesignContext& context) override { build(context, {}); }
    detail::SurfaceImpl* drawingSurface() override;
};

// An image: shows a picture, at its own size (the control takes the picture's size) or
// stretched to the control. Windowless.
class Image : public VisualControl {
public:
    struct Props {
        ContainerRef Container{};
        std::optional<double> Left{}, Top{}, Width{}, Height{};
        std::optional<bool> Visible{}, Enabled{};
        std::optional<std::string> Tag{};
        std::optional<qby::Picture> Picture{};
        std::optional<bool> Stretch{};
        std::optional<std::string> ToolTipText{};
        std::optional<int> MousePointer{};
        std::optional<qby::Picture> MouseIcon{};
    };

    Image(ControlHost* host, std::string name, int index = -1);
    const char* KindName() const override { return "Image"; }

    StdPicture Picture();
    void Picture(const StdPicture& value);
    bool Stretch();
    void Stretch(bool value);

    Event<> Click{this};
    Event<> DblClick{this};
    MouseEvent MouseDown{this};
    MouseEvent MouseMove{this};
    MouseEvent MouseUp{this};

private:
    friend class Design;
    // Creates the loaded part from the design properties (Design::Add).
    void build(detail::DesignContext& context, const Props& props);
    void buildDefault(detail::DesignContext& context) override { build(context, {}); }
};

// A timer: raises Tick (the Timer event) every Interval milliseconds while Enabled and its form
// is loaded. Setting Enabled to False and then to True starts the full interval again; so does
// setting Interval. An Interval of 0 stops it.
class Timer : public Control {
public:
    struct Props {
        std::optional<bool> Enabled{};     // default True
        std::optional<int> Interval{};     // milliseconds, default 0
        std::optional<std::string> Tag{};
    };

    Timer(ControlHost* host, std::string name, int index = -1);
    const char* KindName() const override { return "Timer"; }

    bool Enabled();
    void Enabled(bool value);
    int Interval();
    void Interval(int milliseconds);

    Event<> Tick{this};  // the Timer event

private:
    friend class Design;
    // Creates the loaded part from the design properties (Design::Add).
    void build(detail::DesignContext& context, const Props& props);
    void buildDefault(detail::DesignContext& context) override { build(context, {}); }
};

// A list box; mostly used hidden, as a work list of strings.
class ListBox : public VisualControl {
public:
    struct Props {
        ContainerRef Container{};
        std::optional<double> Left{}, Top{}, Width{}, Height{};
        std::optional<bool> Visible{}, Enabled{};
        std::optional<std::string> Tag{};
        std::optional<bool> Sorted{};
        std::optional<OLE_COLOR> BackColor{}, ForeColor{};
        std::optional<std::string> FontName{};
        std::optional<double> FontSize{};
    };

    ListBox(ControlHost* host, std::string name, int index = -1);
    const char* KindName() const override { return "ListBox"; }

    // Adds at the end (or, when sorted, in order), or before position index.
    void AddItem(const std::string& item, std::optional<int> index = {});
    void RemoveItem(int index);  // an index out of range changes nothing
    void Clear();
    std::string List(int index);  // "" out of range
    void List(int index, const std::string& value);
    int ListCount();
    int ListIndex();  // -1 when nothing is selected
    void ListIndex(int value);
    std::string Text();  // the selected item

    Event<> Click{this};

private:
    friend class Design;
    // Creates the loaded part from the design properties (Design::Add).
    void build(detail::DesignContext& context, const Props& props);
    void buildDefault(detail::DesignContext& context) override { build(context, {}); }
};

// A rectangle, square, oval or circle; windowless, takes no input.
class Shape : public Control {
public:
    struct Props {
        ContainerRef Container{};
        std::optional<double> Left{}, Top{}, Width{}, Height{};
        std::optional<bool> Visible{};
        std::optional<std::string> Tag{};
        std::optional<int> Shape{};         // vbShapeRectangle (default) ...
        std::optional<OLE_COLOR> BorderColor{};
        std::optional<int> BorderWidth{};   // pixels, drawn inside the bounds
        std::optional<int> BorderStyle{};   // 0 no border, 1 solid (default)
        std::optional<int> BackStyle{};     // vbTransparent (default), vbOpaque
        std::optional<OLE_COLOR> BackColor{};
        std::optional<int> FillStyle{};     // vbFSTransparent (default), vbFSSolid
        std::optional<OLE_COLOR> FillColor{};
    };

    Shape(ControlHost* host, std::string name, int index = -1);
    const char* KindName() const override { return "Shape"; }

    double Left();
    void Left(double value);
    double Top();
    void Top(double value);
    double Width();
    void Width(double value);
    double Height();
    void Height(double value);
    void Move(double left, std::optional<double> top = {}, std::optional<double> width = {},
              std::optional<double> height = {});
    bool Visible();
    void Visible(bool value);
    int ShapeKind();
    void ShapeKind(int value);
    OLE_COLOR BorderColor();
    void BorderColor(OLE_COLOR value);
    int BorderWidth();
    void BorderWidth(int value);
    int BorderStyle();
    void BorderStyle(int value);
    int BackStyle();
    void BackStyle(int value);
    OLE_COLOR BackColor();
    void BackColor(OLE_COLOR value);
    int FillStyle();
    void FillStyle(int value);
    OLE_COLOR FillColor();
    void FillColor(OLE_COLOR value);
    void ZOrder(int position = 0);

private:
    friend class Design;
    // Creates the loaded part from the design properties (Design::Add).
    void build(detail::DesignContext& context, const Props& props);
    void buildDefault(detail::DesignContext& context) override { build(context, {}); }
};

// A straight line between two points of its container; windowless, takes no input.
class Line : public Control {
public:
    struct Props {
        ContainerRef Container{};
        std::optional<double> X1{}, Y1{}, X2{}, Y2{};
        std::optional<bool> Visible{};
        std::optional<std::string> Tag{};
        std::optional<OLE_COLOR> BorderColor{};
        std::optional<int> BorderWidth{};  // pixels
    };

    Line(ControlHost* host, std::string name, int index = -1);
    const char* KindName() const override { return "Line"; }

    double X1();
    void X1(double value);
    double Y1();
    void Y1(double value);
    double X2();
    void X2(double value);
    double Y2();
    void Y2(double value);
    bool Visible();
    void Visible(bool value);
    OLE_COLOR BorderColor();
    void BorderColor(OLE_COLOR value);
    int BorderWidth();
    void BorderWidth(int value);

private:
    friend class Design;
    // Creates the loaded part from the design properties (Design::Add).
    void build(detail::DesignContext& context, const Props& props);
    void buildDefault(detail::DesignContext& context) override { build(context, {}); }
};

// A frame: a container with an etched border and an optional caption.
class Frame : public VisualControl {
public:
    struct Props {
        ContainerRef Container{};
        std::optional<double> Left{}, Top{}, Width{}, Height{};
        std::optional<bool> Visible{}, Enabled{};
        std::optional<std::string> Tag{}, Caption{};
        std::optional<int> BorderStyle{};  // 0 none, 1 fixed single (default)
        std::optional<OLE_COLOR> BackColor{}, ForeColor{};
        std::optional<std::string> FontName{};
        std::optional<double> FontSize{};
        std::optional<bool> FontBold{};
    };

    Frame(ControlHost* host, std::string name, int index = -1);
    const char* KindName() const override { return "Frame"; }

    std::string Caption();
    void Caption(const std::string& value);

    Event<> Click{this};
    MouseEvent MouseDown{this};
    MouseEvent MouseMove{this};
    MouseEvent MouseUp{this};

private:
    friend class Design;
    // Creates the loaded part from the design properties (Design::Add).
    void build(detail::DesignContext& context, const Props& props);
    void buildDefault(detail::DesignContext& context) override { build(context, {}); }
};

// Shows a file (a picture; GIF animations play) given by its path, like a browser pane.
class WebBrowser : public VisualControl {
public:
    struct Props {
        ContainerRef Container{};
        std::optional<double> Left{}, Top{}, Width{}, Height{};
        std::optional<bool> Visible{};
        std::optional<std::string> Tag{};
    };

    WebBrowser(ControlHost* host, std::string name, int index = -1);
    const char* KindName() const override { return "WebBrowser"; }

    // Shows the file at this path; a path that cannot be shown leaves the pane empty.
    void Navigate2(const std::string& path);
    std::string LocationURL();  // the path last navigated to
    // True while the file shown could be read as a picture.
    bool ShowsPicture();

private:
    friend class Design;
    // Creates the loaded part from the design properties (Design::Add).
    void build(detail::DesignContext& context, const Props& props);
    void buildDefault(detail::DesignContext& context) override { build(context, {}); }
};

}  // namespace qby
