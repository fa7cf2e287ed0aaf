#include "lessons/FeedbackBox.h"

namespace {

constexpr qby::OLE_COLOR kFrameBlue = 0xDB7028;
constexpr qby::OLE_COLOR kHeadingBlue = 0xFF0000;
constexpr qby::OLE_COLOR kHeadingWhite = 0xFFFFFF;

}  // namespace

void FeedbackBoxWindow(qby::Design& d, double clientWidth, double clientHeight)
{
    d.Window({.Caption = "Quillby",
              .BorderStyle = qby::vbFixedDialog,
              .ControlBox = true,
              .MinButton = false,
              .MaxButton = false,
              .ShowInTaskbar = false,
              .StartUpPosition = qby::vbStartUpScreen,
              .ClientWidth = clientWidth,
              .ClientHeight = clientHeight});
}

void FeedbackBoxFrame(qby::Design& d, qby::Shape& shape, double width, double height)
{
    d.Add(shape, {.Left = 135, .Top = 135, .Width = width, .Height = height,
                  .Shape = qby::vbShapeRectangle, .BorderColor = kFrameBlue,
                  .BackStyle = qby::vbTransparent, .FillStyle = qby::vbFSTransparent});
}

qby::Label::Props FeedbackLabel(double left, double top, double width, double height,
                                const std::string& caption, qby::OLE_COLOR color, double points)
{
    return {.Left = left, .Top = top, .Width = width, .Height = height, .Caption = caption,
            .AutoSize = false, .Alignment = qby::vbCenter, .BackStyle = qby::vbTransparent,
            .ForeColor = color, .FontName = "Comic Sans MS", .FontSize = points, .FontBold = false};
}

qby::PropertyBag FeedbackButtonDesign()
{
    return {{"ENABLED", true}, {"BorderStyle", 0}, {"ToolTip", ""}};
}

void FlashHeading(qby::Label& heading)
{
    if (heading.ForeColor() == kHeadingBlue)
        heading.ForeColor(kHeadingWhite);
    else
        heading.ForeColor(kHeadingBlue);
}
