// A straight line between two points of its container; windowless, takes no input.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Types.h"
#include "platform/forms/VisualControl.h"

#include <optional>
#include <string>

namespace qby {

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

}  // namespace qby
