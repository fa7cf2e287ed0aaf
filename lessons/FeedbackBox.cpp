#include "lessons/FeedbackBox.h"

#include "controls/WindowDesign.h"

void FeedbackBoxFrame(qby::Design& d, qby::Shape& shape, double width, double height)
{
    d.Add(shape, {.Left = 135, .Top = 135, .Width = width, .Height = height,
                  .Shape = qby::vbShapeRectangle, .BorderColor = kDesignBlue,
                  .BackStyle = qby::vbTransparent, .FillStyle = qby::vbFSTransparent});
}

qby::Label::Props FeedbackLabel(double left, double top, double width, double height,
                                const std::string& caption, qby::OLE_COLOR color, double points)
{
    qby::Label::Props props = DesignLabel(left, top, width, height, caption, color, points);
    props.AutoSize = false;
    props.Alignment = qby::vbCenter;
    props.FontBold = false;
    return props;
}

void FlashHeading(qby::Label& heading)
{
    if (heading.ForeColor() == qby::vbBlue)
        heading.ForeColor(qby::vbWhite);
    else
        heading.ForeColor(qby::vbBlue);
}
