// A rectangle, square, oval or circle; windowless, takes no input.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Types.h"
#include "platform/forms/VisualControl.h"

#include <optional>
#include <string>

namespace qby {

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

}  // namespace qby
