#include "lessons/LessonDesign.h"

void LessonWindow(qby::Design& d, double clientWidth, double clientHeight)
{
    d.Window({.Caption = "",
              .ControlBox = false,
              .MinButton = false,
              .MaxButton = false,
              .WindowState = qby::vbMaximized,
              .MDIChild = true,
              .ClientWidth = clientWidth,
              .ClientHeight = clientHeight});
}

qby::Label::Props LessonTitle(double left, double top, double width, const std::string& caption,
                              qby::OLE_COLOR color)
{
    return {.Left = left, .Top = top, .Width = width, .Height = 1005, .Caption = caption,
            .BackStyle = qby::vbTransparent, .ForeColor = color, .FontName = "Comic Sans MS",
            .FontSize = 36};
}

qby::PropertyBag TextButtonDesign()
{
    return {{"ENABLED", true}, {"BorderStyle", 0}, {"ToolTip", ""}};
}
