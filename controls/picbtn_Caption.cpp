// The caption's size: a caption that does not fit the button on one line is drawn in a smaller
// size of the same font, so that the whole text shows and keeps clear of the button's edges.
#include "controls/picbtn.h"

#include <algorithm>

namespace {

constexpr double kCaptionPoints = 12;          // the caption label's design size
constexpr double kSmallestCaptionPoints = 6;   // below this a caption would not be read
constexpr double kCaptionPointStep = 0.25;
constexpr double kCaptionMarginPx = 10;        // kept clear of the face's rounded edge on either side
constexpr double kCaptionDesignTopPx = 9;
constexpr double kCaptionDesignHeightPx = 22;

}  // namespace

void picbtn::FitCaption()
{
    const std::string text = lblWORDS.Caption();
    // Most calls come with every change of the shown picture: nothing to do unless the text or
    // the room changed.
    if (text == fittedCaption && lblWORDS.Width() == fittedWidth && lblWORDS.FontSize() == fittedPoints)
        return;
    // The label's width is in picImage1's units, pixels; the text is measured on the control
    // surface in the label's font, converted to pixels.
    const double room = lblWORDS.Width() - 2 * kCaptionMarginPx;
    const int surfaceScale = ScaleMode();
    FontName(lblWORDS.FontName());
    FontBold(false);
    auto textWidthPx = [&] { return ScaleX(TextWidth(text), surfaceScale, qby::vbPixels); };
    double points = kCaptionPoints;
    FontSize(points);
    while (points > kSmallestCaptionPoints && textWidthPx() > room) {
        points -= kCaptionPointStep;
        FontSize(points);
    }
    const double heightPx = ScaleY(TextHeight(text), surfaceScale, qby::vbPixels);
    lblWORDS.FontSize(points);
    fittedCaption = text;
    fittedWidth = lblWORDS.Width();
    fittedPoints = lblWORDS.FontSize();
    // A smaller line keeps the middle of the designed one.
    lblWORDS.Top(kCaptionDesignTopPx + std::max(0.0, (kCaptionDesignHeightPx - heightPx) / 2));
}
