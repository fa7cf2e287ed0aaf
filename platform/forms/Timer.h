// A timer: raises Tick (the Timer event) every Interval milliseconds while Enabled and its form
// is loaded. Setting Enabled to False and then to True starts the full interval again; so does
// setting Interval. An Interval of 0 stops it.
#pragma once

#include "platform/forms/Control.h"

#include <optional>
#include <string>

namespace qby {

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

}  // namespace qby
