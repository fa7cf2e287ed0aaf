// A list box; mostly used hidden, as a work list of strings.
#pragma once

#include "platform/forms/Types.h"
#include "platform/forms/VisualControl.h"

#include <optional>
#include <string>

namespace qby {

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

}  // namespace qby
