// VisualControl: the members of every control with a place on a window: position, size,
// visibility, colours, font and pointer.
//
// Positions and sizes of a control are in the scale units of its container (twips unless the
// container's ScaleMode says otherwise). A member that a kind does not have does nothing and
// reads as its default.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Types.h"

#include <optional>
#include <string>

namespace qby {

// Where a control lies in a design: on its form (or user control) or inside a picture box,
// frame or user control given here.
struct ContainerRef {
    Control* control = nullptr;
    ContainerRef() = default;
    ContainerRef(Control& container) : control(&container) {}  // NOLINT: implicit on purpose
};

class VisualControl : public Control {
public:
    using Control::Control;

    double Left();
    void Left(double value);
    double Top();
    void Top(double value);
    double Width();
    void Width(double value);
    double Height();
    void Height(double value);
    // Moves and optionally sizes the control in one step.
    void Move(double left, std::optional<double> top = {}, std::optional<double> width = {},
              std::optional<double> height = {});

    bool Visible();
    void Visible(bool value);
    bool Enabled();
    void Enabled(bool value);
    std::string ToolTipText();
    void ToolTipText(const std::string& value);

    OLE_COLOR BackColor();
    void BackColor(OLE_COLOR value);
    OLE_COLOR ForeColor();
    void ForeColor(OLE_COLOR value);

    std::string FontName();
    void FontName(const std::string& value);
    double FontSize();  // points
    void FontSize(double value);
    bool FontBold();
    void FontBold(bool value);
    bool FontItalic();
    void FontItalic(bool value);
    bool FontUnderline();
    void FontUnderline(bool value);

    int MousePointer();
    void MousePointer(int value);  // vbDefault ... vbCustom (99 shows MouseIcon)
    StdPicture MouseIcon();
    void MouseIcon(const StdPicture& value);

    // 0 brings the control to the front of its container, 1 sends it to the back.
    void ZOrder(int position = 0);
    void Refresh();
};

}  // namespace qby
