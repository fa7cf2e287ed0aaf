// An image: shows a picture, at its own size (the control takes the picture's size) or
// stretched to the control. Windowless.
#pragma once

#include "platform/forms/Picture.h"
#include "platform/forms/Types.h"
#include "platform/forms/VisualControl.h"

#include <optional>
#include <string>

namespace qby {

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

}  // namespace qby
