// A picture box: a window with a drawing surface that can hold other controls.
#pragma once

#include "platform/forms/DrawingSurface.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Types.h"
#include "platform/forms/VisualControl.h"

#include <optional>
#include <string>

namespace qby {

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

}  // namespace qby
