// DrawingSurface: the drawing surface of forms, picture boxes and user controls (background
// picture, scale, Cls, DrawLine, Print, window handle).
#pragma once

#include "platform/forms/Picture.h"
#include "platform/forms/Types.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qby {

namespace detail {
class SurfaceImpl;
}

// Options of DrawLine.
inline constexpr int LineOnly = 0;
inline constexpr int LineBox = 1;        // the rectangle with these corners
inline constexpr int LineBoxFilled = 2;  // the same, filled

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Background picture: drawn at the top-left corner at its own size, not stretched.
    StdPicture Picture();
    void Picture(const StdPicture& value);

    int ScaleMode();
    void ScaleMode(int value);
    // Inner width and height in the current scale units.
    double ScaleWidth();
    double ScaleHeight();
    // Converts a size between scale modes (for example pixels to twips).
    double ScaleX(double value, int fromScale, int toScale);
    double ScaleY(double value, int fromScale, int toScale);

    // Drawing. With AutoRedraw True what is drawn stays until Cls (kept across repaints and
    // resizes); with AutoRedraw False it is not kept (the next repaint covers it). Forms start
    // with True, picture boxes and user controls with False.
    bool AutoRedraw();
    void AutoRedraw(bool value);
    void Cls();  // clears the drawing and puts the text position at (0, 0)
    // A line from (x1, y1) to (x2, y2) in scale units, in the given colour (ForeColor when
    // omitted) and DrawWidth; with a width of one pixel the end point is not drawn.
    void DrawLine(double x1, double y1, double x2, double y2,
                  std::optional<OLE_COLOR> color = {}, int options = LineOnly);
    // Writes text at (CurrentX, CurrentY) in the surface's font and ForeColor, transparently;
    // then CurrentX becomes 0 and CurrentY moves one line down.
    void Print(const std::string& text);
    double CurrentX();
    void CurrentX(double value);
    double CurrentY();
    void CurrentY(double value);
    int DrawWidth();
    void DrawWidth(int pixels);
    // Colour of the pixel under (x, y), in blue-green-red order; -1 outside the surface.
    std::int64_t Point(double x, double y);
    // Width and height of text in the surface's font, in scale units.
    double TextWidth(const std::string& text);
    double TextHeight(const std::string& text);

    // The window handle (a small number issued by the platform layer; a new one each load).
    std::int32_t hWnd();

protected:
    // The surface of the loaded part (loading the owner when it is unloaded); null when none.
    virtual detail::SurfaceImpl* drawingSurface() = 0;
};

}  // namespace qby
