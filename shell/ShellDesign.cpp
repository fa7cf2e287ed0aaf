#include "shell/ShellDesign.h"

qby::PropertyBag PictureButtonDesign(const std::string& window, const std::string& button)
{
    return {{"PICTURENORMAL", StoredDesignPicture(window, button, "PictureNormal")},
            {"PICTUREHLIGHT", StoredDesignPicture(window, button, "PictureHLight")},
            {"PICTUREPRESSED", StoredDesignPicture(window, button, "PicturePressed")},
            {"ENABLED", true},
            {"BorderStyle", 0},
            {"ToolTip", ""}};
}

qby::PropertyBag SkinnedButtonDesign()
{
    return {{"ENABLED", true}, {"BorderStyle", 0}, {"ToolTip", ""}};
}

qby::Label::Props ChoiceLabel(double left, double top, double width, const char* caption)
{
    return {.Left = left, .Top = top, .Width = width, .Height = 345, .Caption = caption,
            .AutoSize = true, .BackStyle = qby::vbTransparent, .ForeColor = qby::vbBlack,
            .FontName = "Comic Sans MS", .FontSize = 12};
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
