// Shows a file (a picture; GIF animations play) given by its path, like a browser pane.
#pragma once

#include "platform/forms/VisualControl.h"

#include <optional>
#include <string>

namespace qby {

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
