#include "controls/WindowDesign.h"

#include "platform/resources/Resources.h"

namespace {

// What every button of the design stores: enabled, no border, no tooltip.
void StoreButtonBasics(qby::PropertyBag& bag)
{
    bag.WriteProperty("ENABLED", true);
    bag.WriteProperty("BorderStyle", 0);
    bag.WriteProperty("ToolTip", "");
}

}  // namespace

qby::Design::WindowProps ChildWindow(double clientWidth, double clientHeight)
{
    return {.Caption = "",
            .ControlBox = false,
            .MinButton = false,
            .MaxButton = false,
            .WindowState = qby::vbMaximized,
            .MDIChild = true,
            .ClientWidth = clientWidth,
            .ClientHeight = clientHeight};
}

qby::Design::WindowProps DialogWindow(const char* caption, double clientWidth, double clientHeight)
{
    return {.Caption = caption,
            .BorderStyle = qby::vbFixedDialog,
            .ControlBox = true,
            .MinButton = false,
            .MaxButton = false,
            .ShowInTaskbar = false,
            .StartUpPosition = qby::vbStartUpScreen,
            .ClientWidth = clientWidth,
            .ClientHeight = clientHeight};
}

qby::Label::Props DesignLabel(double left, double top, double width, double height,
                              const std::string& caption, qby::OLE_COLOR color, double points)
{
    return {.Left = left, .Top = top, .Width = width, .Height = height, .Caption = caption,
            .BackStyle = qby::vbTransparent, .ForeColor = color, .FontName = kDesignFont,
            .FontSize = points};
}

qby::Label::Props AutoSizeLabel(double left, double top, double width, double height,
                                const std::string& caption, qby::OLE_COLOR color, double points)
{
    qby::Label::Props props = DesignLabel(left, top, width, height, caption, color, points);
    props.AutoSize = true;
    return props;
}

qby::Label::Props ChoiceLabel(double left, double top, double width, const std::string& caption)
{
    return AutoSizeLabel(left, top, width, 345, caption, qby::vbBlack, 12);
}

qby::Label::Props LessonTitle(double left, double top, double width, const std::string& caption,
                              qby::OLE_COLOR color)
{
    return DesignLabel(left, top, width, 1005, caption, color, 36);
}

qby::Picture StoredDesignPicture(const std::string& window, const std::string& control,
                                 const std::string& property)
{
    const auto bytes = qby::LoadResData(control + "." + property, "DESIGN/" + window);
    if (bytes.empty()) return {};
    return qby::Picture::FromEncodedBytes(bytes.data(), bytes.size());
}

qby::PropertyBag SkinnedButtonDesign()
{
    qby::PropertyBag bag;
    StoreButtonBasics(bag);
    return bag;
}

qby::PropertyBag PictureButtonDesign(const std::string& window, const std::string& button,
                                     bool withDisabledPicture)
{
    qby::PropertyBag bag;
    const auto store = [&](const char* key, const char* property) {
        bag.WriteProperty(key, StoredDesignPicture(window, button, property));
    };
    store("PICTURENORMAL", "PictureNormal");
    store("PICTUREHLIGHT", "PictureHLight");
    store("PICTUREPRESSED", "PicturePressed");
    if (withDisabledPicture) store("PICTUREDISABLED", "PictureDisabled");
    StoreButtonBasics(bag);
    return bag;
}
