// A frame: a container with an etched border and an optional caption.
#pragma once

#include "platform/forms/Types.h"
#include "platform/forms/VisualControl.h"

#include <optional>
#include <string>

namespace qby {

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

}  // namespace qby
