// A text label; windowless (no hWnd). Transparent labels show what lies behind them.
#pragma once

#include "platform/forms/Picture.h"
#include "platform/forms/Types.h"
#include "platform/forms/VisualControl.h"

#include <optional>
#include <string>

namespace qby {

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

}  // namespace qby
